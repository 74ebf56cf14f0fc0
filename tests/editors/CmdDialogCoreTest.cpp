// What every command dialog of the table shares: where a control's value lives, the rows of a
// value outside them, the refresh rule, states only for the template's controls, and cancel.
#include "editors/CmdDialogCore.h"
#include "editors/CmdMoveDialogs.h"
#include "editors/CmdShotDialogs.h"
#include "tests/editors/CmdDialogRunTest.h"

TEST(CmdDialogCore, ValuesLiveInTheCommandItsBlocksAndItsParameters) {
  cCommandData command;
  command.m_vParam = {4, -7};
  const tCmdRef refs[] = {&cCommandData::m_nTime, &cEdMove::m_dTurnRate, &cEdShot::m_nPower, FormParamRef(2),
                          ParamRef(1),            ParamRef(2),          std::monostate(),   &cCommandData::m_strText};
  const int present[] = {1, 0, 0, 0, 1, 0, 0, 0};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(HasRef(command, refs[i]), present[i]) << i;
    WriteRef(command, refs[i], 3.4);  // nothing happens where nothing is
  }
  EXPECT_EQ(command.m_nTime, 3);
  EXPECT_EQ(command.m_vParam, (cVector<int32_t>{4, 3}));
  command.m_pMove.Create();
  command.m_pShot.Create();
  WriteRef(command, &cEdMove::m_dTurnRate, 2.5);
  WriteRef(command, &cEdShot::m_nPower, -999999);
  WriteRef(command, FormParamRef(2), 40);
  WriteRef(command, &cEdShot::m_cGiant, 9.6);
  EXPECT_EQ(ReadRef(command, &cEdMove::m_dTurnRate), 2.5);
  EXPECT_EQ(command.m_pShot->m_nPower, -999999);
  EXPECT_EQ(command.m_pShot->m_nFormParam[2], 40);
  EXPECT_EQ(command.m_pShot->m_cGiant, 10);
  EXPECT_EQ(ReadRef(command, cShotArrayRef{&cEdShot::m_nMoveParam, 3}), 0) << "no fourth element";
  EXPECT_EQ(HasRef(command, ParamRef(-1)), 0);
}

TEST(CmdDialogCore, AValueOutsideItsRowsShowsAsItsNumberAQuestionMarkOrNothing) {
  cVector<cString> rows = {"001 a", "002 b"};
  struct cCase {
    int32_t m_nValue;
    cRowNumbering m_Numbering;
    int m_nSel;
    const char* m_pExtra;  // null: no extra row
  };
  const cCase cases[] = {
      {2, {3, 0}, 1, nullptr}, {7, {3, 0}, 2, "007 "},   {0, {3, 0}, 2, "000 "},   {40, {2, 1}, 2, "41 "},
      {-3, {3, 0}, 2, "-003 "}, {9, {0, 0}, 2, "？"},     {9, {-1, 0}, -1, nullptr}, {1, {-1, 0}, 0, nullptr},
  };
  for (const cCase& c : cases) {
    cComboChoice choice = RowChoice(rows, c.m_nValue, 1, c.m_Numbering);
    EXPECT_EQ(choice.m_nSel, c.m_nSel) << c.m_nValue;
    EXPECT_EQ(choice.m_vRows.Count(), c.m_pExtra ? 3 : 2) << c.m_nValue;
    if (c.m_pExtra) {
      EXPECT_EQ(choice.m_vRows[2], c.m_pExtra);
    }
    EXPECT_EQ(ComboChoiceValue(choice, choice.m_nSel, 1, c.m_nValue), c.m_nValue) << "the shown row keeps the value";
  }
  EXPECT_TRUE(RowChoice(cVector<cString>(), 3, 0, {-1, 0}).m_vRows.empty());
}

TEST_F(CmdDialogRunTest, TheRefreshRuleTakesTheNotificationsOfBoundControls) {
  cCommandData command;
  command.m_cKind = kCmdShot;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  struct cCase {
    uint16_t m_nId;
    int m_nCode;
    int m_bRefresh;
  };
  const cCase cases[] = {
      {1446, kBnClicked, 1},  {1446, 5, 0},       {1036, kEnUpdate, 1}, {1036, 0x0300, 0}, {1147, 0, 1},
      {1147, 9, 1},           {1265, kCbnSelChange, 1}, {1265, 3, 0},  {1151, 0, 0},      {1070, 0, 0},
      {4321, kBnClicked, 0},
  };
  for (const cCase& c : cases) EXPECT_EQ(dialog.IsRefresh(c.m_nId, c.m_nCode), c.m_bRefresh) << c.m_nId;
  dialog.Command(1177, kBnClicked);
  EXPECT_TRUE(dialog.States().AllChanged().empty()) << "nothing happens before initialisation";
  dialog.Init();
  const cCmdDialogSpec& spec = dialog.Spec();
  EXPECT_EQ(dialog.States().AllChanged().Count(), spec.m_nCtrl) << "initialisation shows every control";
  for (int i = 0; i < spec.m_nCtrl; ++i) {
    if (spec.m_pCtrl[i].m_nKind == kCtrlCombo) {
      EXPECT_NE(dialog.States().Rows(spec.m_pCtrl[i].m_nId), nullptr);
    }
  }
  Act(dialog, Tick(1177, 1));
  EXPECT_EQ(EnabledOf(dialog.States(), {1126, 1129}), "11");
  EXPECT_TRUE(dialog.States().AllChanged().empty()) << "the check shows what the user set";
  Act(dialog, Choose(kIdcShotFormation, 5));
  EXPECT_EQ(dialog.States().AllChanged(), (cVector<uint16_t>{1041, 1063})) << "the rules set these";
  EXPECT_TRUE(dialog.States().AllRows().empty());
}

TEST_F(CmdDialogRunTest, EveryDialogDecidesForItsOwnControlsOnly) {
  for (const cCmdDialogSpec* spec : CmdDialogSpecs()) {
    cCommandData command;
    command.m_cKind = static_cast<int8_t>(spec->m_nKind);
    cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
    EXPECT_EQ(dialog.Spec().m_nTemplate, spec->m_nTemplate);
    dialog.Init();
    for (int pass = 0; pass < 2; ++pass) {
      for (const cCtrlStates::cState& state : dialog.States().States())
        EXPECT_NE(FindDialogCtrl(*spec, state.m_nId), nullptr) << spec->m_pCaption << " " << state.m_nId;
      if (spec->m_nCtrl) Act(dialog, Choose(spec->m_pCtrl[0].m_nId, 1));
    }
  }
  cCommandData stop;
  stop.m_cKind = kCmdStopMove;
  cCmdDialogRun dialog({&stop, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(dialog.States().Enabled(kIdcMoveSpeed), -1) << "移動の無効化 has no speed edit";
  EXPECT_EQ(dialog.States().Enabled(kIdcCmdTime), 1);
}

TEST_F(CmdDialogRunTest, CancelLeavesEveryKindsCommandAsOpeningLeftIt) {
  for (const cCmdDialogSpec* spec : CmdDialogSpecs()) {
    cCommandData command;
    command.m_cKind = static_cast<int8_t>(spec->m_nKind);
    command.m_nTime = 12;
    command.m_nSound = 2;
    command.CreateNeededPayload();
    command.SizeParams();
    for (int32_t& param : command.m_vParam) param = 1;
    const cCommandData opened = command;
    cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
    dialog.Init();
    for (int i = 0; i < spec->m_nCtrl; ++i) {
      const cCmdDialogCtrl& ctrl = spec->m_pCtrl[i];
      switch (ctrl.m_nKind) {
        case kCtrlEditVal: Act(dialog, TypeNumber(ctrl.m_nId, "-5")); break;
        case kCtrlCheck: Act(dialog, Tick(ctrl.m_nId, 0)); break;
        case kCtrlCombo: Act(dialog, Choose(ctrl.m_nId, 0)); break;
        case kCtrlEditText: Act(dialog, TypeText(ctrl.m_nId, "x")); break;
        default: break;
      }
    }
    dialog.Cancel();
    EXPECT_TRUE(command == opened) << spec->m_pCaption;
  }
}

TEST_F(CmdDialogRunTest, AMissingBlockIsGivenOnlyByOk) {
  for (bool ok : {false, true}) {
    cCommandData command;
    command.m_cKind = kCmdWarp;
    cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
    dialog.Init();
    ASSERT_NE(dialog.Shown().m_pMove.Get(), nullptr);
    if (ok) EXPECT_EQ(dialog.Ok(), 1);
    else dialog.Cancel();
    EXPECT_EQ(command.m_pMove.Get() != nullptr, ok);
  }
  cCommandData flowChange;
  flowChange.m_cSet = 1;
  flowChange.m_cKind = 1;
  cCmdDialogRun other({&flowChange, 1}, cCmdDialogEnv(), m_Host);
  EXPECT_EQ(other.Valid(), 0) << "not a dialog of this table";
  other.Init();
  EXPECT_EQ(other.Ok(), 0);
}

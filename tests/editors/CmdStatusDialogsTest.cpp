// The status operation dialogs: the two sides by their types, the limits and percent options a
// left status gives, the remembered status, the variable renames, and the flag and scroll statuses.
#include "editors/CmdStatusDialogs.h"
#include "editors/StatusCondRules.h"
#include "stage/cStageDoc.h"
#include "tests/editors/CmdDialogRunTest.h"

namespace {
cVector<int32_t> Op(std::initializer_list<std::pair<int, int32_t>> values) {
  cVector<int32_t> params(kOpParamCount, 0);
  for (const auto& value : values) params[value.first] = value.second;
  return params;
}
}  // namespace

TEST(CmdStatusRules, TheSidesFollowTheirTypes) {
  struct cCase {
    cVector<int32_t> m_vParams;
    const char* m_pLeft;   // subject, status, scope, variable, rename, invincible
    const char* m_pRight;  // constant, random min, random max, subject, status, scope, variable, rename
  };
  const cCase cases[] = {
      {Op({}), "110101", "10000000"},
      {Op({{kOpLeftSubject, 5}}), "110000", "10000000"},
      {Op({{kOpLeftStatus, 3}}), "110001", "10000000"},
      {Op({{kOpLeftType, 1}, {kOpRightType, 1}}), "001110", "01100000"},
      {Op({{kOpLeftType, 1}, {kOpLeftScope, 1}, {kOpRightType, 2}}), "001110", "00011010"},
      {Op({{kOpRightType, 2}, {kOpRightStatus, 4}}), "110101", "00011000"},
      {Op({{kOpRightType, 3}, {kOpRightScope, 1}}), "110101", "00000111"},
      {Op({{kOpLeftType, 4}, {kOpRightType, 9}}), "000000", "00000000"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    StatusOpStates(c.m_vParams, states);
    EXPECT_EQ(EnabledOf(states, {kIdcStatSubject, kIdcStatStatus, kIdcStatLeftScope, kIdcStatLeftVar,
                                 kIdcStatLeftRename, kIdcStatInvincible}),
              c.m_pLeft)
        << c.m_pRight;
    EXPECT_EQ(EnabledOf(states, {kIdcStatValue, kIdcStatRandMin, kIdcStatRandMax, kIdcStatRightSubject,
                                 kIdcStatRightStatus, kIdcStatRightScope, kIdcStatRightVar, kIdcStatRightRename}),
              c.m_pRight)
        << c.m_pLeft;
  }
  EXPECT_EQ(StatusOpLeftPicker(Op({})), kVarPickerCharaVar);
  EXPECT_EQ(StatusOpLeftPicker(Op({{kOpLeftType, 1}, {kOpLeftScope, 1}})), kVarPickerStage);
  EXPECT_EQ(StatusOpRightPicker(Op({{kOpRightType, 3}})), kVarPickerCommon);
  EXPECT_EQ(StatusOpRightPicker(Op({{kOpRightType, 2}, {kOpRightSubject, 5}})), kVarPickerOff);
}

TEST(CmdStatusRules, ALeftStatusGivesItsOperandRangeAndItsPercentOptions) {
  struct cCase {
    cVector<int32_t> m_vParams;
    int32_t m_nEdits, m_nMin, m_nMax;
    const char* m_pEnabled;  // percent, calculation mode, bar
  };
  const cCase cases[] = {
      {Op({{kOpLeftStatus, 1}}), 1, -999999, 999999, "011"},
      {Op({{kOpLeftStatus, 2}, {kOpLeftSubject, 4}}), 1, -999999, 999999, "011"},
      {Op({{kOpLeftStatus, 1}, {kOpLeftSubject, 5}}), 1, -480, 480, "100"},
      {Op({{kOpLeftSubject, 5}}), 1, -999, 999, "100"},
      {Op({{kOpLeftStatus, 6}, {kOpRightType, 1}}), 2, -8, 8, "000"},
      {Op({{kOpLeftStatus, 5}, {kOpRightType, 2}}), 0, 0, 0, "000"},
      {Op({{kOpLeftStatus, 12}, {kOpRightType, 3}}), 0, 0, 0, "100"},
      {Op({{kOpLeftStatus, 8}}), 1, -40, 40, "100"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    cStatusOpLimits limits = StatusOpLeftStates(c.m_vParams, states);
    EXPECT_EQ(limits.m_nEdits, c.m_nEdits) << c.m_pEnabled;
    if (limits.m_nEdits) {
      EXPECT_EQ(limits.m_nMin, c.m_nMin);
      EXPECT_EQ(limits.m_nMax, c.m_nMax);
      EXPECT_EQ(limits.m_aEdit[0], c.m_nEdits == 1 ? kIdcStatValue : kIdcStatRandMin);
    }
    EXPECT_EQ(EnabledOf(states, {kIdcStatPercent, kIdcStatCalcMode, kIdcStatBar}), c.m_pEnabled);
  }
  cCtrlStates none;
  EXPECT_EQ(StatusOpLeftStates(Op({{kOpLeftStatus, 15}}), none).m_nEdits, 0);
  EXPECT_EQ(StatusOpLeftStates(Op({{kOpLeftSubject, 6}}), none).m_nEdits, 0);
  EXPECT_TRUE(none.States().empty());
}

TEST_F(CmdDialogRunTest, OnlyAnotherLeftStatusPickedInARunningDialogReclampsTheValues) {
  cCommandData command;
  command.m_cKind = kCmdStatus;
  command.m_vParam = Op({{kOpLeftStatus, 6}, {kOpConstant, 500}});
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  int32_t min = 0, max = 0;
  ASSERT_EQ(dialog.States().Range(kIdcStatValue, min, max), 1);
  EXPECT_EQ(max, 8);
  EXPECT_EQ(dialog.States().Changed(kIdcStatValue), 1);
  EXPECT_EQ(dialog.IntValue(kIdcStatValue), 8) << "the edit reads its value within its limits";
  Act(dialog, Choose(kIdcStatStatus, 6));
  EXPECT_EQ(dialog.Shown().m_vParam[kOpConstant], 500) << "the first pick remembers, and nothing was remembered";
  Act(dialog, Choose(kIdcStatStatus, 7));
  EXPECT_EQ(dialog.Shown().m_vParam[kOpConstant], 119);
  EXPECT_EQ(g_StatusOpMemory.NotePick(7), 0);
  EXPECT_EQ(g_StatusOpMemory.NotePick(1), 1);
}

TEST_F(CmdDialogRunTest, StatusListsAndVariablePickersTakeTheirRows) {
  cCommandData command;
  command.m_cKind = kCmdStatus;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  ASSERT_NE(dialog.States().Rows(kIdcStatStatus), nullptr);
  EXPECT_EQ(dialog.States().Rows(kIdcStatStatus)->m_Choice.m_vRows.Count(), 15);
  EXPECT_EQ(dialog.States().Rows(kIdcStatLeftVar)->m_Choice.m_vRows[0], "1 キャラ変数-1");
  EXPECT_EQ(dialog.States().Rows(kIdcStatLeftVar)->m_Choice.m_vRows.Count(), 8);
  Act(dialog, Choose(kIdcStatSubject, 5));
  EXPECT_EQ(dialog.States().Rows(kIdcStatStatus)->m_Choice.m_vRows[0], "時間");
  Act(dialog, Choose(kIdcStatLeftType, 1));
  ASSERT_NE(dialog.States().Rows(kIdcStatLeftVar), nullptr);
  EXPECT_EQ(dialog.States().Rows(kIdcStatLeftVar)->m_Choice.m_vRows.Count(), 999);
  EXPECT_EQ(dialog.States().Rows(kIdcStatLeftVar)->m_Choice.m_vRows[0], "001 所持金");
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcStatLeftVar, kIdcStatLeftRename}), "11");
  Act(dialog, Choose(kIdcStatStatus, 1));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcStatBar, kIdcStatCalcMode}), "00")
      << "not while the left side is a variable";
}

TEST_F(CmdDialogRunTest, ARenameChangesTheNameAtOnceAndCancelKeepsIt) {
  cCommandData command;
  command.m_cKind = kCmdStatus;
  command.m_vParam = Op({{kOpLeftType, 1}, {kOpLeftScope, 1}, {kOpLeftVar, 3}, {kOpRightType, 3}, {kOpRightVar, 1}});
  m_Host.m_pAnswer = "残り時間";
  {
    cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
    dialog.Init();
    Act(dialog, Click(kIdcStatLeftRename));
    EXPECT_EQ(dialog.States().Rows(kIdcStatLeftVar)->m_Choice.m_vRows[2], "003 残り時間");
    m_Host.m_pAnswer = nullptr;
    Act(dialog, Click(kIdcStatRightRename));
    dialog.Cancel();
  }
  EXPECT_EQ(g_StageDoc.m_vStageVarName[3].m_strName, "残り時間");
  EXPECT_EQ(g_vValInfo[1].m_strName, "所持金") << "the right side's rename was cancelled";
  std::vector<std::string> calls = {"rename 1405 ", "rename 1052 所持金"};
  EXPECT_EQ(m_Host.m_vCalls, calls);

  // Nothing to rename: a beep.
  command.m_vParam = Op({{kOpLeftType, 1}, {kOpLeftVar, 0}, {kOpRightType, 0}});
  m_Host.m_vCalls.clear();
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  Act(dialog, Click(kIdcStatLeftRename));
  Act(dialog, Click(kIdcStatRightRename));
  EXPECT_EQ(m_Host.m_vCalls, (std::vector<std::string>{"beep", "beep"}));
}

TEST_F(CmdDialogRunTest, TheSecondDialogsStatusesAndOptions) {
  cVector<cString> rows;
  ASSERT_EQ(StatusOp2StatusRows(0, rows), 1);
  EXPECT_EQ(rows.Count(), 7);
  EXPECT_EQ(rows[0], "消滅");
  ASSERT_EQ(StatusOp2StatusRows(5, rows), 1);
  EXPECT_EQ(rows, (cVector<cString>{"横スクロール", "縦スクロール"}));
  EXPECT_EQ(StatusOp2StatusRows(6, rows), 0);
  EXPECT_EQ(StatusOp2Status(0, 7), nullptr);
  EXPECT_EQ(StatusOp2Status(5, 2), nullptr);
  EXPECT_EQ(StatusOp2Status(-1, 0), nullptr);

  cCommandData command;
  command.m_cKind = kCmdStatus2;
  command.m_vParam = {0, 5, 0};
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(command.m_vParam[2], 1) << "巨大化 starts at 1, at once";
  const cCmdStates::cRows* options = dialog.States().Rows(kIdcStat2Option);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(options->m_Choice.m_vRows[0], "しない");
  EXPECT_EQ(options->m_Choice.m_nSel, 0);
  EXPECT_EQ(dialog.ComboOffset(kIdcStat2Option), 1);
  Act(dialog, Choose(kIdcStat2Status, 0));
  EXPECT_EQ(dialog.States().Rows(kIdcStat2Option)->m_Choice.m_vRows, (cVector<cString>{"ON"}));
  EXPECT_EQ(dialog.IntValue(kIdcStat2Option), 0) << "held to the only option";
  Act(dialog, Choose(kIdcStat2Option, 0));
  EXPECT_EQ(dialog.Ok(), 1);
  EXPECT_EQ(command.m_vParam, (cVector<int32_t>{0, 0, 0})) << "消滅 is stored as 0";
}

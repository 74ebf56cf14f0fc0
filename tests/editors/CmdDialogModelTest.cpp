// The dialog model over the kinds that create, move, pick and show: shot-block values, rows built
// by the rules (with stored values past their tables), rules that act only on a user's change,
// limits the rules narrow, what opening writes into the command, renames by a side's scope, the
// stage file browse and the previews.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/PathUtil.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/cValInfoData.h"
#include "database/cDatabaseSet.h"
#include "editors/CmdDialogDesc.h"
#include "editors/LookCommandRules.h"
#include "editors/MediaCommandRules.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/StatusOpRules.h"
#include "model/VariableNames.h"
#include "stage/cMapView.h"
#include "tests/editors/EditorTest.h"
#include "tests/support/CmdDialogRows.h"
#include "tests/support/FakeSound.h"

namespace {
using S = cEdShot;

class CmdDialogModelTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    m_vSavedNames.swap(g_vValInfo);
    SetUpCmdDialogWorld();
  }
  void TearDown() override {
    g_StageEditState.m_nEditContext = 0;
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    m_vSavedNames.swap(g_vValInfo);
    EditorTest::TearDown();
  }

  // The dialog of a command of a kind, new or as given.
  cCmdDialogModel& Open(int kind, int isNew = 1) {
    m_Command.m_cKind = static_cast<int8_t>(kind);
    m_pDialog.reset();
    m_pDialog = std::make_unique<cCmdDialogModel>(*FindCmdDialogDesc(0, kind), cCmdEditContext{&m_Command, isNew});
    return *m_pDialog;
  }
  cComboChoice Choice(uint16_t id) { return CmdCtrlChoice(*FindCmdCtrl(m_pDialog->Desc(), id), m_pDialog->Work()); }

  cVector<cValInfoData> m_vSavedNames;
  cCommandData m_Command;
  std::unique_ptr<cCmdDialogModel> m_pDialog;
};
}  // namespace

TEST(CmdDialogModel, AStoredValueOutsideItsRowsShowsAsItsNumberAQuestionMarkOrNothing) {
  cVector<cString> rows = {"001 a", "002 b"};
  struct cCase {
    int32_t m_nValue;
    cRowNumbering m_Numbering;
    int m_nSel;
    const char* m_pExtra;  // null: no extra row
  };
  const cCase cases[] = {
      {2, {3, 0}, 1, nullptr},  {7, {3, 0}, 2, "007 "}, {0, {3, 0}, 2, "000 "},    {40, {2, 1}, 2, "41 "},
      {-3, {3, 0}, 2, "-003 "}, {9, {0, 0}, 2, "？"},   {9, {-1, 0}, -1, nullptr}, {1, {-1, 0}, 0, nullptr},
  };
  for (const cCase& c : cases) {
    cComboChoice choice = ComboChoice(rows, c.m_nValue, 1, c.m_Numbering);
    EXPECT_EQ(choice.m_nSel, c.m_nSel) << c.m_nValue;
    EXPECT_EQ(choice.m_vRows.Count(), c.m_pExtra ? 3 : 2) << c.m_nValue;
    if (c.m_pExtra) {
      EXPECT_EQ(choice.m_vRows[2], c.m_pExtra);
    }
    EXPECT_EQ(ComboChoiceValue(choice, choice.m_nSel, 1, c.m_nValue), c.m_nValue) << "the shown row keeps the value";
  }
}

TEST(CmdDialogModel, ShotBlockValuesAreReadAndWrittenOnlyWhereTheBlockIs) {
  cCommandData command;
  WriteCmdSlot(command, &S::m_nPower, 5);
  WriteCmdSlot(command, FormParamSlot(1), 5);
  EXPECT_EQ(ReadCmdSlot(command, &S::m_nPower), 0);
  command.m_pShot.Create();
  WriteCmdSlot(command, &S::m_nPower, -999999);
  WriteCmdSlot(command, &S::m_cGiant, 10);
  WriteCmdSlot(command, MoveParamSlot(2), 359);
  WriteCmdSlot(command, cShotArraySlot{&S::m_nFormParam, 3}, 7);
  EXPECT_EQ(command.m_pShot->m_nPower, -999999);
  EXPECT_EQ(ReadCmdSlot(command, &S::m_cGiant), 10);
  EXPECT_EQ(command.m_pShot->m_nMoveParam[2], 359);
  EXPECT_EQ(ReadCmdSlot(command, cShotArraySlot{&S::m_nFormParam, 3}), 0) << "no fourth element";
  EXPECT_EQ(ReadCmdSlot(command, cShotArraySlot{&S::m_nFormParam, -1}), 0);
}

TEST_F(CmdDialogModelTest, AFormationSetsLabelsAndLimitsAndItsDefaultsOnlyWhenChosen) {
  m_Command.m_pShot.Create();
  m_Command.m_pShot->m_cFormation = 2;
  m_Command.m_pShot->m_nFormParam[0] = 77;
  m_Command.m_pShot->m_nFormParam[1] = 500;
  cCmdDialogModel& dialog = Open(kCmdShot, 0);
  ASSERT_NE(dialog.States().Text(1151), nullptr);
  EXPECT_EQ(*dialog.States().Text(1151), "角度");
  EXPECT_EQ(EnabledOf(dialog.States(), {1041, 1042, 1043}), "100");
  EXPECT_EQ(dialog.Value(1041), 77) << "opening shows the stored value within its limits";
  EXPECT_EQ(dialog.Value(1042), 500) << "an unused parameter keeps its value";
  int32_t min = 0, max = 0;
  dialog.Range(1041, min, max);
  EXPECT_EQ(max, 180);
  ASSERT_EQ(dialog.SetValue(kIdcShotFormation, 3), 1);
  EXPECT_EQ(*dialog.States().Text(1152), "列の数");
  EXPECT_EQ(dialog.Value(1041), 0);
  EXPECT_EQ(dialog.Value(1042), 1);
  EXPECT_EQ(dialog.Value(kIdcShotAimAngle), 1);
  EXPECT_EQ(dialog.States().Checked(kIdcShotAimAngle), 1);
  ASSERT_EQ(dialog.SetValue(1042, 30), 1);
  ASSERT_EQ(dialog.SetValue(kIdcShotAimSubject, 1), 1);
  EXPECT_EQ(dialog.Value(1042), 30) << "another control keeps the parameters";
  EXPECT_EQ(dialog.States().Enabled(kIdcShotTargetNo), 0);
  ASSERT_EQ(dialog.SetValue(kIdcShotMoveType, 5), 1);
  EXPECT_EQ(*dialog.States().Text(1156), "対象勢力");
  EXPECT_EQ(dialog.Value(1058), 999);
}

TEST_F(CmdDialogModelTest, StoredRowsPastTheirTablesShowTheirNumberWithABlankName) {
  m_Command.m_pShot.Create();
  m_Command.m_pShot->m_nSummonIndex = 7;
  m_Command.m_nAnime = 12;
  cCmdDialogModel& dialog = Open(kCmdCharaSummon, 0);
  cComboChoice summon = Choice(kIdcSummonIndex);
  EXPECT_EQ(summon.m_vRows, (cVector<cString>{"001 ", "002 ", "007 "}));
  EXPECT_EQ(summon.m_nSel, 2);
  EXPECT_EQ(Choice(kIdcCmdAnime).m_vRows.back(), "12 ");
  EXPECT_EQ(dialog.SetValue(kIdcSummonIndex, 7), 0) << "the extra row is not a row to choose";
  EXPECT_EQ(dialog.SetValue(kIdcSummonIndex, 2), 1);
  EXPECT_EQ(Choice(kIdcSummonIndex).m_vRows.Count(), 2);
}

TEST_F(CmdDialogModelTest, TheSwordTimeFollowsItsTypeAndAnEmptyTableGivesTimeOne) {
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 0), 7);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 1), 9999);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 2), 1);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, -1), 1);
  g_DatabaseSet.m_vSwordType.clear();
  cCmdDialogModel& dialog = Open(kCmdSword);
  cComboChoice types = Choice(kIdcSwordType);
  EXPECT_TRUE(types.m_vRows.empty());
  EXPECT_EQ(types.m_nSel, -1);
  EXPECT_EQ(dialog.States().Enabled(kIdcCmdTime), 0);
  EXPECT_EQ(dialog.PressOk(), 1);
  EXPECT_EQ(m_Command.m_nTime, 1);
  EXPECT_EQ(m_Command.m_pShot->m_cMoveType, 0);
}

TEST_F(CmdDialogModelTest, ACommonPaletteEntryOffersTheCommonPaletteOnly) {
  struct cCase {
    int m_nKind;
    uint16_t m_nId;
    int m_nRows;  // in contexts 0, 1 and 3
  };
  const cCase cases[] = {
      {kCmdShot, kIdcShotItemPalette, 3},
      {kCmdSword, kIdcShotItemPalette, 3},
      {kCmdCharaSummon, kIdcSummonPalette, 2},
      {kCmdTakeItem, kIdcItemGetPalette, 2},
  };
  for (const cCase& c : cases) {
    for (int context : {1, 2}) {
      g_StageEditState.m_nEditContext = context;
      Open(c.m_nKind);
      EXPECT_EQ(Choice(c.m_nId).m_vRows.Count(), c.m_nRows - (context == 2 ? 1 : 0)) << c.m_nKind;
    }
  }
}

TEST_F(CmdDialogModelTest, RowsThatFollowAPaletteKeepTheEntryOnlyWhenThePaletteChanges) {
  EXPECT_EQ(PaletteItemRows(kPaletteCommon).Count(), 3);
  EXPECT_EQ(PaletteItemRows(kPaletteStage).Count(), 1);
  EXPECT_TRUE(PaletteItemRows(kPaletteNone).empty());
  EXPECT_EQ(SummonRows(kCmdBlockSummon, 0).Count(), 2);
  EXPECT_EQ(SummonRows(kCmdCharaSummon, 1).Count(), 3);
  EXPECT_EQ(SummonRows(kCmdItemSummon, 1).Count(), 1);
  EXPECT_TRUE(SummonRows(kCmdCharaSummon, 2).empty());
  EXPECT_TRUE(SummonRows(kCmdCharaSummon, -1).empty());

  m_Command.m_pShot.Create();
  m_Command.m_pShot->m_nItemIndex = 3;
  cCmdDialogModel& dialog = Open(kCmdShot, 0);
  EXPECT_EQ(dialog.States().Enabled(kIdcShotItem), 0);
  EXPECT_EQ(Choice(kIdcShotItem).m_vRows.back(), "003 ") << "no palette: the number alone";
  ASSERT_EQ(dialog.SetValue(kIdcShotItemPalette, 2), 1);
  EXPECT_EQ(dialog.Value(kIdcShotItem), 1) << "held to the stage palette's one item";
  ASSERT_EQ(dialog.SetValue(kIdcShotItemPalette, 0), 1);
  EXPECT_EQ(dialog.Value(kIdcShotItem), 1) << "choosing no palette keeps the item number";
  EXPECT_EQ(dialog.States().Enabled(kIdcShotItem), 0);
}

TEST_F(CmdDialogModelTest, AStatusNarrowsTheValuesLimitsAndListsFollowTheSides) {
  cCmdDialogModel& dialog = Open(kCmdStatus);
  EXPECT_EQ(Choice(kIdcStatStatus).m_vRows.Count(), 15);
  EXPECT_EQ(Choice(kIdcStatLeftVar).m_vRows[0], "1 キャラ変数-1");
  ASSERT_EQ(dialog.SetValue(kIdcStatStatus, 7), 1);
  ASSERT_EQ(dialog.SetValue(kIdcStatValue, 500), 1);
  EXPECT_EQ(dialog.Value(kIdcStatValue), 119);
  ASSERT_EQ(dialog.SetValue(kIdcStatSubject, 5), 1);
  EXPECT_EQ(Choice(kIdcStatStatus).m_vRows[0], "時間");
  EXPECT_EQ(dialog.Value(kIdcStatStatus), 4) << "kept on the system's statuses";
  ASSERT_EQ(dialog.SetValue(kIdcStatLeftType, 1), 1);
  EXPECT_EQ(Choice(kIdcStatLeftVar).m_vRows.Count(), 999);
  EXPECT_EQ(Choice(kIdcStatLeftVar).m_vRows[0], "001 所持金");
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcStatLeftVar, kIdcStatLeftRename, kIdcStatBar, kIdcStatCalcMode}), "1100");
}

TEST_F(CmdDialogModelTest, ARenameTakesTheSidesScopeAndADisabledButtonRenamesNothing) {
  m_Command.m_cKind = kCmdStatus;
  m_Command.SizeParams();
  m_Command.m_vParam[kOpLeftType] = 1;
  m_Command.m_vParam[kOpLeftScope] = 1;
  m_Command.m_vParam[kOpLeftVar] = 3;
  cCmdDialogModel& dialog = Open(kCmdStatus, 0);
  EXPECT_EQ(dialog.Rename(kIdcStatLeftRename, "残り時間"), 1);
  EXPECT_EQ(g_StageDoc.m_vStageVarName[3].m_strName, "残り時間");
  EXPECT_EQ(Choice(kIdcStatLeftVar).m_vRows[2], "003 残り時間");
  EXPECT_EQ(m_Shell.m_nBeeps, 0);
  EXPECT_EQ(dialog.Rename(kIdcStatRightRename, "x"), 0) << "the right side lists no variables";
  EXPECT_EQ(m_Shell.m_nBeeps, 1);
  EXPECT_EQ(g_vValInfo[1].m_strName, "所持金");
}

TEST_F(CmdDialogModelTest, OpeningRaisesAFlagStatusBelowItsFirstOptionInTheCommandItself) {
  m_Command.m_cKind = kCmdStatus2;
  m_Command.m_vParam = {0, 5, 0};
  {
    cCmdDialogModel& dialog = Open(kCmdStatus2, 0);
    EXPECT_EQ(Choice(kIdcStat2Option).m_vRows[0], "しない");
    EXPECT_EQ(Choice(kIdcStat2Option).m_nSel, 0);
    ASSERT_EQ(dialog.SetValue(kIdcStat2Option, 4), 1);
    ASSERT_EQ(dialog.SetValue(kIdcStat2Status, 0), 1);
    EXPECT_EQ(Choice(kIdcStat2Option).m_vRows, (cVector<cString>{"ON"}));
    EXPECT_EQ(dialog.Value(kIdcStat2Option), 0) << "held to the only option";
    m_pDialog.reset();  // cancelled
  }
  EXPECT_EQ(m_Command.m_vParam, (cVector<int32_t>{0, 5, 1}));
}

TEST_F(CmdDialogModelTest, AGraphicNumberIsHeldAtOnceToTheDedicatedBitmaps) {
  cCmdDialogModel& dialog = Open(kCmdGraphic);
  ASSERT_EQ(dialog.SetValue(kIdcGraphicNumber, 118), 1);
  ASSERT_EQ(dialog.SetValue(kIdcGraphicKind, 4), 1);
  EXPECT_EQ(dialog.Value(kIdcGraphicNumber), 3);
  EXPECT_EQ(dialog.States().Enabled(kIdcGraphicPick), 0);
  ASSERT_EQ(dialog.SetValue(kIdcGraphicShift, 239), 1);
  ASSERT_EQ(dialog.SetValue(kIdcGraphicKind, 1), 1);
  EXPECT_EQ(dialog.Value(kIdcGraphicShift), 19);
  Open(kCmdScreenColour);
  ASSERT_EQ(m_pDialog->SetValue(kIdcColourGreen, 400), 1);
  EXPECT_EQ(m_pDialog->Value(kIdcColourGreen), 255);
  EXPECT_EQ(m_pDialog->Value(kIdcColourInstantCount), 1) << "count 0 shows, and is stored as, its minimum";
}

// A stored value outside the limits its state's rules give shows, and is stored, as it is; only a
// change that moves those limits holds it to them.
TEST_F(CmdDialogModelTest, AStoredValueKeepsItsValueUntilAChangeMovesItsLimits) {
  m_Command.m_vParam = {4, 100, 0};  // the dedicated bitmaps (3 of them), number 100
  cCmdDialogModel& dialog = Open(kCmdGraphic, 0);
  EXPECT_EQ(dialog.Value(kIdcGraphicNumber), 100);
  ASSERT_EQ(dialog.SetValue(kIdcGraphicShift, -200), 1);
  EXPECT_EQ(dialog.Value(kIdcGraphicNumber), 100) << "the shift leaves the number's limits as they were";
  ASSERT_EQ(dialog.PressOk(), 1);
  EXPECT_EQ(m_Command.m_vParam, (cVector<int32_t>{4, 100, -200}));
  cCmdDialogModel& again = Open(kCmdGraphic, 0);
  ASSERT_EQ(again.SetValue(kIdcGraphicKind, 1), 1);
  EXPECT_EQ(again.Value(kIdcGraphicNumber), 100) << "within the character sheet's 1 .. 119";
  EXPECT_EQ(again.Value(kIdcGraphicShift), -19);
  ASSERT_EQ(again.SetValue(kIdcGraphicKind, 4), 1);
  EXPECT_EQ(again.Value(kIdcGraphicNumber), 3);
}

// The previews draw what the controls show over black: the colour of the red, green and blue
// trackbars without the strength; the chosen cell of the chosen sheet; the shot's graphic, 16 x 16;
// a cell past the sheets and a dialog without a preview draw nothing.
TEST_F(CmdDialogModelTest, ThePreviewsDrawTheShownValuesOverBlack) {
  cSheetExtents sheets;
  sheets.m_aSheet[kSheetChara] = {640, 480};
  auto describe = [&sheets](const cCmdDialogModel& dialog) {
    cPaintList list;
    std::string text = dialog.Preview(sheets, list) ? "" : "none";
    for (const cPaintOp& op : list.m_vOps) {
      char one[96];
      if (op.m_nKind == cPaintOp::kFill)
        std::snprintf(one, sizeof one, "fill %d,%d %dx%d %06X; ", op.m_nX, op.m_nY, op.m_nWidth, op.m_nHeight,
                      op.m_nColour);
      else
        std::snprintf(one, sizeof one, "blit %d from %d,%d; ", op.m_nCanvas, op.m_nSrcX, op.m_nSrcY);
      text += one;
    }
    return text;
  };
  cCmdDialogModel& colour = Open(kCmdScreenColour);
  ASSERT_EQ(colour.SetValue(kIdcColourRed, 255), 1);
  ASSERT_EQ(colour.SetValue(kIdcColourBlue, 60), 1);
  ASSERT_EQ(colour.SetValue(kIdcColourStrength, 100), 1);
  EXPECT_EQ(describe(colour), "fill 0,0 32x32 000000; fill 0,0 32x32 3C00FF; ") << "0x00BBGGRR";

  cCmdDialogModel& graphic = Open(kCmdGraphic);
  EXPECT_EQ(describe(graphic), "fill 0,0 32x32 000000; blit 2 from 0,32; ") << "character 1, first frame";
  ASSERT_EQ(graphic.SetValue(kIdcGraphicNumber, 14), 1);
  ASSERT_EQ(graphic.SetValue(kIdcGraphicShift, 3), 1);
  EXPECT_EQ(describe(graphic), "fill 0,0 32x32 000000; blit 2 from 96,448; ") << "the shift moves the frame";
  ASSERT_EQ(graphic.SetValue(kIdcGraphicNumber, 15), 1);
  EXPECT_EQ(describe(graphic), "fill 0,0 32x32 000000; ") << "the second character sheet is not loaded";

  cCmdDialogModel& shot = Open(kCmdShot);
  ASSERT_EQ(shot.SetValue(kIdcShotGraphic, 61), 1);
  EXPECT_EQ(describe(shot), "fill 0,0 16x16 000000; blit 20 from 64,16; ") << "graphic 61: third column, row 1";

  EXPECT_EQ(describe(Open(kCmdBgm)), "none");
}

TEST_F(CmdDialogModelTest, TheStageFileBrowseStoresARelativePathOrNothing) {
  cString path("keep.stg4_1");
  EXPECT_EQ(AcceptStageFile(cString((m_Folder.Path() + "\\data\\stg4\\stage-1.stg4_0").c_str()), path), 1);
  EXPECT_EQ(path, ".\\data\\stg4\\stage-1.stg4_0");
#ifdef _WIN32
  const char* elsewhere = "Q:\\elsewhere\\a.stg4_0";  // another drive
#else
  const char* elsewhere = "/elsewhere/a.stg4_0";
#endif
  EXPECT_EQ(AcceptStageFile(cString(elsewhere), path), 0);
  EXPECT_EQ(AcceptStageFile(cString(), path), 0);
  EXPECT_EQ(path, ".\\data\\stg4\\stage-1.stg4_0");
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFolder), "data\\stg4");
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFilter), "StageFile ( *.stg4_* )");
  EXPECT_EQ(std::string(kStageFileBrowse.m_pFilter + sizeof "StageFile ( *.stg4_* )"), "*.stg4_*");
}

// The previews play through the program's players: nothing is heard or said without a sound device;
// a file that cannot be played says so; rows without a record play nothing.
TEST_F(CmdDialogModelTest, PreviewsFailQuietlyWithoutASoundDevice) {
  PlayCmdSound(1);
  PlayCmdBgm(1);
  StopCmdBgm();
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  cFakeSound sound;
  sound.m_MciMissing = {"wave\\jump.wav"};
  sound.m_Playable = {"bgm\\field.ogg"};
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  InitDefaultBgm(g_BgmManager);
  sound.Take();
  for (int32_t row : {0, 3, -1}) {
    PlayCmdSound(row);
    PlayCmdBgm(row);
  }
  EXPECT_TRUE(sound.Take().empty());
  PlayCmdSound(2);
  PlayCmdBgm(1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(g_BgmManager.ChannelState(0), kBgmPlayingOgg);
  sound.Take();
  StopCmdBgm();
  std::vector<std::string> stopped = sound.Take();
  EXPECT_NE(std::find(stopped.begin(), stopped.end(), "vox0 Stop"), stopped.end());
  PlayCmdSound(1);
  g_BgmManager.Shutdown();
  g_MciSound.Shutdown();
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
}

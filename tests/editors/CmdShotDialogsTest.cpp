// The shot, sword and summon dialogs: what the formation and the move type enable and set up,
// the shot's dependent controls, the sword's time, the summons' palettes and rows, and the preview.
#include "database/cDatabaseSet.h"
#include "editors/CmdShotDialogs.h"
#include "tests/editors/CmdDialogRunTest.h"

TEST(CmdShotRules, TheFormationDecidesTheAimTheTargetNumberAndTheOffset) {
  struct cCase {
    int m_nFormation;
    int32_t m_nAim, m_nSubject;
    int32_t m_nAimAfter;
    const char* m_pEnabled;  // aim, target number, offset by angle, subject
    int m_nChecked;          // the aim's check decision
  };
  const cCase cases[] = {
      {0, 0, 0, 0, "1010", -1}, {0, 1, 0, 1, "1110", -1}, {1, 1, 2, 1, "1100", -1},
      {2, 0, 1, 0, "1010", -1}, {3, 0, 0, 1, "0101", 1},  {3, 0, 1, 1, "0001", 1},
      {4, 1, 0, 0, "0000", 0},  {5, 0, 0, 1, "0101", 1},  {5, 1, 2, 1, "0001", 1},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    int32_t aim = c.m_nAim;
    ShotFormationStates(c.m_nFormation, aim, c.m_nSubject, states);
    EXPECT_EQ(aim, c.m_nAimAfter) << c.m_nFormation;
    EXPECT_EQ(EnabledOf(states, {kIdcShotAimAngle, kIdcShotTargetNo, kIdcShotAngleOffset, kIdcShotAimSubject}),
              c.m_pEnabled)
        << c.m_nFormation << " aim " << c.m_nAim << " subject " << c.m_nSubject;
    EXPECT_EQ(states.Checked(kIdcShotAimAngle), c.m_nChecked) << c.m_nFormation;
  }
  for (int row : {-1, 6, 127}) EXPECT_EQ(ShotFormationRow(row), 0);
  for (int row : {-5, 10, 100}) EXPECT_EQ(ShotMoveRow(row), 0);
  EXPECT_EQ(ShotFormationRow(5), 5);
  EXPECT_EQ(ShotMoveRow(9), 9);
}

TEST(CmdShotRules, TheMoveTypeTargetAndTheShotsDependentControls) {
  for (int type = 0; type < 10; ++type) {
    cCtrlStates states;
    ShotMoveTypeStates(type, states);
    EXPECT_EQ(states.Enabled(kIdcShotMoveTargetNo), type == 3 || type == 6 ? 1 : 0) << type;
  }
  cEdShot shot;
  cCtrlStates off;
  ShotStates(shot, off);
  const std::initializer_list<uint16_t> ids = {
      kIdcShotFaction, kIdcShotAccel,     kIdcShotAccelClone,  kIdcShotRange,  kIdcShotRangeClone, kIdcShotKeepAtEnd,
      kIdcShotLife,    kIdcShotLifeClone, kIdcShotVanishValue, kIdcShotFlowId, kIdcShotItem,       kIdcShotTargetNo};
  EXPECT_EQ(EnabledOf(off, ids), "000000000000");
  shot.m_bUserFaction = 0;
  shot.m_bUseAccel = shot.m_bUseRange = shot.m_bUseLife = shot.m_bVanishByShot = shot.m_bAttack = 1;
  shot.m_cItemPalette = 2;
  shot.m_bAimAngle = 1;
  cCtrlStates on;
  ShotStates(shot, on);
  EXPECT_EQ(EnabledOf(on, ids), "111111111111");
  shot.m_cItemPalette = 3;
  shot.m_cFormation = 4;
  ShotStates(shot, on);
  EXPECT_EQ(EnabledOf(on, {kIdcShotItem, kIdcShotTargetNo}), "00");
}

TEST(CmdShotRules, TheSummonsTargetNumberAndTheBlockSummonsMode) {
  struct cCase {
    int m_nKind, m_nFormation;
    int32_t m_nSubject;
    const char* m_pEnabled;  // subject, target number
  };
  // "包囲" aimed at "主人公": the target number is off for a character summon only.
  const cCase cases[] = {
      {kCmdCharaSummon, 5, 1, "10"}, {kCmdBlockSummon, 5, 1, "11"}, {kCmdItemSummon, 5, 1, "11"},
      {kCmdCharaSummon, 3, 0, "11"}, {kCmdCharaSummon, 0, 0, "00"}, {kCmdBlockSummon, 2, 0, "00"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    SummonFormationStates(c.m_nKind, c.m_nFormation, c.m_nSubject, states);
    EXPECT_EQ(EnabledOf(states, {kIdcShotAimSubject, kIdcShotTargetNo}), c.m_pEnabled) << c.m_nKind;
  }
  cEdShot shot;
  for (int mode : {0, 1, 2}) {
    shot.m_cBlockMode = static_cast<int8_t>(mode);
    cCtrlStates states;
    SummonStates(kCmdBlockSummon, shot, states);
    EXPECT_EQ(EnabledOf(states, {kIdcSummonPalette, kIdcSummonIndex, kIdcSummonFailOnPlayer, kIdcSummonFailOnEnemy}),
              mode == 1 ? "0000" : "1111");
  }
  shot.m_cFactionMode = 1;
  shot.m_bUseRange = 1;
  cCtrlStates chara;
  SummonStates(kCmdCharaSummon, shot, chara);
  EXPECT_EQ(EnabledOf(chara, {kIdcSummonLife, kIdcShotFaction, kIdcShotFlowId}), "100");
  shot.m_cFactionMode = 2;
  SummonStates(kCmdCharaSummon, shot, chara);
  EXPECT_EQ(EnabledOf(chara, {kIdcShotFaction}), "1");
}

TEST_F(CmdDialogRunTest, AFormationChangeSetsLabelsLimitsAndDefaultsOnlyOnceTheDialogRuns) {
  cCommandData command;
  command.m_cKind = kCmdShot;
  command.m_pShot.Create();
  command.m_pShot->m_cFormation = 2;
  command.m_pShot->m_nFormParam[0] = 77;
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  ASSERT_NE(dialog.States().Text(1151), nullptr);
  EXPECT_EQ(*dialog.States().Text(1151), "角度");
  EXPECT_EQ(*dialog.States().Text(1152), "");
  int32_t min = 0, max = 0;
  ASSERT_EQ(dialog.States().Range(1041, min, max), 1);
  EXPECT_EQ(max, 180);
  EXPECT_EQ(EnabledOf(dialog.States(), {1041, 1042, 1043}), "100");
  EXPECT_EQ(dialog.IntValue(1041), 77) << "opening shows the stored value";
  Act(dialog, Choose(kIdcShotFormation, 3));
  EXPECT_EQ(*dialog.States().Text(1152), "列の数");
  EXPECT_EQ(EnabledOf(dialog.States(), {1041, 1042, 1043}), "111");
  EXPECT_EQ(dialog.IntValue(1042), 1);
  EXPECT_EQ(dialog.States().Changed(1042), 1);
  EXPECT_EQ(dialog.States().Checked(kIdcShotAimAngle), 1);
  Act(dialog, Choose(kIdcShotMoveType, 5));
  EXPECT_EQ(*dialog.States().Text(1156), "対象勢力");
  EXPECT_EQ(dialog.IntValue(1058), 999);
}

TEST_F(CmdDialogRunTest, TheShotPreviewAndTheSoundPreviewGoThroughTheHost) {
  cCommandData command;
  command.m_cKind = kCmdShot;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Paint();
  EXPECT_TRUE(m_Host.m_vCalls.empty()) << "no preview before the dialog is initialised";
  dialog.Init();
  Act(dialog, TypeNumber(kIdcShotGraphic, "61"));
  Act(dialog, Choose(kIdcCmdSound, 2));
  Act(dialog, Choose(kIdcCmdSound, 0));
  dialog.Command(kIdcCmdSound, 7);
  std::vector<std::string> calls = {"shot cell 64,16", "sound wave\\bomb.wav", "shot cell 64,16", "shot cell 64,16"};
  EXPECT_EQ(m_Host.m_vCalls, calls) << "row 0 plays nothing, and only a selection change plays";
  int32_t x = 0, y = 0;
  ShotPreviewOrigin(120, x, y);
  EXPECT_EQ(x, 128);
  EXPECT_EQ(y, 0);
}

TEST_F(CmdDialogRunTest, ACommonPaletteEntryOffersTheCommonPaletteOnly) {
  for (int kind : {kCmdShot, kCmdSword, kCmdCharaSummon}) {
    for (int context : {1, 2}) {
      cCommandData command;
      command.m_cKind = static_cast<int8_t>(kind);
      cCmdDialogEnv env;
      env.m_nEditContext = context;
      cCmdDialogRun dialog({&command, 1}, env, m_Host);
      dialog.Init();
      uint16_t id = kind == kCmdCharaSummon ? kIdcSummonPalette : kIdcShotItemPalette;
      ASSERT_NE(dialog.States().Rows(id), nullptr);
      int rows = dialog.States().Rows(id)->m_Choice.m_vRows.Count();
      EXPECT_EQ(rows, (kind == kCmdCharaSummon ? 2 : 3) - (context == 2 ? 1 : 0)) << kind;
    }
  }
}

TEST_F(CmdDialogRunTest, ItemAndSummonRowsFollowTheirPalette) {
  g_CommonPalette.m_vItem[2].m_strName = "鍵";
  EXPECT_EQ(PaletteItemRows(kPaletteCommon), (cVector<cString>{"001 " + g_CommonPalette.m_vItem[1].m_strName, "002 鍵",
                                                               "003 " + g_CommonPalette.m_vItem[3].m_strName}));
  EXPECT_EQ(PaletteItemRows(kPaletteStage).Count(), 1);
  EXPECT_TRUE(PaletteItemRows(kPaletteNone).empty());
  EXPECT_EQ(SummonRows(kCmdBlockSummon, 0).Count(), 2);
  EXPECT_EQ(SummonRows(kCmdCharaSummon, 1).Count(), 3);
  EXPECT_EQ(SummonRows(kCmdItemSummon, 1).Count(), 1);
  EXPECT_TRUE(SummonRows(kCmdCharaSummon, 2).empty());
  EXPECT_TRUE(SummonRows(kCmdCharaSummon, -1).empty());

  cCommandData command;
  command.m_cKind = kCmdShot;
  command.m_pShot.Create();
  command.m_pShot->m_cItemPalette = 0;
  command.m_pShot->m_nItemIndex = 2;
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcShotItem}), "0");
  Act(dialog, Choose(kIdcShotItemPalette, 2));
  ASSERT_NE(dialog.States().Rows(kIdcShotItem), nullptr);
  EXPECT_EQ(dialog.States().Rows(kIdcShotItem)->m_Choice.m_vRows.Count(), 1);
  EXPECT_EQ(dialog.IntValue(kIdcShotItem), 1) << "held to the stage palette's one item";
  Act(dialog, Choose(kIdcShotItemPalette, 0));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcShotItem}), "0");
  EXPECT_EQ(dialog.IntValue(kIdcShotItem), 1) << "choosing no palette keeps the item number";
}

TEST_F(CmdDialogRunTest, StoredRowsPastTheirTablesShowTheirNumberWithABlankName) {
  cCommandData command;
  command.m_cKind = kCmdCharaSummon;
  command.m_pShot.Create();
  command.m_pShot->m_nSummonIndex = 7;
  command.m_nAnime = 12;
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  const cCmdStates::cRows* summon = dialog.States().Rows(kIdcSummonIndex);
  ASSERT_NE(summon, nullptr);
  EXPECT_EQ(summon->m_Choice.m_vRows.Count(), 3);
  EXPECT_EQ(summon->m_Choice.m_vRows[2], "007 ");
  EXPECT_EQ(summon->m_Choice.m_nSel, 2);
  const cCmdStates::cRows* anime = dialog.States().Rows(kIdcCmdAnime);
  ASSERT_NE(anime, nullptr);
  EXPECT_EQ(anime->m_Choice.m_vRows.back(), "12 ");
  // Choosing a real row stores it; the extra row stores the number it shows.
  dialog.ReadRow(kIdcSummonIndex, 2);
  EXPECT_EQ(dialog.IntValue(kIdcSummonIndex), 7);
  dialog.ReadRow(kIdcSummonIndex, 0);
  EXPECT_EQ(dialog.IntValue(kIdcSummonIndex), 1);
}

TEST_F(CmdDialogRunTest, TheSwordTimeFollowsItsTypeAndAnEmptyTableGivesTimeOne) {
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 0), 7);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 1), 9999);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, 2), 1);
  EXPECT_EQ(SwordTypeTime(g_DatabaseSet.m_vSwordType, -1), 1);

  g_DatabaseSet.m_vSwordType.clear();
  cCommandData command;
  command.m_cKind = kCmdSword;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  const cCmdStates::cRows* types = dialog.States().Rows(kIdcSwordType);
  ASSERT_NE(types, nullptr);
  EXPECT_TRUE(types->m_Choice.m_vRows.empty());
  EXPECT_EQ(types->m_Choice.m_nSel, -1);
  EXPECT_EQ(dialog.States().Enabled(kIdcCmdTime), 0);
  dialog.ReadRow(kIdcSwordType, -1);
  EXPECT_EQ(dialog.Ok(), 1);
  EXPECT_EQ(command.m_nTime, 1);
  EXPECT_EQ(command.m_pShot->m_cMoveType, 0);
}

// The item, anime, sound, BGM, background, effect, picture, graphic and screen colour dialogs: their
// rows, enable rules, previews and what OK derives.
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"
#include "editors/CmdEffectDialogs.h"
#include "editors/CmdLookDialogs.h"
#include "editors/CmdPickDialogs.h"
#include "model/cEdChara.h"
#include "tests/editors/CmdDialogRunTest.h"
#include "tests/support/FakeSound.h"

namespace {
cVector<int32_t> Picture(int32_t row, int32_t position, int32_t duration, int32_t instant, int32_t hasId) {
  cVector<int32_t> params(15, 0);
  params[kPicRow] = row;
  params[kPicPosition] = position;
  params[kPicDuration] = duration;
  params[kPicInstant] = instant;
  params[kPicHasId] = hasId;
  params[kPicTime] = 30;
  params[kPicPause] = 7;
  return params;
}
}  // namespace

TEST(CmdMediaRules, ThePictureFollowsItsRowPositionAndDuration) {
  struct cCase {
    cVector<int32_t> m_vParams;
    // position, X, Y, shift X, shift Y, front, follow, scale, duration, time, instant, pause, ID
    const char* m_pEnabled;
    int32_t m_nPause, m_nTime;
  };
  const cCase cases[] = {
      {Picture(0, 3, 2, 0, 0), "0000000000000", 7, 30}, {Picture(0, 3, 2, 0, 1), "0000000000001", 7, 30},
      {Picture(1, 0, 0, 0, 0), "1001110110000", 1, 30}, {Picture(1, 3, 1, 0, 0), "1111111110000", 0, 30},
      {Picture(2, 4, 2, 0, 0), "1111111111110", 7, 30}, {Picture(2, 2, 2, 1, 1), "1001111110111", 7, 1},
      {Picture(2, 1, 5, 0, 0), "100111-11---0", 7, 30},
  };
  for (const cCase& c : cases) {
    cVector<int32_t> params = c.m_vParams;
    cCtrlStates states;
    PictureStates(params, states);
    EXPECT_EQ(EnabledOf(states, {kIdcShowPosition, kIdcShowX, kIdcShowY, kIdcShowShiftX, kIdcShowShiftY, kIdcShowFront,
                                 kIdcShowFollow, kIdcShowScale, kIdcShowDuration, kIdcShowTime, kIdcShowInstant,
                                 kIdcShowPause, kIdcShowId}),
              c.m_pEnabled)
        << c.m_pEnabled;
    EXPECT_EQ(params[kPicPause], c.m_nPause) << c.m_pEnabled;
    EXPECT_EQ(params[kPicTime], c.m_nTime) << c.m_pEnabled;
  }
  cVector<int32_t> effect(8, 0);
  cCtrlStates removed;
  EffectStates(effect, removed);
  const std::initializer_list<uint16_t> ids = {kIdcShowPosition, kIdcShowX,     kIdcShowY,    kIdcShowShiftX,
                                               kIdcShowShiftY,   kIdcShowScale, kIdcShowPause};
  EXPECT_EQ(EnabledOf(removed, ids), "0000000");
  effect[kEffRow] = 2;
  effect[kEffPosition] = 3;
  cCtrlStates shown;
  EffectStates(effect, shown);
  EXPECT_EQ(EnabledOf(shown, ids), "1111111");
  effect[kEffPosition] = 2;
  EffectStates(effect, shown);
  EXPECT_EQ(EnabledOf(shown, {kIdcShowX, kIdcShowY}), "00");
  EXPECT_EQ(ParallelOfPause(0), 1);
  EXPECT_EQ(ParallelOfPause(1), 0);
}

TEST_F(CmdDialogRunTest, RowsOfTheMediaTablesAndThePalettes) {
  EXPECT_EQ(AnimeSetPickRows(g_DatabaseSet), (cVector<cString>{"001 勇者", "002 兵士"}));
  EXPECT_EQ(AnimePickRows(g_DatabaseSet), (cVector<cString>{"001 歩く", "002 走る", "003 跳ぶ"}));
  EXPECT_EQ(SoundPickRows(g_DatabaseSet), (cVector<cString>{"001 ジャンプ音", "002 爆発音"}));
  EXPECT_EQ(BgmPickRows(g_DatabaseSet), (cVector<cString>{"BGMの停止", "001 草原", "002 洞窟"}));
  EXPECT_EQ(PictureRows(g_DatabaseSet)[0], "ピクチャーの消去(ID非設定なら全消去)");
  EXPECT_EQ(PictureRows(g_DatabaseSet)[2], "002 地図");
  EXPECT_EQ(EffectRunRows(g_DatabaseSet)[0], "エフェクトの消去");
  EXPECT_EQ(ScrEffectRows(g_DatabaseSet), (cVector<cString>{"なし", "001 暗転", "002 地震"}));
  EXPECT_EQ(ItemGetRows(0).Count(), 3);
  EXPECT_EQ(ItemGetRows(1).Count(), 1);
  EXPECT_TRUE(ItemGetRows(2).empty());

  // An anime set past its table shows the number it would have.
  cCommandData command;
  command.m_cKind = kCmdAnimeSet;
  command.m_vParam = {5};
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  ASSERT_NE(dialog.States().Rows(kIdcAnimeSet), nullptr);
  EXPECT_EQ(dialog.States().Rows(kIdcAnimeSet)->m_Choice.m_vRows.back(), "006 ");
}

TEST_F(CmdDialogRunTest, TheItemNoteAndTheItemPalettes) {
  cOpenSheets chara, item, itemFlows;
  chara.m_bChara = 1;
  item.m_bItem = 1;
  itemFlows = item;
  itemFlows.m_bEditFlows = 1;
  EXPECT_EQ(ItemGetNoteShown(chara), 1);
  EXPECT_EQ(ItemGetNoteShown(item), 0);
  EXPECT_EQ(ItemGetNoteShown(itemFlows), 1);
  EXPECT_EQ(ItemGetNoteShown(cOpenSheets()), 0);

  for (int context : {0, 2}) {
    cCommandData command;
    command.m_cKind = kCmdTakeItem;
    cCmdDialogEnv env;
    env.m_nEditContext = context;
    env.m_Sheets = item;
    cCmdDialogRun dialog({&command, 1}, env, m_Host);
    dialog.Init();
    EXPECT_EQ(dialog.States().Shown(kIdcItemGetNote), 0);
    EXPECT_EQ(dialog.States().Rows(kIdcItemGetPalette)->m_Choice.m_vRows.Count(), context == 2 ? 1 : 2);
    EXPECT_EQ(dialog.States().Rows(kIdcItemGetItem)->m_Choice.m_vRows.Count(), 3);
    if (context == 2) continue;
    Act(dialog, Choose(kIdcItemGetPalette, 1));
    EXPECT_EQ(dialog.States().Rows(kIdcItemGetItem)->m_Choice.m_vRows.Count(), 1) << "refilled at once";
  }
}

TEST_F(CmdDialogRunTest, SoundAndBgmPreviewsAndTheStopOnEveryClose) {
  for (uint8_t end : {kEndOk, kEndCancel, kEndClose}) {
    m_Host.m_vCalls.clear();
    cCommandData command;
    command.m_cKind = kCmdBgm;
    cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
    dialog.Init();
    Act(dialog, Click(kIdcBgmPlay));
    Act(dialog, Choose(kIdcBgm, 0));
    Act(dialog, Click(kIdcBgmPlay));
    Act(dialog, Choose(kIdcBgm, 2));
    Act(dialog, Click(kIdcBgmPlay));
    if (end == kEndOk)
      EXPECT_EQ(dialog.Ok(), 1);
    else
      dialog.Cancel();
    std::vector<std::string> calls = {"bgm bgm\\field.ogg", "bgm bgm\\cave.mid", "stop bgm"};
    EXPECT_EQ(m_Host.m_vCalls, calls) << "row 0 plays nothing";
  }
  m_Host.m_vCalls.clear();
  cCommandData command;
  command.m_cKind = kCmdSound;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  Act(dialog, Choose(kIdcSoundPlay, 1));
  EXPECT_EQ(m_Host.m_vCalls, (std::vector<std::string>{"sound wave\\bomb.wav"}));
}

// The host's own previews use the editor's players: without a sound device nothing is heard and
// nothing is said; a sound file that cannot be played says so.
TEST_F(CmdDialogRunTest, TheProgramsPlayersFailQuietlyWithoutASoundDevice) {
  cCmdDialogHost host;
  cCommandData command;
  command.m_cKind = kCmdSound;
  {
    cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), host);
    dialog.Init();
    Act(dialog, Choose(kIdcSoundPlay, 0));
    dialog.Cancel();
  }
  cCommandData bgm;
  bgm.m_cKind = kCmdBgm;
  {
    cCmdDialogRun dialog({&bgm, 1}, cCmdDialogEnv(), host);
    dialog.Init();
    Act(dialog, Click(kIdcBgmPlay));
    dialog.Cancel();
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  cFakeSound sound;
  sound.m_MciMissing = {"wave\\jump.wav"};
  ASSERT_EQ(OpenDefaultWave(g_MciSound), 1);
  {
    cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), host);
    dialog.Init();
    Act(dialog, Choose(kIdcSoundPlay, 1));
    EXPECT_TRUE(m_Shell.m_vBoxes.empty());
    Act(dialog, Choose(kIdcSoundPlay, 0));
    dialog.Cancel();
  }
  g_MciSound.Shutdown();
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "読み込み失敗！");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
}

TEST_F(CmdDialogRunTest, TheGraphicSheetSetsRangesThePickerAndThePreview) {
  cCommandData command;
  command.m_cKind = kCmdGraphic;
  cCmdDialogRun dialog({&command, 1}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  int32_t min = 0, max = 0;
  ASSERT_EQ(dialog.States().Range(kIdcGraphicShift, min, max), 1);
  EXPECT_EQ(min, -19);
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcGraphicShift, kIdcGraphicPick}), "11");
  EXPECT_TRUE(m_Host.m_vCalls.empty()) << "no preview before the dialog is initialised";
  dialog.Paint();
  Act(dialog, TypeNumber(kIdcGraphicNumber, "118"));
  Act(dialog, Choose(kIdcGraphicKind, 4));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcGraphicShift, kIdcGraphicPick}), "10");
  ASSERT_EQ(dialog.States().Range(kIdcGraphicNumber, min, max), 1);
  EXPECT_EQ(max, 3);
  EXPECT_EQ(dialog.Shown().m_vParam[1], 3) << "clamped at once";
  Act(dialog, Click(kIdcGraphicPick));
  Act(dialog, Choose(kIdcGraphicKind, 3));
  EXPECT_EQ(EnabledOf(dialog.States(), {kIdcGraphicShift, kIdcGraphicPick}), "01");
  m_Host.m_pAnswer = "0";
  Act(dialog, Click(kIdcGraphicPick));
  EXPECT_EQ(dialog.Shown().m_vParam[1], 1) << "cell 0 is held to the number's limits";
  std::vector<std::string> calls = {"chara 1/1/0", "chara 1/118/0", "chara 1/118/0", "chara 4/3/0",
                                    "chara 4/3/0", "chara 4/3/0",   "chara 4/3/0",   "chara 3/3/0",
                                    "chara 3/3/0", "pick 3",        "chara 3/1/0",   "chara 3/1/0"};
  EXPECT_EQ(m_Host.m_vCalls, calls) << "dedicated bitmaps have no picker";

  cEdChara chara = GraphicPreviewChara(2, 40, -3);
  EXPECT_EQ(chara.m_cGraphicSheet, 2);
  EXPECT_EQ(chara.m_nGraphic, 40);
  EXPECT_EQ(chara.m_nGraphicFrame, -3);
  EXPECT_EQ(chara.m_cFaction + chara.m_cMarkShow + chara.m_cFlying + chara.m_cInvincible + chara.m_bBlock, 0);
}

TEST_F(CmdDialogRunTest, TheScreenColourRulesAndItsPreview) {
  struct cCase {
    int32_t m_bRestore, m_bInstant;
    const char* m_pEnabled;  // red, green, blue, strength, instant, count
    int32_t m_nInstantAfter;
  };
  const cCase cases[] = {{0, 0, "111110", 0}, {0, 1, "111111", 1}, {1, 1, "000000", 0}, {1, 0, "000000", 0}};
  for (const cCase& c : cases) {
    cCtrlStates states;
    int32_t instant = c.m_bInstant;
    ScreenColourStates(c.m_bRestore, instant, states);
    EXPECT_EQ(EnabledOf(states, {kIdcColourRed, kIdcColourGreen, kIdcColourBlue, kIdcColourStrength, kIdcColourInstant,
                                 kIdcColourInstantCount}),
              c.m_pEnabled);
    EXPECT_EQ(instant, c.m_nInstantAfter);
    EXPECT_EQ(states.Enabled(kIdcColourTime), -1) << "the time is always usable";
  }
  cCommandData command;
  command.m_cKind = kCmdScreenColour;
  command.m_vParam = {300, 0, 0, 80, 0, 5, 0, 0};
  cCmdDialogRun dialog({&command, 0}, cCmdDialogEnv(), m_Host);
  dialog.Init();
  dialog.Paint();
  Act(dialog, Slide(kIdcColourGreen, 128));
  Act(dialog, Slide(kIdcColourStrength, 100));
  EXPECT_EQ(m_Host.m_vCalls, (std::vector<std::string>{"colour 255,0,0", "colour 255,128,0", "colour 255,128,0"}));
}

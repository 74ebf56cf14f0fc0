// Test play: finding the game, the launch guard, the checks and saves before a launch, the launch
// itself and the end of the test play.
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "tests/stage/StageEditorTest.h"

class TestPlay : public StageEditorTest {
protected:
  void SetUp() override {
    StageEditorTest::SetUp();
    MakeDirectory("data");
    MakeDirectory("data\\stg4");
    m_Host.m_strGame = "Game.exe";
    g_nLastLaunchTime = 0;
    m_Shell.m_nTick = 100000;
  }
  void TearDown() override {
    g_bTestPlayRunning = 0;
    StageEditorTest::TearDown();
  }
  // An open stage with a player, saved once, changed since.
  void OpenSavedStage() {
    OpenStage(20, 15);
    g_StageDoc.m_vCharaLayer.At(0) = PlayerRecord(1);
    g_StageEditState.m_strStagePath = "data\\stg4\\t.stg4_771";
    g_StageEditState.m_bStageModified = 1;
    g_StageEditState.m_bCommonModified = 1;
    g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);
  }
  std::string Boxes() const {
    std::string text;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) text += (text.empty() ? "" : "|") + box.m_strText;
    return text;
  }
  cStageEditor m_Editor{g_StageDoc, g_StageEditState, m_Host};
};

TEST_F(TestPlay, StageTestPlay) {
  OpenSavedStage();
  m_Editor.RunCommand(kIdmTestPlay);
  EXPECT_EQ(m_Host.m_strCalls, "launch Game.exe data\\stg4\\t.stg4_771,inactive");
  EXPECT_EQ(Boxes(), "");
  EXPECT_TRUE(FileThere("data\\stg4\\t.stg4_771"));
  EXPECT_TRUE(FileThere("data\\CommonPalette.cplt4"));
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0);
  EXPECT_EQ(g_bTestPlayRunning, 1);
  EXPECT_EQ(g_nLastLaunchTime, 100000u);

  // The game reports its end: undo comes back, the editor is active, the guard open.
  m_Host.m_strCalls.clear();
  EndTestPlay(g_StageDoc, g_StageEditState, &m_Host);
  EXPECT_EQ(m_Host.m_strCalls, "forget,activate");
  EXPECT_EQ(g_StageEditState.UndoLevels(), g_StageDoc.m_nUndoDepth);
  EXPECT_EQ(g_bTestPlayRunning, 0);
}

TEST_F(TestPlay, Refusals) {
  struct Case {
    const char* m_pName;
    std::function<void(cRecordingHost&)> m_Setup;
    const char* m_pBoxes;
    int m_bStillRunning;
  } cases[] = {
      // Each write that fails stays failing for the cases after it.
      {"no game program", [](cRecordingHost& host) { host.m_strGame = ""; }, "ゲームプログラムが見つかりません！", 0},
      {"never saved", [](cRecordingHost&) { g_StageEditState.m_strStagePath = ""; },
       "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！", 0},
      {"no player", [](cRecordingHost&) { g_StageDoc.m_vCharaLayer.At(0) = cEdChara(); }, "プレイヤーが配置されていません！", 0},
      {"the name dialog cancelled",
       [](cRecordingHost&) {
         WriteFileBytes("data\\stg4\\t.stg4_500", Hex("01"));
         g_StageEditState.m_strStagePath = "data\\stg4\\t.stg4_500";
       },
       "ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！", 0},
      {"the common palette cannot be written", [](cRecordingHost&) { MakeDirectory("data\\CommonPalette.cplt4.~tmp"); },
       "コモンパレットファイル data\\CommonPalette.cplt4 の保存に失敗しました！", 0},
      {"the stage cannot be written", [](cRecordingHost&) { MakeDirectory("data\\stg4\\t.stg4_771.~tmp"); },
       "ステージファイル data\\stg4\\t.stg4_771 の保存に失敗しました！\n保存前のファイルはそのまま残っています。", 0},
      {"still running, the same key press", [](cRecordingHost&) { g_bTestPlayRunning = 1, g_nLastLaunchTime = 99000; },
       "", 1},
      {"still running, 3000 ms later", [](cRecordingHost&) { g_bTestPlayRunning = 1, g_nLastLaunchTime = 97000; },
       "二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエディタープログラムとゲームプログラムのバージョンが合っ"
       "ていない可能性があります。",
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    OpenSavedStage();
    m_Shell.m_vBoxes.clear();
    m_Host.m_strCalls.clear();
    m_Host.m_strGame = "Game.exe";
    g_bTestPlayRunning = 0;
    c.m_Setup(m_Host);
    uint32_t last = g_nLastLaunchTime;
    m_Editor.RunCommand(kIdaTestPlayF5);
    EXPECT_EQ(Boxes(), c.m_pBoxes);
    EXPECT_EQ(m_Host.m_strCalls.find("launch"), std::string::npos);
    EXPECT_EQ(g_bTestPlayRunning, c.m_bStillRunning);
    if (c.m_bStillRunning) {
      EXPECT_EQ(g_nLastLaunchTime, last);
    }
  }
}

TEST_F(TestPlay, WholeGame) {
  // No stage: the game starts without parameters and no file is written.
  m_Editor.RunCommand(kIdtTestPlayGame);
  EXPECT_EQ(m_Host.m_strCalls, "launch Game.exe (none),inactive");
  EXPECT_FALSE(FileThere("data\\CommonPalette.cplt4"));
  EndTestPlay(g_StageDoc, g_StageEditState, &m_Host);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0);

  // A changed stage is saved first, as for a stage test play.
  m_Host.m_strCalls.clear();
  OpenSavedStage();
  m_Editor.RunCommand(kIdaTestPlayGame);
  EXPECT_EQ(m_Host.m_strCalls, "launch Game.exe (none),inactive");
  EXPECT_TRUE(FileThere("data\\stg4\\t.stg4_771"));
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(TestPlay, FailedLaunch) {
  OpenSavedStage();
  m_Host.m_bLaunchWorks = 0;
  m_Editor.RunCommand(kIdmTestPlay);
  EXPECT_EQ(Boxes(), "ゲームプログラムが呼び出せません！");
  EXPECT_EQ(g_bTestPlayRunning, 0);
  // The undo buffers come back at once instead of waiting for the next stage.
  EXPECT_EQ(g_StageEditState.UndoLevels(), g_StageDoc.m_nUndoDepth);
  EXPECT_EQ(m_Host.m_strCalls.substr(m_Host.m_strCalls.rfind(',') + 1), "inactive");
}

TEST_F(TestPlay, NeedsAStageForTheStageTest) {
  m_Editor.RunCommand(kIdmTestPlay);
  EXPECT_EQ(m_Host.m_strCalls, "");
  EXPECT_EQ(g_bTestPlayRunning, 0);
}

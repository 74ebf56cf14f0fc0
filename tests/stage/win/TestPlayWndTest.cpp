#include <gtest/gtest.h>

#include <string>

#include "app/win/MainLoop.h"
#include "app/win/cGameProcess.h"
#include "project/cProjectSettings.h"
#include "stage/StageFile.h"
#include "tests/stage/win/StageWndTest.h"
#include "tests/support/win/ThreadHook.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
const char* const kStagePath = "data\\stg4\\h.stg4_771";
const char* const kDoubleStart =
    "二重起動はできません！\n二重起動でないのにこのエラーが出る場合はエディタープログラムとゲームプログラムの"
    "バージョンが合っていない可能性があります。";

std::string FileText(const char* path) {
  Bytes bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

int Runs() {
  std::string runs = FileText("FakeGameRuns.txt");
  int count = 0;
  for (char c : runs) count += c == '\n';
  return count;
}
}  // namespace

// The window that the thread activates first once the game's end message has reached the frame.
// The launch's own activation changes may still come in afterwards when the machine is busy (the
// game ends within a moment here), so the check is of the activation the end gave.
class cActivationAfterEnd {
public:
  cActivationAfterEnd() : m_Hook(WH_CALLWNDPROC, this) {}
  void OnHook(int code, WPARAM, LPARAM lParam) {
    const CWPSTRUCT& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code != HC_ACTION) return;
    if (call.message == WM_COPYDATA) m_bEnded = true;
    if (m_bEnded && !m_hActivated && call.message == WM_ACTIVATE && LOWORD(call.wParam) != WA_INACTIVE)
      m_hActivated = call.hwnd;
  }
  // Without an activation since the end, the window active now.
  HWND Activated() const { return m_hActivated ? m_hActivated : GetActiveWindow(); }

private:
  cThreadHook<cActivationAfterEnd> m_Hook;
  bool m_bEnded = false;
  HWND m_hActivated = nullptr;
};

class TestPlayWndTest : public StageWndTest {
protected:
  void SetUp() override {
    StageWndTest::SetUp();
    std::string game = BuildTreePath("tools\\fakegame\\FakeGame.exe");
    ASSERT_TRUE(CopyFileA(game.c_str(), "Game.exe", FALSE)) << game;
    g_ProjectSettings.m_bAutoGameProgram = 1;
  }
  void TearDown() override {
    if (m_hHold) {
      SetEvent(m_hHold);
      CloseHandle(m_hHold);
    }
    SetEnvironmentVariableA("VX_FAKEGAME_HOLD", nullptr);
    SetEnvironmentVariableA("VX_FAKEGAME_SILENT", nullptr);
    StageWndTest::TearDown();
  }
  // The game waits for the test before it ends.
  void HoldTheGame() {
    char name[64];
    wsprintfA(name, "vx_fakegame_%lu", GetCurrentProcessId());
    m_hHold = CreateEventA(nullptr, TRUE, FALSE, name);
    SetEnvironmentVariableA("VX_FAKEGAME_HOLD", name);
  }
  // A saved stage with a player, open in the window.
  void OpenSavedStage() {
    OpenStage(4, 3, kStagePath);
    cEdChara player = PlayerRecord(1);
    g_StageDoc.PutChara(0, player);
    ASSERT_EQ(SaveStageFile(g_StageDoc, kStagePath), 1);
  }
  // Serves messages, as the main loop does, until the condition holds or ten seconds have passed.
  template <class Condition>
  bool PumpUntil(Condition condition) {
    DWORD start = GetTickCount();
    while (!condition() && GetTickCount() - start < 10000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      Pump();
    }
    return condition();
  }
  bool GameRan(int runs) {
    return PumpUntil([&] { return Runs() >= runs; });
  }

  HANDLE m_hHold = nullptr;
};

TEST_F(TestPlayWndTest, AStageTestPlaySavesLaunchesTheGameOnTheStageAndItsEndGivesTheEditorBack) {
  OpenSavedStage();
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(2, 1)) = Record<cEdBlock>(5);
  g_StageEditState.m_bStageModified = 1;
  g_StageEditState.m_bCommonModified = 1;
  g_bAppActive = 1;
  cActivationAfterEnd activation;
  Command(40060);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0) << "no undo while the game runs";
  EXPECT_EQ(g_bAppActive, 0);
  EXPECT_EQ(g_nLastLaunchTime, m_Clock.m_nTick);
  cStageDoc saved;
  ASSERT_EQ(saved.LoadStageFile(kStagePath), 1);
  EXPECT_EQ(saved.m_vBlockLayer.Get(saved.CellIndex(2, 1)).m_nGraphic, 5);
  EXPECT_TRUE(FileThere("data\\CommonPalette.cplt4"));
  ASSERT_TRUE(PumpUntil([] { return g_bTestPlayRunning == 0; })) << "the game's end message ends the test play";
  EXPECT_EQ(FileText("FakeGame.txt"), kStagePath);
  EXPECT_EQ(Runs(), 1);
  EXPECT_GT(g_StageEditState.UndoLevels(), 0) << "the undo buffers are back";
  EXPECT_EQ(activation.Activated(), Window());
}

TEST_F(TestPlayWndTest, ASecondRequestWithinThreeSecondsIsDroppedAndLaterRefused) {
  OpenSavedStage();
  HoldTheGame();
  Command(40081);  // the toolbar's button
  ASSERT_TRUE(GameRan(1));
  m_Clock.m_nTick += 2999;
  {
    cBoxAnswerer answerer;
    Command(40006);
    EXPECT_TRUE(answerer.Seen().empty()) << "the same press seen twice";
  }
  m_Clock.m_nTick += 1;
  {
    cBoxAnswerer answerer;
    Command(40060);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].m_strText, kDoubleStart);
    EXPECT_EQ(answerer.Seen()[0].m_strCaption, "エラー");
  }
  EXPECT_EQ(g_nLastLaunchTime, m_Clock.m_nTick - 3000) << "a refused request is no launch";
  PumpFor(300);
  EXPECT_EQ(Runs(), 1);
  SetEvent(m_hHold);
  ASSERT_TRUE(PumpUntil([] { return g_bTestPlayRunning == 0; }));
  Command(40060);
  EXPECT_TRUE(GameRan(2)) << "after the end the next test play starts";
}

TEST_F(TestPlayWndTest, OnePressOfF5StartsOneTestPlay) {
  OpenSavedStage();
  HoldTheGame();
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  Editor().TakeFocus();
  // Every request comes long after the one before: a second one would meet the double-start box.
  m_Clock.m_nStep = 5000;
  cBoxAnswerer answerer;
  PressKey(VK_F5, false, &g_ModelessList);
  ASSERT_TRUE(GameRan(1));
  PumpFor(500, &g_ModelessList);
  EXPECT_EQ(Runs(), 1);
  EXPECT_TRUE(answerer.Seen().empty()) << "no second request reached the guard";
  EXPECT_EQ(g_bTestPlayRunning, 1);
}

TEST_F(TestPlayWndTest, AGameThatEndsWithoutItsMessageStillEndsTheTestPlay) {
  OpenSavedStage();
  SetEnvironmentVariableA("VX_FAKEGAME_SILENT", "1");
  Command(40060);
  ASSERT_TRUE(GameRan(1));
  EXPECT_TRUE(PumpUntil([] { return g_bTestPlayRunning == 0; }));
  EXPECT_GT(g_StageEditState.UndoLevels(), 0);
}

TEST_F(TestPlayWndTest, NewsOfAnEarlierGameIsStale) {
  OpenSavedStage();
  HoldTheGame();
  Command(40060);
  ASSERT_TRUE(GameRan(1));
  SendMessageA(g_hMainWnd, kMsgGameEnded, 0, 0);
  EXPECT_EQ(g_bTestPlayRunning, 1) << "not the launch the editor keeps";
  EXPECT_TRUE(g_GameProcess.Running());
}

TEST_F(TestPlayWndTest, AGameKeptAcrossARebuildStillEndsTheTestPlay) {
  OpenSavedStage();
  SetEnvironmentVariableA("VX_FAKEGAME_SILENT", "1");
  HoldTheGame();
  Command(40060);
  ASSERT_TRUE(GameRan(1));
  SendMessageA(g_hMainWnd, WM_USER, 1, 0);
  SetEvent(m_hHold);
  EXPECT_TRUE(PumpUntil([] { return g_bTestPlayRunning == 0; }));
}

TEST_F(TestPlayWndTest, TheChecksBeforeALaunch) {
  struct cRow {
    const char* m_pPath;
    bool m_bPlayer;
    bool m_bFolderInTheWay;
    const char* m_pText;
  } rows[] = {
      {"", true, false, "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！"},
      {kStagePath, false, false, "プレイヤーが配置されていません！"},
      {"data\\stg4\\folder.stg4_771", true, true, nullptr},
  };
  for (const cRow& row : rows) {
    if (row.m_bFolderInTheWay) CreateDirectoryA(row.m_pPath, nullptr);
    OpenStage(4, 3, row.m_pPath);
    cEdChara player = PlayerRecord(1);
    if (row.m_bPlayer) g_StageDoc.PutChara(0, player);
    g_StageEditState.m_bStageModified = 1;
    cBoxAnswerer answerer;
    Command(40060);
    ASSERT_GE(answerer.Seen().size(), 1u) << row.m_pPath;
    if (row.m_pText) {
      EXPECT_EQ(answerer.Seen().back().m_strText, row.m_pText);
    } else {
      EXPECT_NE(answerer.Seen().back().m_strText.find(row.m_pPath), std::string::npos) << "the failed save names it";
    }
    EXPECT_EQ(g_bTestPlayRunning, 0) << row.m_pPath;
    PumpFor(200);
    EXPECT_FALSE(FileThere("FakeGameRuns.txt")) << "nothing launched";
    SafeDelete(g_MainFrame.m_lpStageEditor);
    g_StageDoc.SetDefaults();
  }
}

TEST_F(TestPlayWndTest, WholeGameTestPlayWithoutAStage) {
  MakeWindow();
  g_StageEditState.ReleaseUndo();
  Command(40134);
  ASSERT_TRUE(GameRan(1));
  EXPECT_EQ(FileText("FakeGame.txt"), "") << "no parameters";
  EXPECT_FALSE(FileThere("data\\CommonPalette.cplt4")) << "nothing saved";
  ASSERT_TRUE(PumpUntil([] { return g_bTestPlayRunning == 0; }));
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0) << "no stage, no undo buffers";
  EXPECT_EQ(GetActiveWindow(), Window());
}

TEST_F(TestPlayWndTest, WithoutAGameProgramNothingStarts) {
  DeleteFileA("Game.exe");
  OpenSavedStage();
  cBoxAnswerer answerer;
  Key(VK_F7);
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].m_strText, "ゲームプログラムが見つかりません！");
  EXPECT_EQ(g_bTestPlayRunning, 0);
}

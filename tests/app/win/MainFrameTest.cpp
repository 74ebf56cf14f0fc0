#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "app/Utility.h"
#include "app/cApplication.h"
#include "app/cStateStack.h"
#include "app/win/MainLoop.h"
#include "app/win/cMainFrame.h"
#include "app/win/cShellWin.h"
#include "app/win/cWorkerThread.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/ProgramMinimise.h"
#include "ui/win/cModelessList.h"

namespace {
// Stands in for the stage editor window: records what the frame and the idle tick ask of it.
class cTestEditor : public cEditorWindow {
public:
  explicit cTestEditor(cMainFrame& frame) : cEditorWindow(104, &frame, kKindDialog, &g_ModelessList) {
    s_lpInstance = this;
    m_lpfnProc = Proc;
    ++s_nMade;
  }
  ~cTestEditor() override {
    Destroy();
    ++s_nDeleted;
    if (s_lpInstance == this) s_lpInstance = nullptr;
  }
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
  }
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    return WindowProc(window, message, wParam, lParam);
  }
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    cDialog::OnInitDialog(wParam, lParam);
    m_bInitialized = 1;
  }
  void OnIdle() override {
    s_strLog += "I";
    if (m_bFailIdle) {
      m_bFailIdle = false;
      throw std::bad_alloc();
    }
  }
  void OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (!AcceptCommand(wParam)) return;
    cDialog::OnCommand(wParam, lParam);
    if (LOWORD(wParam) == 2001) ++m_nAccelerated;
  }
  void CreatePaletteWindows() override { ++m_nPalettesMade; }
  void PaintDataSheetPreviews() override {
    s_strLog += "S";
    // What the queue held when the tick ran, and the end of the loop after a given tick.
    s_vQueueAtTick.push_back(HIWORD(GetQueueStatus(QS_ALLINPUT)));
    if (static_cast<int>(s_vQueueAtTick.size()) == s_nQuitAtTick) PostQuitMessage(7);
  }
  void PaintPalettePreviews() override { s_strLog += "P"; }

  bool m_bFailIdle = false;
  int m_nAccelerated = 0;
  int m_nPalettesMade = 0;
  static cTestEditor* s_lpInstance;
  static int s_nMade;
  static int s_nDeleted;
  static std::string s_strLog;
  static std::vector<DWORD> s_vQueueAtTick;
  static int s_nQuitAtTick;
};
cTestEditor* cTestEditor::s_lpInstance = nullptr;
std::vector<DWORD> cTestEditor::s_vQueueAtTick;
int cTestEditor::s_nQuitAtTick = 0;
int cTestEditor::s_nMade = 0;
int cTestEditor::s_nDeleted = 0;
std::string cTestEditor::s_strLog;

// Stand in for the windows that the other editors open, owned by the stage editor as theirs are:
// the world map window with its palette, and any other editor window.
using cTestWorldMap = cProbeDialog<321>;
using cTestPalette = cProbeDialog<322>;
using cTestOtherEditor = cProbeDialog<323>;

class cTestDatabase : public cPreviewSheetLink {
public:
  int PreviewAnimates() override { return m_bAnimates; }
  void TickPreview(int32_t step) override {
    ++m_nTicks;
    m_nStep = step;
    cTestEditor::s_strLog += "T";
    if (m_pClock) m_vTickTimes.push_back(*m_pClock);
  }
  int m_bAnimates = 1;
  int m_nTicks = 0;
  int m_nStep = 0;
  const uint32_t* m_pClock = nullptr;
  std::vector<uint32_t> m_vTickTimes;
};

// A clock that moves on by a millisecond each time it is read.
class cSteppingClock : public cFakeShell {
public:
  uint32_t TickCount() override { return m_nTick++; }
};

int g_nResets = 0;
int g_nTestPlayEnds = 0;
bool g_bFailToMake = false;

cEditorWindow* MakeTestEditor(cMainFrame& frame) {
  if (g_bFailToMake) throw std::bad_alloc();
  return new cTestEditor(frame);
}

class MainFrameTest : public ::testing::Test {
protected:
  MainFrameTest() {
    InstallShellWin();
    static const int registered = RegisterMainFrameClass(GetModuleHandleA(nullptr));
    EXPECT_EQ(registered, 1);
    cTestEditor::s_nMade = cTestEditor::s_nDeleted = 0;
    cTestEditor::s_strLog.clear();
    cTestEditor::s_vQueueAtTick.clear();
    cTestEditor::s_nQuitAtTick = 0;
    g_nResets = g_nTestPlayEnds = 0;
    g_bFailToMake = false;
    g_MainFrame.m_Services.m_pfnMakeEditor = MakeTestEditor;
    g_MainFrame.m_Services.m_pfnResetEditState = [] { ++g_nResets; };
    g_MainFrame.m_Services.m_pfnEndTestPlay = [] { ++g_nTestPlayEnds; };
    g_MainFrame.m_nEditorKind = 0;
    EXPECT_EQ(CreateMainFrameWindow(GetModuleHandleA(nullptr)), 1);
  }
  ~MainFrameTest() override {
    SafeDelete(g_MainFrame.m_lpStageEditor);
    if (IsWindow(g_hMainWnd)) DestroyWindow(g_hMainWnd);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {}  // the quit message too
    g_hMainWnd = nullptr;
    g_MainFrame.m_Services = cStageEditorServices();
    g_bAppActive = 0;
    g_bRefocusEditor = 0;
    SetShell(nullptr);
  }
  HWND Frame() const { return g_MainFrame.m_hWnd; }
  cTestEditor* MakeEditor() {
    g_MainFrame.CreateStageEditor();
    return static_cast<cTestEditor*>(g_MainFrame.m_lpStageEditor);
  }

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
};

// A dialog given the focus passes it on to its first control.
bool FocusIn(HWND window) { return GetFocus() == window || IsChild(window, GetFocus()); }

bool QuitPosted(WPARAM* code) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
    if (message.message == WM_QUIT) {
      *code = message.wParam;
      return true;
    }
  return false;
}

struct cWaitingLoad {
  cWorkerThread* m_pWorker;
};
unsigned __stdcall WaitForStop(void* param) {
  cWorkerThread* worker = static_cast<cWaitingLoad*>(param)->m_pWorker;
  while (!worker->ShouldStop()) Sleep(1);
  return 1;
}
}  // namespace

TEST_F(MainFrameTest, FrameIsARealTopLevelWindowFarOffTheScreen) {
  HWND frame = Frame();
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_EQ(g_hMainWnd, frame);
  char name[32] = {};
  GetClassNameA(frame, name, sizeof name);
  EXPECT_STREQ(name, "Vontaris_Editor");
  char title[32] = {};
  GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "ヴォンタリス");
  RECT rect;
  GetWindowRect(frame, &rect);
  EXPECT_EQ(rect.left, 9999);
  EXPECT_EQ(rect.top, 9999);
  EXPECT_TRUE(IsWindowVisible(frame));
  EXPECT_EQ(g_MainFrame.m_bInitialized, 1);
  EXPECT_EQ(g_MainFrame.m_bStarted, 1);
  bool found = false;
  for (HWND window : ThreadWindows()) found = found || window == frame;
  EXPECT_TRUE(found);
  EXPECT_EQ(GetParent(frame), nullptr);
}

TEST_F(MainFrameTest, ClosingAsksFirstAndTheEndStopsTheLoaderAndQuits) {
  cBoxAnswerer answerer({IDNO, IDYES});
  SendMessageA(Frame(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(Frame())) << "No keeps the program running";
  ASSERT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(answerer.Seen()[0].m_strText, "終了しますか？\n");
  EXPECT_EQ(answerer.Seen()[0].m_strCaption, "終了確認");

  cWaitingLoad load{&g_WorkerThread};
  ASSERT_EQ(g_WorkerThread.Start(WaitForStop, &load), 1);
  SendMessageA(Frame(), WM_KEYDOWN, VK_ESCAPE, 0);  // Esc asks the same question
  MSG message;
  while (PeekMessageA(&message, Frame(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  EXPECT_EQ(answerer.Seen().size(), 2u);
  EXPECT_FALSE(IsWindow(g_hMainWnd));
  EXPECT_EQ(g_WorkerThread.m_hThread, nullptr) << "the loader was stopped first";
  WPARAM code = 99;
  EXPECT_TRUE(QuitPosted(&code));
  EXPECT_EQ(code, 0u);
}

TEST_F(MainFrameTest, EndOfATestPlayEndsItAndClearsTheFlag) {
  cTestEditor* editor = MakeEditor();
  ASSERT_NE(editor, nullptr);
  SetActiveWindow(Frame());
  g_bTestPlayRunning = 1;
  COPYDATASTRUCT other = {5, 0, nullptr};
  SendMessageA(Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(g_bTestPlayRunning, 1) << "another kind of data is ignored";
  SendMessageA(Frame(), WM_COPYDATA, 0, 0);
  EXPECT_EQ(g_bTestPlayRunning, 1) << "a message without its record is ignored";
  COPYDATASTRUCT end = {0, 4, nullptr};  // its block is never read
  EXPECT_EQ(SendMessageA(Frame(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&end)), 0);
  EXPECT_EQ(g_bTestPlayRunning, 0);
  EXPECT_EQ(g_nTestPlayEnds, 1);
}

TEST_F(MainFrameTest, TheFakeGameEndsATestPlay) {
  MakeEditor();
  std::string game = BuildTreePath("tools\\fakegame\\FakeGame.exe");
  std::string line = "\"" + game + "\" data\\stg4\\ステージ.stg4_771";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  g_bTestPlayRunning = 1;
  ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  DWORD start = GetTickCount();
  while (g_bTestPlayRunning && GetTickCount() - start < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  EXPECT_EQ(g_bTestPlayRunning, 0);
  WaitForSingleObject(process.hProcess, 10000);
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  EXPECT_EQ(exitCode, 0u) << "the game found the frame";
  Bytes written = ReadFileBytes("FakeGame.txt");
  EXPECT_EQ(std::string(written.begin(), written.end()), "data\\stg4\\ステージ.stg4_771");
}

TEST_F(MainFrameTest, MinimiseAndRestoreFollowTheApplicationsActivation) {
  cTestEditor* editor = MakeEditor();
  g_bAppActive = 1;
  SendMessageA(Frame(), WM_ACTIVATEAPP, 0, 0);
  EXPECT_EQ(g_bAppActive, 0);
  SendMessageA(Frame(), WM_ACTIVATEAPP, 0, 1);
  EXPECT_TRUE(IsWindowVisible(editor->m_hWnd)) << "not minimised: nothing to hide";
  EXPECT_FALSE(IsIconic(Frame()));

  ShowWindow(Frame(), SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(Frame()));
  EXPECT_EQ(editor->m_bMinimised, 1);
  EXPECT_FALSE(IsWindowVisible(editor->m_hWnd));
  // Shown again by something else while the program is minimised, it goes again when the
  // application loses the activation, and the frame stays on the taskbar.
  ShowWindow(editor->m_hWnd, SW_SHOWNA);
  SendMessageA(Frame(), WM_ACTIVATEAPP, 0, 1);
  EXPECT_FALSE(IsWindowVisible(editor->m_hWnd));
  EXPECT_TRUE(IsIconic(Frame()));
  EXPECT_EQ(editor->m_bMinimised, 1);

  SendMessageA(Frame(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(IsWindowVisible(editor->m_hWnd));
  EXPECT_EQ(editor->m_bMinimised, 0);
  EXPECT_EQ(g_bRefocusEditor, 1);
  EXPECT_FALSE(IsIconic(Frame()));

  SendMessageA(Frame(), WM_ACTIVATEAPP, 1, 0);  // from this thread: the flag only
  EXPECT_EQ(g_bAppActive, 1);
  g_bAppActive = 0;
  WINDOWPOS position = {};
  SendMessageA(Frame(), WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&position));
  EXPECT_EQ(g_bAppActive, 1);

  cBoxAnswerer answerer;
  EXPECT_EQ(SendMessageA(Frame(), WM_SYSCOMMAND, SC_CLOSE, 0), 0);
  EXPECT_TRUE(IsWindow(Frame())) << "other system commands do nothing";
  EXPECT_EQ(SendMessageA(Frame(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
  EXPECT_FALSE(IsIconic(Frame()));
  EXPECT_TRUE(answerer.Seen().empty());
}

TEST_F(MainFrameTest, MinimisingTheFrameHidesTheWorkingWindowsUntilItIsRestored) {
  enum { kEditor, kOther, kWorldMap };
  const struct {
    const char* m_pName;
    int m_nEditorKind;
    bool m_bEditorShown, m_bOtherShown, m_bWorldMapShown;
    int m_nActive;  // the world map's palette lies in front of its active window
  } rows[] = {
      {"the stage editor", 0, true, false, false, kEditor},
      {"another editor over the hidden stage editor", 0, false, true, false, kOther},
      {"the world map and its palette", 1, false, false, true, kWorldMap},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    cTestEditor* editor = MakeEditor();
    cTestOtherEditor other(104, editor, &g_ModelessList);
    cTestWorldMap worldMap(104, editor, &g_ModelessList);
    other.Create(0, row.m_bOtherShown);
    worldMap.Create(0, row.m_bWorldMapShown);
    cTestPalette palette(104, &worldMap, &g_ModelessList);
    palette.Create(0, row.m_bWorldMapShown);
    editor->m_pWorldMapWnd = &worldMap;
    g_MainFrame.m_nEditorKind = row.m_nEditorKind;
    editor->Show(row.m_bEditorShown);
    HWND windows[] = {editor->m_hWnd, other.m_hWnd, worldMap.m_hWnd};
    HWND active = windows[row.m_nActive];
    SetForegroundWindow(active);
    ASSERT_EQ(GetActiveWindow(), active);
    std::vector<HWND> before = ShownWindowsButFrame(Frame());

    // To the taskbar from outside, as the shell sends it.
    ShowWindow(Frame(), SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(Frame()));
    EXPECT_EQ(editor->m_bMinimised, 1);
    EXPECT_TRUE(ShownWindowsButFrame(Frame()).empty());
    // Back through the taskbar button.
    SendMessageA(Frame(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(Frame()));
    EXPECT_EQ(editor->m_bMinimised, 0);
    EXPECT_EQ(ShownWindowsButFrame(Frame()), before) << "the same windows, in the same order";
    EXPECT_EQ(GetActiveWindow(), active) << "the window that was active is active again";
    editor->m_pWorldMapWnd = nullptr;
  }
}

TEST_F(MainFrameTest, NewStageRebuildsTheEditorWindow) {
  cTestEditor* first = MakeEditor();
  HWND firstWindow = first->m_hWnd;
  g_StateStack.Push(1);
  SendMessageA(Frame(), WM_USER, 2, 0);
  EXPECT_EQ(g_MainFrame.m_lpStageEditor, first) << "only 1 rebuilds";
  SendMessageA(Frame(), WM_USER, 1, 0);
  cTestEditor* second = static_cast<cTestEditor*>(g_MainFrame.m_lpStageEditor);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(cTestEditor::s_nMade, 2);
  EXPECT_EQ(cTestEditor::s_nDeleted, 1);
  EXPECT_FALSE(IsWindow(firstWindow));
  EXPECT_EQ(second->m_nPalettesMade, 1);
  EXPECT_EQ(g_nResets, 1);
  EXPECT_EQ(g_StateStack.Count(), 1);
  EXPECT_TRUE(FocusIn(second->m_hWnd));
  EXPECT_EQ(g_ModelessList.m_Windows.size(), 1u);
}

TEST_F(MainFrameTest, FaultInTheFrameIsCaughtAndAsksToClose) {
  MakeEditor();
  g_bFailToMake = true;
  cBoxAnswerer answerer({IDNO});
  SendMessageA(Frame(), WM_USER, 1, 0);
  EXPECT_EQ(g_MainFrame.m_lpStageEditor, nullptr);
  MSG message;
  while (PeekMessageA(&message, Frame(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  ASSERT_EQ(answerer.Seen().size(), 1u) << "the close request asks the user";
  EXPECT_EQ(answerer.Seen()[0].m_strCaption, "終了確認");
  EXPECT_TRUE(IsWindow(Frame()));
  std::vector<std::string> lines = m_Log.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("err WindowProc ( ", 0), 0u) << lines[0];
}

TEST_F(MainFrameTest, IdleTickRefocusesAndRunsItsStepsInOrder) {
  cTestEditor* editor = MakeEditor();
  cTestDatabase database;
  database.m_bAnimates = 0;  // a page without animation: the tick waits for a message
  editor->m_lpDatabaseWnd = &database;
  g_bAppActive = 1;
  g_bRefocusEditor = 1;
  SetFocus(nullptr);
  PostMessageA(Frame(), WM_NULL, 0, 0);
  IdleTick();
  EXPECT_TRUE(FocusIn(editor->m_hWnd));
  EXPECT_EQ(g_bRefocusEditor, 0);
  EXPECT_EQ(cTestEditor::s_strLog, "ISTP");
  EXPECT_EQ(database.m_nStep, 1);

  cTestWorldMap worldMap(104, editor, &g_ModelessList);
  worldMap.Create(0, 1);
  editor->m_pWorldMapWnd = &worldMap;
  g_MainFrame.m_nEditorKind = 1;
  g_bRefocusEditor = 1;
  PostMessageA(Frame(), WM_NULL, 0, 0);
  IdleTick();
  EXPECT_TRUE(FocusIn(worldMap.m_hWnd)) << "the world map is the working window";
  editor->m_lpDatabaseWnd = nullptr;
  editor->m_pWorldMapWnd = nullptr;
}

namespace {
// Runs the loop until a thread of its own posts the quit message about a second later.
void RunLoopForASecond(WPARAM* code) {
  struct cQuitter {
    static DWORD WINAPI Run(void* thread) {
      Sleep(1000);
      PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<uintptr_t>(thread)), WM_QUIT, 7, 0);
      return 0;
    }
  };
  HANDLE quitter = CreateThread(nullptr, 0, cQuitter::Run,
                                reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0, nullptr);
  *code = RunMessageLoop();
  WaitForSingleObject(quitter, INFINITE);
  CloseHandle(quitter);
}
}  // namespace

TEST_F(MainFrameTest, IdleEditorWaitsForMessages) {
  MakeEditor();
  g_bAppActive = 1;
  // A timer is the only source of messages: a loop that waits ticks once for each of them, and
  // always with the message that woke it in the queue; a loop that spins ticks on an empty queue.
  cTestEditor::s_nQuitAtTick = 5;
  ASSERT_NE(SetTimer(Frame(), 1, 10, nullptr), 0u);
  WPARAM code = RunMessageLoop();
  KillTimer(Frame(), 1);
  EXPECT_EQ(code, 7u);
  ASSERT_EQ(cTestEditor::s_vQueueAtTick.size(), 5u);
  for (DWORD queued : cTestEditor::s_vQueueAtTick) EXPECT_NE(queued, 0u) << "a tick without a message";
}

TEST_F(MainFrameTest, AnimatedDatabasePagePacesTheTickToSixtyASecond) {
  cSteppingClock clock;
  // Well past any time the process's pacer has seen, so its first call is due.
  clock.m_nTick = GetTickCount() + 100000;
  cTestEditor* editor = MakeEditor();
  cTestDatabase database;
  database.m_pClock = &clock.m_nTick;
  editor->m_lpDatabaseWnd = &database;
  g_bAppActive = 1;
  cTestEditor::s_nQuitAtTick = 6;
  EXPECT_EQ(RunMessageLoop(), 7u);
  // A tick is due every 1000 / 60 milliseconds of the clock, whatever the machine's speed.
  ASSERT_EQ(database.m_vTickTimes.size(), 6u);
  for (size_t i = 1; i < database.m_vTickTimes.size(); ++i)
    EXPECT_EQ(database.m_vTickTimes[i] - database.m_vTickTimes[i - 1], 1000u / 60) << i;
  editor->m_lpDatabaseWnd = nullptr;
}

TEST_F(MainFrameTest, InactiveApplicationRunsNoTick) {
  MakeEditor();
  g_bAppActive = 0;
  for (int i = 0; i < 5; ++i) PostMessageA(Frame(), WM_NULL, 0, 0);
  WPARAM code = 0;
  RunLoopForASecond(&code);
  EXPECT_EQ(cTestEditor::s_strLog, "");
}

TEST_F(MainFrameTest, LoopRoutesKeysThroughTheModelessListAndSurvivesAFaultInTheIdleWork) {
  cFakeShell shell;  // counts the close request instead of asking
  cTestEditor* editor = MakeEditor();
  editor->AddAccelerators(editor->m_hWnd, 600);
  SetActiveWindow(editor->m_hWnd);
  PostMessageA(GetDlgItem(editor->m_hWnd, 1002), WM_KEYDOWN, VK_F9, 0x00430001);
  editor->m_bFailIdle = true;
  g_bAppActive = 1;
  WPARAM code = 0;
  RunLoopForASecond(&code);
  EXPECT_EQ(code, 7u) << "the loop went on after the fault";
  EXPECT_EQ(editor->m_nAccelerated, 1);
  EXPECT_EQ(shell.m_nCloseRequests, 1);
  std::vector<std::string> lines = m_Log.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("err MainLoop ( ", 0), 0u) << lines[0];
}

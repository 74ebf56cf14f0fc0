#include "app/win/cMainFrame.h"

#include <algorithm>

#include "app/Utility.h"
#include "app/cApplication.h"
#include "app/cStateStack.h"
#include "app/win/FileDialogs.h"
#include "app/win/MainLoop.h"
#include "app/win/cGameProcess.h"
#include "app/win/cShellWin.h"
#include "app/win/cWorkerThread.h"
#include "ui/win/cModelessList.h"

namespace {
constexpr int32_t kHiddenPosition = 9999;
constexpr WORD kFrameIcon = 103;
const char* const kFrameTitle = "ヴォンタリス";

struct cShownWindows {
  HWND m_hWndFrame;
  std::vector<HWND> m_vWindows;
};

BOOL CALLBACK CollectShownWindow(HWND window, LPARAM lParam) {
  cShownWindows& shown = *reinterpret_cast<cShownWindows*>(lParam);
  if (window != shown.m_hWndFrame && IsWindowVisible(window) && GetAncestor(window, GA_ROOTOWNER) == shown.m_hWndFrame)
    shown.m_vWindows.push_back(window);
  return TRUE;
}

// The visible top-level windows that the frame owns, directly or through others, front first.
std::vector<HWND> ShownWindowsOf(HWND frame) {
  cShownWindows shown{frame, {}};
  EnumThreadWindows(GetWindowThreadProcessId(frame, nullptr), CollectShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown.m_vWindows;
}
}  // namespace

LRESULT CALLBACK MainFrameWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(&g_MainFrame, window, message, wParam, lParam);
}

int RegisterMainFrameClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MainFrameWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kFrameIcon));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = kMainFrameClass;
  return RegisterClassExA(&windowClass) ? 1 : 0;
}

int CreateMainFrameWindow(HINSTANCE instance) {
  g_MainFrame.SetGeometry(1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0);
  HWND window = CreateWindowExA(0, kMainFrameClass, kFrameTitle, 0, kHiddenPosition, kHiddenPosition,
                                g_MainFrame.m_rcWindow.right, g_MainFrame.m_rcWindow.bottom, nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 0;
  g_MainFrame.m_hWnd = window;
  g_hMainWnd = window;
  // Far outside the screen it is never seen, but it owns the taskbar entry and the activation.
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  g_MainFrame.Init(0, nullptr, &g_ModelessList);
  return 1;
}

cMainFrame::~cMainFrame() { SafeDelete(m_lpStageEditor); }

void cMainFrame::Init(uint16_t templateId, HWND parent, cModelessList* manager) {
  cFrameWnd::Init(templateId, parent, manager);
  m_lpfnProc = reinterpret_cast<DLGPROC>(MainFrameWndProc);
}

void cMainFrame::OnCreate(WPARAM wParam, LPARAM lParam) {
  cFrameWnd::OnCreate(wParam, lParam);
  m_bInitialized = 1;
}

LRESULT cMainFrame::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  m_bStarted = 1;
  switch (message) {
    case WM_DESTROY:
      // The stage loader must not go on filling documents once the program ends.
      g_WorkerThread.Stop();
      PostQuitMessage(0);
      return 0;
    case WM_CLOSE:
      if (ConfirmExit(window)) DestroyWindow(window);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) PostMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_ACTIVATEAPP:
      OnActivateApp(wParam, lParam);
      return 0;
    case WM_WINDOWPOSCHANGING:
      SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
      return 0;
    case WM_COPYDATA:
      OnCopyData(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return 0;
    case WM_SYSCOMMAND:
      // No system command reaches the default handling: the frame cannot be closed from its menu.
      if (EditorHasWindow() && wParam == SC_RESTORE) RestoreEditor();
      return 0;
    case WM_USER:
      RecreateStageEditor(wParam);
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) OnMinimized();
      return result ? 0 : DefWindowProcA(window, message, wParam, lParam);
    case kMsgGameEnded:
      // A game that closed without its end message; news of an earlier launch is stale.
      if (g_GameProcess.IsCurrent(wParam)) EndTestPlay();
      return 0;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      return 0;
    default:
      return result ? 0 : DefWindowProcA(window, message, wParam, lParam);
  }
}

void cMainFrame::OnActivateApp(WPARAM wParam, LPARAM lParam) {
  g_bAppActive = static_cast<int32_t>(wParam);
  if (!EditorHasWindow() || lParam == 0) return;
  if (wParam) {
    RestoreEditor();
  } else if (EditorMinimized()) {
    ShowWorkingWindows(0);
    ShowWindow(m_hWnd, SW_MINIMIZE);
  }
}

void cMainFrame::OnMinimized() {
  if (!EditorHasWindow() || !m_lpStageEditor->m_bInitialized || m_lpStageEditor->m_bMinimised) return;
  m_lpStageEditor->m_bMinimised = 1;
  // Another editor keeps the stage editor hidden: what the restore shows is what the user saw.
  m_vMinimisedWindows = ShownWindowsOf(m_hWnd);
  const std::vector<HWND>& shown = m_vMinimisedWindows;
  HWND active = GetActiveWindow();
  if (std::find(shown.begin(), shown.end(), active) == shown.end()) active = shown.empty() ? nullptr : shown.front();
  m_hWndMinimisedActive = active;
  ShowWorkingWindows(0);
}

void cMainFrame::RestoreEditor() {
  ShowWindow(m_hWnd, SW_RESTORE);
  g_bRefocusEditor = 1;
  if (!EditorMinimized()) return;
  ShowWorkingWindows(1);
  m_vMinimisedWindows.clear();
  m_hWndMinimisedActive = nullptr;
  m_lpStageEditor->m_bMinimised = 0;
}

void cMainFrame::ShowWorkingWindows(int show) {
  if (!show) {
    for (HWND window : m_vMinimisedWindows)
      if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    return;
  }
  // From the back: each shown window comes in front of those before it.
  constexpr UINT kShowInFront = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
  for (auto it = m_vMinimisedWindows.rbegin(); it != m_vMinimisedWindows.rend(); ++it)
    if (IsWindow(*it)) SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, kShowInFront);
  if (IsWindow(m_hWndMinimisedActive)) SetForegroundWindow(m_hWndMinimisedActive);
}

void cMainFrame::OnCopyData(WPARAM, const COPYDATASTRUCT* data) {
  // The data block is never read; a message without its record is no end of a test play.
  if (!data || data->dwData != 0) return;
  EndTestPlay();
}

void cMainFrame::EndTestPlay() {
  g_GameProcess.Forget();
  if (m_Services.m_pfnEndTestPlay) m_Services.m_pfnEndTestPlay();
  g_bTestPlayRunning = 0;
}

void cMainFrame::CreateStageEditor() {
  SafeDelete(m_lpStageEditor);
  if (!m_Services.m_pfnMakeEditor) return;
  m_lpStageEditor = m_Services.m_pfnMakeEditor(*this);
  if (m_lpStageEditor) m_lpStageEditor->Create(0, 1);
}

void cMainFrame::RecreateStageEditor(WPARAM wParam) {
  // Only the stage editor posts this, always with 1, after it has loaded or made a stage.
  if (wParam != 1) return;
  Sleep(100);
  SafeDelete(m_lpStageEditor);
  if (m_Services.m_pfnResetEditState) m_Services.m_pfnResetEditState();
  g_StateStack.Reset();
  CreateStageEditor();
  if (!m_lpStageEditor) return;
  m_lpStageEditor->CreatePaletteWindows();
  SetFocus(m_lpStageEditor->m_hWnd);
}

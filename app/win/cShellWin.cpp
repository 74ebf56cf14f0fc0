#include "app/win/cShellWin.h"

#include <mmsystem.h>

#include "app/win/cWorkerThread.h"

HWND g_hMainWnd = nullptr;
DWORD g_nUiThreadId = 0;

int cShellWin::ShowBox(void* owner, const char* text, const char* caption, unsigned type) {
  return MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

void cShellWin::DestroyMainWindow() {
  if (GetCurrentThreadId() == g_nUiThreadId) {
    if (g_hMainWnd) DestroyWindow(g_hMainWnd);
    return;
  }
  // Windows belong to their thread: a worker fails its load and asks the main window to close.
  cWorkerThread::NoteFaultOnThisThread();
  PostCloseRequest();
}

void cShellWin::PostCloseRequest() {
  if (g_hMainWnd) PostMessageA(g_hMainWnd, WM_CLOSE, 0, 0);
}

uint64_t cShellWin::FreePhysicalMemory() {
  MEMORYSTATUSEX status;
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return 0;
  return status.ullAvailPhys;
}

uint32_t cShellWin::TickCount() { return timeGetTime(); }

void cShellWin::FullScreenSize(int32_t& width, int32_t& height) {
  width = GetSystemMetrics(SM_CXFULLSCREEN);
  height = GetSystemMetrics(SM_CYFULLSCREEN);
}

void cShellWin::Beep() { MessageBeep(0); }

void InstallShellWin() {
  static cShellWin shell;
  g_nUiThreadId = GetCurrentThreadId();
  SetShell(&shell);
}

#include "app/win/cShellWin.h"

#include <mmsystem.h>

HWND g_hMainWnd = nullptr;
DWORD g_nUiThreadId = 0;

int cShellWin::ShowBox(void* owner, const char* text, const char* caption, unsigned type) {
  HWND window = owner ? static_cast<HWND>(owner) : GetActiveWindow();
  return MessageBoxA(window, text, caption, type);
}

void cShellWin::DestroyMainWindow() {
  // Windows belong to their thread: from the worker thread only the log line is left.
  if (g_hMainWnd && GetCurrentThreadId() == g_nUiThreadId) DestroyWindow(g_hMainWnd);
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

void InstallShellWin() {
  static cShellWin shell;
  g_nUiThreadId = GetCurrentThreadId();
  SetShell(&shell);
}

#include "app/win/cGameProcess.h"

#include <shellapi.h>

#include "app/win/cShellWin.h"

cGameProcess g_GameProcess;

int cGameProcess::Launch(HWND owner, const char* program, const char* parameters) {
  Forget();
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  // The editor says itself when the game cannot be started.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner;
  info.lpVerb = "open";
  info.lpFile = program;
  info.lpParameters = parameters;
  info.nShow = SW_SHOW;
  if (!ShellExecuteExA(&info) || reinterpret_cast<INT_PTR>(info.hInstApp) <= 32) {
    if (info.hProcess) CloseHandle(info.hProcess);
    return 0;
  }
  if (!info.hProcess) return 1;  // started through a program that does not hand out its process
  m_hProcess = info.hProcess;
  ++m_nLaunch;
  if (!RegisterWaitForSingleObject(&m_hWait, m_hProcess, OnEnded, reinterpret_cast<void*>(static_cast<uintptr_t>(m_nLaunch)),
                                   INFINITE, WT_EXECUTEONLYONCE))
    m_hWait = nullptr;
  return 1;
}

void CALLBACK cGameProcess::OnEnded(void* launch, BOOLEAN) {
  // A thread of the system's pool: the user-interface thread hears of it through its queue.
  PostMessageA(g_hMainWnd, kMsgGameEnded, reinterpret_cast<WPARAM>(launch), 0);
}

void cGameProcess::Forget() {
  // Waits for a running notification, so that none arrives for a process already let go.
  if (m_hWait) UnregisterWaitEx(m_hWait, INVALID_HANDLE_VALUE);
  m_hWait = nullptr;
  if (m_hProcess) CloseHandle(m_hProcess);
  m_hProcess = nullptr;
}

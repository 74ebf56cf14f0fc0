#include "tests/support/win/OwnDesktop.h"

#include <windows.h>

#include <string>

namespace {
struct cKeeper {
  HDESK m_hDesktop;
  HANDLE m_hReady;
  int m_bOnDesktop;
};

DWORD WINAPI StayOnDesktop(void* parameter) {
  auto* keeper = static_cast<cKeeper*>(parameter);
  keeper->m_bOnDesktop = SetThreadDesktop(keeper->m_hDesktop) ? 1 : 0;
  SetEvent(keeper->m_hReady);  // the keeper belongs to the caller from here on
  Sleep(INFINITE);
  return 0;
}

// Wine closes a desktop (it drops its name and asks the process that manages it to quit) a second
// after a thread of that manager ends while one thread of another process is on it: it counts the
// ending thread as still running. A second thread of ours on the desktop for as long as the program
// runs keeps it open.
int KeepDesktopOpen(HDESK desktop) {
  cKeeper keeper = {desktop, CreateEventA(nullptr, TRUE, FALSE, nullptr), 0};
  HANDLE thread = keeper.m_hReady ? CreateThread(nullptr, 0, StayOnDesktop, &keeper, 0, nullptr) : nullptr;
  int kept = thread && WaitForSingleObject(keeper.m_hReady, INFINITE) == WAIT_OBJECT_0 && keeper.m_bOnDesktop;
  if (thread) CloseHandle(thread);
  if (keeper.m_hReady) CloseHandle(keeper.m_hReady);
  return kept;
}
}  // namespace

const char* OwnDesktopName() {
  static const std::string name = "vx_test_" + std::to_string(GetCurrentProcessId());
  return name.c_str();
}

int UseOwnDesktop() {
  static const int made = [] {
    HDESK desktop = CreateDesktopA(OwnDesktopName(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop && SetThreadDesktop(desktop) && KeepDesktopOpen(desktop) ? 1 : 0;
  }();
  return made;
}

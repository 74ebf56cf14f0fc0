// Part of every Windows test program: its tests activate and focus windows, click, type and answer
// boxes, so the program works on a desktop of its own, made before any test makes a window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/win/OwnDesktop.h"

namespace {
const int g_nOwnDesktop = UseOwnDesktop();

std::string ThreadDesktopName() {
  char name[64] = {};
  EXPECT_TRUE(GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name, nullptr))
      << GetLastError();
  return name;
}

// A thread that the process managing the desktop runs and ends, as its own short-lived threads do.
int RunAThreadOfTheDesktopsManager() {
  DWORD manager = 0;
  GetWindowThreadProcessId(GetDesktopWindow(), &manager);
  HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, manager);
  if (!process) return 0;
  // kernel32 lies at the same address in every process of a session.
  auto sleep = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "Sleep")));
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, sleep, nullptr, 0, nullptr);
  int ended = thread && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
  if (thread) CloseHandle(thread);
  CloseHandle(process);
  return ended;
}
}  // namespace

TEST(TestProgram, RunsOnADesktopOfItsOwn) {
  EXPECT_EQ(g_nOwnDesktop, 1);
  EXPECT_EQ(ThreadDesktopName(), "vx_test_" + std::to_string(GetCurrentProcessId()));
}

TEST(TestProgram, KeepsItsDesktopWhenAThreadOfTheDesktopsManagerEnds) {
  ASSERT_EQ(RunAThreadOfTheDesktopsManager(), 1);
  // The desktop would be closed a second after the thread's end.
  Sleep(1500);
  EXPECT_EQ(ThreadDesktopName(), OwnDesktopName());
  HWND window = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(window, nullptr);
  DestroyWindow(window);
}

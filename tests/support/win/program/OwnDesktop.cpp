// Part of every Windows test program: its tests activate and focus windows, click, type and answer
// boxes, so the program works on a desktop of its own, made before any test makes a window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/win/OwnDesktop.h"

namespace {
const int g_nOwnDesktop = UseOwnDesktop();
}

TEST(TestProgram, RunsOnADesktopOfItsOwn) {
  EXPECT_EQ(g_nOwnDesktop, 1);
  char name[64] = {};
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, name, sizeof name, nullptr);
  EXPECT_EQ(std::string(name), "vx_test_" + std::to_string(GetCurrentProcessId()));
}

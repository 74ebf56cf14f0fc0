#include "tests/support/win/ProgramMinimise.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/win/ProbeDialog.h"

std::vector<HWND> ShownWindowsButFrame(HWND frame) {
  std::vector<HWND> shown;
  for (HWND window : ThreadWindows())
    if (window != frame && IsWindowVisible(window)) shown.push_back(window);
  return shown;
}

void ExpectTaskbarRoundTripKeepsTheWindows(HWND frame, const std::function<void()>& serve) {
  std::vector<HWND> before = ShownWindowsButFrame(frame);
  HWND active = GetActiveWindow();
  ASSERT_NE(std::find(before.begin(), before.end(), active), before.end()) << "the user works in a window shown";
  ShowWindow(frame, SW_MINIMIZE);
  serve();
  EXPECT_TRUE(IsIconic(frame));
  EXPECT_TRUE(ShownWindowsButFrame(frame).empty());
  SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
  serve();
  EXPECT_FALSE(IsIconic(frame));
  EXPECT_EQ(ShownWindowsButFrame(frame), before) << "the same windows, in the same order";
  EXPECT_EQ(GetActiveWindow(), active) << "the window in front is in front again";
}

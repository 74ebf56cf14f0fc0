#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/listctrl/win/ListWinFixture.h"

// Figures, not checks of time: how long the list control takes for a fill of 999 numbered rows (as
// a command does it: the refill, then the redraw) and for a selection change in them (the list box
// marks the row, the page hears LBN_SELCHANGE), against a plain list box filled with the same texts
// by one LB_RESETCONTENT and 999 LB_ADDSTRING, drawn as it goes and with drawing off around it.
// Printed for the record, never part of the tests: scripts/timing.sh runs it.

namespace {
using ListTiming = cListWinTest;
using tList = cListTestPage::tList;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of some runs of the work, in milliseconds.
template <class Work>
double Median(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work(i);
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
}  // namespace

TEST_F(ListTiming, DISABLED_FillAndSelectionChangeAgainstAPlainListBox) {
  static constexpr cListShape kLong = {1, 1, 1, 999, 0, 0, 0};
  constexpr int kRuns = 9;
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a");
    p.SetMulti(kLong, "r*999");
  });
  tList& list = page.Multi();
  std::vector<std::string> texts = cListTestPage::Rows(list);
  ASSERT_EQ(texts.size(), 999u);

  // A list box like the list's own (extended selection, unsorted), with nothing of the control.
  RECT rect = {};
  GetWindowRect(list.m_hWnd, &rect);
  MapWindowPoints(nullptr, page.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, page.m_hWnd, nullptr, nullptr, nullptr);
  SendMessageA(plain, WM_SETFONT, SendMessageA(list.m_hWnd, WM_GETFONT, 0, 0), 0);
  auto plainFill = [plain, &texts](int) {
    SendMessageA(plain, LB_RESETCONTENT, 0, 0);
    for (const std::string& text : texts) SendMessageA(plain, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  };
  double plainDrawn = Median(3, plainFill);  // about a second each
  double plainHeld = Median(kRuns, [plain, &plainFill](int i) {
    SendMessageA(plain, WM_SETREDRAW, FALSE, 0);
    plainFill(i);
    SendMessageA(plain, WM_SETREDRAW, TRUE, 0);
  });
  ASSERT_EQ(SendMessageA(plain, LB_GETCOUNT, 0, 0), 999);
  DestroyWindow(plain);

  double fill = Median(kRuns, [&list](int) {
    list.Fill();
    list.Redraw();
  });
  EXPECT_EQ(cListTestPage::Rows(list), texts);

  // The user clicks another row: the list box marks it and the page hears LBN_SELCHANGE.
  double change = Median(kRuns, [&page, &list](int i) {
    int row = 100 + i * 50;
    SendMessageA(list.m_hWnd, LB_SETSEL, FALSE, -1);
    SendMessageA(list.m_hWnd, LB_SETSEL, TRUE, row);
    SendMessageA(list.m_hWnd, LB_SETCARETINDEX, row, FALSE);
    SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(kIdcMultiList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.m_hWnd));
  });
  EXPECT_EQ(page.m_MultiEdit.m_strName, "r" + std::to_string(100 + (kRuns - 1) * 50 + 1));

  printf("list speed: plain list box, reset + 999 adds: %.2f ms drawn, %.2f ms with drawing off around; "
         "list Fill of 999 rows %.2f ms (%.4f and %.2f times the plain fills); selection change %.3f ms "
         "(%.4f and %.2f times)\n",
         plainDrawn, plainHeld, fill, fill / plainDrawn, fill / plainHeld, change, change / plainDrawn,
         change / plainHeld);
  RecordProperty("plain_fill_drawn_ms", std::to_string(plainDrawn));
  RecordProperty("plain_fill_held_ms", std::to_string(plainHeld));
  RecordProperty("fill_ms", std::to_string(fill));
  RecordProperty("selection_change_ms", std::to_string(change));
}

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/listctrl/ListFixture.h"

// What the list box is asked to do, counted: a long list is filled once with drawing off, and a
// change of selection touches only the rows whose marks change.

namespace {
constexpr cListShape kLongShape = {1, 1, 1, 999, 0, 0, 0};  // 999 numbered rows, no extra row

int Count(const std::vector<std::string>& log, const std::string& what) {
  return static_cast<int>(std::count(log.begin(), log.end(), what));
}

// The calls between the first "redraw off" and the "redraw on" that follows it.
std::vector<std::string> HeldPart(const std::vector<std::string>& log) {
  auto off = std::find(log.begin(), log.end(), "redraw off");
  auto on = std::find(off, log.end(), "redraw on");
  return std::vector<std::string>(off, on == log.end() ? on : on + 1);
}
}  // namespace

TEST(ListSpeed, FillOf999RowsIsOneResetAndTheAddsWithDrawingOff) {
  cTestList l(kLongShape, "r*999");
  const std::vector<std::string>& log = l.m_View.m_vLog;
  std::vector<std::string> held = HeldPart(log);
  EXPECT_EQ(Count(log, "reset"), 1);
  EXPECT_EQ(Count(log, "add"), 999);
  EXPECT_EQ(Count(held, "reset"), 1);
  EXPECT_EQ(Count(held, "add"), 999);
  EXPECT_EQ(Count(log, "redraw off"), 1);
  EXPECT_EQ(l.m_View.m_vRows.front(), "001 r1");
  EXPECT_EQ(l.m_View.m_vRows.back(), "999 r999");
  EXPECT_EQ(Count(held, "setsel"), 1);  // only the marked row
  EXPECT_EQ(l.m_View.m_bRedraw, 1);
}

TEST(ListSpeed, ASelectionChangeTouchesTheChangedRowsOnly) {
  cTestList l(kLongShape, "r*999");
  l.Select(500);
  l.m_View.ForgetCalls();
  l.Select(501);  // the user clicks the next row
  EXPECT_EQ(l.m_View.Calls("reset") + l.m_View.Calls("add") + l.m_View.Calls("insert"), 0);
  EXPECT_EQ(l.m_View.Calls("setsel"), 0);  // the list box has the marks already
  EXPECT_EQ(l.m_Edit.m_strName, "r502");
  l.m_View.ForgetCalls();
  l.m_List.SelectOnly(600, 1);
  l.m_List.Redraw();
  EXPECT_EQ(l.m_View.Calls("setsel"), 2);  // row 501 unmarked, row 600 marked
  EXPECT_EQ(l.m_View.Marked(), std::vector<int>{600});
  EXPECT_EQ(l.m_View.Calls("reset") + l.m_View.Calls("add"), 0);
}

TEST(ListSpeed, StoringTheEditedRecordRewritesItsRowOnly) {
  cTestList l(kLongShape, "r*999");
  l.Select(700);
  l.m_View.ForgetCalls();
  l.m_Edit.m_strName = "edited";
  ASSERT_EQ(l.m_List.StoreEdited(), 1);
  EXPECT_EQ(l.m_View.Calls("delete"), 1);
  EXPECT_EQ(l.m_View.Calls("insert"), 1);
  EXPECT_EQ(l.m_View.Calls("reset") + l.m_View.Calls("add"), 0);
  EXPECT_EQ(l.m_View.m_vRows[700], "701 edited");
  EXPECT_EQ(l.m_View.Marked(), std::vector<int>{700});
}

// Within a dialog's command drawing is off already: the list leaves it off until the command's
// Redraw, after the refill.
TEST(ListSpeed, ACommandRefillsOnceWhileTheDialogHoldsDrawing) {
  cTestList l(kLongShape, "r*999");
  l.Select(10);
  l.m_View.ForgetCalls();
  l.m_View.SetRedraw(0);  // the dialog, before it routes the command
  l.m_List.NoteRedrawHeld();
  ASSERT_EQ(l.m_List.Delete(-1, 0), 1);
  std::vector<std::string> log = l.m_View.m_vLog;
  EXPECT_EQ(Count(log, "redraw off"), 1);
  EXPECT_EQ(Count(log, "redraw on"), 1);
  EXPECT_EQ(log.back(), "redraw on");
  EXPECT_EQ(Count(log, "reset"), 1);
  EXPECT_EQ(Count(log, "add"), 998);
}

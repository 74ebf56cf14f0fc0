#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/listctrl/ListFixture.h"

namespace {
using tListStep = std::function<int(cTestList&)>;

// A list as the user left it, one command (or a short series), and what the user sees after.
struct cCommandCase {
  const char* m_pName;
  cListShape m_Shape;
  const char* m_pRecords;
  tListStep m_Setup;  // the user's selection before the command
  tListStep m_Command;
  int m_nResult;
  const char* m_pRecordsAfter;
  std::vector<int> m_vMarks;  // the list box's marks after (multi-selection lists)
  int m_nCurrent;             // GetCurSel after
  const char* m_pEdited;
  const char* m_pBuffer;  // null: not checked
};

tListStep Select(std::vector<int> marks, int caret) {
  return [=](cTestList& l) {
    l.Select(marks, caret);
    return 1;
  };
}
tListStep Select(int row) { return Select({row}, row); }
tListStep AsAttached() {
  return [](cTestList&) { return 1; };
}
// A single-selection list that may be without selection, left without one.
tListStep NoRow() {
  return [](cTestList& l) {
    l.m_List.SetCurSel(-1, 0);
    return 1;
  };
}
// A multi-selection list whose last mark the user Ctrl-clicked away.
tListStep Unmark(int row) {
  return [=](cTestList& l) {
    l.m_View.CtrlClick(row);
    l.m_List.OnSelChange();
    l.m_List.Redraw();
    return 1;
  };
}
// The user clicks a row, then the command runs.
int SelectThen(cTestList& l, int row, int (*command)(cTestList&)) {
  l.Select(row);
  return command(l);
}
tListStep Then(tListStep first, tListStep second) {
  return [=](cTestList& l) { return first(l) && second(l); };
}

constexpr cListShape kSixShape = {1, 0, 1, 6, 0, 1, 0};

int New(cTestList& l) { return l.m_List.New(); }
int Insert(cTestList& l) { return l.m_List.Insert(); }
int Clear(cTestList& l) { return l.m_List.Clear(); }
int Delete(cTestList& l) { return l.m_List.Delete(-1, 0); }
int Copy(cTestList& l) { return l.m_List.Copy(); }
int Paste(cTestList& l) { return l.m_List.Paste(); }
int Cut(cTestList& l) { return l.m_List.Cut(); }
tListStep SetCount(int count) {
  return [=](cTestList& l) { return l.m_List.SetCount(count); };
}

void RunCase(const cCommandCase& c) {
  SCOPED_TRACE(c.m_pName);
  cTestList l(c.m_Shape, c.m_pRecords);
  ASSERT_TRUE(c.m_Setup(l));
  int beeps = l.m_View.m_nBeeps;
  EXPECT_EQ(c.m_Command(l), c.m_nResult);
  EXPECT_EQ(l.m_View.m_nBeeps, beeps);
  EXPECT_EQ(l.Records(), c.m_pRecordsAfter);
  if (c.m_Shape.m_bMultiSel) {
    EXPECT_EQ(l.m_View.Marked(), c.m_vMarks);
  }
  EXPECT_EQ(l.m_List.GetCurSel(), c.m_nCurrent);
  EXPECT_EQ(l.m_Edit.m_strName, c.m_pEdited);
  if (c.m_pBuffer) {
    EXPECT_EQ(l.Buffer(), c.m_pBuffer);
  }
  EXPECT_TRUE(l.RowsShowRecords());
  EXPECT_EQ(l.m_View.m_bRedraw, 1);
}
}  // namespace

TEST(ListCommands, ChangeRowsMarksAndCurrentRow) {
  const cCommandCase cases[] = {
      {"New in a table: the caret goes to the new row, unmarked", kTableShape, "none a b", AsAttached(), New, 1,
       "none a b new", {0}, -1, "new", nullptr},
      {"New in a single-selection list: the row above the extra row", kSingleShape, "a b", AsAttached(), New, 1,
       "a b new", {}, 2, "new", nullptr},
      {"Insert at the extra row appends", kSubShape, "a b c", Select(3), Insert, 1, "a b c new", {3}, 3, "new",
       nullptr},
      {"Insert with no current row goes before the first row", kPlainShape, "a b", NoRow(), Insert, 1, "new a b", {},
       0, "new", nullptr},
      {"Insert at a marked row", kSubShape, "a b c", Select(1), Insert, 1, "a new b c", {1}, 1, "new", nullptr},
      {"Delete rows 1 and 3, caret on 3", kSubShape, "a b c d e", Select({1, 3}, 3), Delete, 1, "a c e", {2}, 2, "e",
       nullptr},
      {"Delete rows 1 and 3, row 3 the last: the extra row", kSubShape, "a b c d", Select({1, 3}, 3), Delete, 1,
       "a c", {2}, 2, "cleared", nullptr},
      {"Delete of every row stops at the minimum", kSubShape, "a b c", Select({0, 1, 2}, 2), Delete, 1, "c", {0}, 0,
       "c", nullptr},
      {"Delete of the last row moves up", kSingleShape, "a b c", Select(2), Delete, 1, "a b", {}, 1, "b", nullptr},
      {"Delete of the only record of an empty-able list", kPlainShape, "a", AsAttached(), Delete, 1, "", {}, -1,
       "cleared", nullptr},
      {"Delete at the extra row does nothing, without a beep", kSingleShape, "a b", Select(2), Delete, 1, "a b", {}, 2,
       "new", nullptr},
      {"Delete of conditions down to none", kCondShape, "a b", Select({0, 1}, 1), Delete, 1, "", {0}, 0, "cleared",
       nullptr},
      {"Clear of rows 0 and 2", kSubShape, "a b c d", Select({0, 2}, 2), Clear, 1, "cleared b cleared d", {0, 2}, 2,
       "cleared", nullptr},
      {"Clear of the current row", kSingleShape, "a b", Select(1), Clear, 1, "a cleared", {}, 1, "cleared", nullptr},
      {"Clear without a row", kPlainShape, "a b", NoRow(), Clear, 1, "a b", {}, -1, "a", nullptr},
      {"SetCount below the current row selects row 0", kTableShape, "none a b c d e", Select(4), SetCount(2), 1,
       "none a b", {0}, 0, "a", nullptr},
      // The mark of the old current row would stand on the extra row: row 0 takes it.
      {"SetCount to the current row's number selects row 0", kTableShape, "none a b c", Select(2), SetCount(2), 1,
       "none a b", {0}, 0, "a", nullptr},
      {"SetCount growing keeps the current row", kTableShape, "none a b c", Select(1), SetCount(5), 1,
       "none a b c new new", {1}, 1, "b", nullptr},
      {"Copy of three rows, Paste twice at row 5", kSubShape, "a b c d e f g h", Select({0, 1, 2}, 2),
       [](cTestList& l) { return Copy(l) && SelectThen(l, 5, Paste) && Paste(l); }, 1, "a b c d e a b c a b c f g h",
       {5}, 5, "a", "a b c"},
      {"Copy and Paste in a single-selection list", kSingleShape, "a b c", Select(1),
       [](cTestList& l) { return Copy(l) && SelectThen(l, 0, Paste); }, 1, "b a b c", {}, 0, "b", "b"},
      {"Paste at the extra row appends", kSubShape, "a b", Select(0),
       [](cTestList& l) { return Copy(l) && SelectThen(l, 2, Paste); }, 1, "a b a", {2}, 2, "a", "a"},
      {"Paste that just fits the maximum", kSixShape, "a b c", Select({0, 1, 2}, 2),
       [](cTestList& l) { return Copy(l) && Paste(l); }, 1, "a b a b c c", {0, 1, 2}, 2, "a", "a b c"},
      {"Copy with nothing marked empties the buffer; Paste then adds nothing", kLooseShape, "a b c", Unmark(0),
       [](cTestList& l) { return Copy(l) && SelectThen(l, 1, Paste); }, 1, "a b c", {1}, 1, "b", ""},
      {"Cut of marked rows", kSubShape, "a b c d", Select({1, 2}, 2), Cut, 1, "a d", {1}, 1, "d", "b c"},
  };
  for (const cCommandCase& c : cases) RunCase(c);
}

// Every refusal beeps once, returns 0 and leaves the records, the rows, the marks, the current
// row and the edited record as they were.
TEST(ListCommands, RefusalsBeepAndChangeNothing) {
  struct cRefusal {
    const char* m_pName;
    cListShape m_Shape;
    const char* m_pRecords;
    tListStep m_Setup;
    tListStep m_Command;
    const char* m_pBuffer;  // the copy buffer after; null: not checked
  };
  const cRefusal cases[] = {
      {"New at 999 records", kTableShape, "none r*999", Select(998), New, nullptr},
      {"SetCount(1000)", kTableShape, "none r*999", Select(3), SetCount(1000), nullptr},
      {"SetCount(0)", kTableShape, "none a b", Select(1), SetCount(0), nullptr},
      {"Insert at the maximum", kSubShape, "r*99", Select(5), Insert, nullptr},
      {"Paste at the maximum", kSubShape, "r*99", Then(Select(0), Copy), Paste, "r1"},
      {"Paste of three records one short of the maximum", kSixShape, "a b c d e",
       Then(Select({0, 1, 2}, 2), Copy), Paste, "a b c"},
      {"Paste without a current row", kPlainShape, "a b", NoRow(), Paste, nullptr},
      {"Paste with the caret on an unmarked row", kLooseShape, "a b c", Unmark(0), Paste, nullptr},
      {"Copy without a current row", kPlainShape, "a b", NoRow(), Copy, ""},
      {"Copy of the extra row", kSingleShape, "a b", Select(2), Copy, ""},
      {"Cut without a current row", kPlainShape, "a b", NoRow(), Cut, ""},
      {"Cut at the minimum keeps the copy", kSubShape, "a", Select(0), Cut, "a"},
      {"Delete at the minimum, single selection", kSingleShape, "a", Select(0), Delete, nullptr},
      {"Delete at the minimum, multi selection", kSubShape, "a", Select(0), Delete, nullptr},
      {"Delete of the extra row alone", kCondShape, "a b", Select(2), Delete, nullptr},
      {"Delete of the current row alone at the minimum", kSubShape, "a", Select(0),
       [](cTestList& l) { return l.m_List.Delete(0, 1); }, nullptr},
  };
  for (const cRefusal& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, c.m_pRecords);
    ASSERT_TRUE(c.m_Setup(l));
    std::string before = l.State();
    int beeps = l.m_View.m_nBeeps;
    EXPECT_EQ(c.m_Command(l), 0);
    EXPECT_EQ(l.m_View.m_nBeeps, beeps + 1);
    EXPECT_EQ(l.State(), before);
    if (c.m_pBuffer) {
      EXPECT_EQ(l.Buffer(), c.m_pBuffer);
    }
  }
}

TEST(ListCommands, RunFromTheirKeyAndMenuIdsOnlyWithTheFocus) {
  cTestList l(kSubShape, "a b c");
  ASSERT_TRUE(l.m_List.SelectAccelSet(1, 1));
  ASSERT_TRUE(l.m_List.SelectMenuSet(1, 1));
  l.Select(1);
  l.m_View.m_bFocus = 0;
  EXPECT_EQ(l.m_List.OnAccelCommand(40009), 0);  // cut, while another control has the focus
  EXPECT_EQ(l.Records(), "a b c");
  l.m_View.m_bFocus = 1;
  EXPECT_EQ(l.m_List.OnAccelCommand(0), 0);
  EXPECT_EQ(l.m_List.OnMenuCommand(40009), 0);  // a key id is no menu id
  EXPECT_EQ(l.m_List.OnMenuCommand(40038), 1);  // "切り取り"
  EXPECT_EQ(l.Records(), "a c");
  EXPECT_EQ(l.m_List.OnAccelCommand(40007), 1);  // Ctrl+V
  EXPECT_EQ(l.Records(), "a b c");
  EXPECT_EQ(l.m_List.OnAccelCommand(40033), 1);  // Ctrl+I inserts
  EXPECT_EQ(l.Records(), "a new b c");
  EXPECT_EQ(l.m_List.OnAccelCommand(40032), 1);  // Delete deletes
  EXPECT_EQ(l.Records(), "a b c");
  l.Select(3);
  EXPECT_EQ(l.m_List.OnMenuCommand(40043), 0);  // nothing marked but the extra row: refused
  EXPECT_EQ(l.m_View.m_nBeeps, 1);
}

// A page offers every command id to its list: -1 tells it that the list had nothing to do with it.
TEST(ListCommands, EveryCommandIdOfferedToTheListSaysWhetherItWasTheLists) {
  cTestList l(kSubShape, "a b c");
  ASSERT_TRUE(l.m_List.SelectAccelSet(1, 1));
  ASSERT_TRUE(l.m_List.SelectMenuSet(1, 1));
  l.Select(1);
  const struct {
    int m_bFocus;
    uint16_t m_wId;
    int m_nResult;
    const char* m_pRecords;
  } rows[] = {
      {0, 40009, -1, "a b c"},  // cut, while another control has the focus
      {1, 1219, -1, "a b c"},   // no id of the list
      {1, 0, -1, "a b c"},
      {1, 40039, 1, "a b c"},    // "コピー"
      {1, 40007, 1, "a b b c"},  // Ctrl+V
      {1, 40002, -1, "a b b c"},  // Ctrl+I of layout 0: not this list's
  };
  for (const auto& row : rows) {
    l.m_View.m_bFocus = row.m_bFocus;
    EXPECT_EQ(l.m_List.OnCommandId(row.m_wId), row.m_nResult) << row.m_wId;
    EXPECT_EQ(l.Records(), row.m_pRecords) << row.m_wId;
  }
  l.Select(4);
  EXPECT_EQ(l.m_List.OnCommandId(40043), 0) << "nothing marked but the extra row: refused";
  EXPECT_EQ(l.m_View.m_nBeeps, 1);
}

TEST(ListCommands, DatabaseListsClearOnDeleteAndAppendOnCtrlI) {
  cTestList l(kTableShape, "none a b");
  ASSERT_TRUE(l.m_List.SelectAccelSet(0, 1));
  l.Select(1);
  EXPECT_EQ(l.m_List.OnAccelCommand(40008), 1);  // Delete key of layout 0: clear
  EXPECT_EQ(l.Records(), "none a cleared");
  EXPECT_EQ(l.m_List.OnAccelCommand(40002), 1);  // Ctrl+I of layout 0: new
  EXPECT_EQ(l.Records(), "none a cleared new");
  EXPECT_EQ(l.m_List.OnAccelCommand(40032), 0);  // a layout 1 id this list does not have
}

TEST(ListCommands, AListWithoutASetAnswersTheDefaultIds) {
  cTestList l(kSubShape, "a b");
  l.Select(0);
  EXPECT_EQ(l.m_List.OnAccelCommand(40009), 1);
  EXPECT_EQ(l.Records(), "b");
  EXPECT_EQ(l.Buffer(), "a");
}

TEST(ListCommands, NameListsAddAndRemoveWithoutLimits) {
  cFakeListBox view(0);
  cVector<cString> names;
  cCtrlListCore<cString> list;
  cListParam<cString> param;
  param.Set(1328, nullptr, &names, nullptr, 0,
            [](cString* text, int32_t, const cString* name) { text->Set(name->GetStr()); }, 0, 0, 1000, 0, 1, 0);
  list.Attach(&view, param);
  cVector<cString> two;
  two.Add("a.bmp");
  two.Add("b.bmp");
  list.AddItems(two, 1);
  list.AddItem("a.bmp", 1);  // already there: nothing added, the list is refilled all the same
  EXPECT_EQ(view.m_vRows, (std::vector<std::string>{"a.bmp", "b.bmp", list.m_strExtraRow}));
  list.AddItem("a.bmp", 0);
  EXPECT_EQ(names.Count(), 3);
  list.RemoveAll();
  EXPECT_EQ(names.Count(), 0);
  EXPECT_EQ(view.m_vRows, std::vector<std::string>{list.m_strExtraRow});
  EXPECT_EQ(view.Calls("reset"), 5);
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/listctrl/ListFixture.h"

TEST(ListRows, NumbersRowsWithTheDigitsOfTheCount) {
  struct cCase {
    const char* m_pRecords;
    int m_nLeadOffset;
    const char* m_pFirst;
    const char* m_pLast;
  };
  const cCase cases[] = {
      {"r*12", 0, "01 r1", "12 r12"},
      {"r*9", 0, "1 r1", "9 r9"},
      {"r*100", 0, "001 r1", "100 r100"},
      {"r*100", 1, "01 r2", "99 r100"},  // entry 0 has no row
      {"r*10", 1, "1 r2", "9 r10"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pRecords);
    cTestList l({1, 1, 1, 999, c.m_nLeadOffset, 1, 0}, c.m_pRecords);
    EXPECT_EQ(l.m_View.m_vRows.front(), c.m_pFirst);
    EXPECT_EQ(l.m_View.m_vRows[l.m_View.m_vRows.size() - 2], c.m_pLast);
    EXPECT_EQ(l.m_View.m_vRows.back(), std::string(64, '-'));
  }
}

TEST(ListRows, LabelGetsTheVectorIndex) {
  cFakeListBox view(0);
  cVector<cTestRec> records = TestRecords("none a b");
  cCtrlListCore<cTestRec> list;
  cListParam<cTestRec> param;
  param.Set(1160, nullptr, &records, nullptr,
            [](cString* text, int32_t index, const cTestRec* record) {
              text->Format("%d:%s", index, record->m_strName.GetStr());
            },
            {0, 0, 1, 99, 1, 0, 0});
  list.Attach(&view, param);
  EXPECT_EQ(view.m_vRows, (std::vector<std::string>{"1:a", "2:b"}));
}

TEST(ListRows, AttachSelectsAFirstRowUnlessNoneIsRequired) {
  struct cCase {
    const char* m_pName;
    cListShape m_Shape;
    const char* m_pRecords;
    int m_nRows;
    int m_nCurrent;
    int m_bNoSelOk;
  };
  const cCase cases[] = {
      {"empty with the extra row: the extra row", {1, 0, 0, 99, 0, 1, 0}, "", 1, 0, 0},
      {"empty single list with the extra row", {0, 0, 0, 99, 0, 1, 0}, "", 1, 0, 0},
      {"empty, minimum 0, no extra row: nothing", {0, 0, 0, 99, 0, 0, 0}, "", 0, -1, 1},
      {"minimum 0 with the extra row keeps the block's flag", {1, 0, 0, 99, 0, 1, 1}, "", 1, -1, 1},
      {"a table with its none entry only", kTableShape, "none", 1, 0, 0},
      {"records: the first row", kTableShape, "none a b", 3, 0, 0},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, c.m_pRecords);
    EXPECT_EQ(static_cast<int>(l.m_View.m_vRows.size()), c.m_nRows);
    EXPECT_EQ(l.m_List.GetCurSel(), c.m_nCurrent);
    EXPECT_EQ(l.m_List.m_bNoSelOk, c.m_bNoSelOk);
  }
}

TEST(ListRows, BoundContainerChangesOnlyOnCommit) {
  cTestList l(kTableShape, "none a b");
  EXPECT_EQ(l.Records(), "none a b");
  EXPECT_EQ(l.m_Edit.m_strName, "a");
  l.m_List.New();
  EXPECT_EQ(l.m_vSource.Count(), 3);
  l.m_List.CtrlToData();
  EXPECT_EQ(l.m_vSource.Count(), 4);
  EXPECT_EQ(l.m_vSource[3].m_strName, "new");
}

TEST(ListRows, ExtraRowHasNoRecordIndex) {
  cTestList l(kTableShape, "none a b");
  EXPECT_EQ(l.m_List.IsExtraRow(2), 1);
  EXPECT_EQ(l.m_List.IsExtraRow(1), 0);
  l.Select(1);
  EXPECT_EQ(l.m_List.GetCurIndex(), 2);
  l.Select(2);
  EXPECT_EQ(l.m_List.GetCurIndex(), -1);
  cTestList plain(kPlainShape, "a b");
  EXPECT_EQ(plain.m_List.IsExtraRow(2), 0);
}

TEST(ListRows, SetCurSelKeepsRowsInRange) {
  struct cCase {
    const char* m_pName;
    cListShape m_Shape;
    int m_nRow;
    int m_nCurSel;  // m_nCurSel after
    int m_nCaret;   // the list box's caret (multi) or selection (single) after
    std::vector<int> m_vMarks;
    std::vector<int> m_vFlags;
  };
  const cCase cases[] = {
      {"-1 where a row is required: row 0", {0, 0, 1, 99, 0, 0, 0}, -1, 0, 0, {}, {}},
      {"-1 where none is required: no row", kPlainShape, -1, -1, -1, {}, {}},
      {"7 of 5 rows, single: no row", {0, 0, 1, 99, 0, 0, 0}, 7, -1, -1, {}, {}},
      // The flags stop at five: the last row is shown selected and becomes caret and anchor.
      {"7 of 5 rows, multi", {1, 0, 1, 99, 0, 0, 0}, 7, 4, 4, {0, 4}, {1, 0, 0, 0, 0}},
      {"2 of 5 rows, multi: marked besides row 0", {1, 0, 1, 99, 0, 0, 0}, 2, 2, 2, {0, 2}, {1, 0, 1, 0, 0}},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, "a b c d e");
    l.m_List.SetCurSel(c.m_nRow, 1);
    EXPECT_EQ(l.m_List.m_nCurSel, c.m_nCurSel);
    if (c.m_Shape.m_bMultiSel) {
      EXPECT_EQ(l.m_View.m_nCaret, c.m_nCaret);
      EXPECT_EQ(l.m_View.m_nAnchor, c.m_nCaret);
      EXPECT_EQ(l.m_View.Marked(), c.m_vMarks);
      EXPECT_EQ(std::vector<int>(l.m_List.m_vSelFlag.begin(), l.m_List.m_vSelFlag.end()), c.m_vFlags);
    } else {
      EXPECT_EQ(l.m_View.m_nCurSel, c.m_nCaret);
    }
  }
}

TEST(ListRows, CaretOnAnUnmarkedRowIsNoCurrentRow) {
  cTestList l(kSubShape, "a b c", 0);
  l.Select({0, 2}, 1);
  EXPECT_EQ(l.m_List.GetCurSel(), -1);
  EXPECT_EQ(l.m_List.GetCurIndex(), -1);
}

TEST(ListRows, EditedRecordComesFromAMarkedRow) {
  cTestList l(kSubShape, "a b c");
  l.Select({1, 2}, 0);
  EXPECT_EQ(l.m_List.GetCurSel(), 1);
  EXPECT_EQ(l.m_View.m_nAnchor, 1);
  EXPECT_EQ(l.m_Edit.m_strName, "b");
}

TEST(ListRows, SelectAtPointUsesTheRowUnderThePoint) {
  struct cCase {
    const char* m_pName;
    int m_nY;
    int m_nResult;
    std::vector<int> m_vMarks;
    const char* m_pEdited;
  };
  // Rows 0 and 2 are marked, row 2 is current; rows are 12 pixels high below a 2-pixel border.
  const cCase cases[] = {
      {"a marked row keeps the multi-selection", 202 + 12 * 0 + 5, 1, {0, 2}, "a"},
      {"an unmarked row becomes the only mark", 202 + 12 * 1 + 5, 1, {1}, "b"},
      {"1 pixel below the top: the first visible row", 201, 1, {0, 2}, "a"},
      {"below the last row: nothing", 202 + 12 * 5 + 1, 0, {0, 2}, "c"},
      {"outside the list box: nothing", 100, 0, {0, 2}, "c"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(kSubShape, "a b c d");
    l.Select({0, 2}, 2);
    l.m_View.m_bFocus = 0;
    EXPECT_EQ(l.m_List.SelectAtPoint(120, c.m_nY), c.m_nResult);
    EXPECT_EQ(l.m_View.Marked(), c.m_vMarks);
    EXPECT_EQ(l.m_Edit.m_strName, c.m_pEdited);
    EXPECT_EQ(l.m_View.m_bFocus, c.m_nResult);
  }
}

TEST(ListRows, SelectAtPointCountsFromTheTopRow) {
  cTestList l(kSingleShape, "r*30");
  l.m_View.m_nTop = 10;
  EXPECT_EQ(l.m_List.SelectAtPoint(120, 202 + 12 * 3), 1);
  EXPECT_EQ(l.m_List.GetCurSel(), 13);
  EXPECT_EQ(l.m_List.m_nTopIndex, 10);
  EXPECT_EQ(l.m_Edit.m_strName, "r14");
}

TEST(ListRows, RedrawBringsBackTheMarksOfThePreviousCommand) {
  cTestList l(kSubShape, "a b c d");
  l.Select({1, 3}, 3);
  l.m_View.CtrlClick(1);
  l.m_View.CtrlClick(3);
  l.m_List.OnSelChange();
  EXPECT_TRUE(l.m_View.Marked().empty());
  l.m_List.Redraw();
  EXPECT_EQ(l.m_View.Marked(), (std::vector<int>{1, 3}));
  EXPECT_EQ(l.m_List.GetCurSel(), 3);
}

TEST(ListRows, SingleRedrawFallsBackToThePreviousRowOrRow0) {
  cTestList l(kSingleShape, "a b c");
  l.Select(2);
  l.m_List.m_nCurSel = -1;
  l.m_List.Redraw();
  EXPECT_EQ(l.m_View.m_nCurSel, 2);
  l.m_List.m_nCurSel = 9;
  l.m_List.Redraw();
  EXPECT_EQ(l.m_View.m_nCurSel, 0);
}

TEST(ListRows, SelectionChangeLoadsOrBlanksTheEditedRecord) {
  cTestList l(kSubShape, "a b");
  l.Select(1);
  EXPECT_EQ(l.m_Edit.m_strName, "b");
  l.m_View.Click(2);
  EXPECT_EQ(l.m_List.OnSelChange(), 0);  // the extra row
  EXPECT_EQ(l.m_Edit.m_strName, "new");
  l.m_View.Click(0);
  EXPECT_EQ(l.m_List.OnSelChange(), 1);
  EXPECT_EQ(l.m_Edit.m_strName, "a");
}

TEST(ListRows, StoreEditedWritesTheRecordAndItsRow) {
  cTestList l(kTableShape, "none a b c");
  l.Select(1);
  l.m_Edit.m_strName = "B";
  EXPECT_EQ(l.m_List.StoreEdited(), 1);
  EXPECT_EQ(l.Records(), "none a B c");
  EXPECT_EQ(l.m_View.m_vRows[1], "2 B");
  EXPECT_EQ(l.m_View.Marked(), std::vector<int>{1});
  l.Select(3);
  std::string before = l.State();
  l.m_Edit.m_strName = "X";
  EXPECT_EQ(l.m_List.StoreEdited(), 0);  // the extra row
  l.m_Edit.m_strName = "new";
  EXPECT_EQ(l.State(), before);
}

TEST(ListRows, DataToCtrlMovesACurrentRowThatFellBehindTheEnd) {
  struct cCase {
    const char* m_pName;
    cListShape m_Shape;
    const char* m_pRecords;
    int m_nRow;
    int m_nCurrent;
    const char* m_pEdited;
  };
  const cCase cases[] = {
      {"offset 0: the last record", kSubShape, "a b c d", 3, 1, "b"},
      // The extra row loads nothing: the edited record keeps what it had.
      {"offset 1 with the extra row: the extra row", kTableShape, "none a b c d", 3, 2, "d"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, c.m_pRecords);
    l.Select(c.m_nRow);
    l.m_vSource.resize(l.m_vSource.size() - 2);  // the document lost two records
    l.m_List.DataToCtrl();
    l.m_List.Redraw();
    EXPECT_EQ(l.m_List.GetCurSel(), c.m_nCurrent);
    EXPECT_EQ(l.m_Edit.m_strName, c.m_pEdited);
    EXPECT_TRUE(l.RowsShowRecords());
  }
}

TEST(ListRows, KillFocusPutsTheCurrentRowBack) {
  cTestList l(kSingleShape, "a b c");
  l.Select(1);
  l.m_View.m_nCurSel = -1;
  l.m_List.OnKillFocus();
  EXPECT_EQ(l.m_View.m_nCurSel, 1);
}

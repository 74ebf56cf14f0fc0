#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/listctrl/ListFixture.h"

namespace {
// The sub-dialog: it edits the record at the list's current index in place and is confirmed with
// the next of its names, or cancelled when it has none left.
struct cFakeDialog {
  cFakeDialog(cTestList& list, std::vector<std::string> names) : m_List(list), m_vNames(std::move(names)) {}
  int operator()() {
    int index = m_List.m_List.GetCurIndex();
    m_vSeen.push_back(m_List.m_vWork.At(index).m_strName);
    if (m_vNames.empty()) return 0;
    m_List.m_vWork.At(index).m_strName = m_vNames.front();
    m_vNames.erase(m_vNames.begin());
    return 1;
  }
  cTestList& m_List;
  std::vector<std::string> m_vNames;
  std::vector<std::string> m_vSeen;  // the records the dialog opened on
};

// The lists that edit in a sub-dialog have no edited record.
constexpr int kNoEdited = 0;
}  // namespace

TEST(ListEdit, EditsOnlyARecordRow) {
  struct cCase {
    const char* m_pName;
    cListShape m_Shape;
    int m_nRow;  // -1: no row
    int m_bConfirm;
    int m_nResult;
    std::vector<std::string> m_vSeen;
    const char* m_pRecords;
  };
  const cCase cases[] = {
      {"confirmed: the record and its row change", kSubShape, 1, 1, 1, {"b"}, "a x c"},
      {"cancelled: nothing changes", kSubShape, 1, 0, 0, {"b"}, "a b c"},
      {"the extra row opens nothing", kSubShape, 3, 1, 0, {}, "a b c"},
      {"no current row opens nothing", kPlainShape, -1, 1, 0, {}, "a b c"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, "a b c", kNoEdited);
    if (c.m_nRow >= 0) l.Select(c.m_nRow);
    else l.m_List.SetCurSel(-1, 0);
    std::string before = l.State();
    cFakeDialog dialog(l, c.m_bConfirm ? std::vector<std::string>{"x"} : std::vector<std::string>{});
    EXPECT_EQ(l.m_List.EditCurrent(dialog), c.m_nResult);
    EXPECT_EQ(dialog.m_vSeen, c.m_vSeen);
    EXPECT_EQ(l.Records(), c.m_pRecords);
    if (!c.m_nResult) {
      EXPECT_EQ(l.State(), before);
    }
  }
  cTestList l(kSubShape, "a b c", kNoEdited);
  l.Select(1);
  cFakeDialog dialog(l, {"x"});
  l.m_List.EditCurrent(dialog);
  EXPECT_EQ(l.m_View.m_vRows[1], "x");
  EXPECT_EQ(l.m_List.GetCurSel(), 1);
}

TEST(ListEdit, InsertAndEdit) {
  struct cCase {
    const char* m_pName;
    cListShape m_Shape;
    const char* m_pRecords;
    std::vector<int> m_vMarks;
    int m_nCaret;
    std::vector<std::string> m_vNames;  // one insert per name; none: one cancelled insert
    int m_nResult;                      // of the last insert
    const char* m_pRecordsAfter;
    int m_nCurrent;
    int m_nBeeps;
    int m_nDialogs;
  };
  const cCase cases[] = {
      {"cancelled: the new row goes again", kSubShape, "a b c", {1}, 1, {}, 0, "a b c", 1, 0, 1},
      // Only the new row goes, however many rows after it are marked.
      {"cancelled with rows 1 to 3 marked", kSubShape, "a b c d", {1, 2, 3}, 1, {}, 0, "a b c d", 1, 0, 1},
      {"confirmed twice: in the order of entry", kSubShape, "a b c", {1}, 1, {"x", "y"}, 1, "a x y b c", 3, 0, 2},
      {"at the extra row: appended, the extra row current again", kSubShape, "a b", {2}, 2, {"x"}, 1, "a b x", 3,
       0, 1},
      {"at the maximum: a beep and no dialog", {1, 0, 1, 3, 0, 1, 0}, "a b c", {0}, 0, {"x"}, 0, "a b c", 0, 1, 0},
      // An empty list that must hold one record keeps the default row: the delete refuses.
      {"cancelled at the minimum: the default row stays", kSubShape, "", {0}, 0, {}, 0, "new", 0, 1, 1},
      {"cancelled at the minimum, single selection", kSingleShape, "", {0}, 0, {}, 0, "new", 0, 1, 1},
      {"cancelled above the minimum", kSingleShape, "a", {0}, 0, {}, 0, "a", 0, 0, 1},
      // The caret's row was not marked: the new row at row 0 is edited all the same.
      {"caret on an unmarked row", kSubShape, "a b c", {1, 2}, 0, {"x"}, 1, "x a b c", 1, 0, 1},
      {"single selection", kSingleShape, "a b", {1}, 1, {"x"}, 1, "a x b", 2, 0, 1},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cTestList l(c.m_Shape, c.m_pRecords, kNoEdited);
    l.Select(c.m_vMarks, c.m_nCaret);
    cFakeDialog dialog(l, c.m_vNames);
    int result = 0;
    for (size_t i = 0; i < std::max<size_t>(c.m_vNames.size(), 1); ++i) result = l.m_List.InsertAndEdit(dialog);
    EXPECT_EQ(result, c.m_nResult);
    EXPECT_EQ(l.Records(), c.m_pRecordsAfter);
    EXPECT_EQ(l.m_List.GetCurSel(), c.m_nCurrent);
    EXPECT_EQ(l.m_View.m_nBeeps, c.m_nBeeps);
    EXPECT_EQ(static_cast<int>(dialog.m_vSeen.size()), c.m_nDialogs);
    for (const std::string& seen : dialog.m_vSeen) EXPECT_EQ(seen, "new");
    EXPECT_TRUE(l.RowsShowRecords());
  }
}

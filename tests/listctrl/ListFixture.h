#pragma once
// A record list over small named records, shown in the fake list box, with the shapes of the
// editor's kinds of list.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "listctrl/cCtrlListCore.h"
#include "tests/support/FakeListBox.h"

// A fresh record is "new"; one reset by Clear and the like is "cleared".
struct cTestRec {
  cString m_strName = "new";
  void SetDefaults() { m_strName = "cleared"; }
};

inline void TestRowLabel(cString* text, int32_t, const cTestRec* record) { text->Set(record->m_strName.GetStr()); }

// multi, numbered, min, max, leading offset, extra row, no selection allowed
constexpr cListShape kTableShape = {1, 1, 1, 999, 1, 1, 0};  // a database table; entry 0 gets no row
constexpr cListShape kSubShape = {1, 0, 1, 99, 0, 1, 0};     // frames, positions, pages
constexpr cListShape kCondShape = {1, 0, 0, 99, 0, 1, 0};    // conditions: may be emptied
constexpr cListShape kLooseShape = {1, 0, 0, 99, 0, 1, 1};   // multi-selection that may lose its marks
constexpr cListShape kSingleShape = {0, 0, 1, 99, 0, 1, 0};
constexpr cListShape kPlainShape = {0, 0, 0, 99, 0, 0, 0};  // single, no extra row: may be without selection

// "a b c" -> three records; "r*5" -> r1 .. r5.
inline cVector<cTestRec> TestRecords(const std::string& names) {
  cVector<cTestRec> records;
  std::istringstream in(names);
  std::string name;
  while (in >> name) {
    size_t star = name.find('*');
    if (star == std::string::npos) {
      records.push_back(cTestRec{name});
      continue;
    }
    int count = std::stoi(name.substr(star + 1));
    for (int i = 1; i <= count; ++i) records.push_back(cTestRec{name.substr(0, star) + std::to_string(i)});
  }
  return records;
}

class cTestList {
public:
  cTestList(const cListShape& shape, const std::string& names, int edited = 1) : m_View(shape.m_bMultiSel) {
    m_vSource = TestRecords(names);
    cListParam<cTestRec> param;
    param.Set(1044, &m_vSource, &m_vWork, edited ? &m_Edit : nullptr, TestRowLabel, shape);
    m_List.Attach(&m_View, param);
    m_View.m_bFocus = 1;
  }
  cTestList(const cTestList&) = delete;
  cTestList& operator=(const cTestList&) = delete;

  // The user marks rows (the first with a click, the others with Ctrl) and leaves the caret on
  // caret; the page hears LBN_SELCHANGE and redraws at the end of that command.
  void Select(const std::vector<int>& marks, int caret) {
    if (!marks.empty()) m_View.Click(marks[0]);
    for (size_t i = 1; i < marks.size(); ++i) m_View.CtrlClick(marks[i]);
    if (m_View.m_bMultiSel && caret >= 0) m_View.m_nCaret = m_View.m_nAnchor = caret;
    m_List.OnSelChange();
    m_List.Redraw();
  }
  void Select(int row) { Select({row}, row); }

  std::string Records() const {
    std::string names;
    for (const cTestRec& record : m_vWork) names += (names.empty() ? "" : " ") + record.m_strName;
    return names;
  }
  std::string Buffer() const {
    std::string names;
    for (const cTestRec& record : m_List.m_vCopyBuf) names += (names.empty() ? "" : " ") + record.m_strName;
    return names;
  }
  // Everything the user can see or the page can read.
  std::string State() {
    std::ostringstream out;
    out << "records [" << Records() << "] rows [";
    for (const std::string& row : m_View.m_vRows) out << row << "|";
    out << "] marks [";
    for (int row : m_View.Marked()) out << row << " ";
    out << "] caret " << m_View.m_nCaret << " anchor " << m_View.m_nAnchor << " cursel " << m_View.m_nCurSel
        << " top " << m_View.m_nTop << " current " << m_List.GetCurSel() << " edited " << m_Edit.m_strName;
    return out.str();
  }
  // Every record row shows its record's label (after its number in a numbered list), and the
  // extra row ends the list.
  ::testing::AssertionResult RowsShowRecords() {
    int rows = m_List.RecordRows();
    if (static_cast<int>(m_View.m_vRows.size()) != m_List.RowCount())
      return ::testing::AssertionFailure() << m_View.m_vRows.size() << " rows for " << m_List.RowCount();
    for (int row = 0; row < rows; ++row) {
      const std::string& name = m_vWork[row + m_List.m_nLeadOffset].m_strName;
      const std::string& text = m_View.m_vRows[row];
      if (text.size() < name.size() || text.compare(text.size() - name.size(), name.size(), name) != 0)
        return ::testing::AssertionFailure() << "row " << row << " shows " << text << " for " << name;
    }
    if (m_List.m_bExtraRow && m_View.m_vRows.back() != m_List.m_strExtraRow)
      return ::testing::AssertionFailure() << "no extra row";
    return ::testing::AssertionSuccess();
  }

  cFakeListBox m_View;
  cVector<cTestRec> m_vSource;
  cVector<cTestRec> m_vWork;
  cTestRec m_Edit;
  cCtrlListCore<cTestRec> m_List;
};

#pragma once
// A list box of the tests' own behind the list view interface: it keeps rows, marks, caret,
// anchor and top row as a Windows list box does (requests outside the rows are refused), counts
// every call and lets a test act as the user (clicks, Ctrl-clicks).

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "listctrl/cListBoxView.h"

class cFakeListBox : public cListBoxView {
public:
  explicit cFakeListBox(int multiSel) : m_bMultiSel(multiSel) {}

  void ResetContent() override {
    Count("reset");
    m_vRows.clear();
    m_vSel.clear();
    m_nCurSel = -1;
    m_nCaret = 0;
    m_nAnchor = -1;
    m_nTop = 0;
  }
  void AddString(const char* text) override {
    Count("add");
    m_vRows.push_back(text);
    m_vSel.push_back(0);
  }
  void InsertString(int row, const char* text) override {
    Count("insert");
    if (row < 0 || row > GetRows()) row = GetRows();
    m_vRows.insert(m_vRows.begin() + row, text);
    m_vSel.insert(m_vSel.begin() + row, 0);
    if (m_nCurSel >= row) ++m_nCurSel;
  }
  void DeleteString(int row) override {
    Count("delete");
    if (row < 0 || row >= GetRows()) return;
    m_vRows.erase(m_vRows.begin() + row);
    m_vSel.erase(m_vSel.begin() + row);
    if (m_nCurSel == row) m_nCurSel = -1;
    else if (m_nCurSel > row) --m_nCurSel;
  }
  int GetCount() override { return GetRows(); }

  int GetCurSel() override { return m_bMultiSel ? m_nCaret : m_nCurSel; }
  void SetCurSel(int row) override {
    Count("setcursel");
    if (m_bMultiSel || row < -1 || row >= GetRows()) return;
    m_nCurSel = row;
    if (row >= 0) m_nCaret = row;
  }

  void GetSelItems(cVector<int>& rows) override {
    Count("getsel");
    rows.clear();
    for (int row = 0; row < GetRows(); ++row)
      if (m_vSel[row]) rows.push_back(row);
  }
  void SetSel(int flag, int row) override {
    Count("setsel");
    if (!m_bMultiSel || row < -1 || row >= GetRows()) return;
    if (row == -1) m_vSel.assign(m_vSel.size(), flag ? 1 : 0);
    else m_vSel[row] = flag ? 1 : 0;
  }
  int GetCaretIndex() override { return m_nCaret; }
  void SetCaretIndex(int row) override {
    Count("caret");
    if (row >= 0 && row < GetRows()) m_nCaret = row;
  }
  int GetAnchorIndex() override { return m_nAnchor; }
  void SetAnchorIndex(int row) override {
    Count("anchor");
    if (row >= -1 && row < GetRows()) m_nAnchor = row;
  }
  int GetTopIndex() override { return m_nTop; }
  void SetTopIndex(int row) override {
    Count("top");
    if (row >= 0 && row < GetRows()) m_nTop = row;
  }

  // Rows of 12 pixels in a window at (100, 200) that shows 10 rows below a 2-pixel border.
  int ItemFromPoint(int x, int y) override {
    if (x < 100 || x >= 100 + 150 || y < 200 || y >= 200 + 124) return -1;
    int row = m_nTop + std::max(y - 202, 0) / 12;
    return row < GetRows() ? row : -1;
  }
  void SetRedraw(int on) override {
    Count(on ? "redraw on" : "redraw off");
    m_bRedraw = on;
  }
  void SetFocus() override { m_bFocus = 1; }
  int HasFocus() override { return m_bFocus; }
  void Beep() override { ++m_nBeeps; }

  // The user: a click marks one row alone, a Ctrl-click toggles a row; both move caret and anchor.
  void Click(int row) {
    if (!m_bMultiSel) {
      m_nCurSel = row;
      return;
    }
    m_vSel.assign(m_vSel.size(), 0);
    m_vSel.at(row) = 1;
    m_nCaret = m_nAnchor = row;
  }
  void CtrlClick(int row) {
    m_vSel.at(row) = !m_vSel.at(row);
    m_nCaret = m_nAnchor = row;
  }
  // The marked rows as a list box shows them.
  std::vector<int> Marked() const {
    std::vector<int> rows;
    for (int row = 0; row < GetRows(); ++row)
      if (m_vSel[row]) rows.push_back(row);
    return rows;
  }
  int Calls(const std::string& what) const {
    auto found = m_Calls.find(what);
    return found == m_Calls.end() ? 0 : found->second;
  }
  void ForgetCalls() {
    m_Calls.clear();
    m_vLog.clear();
  }

  int m_bMultiSel;
  std::vector<std::string> m_vRows;
  std::vector<int> m_vSel;
  int m_nCurSel = -1;
  int m_nCaret = 0;
  int m_nAnchor = -1;
  int m_nTop = 0;
  int m_bRedraw = 1;
  int m_bFocus = 0;
  int m_nBeeps = 0;
  std::vector<std::string> m_vLog;  // every changing call in order

private:
  int GetRows() const { return static_cast<int>(m_vRows.size()); }
  void Count(const char* what) {
    ++m_Calls[what];
    m_vLog.push_back(what);
  }

  std::map<std::string, int> m_Calls;
};

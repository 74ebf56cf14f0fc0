#pragma once
// The rows of a record list over a vector of records: the records after the leading entries (which
// are never shown), then an end row that holds none. Keeps the current row and the marked rows of
// a multi-selection, and edits the vector within the list's limits; an edit beyond them changes
// nothing and returns 0 (the list beeps).

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/cVector.h"

struct cRowShape {
  int32_t m_nLeading = 0;  // entries never shown
  int32_t m_nFewest = 1;   // shown records, at least
  int32_t m_nMost = 999;   // and at most
};

template <class T>
class cRecordRows {
public:
  cRecordRows(cVector<T>& records, cRowShape shape) : m_Records(records), m_Shape(shape) {}

  const cRowShape& Shape() const { return m_Shape; }
  // Records shown; their rows are 0 to Shown() - 1, the end row is Shown().
  int Shown() const { return std::max(0, m_Records.Count() - m_Shape.m_nLeading); }
  int CurRow() const { return std::min(m_nRow, Shown()); }
  // A request for no row (-1) selects row 0; a row past the end row selects the end row. Marks go.
  void SetCurSel(int row) {
    m_nRow = std::clamp(row, 0, Shown());
    m_vMarked.clear();
  }
  // The selected record's index in the vector; -1 on the end row.
  int CurIndex() const { return IsRecordRow(CurRow()) ? CurRow() + m_Shape.m_nLeading : -1; }
  T* Current() { return CurIndex() < 0 ? nullptr : &m_Records[CurIndex()]; }
  int IsRecordRow(int row) const { return row >= 0 && row < Shown(); }

  // The rows selected together with the current one; the end row and rows past it do not count.
  void SetMarked(const std::vector<int>& rows) { m_vMarked = rows; }
  // The selected record rows, ascending: the marks, or else the current row.
  std::vector<int> SelectedRows() const {
    std::vector<int> rows;
    for (int row : m_vMarked.empty() ? std::vector<int>{CurRow()} : m_vMarked)
      if (IsRecordRow(row)) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
  }

  // Appends a default record and selects it.
  int New() {
    if (Shown() >= m_Shape.m_nMost) return 0;
    m_Records.push_back(T());
    SetCurSel(Shown() - 1);
    return 1;
  }
  // A default record at the row (the end row appends); the record there moves down, the new one
  // is selected.
  int InsertAt(int row) {
    if (Shown() >= m_Shape.m_nMost) return 0;
    row = std::clamp(row, 0, Shown());
    m_Records.InsertAt(row + m_Shape.m_nLeading, T());
    SetCurSel(row);
    return 1;
  }
  int Insert() { return InsertAt(CurRow()); }
  // Removes the selected records; the row of the first of them is selected afterwards.
  int Delete() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty() || Shown() - static_cast<int>(rows.size()) < m_Shape.m_nFewest) return 0;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) m_Records.EraseAt(*row + m_Shape.m_nLeading);
    SetCurSel(rows.front());
    return 1;
  }
  // Takes the record of a row out again, whatever the limits (a cancelled insert); the row after
  // it is then selected.
  void RemoveAt(int row) {
    if (!IsRecordRow(row)) return;
    m_Records.EraseAt(row + m_Shape.m_nLeading);
    SetCurSel(row);
  }
  // Resets the selected records to their defaults.
  int Clear() {
    std::vector<int> rows = SelectedRows();
    for (int row : rows) m_Records[row + m_Shape.m_nLeading].SetDefaults();
    return rows.empty() ? 0 : 1;
  }
  // Makes the list count shown records long: default records appended or the last ones cut. The
  // current row stays while it still holds a record, else row 0 is selected.
  int SetCount(int count) {
    if (count < m_Shape.m_nFewest || count > m_Shape.m_nMost) return 0;
    int row = CurRow();
    m_Records.resize(static_cast<size_t>(count + m_Shape.m_nLeading));
    SetCurSel(row < count ? row : 0);
    return 1;
  }

private:
  cVector<T>& m_Records;
  cRowShape m_Shape;
  int m_nRow = 0;
  std::vector<int> m_vMarked;
};

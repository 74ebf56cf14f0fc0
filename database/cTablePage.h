#pragma once
// The table page: a working copy of one database table edited through a record list, the record
// being edited, and the apply that writes the copy back. Every page of the database window is
// one; the window's page shows the record and its controls, this keeps the rules.

#include <cstdint>

#include "app/cVector.h"
#include "database/cRecordRows.h"

// What the database window asks of each of its pages.
class cDbPageCore {
public:
  virtual ~cDbPageCore() = default;
  // The sheet made the page's window (its tab was shown for the first time).
  virtual void OnShown() = 0;
  // Writes the working copy into the table when the page was shown; a page never shown leaves
  // its table as it is.
  virtual void Apply() = 0;
  int WasShown() const { return m_bShown; }

protected:
  int32_t m_bShown = 0;
};

// Every table list: multi-selection, row numbers, 1 to 999 shown records and an end row.
constexpr int kTableFewest = 1;
constexpr int kTableMost = 999;

template <class T>
class cTablePageCore : public cDbPageCore {
public:
  // leading: 1 where entry 0 is the reserved entry, 0 on the pages without one. The table itself
  // gets default records up to its minimum size, before any apply.
  cTablePageCore(cVector<T>& table, int leading, int minimumTable)
      : m_Table(table), m_Rows(m_vWork, cRowShape{leading, kTableFewest, kTableMost}) {
    while (m_Table.Count() < minimumTable) m_Table.push_back(T());
    m_vWork = m_Table;
    ReloadEdited();
  }
  cTablePageCore(const cTablePageCore&) = delete;
  cTablePageCore& operator=(const cTablePageCore&) = delete;

  // The list takes the table again, its first row is selected and shown.
  void OnShown() override {
    m_bShown = 1;
    m_vWork = m_Table;
    m_Rows.SetCurSel(0);
    ReloadEdited();
  }
  void Apply() override {
    if (m_bShown) m_Table = m_vWork;
  }

  // m_Edit becomes the selected record, or the first shown one on the end row.
  void ReloadEdited() {
    int index = m_Rows.CurIndex();
    if (index < 0) index = m_Rows.Shape().m_nLeading;
    if (index < m_vWork.Count()) m_Edit = m_vWork[index];
  }
  // A row picked in the list: its record is edited from now on (the end row keeps m_Edit).
  void OnSelChange(int row) {
    m_Rows.SetCurSel(row);
    if (const T* record = m_Rows.Current()) m_Edit = *record;
  }
  // The controls' values, stored into m_Edit, go into the selected record; 0 on the end row.
  int StoreEdited() {
    T* record = m_Rows.Current();
    if (!record) return 0;
    *record = m_Edit;
    return 1;
  }

  // The list's own edits; each shows the record it leaves selected.
  int New() { return Reloaded(m_Rows.New()); }
  int Clear() { return Reloaded(m_Rows.Clear()); }
  // The value the data count dialog starts at: the shown records.
  int DataCount() const { return m_Rows.Shown(); }
  // The number the data count dialog returned; 0 outside 1..999.
  int SetDataCount(int count) { return Reloaded(m_Rows.SetCount(count)); }

  cVector<T>& Table() { return m_Table; }
  cRecordRows<T>& Rows() { return m_Rows; }

  cVector<T> m_vWork;
  T m_Edit;

private:
  int Reloaded(int changed) {
    if (changed) ReloadEdited();
    return changed;
  }

  cVector<T>& m_Table;
  cRecordRows<T> m_Rows;
};

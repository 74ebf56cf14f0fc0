#pragma once
// The table page: a working copy of one database table edited through the page's record list, the
// record being edited, and the apply that writes the copy back. Every page of the database window
// is one; the window's page shows the record and its controls, this keeps the rules.
//
// The page's list control is the record list of the table: the page attaches it with ListParam()
// (the table bound, m_vWork the working copy, m_Edit the edited record) and binds it here before
// the page is shown; rows, selection and the list's commands are the list's own.

#include <algorithm>
#include <cstdint>

#include "app/cVector.h"
#include "listctrl/ListInstances.h"
#include "listctrl/ListRowLabels.h"
#include "listctrl/cCtrlListCore.h"

// What the database window asks of each of its pages.
class cDbPageCore {
public:
  virtual ~cDbPageCore() = default;
  // The sheet made the page's window (its tab was shown for the first time); its lists are bound.
  virtual void OnShown() = 0;
  // Writes the working copy into the table when the page was shown; a page never shown leaves
  // its table as it is.
  virtual void Apply() = 0;
  int WasShown() const { return m_bShown; }

protected:
  int32_t m_bShown = 0;
};

template <class T>
class cTablePageCore : public cDbPageCore {
public:
  // list: the editor's list of this table (leading offset 1 where entry 0 is the reserved entry).
  // The table itself gets default records up to its minimum size, before any apply.
  cTablePageCore(cVector<T>& table, const cListInstance& list, int minimumTable)
      : m_Table(table), m_Instance(list) {
    while (m_Table.Count() < minimumTable) m_Table.push_back(T());
    m_vWork = m_Table;
    ReloadEdited();
  }
  cTablePageCore(const cTablePageCore&) = delete;
  cTablePageCore& operator=(const cTablePageCore&) = delete;

  // The parameter block of the page's list: the table bound, m_vWork edited, names as rows.
  cListParam<T> ListParam() {
    cListParam<T> param;
    param.Set(m_Instance.m_wListId, &m_Table, &m_vWork, &m_Edit, NameRowLabel<T>, m_Instance.m_Shape);
    return param;
  }
  // The list attached with that block.
  void BindList(cCtrlListCore<T>& list) { m_pList = &list; }

  // The list takes the table again, its first row is selected and edited.
  void OnShown() override {
    m_bShown = 1;
    m_pList->DataToCtrl();
    m_pList->SetCurSel(0, 1);
    Reloaded(1);
  }
  void Apply() override {
    if (m_bShown) m_pList->CtrlToData();
  }

  // m_Edit becomes the selected record, or the first shown one without a record row selected.
  void ReloadEdited() {
    int index = m_pList ? m_pList->GetCurIndex() : -1;
    if (index < 0) index = m_Instance.m_Shape.m_nLeadOffset;
    if (index < m_vWork.Count()) m_Edit = m_vWork[index];
  }
  // LBN_SELCHANGE of the list: the record selected is edited from now on (a blank one on the end row).
  void OnSelChange() {
    m_pList->OnSelChange();
    OnEditedChanged();
  }
  // The controls' values, stored into m_Edit, go into the selected record; 0 on the end row.
  int StoreEdited() { return m_pList->StoreEdited(); }

  // The list's own edits; each leaves the record it selects edited.
  int New() { return Reloaded(m_pList->New()); }
  int Clear() { return Reloaded(m_pList->Clear()); }
  // A key or popup-menu command of the list (cut, copy, paste, new, insert, clear, delete); 1 when
  // the list carried it out.
  int ListCommand(uint16_t id) { return Reloaded(m_pList->OnAccelCommand(id) || m_pList->OnMenuCommand(id)); }
  // The value the data count dialog starts at: the shown records.
  int DataCount() const { return std::max(0, m_vWork.Count() - m_Instance.m_Shape.m_nLeadOffset); }
  // The number the data count dialog returned; 0 (a beep) outside 1..999.
  int SetDataCount(int count) { return Reloaded(m_pList->SetCount(count)); }

  cVector<T>& Table() { return m_Table; }
  cCtrlListCore<T>& List() { return *m_pList; }

  cVector<T> m_vWork;
  T m_Edit;

protected:
  // m_Edit may be another record now: what shows a part of it follows.
  virtual void OnEditedChanged() {}

private:
  int Reloaded(int changed) {
    if (changed) OnEditedChanged();
    return changed;
  }

  cVector<T>& m_Table;
  const cListInstance& m_Instance;
  cCtrlListCore<T>* m_pList = nullptr;
};

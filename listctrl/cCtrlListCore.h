#pragma once
// The record list over a vector of records of type T: binding to the page's vectors, the edited
// record, the editing commands with their copy buffer and the limits, and the decisions around an
// edit in a sub-dialog. The Windows list control derives from it and only forwards.
//
// The list never owns its records: it edits the page's working vector, reloaded from and
// committed to a bound container when the page names one. Every refusal beeps, returns 0 and
// leaves the records, the marks and the edited record as they were.

#include <algorithm>
#include <cstdint>
#include <utility>

#include "app/cString.h"
#include "app/cVector.h"
#include "listctrl/cListRows.h"

// The label callback: writes the text of the record at index of the working vector (leading
// records included); a numbered list puts the row number in front itself.
template <class T>
using tRowLabel = void (*)(cString* text, int32_t index, const T* record);

// The parameter block with which a page configures a list, in the order Set takes its fields.
template <class T>
struct cListParam {
  uint32_t m_wId = 0;  // low 16 bits: the list box
  cVector<T>* m_pSource = nullptr;
  cVector<T>* m_pWork = nullptr;
  T* m_pEdit = nullptr;
  int32_t m_bMultiSel = 0;
  tRowLabel<T> m_pfnLabel = nullptr;
  int32_t m_bNumbered = 0;
  int32_t m_nMinCount = 0;
  int32_t m_nMaxCount = 0;
  int32_t m_nLeadOffset = 0;
  int32_t m_bExtraRow = 0;
  int32_t m_bNoSelOk = 0;

  void Set(uint32_t id, cVector<T>* source, cVector<T>* work, T* edit, int32_t multiSel, tRowLabel<T> label,
           int32_t numbered, int32_t minCount, int32_t maxCount, int32_t leadOffset, int32_t extraRow,
           int32_t noSelOk) {
    m_wId = id;
    m_pSource = source;
    m_pWork = work;
    m_pEdit = edit;
    m_bMultiSel = multiSel;
    m_pfnLabel = label;
    m_bNumbered = numbered;
    m_nMinCount = minCount;
    m_nMaxCount = maxCount;
    m_nLeadOffset = leadOffset;
    m_bExtraRow = extraRow;
    m_bNoSelOk = noSelOk;
  }
  // The same with the shape of one of the editor's lists.
  void Set(uint32_t id, cVector<T>* source, cVector<T>* work, T* edit, tRowLabel<T> label, const cListShape& shape) {
    Set(id, source, work, edit, shape.m_bMultiSel, label, shape.m_bNumbered, shape.m_nMinCount, shape.m_nMaxCount,
        shape.m_nLeadOffset, shape.m_bExtraRow, shape.m_bNoSelOk);
  }
  cListShape Shape() const {
    return {m_bMultiSel, m_bNumbered, m_nMinCount, m_nMaxCount, m_nLeadOffset, m_bExtraRow, m_bNoSelOk};
  }
};

// A record back to its defaults: its own SetDefaults where it has one (some keep sub-lists), a
// fresh record otherwise.
template <class T>
auto ResetListRecord(T& record, int) -> decltype(record.SetDefaults(), void()) {
  record.SetDefaults();
}
template <class T>
void ResetListRecord(T& record, long) {
  record = T();
}
template <class T>
void ResetListRecord(T& record) {
  ResetListRecord(record, 0);
}

template <class T>
class cCtrlListCore : public cListRows {
public:
  cVector<T>* m_pSource = nullptr;
  cVector<T>* m_pWork = nullptr;
  T* m_pEdit = nullptr;
  cVector<T> m_vCopyBuf;
  T m_Blank;  // never changed; the edited record when no record row is current
  tRowLabel<T> m_pfnLabel = nullptr;

  // Binds the list to its list box and the page's vectors, selects the first row and fills.
  void Attach(cListBoxView* view, const cListParam<T>& param) {
    m_pView = view;
    m_pSource = param.m_pSource;
    m_pWork = param.m_pWork;
    if (m_pSource && m_pWork) *m_pWork = *m_pSource;
    if (m_pWork && param.m_bMultiSel) {
      int rows = m_pWork->Count() - param.m_nLeadOffset + (param.m_bExtraRow ? 1 : 0);
      if (rows > 0) m_vSelFlag.resize(rows, 0);
    }
    m_pEdit = param.m_pEdit;
    m_pfnLabel = param.m_pfnLabel;
    SetShape(param.Shape());
    m_nCurSel = m_nPrevSel = m_nAnchor = -1;
    m_nTopIndex = 0;
    if (RecordCount() >= 1) SetCurSel(0, 1);
    Fill();
    Redraw();
  }

  // Reloads the working vector from the bound container; a current row that fell behind the end
  // moves to row size - 1.
  void DataToCtrl() {
    if (m_pSource) *m_pWork = *m_pSource;
    if (m_pEdit) {
      if (static_cast<uint32_t>(GetCurIndex()) >= static_cast<uint32_t>(RecordCount())) {
        int last = RecordCount() - 1;
        if (m_bMultiSel) SelectOnly(last, 1);
        else SetCurSel(last, 1);
      }
      LoadSelected();
    }
    Fill();
  }

  void CtrlToData() {
    if (m_pSource) *m_pSource = *m_pWork;
  }

  void LoadSelected() override { LoadRow(m_nCurSel); }

  // The edited record back into the current record; its row alone is rewritten.
  int StoreEdited() {
    if (!IsRecordRow(m_nCurSel)) return 0;
    if (m_pEdit) Record(m_nCurSel) = *m_pEdit;
    RefreshRow(m_nCurSel);
    Redraw();
    return 1;
  }

  int Cut() {
    if (!Copy()) return 0;
    return Delete(-1, 0) ? 1 : 0;
  }

  int Copy() {
    if (!m_bMultiSel) {
      m_nCurSel = GetCurSel();
      if (!IsRecordRow(m_nCurSel)) return Refuse();
      m_vCopyBuf.assign(1, Record(m_nCurSel));
      return 1;
    }
    m_vCopyBuf.clear();
    for (int row = 0; row < m_vSelFlag.Count(); ++row)
      if (m_vSelFlag[row] && IsRecordRow(row)) m_vCopyBuf.push_back(Record(row));
    return 1;
  }

  // The whole buffer goes in at the current row, or nothing when it would not all fit.
  int Paste() {
    m_nCurSel = GetCurSel();
    if (m_nCurSel == -1) return Refuse();
    if (RecordRows() + std::max(m_vCopyBuf.Count(), 1) > m_nMaxCount) return Refuse();
    size_t at = std::min(static_cast<size_t>(m_nLeadOffset + m_nCurSel), m_pWork->size());
    m_pWork->insert(m_pWork->begin() + at, m_vCopyBuf.begin(), m_vCopyBuf.end());
    LoadRow(m_nCurSel);
    Fill();
    Redraw();
    return 1;
  }

  // Appends a record; its row becomes current (in multi-selection mode the caret, unmarked).
  int New() {
    if (RecordRows() >= m_nMaxCount) return Refuse();
    m_pWork->push_back(T());
    m_nCurSel = GetCount() - (m_bExtraRow ? 1 : 0);
    LoadRow(m_nCurSel);
    Fill();
    Redraw();
    return 1;
  }

  // Inserts a record at the current row (row 0 without one; at the extra row it appends).
  int Insert() {
    m_nCurSel = GetCurSel();
    if (m_nCurSel == -1) m_nCurSel = 0;
    if (RecordRows() >= m_nMaxCount) return Refuse();
    m_pWork->InsertAt(m_nLeadOffset + m_nCurSel, T());
    LoadRow(m_nCurSel);
    if (m_bMultiSel) {
      // The flags do not move with the rows.
      m_vSelFlag.push_back(0);
      m_vPrevSelFlag.push_back(0);
    }
    Fill();
    Redraw();
    return 1;
  }

  // Resets the current record, or every marked one; never beeps, never changes the count.
  int Clear() {
    if (m_bMultiSel) {
      for (int row = 0; row < m_vSelFlag.Count(); ++row)
        if (m_vSelFlag[row] && IsRecordRow(row)) ResetListRecord(Record(row));
    } else {
      m_nCurSel = GetCurSel();
      if (IsRecordRow(m_nCurSel)) ResetListRecord(Record(m_nCurSel));
    }
    LoadRow(m_nCurSel);
    Fill();
    Redraw();
    return 1;
  }

  // Removes the current record (row -1: the list box's), or every marked one in multi-selection
  // mode, down to the minimum count. onlyCurrent removes the current row alone.
  int Delete(int row, int onlyCurrent) {
    return Refilled(m_bMultiSel ? DeleteMarked(onlyCurrent) : DeleteCurrent(row));
  }

  int SetCount(int count) {
    if (count < m_nMinCount || count > m_nMaxCount) return Refuse();
    m_pWork->resize(count + m_nLeadOffset);
    if (IsRecordRow(m_nCurSel)) {
      // The row keeps its number; it may show another record now.
      LoadRow(m_nCurSel);
    } else {
      m_nCurSel = 0;
      if (m_pEdit && !LoadRow(0)) {
        ResetListRecord(*m_pEdit);
        m_nCurSel = -1;
      }
      // Row 0, whose record is edited now, is the only marked row: a mark left behind could stand
      // on the extra row.
      if (m_bMultiSel) {
        MarkOnly(m_nCurSel);
        m_nAnchor = m_nCurSel;
      }
    }
    Fill();
    Redraw();
    return 1;
  }

  // Name lists: no count limit.
  void AddItem(const T& name, int unique) {
    if (!m_pWork) return;
    if (unique) m_pWork->AddUnique(name);
    else m_pWork->Add(name);
    Refresh();
  }
  void AddItems(const cVector<T>& names, int unique) {
    if (!m_pWork) return;
    if (unique) m_pWork->AppendUnique(names);
    else m_pWork->Append(names);
    Refresh();
  }
  void RemoveAll() {
    if (!m_pWork) return;
    m_pWork->resize(m_nLeadOffset);
    Refresh();
  }

  // Edits the current record in a sub-dialog: run shows the dialog and returns its result
  // (non-zero when the user confirmed and the record holds the edited values). Nothing runs
  // without a current record row; a confirmed edit rebuilds the rows.
  template <class Run>
  int EditCurrent(Run&& run) {
    if (GetCurIndex() == -1) return 0;
    int result = run();
    if (result) {
      Fill();
      Redraw();
    }
    return result;
  }

  // Inserts a record at the current row and edits it; a cancelled edit takes the new row out
  // again (not below the minimum count), a confirmed one moves on to the row after it, so that a
  // series of inserts stands in the order of entry. 0 when refused or cancelled.
  template <class Run>
  int InsertAndEdit(Run&& run) {
    if (!Insert()) return 0;
    if (m_bMultiSel) {
      // The new row is the current one even when the caret's row was not marked.
      if (m_nCurSel >= m_vSelFlag.Count()) m_vSelFlag.resize(m_nCurSel + 1, 0);
      m_vSelFlag[m_nCurSel] = 1;
      ShowMarks();
      m_pView->SetCaretIndex(m_nCurSel);
    }
    if (EditCurrent(std::forward<Run>(run))) {
      SelectNextRow(1);
      return 1;
    }
    // Cancelled: the new row goes like any deleted row; at the minimum count the delete refuses
    // with a beep and the default row stays, so a list that must hold a record gets one.
    Delete(m_nCurSel, 1);
    return 0;
  }

protected:
  int RecordCount() const override { return m_pWork ? m_pWork->Count() : 0; }
  void RowLabel(cString& text, int index) override {
    if (m_pfnLabel) m_pfnLabel(&text, index, &m_pWork->At(index));
  }
  int HasEdited() const override { return m_pEdit ? 1 : 0; }
  void BlankEdited() override { *m_pEdit = m_Blank; }
  int RunCommand(int command) override {
    switch (command) {
      case kListCut: return Cut();
      case kListCopy: return Copy();
      case kListPaste: return Paste();
      case kListNew: return New();
      case kListInsert: return Insert();
      case kListClear: return Clear();
      case kListDelete: return Delete(-1, 0);
      default: return 0;
    }
  }

private:
  T& Record(int row) { return m_pWork->At(m_nLeadOffset + row); }

  // Copies the record of a record row into the edited record; 0 for any other row.
  int LoadRow(int row) {
    if (!IsRecordRow(row)) return 0;
    if (m_pEdit) *m_pEdit = Record(row);
    return 1;
  }

  void Refresh() {
    OnSelChange();
    Fill();
    Redraw();
  }

  int AtMinimum() const { return RecordRows() <= m_nMinCount; }

  int Refilled(int result) {
    if (!result) return 0;
    Fill();
    Redraw();
    return 1;
  }

  // Single selection. No current record row: nothing to delete, but no refusal either; refused at
  // the minimum count.
  int DeleteCurrent(int row) {
    m_nCurSel = row != -1 ? row : GetCurSel();
    if (!IsRecordRow(m_nCurSel)) return 1;
    if (AtMinimum()) return Refuse();
    m_pWork->EraseAt(m_nLeadOffset + m_nCurSel);
    if (LoadRow(m_nCurSel)) return 1;
    // The last record went: the row above becomes current.
    --m_nCurSel;
    if (m_pEdit && !LoadRow(m_nCurSel)) {
      ResetListRecord(*m_pEdit);
      m_nCurSel = -1;
    }
    return 1;
  }

  // Multi selection: the marked record rows in order while the count stays above the minimum;
  // onlyCurrent takes the current row alone, marked or not.
  int DeleteMarked(int onlyCurrent) {
    if (AtMinimum()) return Refuse();
    cVector<int> drop(m_vSelFlag.size(), 0);
    int removed = 0, removedBefore = 0;
    if (onlyCurrent) {
      if (!IsRecordRow(m_nCurSel)) return Refuse();
      if (m_nCurSel >= drop.Count()) drop.resize(m_nCurSel + 1, 0);
      drop[m_nCurSel] = 1;
      removed = 1;
    }
    for (int row = 0; !onlyCurrent && row < drop.Count() && RecordRows() - removed > m_nMinCount; ++row) {
      if (!m_vSelFlag[row] || !IsRecordRow(row)) continue;
      drop[row] = 1;
      ++removed;
      if (row < m_nCurSel) ++removedBefore;
    }
    if (!removed) return Refuse();
    EraseDropped(drop);
    m_nCurSel -= removedBefore;
    // The current row is the only marked row.
    MarkOnly(m_nCurSel);
    if (LoadRow(m_nCurSel) || !m_pEdit) return 1;
    if (RecordRows() == 0) {
      ResetListRecord(*m_pEdit);
      m_nCurSel = -1;
    } else if (IsExtraRow(m_nCurSel)) {
      ResetListRecord(*m_pEdit);
    } else {
      // The last records went in a list without the extra row: the last record becomes current.
      m_nCurSel = RecordRows() - 1;
      MarkOnly(m_nCurSel);
      LoadRow(m_nCurSel);
    }
    return 1;
  }

  // Removes the dropped rows' records and flags in one pass, keeping the order of the others.
  void EraseDropped(const cVector<int>& drop) {
    int kept = 0;
    for (int row = 0; row < m_vSelFlag.Count(); ++row) {
      if (row < drop.Count() && drop[row]) continue;
      m_vSelFlag[kept++] = m_vSelFlag[row];
    }
    m_vSelFlag.resize(kept);
    size_t first = static_cast<size_t>(m_nLeadOffset);
    size_t write = first;
    for (size_t index = first; index < m_pWork->size(); ++index) {
      size_t row = index - first;
      if (row < drop.size() && drop[row]) continue;
      if (write != index) (*m_pWork)[write] = (*m_pWork)[index];
      ++write;
    }
    m_pWork->resize(write);
  }
};

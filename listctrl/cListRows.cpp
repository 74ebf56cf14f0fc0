#include "listctrl/cListRows.h"

#include <algorithm>
#include <cstring>

#include "app/MessageBox.h"
#include "app/Utility.h"

cListRows::cListRows() : m_strExtraRow(std::string(64, '-')) {
  StoreAccelIds(kDefaultAccelIds);
  StoreMenuIds(kDefaultMenuIds);
}

void cListRows::SetShape(const cListShape& shape) {
  m_bMultiSel = shape.m_bMultiSel;
  m_bNumbered = shape.m_bNumbered;
  m_nMinCount = shape.m_nMinCount;
  m_nMaxCount = shape.m_nMaxCount;
  m_nLeadOffset = shape.m_nLeadOffset;
  m_bExtraRow = shape.m_bExtraRow;
  m_bNoSelOk = shape.m_bNoSelOk;
  if (m_nMinCount <= 0 && !m_bExtraRow) m_bNoSelOk = 1;
}

int cListRows::RecordRows() const { return std::max(RecordCount() - m_nLeadOffset, 0); }

int cListRows::RowCount() const { return RecordRows() + (m_bExtraRow ? 1 : 0); }

int cListRows::IsExtraRow(int row) const { return m_bExtraRow && row == RecordRows() ? 1 : 0; }

int cListRows::IsRecordRow(int row) const { return row >= 0 && row < RecordRows() ? 1 : 0; }

int cListRows::GetCount() { return m_pView->GetCount(); }

int cListRows::GetCurSel() {
  if (GetCount() <= 0) return -1;
  if (!m_bMultiSel) return m_pView->GetCurSel();
  // The caret row counts as current only while it is marked.
  int caret = m_pView->GetCaretIndex();
  return caret >= 0 && caret < m_vSelFlag.Count() && m_vSelFlag[caret] ? caret : -1;
}

int cListRows::GetCurIndex() {
  int row = GetCurSel();
  return row == -1 || IsExtraRow(row) ? -1 : row + m_nLeadOffset;
}

int cListRows::GetCaretIndex() { return m_pView->GetCaretIndex(); }

int cListRows::GetAnchorIndex() { return m_pView->GetAnchorIndex(); }

int cListRows::CountMarked(const cVector<int>& flags) {
  return static_cast<int>(std::count_if(flags.begin(), flags.end(), [](int flag) { return flag != 0; }));
}

void cListRows::SetCurSel(int row, int load) {
  m_nCurSel = row == -1 && !m_bNoSelOk ? 0 : row;
  if (static_cast<uint32_t>(m_nCurSel) >= static_cast<uint32_t>(RowCount())) m_nCurSel = -1;
  if (load) LoadSelected();
  if (!m_bMultiSel) {
    m_pView->SetCurSel(m_nCurSel);
    return;
  }
  // A row past the flags becomes the last flagged row, shown selected but not flagged.
  if (static_cast<uint32_t>(m_nCurSel) < static_cast<uint32_t>(m_vSelFlag.Count())) m_vSelFlag[m_nCurSel] = 1;
  else m_nCurSel = m_vSelFlag.Count() - 1;
  if (m_nCurSel >= 0) m_pView->SetSel(1, m_nCurSel);
  m_pView->SetCaretIndex(m_nCurSel);
  m_nAnchor = m_nCurSel;
  m_pView->SetAnchorIndex(m_nCurSel);
}

void cListRows::SelectOnly(int row, int load) {
  if (m_bMultiSel) {
    m_nCurSel = -1;
    m_pView->SetCaretIndex(-1);
    m_nAnchor = -1;
    m_pView->SetAnchorIndex(-1);
    std::fill(m_vSelFlag.begin(), m_vSelFlag.end(), 0);
    ShowMarks();
  }
  SetCurSel(row, load);
}

void cListRows::SelectNextRow(int load) {
  if (m_bMultiSel) {
    MarkOnly(m_nCurSel + 1);
    ShowMarks();
  }
  SetCurSel(m_nCurSel + 1, load);
}

int cListRows::SelectAtPoint(int x, int y) {
  int row = m_pView->ItemFromPoint(x, y);
  if (row < 0) return 0;
  m_nTopIndex = m_pView->GetTopIndex();
  int count = GetCount();
  if (row >= count) return 0;
  if (m_bMultiSel) {
    m_pView->SetAnchorIndex(row);
    m_pView->SetCaretIndex(row);
    m_vSelFlag.resize(count, 0);
    m_vPrevSelFlag.resize(count, 0);
    // A click on a marked row keeps the whole multi-selection for the menu.
    if (!m_vSelFlag[row]) MarkOnly(row);
    ShowMarks();
  } else {
    m_pView->SetCurSel(row);
  }
  m_nCurSel = row;
  m_pView->SetFocus();
  LoadSelected();
  return 1;
}

int cListRows::OnSelChange() {
  m_nTopIndex = m_pView->GetTopIndex();
  if (m_bMultiSel) {
    ReadMarks();
    m_nCurSel = m_pView->GetCaretIndex();
    m_nAnchor = m_pView->GetAnchorIndex();
    // The edited record always comes from a marked row when any row is marked.
    bool caretMarked = m_nCurSel >= 0 && m_nCurSel < m_vSelFlag.Count() && m_vSelFlag[m_nCurSel];
    auto first = std::find_if(m_vSelFlag.begin(), m_vSelFlag.end(), [](int flag) { return flag != 0; });
    if (HasEdited() && !caretMarked && first != m_vSelFlag.end()) {
      m_nCurSel = m_nAnchor = static_cast<int>(first - m_vSelFlag.begin());
      m_pView->SetCaretIndex(m_nCurSel);
      m_pView->SetAnchorIndex(m_nCurSel);
    }
  } else {
    m_nCurSel = GetCurSel();
  }
  // The rows keep their texts: a new selection refills nothing.
  if (m_nCurSel == -1 || IsExtraRow(m_nCurSel)) {
    if (HasEdited()) BlankEdited();
    return 0;
  }
  LoadSelected();
  return 1;
}

void cListRows::ReadMarks() {
  int count = GetCount();
  m_vSelFlag.assign(std::max(count, 0), 0);
  m_vPrevSelFlag.resize(m_vSelFlag.size(), 0);
  cVector<int> marked;
  m_pView->GetSelItems(marked);
  for (int row : marked)
    if (row >= 0 && row < count) m_vSelFlag[row] = 1;
}

cString cListRows::RowText(int row) {
  cString label;
  RowLabel(label, row + m_nLeadOffset);
  if (!m_bNumbered) return label;
  cString number, text;
  IntToPaddedText(number, row + 1, DigitCount(RecordRows()));
  text.Format("%s %s", number.GetStr(), label.GetStr());
  return text;
}

void cListRows::Fill() {
  int held = HoldRedraw();
  m_pView->ResetContent();
  int rows = RecordRows();
  for (int row = 0; row < rows; ++row) m_pView->AddString(RowText(row).GetStr());
  if (m_bExtraRow) m_pView->AddString(m_strExtraRow.GetStr());
  m_pView->SetTopIndex(m_nTopIndex);
  if (m_bMultiSel) {
    // A new list box has no marks: only the marked rows are sent.
    for (int row = 0; row < m_vSelFlag.Count(); ++row)
      if (m_vSelFlag[row]) m_pView->SetSel(1, row);
    m_pView->SetCaretIndex(m_nCurSel);
    m_pView->SetAnchorIndex(m_nAnchor);
  } else {
    m_pView->SetCurSel(m_nCurSel);
  }
  ReleaseRedraw(held);
}

void cListRows::RefreshRow(int row) {
  if (GetCount() != RowCount() || !IsRecordRow(row)) {
    Fill();
    return;
  }
  int held = HoldRedraw();
  m_pView->DeleteString(row);
  m_pView->InsertString(row, RowText(row).GetStr());
  ReleaseRedraw(held);
}

void cListRows::ShowMarks() {
  cVector<int> marked;
  m_pView->GetSelItems(marked);
  cVector<int> shown(m_vSelFlag.size(), 0);
  for (int row : marked)
    if (row >= 0 && row < shown.Count()) shown[row] = 1;
  for (int row = 0; row < m_vSelFlag.Count(); ++row)
    if ((m_vSelFlag[row] != 0) != (shown[row] != 0)) m_pView->SetSel(m_vSelFlag[row] ? 1 : 0, row);
}

void cListRows::MarkOnly(int row) {
  std::fill(m_vSelFlag.begin(), m_vSelFlag.end(), 0);
  if (row >= 0 && row < m_vSelFlag.Count()) m_vSelFlag[row] = 1;
}

void cListRows::Redraw() {
  if (m_bMultiSel) RedrawMarks();
  else RedrawCurrent();
  m_nPrevSel = m_nCurSel;
  m_pView->SetRedraw(1);
  m_bRedrawHeld = 0;
}

void cListRows::RedrawMarks() {
  if (!m_bNoSelOk) {
    int count = GetCount();
    if (m_vSelFlag.Count() > count) {
      m_vSelFlag.resize(count);
      m_vPrevSelFlag.resize(count);
      if (!CountMarked(m_vSelFlag)) {
        if (!m_vSelFlag.empty()) m_vSelFlag[0] = 1;
        m_nCurSel = 0;
      }
    }
    // A click that cleared every mark brings back the marks of the previous command.
    if (!CountMarked(m_vSelFlag)) {
      if (m_vSelFlag.size() == m_vPrevSelFlag.size()) {
        m_vSelFlag = m_vPrevSelFlag;
        m_nCurSel = m_nPrevSel;
        if (!CountMarked(m_vSelFlag) && !m_vSelFlag.empty()) m_vSelFlag[0] = 1;
      } else {
        if (m_vSelFlag.empty()) m_vSelFlag.resize(1);
        m_vSelFlag[0] = 1;
        m_nCurSel = 0;
      }
      m_nAnchor = m_nCurSel;
    }
  }
  ShowMarks();
  m_pView->SetAnchorIndex(m_nAnchor);
  m_pView->SetCaretIndex(m_nCurSel);
  m_pView->SetTopIndex(m_nTopIndex);
  m_vPrevSelFlag = m_vSelFlag;
}

void cListRows::RedrawCurrent() {
  if (!m_bNoSelOk) {
    if (m_nCurSel == -1) m_nCurSel = m_nPrevSel == -1 ? 0 : m_nPrevSel;
    if (m_nCurSel >= GetCount()) m_nCurSel = 0;
  }
  m_pView->SetCurSel(m_nCurSel);
  m_pView->SetTopIndex(m_nTopIndex);
}

void cListRows::OnKillFocus() {
  if (!m_bMultiSel) m_pView->SetCurSel(m_nCurSel);
}

int cListRows::HoldRedraw() {
  if (m_bRedrawHeld) return 0;
  m_pView->SetRedraw(0);
  m_bRedrawHeld = 1;
  return 1;
}

void cListRows::ReleaseRedraw(int held) {
  if (!held) return;
  m_pView->SetRedraw(1);
  m_bRedrawHeld = 0;
}

int cListRows::Refuse() {
  m_pView->Beep();
  return 0;
}

namespace {
// The set of a layout and kind; any other goes to the error-code box (silent in this system).
const cListCommandSet* FindSetOrReport(int layout, int kind, const char* missing) {
  const cListCommandSet* set = FindListCommandSet(layout, kind);
  if (!set) DebugBoxF("%s", missing);
  return set;
}
}  // namespace

int cListRows::SelectAccelSet(int layout, int kind) {
  const cListCommandSet* set = FindSetOrReport(layout, kind, "アクセラレータのIDが用意されていません！");
  if (set) StoreAccelIds(set->m_wAccelId);
  return set ? 1 : 0;
}

int cListRows::SelectMenuSet(int layout, int kind) {
  const cListCommandSet* set = FindSetOrReport(layout, kind, "ポップアップメニューのIDが用意されていません！");
  if (set) StoreMenuIds(set->m_wMenuId);
  return set ? 1 : 0;
}

void cListRows::StoreAccelIds(const uint16_t* ids) { std::memcpy(m_wAccelId, ids, sizeof m_wAccelId); }

void cListRows::StoreMenuIds(const uint16_t* ids) { std::memcpy(m_wMenuId, ids, sizeof m_wMenuId); }

int cListRows::KeyCommandIds(uint16_t key, int ctrlHeld, uint16_t* out) const {
  return ListKeyCommandIds(m_wAccelId, key, ctrlHeld, out);
}

int cListRows::OnAccelCommand(uint16_t id) { return RunCommandId(m_wAccelId, id); }

int cListRows::OnMenuCommand(uint16_t id) { return RunCommandId(m_wMenuId, id); }

int cListRows::OnCommandId(uint16_t id) {
  if (FindListCommand(m_wAccelId, id) < 0 && FindListCommand(m_wMenuId, id) < 0) return -1;
  if (!m_pView || !m_pView->HasFocus()) return -1;
  return OnAccelCommand(id) || OnMenuCommand(id) ? 1 : 0;
}

// A command message acts on the focused list only: lists of one page may share ids.
int cListRows::RunCommandId(const uint16_t* ids, uint16_t id) {
  if (!m_pView->HasFocus()) return 0;
  int command = FindListCommand(ids, id);
  if (command < 0) return 0;
  return RunCommand(command) ? 1 : 0;
}

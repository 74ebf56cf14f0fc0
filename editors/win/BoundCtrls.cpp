#include "editors/win/BoundCtrls.h"

#include "model/NameTable.h"

namespace {
int32_t ReadWidth(void* target, intptr_t width) {
  switch (width) {
    case 1: return *static_cast<int8_t*>(target);
    case 2: return *static_cast<int16_t*>(target);
    default: return *static_cast<int32_t*>(target);
  }
}

void WriteWidth(void* target, intptr_t width, int32_t value) {
  switch (width) {
    case 1: *static_cast<int8_t*>(target) = static_cast<int8_t>(value); break;
    case 2: *static_cast<int16_t*>(target) = static_cast<int16_t>(value); break;
    default: *static_cast<int32_t*>(target) = value; break;
  }
}

template <class W>
W* Bound(cCtrlGroups<W>& groups, uint16_t id) {
  for (cCtrlGroup<W>& group : groups)
    if (group.m_Ctrl.m_wId == id || group.m_Param.m_wId == id) return &group.m_Ctrl;
  return nullptr;
}
}  // namespace

cIntRef MemoryRef(void* address, int width) {
  cIntRef ref;
  ref.m_pTarget = address;
  ref.m_nKey = width;
  ref.m_pfnGet = ReadWidth;
  ref.m_pfnSet = WriteWidth;
  return ref;
}

void cCtrlIntEdit::Attach(cDialog* owner, const cCtrlParam& param) {
  m_Ref = param.m_Ref;
  m_nShadow = m_Ref.Read();
  // The edit works on its own copy, which lives as long as the wrapper.
  cCtrlEditVal<int32_t>::cCtrlParam base;
  base.Set(param.m_wId, &m_nShadow, param.m_nMin, param.m_nMax, param.m_wSpinId, 1);
  cCtrlEditVal<int32_t>::Attach(owner, base);
}

void cCtrlIntEdit::DataToCtrl() {
  m_nShadow = m_Ref.Read();
  SetValue(m_nShadow);
}

void cCtrlIntEdit::CtrlToData() {
  cCtrlEditVal<int32_t>::CtrlToData();
  m_Ref.Write(m_nShadow);
}

void cCtrlIntCheck::Attach(cDialog* owner, const cCtrlParam& param) {
  m_Ref = param.m_Ref;
  cCtrlCheck<int32_t>::cCtrlParam base;
  base.Set(param.m_wId, nullptr);
  cCtrlCheck<int32_t>::Attach(owner, base);
}

void cCtrlIntCheck::DataToCtrl() {
  m_nStored = m_Ref.Read();
  SetCheck(m_nStored != 0 ? 1 : 0);
}

void cCtrlIntCheck::CtrlToData() {
  if (ChangedByUser()) m_nStored = GetCheck() == BST_CHECKED ? 1 : 0;
  m_Ref.Write(m_nStored);
  SetCheck(m_nStored != 0 ? 1 : 0);
}

void cCtrlChoice::Attach(cDialog* owner, const cCtrlParam& param) {
  cCtrl::Attach(owner, param.m_wId);
  m_Ref = param.m_Ref;
  m_nOffset = param.m_nOffset;
  if (param.m_pTable) m_vRows = NameList(param.m_pTable);
  m_bFilled = 0;
  Show(m_Ref.Read());
}

void cCtrlChoice::SetRows(const cVector<cString>& rows, int32_t offset, cRowNumbering numbering) {
  int32_t value = m_bFilled ? Value() : m_Ref.Read();
  m_vRows = rows;
  m_nOffset = offset;
  m_Numbering = numbering;
  Show(value);
}

int32_t cCtrlChoice::Value() const {
  if (!ChangedByUser()) return m_nStored;
  int row = static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
  return ComboChoiceValue(m_Choice, row, m_nOffset, m_nStored);
}

int cCtrlChoice::ChangedByUser() const {
  return !Showing() &&
         (cCtrl::ChangedByUser() || static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)) != m_nShownSel);
}

void cCtrlChoice::CtrlToData() {
  m_nStored = Value();
  m_Ref.Write(m_nStored);
  m_nShownSel = static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
  NoteGiven();
}

void cCtrlChoice::Show(int32_t value) {
  // Without any row there is nothing to choose and nothing to call unknown, unless a stored value
  // shows as its number.
  bool nothing = m_vRows.empty() && m_Numbering.m_nDigits == 0;
  cComboChoice choice = nothing ? cComboChoice() : ComboChoice(m_vRows, value, m_nOffset, m_Numbering);
  if (nothing) choice.m_nSel = -1;
  if (!m_bFilled || choice.m_vRows != m_Choice.m_vRows) {
    SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
    for (const cString& row : choice.m_vRows) SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.GetStr()));
    SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
    m_bFilled = 1;
  }
  m_Choice = choice;
  m_nStored = value;
  SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(choice.m_nSel), 0);
  m_nShownSel = static_cast<int32_t>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
  NoteGiven();
}

void cCtrlIntSlider::Attach(cDialog* owner, const cCtrlParam& param) {
  m_Ref = param.m_Ref;
  m_nShadow = m_Ref.Read();
  // The trackbar works on its own copy, which lives as long as the wrapper.
  cCtrlSlider::cCtrlParam base;
  base.Set(param.m_wId, &m_nShadow, param.m_nMin, param.m_nMax, param.m_nPage, 1, param.m_wEditId);
  cCtrlSlider::Attach(owner, base);
}

void cCtrlIntSlider::DataToCtrl() {
  m_nShadow = m_Ref.Read();
  cCtrlSlider::DataToCtrl();
}

void cCtrlIntSlider::CtrlToData() {
  cCtrlSlider::CtrlToData();
  m_Ref.Write(m_nShadow);
}

void cBoundCtrls::AttachTo(cDialog& dialog) {
  dialog.AttachCtrlGroups(m_vEdits);
  dialog.AttachCtrlGroups(m_vCombos);
  dialog.AttachCtrlGroups(m_vChecks);
  dialog.AttachCtrlGroups(m_vTexts);
  dialog.AttachCtrlGroups(m_vButtons);
  dialog.AttachCtrlGroups(m_vSliders);
}

cCtrlIntEdit* cBoundCtrls::Edit(uint16_t id) { return Bound(m_vEdits, id); }
cCtrlChoice* cBoundCtrls::Combo(uint16_t id) { return Bound(m_vCombos, id); }
cCtrlIntCheck* cBoundCtrls::Check(uint16_t id) { return Bound(m_vChecks, id); }
cCtrlIntSlider* cBoundCtrls::Slider(uint16_t id) { return Bound(m_vSliders, id); }

#include "stage/win/FieldBinding.h"

namespace {
cCtrl* BoundCtrl(cDialog& dialog, uint16_t id) {
  for (cCtrl* ctrl : dialog.m_vCtrl)
    if (ctrl->m_wId == id) return ctrl;
  return nullptr;
}
}  // namespace

void ApplyCtrlStates(cDialog& dialog, const cCtrlStates& states) {
  for (const cCtrlStates::cState& state : states.States()) {
    cCtrl* ctrl = BoundCtrl(dialog, state.m_nId);
    HWND item = ctrl ? ctrl->m_hWnd : GetDlgItem(dialog.m_hWnd, state.m_nId);
    if (state.m_nEnabled >= 0) {
      if (ctrl) ctrl->Enable(state.m_nEnabled);
      else EnableWindow(item, state.m_nEnabled);
    }
    if (state.m_nShown >= 0) ShowWindow(item, state.m_nShown ? SW_SHOW : SW_HIDE);
    if (state.m_nChecked >= 0) SendMessageA(item, BM_SETCHECK, state.m_nChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (state.m_bHasText) SetWindowTextA(item, state.m_strText.GetStr());
  }
}

void ApplyCtrlRanges(cDialog& dialog, const cCtrlStates& states) {
  for (const cCtrlStates::cState& state : states.States()) {
    if (!state.m_bHasRange) continue;
    if (auto* edit = dynamic_cast<cCtrlEditVal<int32_t>*>(BoundCtrl(dialog, state.m_nId)))
      edit->SetRange(state.m_nMin, state.m_nMax);
  }
}

#include "editors/win/cRuleDialog.h"

int cRuleDialog::Checked(uint16_t id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED ? 1 : 0; }

int cRuleDialog::Row(uint16_t id) const {
  return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

cCtrl* cRuleDialog::FindBound(uint16_t id) const {
  for (cCtrl* ctrl : m_vCtrl)
    if (ctrl->m_wId == id) return ctrl;
  return nullptr;
}

void cRuleDialog::ApplyStates(const cCtrlStates& states) {
  for (const cCtrlStates::cState& state : states.States()) {
    cCtrl* ctrl = FindBound(state.m_nId);
    if (!ctrl) continue;
    if (state.m_nEnabled >= 0) ctrl->Enable(state.m_nEnabled);
    if (state.m_nChecked >= 0) SendMessageA(ctrl->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(state.m_nChecked), 0);
  }
}

#include "editors/win/cBoundDialog.h"

#include "editors/win/PageSupport.h"

cBoundDialog::cBoundDialog(uint16_t templateId, cWindow* parent, cModelessList* list, cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kKindDialog, list, place, center) {}

void cBoundDialog::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_Ctrls.AttachTo(*this);
  InitDialog();
  Refresh(0, nullptr);
  m_bInitialized = 1;
}

void cBoundDialog::Refresh(int store, const cCtrl* changed) {
  if (m_bRefreshing) return;
  m_bRefreshing = 1;
  if (store) ControlsToData();
  cCtrlStates states;
  Rules(changed ? changed->m_wId : 0, states);
  bool typing = changed && (changed->m_nKind == kCtrlEditVal || changed->m_nKind == kCtrlEditText);
  PresentStates(*this, states, typing ? changed : nullptr);
  m_bRefreshing = 0;
}

void cBoundDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (!m_bInitialized || m_bRefreshing) return;
  uint16_t id = LOWORD(wParam);
  if (id == kIdcOk) {
    ControlsToData();
    if (Accept()) Close(1);
  } else if (id == kIdcCancel) {
    Close(0);
  } else if (!DialogCommand(wParam)) {
    if (uint16_t changed = FindCommandCtrl(wParam)) Refresh(1, BoundCtrlOf(*this, changed));
  }
}

LRESULT cBoundDialog::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  return result;
}

#include "ui/win/cCtrl.h"

#include "ui/win/cDialog.h"

void cCtrl::Attach(cDialog* owner, uint16_t id) {
  m_lpOwner = owner;
  m_hWndOwner = owner->m_hWnd;
  m_wId = id;
  m_strTip.clear();
  m_hWnd = GetDlgItem(m_hWndOwner, id);
  UpdatePos();
}

void cCtrl::UpdatePos() {
  RECT rect = {};
  GetWindowRect(m_hWnd, &rect);
  m_ptScreen = POINT{rect.left, rect.top};
  if (!m_hWndOwner) return;
  RECT owner = {};
  GetWindowRect(m_hWndOwner, &owner);
  m_ptClient.x = m_ptScreen.x - m_lpOwner->m_nBorderLeft - owner.left;
  m_ptClient.y = m_ptScreen.y - m_lpOwner->m_nBorderTop - owner.top;
}

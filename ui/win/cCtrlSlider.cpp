#include "ui/win/cCtrlSlider.h"

void cCtrlSlider::Attach(cDialog* owner, const cCtrlParam& param) {
  cCtrl::Attach(owner, param.m_wId);
  m_lpData = param.m_lpData;
  m_nMin = param.m_nMin;
  m_nMax = param.m_nMax;
  m_nPage = param.m_nPage;
  m_nLine = param.m_nLine;
  SendMessageA(m_hWnd, TBM_SETRANGE, TRUE, MAKELPARAM(m_nMin, m_nMax));
  SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, m_nPage);
  SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, m_nLine);
  int value = m_lpData ? *m_lpData : m_nMin;
  SendMessageA(m_hWnd, TBM_SETPOS, TRUE, value);
  if (param.m_wEditId) {
    m_Edit.Attach(owner, {param.m_wEditId, m_lpData, m_nMin, m_nMax, 0, 1});
    m_Edit.m_lpLeaveTarget = this;
  }
  SetPos(value);
}

void cCtrlSlider::SetPos(int value) {
  m_nGiven = value;
  NoteGiven();
  cShowing showing(*this);
  ShowPos(value);
}

void cCtrlSlider::ShowPos(int value) {
  SendMessageA(m_hWnd, TBM_SETPOS, TRUE, value);
  m_nShownPos = GetPos();
  if (m_Edit.m_hWnd) m_Edit.SetValue(value);
}

int cCtrlSlider::Value() const { return ChangedByUser() ? GetPos() : m_nGiven; }

int cCtrlSlider::ChangedByUser() const { return !Showing() && (cCtrl::ChangedByUser() || GetPos() != m_nShownPos); }

void cCtrlSlider::Enable(int flag) {
  EnableWindow(m_hWnd, flag);
  if (m_Edit.m_hWnd) m_Edit.Enable(flag);
}

void cCtrlSlider::DataToCtrl() {
  if (m_lpData) SetPos(*m_lpData);
}

void cCtrlSlider::CtrlToData() {
  // Enter chooses OK while the caret is still in the value edit: its typing counts too.
  if (m_Edit.m_hWnd && GetFocus() == m_Edit.m_hWnd) OnKillFocus();
  if (!m_lpData) return;
  *m_lpData = Value();
  m_nGiven = *m_lpData;
  m_nShownPos = GetPos();
  NoteGiven();
}

int cCtrlSlider::OnScroll(WPARAM, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != m_hWnd) return 0;
  NoteUserChange();
  if (m_Edit.m_hWnd) m_Edit.SetValue(GetPos());
  return 0;
}

void cCtrlSlider::OnKillFocus() {
  if (!m_Edit.m_hWnd || !m_Edit.ChangedByUser()) return;
  NoteUserChange();
  ShowPos(m_Edit.Value());
}

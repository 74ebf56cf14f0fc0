#include "stage/win/cDlgDataMove.h"

cDlgDataMove* cDlgDataMove::s_lpInstance = nullptr;

cDlgDataMove::cDlgDataMove(cWindow* parent, cModelessList* manager, cDataMove& move, int32_t x, int32_t y)
    : cDialog(kDataMoveTemplate, parent, kKindDialog, manager, x, y), m_Move(move) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  AddCtrlGroup(m_vEdits, kIdcMoveFirst, &move.m_nFirst, 1, move.RunMaximum(), kIdcMoveFirstSpin, 1);
  AddCtrlGroup(m_vEdits, kIdcMoveLast, &move.m_nLast, 1, move.RunMaximum(), kIdcMoveLastSpin, 1);
  AddCtrlGroup(m_vEdits, kIdcMoveDest, &move.m_nDest, 1, move.DestMaximum(), kIdcMoveDestSpin, 1);
  AddCtrlGroup(m_vCombos, kIdcMoveOperation, &move.m_nOperation, &move.m_vOperationNames, 0);
}

cDlgDataMove::~cDlgDataMove() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgDataMove::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgDataMove::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vEdits);
  AttachCtrlGroups(m_vCombos);
  DataToControls();
  UpdateEnables();
  m_bInitialized = 1;
}

void cDlgDataMove::UpdateEnables() {
  int row = static_cast<int>(SendDlgItemMessageA(m_hWnd, kIdcMoveOperation, CB_GETCURSEL, 0, 0));
  int enabled = cDataMove::DestEnabled(row);
  if (enabled < 0) return;
  EnableCtrlById(m_vEdits, kIdcMoveDest, enabled);
}

void cDlgDataMove::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case kIdcOk:
      ControlsToData();
      m_Move.Apply();
      Close(1);
      return;
    case kIdcCancel:
      Close(0);
      return;
    default:
      break;
  }
  if (m_bInitialized && FindCommandCtrl(wParam)) UpdateEnables();
}

LRESULT cDlgDataMove::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  return result;
}

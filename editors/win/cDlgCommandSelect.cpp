#include "editors/win/cDlgCommandSelect.h"

#include "editors/win/cDlgCommand.h"
#include "model/cCommandData.h"
#include "stage/win/FieldBinding.h"

cDlgCommandSelect* cDlgCommandSelect::s_lpInstance = nullptr;

cDlgCommandSelect::cDlgCommandSelect(uint16_t templateId, cWindow* parent, int32_t, cListEditContext* context,
                                     cModelessList* list, cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kKindDialog, list, place, center) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_Context.m_pCommand = static_cast<cCommandData*>(context->m_pElement);
  m_Context.m_bNew = context->m_bInsert;
  for (int kind = 1; kind < kCmdSelectEntryCount; ++kind) AddCtrlGroup(m_cgButton, kCmdSelectEntries[kind].m_nCtrlId);
}

cDlgCommandSelect::~cDlgCommandSelect() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCommandSelect::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgCommandSelect::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_cgButton);
  cCtrlStates states;
  CmdSelectStates(states);
  ApplyCtrlStates(*this, states);
  DataToControls();
  // An existing command runs its kind's dialog before the chooser is ever shown.
  if (!m_Context.m_bNew)
    if (uint16_t button = CmdSelectButtonOfKind(m_Context.m_pCommand->m_cKind)) SendMessageA(m_hWnd, WM_COMMAND, button, 0);
  m_bInitialized = 1;
}

void cDlgCommandSelect::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  auto run = [this](int kind, uint16_t) { return RunCommandDialog(m_pDialog, 0, kind, this, &m_Context, m_lpManager, m_lpPlaceCtrl); };
  int result = PressCommandButton(*m_Context.m_pCommand, LOWORD(wParam), run);
  if (result >= 0) Close(result);
}

LRESULT cDlgCommandSelect::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  if (result) OnPaint();
  return result;
}

void cDlgCommandSelect::OnPaint() {
  if (m_lpParentClass) m_lpParentClass->RedrawList();
}

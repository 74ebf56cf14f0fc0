#include "editors/win/cDlgCommandSelect.h"

#include "editors/ItemCommandChooser.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCommand.h"
#include "model/cCommandData.h"
#include "stage/win/FieldBinding.h"

// What the choosers share.

cCmdChooser::cCmdChooser(const cCmdSelectTable& table, uint16_t templateId, cWindow* parent,
                         cListEditContext* context, cModelessList* list, cCtrl* place, int32_t center)
    : cDialog(templateId, parent, kKindDialog, list, place, center), m_Table(table) {
  m_Context.m_pCommand = static_cast<cCommandData*>(context->m_pElement);
  m_Context.m_bNew = context->m_bInsert;
  for (int kind = 1; kind < kCmdSelectEntryCount; ++kind) AddCtrlGroup(m_cgButton, table.m_pEntries[kind].m_nCtrlId);
}

void cCmdChooser::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_cgButton);
  cCtrlStates states;
  CmdSelectStates(m_Table, states);
  ApplyCtrlStates(*this, states);
  DataToControls();
  // An existing command runs its kind's dialog before the chooser is ever shown.
  if (!m_Context.m_bNew)
    if (uint16_t button = CmdSelectButtonOfKind(m_Table, m_Context.m_pCommand->m_cKind))
      SendMessageA(m_hWnd, WM_COMMAND, button, 0);
  m_bInitialized = 1;
}

int cCmdChooser::RunKind(int kind) {
  return RunCommandDialog(m_pDialog, m_Table.m_nSet, kind, this, &m_Context, m_lpManager, m_lpPlaceCtrl);
}

int cCmdChooser::Press(uint16_t button) {
  return PressCommandButton(m_Table, *m_Context.m_pCommand, button, [this](int kind, uint16_t) { return RunKind(kind); });
}

void cCmdChooser::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  int result = Press(LOWORD(wParam));
  if (result >= 0) Close(result);
}

LRESULT cCmdChooser::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    Close(0);
    result = 1;
  }
  if (result) OnPaint();
  return result;
}

void cCmdChooser::OnPaint() {
  if (m_lpParentClass) m_lpParentClass->RedrawList();
}

// The character command chooser.

cDlgCommandSelect* cDlgCommandSelect::s_lpInstance = nullptr;

cDlgCommandSelect::cDlgCommandSelect(uint16_t templateId, cWindow* parent, int32_t, cListEditContext* context,
                                     cModelessList* list, cCtrl* place, int32_t center)
    : cCmdChooser(kCharaCmdSelect, templateId, parent, context, list, place, center) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
}

cDlgCommandSelect::~cDlgCommandSelect() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgCommandSelect::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

// The item effect command chooser.

cDlgItemCommandSelect* cDlgItemCommandSelect::s_lpInstance = nullptr;

cDlgItemCommandSelect::cDlgItemCommandSelect(uint16_t templateId, cWindow* parent, int32_t,
                                             cListEditContext* context, cModelessList* list, cCtrl* place,
                                             int32_t center)
    : cCmdChooser(kItemCmdSelect, templateId, parent, context, list, place, center) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
}

cDlgItemCommandSelect::~cDlgItemCommandSelect() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgItemCommandSelect::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

int cDlgItemCommandSelect::Press(uint16_t button) {
  return PressItemCommandButton(*m_Context.m_pCommand, button, CurrentOpenSheets(),
                                [this](int kind, uint16_t) { return RunKind(kind); });
}

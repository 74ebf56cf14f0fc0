#include "project/win/cOptionDialogs.h"

#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

namespace {
cDlgStageOptions* g_lpStageOptions = nullptr;
cDlgEditOptions* g_lpEditOptions = nullptr;

INT_PTR CALLBACK StageOptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(g_lpStageOptions, window, message, wParam, lParam);
}
INT_PTR CALLBACK EditOptionsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(g_lpEditOptions, window, message, wParam, lParam);
}

// Both close with 0 from their close box.
LRESULT OptionMessage(cDialog& dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = dialog.WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    dialog.Close(0);
    return 1;
  }
  return result ? 1 : 0;
}
}  // namespace

cDlgStageOptions::cDlgStageOptions(cWindow* owner, cModelessList* list)
    : cDialog(kIddStageOptions, owner, kKindDialog, list) {
  g_lpStageOptions = this;
  m_lpfnProc = StageOptionsProc;
  AddCtrlGroup(m_vEdits, kIdcUndoDepth, &g_StageDoc.m_nUndoDepth, 0, kMaxUndoDepth, kIdcUndoDepthSpin, 1);
  AddCtrlGroup(m_vCombos, kIdcWheelAxis, &g_StageDoc.m_nWheelAxis, WheelAxisNames, 0);
}

cDlgStageOptions::~cDlgStageOptions() {
  if (g_lpStageOptions == this) g_lpStageOptions = nullptr;
}

void cDlgStageOptions::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vEdits);
  AttachCtrlGroups(m_vCombos);
  DataToControls();
  m_bInitialized = 1;
}

void cDlgStageOptions::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (LOWORD(wParam) == kIdcOk) OnOk();
  else if (LOWORD(wParam) == kIdcCancel) Close(0);
}

void cDlgStageOptions::OnOk() {
  int32_t old = g_StageDoc.m_nUndoDepth;
  ControlsToData();
  CommitUndoDepth(g_StageDoc, g_StageEditState, old);
  Close(1);
}

LRESULT cDlgStageOptions::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return OptionMessage(*this, window, message, wParam, lParam);
}

cDlgEditOptions::cDlgEditOptions(cWindow* owner, cModelessList* list)
    : cDialog(kIddEditOptions, owner, kKindDialog, list) {
  g_lpEditOptions = this;
  m_lpfnProc = EditOptionsProc;
}

cDlgEditOptions::~cDlgEditOptions() {
  if (g_lpEditOptions == this) g_lpEditOptions = nullptr;
}

void cDlgEditOptions::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (LOWORD(wParam) == kIdcOk) Close(1);
  else if (LOWORD(wParam) == kIdcCancel) Close(0);
}

LRESULT cDlgEditOptions::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return OptionMessage(*this, window, message, wParam, lParam);
}

#include "ui/win/cValueInputDlg.h"

#include <new>

#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/win/FileDialogs.h"

namespace {
// The live object of each class, for its dialog procedure.
cValueInputDlg* g_lpValueInputDlg = nullptr;
cStringInputDlg* g_lpStringInputDlg = nullptr;
cStatusPopup* g_lpStatusPopup = nullptr;

// The objects that the free functions made.
cValueInputDlg* g_lpValueInputHolder = nullptr;
cStringInputDlg* g_lpStringInputHolder = nullptr;
cStatusPopup* g_lpStatusPopupHolder = nullptr;

INT_PTR CALLBACK ValueInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(g_lpValueInputDlg, window, message, wParam, lParam);
}
INT_PTR CALLBACK StringInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(g_lpStringInputDlg, window, message, wParam, lParam);
}
INT_PTR CALLBACK StatusPopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(g_lpStatusPopup, window, message, wParam, lParam);
}

template <class Dialog>
void Forget(Dialog*& instance, Dialog* self) {
  if (instance == self) instance = nullptr;
}

// OK stores and closes with 1, Cancel closes with 0; Escape's IDCANCEL has no handler.
void InputCommand(cDialog& dialog, WPARAM wParam, LPARAM lParam) {
  if (!dialog.AcceptCommand(wParam)) return;
  dialog.cDialog::OnCommand(wParam, lParam);
  if (LOWORD(wParam) == kIdcOk) {
    dialog.ControlsToData();
    dialog.Close(1);
  } else if (LOWORD(wParam) == kIdcCancel) {
    dialog.Close(0);
  }
}

LRESULT InputMessage(cDialog& dialog, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = dialog.WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    dialog.Close(0);
    return 1;
  }
  return result ? 1 : 0;
}

// The input dialogs' title and edit, its text selected so that typing replaces it.
template <class Groups>
void ShowInput(cDialog& dialog, const cString& title, Groups& groups) {
  SetWindowTextA(dialog.m_hWnd, title.GetStr());
  dialog.AttachCtrlGroups(groups);
  dialog.DataToControls();
  SendDlgItemMessageA(dialog.m_hWnd, kIdcInputEdit, EM_SETSEL, 0, 99);
  dialog.m_bInitialized = 1;
}

// Makes a dialog into the holder, runs it modally and deletes it; 0 without memory.
template <class Dialog, class Make>
int RunHeld(Dialog*& holder, Make make) {
  SafeDelete(holder);
  holder = make();
  if (!holder) {
    OutOfMemory();
    return 0;
  }
  int result = static_cast<int>(holder->DoModal(0));
  SafeDelete(holder);
  return result;
}
}  // namespace

cValueInputDlg::cValueInputDlg(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                               const char* title, cCtrl* place, int32_t center)
    : cDialog(kIddValueInput, parent, kKindDialog, list, place, center) {
  Init(value, min, max, title);
}

cValueInputDlg::cValueInputDlg(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                               const char* title, int32_t x, int32_t y)
    : cDialog(kIddValueInput, parent, kKindDialog, list, x, y) {
  Init(value, min, max, title);
}

cValueInputDlg::~cValueInputDlg() { Forget(g_lpValueInputDlg, this); }

void cValueInputDlg::Init(int32_t* value, int32_t min, int32_t max, const char* title) {
  g_lpValueInputDlg = this;
  m_lpfnProc = ValueInputProc;
  m_lpValue = value;
  m_strTitle = title;
  AddCtrlGroup(m_vEditGroups, kIdcInputEdit, m_lpValue, min, max, kIdcInputSpin, 1);
}

void cValueInputDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowInput(*this, m_strTitle, m_vEditGroups);
}

void cValueInputDlg::OnCommand(WPARAM wParam, LPARAM lParam) { InputCommand(*this, wParam, lParam); }

LRESULT cValueInputDlg::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return InputMessage(*this, window, message, wParam, lParam);
}

cStringInputDlg::cStringInputDlg(cWindow* parent, cModelessList* list, cString* value, int32_t maxLength,
                                 int32_t charMode, const char* title, cCtrl* place, int32_t center)
    : cDialog(kIddStringInput, parent, kKindDialog, list, place, center) {
  Init(value, maxLength, charMode, title);
}

cStringInputDlg::~cStringInputDlg() { Forget(g_lpStringInputDlg, this); }

void cStringInputDlg::Init(cString* value, int32_t maxLength, int32_t charMode, const char* title) {
  g_lpStringInputDlg = this;
  m_lpfnProc = StringInputProc;
  m_lpValue = value;
  m_strTitle = title;
  AddCtrlGroup(m_vEditGroups, kIdcInputEdit, m_lpValue, maxLength, charMode);
}

void cStringInputDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowInput(*this, m_strTitle, m_vEditGroups);
}

void cStringInputDlg::OnCommand(WPARAM wParam, LPARAM lParam) { InputCommand(*this, wParam, lParam); }

LRESULT cStringInputDlg::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return InputMessage(*this, window, message, wParam, lParam);
}

cStatusPopup::cStatusPopup(cWindow* parent, cModelessList* list, const char* text, const char* title,
                           cWindow* place, int32_t center, int32_t waitCursor)
    : cDialog(kIddStatusPopup, parent, kKindDialog, list, place, center) {
  Init(text, title, waitCursor);
}

cStatusPopup::~cStatusPopup() {
  Destroy();
  Forget(g_lpStatusPopup, this);
}

void cStatusPopup::Init(const char* text, const char* title, int32_t waitCursor) {
  g_lpStatusPopup = this;
  m_lpfnProc = StatusPopupProc;
  m_strText = text;
  m_strTitle = title;
  AddCtrlGroup(m_vStaticGroups, kIdcStatusText);
  if (waitCursor) SetWaitCursor();
}

void cStatusPopup::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetWindowTextA(m_hWnd, m_strTitle.GetStr());
  AttachCtrlGroups(m_vStaticGroups);
  DataToControls();
  if (cCtrlStatic* text = FindCtrlById(m_vStaticGroups, kIdcStatusText)) text->SetText(m_strText.GetStr());
  m_bInitialized = 1;
}

void cStatusPopup::OnCommand(WPARAM wParam, LPARAM lParam) { InputCommand(*this, wParam, lParam); }

LRESULT cStatusPopup::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return InputMessage(*this, window, message, wParam, lParam);
}

int RunValueInputDialog(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                        const char* title, cCtrl* place, int32_t center) {
  return RunHeld(g_lpValueInputHolder, [&] {
    return new (std::nothrow) cValueInputDlg(parent, list, value, min, max, title, place, center);
  });
}

int RunValueInputDialogAt(cWindow* parent, cModelessList* list, int32_t* value, int32_t min, int32_t max,
                          const char* title, int32_t x, int32_t y) {
  return RunHeld(g_lpValueInputHolder,
                 [&] { return new (std::nothrow) cValueInputDlg(parent, list, value, min, max, title, x, y); });
}

int RunStringInputDialog(cWindow* parent, cModelessList* list, cString* value, int32_t maxLength, int32_t charMode,
                         const char* title, cCtrl* place, int32_t center) {
  return RunHeld(g_lpStringInputHolder, [&] {
    return new (std::nothrow) cStringInputDlg(parent, list, value, maxLength, charMode, title, place, center);
  });
}

void ShowStatusPopup(cWindow* parent, cModelessList* list, const char* text, const char* title, cWindow* place,
                     int32_t center, int32_t waitCursor) {
  SafeDelete(g_lpStatusPopupHolder);
  g_lpStatusPopupHolder = new (std::nothrow) cStatusPopup(parent, list, text, title, place, center, waitCursor);
  if (!g_lpStatusPopupHolder) {
    OutOfMemory();
    return;
  }
  g_lpStatusPopupHolder->Create(kRunDisableOthers, 1);
  g_lpStatusPopupHolder->m_vStaticGroups.At(0).m_Ctrl.SetText(text);
}

void CloseStatusPopup() {
  SafeDelete(g_lpStatusPopupHolder);
  SetArrowCursor();
}

cStatusPopup* CurrentStatusPopup() { return g_lpStatusPopupHolder; }

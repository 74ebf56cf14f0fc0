#include "editors/win/cCharaGroupWnd.h"

#include <new>

#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cEditConfig.h"
#include "stage/cStageDoc.h"
#include "stage/win/FieldBinding.h"
#include "ui/win/cModelessList.h"

cCharaGroupWnd* cCharaGroupWnd::s_lpInstance = nullptr;

namespace {
constexpr uint16_t kStageEditorAccelerators = 105;

POINT OpeningPlace(cWindow* editor) {
  RECT rect = {};
  if (editor && editor->m_hWnd) GetWindowRect(editor->m_hWnd, &rect);
  POINT place = {};
  int32_t x = 0, y = 0;
  CharaGroupWindowPos(EditConfig.m_wpCharaGroup, rect.left, rect.top, x, y);
  place.x = x;
  place.y = y;
  return place;
}
}  // namespace

cCharaGroupWnd::cCharaGroupWnd(cWindow* editor, cModelessList* list)
    : cDialog(kIddCharaGroup, editor, kKindDialog, list, OpeningPlace(editor).x, OpeningPlace(editor).y),
      m_pEditor(editor) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  for (int group = 0; group < kCharaGroupCount; ++group) AddCtrlGroup(m_vButtons, kCharaGroupButtons[group]);
}

cCharaGroupWnd::~cCharaGroupWnd() {
  if (m_bModeless) Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cCharaGroupWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cCharaGroupWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrlGroups(m_vButtons);
  AddAccelerators(m_hWnd, kStageEditorAccelerators);
  m_bInitialized = 1;
  OnPaint();
}

void cCharaGroupWnd::OnPaint() {
  if (!m_bInitialized) return;
  cCtrlStates states;
  CharaGroupStates(g_StageDoc, states);
  ApplyCtrlStates(*this, states);
}

void cCharaGroupWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  if (IsForwardedGroupCommand(LOWORD(wParam)) && m_pEditor) {
    // Posted, so that it runs after this window's command: the editor's command may rebuild every
    // window, this one too.
    PostMessageA(m_pEditor->m_hWnd, WM_COMMAND, wParam, lParam);
  } else {
    // A button shows the stage, never a click.
    OnPaint();
  }
}

LRESULT cCharaGroupWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) StorePlacement();
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_KEYDOWN:
      if (IsForwardedGroupKey(static_cast<unsigned>(wParam)) && m_pEditor) SendMessageA(m_pEditor->m_hWnd, WM_KEYDOWN, wParam, lParam);
      return 1;
    case WM_CLOSE:
      // The window closes only with the stage editor.
      return 1;
    default:
      return result;
  }
}

void cCharaGroupWnd::StorePlacement() {
  RECT rect = {};
  if (!GetWindowRect(m_hWnd, &rect)) return;
  StoreCharaGroupPlacement(EditConfig.m_wpCharaGroup, rect.left, rect.top, rect.right, rect.bottom);
  EditConfig.SaveFile(g_DataPaths[kPathEditConfig].GetStr());
}

cDialog* MakeCharaGroupWindow(cWindow* editor) {
  cCharaGroupWnd* window = new (std::nothrow) cCharaGroupWnd(editor, &g_ModelessList);
  if (!window) {
    OutOfMemory();
    return nullptr;
  }
  window->Create(0, 0);
  if (!window->m_hWnd) SafeDelete(window);
  return window;
}

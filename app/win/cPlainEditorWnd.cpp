#include "app/win/cPlainEditorWnd.h"

#include <new>

#include "app/MessageBox.h"
#include "ui/win/cModelessList.h"

cPlainEditorWnd* cPlainEditorWnd::s_lpInstance = nullptr;

cPlainEditorWnd::cPlainEditorWnd(cMainFrame& frame)
    : cEditorWindow(kTemplateId, &frame, kKindDialog, &g_ModelessList), m_Frame(frame) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  frame.m_nEditorKind = 0;
}

cPlainEditorWnd::~cPlainEditorWnd() {
  Destroy();
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cPlainEditorWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

LRESULT cPlainEditorWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_CLOSE) {
    // The frame asks whether to end the program; the window itself stays until then.
    PostMessageA(m_Frame.m_hWnd, WM_CLOSE, 0, 0);
    return 1;
  }
  return result;
}

void cPlainEditorWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (HICON icon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(kIconId)))
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  m_bInitialized = 1;
}

cEditorWindow* MakePlainEditor(cMainFrame& frame) {
  cEditorWindow* editor = new (std::nothrow) cPlainEditorWnd(frame);
  if (!editor) OutOfMemory();
  return editor;
}

#include "tests/support/win/BoxAnswerer.h"

#include "app/win/cShellWin.h"

void cBoxAnswerer::OnHook(int code, WPARAM wParam, LPARAM) {
  if (code == HCBT_ACTIVATE) OnActivate(reinterpret_cast<HWND>(wParam));
}

void cBoxAnswerer::OnActivate(HWND box) {
  char className[64] = {};
  GetClassNameA(box, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0) return;
  // Under Wine the hook also hears dialogs of other programs being activated on the same desktop.
  if (GetWindowThreadProcessId(box, nullptr) != GetCurrentThreadId()) return;
  // The framework's own dialogs (a working window activated again when a box closes) are no boxes.
  if (GetPropA(box, "DLG_CLASS")) return;
  // Nor is a property sheet activated again when a box over one of its pages closes.
  if (FindWindowExA(box, nullptr, "SysTabControl32", nullptr)) return;
  for (HWND answered : m_vAnswered)
    if (answered == box) return;
  m_vAnswered.push_back(box);
  cSeen seen;
  char text[4096] = {};
  GetWindowTextA(box, text, sizeof text);
  seen.m_strCaption = text;
  text[0] = 0;
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
  seen.m_strText = text;
  seen.m_hOwner = GetWindow(box, GW_OWNER);
  m_vSeen.push_back(seen);
  int answer = 0;
  if (!m_vAnswers.empty()) {
    answer = m_vAnswers.front();
    m_vAnswers.erase(m_vAnswers.begin());
  }
  if (answer == 0) answer = GetDlgItem(box, IDOK) ? IDOK : IDYES;
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

cTestMainWindow::cTestMainWindow() {
  m_hWnd = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_hMainWnd = m_hWnd;
  g_nUiThreadId = GetCurrentThreadId();
}

cTestMainWindow::~cTestMainWindow() {
  if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
  g_hMainWnd = nullptr;
}

bool cTestMainWindow::CloseRequested() {
  MSG message;
  bool found = false;
  while (PeekMessageA(&message, m_hWnd, 0, 0, PM_REMOVE))
    if (message.message == WM_CLOSE) found = true;
  return found;
}

#include "listctrl/win/cListBoxWin.h"

#include <algorithm>

#include "app/cShellSeam.h"

void cListBoxWin::ResetContent() { Send(LB_RESETCONTENT); }

// A list box reads LBS_SORT when it is made and sorts what LB_ADDSTRING adds even after the style
// bit is gone; an insertion at -1 appends whatever the style.
void cListBoxWin::AddString(const char* text) {
  Send(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

void cListBoxWin::InsertString(int row, const char* text) {
  Send(LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
}

void cListBoxWin::DeleteString(int row) { Send(LB_DELETESTRING, static_cast<WPARAM>(row)); }

int cListBoxWin::GetCount() { return static_cast<int>(Send(LB_GETCOUNT)); }

int cListBoxWin::GetCurSel() { return static_cast<int>(Send(LB_GETCURSEL)); }

void cListBoxWin::SetCurSel(int row) { Send(LB_SETCURSEL, static_cast<WPARAM>(row)); }

void cListBoxWin::GetSelItems(cVector<int>& rows) {
  rows.clear();
  LRESULT count = Send(LB_GETSELCOUNT);
  if (count == LB_ERR || count <= 0) return;
  rows.resize(static_cast<size_t>(count));
  LRESULT got = Send(LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(rows.data()));
  rows.resize(got == LB_ERR ? 0 : static_cast<size_t>(std::clamp<LRESULT>(got, 0, count)));
}

void cListBoxWin::SetSel(int flag, int row) { Send(LB_SETSEL, flag ? TRUE : FALSE, static_cast<LPARAM>(row)); }

int cListBoxWin::GetCaretIndex() { return static_cast<int>(Send(LB_GETCARETINDEX)); }

void cListBoxWin::SetCaretIndex(int row) { Send(LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE); }

int cListBoxWin::GetAnchorIndex() { return static_cast<int>(Send(LB_GETANCHORINDEX)); }

void cListBoxWin::SetAnchorIndex(int row) { Send(LB_SETANCHORINDEX, static_cast<WPARAM>(row)); }

int cListBoxWin::GetTopIndex() { return static_cast<int>(Send(LB_GETTOPINDEX)); }

void cListBoxWin::SetTopIndex(int row) { Send(LB_SETTOPINDEX, static_cast<WPARAM>(row)); }

int cListBoxWin::ItemFromPoint(int x, int y) {
  RECT window = {};
  if (!GetWindowRect(m_hWnd, &window)) return -1;
  if (x < window.left || x > window.right || y < window.top || y > window.bottom) return -1;
  // A point on the frame counts as the row next to it.
  POINT point = {x, y};
  ScreenToClient(m_hWnd, &point);
  RECT client = {};
  GetClientRect(m_hWnd, &client);
  point.x = std::clamp<LONG>(point.x, client.left, std::max(client.left, client.right - 1));
  point.y = std::clamp<LONG>(point.y, client.top, std::max(client.top, client.bottom - 1));
  LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  return HIWORD(hit) ? -1 : LOWORD(hit);
}

void cListBoxWin::SetRedraw(int on) { Send(WM_SETREDRAW, on ? TRUE : FALSE); }

void cListBoxWin::SetFocus() { ::SetFocus(m_hWnd); }

int cListBoxWin::HasFocus() { return m_hWnd && GetFocus() == m_hWnd ? 1 : 0; }

void cListBoxWin::Beep() { Shell().Beep(); }

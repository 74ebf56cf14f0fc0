#include "ui/win/cCtrl.h"

#include <cstdarg>

#include "app/Fault.h"
#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "ui/TextLimits.h"
#include "ui/win/cCtrlEdit.h"
#include "ui/win/cDialog.h"

namespace {
// The longest window text that GetText reads.
constexpr int kTextReadSize = 1024;
}  // namespace

void ReportItemFault(const char* what) { ReportFault("CtrlProc", what); }

void ReportMissingCtrl(uint16_t id) {
  DebugBoxF("コントロールID 【%u】 が見つかりません！", static_cast<unsigned>(id));
  Shell().DestroyMainWindow();
}

void cCtrl::Attach(cDialog* owner, uint16_t id) {
  m_lpOwner = owner;
  m_hWndOwner = owner->m_hWnd;
  m_wId = id;
  m_strTip.clear();
  m_hWnd = GetDlgItem(m_hWndOwner, id);
  UpdatePos();
}

void cCtrl::UpdatePos() {
  RECT rect = {};
  GetWindowRect(m_hWnd, &rect);
  m_ptScreen = POINT{rect.left, rect.top};
  if (!m_hWndOwner) return;
  RECT owner = {};
  GetWindowRect(m_hWndOwner, &owner);
  m_ptClient.x = m_ptScreen.x - m_lpOwner->m_nBorderLeft - owner.left;
  m_ptClient.y = m_ptScreen.y - m_lpOwner->m_nBorderTop - owner.top;
}

int cCtrl::SetSize(int32_t width, int32_t height) {
  if (!m_hWnd) return 0;
  UpdatePos();
  return SetWindowPos(m_hWnd, nullptr, m_ptClient.x, m_ptClient.y, width, height, 0);
}

void cCtrl::MoveTo(int32_t x, int32_t y) {
  RECT rect = {};
  GetWindowRect(m_hWnd, &rect);
  SetWindowPos(m_hWnd, nullptr, x, y, rect.right - rect.left, rect.bottom - rect.top, 0);
  UpdatePos();
}

int cCtrl::ContainsPoint(POINT screen) const {
  RECT rect = {};
  if (!GetWindowRect(m_hWnd, &rect)) return 0;
  return screen.x >= rect.left && screen.x <= rect.right && screen.y >= rect.top && screen.y <= rect.bottom;
}

void cCtrl::RemoveStyle(uint32_t style) {
  LONG now = GetWindowLongA(m_hWnd, GWL_STYLE);
  SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(static_cast<uint32_t>(now) & ~style));
}

int cCtrl::HasStyle(uint32_t style) const {
  return (static_cast<uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE)) & style) == style ? 1 : 0;
}

int cCtrl::IsEnabled() const { return HasStyle(WS_DISABLED) ? 0 : 1; }

void cCtrl::SetText(const char* text) { SetWindowTextA(m_hWnd, text ? text : ""); }

void cCtrl::GetText(cString& text) const {
  char buffer[kTextReadSize] = {};
  GetWindowTextA(m_hWnd, buffer, sizeof buffer);
  text = buffer;
  TrimPartialChar(text);
}

void cCtrl::AppendText(const char* text) {
  cString whole;
  GetText(whole);
  whole += text;
  SetText(whole.GetStr());
}

void cCtrl::SetItemString(const cString& text) { SetDlgItemString(m_hWndOwner, m_wId, text); }

void AppendTextF(cCtrl& ctrl, const char* format, ...) {
  char buffer[kTextReadSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  ctrl.AppendText(buffer);
}

void cCtrl::SubclassItem(const char* property, WNDPROC procedure) {
  if (!m_hWnd) return;
  cCtrl* holder = FromItem(m_hWnd, property);
  if (!holder) {
    m_lpfnOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  } else if (holder != this) {
    // Another wrapper of the item hands the subclass over, so that the one holding the property
    // is the one that gives the procedure back, and none is left pointing at a wrapper gone.
    m_lpfnOldProc = holder->m_lpfnOldProc;
    holder->m_lpfnOldProc = nullptr;
  }
  SetPropA(m_hWnd, property, this);
}

void cCtrl::ReleaseSubclass(const char* property) {
  if (!m_lpfnOldProc || !IsWindow(m_hWnd) || FromItem(m_hWnd, property) != this) return;
  SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_lpfnOldProc));
  RemovePropA(m_hWnd, property);
  m_lpfnOldProc = nullptr;
}

LRESULT cCtrl::PassOn(const char* property, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC old = m_lpfnOldProc;
  if (message == WM_DESTROY) ReleaseSubclass(property);
  return CallWindowProcA(old, window, message, wParam, lParam);
}

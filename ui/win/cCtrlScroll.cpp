#include "ui/win/cCtrlScroll.h"

namespace {
constexpr const char* kScrollProperty = "CTRL_SCROLL_CLASS";
}  // namespace

cCtrlScroll::~cCtrlScroll() { ReleaseSubclass(kScrollProperty); }

void cCtrlScroll::Attach(cDialog* owner, const cCtrlParam& param) {
  cCtrl::Attach(owner, param.m_wId);
  m_lpTarget = param.m_lpTarget;
  m_nBar = param.m_nBar;
  m_nMin = param.m_nMin;
  m_nMax = param.m_nMax;
  m_nPage = param.m_nPage;
  m_bRedraw = param.m_bRedraw;
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, m_nMin, m_nMax, static_cast<UINT>(m_nPage), 0, 0};
  SetScrollInfo(BarWindow(), BarKind(), &info, m_bRedraw);
  SubclassItem(kScrollProperty, Procedure);
}

int cCtrlScroll::GetPos() const {
  SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(BarWindow(), BarKind(), &info);
  return info.nPos;
}

void cCtrlScroll::SetPos(int32_t position) {
  SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(BarWindow(), BarKind(), &info, TRUE);
}

int cCtrlScroll::ScrollBy(int32_t delta) {
  SetPos(GetPos() + delta);
  return GetPos();
}

void cCtrlScroll::SetRange(int32_t min, int32_t max) {
  m_nMin = min;
  m_nMax = max;
  SCROLLINFO info = {sizeof info, SIF_RANGE, min, max, 0, 0, 0};
  SetScrollInfo(BarWindow(), BarKind(), &info, TRUE);
}

void cCtrlScroll::SetPage(int32_t page) {
  m_nPage = page;
  SCROLLINFO info = {sizeof info, SIF_PAGE, 0, 0, static_cast<UINT>(page), 0, 0};
  SetScrollInfo(BarWindow(), BarKind(), &info, TRUE);
}

LRESULT CALLBACK cCtrlScroll::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<cCtrlScroll*>(FromItem(window, kScrollProperty));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_RBUTTONUP) return 0;  // no context menu on a scroll bar
  return GuardedItemMessage([&] { return self->PassOn(kScrollProperty, window, message, wParam, lParam); });
}

#include "ui/win/cDialog.h"

#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "ui/win/cCtrl.h"
#include "ui/win/cModelessList.h"

namespace {
uint16_t g_wHScrollId = 1008;
uint16_t g_wVScrollId = 1009;

// Tick counters of the four drag-scroll directions: left, right, up, down.
int32_t g_anDragTicks[4] = {};

// A drag beyond this many pixels scrolls on every tick, nearer only every eighth.
constexpr int32_t kDragFarPixels = 32;
constexpr int32_t kDragNearTicks = 8;

LRESULT CALLBACK DialogSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  cDialog* dialog = static_cast<cDialog*>(GetPropA(window, "DLG_CLASS"));
  if (!dialog || !dialog->m_lpfnOldProc) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(dialog->m_lpfnOldProc, window, message, wParam, lParam);
}

struct cScrollKey {
  WPARAM m_nKey;
  int m_nBar;
  WORD m_wCode;
};
const cScrollKey kScrollKeys[] = {
    {VK_PRIOR, SB_VERT, SB_PAGEUP},   {VK_NEXT, SB_VERT, SB_PAGEDOWN},   {VK_HOME, SB_HORZ, SB_PAGELEFT},
    {VK_END, SB_HORZ, SB_PAGERIGHT},  {VK_LEFT, SB_HORZ, SB_LINELEFT},   {VK_RIGHT, SB_HORZ, SB_LINERIGHT},
    {VK_UP, SB_VERT, SB_LINEUP},      {VK_DOWN, SB_VERT, SB_LINEDOWN},
};

// The position a scroll code asks for; the bar clamps it afterwards.
int32_t NewScrollPosition(const SCROLLINFO& info, WORD code) {
  switch (code) {
    case SB_LINELEFT: return info.nPos - 1;
    case SB_LINERIGHT: return info.nPos + 1;
    case SB_PAGELEFT: return info.nPos - static_cast<int32_t>(info.nPage);
    case SB_PAGERIGHT: return info.nPos + static_cast<int32_t>(info.nPage);
    case SB_THUMBTRACK: return info.nTrackPos;
    case SB_LEFT: return info.nMin;
    case SB_RIGHT: return info.nMax;
    default: return info.nPos;
  }
}

}  // namespace

void SetDialogScrollBarIds(uint16_t horizontal, uint16_t vertical) {
  g_wHScrollId = horizontal;
  g_wVScrollId = vertical;
}

cDialog::cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager) {
  Init(templateId, parent, kind, manager);
}

cDialog::cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, int32_t x, int32_t y)
    : cWindow(x, y) {
  Init(templateId, parent, kind, manager);
}

cDialog::cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, cWindow* place,
                 int32_t center)
    : cWindow(place, center) {
  Init(templateId, parent, kind, manager);
}

cDialog::cDialog(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager, cCtrl* place,
                 int32_t center)
    : cWindow(place, center) {
  Init(templateId, parent, kind, manager);
}

void cDialog::Init(uint16_t templateId, cWindow* parent, int32_t kind, cModelessList* manager) {
  m_nKind = kind;
  m_bInitialized = 0;
  m_bModeless = 0;
  m_nRunFlags = 0;
  m_hWndParent = parent ? parent->m_hWnd : nullptr;
  m_lpParentClass = parent;
  m_lpfnOldProc = nullptr;
  cWindow::Init(templateId, m_hWndParent, manager);
}

void cDialog::HideAndDisableOthers() {
  if (!m_lpManager) return;
  if (m_nRunFlags & kRunHideOthers) m_lpManager->ShowAll(0);
  if (m_nRunFlags & kRunDisableOthers) m_lpManager->EnableAll(0);
}

void cDialog::RestoreOtherWindows() {
  if (!m_lpManager) return;
  if (m_nRunFlags & kRunHideOthers) m_lpManager->ShowAll(1);
  if (m_nRunFlags & kRunDisableOthers) m_lpManager->EnableAll(1);
}

INT_PTR cDialog::DoModal(int32_t runFlags) {
  if (m_hWnd) return 0;
  Close(0);
  m_bModeless = 0;
  m_nRunFlags = runFlags;
  HideAndDisableOthers();
  INT_PTR result = DialogBoxParamA(m_hInstance, MAKEINTRESOURCEA(m_wTemplateId), m_hWndParent, m_lpfnProc, 0);
  m_hWnd = nullptr;
  RestoreOtherWindows();
  return result;
}

void cDialog::Create(int32_t runFlags, int32_t show) {
  Close(0);
  if (m_hWnd) return;
  m_bModeless = 1;
  m_nRunFlags = runFlags;
  HideAndDisableOthers();
  m_hWnd = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(m_wTemplateId), m_hWndParent, m_lpfnProc, 0);
  if (!m_hWnd) {
    RestoreOtherWindows();
    ReportResourceShortage();
  }
  Show(show);
}

void cDialog::Close(int32_t result) {
  m_nResult = result;
  m_vCtrl.Release();
  if (!m_hWnd) return;
  if (m_bModeless) DestroyWindow(m_hWnd);
  else EndDialog(m_hWnd, result);
}

void cDialog::Destroy() {
  if (!m_bModeless || !m_hWnd) return;
  Close(0);
  if (!m_lpManager || !m_lpManager->RemoveWindow(m_lpRegistered)) ErrorBoxF("ウインドウの破棄に失敗！");
}

void cDialog::ReportResourceShortage() {
  DebugBoxF("システムリソース不足です！");
  MessageBeep(0);
  Shell().PostCloseRequest();
}

void cDialog::OnInitDialog(WPARAM, LPARAM) {
  m_vCtrl.Release();
  if (m_bModeless && m_lpManager) {
    m_lpRegistered = this;
    m_lpManager->AddWindow(this);
  }
  if (!m_lpfnOldProc) {
    SetPropA(m_hWnd, "DLG_CLASS", this);
    m_lpfnOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogSubclassProc));
  }
  RefreshMetrics();
  if (m_rcInitClient.right != 0) SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
  if (m_nScrollBars & 1) SetUpScrollBar(SB_HORZ);
  if (m_nScrollBars & 2) SetUpScrollBar(SB_VERT);
  PlaceWindow();
  if (!m_Hook.Install(m_hWnd, m_bModeless)) ErrorBoxF("KeyboardHookに失敗!");
  UpdateMouse(0, 7);
  m_MousePrev = m_Mouse;
  ArmRightClick();
}

void cDialog::SetUpScrollBar(int bar) {
  bool horizontal = bar == SB_HORZ;
  cCtrlGroup<cCtrlScroll>& group = horizontal ? m_cgHScroll : m_cgVScroll;
  group.m_Param.Set(horizontal ? g_wHScrollId : g_wVScrollId, nullptr, horizontal ? 0 : 1, 0, 0, 0, 0);
  AttachCtrlGroup(group);
  if (horizontal) {
    group.m_Ctrl.MoveTo(m_nViewX, m_nViewY + m_nViewHeight);
    group.m_Ctrl.SetSize(m_nViewWidth, GetSystemMetrics(SM_CYHSCROLL));
  } else {
    group.m_Ctrl.MoveTo(m_nViewX + m_nViewWidth, m_nViewY);
    group.m_Ctrl.SetSize(GetSystemMetrics(SM_CXVSCROLL), m_nViewHeight);
  }
  group.m_Ctrl.SetPos(0);
}

void cDialog::PlaceScrollBars() {
  if (HWND bar = ScrollBar(SB_HORZ))
    SetWindowPos(bar, nullptr, m_nViewX, m_nViewY + m_nViewHeight, m_nViewWidth, GetSystemMetrics(SM_CYHSCROLL),
                 SWP_NOZORDER);
  if (HWND bar = ScrollBar(SB_VERT))
    SetWindowPos(bar, nullptr, m_nViewX + m_nViewWidth, m_nViewY, GetSystemMetrics(SM_CXVSCROLL), m_nViewHeight,
                 SWP_NOZORDER);
}

void cDialog::KeepFocusOffScrollBars() {
  HWND view = m_cgView.m_Ctrl.m_hWnd;
  if (!m_bInitialized || !view) return;
  HWND focus = GetFocus();
  if (focus && (focus == ScrollBar(SB_HORZ) || focus == ScrollBar(SB_VERT))) SetFocus(view);
}

LRESULT cDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cWindow::WindowProc(window, message, wParam, lParam);
  KeepFocusOffScrollBars();
  switch (message) {
    case WM_DESTROY:
      RestoreOtherWindows();
      break;
    case WM_SIZE:
      PlaceScrollBars();
      break;
    case WM_NOTIFY:
      for (cCtrl* ctrl : m_vCtrl)
        if (ctrl->OnNotify(wParam, lParam)) break;
      break;
    case WM_KEYDOWN:
      HandleKeyDown(wParam, lParam);
      break;
    case WM_INITDIALOG:
      OnInitDialog(wParam, lParam);
      break;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, wParam, lParam);
      break;
    case WM_VSCROLL:
      OnScroll(SB_VERT, wParam, lParam);
      break;
    case kMsgHookKey:
      SendMessageA(window, WM_KEYDOWN, wParam, lParam);
      break;
    default:
      break;
  }
  return result;
}

void cDialog::HandleKeyDown(WPARAM key, LPARAM data) {
  for (const cScrollKey& scroll : kScrollKeys)
    if (scroll.m_nKey == key)
      PostMessageA(m_hWnd, scroll.m_nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, scroll.m_wCode,
                   reinterpret_cast<LPARAM>(ScrollBar(scroll.m_nBar)));
  if (m_bModeless) return;
  for (int i = 0; i < m_vCtrl.Count(); ++i) m_vCtrl.At(i)->OnKeyDown(key, data, CtrlKeyHeld());
}

void cDialog::OnScroll(int bar, WPARAM wParam, LPARAM lParam) {
  cCtrlScroll& scroll = (bar == SB_HORZ ? m_cgHScroll : m_cgVScroll).m_Ctrl;
  if (scroll.m_hWnd && reinterpret_cast<HWND>(lParam) == scroll.m_hWnd) {
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(scroll.m_hWnd, SB_CTL, &info);
    scroll.SetPos(NewScrollPosition(info, LOWORD(wParam)));
    if (scroll.GetPos() != info.nPos) OnPaint();
  }
  for (int i = 0; i < m_vCtrl.Count(); ++i)
    if (m_vCtrl.At(i)->OnScroll(wParam, lParam)) break;
}

void cDialog::OnCommand(WPARAM wParam, LPARAM) {
  WORD id = LOWORD(wParam);
  WORD code = HIWORD(wParam);
  for (int i = 0; i < m_vCtrl.Count(); ++i) {
    cCtrl* ctrl = m_vCtrl.At(i);
    if (ctrl->m_wId != id) continue;
    bool edit = ctrl->m_nKind == kCtrlEditVal || ctrl->m_nKind == kCtrlEditText;
    if ((edit && code == EN_UPDATE) || (ctrl->m_nKind == kCtrlCombo && code == CBN_SELCHANGE) ||
        (ctrl->m_nKind == kCtrlList && code == LBN_SELCHANGE) || (ctrl->m_nKind == kCtrlCheck && code == BN_CLICKED)) {
      ctrl->OnChange();
      break;
    }
    if ((edit && code == EN_KILLFOCUS) || (ctrl->m_nKind == kCtrlList && code == LBN_KILLFOCUS)) {
      ctrl->OnKillFocus();
      break;
    }
  }
  for (int i = 0; i < m_vCtrl.Count(); ++i) {
    cCtrl* ctrl = m_vCtrl.At(i);
    if (ctrl->m_nKind != kCtrlList) continue;
    SendMessageA(ctrl->m_hWnd, WM_SETREDRAW, FALSE, 0);
    ctrl->AfterCommand();
  }
}

void cDialog::RedrawList() {
  for (int i = 0; i < m_vCtrl.Count(); ++i)
    if (m_vCtrl.At(i)->m_nKind == kCtrlList) m_vCtrl.At(i)->Redraw();
}

void cDialog::DataToControls() {
  for (int i = 0; i < m_vCtrl.Count(); ++i) m_vCtrl.At(i)->DataToCtrl();
}

void cDialog::DataToControlsExcept(const cCtrl* except) {
  for (int i = 0; i < m_vCtrl.Count(); ++i)
    if (m_vCtrl.At(i)->m_wId != except->m_wId) m_vCtrl.At(i)->DataToCtrl();
}

void cDialog::ControlsToData() {
  for (int i = 0; i < m_vCtrl.Count(); ++i) m_vCtrl.At(i)->CtrlToData();
}

void cDialog::RefreshControls(int32_t hint) {
  BeginRefresh(hint);
  DataToControls();
  EndRefresh(hint);
}

void cDialog::RefreshControlsExcept(int32_t hint, const cCtrl* except) {
  BeginRefresh(hint);
  DataToControlsExcept(except);
  EndRefresh(hint);
}

uint16_t cDialog::FindCommandCtrl(WPARAM wParam) const {
  WORD id = LOWORD(wParam);
  WORD code = HIWORD(wParam);
  for (const cCtrl* ctrl : m_vCtrl) {
    if (ctrl->m_wId != id) continue;
    switch (ctrl->m_nKind) {
      case kCtrlButton: if (code == BN_CLICKED) return id; break;
      case kCtrlEditVal: case kCtrlEditText: if (code == EN_UPDATE) return id; break;
      case kCtrlCheck: return id;
      case kCtrlCombo: if (code == CBN_SELCHANGE) return id; break;
      default: break;
    }
  }
  return 0;
}

void cDialog::DragStep(int32_t& counter, int32_t beyond, int bar, int32_t step, int32_t* out) {
  ++counter;
  if (beyond <= kDragFarPixels && counter < kDragNearTicks) return;
  *out = (bar == SB_HORZ ? m_cgHScroll : m_cgVScroll).m_Ctrl.ScrollBy(step);
  counter = 0;
}

void cDialog::DragScroll(int32_t* x, int32_t* y) {
  if (m_Mouse.x < 0) DragStep(g_anDragTicks[0], -m_Mouse.x, SB_HORZ, -1, x);
  if (m_Mouse.x >= m_nViewWidth) DragStep(g_anDragTicks[1], m_Mouse.x - m_nViewWidth, SB_HORZ, 1, x);
  if (m_Mouse.y < 0) DragStep(g_anDragTicks[2], -m_Mouse.y, SB_VERT, -1, y);
  if (m_Mouse.y >= m_nViewHeight) DragStep(g_anDragTicks[3], m_Mouse.y - m_nViewHeight, SB_VERT, 1, y);
}

#include "stage/win/cPaletteWnd.h"

#include <algorithm>
#include <vector>

#include "app/cEditConfig.h"
#include "stage/win/PaintCanvas.h"
#include "stage/win/cStageEditorWnd.h"

cPaletteWnd* cPaletteWnd::s_apInstance[kPaletteWndCount] = {};

template <int N>
INT_PTR CALLBACK cPaletteWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_apInstance[N], window, message, wParam, lParam);
}

// Each of the six windows reaches its own object through its own procedure.
const DLGPROC cPaletteWnd::s_apfnProc[kPaletteWndCount] = {Proc<0>, Proc<1>, Proc<2>, Proc<3>, Proc<4>, Proc<5>};

namespace {

constexpr uint32_t kPaletteStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

TBBUTTON ToolbarButton(const cPaletteToolButton& button) {
  TBBUTTON result = {};
  bool separator = button.m_nImage < 0;
  result.iBitmap = separator ? 0 : button.m_nImage;
  result.idCommand = button.m_nCommand;
  result.fsState = TBSTATE_ENABLED;
  result.fsStyle = separator ? TBSTYLE_SEP : TBSTYLE_CHECKGROUP;
  return result;
}

}  // namespace

cPaletteWnd::cPaletteWnd(cStageEditorWnd& editor, cModelessList* manager, cPalettePane& pane,
                         int32_t twinFrameHeight)
    : cDialog(kPaletteTemplate, &editor, kKindDialog, manager), m_Editor(editor), m_Pane(pane) {
  s_apInstance[pane.Index()] = this;
  m_lpfnProc = s_apfnProc[pane.Index()];
  SetUpGeometry(twinFrameHeight);
  m_cgView.m_Param.Set(kIdcPaletteCanvas, kPaletteClientWidth, kPaletteMaxClientHeight);
}

cPaletteWnd::~cPaletteWnd() {
  Destroy();
  if (s_apInstance[m_Pane.Index()] == this) s_apInstance[m_Pane.Index()] = nullptr;
}

void cPaletteWnd::SetUpGeometry(int32_t twinFrameHeight) {
  RECT editor = {};
  GetWindowRect(m_Editor.m_hWnd, &editor);
  cPaletteGeometry start = PaletteStartGeometry(m_Pane.Index(), EditConfig, editor.left, editor.top,
                                                editor.right - editor.left, twinFrameHeight);
  // The grid is never taller than the list: the window starts no larger than the list fills.
  int32_t largest = LargestViewHeight();
  int32_t height = std::clamp(start.m_nClientHeight, kPaletteMinClientHeight, largest);
  SetGeometry(kPaletteClientWidth, height, kPaletteClientWidth, kPaletteMinClientHeight, kPaletteClientWidth, largest,
              kPaletteStyle, 1, 1, 1, 0, 2);
  m_nPosX = start.m_nX;
  m_nPosY = PaletteWindowTop(start.m_nY);
}

int32_t cPaletteWnd::LargestViewHeight() const {
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int32_t largest = PaletteLargestHeight(m_Pane.GetEntryCount(), g_nToolbarRowHeight, g_nStatusBarHeight, area.bottom);
  return std::clamp(largest - g_nToolbarRowHeight - g_nStatusBarHeight, kPaletteMinClientHeight,
                    kPaletteMaxClientHeight);
}

void cPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetWindowTextA(m_hWnd, m_Pane.Title());
  m_hWndStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "DLG_PLT", m_hWnd, kIdcPaletteStatus);
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(kPaletteMenu));
  SetMenu(m_hWnd, m_hMenu);
  // The size was set for a window with its menu: the menu bar now takes its place.
  SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
  CreateToolbarButtons();
  SyncToolbar();
  AttachCtrlGroup(m_cgView);
  RefreshMetrics();
  LayoutView();
  UpdateSize();
  AddAccelerators(m_hWnd, kPaletteAccelerators);
  DataToControls();
  m_EntryMenu.Load(m_hInstance, kPaletteEntryMenu);
  // A new window has a blank canvas, whatever the pane painted before.
  m_Pane.InvalidateAll();
  m_bInitialized = 1;
}

void cPaletteWnd::CreateToolbarButtons() {
  if (!CreateToolbar(kIdcPaletteToolbar)) return;
  // Runs of buttons from one bitmap file; the separator takes the common controls' bitmap.
  const int count = sizeof kPaletteToolButtons / sizeof kPaletteToolButtons[0];
  for (int first = 0; first < count;) {
    int bitmap = kPaletteToolButtons[first].m_nBitmap, end = first;
    std::vector<cToolButton> run;
    for (; end < count && kPaletteToolButtons[end].m_nBitmap == bitmap; ++end)
      run.push_back(cToolButton{ToolbarButton(kPaletteToolButtons[end]), kPaletteToolButtons[end].m_pTip});
    int32_t size = static_cast<int32_t>(run.size());
    if (bitmap < 0) AddToolbarButtons(run.data(), size);
    else AddToolbarBitmap(run.data(), size, kPaletteToolBitmaps[bitmap]);
    first = end;
  }
}

void cPaletteWnd::SyncToolbar() {
  if (!m_hWndToolbar) return;
  for (const cPaletteToolButton& button : kPaletteToolButtons) {
    if (!button.m_nCommand) continue;
    cCommandState state = PaletteToolbarState(button.m_nCommand, g_StageEditState);
    BYTE flags = TBSTATE_ENABLED | (state.m_bChecked ? TBSTATE_CHECKED : 0);
    SendMessageA(m_hWndToolbar, TB_SETSTATE, button.m_nCommand, MAKELPARAM(flags, 0));
  }
}

void cPaletteWnd::LayoutView() {
  if (HWND view = m_cgView.m_Ctrl.m_hWnd)
    SetWindowPos(view, nullptr, m_nViewX, m_nViewY, m_nViewWidth, m_nViewHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  m_Pane.SetClientHeight(m_nViewHeight);
}

void cPaletteWnd::UpdateSize() {
  m_nSizedCount = m_Pane.GetEntryCount();
  // The largest size the user can drag the window to, which also limits the window as it moves.
  m_rcMaxTrack.bottom = LargestViewHeight() + g_nToolbarRowHeight + g_nStatusBarHeight;
  if (!m_hWnd) return;
  POINT at = {};
  GetWindowPos(at);
  RefreshMetrics();
  MoveTo(at.x, PaletteWindowTop(at.y));
  m_Pane.UpdateSize();
}

void cPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  switch (m_Pane.RunCommand(LOWORD(wParam))) {
    case kPaletteCmdForward:
      // The stage editor's accelerators work in a palette window too.
      SendMessageA(m_Editor.m_hWnd, WM_COMMAND, wParam, 0);
      break;
    case kPaletteCmdDone:
      m_Editor.SyncToolButtons(g_StageEditState.m_nTool);
      break;
  }
}

LRESULT cPaletteWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      m_Pane.OnLButtonDown(GridX(lParam), GridY(lParam));
      break;
    case WM_RBUTTONDOWN:
      m_Pane.OnRButtonDown(GridX(lParam), GridY(lParam));
      break;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      result = 1;
      break;
    case WM_MOUSEWHEEL:
      m_Pane.OnWheel(static_cast<int16_t>(HIWORD(wParam)));
      result = 1;
      break;
    case WM_VSCROLL:
      if (m_cgVScroll.m_Ctrl.m_hWnd) m_Pane.SetTopRow(m_cgVScroll.m_Ctrl.GetPos());
      result = 1;
      break;
    case WM_SIZE:
      LayoutView();
      break;
    case WM_INITDIALOG:
      // The grid, the scroll bar and the status bar as soon as the window exists, shown or not.
      OnPaint();
      return result;
    case WM_CLOSE:
      // The user cannot close a palette window; the stage editor window ends it.
      return 1;
    case WM_DESTROY:
      OnDestroy(window);
      return result;
    default:
      break;
  }
  if (IsRightClicked()) OnRightClick();
  if (!result) return 0;
  OnPaint();
  PaintTwin();
  return 1;
}

void cPaletteWnd::OnKeyDown(WPARAM key) {
  cPaletteKey action = PaletteKeyAction(static_cast<int>(key));
  if (action.m_nCommand) SendMessageA(m_Editor.m_hWnd, WM_COMMAND, static_cast<WPARAM>(action.m_nCommand), 0);
  if (action.m_nKey) SendMessageA(m_Editor.m_hWnd, WM_KEYDOWN, static_cast<WPARAM>(action.m_nKey), 0);
}

void cPaletteWnd::OnRightClick() {
  // One menu a release: the mouse state keeps the release while the cursor is off the grid.
  m_Mouse.m_bRReleased = 0;
  cEntryMenu menu = m_Pane.OnRightClick(m_Mouse.x, m_Mouse.y);
  OnPaint();
  PaintTwin();
  HMENU popup = m_EntryMenu.Popup();
  if (!menu.m_bOpen || !popup) return;
  for (int i = 0; i < 9; ++i)
    EnableMenuItem(popup, kEntryMenuItems[i], MF_BYCOMMAND | (menu.m_aItem[i].m_bEnabled ? MF_ENABLED : MF_GRAYED));
  TrackPopupMenu(popup);
}

void cPaletteWnd::OnDestroy(HWND window) {
  if (!m_bInitialized) return;
  RECT rect = {};
  GetWindowRect(window, &rect);
  // Position and grid size, the very values the next window is made with.
  m_Pane.SavePlacement(EditConfig, rect.left, rect.top, m_nViewWidth, m_nViewHeight);
}

void cPaletteWnd::OnPaint() {
  cCtrlBitmap& view = m_cgView.m_Ctrl;
  if (!m_bInitialized || !view.m_Back.Dc()) return;
  // A window that shrinks with its list paints itself at its new size first.
  if (m_Pane.GetEntryCount() != m_nSizedCount) UpdateSize();
  MeasureSheets(m_Extents);
  m_Pane.TakePaint(m_Extents, m_Paint);
  cCtrlScroll& scroll = m_cgVScroll.m_Ctrl;
  if (m_Paint.m_bLayout && scroll.m_hWnd) {
    scroll.SetRange(0, m_Pane.ScrollMaximum());
    scroll.SetPage(m_Pane.ScrollPage());
    scroll.SetPos(m_Pane.TopRow());
  }
  for (const cPaintList& list : m_Paint.m_vLists) PaintOnView(view, list);
  if (m_Paint.m_bStatus && m_hWndStatus)
    SendMessageA(m_hWndStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(m_Paint.m_strStatus.GetStr()));
}

void cPaletteWnd::PaintTwin() {
  if (cPaletteWnd* twin = m_Editor.PaletteWnd(TwinPaletteWnd(m_Pane.Index()))) twin->OnPaint();
}

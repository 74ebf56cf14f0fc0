#include "ui/win/cWindow.h"

#include <exception>
#include <vector>

#include "app/Fault.h"
#include "app/ReportLog.h"
#include "app/win/cShellWin.h"
#include "ui/MessageName.h"
#include "ui/win/cCtrl.h"

int32_t g_nToolbarRowHeight = 28;
int32_t g_nStatusBarHeight = 20;

namespace {
// A physical press is reported once, to the first window whose update sees it.
int32_t g_bLeftLatch = 0;
int32_t g_bRightLatch = 0;

void UpdatePress(int32_t down, int32_t& latch, int32_t& pressed) {
  if (!down) {
    latch = 0;
    pressed = 0;
  } else if (!latch) {
    latch = 1;
    pressed = 1;
  } else {
    pressed = 0;
  }
}

int32_t Held(int key) { return (GetAsyncKeyState(key) & 0x8000) ? 1 : 0; }

// Accelerator tables stay loaded until the process ends, so each is loaded once and shared by
// every window that asks for it again.
struct cLoadedAccel {
  HINSTANCE m_hModule;
  uint16_t m_wId;
  HACCEL m_hAccel;
};
std::vector<cLoadedAccel> g_vLoadedAccels;

HACCEL LoadAcceleratorTable(HINSTANCE module, uint16_t id) {
  for (const cLoadedAccel& loaded : g_vLoadedAccels)
    if (loaded.m_hModule == module && loaded.m_wId == id) return loaded.m_hAccel;
  HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(id));
  if (table) g_vLoadedAccels.push_back(cLoadedAccel{module, id, table});
  return table;
}

// Moves a coordinate back inside [0, limit) by the window's extent, as the work area allows.
int32_t ClampToArea(int32_t position, int32_t extent, int32_t limit) {
  if (position < 0) return 0;
  if (position + extent >= limit) return limit - extent;
  return position;
}
}  // namespace

void cMouseState::Update(int32_t mask) {
  int32_t wasLeft = m_bLDown;
  int32_t wasRight = m_bRDown;
  if (mask & 1) {
    m_bLDown = Held(VK_LBUTTON);
    m_bRDown = Held(VK_RBUTTON);
  }
  if (mask & 2) {
    UpdatePress(m_bLDown, g_bLeftLatch, m_bLPressed);
    UpdatePress(m_bRDown, g_bRightLatch, m_bRPressed);
  }
  if (mask & 4) {
    m_bLReleased = wasLeft && !m_bLDown;
    m_bRReleased = wasRight && !m_bRDown;
  }
}

void cWindow::Init(uint16_t templateId, HWND parent, cModelessList* manager) {
  m_wTemplateId = templateId;
  m_hWndParent = parent;
  m_lpManager = manager;
  m_hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(g_hMainWnd, GWLP_HINSTANCE));
}

LRESULT cWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  m_hWnd = window;
  if (message == WM_COMMAND) {
    // A command sent from inside a command handler is dropped.
    if (m_bInCommand) return 0;
    m_bInCommand = 1;
  }
  if (m_bTrace && message != WM_GETTEXT) TraceMessage(message, wParam, lParam);
  UpdateMouse(0, 7);
  switch (message) {
    case WM_DESTROY:
      m_hWnd = nullptr;
      return 1;
    case WM_NCDESTROY:
      // The toolbar, a child, and the tooltip window, owned, are gone by now: the bitmaps can go too.
      ReleaseToolBitmaps();
      m_hWndToolTip = nullptr;
      return 0;
    case WM_MOVE:
      GetWindowPos(m_ptWindow);
      return 1;
    case WM_SIZE:
      OnSize(wParam, lParam);
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      OnPaint();
      EndPaint(window, &paint);
      return 1;
    }
    case WM_ACTIVATEAPP:
      return 1;
    case WM_GETMINMAXINFO: {
      MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
      int32_t frameWidth = m_nBorderLeft + m_nBorderRight;
      int32_t frameHeight = m_nBorderTop + m_nBorderBottom;
      info->ptMinTrackSize.x = m_rcMinTrack.right - m_rcMinTrack.left + frameWidth;
      info->ptMinTrackSize.y = m_rcMinTrack.bottom - m_rcMinTrack.top + frameHeight;
      info->ptMaxTrackSize.x = m_rcMaxTrack.right - m_rcMaxTrack.left + frameWidth;
      info->ptMaxTrackSize.y = m_rcMaxTrack.bottom - m_rcMaxTrack.top + frameHeight;
      return 1;
    }
    case WM_COMMAND: {
      // The guard opens again even when a fault leaves the handler early.
      struct cEnd {
        cWindow* m_pWindow;
        ~cEnd() { m_pWindow->EndCommand(); }
      } end{this};
      OnCommand(wParam, lParam);
      return 1;
    }
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 1;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 1;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 1;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 1;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 1;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(wParam, lParam); return 1;
    default:
      return 0;
  }
}

void cWindow::TraceMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LogErrorF("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_strName.GetStr(), MessageName(message),
            static_cast<unsigned>(wParam), HIWORD(wParam), LOWORD(wParam), static_cast<int>(lParam),
            static_cast<int>(HIWORD(lParam)), static_cast<int>(LOWORD(lParam)));
}

void cWindow::OnSize(WPARAM wParam, LPARAM lParam) {
  RefreshMetrics();
  if (m_hWndToolbar) SendMessageA(m_hWndToolbar, WM_SIZE, wParam, lParam);
  if (m_hWndStatus) {
    SetWindowPos(m_hWndStatus, nullptr, 0, m_rcClient.bottom - g_nStatusBarHeight, m_nViewWidth, g_nStatusBarHeight,
                 SWP_NOZORDER);
    SendMessageA(m_hWndStatus, WM_SIZE, wParam, lParam);
  }
}

void cWindow::SetGeometry(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                          int32_t maxHeight, uint32_t style, int32_t menu, int32_t toolbarRows, int32_t statusMode,
                          int32_t reserved, int32_t scrollBars) {
  m_nReqWidth = width;
  m_nReqHeight = height;
  m_nReqMinWidth = minWidth;
  m_nReqMinHeight = minHeight;
  m_nReqMaxWidth = maxWidth;
  m_nReqMaxHeight = maxHeight;
  m_dwStyle = style;
  m_bMenu = menu;
  m_nToolbarRows = toolbarRows;
  m_nStatusMode = statusMode;
  m_nReserved = reserved;
  m_nScrollBars = scrollBars;
  m_nViewX = 0;
  m_nViewY = toolbarRows * g_nToolbarRowHeight;
  int32_t extraWidth = (scrollBars & 2) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  int32_t extraHeight = (scrollBars & 1) ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  if (statusMode == 1 || statusMode == 2) extraHeight += g_nStatusBarHeight;
  extraHeight += m_nViewY;
  m_rcMinTrack = cRect{0, 0, minWidth + extraWidth, minHeight + extraHeight};
  m_rcMaxTrack = cRect{0, 0, maxWidth + extraWidth, maxHeight + extraHeight};
  m_rcClient = m_rcInitClient = cRect{0, 0, width + extraWidth, height + extraHeight};
  ComputeFrameMetrics();
}

void cWindow::RefreshMetrics() {
  m_dwStyle = static_cast<uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE));
  GetClientRect(m_rcClient);
  ComputeFrameMetrics();
}

void cWindow::ComputeFrameMetrics() {
  m_nBorderLeft = m_nBorderRight = m_nBorderTop = m_nBorderBottom = 0;
  if ((m_dwStyle & WS_CAPTION) == WS_CAPTION) m_nBorderTop += GetSystemMetrics(SM_CYCAPTION);
  if (m_dwStyle & WS_THICKFRAME) {
    m_nBorderLeft += GetSystemMetrics(SM_CXFRAME);
    m_nBorderRight += GetSystemMetrics(SM_CXFRAME);
    m_nBorderTop += GetSystemMetrics(SM_CYFRAME);
    m_nBorderBottom += GetSystemMetrics(SM_CYFRAME);
  } else if (m_dwStyle & WS_DLGFRAME) {
    m_nBorderLeft += GetSystemMetrics(SM_CXDLGFRAME);
    m_nBorderRight += GetSystemMetrics(SM_CXDLGFRAME);
    m_nBorderTop += GetSystemMetrics(SM_CYDLGFRAME);
    m_nBorderBottom += GetSystemMetrics(SM_CYDLGFRAME);
  }
  if (m_dwStyle & WS_HSCROLL) m_nBorderBottom += GetSystemMetrics(SM_CYHSCROLL);
  if (m_dwStyle & WS_VSCROLL) m_nBorderRight += GetSystemMetrics(SM_CXVSCROLL);
  if (m_bMenu) m_nBorderTop += GetSystemMetrics(SM_CYMENU);
  m_rcWindow = cRect{0, 0, m_rcClient.right + m_nBorderLeft + m_nBorderRight,
                     m_rcClient.bottom + m_nBorderTop + m_nBorderBottom};
  m_nViewX = 0;
  m_nViewY = m_nToolbarRows * g_nToolbarRowHeight;
  m_nViewWidth = m_rcClient.right;
  m_nViewHeight = m_rcClient.bottom - m_nViewY;
  if (m_nScrollBars & 1) m_nViewHeight -= GetSystemMetrics(SM_CYHSCROLL);
  if (m_nScrollBars & 2) m_nViewWidth -= GetSystemMetrics(SM_CXVSCROLL);
  if (m_nStatusMode == 1) m_nViewHeight -= g_nStatusBarHeight;
}

void cWindow::SetClientSize(int32_t width, int32_t height) {
  m_rcClient = cRect{0, 0, width, height};
  ComputeFrameMetrics();
  SetWindowPos(m_hWnd, nullptr, 0, 0, m_rcWindow.right, m_rcWindow.bottom, SWP_NOMOVE | SWP_NOZORDER);
  ComputeFrameMetrics();
}

void cWindow::MoveTo(int32_t x, int32_t y) {
  SetWindowPos(m_hWnd, nullptr, x, y, m_rcWindow.right, m_rcWindow.bottom, SWP_NOZORDER);
  m_ptWindow = POINT{x, y};
  ComputeFrameMetrics();
}

void cWindow::GetWindowPos(POINT& point) const {
  RECT rect = {};
  GetWindowRect(m_hWnd, &rect);
  point = POINT{rect.left, rect.top};
}

void cWindow::GetClientRect(cRect& rect) const {
  RECT client;
  if (!m_hWnd || !::GetClientRect(m_hWnd, &client)) return;
  rect = cRect{client.left, client.top, client.right, client.bottom};
}

void cWindow::AddStyle(uint32_t style) {
  m_dwStyle = static_cast<uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE)) | style;
  SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(m_dwStyle));
  RefreshMetrics();
}

void cWindow::RemoveStyle(uint32_t style) {
  m_dwStyle = static_cast<uint32_t>(GetWindowLongA(m_hWnd, GWL_STYLE)) & ~style;
  SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(m_dwStyle));
  RefreshMetrics();
}

void cWindow::Enable(int flag) {
  if (flag) RemoveStyle(WS_DISABLED);
  else AddStyle(WS_DISABLED);
}

void cWindow::PlaceWindow() {
  int32_t x, y;
  cRect own;
  GetClientRect(own);
  if (m_lpPlaceWnd || m_lpPlaceCtrl) {
    RECT reference = {};
    cRect referenceClient;
    if (m_lpPlaceWnd) {
      GetWindowRect(m_lpPlaceWnd->m_hWnd, &reference);
      m_lpPlaceWnd->GetClientRect(referenceClient);
    } else {
      GetWindowRect(m_lpPlaceCtrl->m_hWnd, &reference);
      RECT client = {};
      ::GetClientRect(m_lpPlaceCtrl->m_hWnd, &client);
      referenceClient = cRect{client.left, client.top, client.right, client.bottom};
    }
    x = reference.left;
    y = reference.top;
    if (m_bCenter) {
      x += referenceClient.right / 2 - own.right / 2;
      y += referenceClient.bottom / 2 - own.bottom / 2;
    }
  } else if (m_nPosX != kUnsetPosition && m_nPosY != kUnsetPosition) {
    x = m_nPosX;
    y = m_nPosY;
  } else {
    return;
  }
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  x = ClampToArea(x, m_rcWindow.right, area.right);
  y = ClampToArea(y, m_rcWindow.bottom, area.bottom);
  if (!m_lpPlaceWnd && !m_lpPlaceCtrl) {
    m_nPosX = x;
    m_nPosY = y;
  }
  MoveTo(x, y);
}

int cWindow::UpdateMouse(int32_t force, int32_t mask) {
  POINT cursor;
  if (!GetCursorPos(&cursor)) {
    LogErrorF("GetCursorPos失敗！");
    cursor = m_ptCursorScreen;  // where the cursor was last seen
  }
  POINT point = cursor;
  ScreenToClient(m_hWnd, &point);
  point.x -= m_nViewX;
  point.y -= m_nViewY;
  if (!force && (point.x < 0 || point.x >= m_nViewWidth || point.y < 0 || point.y >= m_nViewHeight)) return 0;
  m_Mouse.x = point.x;
  m_Mouse.y = point.y;
  m_ptCursorScreen = cursor;
  m_Mouse.Update(mask);
  return 1;
}

void cWindow::ArmRightClick() {
  // Read from the button itself: the mouse state is not refreshed while the cursor is outside the
  // view, and a press that began before the window must not count as a click on it.
  m_bRightArmed = Held(VK_RBUTTON) ? 0 : 1;
}

int cWindow::IsRightClicked() {
  if (!m_bInitialized) return 0;
  if (!m_bRightArmed) {
    // The click that opened the window is not a click on it.
    ArmRightClick();
    return 0;
  }
  if (m_Mouse.m_bLDown || !m_Mouse.m_bRReleased) return 0;
  HWND active = m_nKind == kKindPage
                    ? reinterpret_cast<HWND>(SendMessageA(m_hWndSheet, PSM_GETCURRENTPAGEHWND, 0, 0))
                    : GetActiveWindow();
  return active == m_hWnd ? 1 : 0;
}

void cWindow::AddAccelerators(HWND target, uint16_t tableId) {
  cAccelEntry entry;
  entry.m_hAccel = LoadAcceleratorTable(m_hInstance, tableId);
  entry.m_hWndTarget = target;
  m_AccelList.push_back(entry);
}

HWND cWindow::CreateToolbar(uint16_t id) {
  m_hWndToolbar = CreateToolbarEx(m_hWnd, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, id, 0, nullptr, 0, nullptr, 0, 0, 0,
                                  kToolImageWidth, kToolImageHeight, sizeof(TBBUTTON));
  return m_hWndToolbar;
}

void cWindow::AddToolbarButtons(const cToolButton* buttons, int32_t count) {
  TBADDBITMAP standard = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  int32_t base =
      static_cast<int32_t>(SendMessageA(m_hWndToolbar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&standard)));
  for (int32_t i = 0; i < count; ++i)
    AddToolbarButton(buttons[i], buttons[i].m_tbButton.fsStyle & TBSTYLE_SEP ? 0 : base);
}

void cWindow::AddToolbarBitmap(const cToolButton* buttons, int32_t count, const char* path) {
  if (count <= 0) return;
  // Loaded unshared: a shared image from a file would never be freed. The greys of the file take
  // the colours of the button face, which the toolbar then draws as transparent.
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, count * kToolImageWidth,
                                                   kToolImageHeight, LR_LOADFROMFILE | LR_LOADMAP3DCOLORS));
  if (!bitmap) return;
  m_vToolBitmaps.push_back(bitmap);
  TBADDBITMAP images = {nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
  int32_t base =
      static_cast<int32_t>(SendMessageA(m_hWndToolbar, TB_ADDBITMAP, count, reinterpret_cast<LPARAM>(&images)));
  for (int32_t i = 0; i < count; ++i) AddToolbarButton(buttons[i], base);
}

void cWindow::AddToolbarButton(const cToolButton& button, int32_t base) {
  // The caller's description stays as it is, so that a window opened again gets the same images.
  TBBUTTON added = button.m_tbButton;
  added.iBitmap += base;
  SendMessageA(m_hWndToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&added));
  AddToolTip(button, -1);
}

void cWindow::AddToolTip(const cToolButton& button, int32_t index) {
  if (!button.m_lpszTip) return;  // a separator has nothing to say
  // One tooltip window serves every button: tooltips that each subclass the toolbar would hear its
  // mouse only in the one made last on some systems.
  if (!m_hWndToolTip)
    m_hWndToolTip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, m_hInstance, nullptr);
  if (index == -1) index = static_cast<int32_t>(SendMessageA(m_hWndToolbar, TB_BUTTONCOUNT, 0, 0)) - 1;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = m_hWndToolbar;
  tool.uId = reinterpret_cast<UINT_PTR>(button.m_lpszTip);
  SendMessageA(m_hWndToolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tool.rect));
  tool.hinst = m_hInstance;
  tool.lpszText = const_cast<char*>(button.m_lpszTip);
  SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void cWindow::ReleaseToolBitmaps() {
  for (HBITMAP bitmap : m_vToolBitmaps) DeleteObject(bitmap);
  m_vToolBitmaps.clear();
}

BOOL cWindow::TrackPopupMenu(HMENU popup) {
  return ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, m_ptCursorScreen.x, m_ptCursorScreen.y, 0, m_hWnd, nullptr);
}

LRESULT cFrameWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = cWindow::WindowProc(window, message, wParam, lParam);
  if (message == WM_CREATE) OnCreate(wParam, lParam);
  return result;
}

LRESULT GuardedMessage(cWindow* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!object) return 0;
  try {
    return object->OnMessage(window, message, wParam, lParam);
  } catch (const std::exception& fault) {
    ReportFault("WindowProc", fault.what());
  } catch (...) {
    ReportFault("WindowProc", "unknown");
  }
  return 0;
}

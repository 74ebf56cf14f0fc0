#pragma once
// The base of every window object: frames, dialogs and property-sheet pages. Its dispatcher turns
// the messages the framework handles into virtual operations, so a window overrides only what it
// needs; each window class's static procedure reaches its object and calls OnMessage.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "app/cString.h"
#include "app/cVector.h"
#include "app/win/cCanvas.h"

class cCtrl;
class cModelessList;

struct cRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

struct cMouseState {
  // Bit 0 refreshes the held states, bit 1 the press edges, bit 2 the release edges.
  void Update(int32_t mask);

  int32_t x = 0;
  int32_t y = 0;
  int32_t m_nMask = 7;
  int32_t m_bLDown = 0;
  int32_t m_bRDown = 0;
  int32_t m_bLPressed = 0;
  int32_t m_bRPressed = 0;
  int32_t m_bLReleased = 0;
  int32_t m_bRReleased = 0;
};

struct cAccelEntry {
  HACCEL m_hAccel = nullptr;
  HWND m_hWndTarget = nullptr;  // the window itself or one of its controls
};

// One toolbar button as a window describes it: the toolbar's own record and the tooltip text,
// which lives as long as the window. Image indices count from the first image of their bitmap.
struct cToolButton {
  TBBUTTON m_tbButton;
  const char* m_lpszTip;
};

// Every image of a toolbar bitmap file is this large, side by side in one row.
constexpr int32_t kToolImageWidth = 16;
constexpr int32_t kToolImageHeight = 15;

enum : int32_t { kKindFrame = 0, kKindDialog = 1, kKindPage = 2 };

// A stored position that was never set.
constexpr int32_t kUnsetPosition = -1000;

// Heights of a toolbar row and of the status bar; start-up takes them from the editor configuration.
extern int32_t g_nToolbarRowHeight;
extern int32_t g_nStatusBarHeight;

class cWindow {
public:
  cWindow() = default;
  cWindow(int32_t x, int32_t y) : m_nPosX(x), m_nPosY(y) {}
  cWindow(cWindow* place, int32_t center) : m_lpPlaceWnd(place), m_bCenter(center) {}
  cWindow(cCtrl* place, int32_t center) : m_lpPlaceCtrl(place), m_bCenter(center) {}
  cWindow(const cWindow&) = delete;
  cWindow& operator=(const cWindow&) = delete;

  virtual ~cWindow() { ReleaseToolBitmaps(); }
  virtual void OnIdle() {}
  virtual void OnCommand(WPARAM, LPARAM) {}
  virtual void OnMouseMove(WPARAM, LPARAM) {}
  virtual void OnLButtonDown(WPARAM, LPARAM) {}
  virtual void OnRButtonDown(WPARAM, LPARAM) {}
  virtual void OnLButtonDblClk(WPARAM, LPARAM) {}
  virtual void OnRButtonDblClk(WPARAM, LPARAM) {}
  virtual void OnLButtonUp(WPARAM, LPARAM) {}
  virtual void OnRButtonUp(WPARAM, LPARAM) {}
  virtual LRESULT OnMessage(HWND, UINT, WPARAM, LPARAM) { return 0; }
  // 1 for a message the framework handled, 0 otherwise.
  virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  virtual void RedrawList() {}
  virtual void OnPaint() {}

  void Init(uint16_t templateId, HWND parent, cModelessList* manager);
  void SetGeometry(int32_t width, int32_t height, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                   int32_t maxHeight, uint32_t style, int32_t menu, int32_t toolbarRows, int32_t statusMode,
                   int32_t reserved, int32_t scrollBars);
  void RefreshMetrics();
  void ComputeFrameMetrics();
  void SetClientSize(int32_t width, int32_t height);
  void MoveTo(int32_t x, int32_t y);
  void GetWindowPos(POINT& point) const;
  void GetClientRect(cRect& rect) const;
  void AddStyle(uint32_t style);
  void RemoveStyle(uint32_t style);
  void Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }
  // Through the WS_DISABLED style bit, not EnableWindow.
  void Enable(int flag);
  void PlaceWindow();
  int UpdateMouse(int32_t force, int32_t mask);
  // Arms the right-click test only while the right button is up, wherever the cursor is.
  void ArmRightClick();
  int IsRightClicked();
  int AcceptCommand(WPARAM) { return 1; }
  void EndCommand() { m_bInCommand = 0; }
  // Loads an accelerator table for the window or one of its controls; each table is loaded once a
  // process and stays loaded.
  void AddAccelerators(HWND target, uint16_t tableId);
  // Creates the window's toolbar, for images of 16 x 15, and keeps it in m_hWndToolbar.
  HWND CreateToolbar(uint16_t id);
  // Buttons with images of the common controls' standard small colour bitmap.
  void AddToolbarButtons(const cToolButton* buttons, int32_t count);
  // Buttons with images from a bitmap file of count images; a file that does not load adds none.
  void AddToolbarBitmap(const cToolButton* buttons, int32_t count, const char* path);
  // The tooltip of the toolbar button at index (-1: the last button); a button without text has none.
  void AddToolTip(const cToolButton& button, int32_t index);
  // Opens the popup at the cursor as last seen over the view; the choice arrives as WM_COMMAND.
  BOOL TrackPopupMenu(HMENU popup);

  int32_t m_nKind = kKindFrame;
  HWND m_hWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  uint16_t m_wTemplateId = 0;
  HWND m_hWndParent = nullptr;
  HWND m_hWndSheet = nullptr;
  DLGPROC m_lpfnProc = nullptr;  // frames keep their window procedure here as well
  void* m_lpRegistered = nullptr;
  cModelessList* m_lpManager = nullptr;
  cCanvas m_Canvas1;
  cCanvas m_Canvas2;
  POINT m_ptWindow = {};
  int32_t m_nViewX = 0;
  int32_t m_nViewY = 0;
  int32_t m_nViewWidth = 0;
  int32_t m_nViewHeight = 0;
  cMouseState m_Mouse;
  POINT m_ptCursorScreen = {};
  cMouseState m_MousePrev;
  int32_t m_bRightArmed = 0;
  cRect m_rcInitClient;
  cRect m_rcClient;
  cRect m_rcMinTrack;
  cRect m_rcMaxTrack;
  int32_t m_nReqWidth = 0;
  int32_t m_nReqHeight = 0;
  int32_t m_nReqMinWidth = 0;
  int32_t m_nReqMinHeight = 0;
  int32_t m_nReqMaxWidth = 0;
  int32_t m_nReqMaxHeight = 0;
  cRect m_rcWindow;
  uint32_t m_dwStyle = 0;
  int32_t m_bMenu = 0;
  int32_t m_nToolbarRows = 0;
  int32_t m_nStatusMode = 0;
  int32_t m_nReserved = 0;
  int32_t m_nScrollBars = 0;
  HWND m_hWndToolbar = nullptr;
  HWND m_hWndStatus = nullptr;
  HWND m_hWndToolTip = nullptr;  // the toolbar's tooltips, one tool a button; owned by the window
  int32_t m_nBorderLeft = 0;
  int32_t m_nBorderRight = 0;
  int32_t m_nBorderTop = 0;
  int32_t m_nBorderBottom = 0;
  HMENU m_hMenu = nullptr;
  cList<cAccelEntry> m_AccelList;
  int32_t m_bInitialized = 0;
  int32_t m_bInCommand = 0;
  cString m_strName;
  int32_t m_bTrace = 0;
  int32_t m_nPosX = kUnsetPosition;
  int32_t m_nPosY = kUnsetPosition;
  cCtrl* m_lpPlaceCtrl = nullptr;
  cWindow* m_lpPlaceWnd = nullptr;
  int32_t m_bCenter = 0;

private:
  void TraceMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnSize(WPARAM wParam, LPARAM lParam);
  void AddToolbarButton(const cToolButton& button, int32_t base);
  void ReleaseToolBitmaps();

  // The toolbar's bitmap files as loaded; the toolbar draws from them until the window goes.
  std::vector<HBITMAP> m_vToolBitmaps;
};

class cFrameWnd : public cWindow {
public:
  cFrameWnd() { m_nKind = kKindFrame; }
  void Init(uint16_t templateId, HWND parent, cModelessList* manager) { cWindow::Init(templateId, parent, manager); }
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void OnCreate(WPARAM, LPARAM) {}

  int32_t m_bStarted = 0;
};

// Calls the object's OnMessage for a window, dialog or page procedure. No exception leaves it: a
// fault is logged and the main window asked to close; the message then counts as not handled.
LRESULT GuardedMessage(cWindow* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#include "project/win/cWorldMapWnd.h"

#include <algorithm>
#include <new>

#include "app/MessageBox.h"
#include "app/ProgramPalette.h"
#include "app/Utility.h"
#include "app/cEditConfig.h"
#include "app/win/cCanvas.h"
#include "project/win/WorldMapPlacement.h"
#include "project/win/cDlgWorldEvent.h"
#include "project/win/cDlgWorldMapSettings.h"
#include "project/win/cWorldMapPaletteWnd.h"
#include "stage/cStageEditState.h"
#include "stage/win/cStageEditorWnd.h"
#include "ui/win/cModelessList.h"

cWorldMapWnd* cWorldMapWnd::s_lpInstance = nullptr;

namespace {

constexpr uint32_t kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr int32_t kCell = cWorldMapEditor::kCellPixels;
constexpr COLORREF kMarkerOutline = RGB(255, 255, 0);
constexpr COLORREF kMarkerNumber = RGB(255, 255, 255);
constexpr COLORREF kGridColour = RGB(255, 255, 255);
constexpr int32_t kMarkerPixels = 16;
// Digits 8 pixels wide: one is centred on the marker, two cover it, three stand out to its left.
const char* const kNumberFace = "ＭＳ ゴシック";
constexpr int32_t kNumberHeight = 16;

TBBUTTON Button(int image, int id, BYTE style = TBSTYLE_BUTTON) {
  TBBUTTON button = {};
  button.iBitmap = image;
  button.idCommand = id;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = style;
  return button;
}

const cToolButton kStandardButtons[] = {
    {Button(STD_FILESAVE, kCmdWorldMapSave), "上書き保存"},
    {Button(0, 0, TBSTYLE_SEP), nullptr},
    {Button(STD_UNDO, kCmdWorldMapUndo), "元に戻す"},
    {Button(STD_REDOW, kCmdWorldMapRedo), "やり直し"},
    {Button(0, 0, TBSTYLE_SEP), nullptr},
};
const cToolButton kModeButtons[] = {
    {Button(0, kCmdWorldMapChipButton, TBSTYLE_CHECKGROUP), "マップチップパレット"},
    {Button(1, kCmdWorldMapEventButton, TBSTYLE_CHECKGROUP), "イベントパレット"},
};

void SetMenuItem(HMENU menu, int id, int enabled) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

cWorldMapWnd::cWorldMapWnd(cWindow* owner, cModelessList* list)
    : cDialog(kTemplateId, owner, kKindDialog, list, PlacementStart(EditConfig.m_wpWorldMap, owner, 0).x,
              PlacementStart(EditConfig.m_wpWorldMap, owner, 0).y),
      m_Editor(g_WorldMap, g_WorldMapEditState, EditConfig, g_StageEditState.m_bWorldMapModified, *this) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  SetUpGeometry();
  m_cgView.m_Param.Set(kIdcPicture, kMaxViewWidth, kMaxViewHeight);
}

cWorldMapWnd::~cWorldMapWnd() {
  SafeDelete(m_pChipPalette);
  SafeDelete(m_pEventPalette);
  SafeDelete(m_pSettingsDlg);
  SafeDelete(m_pEventDlg);
  if (m_hWnd) Close(0);
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cWorldMapWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cWorldMapWnd::SetUpGeometry() {
  const cWindowPlacement& placement = EditConfig.m_wpWorldMap;
  int32_t width = kMaxViewWidth, height = kMaxViewHeight;
  if (placement.m_bValid) {
    // A damaged configuration may hold any size; the window keeps to its limits.
    width = std::clamp(placement.m_nWidth, kMinViewWidth, kMaxViewWidth);
    height = std::clamp(placement.m_nHeight, kMinViewHeight, kMaxViewHeight);
  }
  SetGeometry(width, height, kMinViewWidth, kMinViewHeight, kMaxViewWidth, kMaxViewHeight, kFrameStyle, 1, 1, 1, 0, 3);
}

void cWorldMapWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_Editor.m_pOwner = m_hWnd;
  m_hWndStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", m_hWnd, kIdcStatus);
  SendMessageA(m_hWndStatus, SB_SIMPLE, TRUE, 0);
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(kMenuId));
  SetMenu(m_hWnd, m_hMenu);
  // The size was set for a window with its menu: the menu bar now takes its place.
  SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
  CreateToolbarButtons();
  UpdateModeStates();
  UpdateUndoStates();
  AttachCtrlGroup(m_cgView);
  m_cgView.m_Ctrl.m_Back.CreateFont(kNumberFace, 0, kNumberHeight);
  RefreshMetrics();
  LayoutPicture();
  OpenPaletteOfMode();
  AddAccelerators(m_hWnd, kAcceleratorId);
  m_hPopupMenu = m_Popup.Load(m_hInstance, kPopupMenuId);
  DataToControls();
  m_bInitialized = 1;
  Repaint();
}

void cWorldMapWnd::CreateToolbarButtons() {
  if (!CreateToolbar(kIdcToolbar)) return;
  AddToolbarButtons(kStandardButtons, sizeof kStandardButtons / sizeof kStandardButtons[0]);
  AddToolbarBitmap(kModeButtons, 2, "e_bmp\\ToolBar_WorldPalette.bmp");
}

void cWorldMapWnd::LayoutPicture() {
  if (HWND picture = PictureWindow())
    SetWindowPos(picture, nullptr, m_nViewX, m_nViewY, m_nViewWidth, m_nViewHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  m_Editor.SetPictureSize(std::min(m_nViewWidth, kMaxViewWidth), std::min(m_nViewHeight, kMaxViewHeight));
  cCtrlScroll& horizontal = m_cgHScroll.m_Ctrl;
  cCtrlScroll& vertical = m_cgVScroll.m_Ctrl;
  if (horizontal.m_hWnd) {
    cScrollRange range = m_Editor.HorizontalRange();
    horizontal.SetRange(range.m_nMin, range.m_nMax);
    horizontal.SetPage(range.m_nPage);
  }
  if (vertical.m_hWnd) {
    cScrollRange range = m_Editor.VerticalRange();
    vertical.SetRange(range.m_nMin, range.m_nMax);
    vertical.SetPage(range.m_nPage);
  }
  ScrollToBars();
}

void cWorldMapWnd::ScrollToBars() {
  int32_t x = m_cgHScroll.m_Ctrl.m_hWnd ? m_cgHScroll.m_Ctrl.GetPos() : m_Editor.ScrollX();
  int32_t y = m_cgVScroll.m_Ctrl.m_hWnd ? m_cgVScroll.m_Ctrl.GetPos() : m_Editor.ScrollY();
  m_Editor.SetScroll(x, y);
}

// Messages.

LRESULT cWorldMapWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_SYSCOMMAND:
      // The window cannot be minimised; every other system command takes its usual way.
      if ((wParam & 0xFFF0) == SC_MINIMIZE) return 1;
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return result;
    case WM_NCDESTROY:
      // The framework saw the handle once more; the object outlives its window.
      m_hWnd = nullptr;
      return result;
    case WM_CLOSE:
      OnClose();
      return 1;
    case WM_SIZE:
      if (m_bInitialized) LayoutPicture();
      Repaint();
      return result;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ScrollToBars();
      Repaint();
      return result;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) OnSpace();
      return result;
    case WM_KEYUP:
      if (wParam == VK_SPACE) m_SpacePress.Release();
      return result;
    case WM_RBUTTONDOWN:
      m_bRightPressed = 1;
      OnMouse(message, wParam, lParam);
      return result;
    case WM_RBUTTONUP:
      OnMouse(message, wParam, lParam);
      OnRightClick(wParam);
      return result;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      OnMouse(message, wParam, lParam);
      return result;
    default:
      // Commands and WM_PAINT have painted what they changed already.
      return result;
  }
}

void cWorldMapWnd::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_bInitialized) return;
  cWorldMapMouse mouse;
  switch (message) {
    case WM_LBUTTONDOWN: mouse.m_nEvent = cWorldMapMouse::kLeftDown; break;
    case WM_LBUTTONUP: mouse.m_nEvent = cWorldMapMouse::kLeftUp; break;
    case WM_RBUTTONDOWN: mouse.m_nEvent = cWorldMapMouse::kRightDown; break;
    case WM_RBUTTONUP: mouse.m_nEvent = cWorldMapMouse::kRightUp; break;
    default: mouse.m_nEvent = cWorldMapMouse::kMove; break;
  }
  mouse.m_nX = static_cast<int16_t>(LOWORD(lParam)) - m_nViewX;
  mouse.m_nY = static_cast<int16_t>(HIWORD(lParam)) - m_nViewY;
  // The message carries the buttons as they were when it was sent.
  mouse.m_bLeftHeld = (wParam & MK_LBUTTON) ? 1 : 0;
  mouse.m_bRightHeld = (wParam & MK_RBUTTON) ? 1 : 0;
  cStateRecord before = m_Editor.Cursor();
  unsigned refresh = m_Editor.OnMouse(mouse);
  // A move with no button held inside the cursor's cell leaves the picture as it is.
  const cStateRecord& after = m_Editor.Cursor();
  bool idleMove = mouse.m_nEvent == cWorldMapMouse::kMove && !mouse.m_bLeftHeld && !mouse.m_bRightHeld;
  if (idleMove && before.m_nX == after.m_nX && before.m_nY == after.m_nY) refresh &= ~kWmRepaint;
  Refresh(refresh);
}

void cWorldMapWnd::OnRightClick(WPARAM keys) {
  // A click of its own: pressed on the picture and let go there, the left button up, the window
  // active. The release is taken from its message: the mouse state's edge is gone by the next one.
  int pressedHere = m_bRightPressed;
  m_bRightPressed = 0;
  if (pressedHere && !(keys & MK_LBUTTON) && GetActiveWindow() == m_hWnd) ShowPopup();
}

void cWorldMapWnd::ShowPopup() {
  cWorldEventPopup popup;
  if (!m_hPopupMenu || !m_Editor.OpenPopup(popup)) return;
  for (int id : {kCmdWorldEventEdit, kCmdWorldEventCut, kCmdWorldEventCopy, kCmdWorldEventDelete})
    SetMenuItem(m_hPopupMenu, id, popup.m_bEdit);
  SetMenuItem(m_hPopupMenu, kCmdWorldEventPaste, popup.m_bPaste);
  TrackPopupMenu(m_hPopupMenu);
}

void cWorldMapWnd::OnIdle() {
  if (!m_bInitialized || !m_hWnd) return;
  UpdateMouse(1, 7);
  cWorldMapMouse mouse;
  mouse.m_nEvent = cWorldMapMouse::kIdle;
  mouse.m_nX = m_Mouse.x;
  mouse.m_nY = m_Mouse.y;
  mouse.m_bLeftHeld = m_Mouse.m_bLDown;
  mouse.m_bRightHeld = m_Mouse.m_bRDown;
  mouse.m_bRightPressed = m_Mouse.m_bRPressed;
  mouse.m_bRightReleased = m_Mouse.m_bRReleased;
  unsigned refresh = m_Editor.OnIdle(mouse);
  if (!refresh) return;
  if (refresh & kWmDragScroll) {
    int32_t x = m_Editor.ScrollX(), y = m_Editor.ScrollY();
    DragScroll(&x, &y);
    m_Editor.SetScroll(x, y);
  }
  Refresh(refresh);
}

void cWorldMapWnd::OnSpace() {
  if (m_SpacePress.Repeated()) return;
  Refresh(m_Editor.ToggleMode());
}

void cWorldMapWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  int id = LOWORD(wParam);
  switch (id) {
    case kCmdWorldMapExit:
      SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
      return;
    case kCmdWorldMapSettings:
      RunSettings();
      return;
    case kCmdSpaceKey:
      // Space of the shared table: the same key the window also hears as a key.
      if (HIWORD(wParam) == 1) OnSpace();
      return;
    default:
      Refresh(m_Editor.OnCommand(id));
      return;
  }
}

void cWorldMapWnd::OnClose() {
  if (m_Editor.AskSave()) Close(0);
}

void cWorldMapWnd::OnDestroy(HWND window) {
  // Position and picture size, the very values the next window is made with.
  if (m_bInitialized) StorePlacement(EditConfig.m_wpWorldMap, window, m_nViewWidth, m_nViewHeight);
  m_bInitialized = 0;
  // The palettes, owned windows, went before this window: their objects go now.
  SafeDelete(m_pChipPalette);
  SafeDelete(m_pEventPalette);
  g_WorldMapEditState.ClearUndo();
  if (m_lpManager) m_lpManager->RemoveWindow(m_lpRegistered);
  if (g_pStageEditorWnd) g_pStageEditorWnd->OnWorldMapClosed();
}

// What the editor's calls leave to the window.

void cWorldMapWnd::Refresh(unsigned refresh) {
  if (!m_bInitialized) return;
  if (refresh & kWmScrollRanges) LayoutPicture();
  if (refresh & kWmUndoButtons) UpdateUndoStates();
  if (refresh & kWmModeShown) {
    UpdateModeStates();
    OpenPaletteOfMode();
  }
  if (refresh & kWmTemplateCopy && m_pEventPalette) m_pEventPalette->TakeClipEvent(m_Editor.ClipEvent());
  if (refresh & kWmChipPalette && m_pChipPalette) m_pChipPalette->Repaint();
  if (refresh & kWmEventList && m_pEventPalette) m_pEventPalette->RedrawList();
  if (refresh & kWmFocus) SetFocus(m_hWnd);
  if (refresh & kWmRepaint) Repaint();
}

void cWorldMapWnd::UpdateUndoStates() {
  struct cState {
    int m_nId;
    int m_bEnabled;
  };
  for (cState state : {cState{kCmdWorldMapUndo, m_Editor.CanUndo()}, cState{kCmdWorldMapRedo, m_Editor.CanRedo()}}) {
    SetMenuItem(m_hMenu, state.m_nId, state.m_bEnabled);
    SendMessageA(m_hWndToolbar, TB_ENABLEBUTTON, state.m_nId, MAKELPARAM(state.m_bEnabled ? TRUE : FALSE, 0));
  }
}

void cWorldMapWnd::UpdateModeStates() {
  for (int mode = 0; mode < 2; ++mode) {
    int current = mode == m_Editor.Mode();
    CheckMenuItem(m_hMenu, kWorldMapModeMenuItems[mode], MF_BYCOMMAND | (current ? MF_CHECKED : MF_UNCHECKED));
    SendMessageA(m_hWndToolbar, TB_CHECKBUTTON, kWorldMapModeButtons[mode], MAKELPARAM(current ? TRUE : FALSE, 0));
  }
}

// Palettes and dialogs.

void cWorldMapWnd::OpenPaletteOfMode() {
  if (m_Editor.Mode() == cWorldMapEditState::kModeChips) OpenChipPalette();
  else OpenEventPalette();
}

void cWorldMapWnd::OpenChipPalette() {
  if (m_pChipPalette) return;
  SafeDelete(m_pEventPalette);
  m_pChipPalette = new (std::nothrow) cMapChipPaletteWnd(this, m_lpManager);
  if (!m_pChipPalette) {
    OutOfMemory();
    return;
  }
  m_pChipPalette->Create(0, 1);
}

void cWorldMapWnd::OpenEventPalette() {
  if (m_pEventPalette) return;
  SafeDelete(m_pChipPalette);
  m_pEventPalette = new (std::nothrow) cEventPaletteWnd(this, m_lpManager);
  if (!m_pEventPalette) {
    OutOfMemory();
    return;
  }
  m_pEventPalette->Create(0, 1);
}

cDialog* cWorldMapWnd::OpenPalette() {
  return m_pChipPalette ? static_cast<cDialog*>(m_pChipPalette) : m_pEventPalette;
}

void cWorldMapWnd::ShowWindows(int show) {
  for (cDialog* window : {static_cast<cDialog*>(this), OpenPalette()})
    if (window && window->m_hWnd) window->Show(show);
}

void cWorldMapWnd::HoldOwnWindows(int runFlags, int restore) {
  if (runFlags & kRunHideOthers) ShowWindows(restore);
  if (runFlags & kRunDisableOthers)
    for (cDialog* window : {static_cast<cDialog*>(this), OpenPalette()})
      if (window && window->m_hWnd) window->Enable(restore);
}

int cWorldMapWnd::RunEventDialog(cWorldEvent& event, int runFlags) {
  // Only this window and its palette: the stage editor's windows stay as the opening left them.
  HoldOwnWindows(runFlags, 0);
  int result = 0;
  m_pEventDlg = new (std::nothrow) cDlgWorldEvent(this, m_lpManager, &event);
  if (!m_pEventDlg) OutOfMemory();
  else result = m_pEventDlg->DoModal(0) == 1 ? 1 : 0;
  SafeDelete(m_pEventDlg);
  HoldOwnWindows(runFlags, 1);
  return result;
}

void cWorldMapWnd::RunSettings() {
  HoldOwnWindows(kRunHideOthers | kRunDisableOthers, 0);
  m_pSettingsDlg = new (std::nothrow) cDlgWorldMapSettings(this, m_lpManager);
  if (!m_pSettingsDlg) OutOfMemory();
  else if (m_pSettingsDlg->DoModal(0) == 1) Refresh(m_Editor.SettingsApplied());
  SafeDelete(m_pSettingsDlg);
  HoldOwnWindows(kRunHideOthers | kRunDisableOthers, 1);
  SetFocus(m_hWnd);
}

// Painting.

void cWorldMapWnd::OnPaint() {
  if (!m_bInitialized) return;
  ScrollToBars();
  Repaint();
}

void cWorldMapWnd::Repaint() {
  cCanvas& canvas = m_cgView.m_Ctrl.m_Back;
  if (!m_bInitialized || !canvas.Dc()) return;
  const cWorldMapDoc& doc = g_WorldMap;
  int32_t width = std::min(m_nViewWidth, kMaxViewWidth), height = std::min(m_nViewHeight, kMaxViewHeight);
  int32_t scrollX = m_Editor.ScrollX(), scrollY = m_Editor.ScrollY();
  canvas.FillRgb(g_ProgramPalette.m_Pal[static_cast<uint8_t>(doc.m_nBackColor)]);
  if (doc.m_bUseBackImage)
    canvas.Blit(0, 0, width, height, g_aSheetCanvas[kSheetWorldBack], scrollX * kCell, scrollY * kCell, 1);
  const cCanvas& chips = g_aSheetCanvas[kSheetWorldChip];
  // One cell more than fits, for the partly visible ones.
  for (int32_t row = 0; row <= height / kCell; ++row) {
    for (int32_t column = 0; column <= width / kCell; ++column) {
      const cMapChipDef* chip = doc.ChipDefAt(scrollX + column, scrollY + row);
      if (!chip) continue;
      int32_t sheetX, sheetY;
      ChipSheetCell(chip->m_nGraphic, sheetX, sheetY);
      canvas.Blit(column * kCell, row * kCell, kCell, kCell, chips, sheetX, sheetY, 0);
    }
  }
  PaintEvents(canvas);
  canvas.DrawGrid(0, 0, width, height, kCell, kCell, kGridColour);
  cWorldMapFrame frame = m_Editor.CursorFrame();
  canvas.SelectPen(PS_SOLID, 2, RGB(frame.m_byRed, frame.m_byGreen, frame.m_byBlue));
  canvas.Rectangle(frame.m_nX, frame.m_nY, frame.m_nWidth, frame.m_nHeight);
  canvas.ReleasePen();
  m_cgView.m_Ctrl.Present();
  SetStatusText(m_Editor.StatusText().GetStr());
}

void cWorldMapWnd::PaintEvents(cCanvas& canvas) {
  const cCanvas& sheet = g_aSheetCanvas[kSheetWorldEvent];
  for (const cWorldEvent& event : g_WorldMap.m_vEvent) {
    cWorldEventMarker marker = m_Editor.EventMarker(event);
    if (!marker.m_bShown) continue;
    canvas.StretchBlit(marker.m_nX, marker.m_nY, kMarkerPixels, kMarkerPixels, sheet, marker.m_nSheetX,
                       marker.m_nSheetY, kCell, kCell, 0);
    canvas.SelectPen(PS_SOLID, 1, kMarkerOutline);
    canvas.Rectangle(marker.m_nX, marker.m_nY, kMarkerPixels, kMarkerPixels);
    canvas.ReleasePen();
    if (!marker.m_bNumber) continue;
    char number[16];
    wsprintfA(number, "%d", marker.m_nNumber);
    canvas.DrawText(marker.m_nTextX, marker.m_nY, number, kMarkerNumber, TRANSPARENT);
  }
}

void cWorldMapWnd::SetStatusText(const char* text) {
  if (m_hWndStatus) SendMessageA(m_hWndStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text));
}

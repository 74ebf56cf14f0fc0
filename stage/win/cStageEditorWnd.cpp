#include "stage/win/cStageEditorWnd.h"

#include <algorithm>
#include <memory>
#include <new>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/Utility.h"
#include "app/cApplication.h"
#include "app/cEditConfig.h"
#include "app/win/FileDialogs.h"
#include "app/win/GameProgram.h"
#include "app/win/MainLoop.h"
#include "app/win/cGameProcess.h"
#include "app/win/cShellWin.h"
#include "database/win/cDatabaseWnd.h"
#include "project/cProjectSettings.h"
#include "project/cWorldMapEditState.h"
#include "project/win/cWorldMapWnd.h"
#include "project/win/RunToolDialog.h"
#include "project/win/cDlgBmpConvert.h"
#include "project/win/cOptionDialogs.h"
#include "project/win/cProjectOptionSheet.h"
#include "project/win/cSystemSettingsSheet.h"
#include "stage/cPaletteDoc.h"
#include "stage/win/PaintCanvas.h"
#include "stage/win/cDlgDataMove.h"
#include "stage/win/cDlgNewStage.h"
#include "stage/win/StageLoad.h"
#include "stage/win/cStageSettingsSheet.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cValueInputDlg.h"

cStageEditorWnd* g_pStageEditorWnd = nullptr;
cElementEditorHooks g_ElementEditors;
cStageEditorWnd* cStageEditorWnd::s_lpInstance = nullptr;

namespace {

constexpr uint32_t kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME;

TBBUTTON Button(int image, int id, BYTE style = TBSTYLE_BUTTON) {
  TBBUTTON button = {};
  button.iBitmap = image;
  button.idCommand = id;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = style;
  return button;
}
TBBUTTON Separator() { return Button(0, 0, TBSTYLE_SEP); }

// The toolbar: the standard images, then the layer and the test play pictures of their own.
const cToolButton kStandardButtons[] = {
    {Button(STD_FILENEW, kIdmNewStage), "新規作成"},
    {Button(STD_FILEOPEN, kIdmOpenStage), "開く"},
    {Button(STD_FILESAVE, kIdmSaveAll), "上書き保存"},
    {Separator(), nullptr},
    {Button(STD_UNDO, kIdmUndo), "元に戻す"},
    {Button(STD_REDOW, kIdmRedo), "やり直し"},
    {Separator(), nullptr},
};
const cToolButton kLayerButtons[] = {
    {Button(0, kIdtBlockLayer, TBSTYLE_CHECKGROUP), "ブロックパレット"},
    {Button(1, kIdtCharaLayer, TBSTYLE_CHECKGROUP), "キャラパレット"},
    {Button(2, kIdtItemLayer, TBSTYLE_CHECKGROUP), "アイテムパレット"},
};
const cToolButton kTestPlayButtons[] = {
    {Button(0, kIdtTestPlay), "テストプレイ"},
    {Button(1, kIdtTestPlayGame), "ゲーム全体のテストプレイ"},
};

// The palette windows' slots in the numbering of their panes.
cPaletteWnd* cStageEditorWnd::* const kPaletteSlots[kPaletteWndCount] = {
    &cStageEditorWnd::m_pCommonBlockWnd, &cStageEditorWnd::m_pCommonCharaWnd, &cStageEditorWnd::m_pCommonItemWnd,
    &cStageEditorWnd::m_pStageBlockWnd,  &cStageEditorWnd::m_pStageCharaWnd,  &cStageEditorWnd::m_pStageItemWnd,
};

template <class T>
void DeleteWindow(T*& window) {
  delete window;
  window = nullptr;
}

int HeightOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

}  // namespace

cStageEditorWnd::cStageEditorWnd(cMainFrame& frame)
    : cEditorWindow(kTemplateId, &frame, kKindDialog, &g_ModelessList,
                    EditConfig.m_wpStageEditor.m_bValid ? EditConfig.m_wpStageEditor.m_nX : kDefaultX,
                    EditConfig.m_wpStageEditor.m_bValid ? EditConfig.m_wpStageEditor.m_nY : kDefaultY),
      m_Frame(frame),
      m_Core(g_StageDoc, g_StageEditState, *this) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  frame.m_nEditorKind = 0;
  g_pStageEditorWnd = this;
  g_StageEditState.m_pView = this;
  SetUpGeometry();
  m_cgView.m_Param.Set(kIdcView, kMaxViewWidth, kMaxViewHeight);
}

cStageEditorWnd::~cStageEditorWnd() {
  DeleteWindow(m_pWorldMapWnd);
  CloseSheets();
  for (cPaletteWnd* cStageEditorWnd::*slot : kPaletteSlots) DeleteWindow(this->*slot);
  DeleteWindow(m_pGroupWnd);
  Destroy();
  if (g_StageEditState.m_pView == this) g_StageEditState.m_pView = nullptr;
  if (g_pStageEditorWnd == this) g_pStageEditorWnd = nullptr;
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cStageEditorWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cStageEditorWnd::SetUpGeometry() {
  const cWindowPlacement& placement = EditConfig.m_wpStageEditor;
  int32_t width = kMaxViewWidth, height = kMaxViewHeight;
  if (placement.m_bValid) {
    // A damaged configuration may hold any size; the window keeps to its limits.
    width = std::clamp(placement.m_nWidth, kMinViewWidth, kMaxViewWidth);
    height = std::clamp(placement.m_nHeight, kMinViewHeight, kMaxViewHeight);
  }
  SetGeometry(width, height, kMinViewWidth, kMinViewHeight, kMaxViewWidth, kMaxViewHeight, kFrameStyle, 1, 1, 1, 0, 3);
}

void cStageEditorWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  if (HICON icon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(kIconId)))
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  UpdateTitle();
  CreateStatusBar();
  m_hMenu = LoadMenuA(m_hInstance, MAKEINTRESOURCEA(kMenuId));
  SetMenu(m_hWnd, m_hMenu);
  // The size was set for a window with its menu: the menu bar now takes its place.
  SetClientSize(m_rcInitClient.right, m_rcInitClient.bottom);
  CreateToolbarButtons();
  AttachCtrlGroup(m_cgView);
  RefreshMetrics();
  LayoutView();
  m_Core.OnInit(m_nViewWidth, m_nViewHeight);
  SetScrollBars();
  AddAccelerators(m_hWnd, kAcceleratorId);
  MeasureBars();
  DataToControls();
  m_bInitialized = 1;
  UpdateCommandStates();
  TakeFocus();
}

void cStageEditorWnd::CreateStatusBar() {
  m_hWndStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "", m_hWnd, kIdcStatus);
}

void cStageEditorWnd::CreateToolbarButtons() {
  if (!CreateToolbar(kIdcToolbar)) return;
  AddToolbarButtons(kStandardButtons, sizeof kStandardButtons / sizeof kStandardButtons[0]);
  AddToolbarBitmap(kLayerButtons, 3, "e_bmp\\ToolBar_Palette.bmp");
  TBBUTTON separator = Separator();
  SendMessageA(m_hWndToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
  AddToolbarBitmap(kTestPlayButtons, 2, "e_bmp\\ToolBar_TestPlay.bmp");
}

void cStageEditorWnd::MeasureBars() {
  // The framework lays out the next start with the bars as this system draws them.
  if (m_hWndStatus) EditConfig.m_nStatusBarHeight = HeightOf(m_hWndStatus);
  if (m_hWndToolbar) EditConfig.m_nToolbarRowHeight = HeightOf(m_hWndToolbar);
}

void cStageEditorWnd::LayoutView() {
  if (HWND view = ViewWindow())
    SetWindowPos(view, nullptr, m_nViewX, m_nViewY, m_nViewWidth, m_nViewHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  cMapView& view = m_Core.View();
  view.SetClientSize(std::min(m_nViewWidth, kMaxViewWidth), std::min(m_nViewHeight, kMaxViewHeight));
  cCtrlScroll& horizontal = m_cgHScroll.m_Ctrl;
  cCtrlScroll& vertical = m_cgVScroll.m_Ctrl;
  if (horizontal.m_hWnd) {
    horizontal.SetRange(0, g_StageDoc.m_nWidth - 1);
    horizontal.SetPage(view.PageX());
  }
  if (vertical.m_hWnd) {
    vertical.SetRange(0, g_StageDoc.m_nHeight - 1);
    vertical.SetPage(view.PageY());
  }
  SetScrollBars();
}

void cStageEditorWnd::SetScrollBars() {
  if (m_cgHScroll.m_Ctrl.m_hWnd) m_cgHScroll.m_Ctrl.SetPos(m_Core.View().ScrollX());
  if (m_cgVScroll.m_Ctrl.m_hWnd) m_cgVScroll.m_Ctrl.SetPos(m_Core.View().ScrollY());
}

void cStageEditorWnd::ScrollToBars() {
  cMapView& view = m_Core.View();
  int32_t x = m_cgHScroll.m_Ctrl.m_hWnd ? m_cgHScroll.m_Ctrl.GetPos() : view.ScrollX();
  int32_t y = m_cgVScroll.m_Ctrl.m_hWnd ? m_cgVScroll.m_Ctrl.GetPos() : view.ScrollY();
  view.ScrollTo(x, y);
  SetScrollBars();
}

void cStageEditorWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  int id = LOWORD(wParam);
  // F5 and Space are keys of the table that the window also hears as keys: one press, one action.
  if (HIWORD(wParam) == 1 && (id == kIdaTestPlayF5 || id == kIdaLayerKey)) {
    OnKeyDown(id == kIdaTestPlayF5 ? VK_F5 : VK_SPACE);
    return;
  }
  RunCommand(id);
}

void cStageEditorWnd::RunCommand(int id) {
  if (!m_Core.RunCommand(id)) return;
  UpdateCommandStates();
  UpdateTitle();
}

LRESULT cStageEditorWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_MINIMIZE) return 0;
      Minimise();
      return 1;
    case WM_DESTROY:
      OnDestroy(window);
      return result;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      break;
    case WM_KEYUP:
      if (wParam == VK_F5 || wParam == VK_SPACE) m_aPress[wParam == VK_F5].Release();
      return result;
    case WM_MOUSEWHEEL:
      OnWheel(wParam);
      result = 1;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ScrollToBars();
      break;
    case WM_SIZE:
      RefreshMetrics();
      LayoutView();
      break;
    case WM_CLOSE:
      OnClose();
      result = 1;
      break;
    case WM_SETFOCUS:
      // The dialog itself gives the focus on to its view.
      if (m_bInitialized && ViewWindow()) SetFocus(ViewWindow());
      return result;
    case WM_INITDIALOG:
      break;
    default:
      if (message >= WM_MOUSEMOVE && message <= WM_RBUTTONDBLCLK) {
        OnMouse(message, wParam, lParam);
        break;
      }
      if (!result) return 0;
  }
  Repaint();
  return result;
}

void cStageEditorWnd::OnKeyDown(WPARAM key) {
  if ((key == VK_F5 || key == VK_SPACE) && m_aPress[key == VK_F5].Repeated()) return;
  switch (key) {
    case VK_F5:
      RunCommand(kIdaTestPlay);
      return;
    case VK_F7:
      RunCommand(kIdaTestPlayGame);
      return;
  }
  if (m_Core.OnKeyDown(static_cast<int>(key), GetKeyState(VK_SHIFT) < 0)) UpdateCommandStates();
}

void cStageEditorWnd::OnWheel(WPARAM wParam) {
  m_Core.OnWheel(static_cast<int16_t>(HIWORD(wParam)), (wParam & MK_CONTROL) != 0);
  SetScrollBars();
}

void cStageEditorWnd::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  cMapMouse mouse;
  mouse.m_nMessage = message;
  SetMouseCell(mouse, static_cast<int16_t>(LOWORD(lParam)) - m_nViewX, static_cast<int16_t>(HIWORD(lParam)) - m_nViewY, m_Core.View().ClientWidth(),
               m_Core.View().ClientHeight());
  // The message carries the buttons and Shift as they were when it was sent.
  mouse.m_bLDown = (wParam & MK_LBUTTON) != 0;
  mouse.m_bRDown = (wParam & MK_RBUTTON) != 0;
  mouse.m_bShift = (wParam & MK_SHIFT) != 0;
  mouse.m_bLPressed = message == WM_LBUTTONDOWN;
  mouse.m_bRPressed = message == WM_RBUTTONDOWN;
  mouse.m_bLReleased = message == WM_LBUTTONUP;
  mouse.m_bRReleased = message == WM_RBUTTONUP;
  m_ViewInput.m_bLDown = mouse.m_bLDown;
  m_ViewInput.m_bShift = mouse.m_bShift;
  m_Core.OnMouse(mouse);
}

void cStageEditorWnd::OnIdle() {
  if (!m_bInitialized) return;
  UpdateMouse(1, 7);
  cMapMouse mouse;
  SetMouseCell(mouse, m_Mouse.x, m_Mouse.y, m_Core.View().ClientWidth(), m_Core.View().ClientHeight());
  mouse.m_bLDown = m_Mouse.m_bLDown;
  mouse.m_bRDown = m_Mouse.m_bRDown;
  mouse.m_bLPressed = m_Mouse.m_bLPressed;
  mouse.m_bRPressed = m_Mouse.m_bRPressed;
  mouse.m_bLReleased = m_Mouse.m_bLReleased;
  mouse.m_bRReleased = m_Mouse.m_bRReleased;
  mouse.m_bShift = GetAsyncKeyState(VK_SHIFT) < 0;
  int next = m_Core.OnIdle(mouse);
  if (next == kIdleNothing) return;
  if (next == kIdleDragScroll) {
    int32_t x = m_Core.View().ScrollX(), y = m_Core.View().ScrollY();
    DragScroll(&x, &y);
    m_Core.View().ScrollTo(x, y);
    SetScrollBars();
  }
  m_ViewInput.m_bLDown = mouse.m_bLDown;
  m_ViewInput.m_bShift = mouse.m_bShift;
  Repaint();
}

void cStageEditorWnd::OnClose() {
  if (!m_Core.OnClose()) return;
  // The frame owns this window: destroying it ends the program.
  DestroyWindow(m_Frame.m_hWnd);
}

void cStageEditorWnd::OnDestroy(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  // Position and view size, the very values the next window is made with.
  if (m_bInitialized) EditConfig.m_wpStageEditor.Set(rect.left, rect.top, m_nViewWidth, m_nViewHeight);
  SaveFileReported(g_ProjectSettings, g_DataPaths[kPathProjectOptions].GetStr());
  if (g_pStageEditorWnd == this) g_pStageEditorWnd = nullptr;
  // The database window went with its owner; the object goes before this one.
  CloseDatabase();
}

void cStageEditorWnd::Minimise() {
  // The frame carries the taskbar entry; its minimise hides whatever the user sees.
  ShowWindow(m_Frame.m_hWnd, SW_MINIMIZE);
}

void cStageEditorWnd::OnPaint() {
  if (!m_bInitialized) return;
  ScrollToBars();
  Repaint();
}

void cStageEditorWnd::Repaint() {
  if (!m_bInitialized || !m_cgView.m_Ctrl.m_Back.Dc()) return;
  MeasureSheets(m_Extents);
  m_Core.TakePaint(m_ViewInput, m_Extents, m_vPaint);
  for (const cPaintList& list : m_vPaint) {
    PaintOnView(m_cgView.m_Ctrl, list);
    // The cursor's cell when it changed.
    if (!list.m_strStatus.IsEmpty() && m_strCursorText != list.m_strStatus.GetStr()) {
      m_strCursorText = list.m_strStatus.GetStr();
      SetStatusText(list.m_strStatus.GetStr());
    }
  }
}

void cStageEditorWnd::SetStatusText(const char* text) {
  m_strStatus = text;
  if (m_hWndStatus) SendMessageA(m_hWndStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void cStageEditorWnd::UpdateCommandStates() {
  if (!m_bInitialized) return;
  const cStageEditState& state = g_StageEditState;
  auto menu = [&](int id) {
    cCommandState item = MenuItemState(id, state, EditConfig);
    EnableMenuItem(m_hMenu, id, MF_BYCOMMAND | (item.m_bEnabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(m_hMenu, id, MF_BYCOMMAND | (item.m_bChecked ? MF_CHECKED : MF_UNCHECKED));
  };
  for (uint16_t id : kMenuItemsAlways) menu(id);
  for (uint16_t id : kMenuItemsWithStage) menu(id);
  for (int id : {kIdmBlockLayer, kIdmCharaLayer, kIdmItemLayer, kIdmViewCommon, kIdmViewStage, kIdmViewGroup}) menu(id);
  for (uint16_t id : kToolbarButtons) {
    cCommandState button = ToolbarButtonState(id, state);
    SendMessageA(m_hWndToolbar, TB_ENABLEBUTTON, id, MAKELPARAM(button.m_bEnabled ? TRUE : FALSE, 0));
    SendMessageA(m_hWndToolbar, TB_CHECKBUTTON, id, MAKELPARAM(button.m_bChecked ? TRUE : FALSE, 0));
  }
}

void cStageEditorWnd::UpdateTitle() {
  if (m_hWnd) SetWindowTextA(m_hWnd, StageEditorTitle(g_StageEditState).GetStr());
}

// Palette windows.

cPaletteWnd* cStageEditorWnd::PaletteWnd(int index) {
  return index >= 0 && index < kPaletteWndCount ? this->*kPaletteSlots[index] : nullptr;
}

cDialog* cStageEditorWnd::LayerWindow(int index) { return index == kGroupWnd ? m_pGroupWnd : PaletteWnd(index); }

void cStageEditorWnd::CreatePaletteWindows() {
  DeleteWindow(m_pGroupWnd);
  int32_t shown[kLayerWindowCount];
  LayerWindowsShown(g_StageEditState, EditConfig, shown);
  for (int index : kLayerWindowCreationOrder) {
    if (index == kGroupWnd) {
      // The element editors make the group window, hidden; without them its slot stays empty.
      if (g_ElementEditors.m_pfnMakeGroupWindow) m_pGroupWnd = g_ElementEditors.m_pfnMakeGroupWindow(this);
      if (m_pGroupWnd && shown[index]) ShowWindow(m_pGroupWnd->m_hWnd, SW_SHOWNA);
      continue;
    }
    cPaletteWnd*& window = this->*kPaletteSlots[index];
    DeleteWindow(window);
    // A stage window lies below the frame of its twin, which is made before it.
    cPaletteWnd* twin = PaletteWnd(TwinPaletteWnd(index));
    window = new (std::nothrow) cPaletteWnd(*this, m_lpManager, m_Palettes.Pane(index), twin ? twin->FrameHeight() : 0);
    if (!window) {
      OutOfMemory();
      return;
    }
    window->Create(0, shown[index]);
  }
}

void cStageEditorWnd::ShowLayerWindows() {
  int32_t shown[kLayerWindowCount];
  LayerWindowsShown(g_StageEditState, EditConfig, shown);
  for (int index = 0; index < kLayerWindowCount; ++index) {
    cDialog* window = LayerWindow(index);
    if (!window || !window->m_hWnd) continue;
    if (shown[index] && index < kPaletteWndCount) m_Palettes.Pane(index).InvalidateAll();
    // A window that a layer switch shows leaves the keyboard with the window the user works in.
    ShowWindow(window->m_hWnd, shown[index] ? SW_SHOWNA : SW_HIDE);
  }
}

void cStageEditorWnd::ShowEditorWindows() {
  Show(1);
  ShowLayerWindows();
}

void cStageEditorWnd::RepaintPaletteWindows() {
  // Only what changed: the tools call this at every step of a stroke.
  for (int palette = 0; palette < 2; ++palette)
    if (cPaletteWnd* window = PaletteWnd(PaletteWndIndex(palette, g_StageEditState.m_nLayer))) window->OnPaint();
  if (m_pGroupWnd && g_StageEditState.m_nLayer == 1) m_pGroupWnd->OnPaint();
}

void cStageEditorWnd::InvalidatePaletteWindows() {
  for (int index = 0; index < kPaletteWndCount; ++index) m_Palettes.Pane(index).InvalidateAll();
}

void cStageEditorWnd::PaintPalettePreviews() {
  for (int index = 0; index < kLayerWindowCount; ++index)
    if (cDialog* window = LayerWindow(index)) window->OnPaint();
}

void cStageEditorWnd::ShowLayer(int) {
  UpdateCommandStates();
  ShowLayerWindows();
}

void cStageEditorWnd::SyncToolButtons(int) {
  for (int index = 0; index < kPaletteWndCount; ++index)
    if (cPaletteWnd* window = PaletteWnd(index)) window->SyncToolbar();
}

void cStageEditorWnd::RepaintEditor() {
  m_Core.View().InvalidateAll();
  Repaint();
}

POINT cStageEditorWnd::PlaceOfPalette(int paletteWnd) {
  RECT rect = {};
  cPaletteWnd* window = PaletteWnd(paletteWnd);
  GetWindowRect(window && window->m_hWnd ? window->m_hWnd : m_hWnd, &rect);
  return POINT{rect.left, rect.top};
}

int cStageEditorWnd::RunValueInput(int32_t& value, int32_t minimum, int32_t maximum, const char* caption,
                                   int paletteWnd) {
  POINT at = PlaceOfPalette(paletteWnd);
  cWindow* parent = PaletteWnd(paletteWnd);
  m_lpManager->EnableAll(0);
  int result =
      RunValueInputDialogAt(parent ? parent : this, m_lpManager, &value, minimum, maximum, caption, at.x, at.y);
  m_lpManager->EnableAll(1);
  return result;
}

int cStageEditorWnd::RunDataMove(cDataMove& move, int paletteWnd) {
  POINT at = PlaceOfPalette(paletteWnd);
  cWindow* parent = PaletteWnd(paletteWnd);
  std::unique_ptr<cDlgDataMove> dialog(
      new (std::nothrow) cDlgDataMove(parent ? parent : this, m_lpManager, move, at.x, at.y));
  if (!dialog) {
    OutOfMemory();
    return 0;
  }
  return dialog->DoModal(kRunDisableOthers) == 1 ? 1 : 0;
}

// Operations called when other windows close.

void cStageEditorWnd::OnDataSheetClosed(int kind) {
  cStageEditState& state = g_StageEditState;
  // Back to the layer the sheet was opened from.
  auto returnToLayer = [&] {
    if (state.m_nPrevLayer != state.m_nLayer) state.SetLayer(state.m_nPrevLayer);
  };
  if (kind == 0) returnToLayer();
  m_lpManager->EnableAll(1);
  int context = state.m_nEditContext;
  if (context != 3) {
    ShowEditorWindows();
    InvalidatePaletteWindows();
    RepaintPaletteWindows();
  }
  if (context == 0) {
    ActivateEditor();
  } else if (context == 1 || context == 2) {
    // The entry edited becomes the brush again, with the inheritance a placed entry gets.
    cPalettePane& pane = m_Palettes.PaneOf(context == 1, kind);
    if (cPaletteWnd* palette = PaletteWnd(pane.Index()); palette && palette->m_hWnd) SetActiveWindow(palette->m_hWnd);
    // The entry the sheet showed last, where previous and next left the edit index.
    state.m_nSelIndex = state.m_nEditIndex;
    pane.SetBrushFromSelection();
  }
  if (context != 3) returnToLayer();
  // The sheet's commits took undo steps and set the modified flags.
  UpdateCommandStates();
  m_Core.View().InvalidateAll();
  Repaint();
}

void cStageEditorWnd::OnStageSettingsClosed() {
  g_StageDoc.Normalise();
  SendMessageA(m_hWnd, WM_SIZE, 0, 0);
  for (int index = 0; index < kPaletteWndCount; ++index)
    if (cPaletteWnd* window = PaletteWnd(index)) window->UpdateSize();
  InvalidatePaletteWindows();
  RepaintPaletteWindows();
  // Only a size change released the history (for the new size); otherwise its steps still hold.
  if (g_StageEditState.UndoLevels() == 0)
    g_StageEditState.AllocateUndo(g_StageDoc.m_nUndoDepth, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  UpdateCommandStates();
  m_Frame.m_nEditorKind = 0;
  ShowEditorWindows();
  m_lpManager->EnableAll(1);
}

void cStageEditorWnd::OpenWorldMap() {
  g_WorldMapEditState.Reset(g_WorldMap);
  DeleteWindow(m_pWorldMapWnd);
  cWorldMapWnd* window = new (std::nothrow) cWorldMapWnd(this, m_lpManager);
  // Without the window there is nothing to run: the stage editor stays as it is.
  if (!window) {
    OutOfMemory();
    return;
  }
  m_pWorldMapWnd = window;
  window->Create(kRunHideOthers | kRunDisableOthers, 1);
  if (!window->m_hWnd) return;
  m_Frame.m_nEditorKind = 1;
  SetFocus(window->m_hWnd);
}

void cStageEditorWnd::OnWorldMapClosed() {
  m_Frame.m_nEditorKind = 0;
  ShowEditorWindows();
  m_lpManager->EnableAll(1);
}

void cStageEditorWnd::Revalidate() {
  g_CommonPalette.Normalise();
  g_StageDoc.Normalise();
  ShowEditorWindows();
  m_lpManager->EnableAll(1);
  InvalidatePaletteWindows();
  RepaintPaletteWindows();
  m_Core.View().InvalidateAll();
  Repaint();
}

void cStageEditorWnd::OnProjectOptionsClosed() {
  g_StageDoc.Normalise();
  ShowEditorWindows();
  m_lpManager->EnableAll(1);
  InvalidatePaletteWindows();
  RepaintPaletteWindows();
  m_Core.View().InvalidateAll();
  Repaint();
}

// What the editor's logic asks of its window.

void cStageEditorWnd::SetBusy(int busy) {
  if (busy) SetWaitCursor();
  else SetArrowCursor();
}

void cStageEditorWnd::TakeFocus() {
  // The view holds the focus, so that the keys the hook passes on reach the window only once.
  SetFocus(ViewWindow() ? ViewWindow() : m_hWnd);
}

void cStageEditorWnd::PostRebuild() { PostMessageA(m_Frame.m_hWnd, WM_USER, 1, 0); }

void cStageEditorWnd::OpenTool(int tool) {
  // The editors and tools the menu opens, one entry each.
  switch (tool) {
    case kToolWorldMap:
      OpenWorldMap();
      return;
    case kToolStageSettings:
      return OpenStageSettings();
    case kToolSystemSettings:
      return OpenSystemSettings();
    case kToolDatabase:
      OpenDatabase();
      return;
    case kToolStageOptions:
      return RunStageOptions();
    case kToolEditOptions:
      RunToolDialog(m_pEditOptions, this, m_lpManager);
      return;
    case kToolProjectOptions:
      return OpenProjectOptions();
    case kToolBitmapConverter:
      RunToolDialog(m_pBitmapToolDlg, this, m_lpManager);
      return;
  }
}

void cStageEditorWnd::OpenDatabase() {
  // A window left from before goes first: its closing would show the editor's windows again.
  CloseDatabase();
  m_lpManager->ShowAll(0);
  m_lpManager->EnableAll(0);
  cDatabaseWnd* database = new (std::nothrow) cDatabaseWnd(1, this, m_lpManager, &m_pDatabaseWnd, *this);
  if (!database) {
    OutOfMemory();
    Revalidate();
    return;
  }
  m_pDatabaseWnd = database;
  m_lpDatabaseWnd = database;
  if (database->Create()) return;
  CloseDatabase();
  Revalidate();
}

void cStageEditorWnd::CloseDatabase() {
  // Taken out first: a window deleted from here does not call back.
  cPropSheet* database = m_pDatabaseWnd;
  m_pDatabaseWnd = nullptr;
  m_lpDatabaseWnd = nullptr;
  delete database;
}

void cStageEditorWnd::OnDatabaseClosed() {
  if (!m_pDatabaseWnd) return;
  m_lpDatabaseWnd = nullptr;
  Revalidate();
}

void cStageEditorWnd::RunStageOptions() {
  RunToolDialog(m_pStageOptionsDlg, this, m_lpManager);
  // The undo steps may have been opened anew.
  UpdateCommandStates();
}

template <class Make>
void cStageEditorWnd::OpenSheet(cPropSheet*& slot, Make make, void (cStageEditorWnd::*closed)()) {
  // Gone before the windows are hidden: a sheet still open tells this window when it closes.
  DeleteWindow(slot);
  m_lpManager->ShowAll(0);
  m_lpManager->EnableAll(0);
  auto* sheet = make();
  if (!sheet) {
    OutOfMemory();
    (this->*closed)();
    return;
  }
  slot = sheet;
  sheet->Create();
}

void cStageEditorWnd::OpenStageSettings() {
  OpenSheet(
      m_pStageSettingsSheet,
      [this] { return new (std::nothrow) cStageSettingsSheet(1, this, m_lpManager, &m_pStageSettingsSheet, this); },
      &cStageEditorWnd::OnStageSettingsClosed);
}

void cStageEditorWnd::OpenSystemSettings() {
  OpenSheet(
      m_pSystemSheet,
      [this] {
        return new (std::nothrow) cSystemSettingsSheet(1, this, m_lpManager, &m_pSystemSheet, [this] { Revalidate(); });
      },
      &cStageEditorWnd::Revalidate);
}

void cStageEditorWnd::OpenProjectOptions() {
  OpenSheet(
      m_pProjectOptionsSheet,
      [this] {
        cProjectOptionSheet::cOwnerCalls calls;
        calls.m_Closed = [this] { OnProjectOptionsClosed(); };
        calls.m_OpenDataSheet = [](int kind, cWindow* owner, cPropSheet** slot) {
          return g_ElementEditors.m_pfnOpenSheet ? g_ElementEditors.m_pfnOpenSheet(kind, owner, slot) : 0;
        };
        return new (std::nothrow) cProjectOptionSheet(1, this, m_lpManager, &m_pProjectOptionsSheet, calls);
      },
      &cStageEditorWnd::OnProjectOptionsClosed);
}

void cStageEditorWnd::CloseSheets() {
  // Their pointers back to this window would outlive it.
  if (m_pStageSettingsSheet) static_cast<cStageSettingsSheet*>(m_pStageSettingsSheet)->m_pHost = nullptr;
  if (m_pSystemSheet) static_cast<cSystemSettingsSheet*>(m_pSystemSheet)->ForgetOwner();
  if (m_pProjectOptionsSheet) static_cast<cProjectOptionSheet*>(m_pProjectOptionsSheet)->ForgetOwner();
  DeleteWindow(m_pStageSettingsSheet);
  DeleteWindow(m_pSystemSheet);
  DeleteWindow(m_pProjectOptionsSheet);
  for (cPropSheet*& sheet : m_apCellSheet) DeleteWindow(sheet);
  CloseDatabase();
}

int cStageEditorWnd::RunNewStageDialog() {
  cNewStage logic(g_StageDoc, g_CommonPalette, g_StageEditState, *this, EditConfig);
  std::unique_ptr<cDlgNewStage> dialog(new (std::nothrow) cDlgNewStage(this, m_lpManager, logic));
  if (!dialog) {
    OutOfMemory();
    return 0;
  }
  return dialog->DoModal(kRunDisableOthers) == 1 ? 1 : 0;
}

// Every data sheet of a palette entry or a placed object opens here, from the palette windows and
// the map alike.
void cStageEditorWnd::OpenDataSheet(int kind) {
  cStageEditState& state = g_StageEditState;
  // A palette entry's sheet belongs to the palette window it was opened from.
  int context = state.m_nEditContext;
  cWindow* owner = this;
  if ((context == 1 || context == 2) && kind >= 0 && kind < 3)
    if (cPaletteWnd* palette = PaletteWnd(PaletteWndIndex(context == 1, kind)); palette && palette->m_hWnd) owner = palette;
  int opened = kind >= 0 && kind < 3 && g_ElementEditors.m_pfnOpenSheet
                   ? g_ElementEditors.m_pfnOpenSheet(kind, owner, &m_apCellSheet[kind])
                   : 0;
  if (opened) return;
  // No sheet opened: the layer the cell took the editor to is left again at once.
  if (state.m_nPrevLayer != state.m_nLayer) state.SetLayer(state.m_nPrevLayer);
}

int cStageEditorWnd::ChooseFile(const cFileChoice& choice, cString& path) {
  char buffer[kMaxPath] = {};
  const char* extension = choice.m_strDefaultExtension.IsEmpty() ? nullptr : choice.m_strDefaultExtension.GetStr();
  // A dialog that browses owns the file dialog it opens.
  HWND owner = choice.m_pOwner ? static_cast<HWND>(choice.m_pOwner) : m_hWnd;
  int chosen;
  if (choice.m_bSave) {
    lstrcpynA(buffer, choice.m_strInitialName.GetStr(), kMaxPath);
    chosen = SaveFileDialog(owner, buffer, choice.m_strFolder.GetStr(), choice.m_strTitle.GetStr(),
                            choice.m_strFilter.GetStr(), extension, 1);
  } else {
    chosen = OpenFileDialog(owner, buffer, kMaxPath, choice.m_strFolder.GetStr(), choice.m_strTitle.GetStr(),
                            choice.m_strFilter.GetStr(), extension, 0, nullptr);
  }
  if (!chosen) return 0;
  path = buffer;
  return 1;
}

void cStageEditorWnd::ShowStatusPopup(const char* text, const char* title) {
  ::ShowStatusPopup(this, m_lpManager, text, title, this, 1, 1);
}

void cStageEditorWnd::CloseStatusPopup() { ::CloseStatusPopup(); }

int cStageEditorWnd::LoadStageFile(const char* path) { return LoadStageInBackground(path); }

int cStageEditorWnd::FindGameProgram(cString& path) {
  char buffer[kMaxPath] = {};
  int found = ::FindGameProgram(buffer, g_ProjectSettings.m_bAutoGameProgram, g_ProjectSettings.m_strGameProgram.GetStr());
  path = buffer;
  return found;
}

int cStageEditorWnd::LaunchGame(const char* program, const char* parameters) {
  return g_GameProcess.Launch(m_Frame.m_hWnd, program, parameters);
}

void cStageEditorWnd::ForgetGame() { g_GameProcess.Forget(); }

void cStageEditorWnd::ActivateEditor() { SetActiveWindow(m_hWnd); }

void cStageEditorWnd::DeactivateApp() { g_bAppActive = 0; }

// The main frame's side.

namespace {

cEditorWindow* MakeStageEditor(cMainFrame& frame) {
  cEditorWindow* editor = new (std::nothrow) cStageEditorWnd(frame);
  if (!editor) OutOfMemory();
  return editor;
}

void ResetEditState() { g_StageEditState.ResetKeepingStage(); }

void EndTestPlayOfFrame() { EndTestPlay(g_StageDoc, g_StageEditState, g_pStageEditorWnd); }

}  // namespace

void InstallStageEditor(cMainFrame& frame) {
  frame.m_Services.m_pfnMakeEditor = MakeStageEditor;
  frame.m_Services.m_pfnResetEditState = ResetEditState;
  frame.m_Services.m_pfnEndTestPlay = EndTestPlayOfFrame;
}

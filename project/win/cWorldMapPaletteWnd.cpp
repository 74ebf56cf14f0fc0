#include "project/win/cWorldMapPaletteWnd.h"

#include <algorithm>

#include "app/ProgramPalette.h"
#include "app/cEditConfig.h"
#include "app/win/cCanvas.h"
#include "project/win/WorldMapPlacement.h"
#include "project/win/cWorldMapWnd.h"
#include "ui/win/cModelessList.h"

cMapChipPaletteWnd* cMapChipPaletteWnd::s_lpInstance = nullptr;
cEventPaletteWnd* cEventPaletteWnd::s_lpInstance = nullptr;

namespace {

constexpr uint32_t kPaletteStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
constexpr int32_t kCell = cMapChipPaletteRules::kCellPixels;
constexpr int32_t kChipRows = 2;
constexpr int kChipBackEntry = 53;
constexpr COLORREF kSelectionFrame = RGB(127, 0, 255);

// The list's commands after which its copy may be pasted onto the map.
constexpr uint16_t kListCopyIds[] = {40009, 40038, 40001, 40039};

void TemplateRow(cString* text, int32_t, const cWorldEvent* event) { *text = cEventPaletteRules::RowText(*event); }

}  // namespace

// The map chip palette.

cMapChipPaletteWnd::cMapChipPaletteWnd(cWorldMapWnd* owner, cModelessList* list)
    : cDialog(kTemplateId, owner, kKindDialog, list, PlacementStart(EditConfig.m_wpMapChipPalette, owner, 1).x,
              PlacementStart(EditConfig.m_wpMapChipPalette, owner, 1).y),
      m_pOwner(owner) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  const cWindowPlacement& placement = EditConfig.m_wpMapChipPalette;
  int32_t height = placement.m_bValid ? std::clamp(placement.m_nHeight, kMinViewHeight, kMaxViewHeight) : kMaxViewHeight;
  SetGeometry(kViewWidth, height, kViewWidth, kMinViewHeight, kViewWidth, kMaxViewHeight, kPaletteStyle, 0, 0, 1, 0, 2);
  m_cgView.m_Param.Set(kIdcPicture, kViewWidth, kMaxViewHeight);
}

cMapChipPaletteWnd::~cMapChipPaletteWnd() {
  if (m_hWnd) Close(0);
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cMapChipPaletteWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cMapChipPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  m_hWndStatus = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", m_hWnd, kIdcStatus);
  SendMessageA(m_hWndStatus, SB_SIMPLE, TRUE, 0);
  AttachCtrlGroup(m_cgView);
  RefreshMetrics();
  LayoutPicture();
  DataToControls();
  m_bInitialized = 1;
  Repaint();
}

void cMapChipPaletteWnd::LayoutPicture() {
  if (HWND picture = m_cgView.m_Ctrl.m_hWnd)
    SetWindowPos(picture, nullptr, m_nViewX, m_nViewY, m_nViewWidth, m_nViewHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  cCtrlScroll& bar = m_cgVScroll.m_Ctrl;
  if (!bar.m_hWnd) return;
  bar.SetRange(0, std::max(cMapChipPaletteRules::RowCount(g_WorldMap) - 1, 0));
  bar.SetPage(m_nViewHeight / kCell);
  m_nScrollRow = bar.GetPos();
}

LRESULT cMapChipPaletteWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_CLOSE:
      return 1;  // the palette goes with its mode or its window, never by itself
    case WM_NCDESTROY:
      m_hWnd = nullptr;  // the framework saw the handle once more
      return result;
    case WM_DESTROY:
      if (m_bInitialized) StorePlacement(EditConfig.m_wpMapChipPalette, window, m_nViewWidth, m_nViewHeight);
      m_bInitialized = 0;
      if (m_lpManager) m_lpManager->RemoveWindow(m_lpRegistered);
      return result;
    case WM_SIZE:
      if (m_bInitialized) LayoutPicture();
      break;
    case WM_VSCROLL:
      if (m_cgVScroll.m_Ctrl.m_hWnd) m_nScrollRow = m_cgVScroll.m_Ctrl.GetPos();
      break;
    case WM_LBUTTONDOWN:
      Select(lParam);
      break;
    default:
      if (!result) return 0;
  }
  Repaint();
  return result;
}

void cMapChipPaletteWnd::Select(LPARAM lParam) {
  if (!m_bInitialized) return;
  int32_t x = static_cast<int16_t>(LOWORD(lParam)) - m_nViewX;
  int32_t y = static_cast<int16_t>(HIWORD(lParam)) - m_nViewY;
  if (x < 0 || y < 0 || x >= m_nViewWidth || y >= m_nViewHeight) return;
  cMapChipPaletteRules::Select(g_WorldMapEditState, cMapChipPaletteRules::ChipAt(x, y, m_nScrollRow));
  // The map's cursor frame takes the brush's new size.
  m_pOwner->Refresh(kWmRepaint);
}

void cMapChipPaletteWnd::Repaint() {
  cCanvas& canvas = m_cgView.m_Ctrl.m_Back;
  if (!m_bInitialized || !canvas.Dc()) return;
  const cWorldMapDoc& doc = g_WorldMap;
  const cCanvas& sheet = g_aSheetCanvas[kSheetWorldChip];
  canvas.FillRgb(g_ProgramPalette.m_Pal[kChipBackEntry]);
  for (int32_t row = 0; row < kChipRows; ++row) {
    for (int32_t column = 0; column < cMapChipPaletteRules::kColumns; ++column) {
      int32_t chip = (row + m_nScrollRow) * cMapChipPaletteRules::kColumns + column;
      if (chip >= doc.m_vChipDef.Count()) break;
      int32_t sheetX, sheetY;
      ChipSheetCell(doc.m_vChipDef[chip].m_nGraphic, sheetX, sheetY);
      canvas.Blit(column * kCell, row * kCell, kCell, kCell, sheet, sheetX, sheetY, 0);
    }
  }
  int32_t select = g_WorldMapEditState.m_nSelect;
  if (select != -1) {
    int32_t x, y;
    cMapChipPaletteRules::FrameAt(select, m_nScrollRow, x, y);
    canvas.SelectPen(PS_SOLID, 2, kSelectionFrame);
    canvas.Rectangle(x, y, kCell, kCell);
    canvas.ReleasePen();
  }
  m_cgView.m_Ctrl.Present();
  cString status = cMapChipPaletteRules::StatusText(doc, select);
  if (m_hWndStatus) SendMessageA(m_hWndStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(status.GetStr()));
}

// The event palette.

cEventPaletteWnd::cEventPaletteWnd(cWorldMapWnd* owner, cModelessList* list)
    : cDialog(kTemplateId, owner, kKindDialog, list, PlacementStart(EditConfig.m_wpEventPalette, owner->m_lpParentClass, 1).x,
              PlacementStart(EditConfig.m_wpEventPalette, owner->m_lpParentClass, 1).y),
      m_pOwner(owner),
      m_Rules(owner->Editor()) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  SetGeometry(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0, 0);
  m_cgList.m_Param.Set(kIdcTemplateList, nullptr, &g_WorldMap.m_vTemplate, nullptr, TemplateRow,
                       kListWorldEvents.m_Shape);
  AddCtrlGroup(m_vChecks, kIdcEditIfPlaced, &EditConfig.m_bEditIfPlaced);
  AddCtrlGroup(m_vChecks, kIdcEditBeforePlacing, &EditConfig.m_bEditBeforePlacing);
  AddCtrlGroup(m_vChecks, kIdcAutoWorldNo, &EditConfig.m_bAutoWorldNo);
  for (uint16_t id : {kIdcTemplateInsert, kIdcTemplateEdit, kIdcTemplateDelete, kIdcTemplateCount})
    AddCtrlGroup(m_vButtons, id);
}

cEventPaletteWnd::~cEventPaletteWnd() {
  if (m_hWnd) Close(0);
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cEventPaletteWnd::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cEventPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  ShowWindow(GetDlgItem(m_hWnd, kIdcEventPaletteHidden), SW_HIDE);
  AttachCtrlGroup(m_cgList);
  AttachCtrlGroups(m_vChecks);
  AttachCtrlGroups(m_vButtons);
  tList& list = List();
  list.SetInstanceIds(kListWorldEvents);
  list.SelectOnly(g_WorldMapEditState.m_nPaletteRow, 1);
  // An event cut or copied before the palette opened is in its copy buffer too.
  if (g_WorldMapEditState.m_bClipboard) TakeClipEvent(g_WorldMapEditState.m_ClipEvent);
  DataToControls();
  m_bInitialized = 1;
  RedrawList();
  UpdateSelection();
}

LRESULT cEventPaletteWnd::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  switch (message) {
    case WM_CLOSE:
      return 1;  // the palette goes with its mode or its window, never by itself
    case WM_NCDESTROY:
      m_hWnd = nullptr;  // the framework saw the handle once more
      return result;
    case WM_DESTROY: {
      RECT rect = {};
      GetWindowRect(window, &rect);
      if (m_bInitialized) StorePlacement(EditConfig.m_wpEventPalette, window, rect.right - rect.left, rect.bottom - rect.top);
      m_bInitialized = 0;
      if (m_lpManager) m_lpManager->RemoveWindow(m_lpRegistered);
      return result;
    }
    default:
      break;
  }
  if (IsRightClicked()) List().PopupAt(m_ptCursorScreen);
  return result;
}

void cEventPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!AcceptCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
  // The dialog manager's focus notices come before the list is attached.
  if (!m_bInitialized) return;
  if (!RunOwnCommand(wParam)) RunListCommand(LOWORD(wParam));
  RedrawList();
  // What a dialog run from here asked of the map: its checkpoint's buttons, a repaint.
  m_pOwner->Refresh(m_pOwner->Editor().TakeRefresh());
}

int cEventPaletteWnd::RunOwnCommand(WPARAM wParam) {
  tList& list = List();
  uint16_t id = LOWORD(wParam);
  switch (id) {
    case kIdcEditIfPlaced:
    case kIdcEditBeforePlacing:
    case kIdcAutoWorldNo:
      // Stored at once: the map reads the options while placing.
      if (cCtrlCheck<int32_t>* check = FindCtrlById(m_vChecks, id)) check->CtrlToData();
      return 1;
    case kCmdInsertMenu:
    case kCmdInsertKey:
      InsertTemplate();
      return 1;
    default:
      break;
  }
  if (id == kIdcTemplateList && HIWORD(wParam) == LBN_SELCHANGE) {
    list.OnSelChange();
    UpdateSelection();
    return 1;
  }
  if (ListActionOf(kListWorldEvents, static_cast<uint32_t>(wParam)) == kListActNone) return 0;
  int done = 0;
  switch (list.RunAction(kListWorldEvents, static_cast<uint32_t>(wParam), m_lpManager, &done)) {
    case kListActInsertEdit:
      InsertTemplate();
      break;
    case kListActEdit:
      list.EditCurrent([this, &list] { return m_Rules.Edit(list.GetCurIndex()); });
      break;
    default:
      break;
  }
  UpdateSelection();
  return 1;
}

void cEventPaletteWnd::InsertTemplate() {
  tList& list = List();
  list.InsertAndEdit([this, &list] { return m_Rules.Edit(list.GetCurIndex()); });
  UpdateSelection();
}

void cEventPaletteWnd::RunListCommand(uint16_t id) {
  tList& list = List();
  if (!list.OnAccelCommand(id) && !list.OnMenuCommand(id)) return;
  bool copied = std::find(std::begin(kListCopyIds), std::end(kListCopyIds), id) != std::end(kListCopyIds);
  if (copied && list.GetCurIndex() >= 0 && !list.m_vCopyBuf.empty()) m_Rules.TakeListCopy(list.m_vCopyBuf[0]);
  UpdateSelection();
}

void cEventPaletteWnd::UpdateSelection() {
  if (!m_bInitialized) return;
  m_Rules.UpdateSelection(List().GetCurIndex());
  m_pOwner->Refresh(m_pOwner->Editor().TakeRefresh() | kWmRepaint);
}

void cEventPaletteWnd::TakeClipEvent(const cWorldEvent& event) { List().m_vCopyBuf.assign(1, event); }

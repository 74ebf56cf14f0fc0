#include "editors/win/cDlgGraphicPick.h"

#include <windowsx.h>

#include <new>

#include "app/MessageBox.h"
#include "app/SheetCanvases.h"
#include "app/Utility.h"
#include "stage/win/PaintCanvas.h"

cDlgGraphicPick* cDlgGraphicPick::s_lpInstance = nullptr;

namespace {
constexpr uint32_t kCellOutlineColour = Rgb(255, 255, 255);
constexpr int32_t kCellOutlinePen = 2;
}  // namespace

cDlgGraphicPick::cDlgGraphicPick(cWindow* parent, cModelessList* list, cCtrl* anchor, int16_t* destination, int sheet)
    : cDialog(kPickerTemplate, parent, kKindDialog, list, anchor, 1), m_pDestination(destination), m_nSheet(sheet) {
  s_lpInstance = this;
  m_lpfnProc = Proc;
  m_cgSheet.m_Param.Set(kIdcPickerBitmap, kPickerWidth, kPickerHeight);
}

cDlgGraphicPick::~cDlgGraphicPick() {
  if (s_lpInstance == this) s_lpInstance = nullptr;
}

INT_PTR CALLBACK cDlgGraphicPick::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(s_lpInstance, window, message, wParam, lParam);
}

void cDlgGraphicPick::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  SetClientSize(kPickerWidth, kPickerHeight);
  AttachCtrlGroup(m_cgSheet);
  m_cgSheet.m_Ctrl.MoveTo(0, 0);
  // Placed again now that the client holds the sheet.
  PlaceWindow();
  m_bInitialized = 1;
  OnPaint();
}

LRESULT cDlgGraphicPick::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = WindowProc(window, message, wParam, lParam);
  if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN) m_ptMouse = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  OnPaint();
  if (message == WM_LBUTTONDOWN) {
    *m_pDestination = static_cast<int16_t>(CursorCell());
    Close(1);
    return 1;
  }
  if (message == WM_CLOSE) {
    Close(0);
    return 1;
  }
  return result;
}

void cDlgGraphicPick::OnPaint() {
  cCtrlBitmap& view = m_cgSheet.m_Ctrl;
  if (!m_bInitialized || !view.m_hWnd || !view.m_Back.Dc()) return;
  int32_t x = 0, y = 0;
  CellOrigin(CursorCell(), x, y);
  cPaintList list;
  list.Begin(0, 0, kPickerWidth, kPickerHeight);
  list.AddFill(0, 0, kPickerWidth, kPickerHeight, kColourBackground);
  int canvas = kSheetOverviewBlock + m_nSheet;
  list.AddBlit(canvas, 0, 0, 0, kPickerWidth, kPickerHeight, 0, 0, kPickerWidth, kPickerHeight);
  list.AddOutline(x, y, kCellSize, kCellSize, kCellOutlineColour, kCellOutlinePen);
  DrawPaintList(view.m_Back, list);
  view.Present();
}

int OpenGraphicPicker(int16_t* destination, int sheet, cDialog* parent, cCtrl* anchor) {
  cDlgGraphicPick* picker = new (std::nothrow) cDlgGraphicPick(parent, parent ? parent->m_lpManager : nullptr,
                                                               anchor, destination, sheet);
  if (!picker) {
    OutOfMemory();
    return 0;
  }
  INT_PTR result = picker->DoModal(0);
  SafeDelete(picker);
  return result == 1 ? 1 : 0;
}

int PickGraphicCell(int16_t* destination, int kind, cDialog* parent, cCtrl* anchor) {
  int sheet = PickerSheetOfKind(kind);
  return sheet < 0 ? 0 : OpenGraphicPicker(destination, sheet, parent, anchor);
}

#pragma once
// The graphic cell picker "グラフィック" (template 276): one picker sheet of 8 x 15 cells, the cell
// under the mouse outlined; a click returns that cell.

#include <cstdint>

#include "editors/GraphicCells.h"
#include "ui/win/cCtrlBitmap.h"
#include "ui/win/cDialog.h"

// The picker sheet of the marks.
constexpr int kPickerSheetMark = 4;

class cDlgGraphicPick : public cDialog {
public:
  // destination receives the picked cell; sheet 0 .. 4; placed over the anchor (the "一覧" button).
  cDlgGraphicPick(cWindow* parent, cModelessList* list, cCtrl* anchor, int16_t* destination, int sheet);
  ~cDlgGraphicPick() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;

  // The cell under the mouse as last seen.
  int CursorCell() const { return CellAtPoint(m_ptMouse.x, m_ptMouse.y); }
  const cCanvas& Canvas() const { return m_cgSheet.m_Ctrl.m_Back; }
  // The picker while it runs, or null.
  static cDlgGraphicPick* Running() { return s_lpInstance; }

private:
  int16_t* m_pDestination;
  int m_nSheet;
  POINT m_ptMouse = {};
  cCtrlGroup<cCtrlBitmap> m_cgSheet;

  static cDlgGraphicPick* s_lpInstance;
};

// The picker on a picker sheet: 1 when a cell was picked (the destination holds it), 0 when the
// picker was closed without one (the destination is unchanged).
int OpenGraphicPicker(int16_t* destination, int sheet, cDialog* parent, cCtrl* anchor);
// The picker on the sheet of a graphic kind; 0 at once, without a window, for the dedicated
// bitmaps (kind 4), which have no sheet.
int PickGraphicCell(int16_t* destination, int kind, cDialog* parent, cCtrl* anchor);

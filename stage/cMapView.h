#pragma once
// What the map view of the stage editor shows, as a list of drawing operations: the cells of the
// three layers (items at half size), the grid, the centre frame, the scroll limits, the cursor of
// the drawing mode with its previews, and the status text. The window only carries the list out
// on its canvas (cCanvas) and copies the area to the screen.
//
// A change repaints only what it touched: the cells an edit wrote, and the cursor's drawing before
// and after. Scrolling, resizing and commands repaint the whole view.
//
// The same operations draw one record's graphic anywhere (palette windows, previews): the sheets'
// sizes decide what exists, so a graphic number past its sheet draws nothing.

#include <cstdint>
#include <vector>

#include "app/SheetCanvases.h"
#include "app/cString.h"
#include "stage/cMapEditor.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

struct cSheetExtent {
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
};
// The sizes of the loaded sheet canvases and of the dedicated chara canvases (two per entry of the
// chara bitmap table: facing left, facing right).
struct cSheetExtents {
  cSheetExtent m_aSheet[kSheetCanvasCount];
  std::vector<cSheetExtent> m_vCharaExc;
};

// Colours as the platform's 0x00BBGGRR.
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }
constexpr uint32_t kColourBackground = Rgb(0, 0, 0);
constexpr uint32_t kColourGrid = Rgb(255, 255, 255);
constexpr uint32_t kColourCentreFrame = Rgb(255, 64, 32);
constexpr uint32_t kColourScrollLimit = Rgb(32, 255, 64);
constexpr uint32_t kColourCursor = Rgb(128, 0, 255);
constexpr uint32_t kColourSelection = Rgb(255, 0, 128);

struct cPaintOp {
  enum : uint8_t {
    kFill,     // the rectangle in m_nColour
    kBlit,     // masked copy of the source rectangle, stretched when the sizes differ
    kGrid,     // grid lines every 32 pixels over the rectangle
    kLine,     // from (x, y) to (x2, y2), m_nPen pixels wide
    kOutline,  // rectangle outline, m_nPen pixels wide; dotted when m_bDotted is set
  };
  uint8_t m_nKind = kFill;
  uint8_t m_bCharaExc = 0;  // blit source: 0 sheet canvas m_nCanvas, 1 dedicated chara canvas m_nCanvas
  uint8_t m_bDotted = 0;
  int32_t m_nCanvas = 0;
  int32_t m_nX = 0, m_nY = 0, m_nWidth = 0, m_nHeight = 0;
  int32_t m_nSrcX = 0, m_nSrcY = 0, m_nSrcWidth = 0, m_nSrcHeight = 0;
  int32_t m_nX2 = 0, m_nY2 = 0;
  uint32_t m_nColour = 0;
  int32_t m_nPen = 1;
};

// One area of the view to repaint: drawn with the canvas clipped to it, in order.
struct cPaintList {
  int32_t m_nClipX = 0, m_nClipY = 0, m_nClipWidth = 0, m_nClipHeight = 0;
  std::vector<cPaintOp> m_vOps;
  cString m_strStatus;  // the status bar's text; empty: the status bar keeps its text

  // A new list for an area; everything outside it is left out as the operations are added.
  void Begin(int32_t x, int32_t y, int32_t width, int32_t height);
  void Add(const cPaintOp& op);
  void AddFill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour);
  void AddBlit(int sheet, int charaExc, int32_t x, int32_t y, int32_t width, int32_t height, int32_t sourceX,
               int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);
  void AddLine(int32_t x, int32_t y, int32_t x2, int32_t y2, uint32_t colour, int32_t pen);
  void AddOutline(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t pen, int dotted = 0);
};

// One record's graphic and mark in the cell whose top-left pixel is (x, y). kind 0 block, 1
// character (chara given), 2 item; half 1 draws 16 x 16 in the cell's upper right quarter.
void AddObjectGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int kind, int sheet,
                      int graphic, int frame, const cEdChara* chara, int markShow, int mark, int half);
void AddBlockGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdBlock& block, int half);
void AddCharaGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdChara& chara, int half);
void AddItemGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdItem& item, int half);
void AddMark(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int mark, int half);

// A mouse wheel turned notch by notch: 120 units a notch, a part notch kept for the next turn. A
// forward turn (a positive delta) gives a negative step: the view moves back (up or left).
class cWheelStep {
public:
  int32_t Take(int32_t delta);

private:
  int32_t m_nRest = 0;
};

// What the drawing depends on besides the documents: the buttons and the Shift key at paint time.
struct cViewInput {
  int32_t m_bLDown = 0;
  int32_t m_bShift = 0;
};

class cMapView {
public:
  cMapView(cStageDoc& stage, cStageEditState& state);

  // The client area in pixels; the scroll positions stay inside the new range.
  void SetClientSize(int32_t width, int32_t height);
  int32_t ClientWidth() const { return m_nClientWidth; }
  int32_t ClientHeight() const { return m_nClientHeight; }
  // The scroll bars: each ranges over the map's columns (rows) with a page of the cells that fit.
  int32_t ScrollX() const { return m_nScrollX; }
  int32_t ScrollY() const { return m_nScrollY; }
  int32_t PageX() const { return m_nClientWidth / kCellPixels; }
  int32_t PageY() const { return m_nClientHeight / kCellPixels; }
  void ScrollTo(int32_t x, int32_t y);
  // The player near the centre of a 20 x 15 view, or the top-left corner without one.
  void StartAtPlayer();
  // The whole wheel message: the axis the stage's wheel option and Ctrl choose, then the scroll.
  // 1 when the view moved.
  int Wheel(int32_t delta, int ctrl);

  // The next paint repaints the whole view.
  void InvalidateAll() { m_bAll = 1; }
  // What to repaint now: the whole view, or the areas of the changed cells and of the cursor's
  // drawing as it was and as it is. The changes are taken (cleared).
  void TakePaint(cMapChanges& changes, const cViewInput& input, const cSheetExtents& sheets,
                 std::vector<cPaintList>& out);
  // Everything the view shows inside one area of the client.
  void Paint(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets, int32_t x, int32_t y,
             int32_t width, int32_t height) const;

private:
  struct cCellArea {
    int32_t m_nLeft = 0, m_nTop = 0, m_nRight = -1, m_nBottom = -1;  // map cells, inclusive
  };
  int32_t ScrollLimitX() const;
  int32_t ScrollLimitY() const;
  // The map cells the cursor's drawing covers, one cell of margin for its thick pen.
  cCellArea CursorArea(const cViewInput& input) const;
  void PaintArea(std::vector<cPaintList>& out, const cCellArea& area, const cViewInput& input,
                 const cSheetExtents& sheets) const;
  void PaintCells(cPaintList& list, const cSheetExtents& sheets) const;
  void PaintOverlays(cPaintList& list) const;
  void PaintCursor(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets) const;
  void PaintBrushEntry(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets, int32_t x, int32_t y,
                       int index) const;
  int32_t PixelX(int cellX) const { return kCellPixels * (cellX - m_nScrollX); }
  int32_t PixelY(int cellY) const { return kCellPixels * (cellY - m_nScrollY); }

  cStageDoc& m_Stage;
  cStageEditState& m_State;
  int32_t m_nClientWidth = 0;
  int32_t m_nClientHeight = 0;
  int32_t m_nScrollX = 0;
  int32_t m_nScrollY = 0;
  cWheelStep m_Wheel;
  int32_t m_bAll = 1;
  cCellArea m_LastCursor;  // the cursor's drawing as last painted
};

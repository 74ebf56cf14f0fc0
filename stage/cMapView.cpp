#include "stage/cMapView.h"

#include <algorithm>
#include <cstdlib>

#include "app/cStateStack.h"
#include "database/cDatabaseSet.h"

namespace {

constexpr int kWheelNotch = 120;
// The view the centre frame marks and that the player starts in.
constexpr int32_t kFrameWidth = 640, kFrameHeight = 480;
constexpr int32_t kStartColumns = 20, kStartRows = 15;
constexpr int kCursorPen = 2;
constexpr int kMaxGiantSize = 16;

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

bool Overlaps(int32_t x, int32_t y, int32_t width, int32_t height, const cPaintList& list) {
  return x < list.m_nClipX + list.m_nClipWidth && list.m_nClipX < x + width && y < list.m_nClipY + list.m_nClipHeight &&
         list.m_nClipY < y + height;
}

// A blit from a loaded canvas, only when the source lies wholly inside it.
void AddSheetBlit(cPaintList& list, const cSheetExtents& sheets, int canvas, int charaExc, int32_t x, int32_t y,
                  int32_t width, int32_t height, int64_t sourceX, int64_t sourceY, int32_t sourceWidth,
                  int32_t sourceHeight) {
  cSheetExtent extent;
  if (charaExc) {
    if (canvas < 0 || static_cast<size_t>(canvas) >= sheets.m_vCharaExc.size()) return;
    extent = sheets.m_vCharaExc[static_cast<size_t>(canvas)];
  } else {
    if (canvas < 0 || canvas >= kSheetCanvasCount) return;
    extent = sheets.m_aSheet[canvas];
  }
  if (sourceX < 0 || sourceY < 0 || sourceX + sourceWidth > extent.m_nWidth || sourceY + sourceHeight > extent.m_nHeight)
    return;
  list.AddBlit(canvas, charaExc, x, y, width, height, static_cast<int32_t>(sourceX), static_cast<int32_t>(sourceY),
               sourceWidth, sourceHeight);
}

// A square of the sheet drawn into a cell: whole, or shrunk into its upper right quarter.
void AddSquare(cPaintList& list, const cSheetExtents& sheets, int canvas, int charaExc, int32_t x, int32_t y,
               int64_t sourceX, int64_t sourceY, int32_t side, int half) {
  if (half) AddSheetBlit(list, sheets, canvas, charaExc, x + 16, y, 16, 16, sourceX, sourceY, side, side);
  else AddSheetBlit(list, sheets, canvas, charaExc, x, y, kCellPixels, kCellPixels, sourceX, sourceY, side, side);
}

// The frame column of a character: its frame moved by the blocking, invincible and flying shifts
// of its anime set.
int64_t CharaColumn(const cEdChara& chara, int frame) {
  int64_t column = frame;
  const cVector<cAnimeSetData>& sets = g_DatabaseSet.m_vAnimeSet;
  if (chara.m_nAnimeSet < 0 || chara.m_nAnimeSet >= sets.Count()) return column;
  const cAnimeSetData& set = sets[chara.m_nAnimeSet];
  if (chara.m_bBlock) column += set.m_nShiftBlock;
  if (chara.m_cInvincible) column += set.m_nShiftInvincible;
  if (chara.m_cFlying) column += set.m_nShiftFly;
  return column;
}

void AddCharaSheet(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int kind, int graphic,
                   int frame, const cEdChara* chara, int half) {
  int file = graphic / 15;
  if (file >= kCharaSheetFiles) return;
  int64_t column;
  int member;
  if (kind == 1) {
    if (!chara) return;
    column = CharaColumn(*chara, frame);
    member = chara->m_bFaceRight ? 1 : 0;
  } else {
    // Frames from 20 on are the mirrored frames of the second canvas.
    member = frame < 20 ? 0 : 1;
    column = frame < 20 ? frame : frame - 20;
  }
  AddSquare(list, sheets, kSheetChara + 2 * file + member, 0, x, y, kCellPixels * column, kCellPixels * (graphic % 15),
            kCellPixels, half);
}

void AddItemSheet(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int graphic, int half) {
  if (half)
    AddSheetBlit(list, sheets, kSheetItemMini, 0, x + 16, y, 16, 16, 32 * (graphic / 15), 16 * (graphic % 15), 16, 16);
  else
    AddSheetBlit(list, sheets, kSheetItem, 0, x, y, kCellPixels, kCellPixels, 64 * (graphic / 15),
                 kCellPixels * (graphic % 15), kCellPixels, kCellPixels);
}

void AddShotSheet(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int kind, int graphic,
                  const cEdChara* chara, int half) {
  int64_t sourceX = 32 * (graphic / 30), sourceY = 16 * (graphic % 30);
  if (half) {
    AddSheetBlit(list, sheets, kSheetShot, 0, x + 20, y + 4, 8, 8, sourceX, sourceY, 16, 16);
    return;
  }
  if (kind == 1 && !chara) return;
  int member = kind == 1 && chara->m_bFaceRight ? 1 : 0;
  AddSheetBlit(list, sheets, kSheetShot + member, 0, x + 8, y + 8, 16, 16, sourceX, sourceY, 16, 16);
}

void AddDedicatedSheet(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int kind, int graphic,
                       int frame, const cEdChara* chara, int half) {
  const cVector<cCharaExcData>& table = g_DatabaseSet.m_vCharaExc;
  if (graphic >= table.Count()) return;
  int64_t column = frame;
  int member = 0;
  if (kind == 1) {
    if (!chara) return;
    column = CharaColumn(*chara, frame);
    member = chara->m_bFaceRight ? 1 : 0;
  }
  if (column < 0) return;
  const cCharaExcData& entry = table[graphic];
  // A damaged table may hold any giant size; 16 is the most a 512-pixel row can take.
  int scale = entry.m_bGiant ? Clamp(entry.m_nGiantSize, 1, kMaxGiantSize) : 1;
  int perRow = 16 / scale, side = kCellPixels * scale;
  AddSquare(list, sheets, 2 * graphic + member, 1, x, y, (column % perRow) * side, (column / perRow) * side, side,
            half);
}

}  // namespace

void cPaintList::Begin(int32_t x, int32_t y, int32_t width, int32_t height) {
  m_nClipX = x;
  m_nClipY = y;
  m_nClipWidth = width;
  m_nClipHeight = height;
  m_vOps.clear();
  m_strStatus.clear();
}

void cPaintList::Add(const cPaintOp& op) {
  int32_t margin = op.m_nKind == cPaintOp::kOutline || op.m_nKind == cPaintOp::kLine ? op.m_nPen : 0;
  int32_t x = op.m_nX, y = op.m_nY, width = op.m_nWidth, height = op.m_nHeight;
  if (op.m_nKind == cPaintOp::kLine) {
    x = std::min(op.m_nX, op.m_nX2);
    y = std::min(op.m_nY, op.m_nY2);
    width = std::abs(op.m_nX2 - op.m_nX) + 1;
    height = std::abs(op.m_nY2 - op.m_nY) + 1;
  }
  if (Overlaps(x - margin, y - margin, width + 2 * margin, height + 2 * margin, *this)) m_vOps.push_back(op);
}

void cPaintList::AddFill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
  cPaintOp op;
  op.m_nKind = cPaintOp::kFill;
  op.m_nX = x, op.m_nY = y, op.m_nWidth = width, op.m_nHeight = height;
  op.m_nColour = colour;
  Add(op);
}

void cPaintList::AddBlit(int sheet, int charaExc, int32_t x, int32_t y, int32_t width, int32_t height, int32_t sourceX,
                         int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) {
  cPaintOp op;
  op.m_nKind = cPaintOp::kBlit;
  op.m_bCharaExc = static_cast<uint8_t>(charaExc);
  op.m_nCanvas = sheet;
  op.m_nX = x, op.m_nY = y, op.m_nWidth = width, op.m_nHeight = height;
  op.m_nSrcX = sourceX, op.m_nSrcY = sourceY, op.m_nSrcWidth = sourceWidth, op.m_nSrcHeight = sourceHeight;
  Add(op);
}

void cPaintList::AddLine(int32_t x, int32_t y, int32_t x2, int32_t y2, uint32_t colour, int32_t pen) {
  cPaintOp op;
  op.m_nKind = cPaintOp::kLine;
  op.m_nX = x, op.m_nY = y, op.m_nX2 = x2, op.m_nY2 = y2;
  op.m_nColour = colour;
  op.m_nPen = pen;
  Add(op);
}

void cPaintList::AddOutline(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t pen,
                            int dotted) {
  cPaintOp op;
  op.m_nKind = cPaintOp::kOutline;
  op.m_bDotted = static_cast<uint8_t>(dotted != 0);
  op.m_nX = x, op.m_nY = y, op.m_nWidth = width, op.m_nHeight = height;
  op.m_nColour = colour;
  op.m_nPen = pen;
  Add(op);
}

void AddObjectGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int kind, int sheet,
                      int graphic, int frame, const cEdChara* chara, int markShow, int mark, int half) {
  if (graphic == 0) return;
  // Negative numbers of a damaged record name no cell of any sheet.
  if (graphic > 0) {
    switch (sheet) {
      case 0:
        AddSquare(list, sheets, kSheetBlock, 0, x, y, kCellPixels * (graphic / 15), kCellPixels * (graphic % 15),
                  kCellPixels, half);
        break;
      case 1:
        AddCharaSheet(list, sheets, x, y, kind, graphic, frame, chara, half);
        break;
      case 2:
        AddItemSheet(list, sheets, x, y, graphic, half);
        break;
      case 3:
        AddShotSheet(list, sheets, x, y, kind, graphic, chara, half);
        break;
      case 4:
        AddDedicatedSheet(list, sheets, x, y, kind, graphic, frame, chara, half);
        break;
    }
  }
  if (markShow) AddMark(list, sheets, x, y, mark, half);
}

void AddMark(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int mark, int half) {
  if (mark < 0) return;
  AddSquare(list, sheets, kSheetMark, 0, x, y, kCellPixels * (mark / 15), kCellPixels * (mark % 15), kCellPixels, half);
}

void AddBlockGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdBlock& block, int half) {
  AddObjectGraphic(list, sheets, x, y, 0, block.m_cGraphicSheet, block.m_nGraphic, block.m_nGraphicFrame, nullptr,
                   block.m_cMarkShow, block.m_nMark, half);
}

void AddCharaGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdChara& chara, int half) {
  AddObjectGraphic(list, sheets, x, y, 1, chara.m_cGraphicSheet, chara.m_nGraphic, chara.m_nGraphicFrame, &chara,
                   chara.m_cMarkShow, chara.m_nMark, half);
}

void AddItemGraphic(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, const cEdItem& item, int half) {
  AddObjectGraphic(list, sheets, x, y, 2, item.m_cGraphicSheet, item.m_nGraphic, item.m_nGraphicFrame, nullptr,
                   item.m_cMarkShow, item.m_nMark, half);
}

cMapView::cMapView(cStageDoc& stage, cStageEditState& state) : m_Stage(stage), m_State(state) {}

int32_t cMapView::ScrollLimitX() const { return std::max(0, m_Stage.m_nWidth - PageX()); }
int32_t cMapView::ScrollLimitY() const { return std::max(0, m_Stage.m_nHeight - PageY()); }

void cMapView::SetClientSize(int32_t width, int32_t height) {
  m_nClientWidth = std::max(width, 0);
  m_nClientHeight = std::max(height, 0);
  ScrollTo(m_nScrollX, m_nScrollY);
  m_bAll = 1;
}

void cMapView::ScrollTo(int32_t x, int32_t y) {
  x = Clamp(x, 0, ScrollLimitX());
  y = Clamp(y, 0, ScrollLimitY());
  if (x == m_nScrollX && y == m_nScrollY) return;
  m_nScrollX = x;
  m_nScrollY = y;
  m_bAll = 1;
}

void cMapView::StartAtPlayer() {
  int x = -1, y = -1;
  if (!m_Stage.m_vBlockLayer.empty()) m_Stage.FindPlayer(x, y);
  m_nScrollX = x < 0 ? 0 : Clamp(x - kStartColumns / 2, 0, std::max(0, m_Stage.m_nWidth - kStartColumns));
  m_nScrollY = y < 0 ? 0 : Clamp(y - kStartRows / 2, 0, std::max(0, m_Stage.m_nHeight - kStartRows));
  m_bAll = 1;
}

int32_t cWheelStep::Take(int32_t delta) {
  m_nRest += delta;
  int32_t notches = m_nRest / kWheelNotch;
  m_nRest -= notches * kWheelNotch;
  return -notches;
}

int cMapView::Wheel(int32_t delta, int ctrl) {
  int axis = m_Stage.m_nWheelAxis;
  if (!m_State.m_bStageOpen || (axis != 0 && axis != 1)) return 0;
  bool horizontal = (axis == 0) != (ctrl != 0);
  int32_t cells = m_Wheel.Take(delta);
  int32_t x = m_nScrollX, y = m_nScrollY;
  ScrollTo(horizontal ? x + cells : x, horizontal ? y : y + cells);
  return x != m_nScrollX || y != m_nScrollY;
}

cMapView::cCellArea cMapView::CursorArea(const cViewInput& input) const {
  cCellArea area;
  if (!m_State.m_bStageOpen) return area;
  const cStateRecord& cursor = *g_StateStack.m_lpCurrent;
  const cStageEditState& s = m_State;
  int otherX = cursor.m_nX, otherY = cursor.m_nY;
  switch (s.m_nMode) {
    case kModePen:
      otherX = cursor.m_nX + std::max(s.m_nBrushWidth, 1) - 1;
      otherY = cursor.m_nY + std::max(s.m_nBrushHeight, 1) - 1;
      break;
    case kModeLine:
      if (input.m_bLDown && s.m_bDragging) otherX = s.m_nLineStartX, otherY = s.m_nLineStartY;
      break;
    case kModeRect:
      if (input.m_bLDown && s.m_bDragging) otherX = s.m_nRectAnchorX, otherY = s.m_nRectAnchorY;
      break;
    case kModeSelect:
      if (!s.m_bDragging) return area;
      otherX = s.m_nSelAnchorX, otherY = s.m_nSelAnchorY;
      break;
  }
  area.m_nLeft = std::min(cursor.m_nX, otherX) - 1;
  area.m_nTop = std::min(cursor.m_nY, otherY) - 1;
  area.m_nRight = std::max(cursor.m_nX, otherX) + 1;
  area.m_nBottom = std::max(cursor.m_nY, otherY) + 1;
  return area;
}

void cMapView::TakePaint(cMapChanges& changes, const cViewInput& input, const cSheetExtents& sheets,
                         std::vector<cPaintList>& out) {
  out.clear();
  cCellArea cursor = CursorArea(input);
  if (m_bAll || changes.m_bAll || !m_State.m_bStageOpen) {
    out.emplace_back();
    Paint(out.back(), input, sheets, 0, 0, m_nClientWidth, m_nClientHeight);
  } else {
    if (!changes.Empty()) PaintArea(out, {changes.m_nLeft, changes.m_nTop, changes.m_nRight, changes.m_nBottom}, input, sheets);
    const cCellArea& last = m_LastCursor;
    if (last.m_nLeft != cursor.m_nLeft || last.m_nTop != cursor.m_nTop || last.m_nRight != cursor.m_nRight ||
        last.m_nBottom != cursor.m_nBottom)
      PaintArea(out, last, input, sheets);
    PaintArea(out, cursor, input, sheets);
  }
  m_bAll = 0;
  m_LastCursor = cursor;
  changes.Clear();
}

void cMapView::PaintArea(std::vector<cPaintList>& out, const cCellArea& area, const cViewInput& input,
                         const cSheetExtents& sheets) const {
  if (area.m_nRight < area.m_nLeft || area.m_nBottom < area.m_nTop) return;
  int32_t left = std::max(PixelX(area.m_nLeft), 0), top = std::max(PixelY(area.m_nTop), 0);
  int32_t right = std::min(PixelX(area.m_nRight + 1), m_nClientWidth);
  int32_t bottom = std::min(PixelY(area.m_nBottom + 1), m_nClientHeight);
  if (right <= left || bottom <= top) return;
  out.emplace_back();
  Paint(out.back(), input, sheets, left, top, right - left, bottom - top);
}

void cMapView::Paint(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets, int32_t x, int32_t y,
                     int32_t width, int32_t height) const {
  list.Begin(x, y, width, height);
  list.AddFill(x, y, width, height, kColourBackground);
  if (!m_State.m_bStageOpen) return;
  PaintCells(list, sheets);
  cPaintOp grid;
  grid.m_nKind = cPaintOp::kGrid;
  grid.m_nWidth = m_nClientWidth, grid.m_nHeight = m_nClientHeight;
  grid.m_nColour = kColourGrid;
  list.Add(grid);
  PaintOverlays(list);
  PaintCursor(list, input, sheets);
  const cStateRecord& cursor = *g_StateStack.m_lpCurrent;
  list.m_strStatus.Format("座標 (%d,%d)", cursor.m_nX, cursor.m_nY);
}

void cMapView::PaintCells(cPaintList& list, const cSheetExtents& sheets) const {
  // The view's cells that meet the area: one column and row more than fit wholly.
  int column0 = std::max(0, list.m_nClipX / kCellPixels), row0 = std::max(0, list.m_nClipY / kCellPixels);
  int column1 = std::min(m_nClientWidth / kCellPixels, (list.m_nClipX + list.m_nClipWidth - 1) / kCellPixels);
  int row1 = std::min(m_nClientHeight / kCellPixels, (list.m_nClipY + list.m_nClipHeight - 1) / kCellPixels);
  column1 = std::min(column1, m_Stage.m_nWidth - 1 - m_nScrollX);
  row1 = std::min(row1, m_Stage.m_nHeight - 1 - m_nScrollY);
  auto each = [&](auto draw) {
    for (int row = row0; row <= row1; ++row)
      for (int column = column0; column <= column1; ++column)
        draw(m_Stage.CellIndex(m_nScrollX + column, m_nScrollY + row), kCellPixels * column, kCellPixels * row);
  };
  each([&](int index, int32_t x, int32_t y) {
    const cEdBlock& block = m_Stage.m_vBlockLayer.Get(index);
    if (block.m_nGraphic != 0) AddBlockGraphic(list, sheets, x, y, block, 0);
  });
  each([&](int index, int32_t x, int32_t y) {
    const cEdChara& chara = m_Stage.m_vCharaLayer.Get(index);
    if (chara.m_nGraphic != 0) AddCharaGraphic(list, sheets, x, y, chara, 0);
  });
  each([&](int index, int32_t x, int32_t y) {
    const cEdItem& item = m_Stage.m_vItemLayer.Get(index);
    if (item.m_nGraphic != 0) AddItemGraphic(list, sheets, x, y, item, 1);
  });
}

void cMapView::PaintOverlays(cPaintList& list) const {
  // The centre frame stays put: it marks the centre cell of a 640 x 480 view.
  list.AddLine(304, 0, 304, kFrameHeight - 1, kColourCentreFrame, 1);
  list.AddLine(336, 0, 336, kFrameHeight - 1, kColourCentreFrame, 1);
  list.AddLine(0, 224, kFrameWidth - 1, 224, kColourCentreFrame, 1);
  list.AddLine(0, 256, kFrameWidth - 1, 256, kColourCentreFrame, 1);
  // The scroll limits run just outside the first and the last cell the game may scroll to.
  const cStageDoc& s = m_Stage;
  if (s.m_bLimitLeft) {
    int32_t x = PixelX(s.m_nLimitLeft) - 1;
    list.AddLine(x, 0, x, kFrameHeight - 1, kColourScrollLimit, 1);
  }
  if (s.m_bLimitRight) {
    int32_t x = PixelX(s.m_nLimitRight + 1) + 1;
    list.AddLine(x, 0, x, kFrameHeight - 1, kColourScrollLimit, 1);
  }
  if (s.m_bLimitTop) {
    int32_t y = PixelY(s.m_nLimitTop) - 1;
    list.AddLine(0, y, kFrameWidth - 1, y, kColourScrollLimit, 1);
  }
  if (s.m_bLimitBottom) {
    int32_t y = PixelY(s.m_nLimitBottom + 1) + 1;
    list.AddLine(0, y, kFrameWidth - 1, y, kColourScrollLimit, 1);
  }
}

void cMapView::PaintCursor(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets) const {
  const cStateRecord& cursor = *g_StateStack.m_lpCurrent;
  const cStageEditState& s = m_State;
  int32_t x = PixelX(cursor.m_nX), y = PixelY(cursor.m_nY);
  uint32_t colour = s.m_nMode == kModeSelect ? kColourSelection : kColourCursor;
  bool dragging = input.m_bLDown && s.m_bDragging;
  switch (s.m_nMode) {
    case kModePen:
      list.AddOutline(x, y, s.m_nBrushWidth * kCellPixels, s.m_nBrushHeight * kCellPixels, colour, kCursorPen);
      return;
    case kModeLine:
      if (!dragging) break;
      WalkLine(s.m_nLineStartX, s.m_nLineStartY, cursor.m_nX, cursor.m_nY, s.m_nBrushWidth, [&](int cx, int cy, int k) {
        if (cx < 0 || cy < 0 || cx >= m_Stage.m_nWidth || cy >= m_Stage.m_nHeight) return;
        PaintBrushEntry(list, input, sheets, PixelX(cx), PixelY(cy), k);
        list.AddOutline(PixelX(cx), PixelY(cy), kCellPixels, kCellPixels, colour, kCursorPen);
      });
      return;
    case kModeRect: {
      if (!dragging) break;
      int left = std::min(s.m_nRectAnchorX, cursor.m_nX), top = std::min(s.m_nRectAnchorY, cursor.m_nY);
      int brushWidth = std::max(s.m_nBrushWidth, 1), brushHeight = std::max(s.m_nBrushHeight, 1);
      // Only the rectangle's cells inside the area: a rectangle may span the whole map.
      int firstColumn = m_nScrollX + list.m_nClipX / kCellPixels, firstRow = m_nScrollY + list.m_nClipY / kCellPixels;
      int lastColumn = m_nScrollX + (list.m_nClipX + list.m_nClipWidth - 1) / kCellPixels;
      int lastRow = m_nScrollY + (list.m_nClipY + list.m_nClipHeight - 1) / kCellPixels;
      int r1 = std::min({s.m_nRectHeight - 1, m_Stage.m_nHeight - 1 - top, lastRow - top});
      int c1 = std::min({s.m_nRectWidth - 1, m_Stage.m_nWidth - 1 - left, lastColumn - left});
      for (int r = std::max(0, firstRow - top); r <= r1; ++r)
        for (int c = std::max(0, firstColumn - left); c <= c1; ++c)
          PaintBrushEntry(list, input, sheets, PixelX(left + c), PixelY(top + r),
                          (r % brushHeight) * brushWidth + c % brushWidth);
      list.AddOutline(PixelX(left), PixelY(top), s.m_nRectWidth * kCellPixels, s.m_nRectHeight * kCellPixels, colour,
                      kCursorPen);
      return;
    }
    case kModeCell:
      break;
    case kModeSelect:
      if (s.m_bDragging)
        list.AddOutline(PixelX(std::min(s.m_nSelAnchorX, cursor.m_nX)), PixelY(std::min(s.m_nSelAnchorY, cursor.m_nY)),
                        (std::abs(cursor.m_nX - s.m_nSelAnchorX) + 1) * kCellPixels,
                        (std::abs(cursor.m_nY - s.m_nSelAnchorY) + 1) * kCellPixels, colour, kCursorPen);
      return;
    default:
      return;
  }
  list.AddOutline(x, y, kCellPixels, kCellPixels, colour, kCursorPen);
}

void cMapView::PaintBrushEntry(cPaintList& list, const cViewInput& input, const cSheetExtents& sheets, int32_t x,
                               int32_t y, int index) const {
  const cStageEditState& s = m_State;
  if ((input.m_bShift || s.m_nLayer == 0) && index < s.m_vBrushBlock.Count())
    AddBlockGraphic(list, sheets, x, y, s.m_vBrushBlock[index], 0);
  if ((input.m_bShift || s.m_nLayer == 1) && index < s.m_vBrushChara.Count())
    AddCharaGraphic(list, sheets, x, y, s.m_vBrushChara[index], 0);
  if ((input.m_bShift || s.m_nLayer == 2) && index < s.m_vBrushItem.Count())
    AddItemGraphic(list, sheets, x, y, s.m_vBrushItem[index], 1);
}

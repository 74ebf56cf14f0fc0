#include "stage/win/PaintCanvas.h"

#include "app/SheetCanvases.h"

void MeasureSheets(cSheetExtents& extents) {
  extents.m_vCharaExc.resize(g_vCharaExcCanvas.size());
  for (int i = 0; i < kSheetCanvasCount; ++i)
    extents.m_aSheet[i] = {g_aSheetCanvas[i].Width(), g_aSheetCanvas[i].Height()};
  for (size_t i = 0; i < g_vCharaExcCanvas.size(); ++i)
    extents.m_vCharaExc[i] = {g_vCharaExcCanvas[i].Width(), g_vCharaExcCanvas[i].Height()};
}

void DrawPaintList(cCanvas& back, const cPaintList& list) {
  HDC dc = back.Dc();
  HRGN clip = CreateRectRgn(list.m_nClipX, list.m_nClipY, list.m_nClipX + list.m_nClipWidth,
                            list.m_nClipY + list.m_nClipHeight);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  SetStretchBltMode(dc, COLORONCOLOR);
  for (const cPaintOp& op : list.m_vOps) {
    switch (op.m_nKind) {
      case cPaintOp::kFill: {
        // A fill of the area alone: the canvas's own fill ignores the clip.
        RECT rect = {op.m_nX, op.m_nY, op.m_nX + op.m_nWidth, op.m_nY + op.m_nHeight};
        HBRUSH brush = CreateSolidBrush(op.m_nColour);
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
        break;
      }
      case cPaintOp::kBlit: {
        const cCanvas& source =
            op.m_bCharaExc ? g_vCharaExcCanvas[static_cast<size_t>(op.m_nCanvas)] : g_aSheetCanvas[op.m_nCanvas];
        if (op.m_nWidth == op.m_nSrcWidth && op.m_nHeight == op.m_nSrcHeight)
          back.Blit(op.m_nX, op.m_nY, op.m_nWidth, op.m_nHeight, source, op.m_nSrcX, op.m_nSrcY, 0);
        else
          back.StretchBlit(op.m_nX, op.m_nY, op.m_nWidth, op.m_nHeight, source, op.m_nSrcX, op.m_nSrcY, op.m_nSrcWidth,
                           op.m_nSrcHeight, 0);
        break;
      }
      case cPaintOp::kGrid:
        back.DrawGrid(op.m_nX, op.m_nY, op.m_nWidth, op.m_nHeight, kCellPixels, kCellPixels, op.m_nColour);
        back.ReleasePen();
        break;
      case cPaintOp::kLine:
        back.SelectPen(PS_SOLID, op.m_nPen, op.m_nColour);
        back.Line(op.m_nX, op.m_nY, op.m_nX2, op.m_nY2);
        // The list's lines include their last pixel, which the system's lines leave out.
        SetPixel(dc, op.m_nX2, op.m_nY2, op.m_nColour);
        back.ReleasePen();
        break;
      case cPaintOp::kOutline:
        // The system draws dots only with a pen of one pixel.
        if (op.m_bDotted) back.SelectPen(PS_DOT, 1, op.m_nColour);
        else back.SelectPen(PS_SOLID, op.m_nPen, op.m_nColour);
        back.Rectangle(op.m_nX, op.m_nY, op.m_nWidth, op.m_nHeight);
        back.ReleasePen();
        break;
    }
  }
  SelectClipRgn(dc, nullptr);
}

void PaintOnView(cCtrlBitmap& view, const cPaintList& list) {
  if (!view.m_Back.Dc()) return;
  DrawPaintList(view.m_Back, list);
  view.m_Screen.Blit(list.m_nClipX, list.m_nClipY, list.m_nClipWidth, list.m_nClipHeight, view.m_Back, list.m_nClipX,
                     list.m_nClipY, 1);
}

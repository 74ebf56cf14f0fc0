#pragma once
// Paint lists as text, for the tests of the map view and of the palette windows, and sheets as
// large as the editor's own.

#include <sstream>
#include <string>

#include "stage/cMapView.h"

// Sheets as large as the editor's own; the dedicated chara table has four entries.
inline cSheetExtents Sheets() {
  cSheetExtents sheets;
  for (cSheetExtent& sheet : sheets.m_aSheet) sheet = {512, 480};
  for (int i = 0; i < 2 * kCharaSheetFiles; ++i) sheets.m_aSheet[kSheetChara + i] = {640, 480};
  sheets.m_aSheet[kSheetItemMini] = {256, 240};
  sheets.m_aSheet[kSheetShot] = sheets.m_aSheet[kSheetShot + 1] = {256, 480};
  sheets.m_vCharaExc.assign(8, {512, 512});
  return sheets;
}

// "S<sheet>" or "E<dedicated canvas>", the source, the destination; lines and outlines by their
// corner; blanks between operations.
inline std::string Describe(const cPaintOp& op) {
  std::ostringstream out;
  switch (op.m_nKind) {
    case cPaintOp::kFill:
      out << "fill";
      break;
    case cPaintOp::kGrid:
      out << "grid";
      break;
    case cPaintOp::kBlit:
      out << (op.m_bCharaExc ? "E" : "S") << op.m_nCanvas << "(" << op.m_nSrcX << "," << op.m_nSrcY << ","
          << op.m_nSrcWidth << "," << op.m_nSrcHeight << ")>(" << op.m_nX << "," << op.m_nY << "," << op.m_nWidth << ","
          << op.m_nHeight << ")";
      break;
    case cPaintOp::kLine:
      out << "line(" << op.m_nX << "," << op.m_nY << "," << op.m_nX2 << "," << op.m_nY2 << ")";
      break;
    case cPaintOp::kOutline:
      out << (op.m_bDotted ? "dots(" : "box(") << op.m_nX << "," << op.m_nY << "," << op.m_nWidth << "," << op.m_nHeight << ")";
      break;
  }
  return out.str();
}

inline std::string Describe(const cPaintList& list) {
  std::string text;
  for (const cPaintOp& op : list.m_vOps) text += (text.empty() ? "" : " ") + Describe(op);
  return text;
}


#include "editors/GraphicCells.h"

#include <algorithm>

int PickerSheetOfKind(int kind) {
  switch (kind) {
    case 1: case 2: case 3: return kind;
    case 4: return -1;
    default: return 0;
  }
}

int CellAtPoint(int32_t x, int32_t y) {
  int column = std::clamp<int32_t>(x, 0, kPickerWidth - 1) / kCellSize;
  int row = std::clamp<int32_t>(y, 0, kPickerHeight - 1) / kCellSize;
  return column * kSheetRows + row;
}

void CellOrigin(int cell, int32_t& x, int32_t& y) {
  cell = std::clamp(cell, 0, kSheetCells - 1);
  x = kCellSize * (cell / kSheetRows);
  y = kCellSize * (cell % kSheetRows);
}

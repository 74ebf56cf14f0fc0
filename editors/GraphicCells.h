#pragma once
// The cells of the picker sheets (256 x 480 pixels, 8 columns of 15 cells of 32 x 32): cell c lies
// in column c / 15 and row c % 15. The graphic cell picker (template 276, "グラフィック") shows one
// sheet and returns the cell clicked; these are its rules apart from its window.

#include <cstdint>

constexpr int kCellSize = 32;
constexpr int kSheetColumns = 8;
constexpr int kSheetRows = 15;
constexpr int kSheetCells = kSheetColumns * kSheetRows;
constexpr int kPickerWidth = kSheetColumns * kCellSize;
constexpr int kPickerHeight = kSheetRows * kCellSize;
enum : uint16_t { kIdcPickerBitmap = 1006 };
constexpr uint16_t kPickerTemplate = 276;

// The picker sheet of a graphic kind: 1 characters, 2 items, 3 shots as themselves, 0 blocks and any
// other value; -1 for 4, the dedicated bitmaps, which have no sheet: no picker opens and the
// caller's number stays.
int PickerSheetOfKind(int kind);
// The cell under a point of the picker's client area; a point off the sheet counts as the nearest
// cell on it, so every click names one of cells 0 .. 119.
int CellAtPoint(int32_t x, int32_t y);
// The top-left corner of a cell on the sheet; a cell outside 0 .. 119 counts as the nearest.
void CellOrigin(int cell, int32_t& x, int32_t& y);

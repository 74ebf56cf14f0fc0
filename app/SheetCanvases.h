#pragma once
// The sheet canvases every view draws from, by index: what each holds, so that code which only
// computes what to draw names them without the canvases themselves.

constexpr int kSheetCanvasCount = 33;
// Character sheets "bmp\Character1.bmp" to "bmp\Character8.bmp", a pair of canvases each.
constexpr int kCharaSheetFiles = 8;

// Sheet canvases with a meaning of their own.
enum : int {
  kSheetBack = 0,
  kSheetBlock = 1,
  kSheetChara = 2,  // 2 + 2j: character sheet j + 1; 3 + 2j: the same mirrored per cell
  kSheetItem = 18,
  kSheetItemMini = 19,
  kSheetShot = 20,  // and 21: the same mirrored per shot
  kSheetMark = 22,
  kSheetWorldBack = 23,
  kSheetWorldChip = 24,   // the world map's chips, five 32 x 32 cells a row
  kSheetWorldEvent = 25,  // the world events: a row each, numbered and numberless picture
  kSheetOverviewBlock = 28,  // 28 to 32: the overview sheets of the graphic cell picker
  kSheetOverviewChara = 29,
  kSheetOverviewItem = 30,
  kSheetOverviewShot = 31,
  kSheetOverviewMark = 32,
};

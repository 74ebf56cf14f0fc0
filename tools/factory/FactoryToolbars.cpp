#include "tools/factory/FactoryToolbars.h"

#include <cstdio>

#include "app/PathUtil.h"
#include "app/cBmpReader.h"
#include "tools/factory/cPicture.h"

namespace {
constexpr int kWidth = 16;   // one button image
constexpr int kHeight = 15;
// The light grey of the images' ground: the toolbar loads it as the button face and draws it clear.
constexpr uint8_t kFace = 7;

const uint8_t kRed = Cube(5, 0, 0), kDarkRed = Cube(3, 0, 0);
const uint8_t kGreen = Cube(0, 4, 0), kDarkGreen = Cube(0, 2, 0), kGrass = Cube(1, 5, 1);
const uint8_t kBlue = Cube(0, 2, 5), kSky = Cube(3, 4, 5), kNavy = Cube(0, 0, 2);
const uint8_t kYellow = Cube(5, 5, 0), kGold = Cube(5, 3, 0);
const uint8_t kBrick = Cube(4, 2, 1), kMortar = Cube(5, 4, 3), kWood = Cube(3, 2, 1);
const uint8_t kSkin = Cube(5, 4, 3), kPaper = kWhite, kLine = Grey(8);

// A white sheet with a grey edge.
void Sheet(cPicture& p, int x, int y, int width, int height) {
  p.Rect(x, y, width, height, kPaper);
  p.Frame(x, y, width, height, kLine);
}

// Palette window layers: a block, a character, an item.
void DrawBlockPalette(cPicture& p, int x) {
  p.Rect(x + 2, 2, 12, 11, kBrick);
  for (int row : {5, 9}) p.Rect(x + 2, row, 12, 1, kMortar);
  for (int column : {7, 11}) p.Rect(x + column, 2, 1, 3, kMortar);
  for (int column : {5, 10}) p.Rect(x + column, 6, 1, 3, kMortar);
  for (int column : {7, 11}) p.Rect(x + column, 10, 1, 3, kMortar);
}

void DrawCharaPalette(cPicture& p, int x) {
  p.Disc(x + 8, 4, 2, kSkin);
  p.Rect(x + 5, 7, 7, 4, kBlue);
  p.Rect(x + 5, 11, 2, 3, kNavy);
  p.Rect(x + 10, 11, 2, 3, kNavy);
  p.Pixel(x + 9, 4, kInk);
}

void DrawItemPalette(cPicture& p, int x) {
  p.Disc(x + 8, 7, 5, kGold);
  p.Disc(x + 8, 7, 3, kYellow);
  p.Rect(x + 8, 5, 1, 5, kGold);
  p.Pixel(x + 6, 5, kWhite);
}

// Test play: of the stage, and of the whole game.
void DrawTestPlay(cPicture& p, int x) { p.Triangle(x + 4, 2, x + 4, 12, x + 12, 7, kGreen); }

void DrawWholeGamePlay(cPicture& p, int x) {
  p.Triangle(x + 1, 2, x + 1, 12, x + 8, 7, kGreen);
  p.Triangle(x + 8, 2, x + 8, 12, x + 15, 7, kDarkGreen);
}

// Drawing tools: pen, line, rectangle, fill, and editing a cell's parameters.
void DrawPen(cPicture& p, int x) {
  for (int i = 0; i < 3; ++i) p.Line(x + 4 + i, 12, x + 12 + i, 2, kYellow);
  p.Line(x + 13, 1, x + 14, 2, kRed);
  p.Triangle(x + 2, 13, x + 4, 11, x + 5, 13, kWood);
  p.Pixel(x + 2, 13, kInk);
}

void DrawLine(cPicture& p, int x) {
  p.Line(x + 3, 12, x + 12, 2, kNavy);
  p.Line(x + 4, 12, x + 13, 2, kNavy);
  p.Rect(x + 2, 11, 3, 3, kRed);
  p.Rect(x + 11, 1, 3, 3, kRed);
}

void DrawRectangle(cPicture& p, int x) {
  p.Frame(x + 2, 3, 12, 9, kNavy);
  p.Frame(x + 3, 4, 10, 7, kNavy);
}

void DrawFill(cPicture& p, int x) {
  // A pail of paint with a drip running over its lip.
  p.Line(x + 4, 4, x + 7, 1, kLine);
  p.Line(x + 7, 1, x + 10, 4, kLine);
  p.Triangle(x + 2, 5, x + 11, 5, x + 4, 13, kPaper);
  p.Triangle(x + 11, 5, x + 9, 13, x + 4, 13, kPaper);
  p.Rect(x + 3, 5, 8, 2, kBlue);
  p.Rect(x + 11, 5, 2, 5, kBlue);
  p.Disc(x + 12, 11, 1, kBlue);
}

void DrawParameters(cPicture& p, int x) {
  Sheet(p, x + 3, 1, 10, 13);
  for (int row = 4; row < 13; row += 3) p.Rect(x + 5, row, 6, 1, kBlue);
  p.Rect(x + 5, 4, 2, 1, kRed);
}

// What a right click does: edit the palette entry, or open the menu. A mouse with its right
// button lit, beside what opens.
void DrawMouse(cPicture& p, int x) {
  Sheet(p, x + 9, 3, 6, 10);
  p.Rect(x + 12, 3, 3, 4, kRed);
  p.Rect(x + 9, 7, 6, 1, kLine);
  p.Rect(x + 11, 3, 1, 4, kLine);
}

void DrawRightClickEdit(cPicture& p, int x) {
  DrawMouse(p, x);
  Sheet(p, x + 1, 2, 7, 9);
  for (int row = 4; row < 10; row += 2) p.Rect(x + 2, row, 5, 1, kBlue);
}

void DrawRightClickMenu(cPicture& p, int x) {
  DrawMouse(p, x);
  Sheet(p, x + 1, 2, 7, 11);
  p.Rect(x + 2, 6, 5, 3, kSky);
  for (int row = 4; row < 12; row += 3) p.Rect(x + 3, row, 3, 1, kInk);
}

// World map palettes: map chips, and events.
void DrawMapChips(cPicture& p, int x) {
  p.Rect(x + 2, 2, 6, 5, kGrass);
  p.Rect(x + 8, 2, 6, 5, kSky);
  p.Rect(x + 2, 7, 6, 6, kBrick);
  p.Rect(x + 8, 7, 6, 6, kGreen);
  p.Rect(x + 8, 2, 1, 11, kLine);
  p.Rect(x + 2, 7, 12, 1, kLine);
}

void DrawEvents(cPicture& p, int x) {
  p.Rect(x + 4, 1, 1, 13, kWood);
  p.Triangle(x + 5, 1, x + 5, 8, x + 13, 4, kRed);
  p.Rect(x + 2, 13, 6, 1, kDarkRed);
}

struct cToolbarBitmap {
  const char* m_pPath;
  int m_nImages;
  void (*m_apfnDraw[5])(cPicture&, int);
};

// The images in the order of the buttons that show them.
const cToolbarBitmap kBitmaps[] = {
    {"e_bmp\\ToolBar_Palette.bmp", 3, {DrawBlockPalette, DrawCharaPalette, DrawItemPalette}},
    {"e_bmp\\ToolBar_TestPlay.bmp", 2, {DrawTestPlay, DrawWholeGamePlay}},
    {"e_bmp\\ToolBar_Pen.bmp", 5, {DrawPen, DrawLine, DrawRectangle, DrawFill, DrawParameters}},
    {"e_bmp\\ToolBar_PltEdit.bmp", 2, {DrawRightClickEdit, DrawRightClickMenu}},
    {"e_bmp\\ToolBar_WorldPalette.bmp", 2, {DrawMapChips, DrawEvents}},
};

// Each image drawn on clear ground and outlined in black, the ground then made the face grey.
cPicture Draw(const cToolbarBitmap& bitmap) {
  cPicture picture(bitmap.m_nImages * kWidth, kHeight);
  for (int i = 0; i < bitmap.m_nImages; ++i) {
    picture.Clip(i * kWidth, 0, kWidth, kHeight);
    bitmap.m_apfnDraw[i](picture, i * kWidth);
    picture.Outline(i * kWidth, 0, kWidth, kHeight, kInk);
  }
  picture.Unclip();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.At(x, y) == kClear) picture.Pixel(x, y, kFace);
  return picture;
}

int ReadsBack(const cToolbarBitmap& bitmap) {
  cBmpReader reader;
  return reader.Open(bitmap.m_pPath) == cBmpReader::kOk && reader.Width() == bitmap.m_nImages * kWidth &&
         reader.Height() == kHeight;
}
}  // namespace

int WriteFactoryToolbars() {
  if (!MakeDirectory("e_bmp")) return 0;
  cColourEntry palette[kPaletteSize];
  ProgramColours(palette);
  for (const cToolbarBitmap& bitmap : kBitmaps)
    if (!Draw(bitmap).Save(bitmap.m_pPath, palette) || !ReadsBack(bitmap)) {
      std::fprintf(stderr, "factory: %s cannot be written\n", bitmap.m_pPath);
      return 0;
    }
  return 1;
}

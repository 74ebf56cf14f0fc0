#include "tools/factory/FactoryArt.h"

#include <cstdio>

#include "app/PathUtil.h"
#include "app/cBmpReader.h"
#include "tools/factory/cPicture.h"

namespace {
constexpr int kCell = 32;

// Eight colour families; a sheet's columns (or rows) run through them.
const uint8_t kFamily[8][3] = {
    // light, main, dark
    {Cube(5, 4, 3), Cube(4, 2, 1), Cube(2, 1, 0)},  // earth
    {Cube(5, 3, 3), Cube(4, 1, 1), Cube(2, 0, 0)},  // red
    {Cube(3, 5, 3), Cube(1, 4, 1), Cube(0, 2, 0)},  // green
    {Cube(3, 4, 5), Cube(1, 2, 4), Cube(0, 0, 2)},  // blue
    {Cube(5, 5, 3), Cube(4, 4, 0), Cube(2, 2, 0)},  // yellow
    {Cube(5, 3, 5), Cube(3, 1, 4), Cube(1, 0, 2)},  // purple
    {Cube(3, 5, 5), Cube(0, 3, 4), Cube(0, 1, 2)},  // teal
    {Grey(20), Grey(13), Grey(5)},                   // grey
};
uint8_t Light(int family) { return kFamily[family % 8][0]; }
uint8_t Main(int family) { return kFamily[family % 8][1]; }
uint8_t Dark(int family) { return kFamily[family % 8][2]; }

// A raised square with a light top-left and a dark bottom-right edge.
void Bevel(cPicture& p, int x, int y, int size, int family) {
  p.Rect(x, y, size, size, Main(family));
  p.Rect(x, y, size, 2, Light(family));
  p.Rect(x, y, 2, size, Light(family));
  p.Rect(x, y + size - 2, size, 2, Dark(family));
  p.Rect(x + size - 2, y, 2, size, Dark(family));
}

// Blocks: one kind a row, eight colour variants across; block 0 (top left) stays empty: none.
void DrawBlock(cPicture& p, int x, int y, int kind, int family) {
  switch (kind) {
    case 0:  // ground with grass
      p.Rect(x, y, kCell, kCell, Main(0));
      for (int i = 0; i < 12; ++i) p.Pixel(x + (i * 11) % 30 + 1, y + 10 + (i * 7) % 20, Dark(0));
      p.Rect(x, y, kCell, 7, Main(family == 0 ? 2 : family));
      for (int i = 0; i < kCell; i += 4) p.Rect(x + i, y + 7, 2, 2, Main(family == 0 ? 2 : family));
      break;
    case 1:  // bricks
      p.Rect(x, y, kCell, kCell, Dark(family));
      for (int row = 0; row < 4; ++row)
        for (int column = -1; column < 2; ++column)
          p.Rect(x + column * 16 + (row % 2) * 8 + 1, y + row * 8 + 1, 14, 6, Main(family));
      p.Rect(x, y, 1, kCell, Dark(family));
      p.Rect(x + kCell - 1, y, 1, kCell, Dark(family));
      break;
    case 2:  // stone
      Bevel(p, x, y, kCell, family);
      p.Line(x + 8, y + 10, x + 14, y + 16, Dark(family));
      p.Line(x + 20, y + 20, x + 24, y + 14, Dark(family));
      break;
    case 3:  // item block
      Bevel(p, x, y, kCell, family);
      p.Rect(x + 13, y + 22, 5, 4, kWhite);
      p.Rect(x + 13, y + 6, 5, 12, kWhite);
      break;
    case 4:  // metal plate
      Bevel(p, x, y, kCell, 7);
      p.Rect(x + 6, y + 6, 20, 20, Main(family));
      for (int cx : {5, 26})
        for (int cy : {5, 26}) p.Disc(x + cx, y + cy, 1, Dark(7));
      break;
    case 5:  // wooden planks
      p.Rect(x, y, kCell, kCell, Main(family));
      for (int row = 0; row < kCell; row += 8) p.Rect(x, y + row, kCell, 1, Dark(family));
      for (int row = 0; row < 4; ++row) p.Pixel(x + 6 + row * 6, y + row * 8 + 4, Dark(family));
      break;
    case 6:  // ice
      p.Rect(x, y, kCell, kCell, Light(6));
      p.Frame(x, y, kCell, kCell, Main(family));
      p.Line(x + 5, y + 20, x + 18, y + 5, kWhite);
      p.Line(x + 9, y + 26, x + 26, y + 9, kWhite);
      break;
    case 7:  // spikes
      p.Rect(x, y + 26, kCell, 6, Dark(7));
      for (int i = 0; i < 4; ++i) p.Triangle(x + i * 8, y + 26, x + i * 8 + 7, y + 26, x + i * 8 + 3, y + 6, Main(family));
      break;
    case 8:  // ladder
      p.Rect(x + 5, y, 3, kCell, Main(0));
      p.Rect(x + 24, y, 3, kCell, Main(0));
      for (int row = 3; row < kCell; row += 8) p.Rect(x + 5, y + row, 22, 2, Light(0));
      break;
    case 9:  // water
      p.Rect(x, y + 4, kCell, kCell - 4, Main(3));
      for (int i = 0; i < kCell; i += 8) p.Line(x + i, y + 4, x + i + 4, y + 1, Light(3));
      p.Rect(x + 4, y + 16, 6, 1, Light(family));
      break;
    case 10:  // lava
      p.Rect(x, y + 4, kCell, kCell - 4, Main(1));
      for (int i = 0; i < 5; ++i) p.Disc(x + 3 + i * 7, y + 6, 2, Main(4));
      p.Rect(x, y + 26, kCell, 6, Dark(1));
      break;
    case 11:  // thin platform: stand on it from above
      p.Rect(x, y, kCell, 8, Main(family));
      p.Rect(x, y, kCell, 2, Light(family));
      p.Rect(x + 4, y + 8, 2, 4, Dark(family));
      p.Rect(x + 26, y + 8, 2, 4, Dark(family));
      break;
    case 12:  // pipe
      p.Rect(x + 2, y, 28, kCell, Main(family));
      p.Rect(x + 6, y, 4, kCell, Light(family));
      p.Rect(x + 24, y, 3, kCell, Dark(family));
      break;
    case 13:  // breakable block
      Bevel(p, x, y, kCell, family);
      p.Line(x + 4, y + 4, x + 27, y + 27, Dark(family));
      p.Line(x + 27, y + 4, x + 4, y + 27, Dark(family));
      break;
    default:  // door
      p.Rect(x + 4, y, 24, kCell, Dark(0));
      p.Rect(x + 6, y + 2, 20, 30, Main(family));
      p.Disc(x + 21, y + 17, 2, Main(4));
      break;
  }
}

int DrawBlocks(cPicture& p) {
  for (int g = 1; g < 8 * 15; ++g) {
    int x = kCell * (g / 15), y = kCell * (g % 15);
    p.Clip(x, y, kCell, kCell);
    DrawBlock(p, x, y, g % 15, g / 15);
  }
  p.Unclip();
  return 1;
}

// Characters face left in the file; their mirrored canvas faces right. One character a row,
// its frames across: 0-3 standing and walking, 4-7 running, 8-11 jumping, 12-15 attacking,
// 16-19 hurt.
void DrawCharacter(cPicture& p, int x, int y, int shape, int family, int frame) {
  int step = frame % 4;
  int lift = frame >= 8 && frame < 12 ? 4 : 0;
  int legs = step % 2 ? 3 : 0;
  uint8_t body = Main(family), skin = Cube(5, 4, 3), eye = frame >= 16 ? Main(1) : uint8_t(kInk);
  y -= lift;
  switch (shape) {
    case 0:  // person
      p.Rect(x + 11, y + 16, 10, 9, body);
      p.Disc(x + 16, y + 10, 6, skin);
      p.Rect(x + 10, y + 4, 12, 3, Dark(family));
      p.Rect(x + 12 - legs, y + 25, 3, 6, Dark(family));
      p.Rect(x + 17 + legs, y + 25, 3, 6, Dark(family));
      p.Rect(x + 7, y + 17 + (frame >= 12 && frame < 16 ? -4 : 0), 4, 3, skin);
      break;
    case 1:  // slime
      p.Disc(x + 16, y + 22 + (step % 2), 9, body);
      p.Rect(x + 7, y + 24, 19, 7, body);
      break;
    case 2:  // bird
      p.Disc(x + 16, y + 16, 7, body);
      p.Triangle(x + 12, y + 14, x + 24, y + 10 - (step % 2) * 6, x + 22, y + 18, Dark(family));
      p.Triangle(x + 9, y + 15, x + 4, y + 17, x + 9, y + 19, Main(4));
      break;
    case 3:  // robot
      Bevel(p, x + 8, y + 8, 16, family);
      p.Rect(x + 15, y + 3, 2, 5, Dark(7));
      p.Rect(x + 10, y + 24, 4, 7 - legs, Dark(7));
      p.Rect(x + 18, y + 24, 4, 4 + legs, Dark(7));
      break;
    case 4:  // ghost
      p.Disc(x + 16, y + 13, 9, Light(family));
      p.Rect(x + 7, y + 13, 19, 12, Light(family));
      for (int i = 0; i < 3; ++i) p.Triangle(x + 7 + i * 6, y + 25, x + 12 + i * 6, y + 25, x + 9 + i * 6, y + 29, Light(family));
      break;
    case 5:  // knight
      p.Rect(x + 10, y + 12, 12, 13, Main(7));
      p.Rect(x + 10, y + 4, 12, 9, Light(7));
      p.Rect(x + 10, y + 8, 6, 2, kInk);
      p.Rect(x + 4, y + 10, 3, 14, body);
      p.Rect(x + 11 - legs, y + 25, 4, 6, Dark(7));
      p.Rect(x + 17 + legs, y + 25, 4, 6, Dark(7));
      break;
    case 6:  // beast on four legs
      p.Rect(x + 6, y + 14, 22, 10, body);
      p.Disc(x + 8, y + 12, 5, body);
      for (int i = 0; i < 4; ++i) p.Rect(x + 8 + i * 5 + (i % 2 ? legs : -legs), y + 24, 3, 6, Dark(family));
      break;
    default:  // big-eyed guardian
      p.Disc(x + 16, y + 16, 13, body);
      p.Disc(x + 11, y + 13, 4, kWhite);
      p.Disc(x + 20, y + 13, 4, kWhite);
      p.Rect(x + 10, y + 21, 12, 3, Dark(family));
      break;
  }
  // The eye sits toward the left: the way the character faces.
  int eyeX = shape == 7 ? 10 : shape == 2 ? 12 : shape == 6 ? 6 : 13;
  int eyeY = shape == 7 ? 13 : shape == 2 ? 14 : shape == 6 ? 11 : shape == 1 ? 20 : 10;
  if (shape != 5) p.Rect(x + eyeX, y + eyeY, 2, frame >= 16 ? 1 : 2, eye);
  p.Outline(x, y + lift, kCell, kCell, kInk);
}

int DrawCharacters(cPicture& p, int sheet) {
  for (int row = 0; row < 15; ++row)
    for (int frame = 0; frame < 20; ++frame) DrawCharacter(p, frame * kCell, row * kCell, sheet, row, frame);
  return 1;
}

// Items: one 32 x 32 picture in each even 32-pixel column, its sparkling frame beside it.
void DrawItem(cPicture& p, int x, int y, int kind, int family, int size) {
  int c = size / 2, r = size / 3;
  switch (kind) {
    case 0: p.Disc(x + c, y + c, r + 1, Main(4)); p.Rect(x + c - 1, y + c - r + 2, 2, 2 * r - 3, Light(4)); break;
    case 1:
      p.Disc(x + c - r / 2 - 1, y + c - 1, r / 2 + 1, Main(1));
      p.Disc(x + c + r / 2, y + c - 1, r / 2 + 1, Main(1));
      p.Triangle(x + c - r - 1, y + c, x + c + r, y + c, x + c, y + c + r + 1, Main(1));
      break;
    case 2:
      p.Triangle(x + c, y + c - r - 2, x + c - r, y + c + r, x + c + r, y + c + r, Main(4));
      p.Triangle(x + c - r - 1, y + c - r / 2, x + c + r + 1, y + c - r / 2, x + c, y + c + r / 2, Main(4));
      break;
    case 3: p.Disc(x + c - r / 2, y + c, r / 2 + 1, Main(4)); p.Rect(x + c, y + c - 1, r + 1, 2, Main(4)); break;
    case 4: p.Disc(x + c, y + c + 1, r, Main(family)); p.Rect(x + c - 1, y + c - r, 3, r / 2 + 1, Light(7)); break;
    case 5: p.Triangle(x + c, y + c - r, x + c - r, y + c, x + c, y + c + r, Main(family)); p.Triangle(x + c, y + c - r, x + c + r, y + c, x + c, y + c + r, Light(family)); break;
    case 6: p.Disc(x + c, y + c - 1, r, Main(1)); p.Rect(x + c - r / 2, y + c, r, r, Cube(5, 4, 3)); break;
    case 7: p.Line(x + c - r, y + c + r, x + c + r, y + c - r, Light(7)); p.Rect(x + c - r, y + c + r - 2, 3, 3, Main(0)); break;
    case 8: p.Rect(x + c - r, y + c - r, 2 * r, 2 * r, Main(3)); p.Rect(x + c - 1, y + c - r, 2, 2 * r, Light(3)); break;
    case 9: p.Disc(x + c, y + c + 1, r, Dark(7)); p.Line(x + c, y + c - r, x + c + 2, y + c - r - 2, Main(4)); break;
    case 10: p.Disc(x + c, y + c, r, kWhite); p.Line(x + c, y + c, x + c, y + c - r + 1, kInk); p.Line(x + c, y + c, x + c + r / 2, y + c, kInk); break;
    case 11: p.Disc(x + c, y + c, r, Main(2)); p.Number(x + c - 1, y + c - 2, 1, kWhite); break;
    case 12: p.Rect(x + c - r, y + c, 2 * r, r / 2 + 1, Main(0)); p.Rect(x + c - r, y + c - r, r, r, Main(0)); break;
    case 13: p.Triangle(x + c, y + c, x + c - r - 1, y + c - r, x + c - r, y + c + r / 2, kWhite); p.Triangle(x + c, y + c, x + c + r + 1, y + c - r, x + c + r, y + c + r / 2, kWhite); break;
    default: p.Disc(x + c, y + c, r, Main(4)); p.Disc(x + c, y + c, r / 2, kClear); break;
  }
  p.Outline(x, y, size, size, kInk);
}

void Sparkle(cPicture& p, int x, int y, int size) {
  p.Pixel(x + size - 4, y + 3, kWhite);
  p.Pixel(x + size - 5, y + 3, kWhite);
  p.Pixel(x + size - 3, y + 3, kWhite);
  p.Pixel(x + size - 4, y + 2, kWhite);
  p.Pixel(x + size - 4, y + 4, kWhite);
}

int DrawItems(cPicture& p) {
  for (int g = 0; g < 8 * 15; ++g) {
    int x = 64 * (g / 15), y = kCell * (g % 15);
    DrawItem(p, x, y, g % 15, g / 15, kCell);
    DrawItem(p, x + kCell, y, g % 15, g / 15, kCell);
    Sparkle(p, x + kCell, y, kCell);
  }
  return 1;
}

int DrawSmallItems(cPicture& p) {
  for (int g = 0; g < 8 * 15; ++g) DrawItem(p, kCell * (g / 15), 16 * (g % 15), g % 15, g / 15, 16);
  return 1;
}

// Shots: 16 x 16, thirty to a 32-pixel column, each with a second frame beside it; they fly left.
void DrawShot(cPicture& p, int x, int y, int kind, int frame) {
  uint8_t colour = Main(kind % 8);
  switch (kind % 5) {
    case 0: p.Disc(x + 8, y + 8, 4 - frame, colour); p.Pixel(x + 8, y + 6, kWhite); break;
    case 1: p.Line(x + 2, y + 8, x + 14, y + 8, Main(0)); p.Triangle(x + 1, y + 8, x + 5, y + 5, x + 5, y + 11, Light(7)); break;
    case 2: p.Rect(x + 1, y + 7, 14, 3 - frame, colour); p.Rect(x + 1, y + 8, 14, 1, kWhite); break;
    case 3: p.Disc(x + 6, y + 8, 4, Main(1)); p.Triangle(x + 8, y + 5, x + 15, y + 8 - frame, x + 8, y + 11, Main(4)); break;
    default: p.Triangle(x + 8, y + 2 + frame, x + 3, y + 13, x + 13, y + 13, colour); break;
  }
  p.Outline(x, y, 16, 16, kInk);
}

int DrawShots(cPicture& p) {
  for (int g = 0; g < 4 * 30; ++g)
    for (int frame = 0; frame < 2; ++frame) DrawShot(p, kCell * (g / 30) + 16 * frame, 16 * (g % 30), g, frame);
  return 1;
}

// Marks are drawn over a placed object in the editor: a badge in the cell's top-left corner.
int DrawMarks(cPicture& p) {
  for (int m = 1; m < 8 * 15; ++m) {
    int x = kCell * (m / 15), y = kCell * (m % 15);
    p.Rect(x + 1, y + 1, m < 10 ? 7 : m < 100 ? 11 : 15, 9, Main(m % 8));
    p.Number(x + 3, y + 3, m, kWhite);
    p.Frame(x, y, m < 10 ? 9 : m < 100 ? 13 : 17, 11, kInk);
  }
  return 1;
}

// World map chips, five to a row: the first five cannot be walked on, the next five can.
int DrawMapChips(cPicture& p) {
  for (int g = 0; g < 50; ++g) {
    int x = kCell * (g % 5), y = kCell * (g / 5), kind = g % 10;
    uint8_t ground = kind < 5 ? Dark(kind == 0 ? 3 : 7) : Light(kind == 5 ? 2 : 0);
    p.Rect(x, y, kCell, kCell, ground);
    switch (kind) {
      case 0: for (int i = 4; i < kCell; i += 8) p.Line(x + 2, y + i, x + 10, y + i - 3, Light(3)); break;
      case 1: p.Triangle(x + 16, y + 3, x + 2, y + 29, x + 30, y + 29, Main(0)); p.Triangle(x + 16, y + 3, x + 11, y + 12, x + 21, y + 12, kWhite); break;
      case 2: p.Disc(x + 16, y + 12, 9, Main(2)); p.Rect(x + 14, y + 20, 4, 9, Dark(0)); break;
      case 3: p.Disc(x + 16, y + 18, 10, Main(7)); break;
      case 4: for (int row = 0; row < 4; ++row) p.Rect(x, y + row * 8, kCell, 7, Main(1)); break;
      case 5: for (int i = 0; i < 6; ++i) p.Pixel(x + 4 + i * 5, y + 6 + (i * 9) % 20, Main(2)); break;
      case 6: p.Rect(x, y, kCell, kCell, Cube(5, 5, 3)); break;
      case 7: p.Rect(x + 10, y, 12, kCell, Cube(4, 3, 2)); break;
      case 8: p.Rect(x, y + 8, kCell, 16, Main(0)); for (int i = 2; i < kCell; i += 6) p.Rect(x + i, y + 8, 1, 16, Dark(0)); break;
      default: for (int i = 0; i < 4; ++i) p.Disc(x + 6 + i * 7, y + 10 + (i % 2) * 10, 2, Main(i + 1)); break;
    }
    if (g >= 10) p.Number(x + 2, y + 25, g, kInk);
  }
  return 1;
}

// World map events: one picture a row; column 0 the normal picture, column 1 a world without number.
int DrawWorldEvents(cPicture& p) {
  for (int row = 0; row < 15; ++row)
    for (int column = 0; column < 2; ++column) {
      int x = kCell * column, y = kCell * row;
      uint8_t colour = column ? Main(7) : Main(row % 8);
      switch (row % 3) {
        case 0: p.Rect(x + 6, y + 12, 20, 18, colour); for (int i = 0; i < 3; ++i) p.Rect(x + 6 + i * 8, y + 6, 4, 6, colour); break;
        case 1: p.Rect(x + 10, y + 4, 12, 26, colour); p.Triangle(x + 8, y + 6, x + 24, y + 6, x + 16, y + 0, Dark(1)); break;
        default: p.Rect(x + 6, y + 14, 20, 16, colour); p.Triangle(x + 4, y + 15, x + 28, y + 15, x + 16, y + 4, Dark(0)); break;
      }
      p.Rect(x + 14, y + 22, 4, 8, kInk);
      if (!column) p.Number(x + 2, y + 1, row, kWhite);
      p.Outline(x, y, kCell, kCell, kInk);
    }
  return 1;
}

// Symbols "a" to "z" that texts may show as pictures, 16 x 16 each in one row.
int DrawSymbols(cPicture& p) {
  for (int s = 0; s < 26; ++s) DrawItem(p, 16 * s, 0, s % 15, s / 15 + 1, 16);
  return 1;
}

// Accessories worn over characters: one kind a row, colour variants across.
int DrawAccessories(cPicture& p) {
  for (int g = 0; g < 8 * 15; ++g) {
    int x = kCell * (g / 15), y = kCell * (g % 15), family = g / 15;
    switch (g % 5) {
      case 0: p.Rect(x + 8, y + 6, 16, 6, Main(family)); p.Rect(x + 4, y + 11, 24, 2, Dark(family)); break;
      case 1: p.Triangle(x + 8, y + 12, x + 24, y + 12, x + 16, y + 2, Main(4)); p.Rect(x + 8, y + 10, 16, 3, Main(4)); break;
      case 2: p.Disc(x + 11, y + 12, 4, Light(family)); p.Disc(x + 21, y + 12, 4, Light(family)); p.Rect(x + 14, y + 11, 4, 1, kInk); break;
      case 3: p.Triangle(x + 16, y + 10, x + 8, y + 4, x + 8, y + 16, Main(family)); p.Triangle(x + 16, y + 10, x + 24, y + 4, x + 24, y + 16, Main(family)); break;
      default: p.Rect(x + 10, y + 14, 12, 14, Main(family)); p.Rect(x + 10, y + 14, 12, 2, Light(family)); break;
    }
    p.Outline(x, y, kCell, kCell, kInk);
  }
  return 1;
}

// Every colour of the palette as an 8 x 8 swatch, sixteen to a row.
int DrawSwatches(cPicture& p) {
  for (int i = 0; i < kPaletteSize; ++i) p.Rect(8 * (i % 16), 8 * (i / 16), 8, 8, static_cast<uint8_t>(i));
  return 1;
}

// A dedicated bitmap: one character of the sheets, 16 cells to a row, its frames in turn.
int DrawDedicated(cPicture& p) {
  for (int cell = 0; cell < 16 * 15; ++cell)
    DrawCharacter(p, cell % 16 * kCell, cell / 16 * kCell, 5, cell / 20, cell % 20);
  return 1;
}

// A dedicated bitmap of a giant of size 2: each character drawn at twice its size, 8 cells to a row.
int DrawGiantDedicated(cPicture& p) {
  const int side = 2 * kCell;
  for (int cell = 0; cell < 8 * 7; ++cell) {
    cPicture small(kCell, kCell);
    DrawCharacter(small, 0, 0, 7, cell / 8, cell % 20);
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x) p.Pixel(cell % 8 * side + x, cell / 8 * side + y, small.At(x / 2, y / 2));
  }
  return 1;
}

struct cSheet {
  const char* m_pPath;
  int32_t m_nWidth;
  int32_t m_nHeight;
  int (*m_pfnDraw)(cPicture&);
};

template <int Sheet>
int DrawCharacterSheet(cPicture& p) {
  return DrawCharacters(p, Sheet);
}

const cSheet kSheets[] = {
    {"bmp\\plt\\Palette.bmp", 128, 128, DrawSwatches},
    {"bmp\\plt\\Palette2.bmp", 128, 128, DrawSwatches},
    {"bmp\\Block.bmp", 256, 480, DrawBlocks},
    {"bmp\\Character1.bmp", 640, 480, DrawCharacterSheet<0>},
    {"bmp\\Character2.bmp", 640, 480, DrawCharacterSheet<1>},
    {"bmp\\Character3.bmp", 640, 480, DrawCharacterSheet<2>},
    {"bmp\\Character4.bmp", 640, 480, DrawCharacterSheet<3>},
    {"bmp\\Character5.bmp", 640, 480, DrawCharacterSheet<4>},
    {"bmp\\Character6.bmp", 640, 480, DrawCharacterSheet<5>},
    {"bmp\\Character7.bmp", 640, 480, DrawCharacterSheet<6>},
    {"bmp\\Character8.bmp", 640, 480, DrawCharacterSheet<7>},
    {"bmp\\Item.bmp", 512, 480, DrawItems},
    {"bmp\\Item_Mini.bmp", 256, 240, DrawSmallItems},
    {"bmp\\Shot.bmp", 128, 480, DrawShots},
    {"bmp\\Mark.bmp", 256, 480, DrawMarks},
    {"bmp\\WorldMapChip.bmp", 160, 320, DrawMapChips},
    {"bmp\\WorldEvent.bmp", 64, 480, DrawWorldEvents},
    {"bmp\\Symbol.bmp", 416, 16, DrawSymbols},
    {"bmp\\Accessory.bmp", 256, 480, DrawAccessories},
    {"bmp\\chara_sp\\Hero.bmp", 512, 480, DrawDedicated},
    {"bmp\\chara_sp\\Giant.bmp", 512, 448, DrawGiantDedicated},
};

// Reads a written sheet back as the editor will.
int ReadsBack(const cSheet& sheet) {
  cBmpReader reader;
  return reader.Open(sheet.m_pPath) == cBmpReader::kOk && reader.Width() == sheet.m_nWidth &&
         reader.Height() == sheet.m_nHeight && reader.BitCount() == 8;
}
}  // namespace

int WriteFactoryArt() {
  for (const char* folder : {"bmp", "bmp\\plt", "bmp\\chara_sp"})
    if (!MakeDirectory(folder)) return 0;
  cColourEntry palette[kPaletteSize];
  ProgramColours(palette);
  for (const cSheet& sheet : kSheets) {
    cPicture picture(sheet.m_nWidth, sheet.m_nHeight);
    if (!sheet.m_pfnDraw(picture) || !picture.Save(sheet.m_pPath, palette) || !ReadsBack(sheet)) {
      std::fprintf(stderr, "factory: %s cannot be written\n", sheet.m_pPath);
      return 0;
    }
  }
  return 1;
}

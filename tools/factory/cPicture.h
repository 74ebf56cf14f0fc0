#pragma once
// A 256-colour picture drawn in memory for the factory project's sheets: a few shapes, a digit
// font and an outline pass, saved as an 8-bit bitmap with the program palette.

#include <cstdint>
#include <vector>

#include "app/ProgramPalette.h"

// Colours of the factory palette (ProgramColours): 0 is the transparent key, 15 opaque black.
enum : uint8_t { kClear = 0, kInk = 15, kWhite = 255 };
// The 6 x 6 x 6 colour cube, each channel 0 to 5.
inline uint8_t Cube(int red, int green, int blue) { return static_cast<uint8_t>(16 + 36 * red + 6 * green + blue); }
// Greys from dark (0) to light (22).
inline uint8_t Grey(int level) { return static_cast<uint8_t>(232 + level); }

// The 256 colours of the program palette this project ships with.
void ProgramColours(cColourEntry* table);

class cPicture {
public:
  cPicture(int32_t width, int32_t height);

  // Drawing stays inside the rectangle until the next Clip; Unclip opens the whole picture again.
  void Clip(int32_t x, int32_t y, int32_t width, int32_t height);
  void Unclip() { Clip(0, 0, m_nWidth, m_nHeight); }
  void Pixel(int32_t x, int32_t y, uint8_t colour);
  uint8_t At(int32_t x, int32_t y) const;
  void Rect(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour);
  void Frame(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour);
  void Disc(int32_t centreX, int32_t centreY, int32_t radius, uint8_t colour);
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour);
  void Triangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour);
  // Digits 3 x 5 pixels each, one pixel apart.
  void Number(int32_t x, int32_t y, int32_t value, uint8_t colour);
  // Every clear pixel of the area that touches a drawn one becomes the colour.
  void Outline(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour);
  // An 8-bit bitmap file with the palette; 0 when it cannot be written.
  int Save(const char* path, const cColourEntry* palette) const;

  int32_t Width() const { return m_nWidth; }
  int32_t Height() const { return m_nHeight; }

private:
  int32_t m_nWidth;
  int32_t m_nHeight;
  std::vector<uint8_t> m_vPixels;  // top row first
  int32_t m_nClipLeft = 0;
  int32_t m_nClipTop = 0;
  int32_t m_nClipRight;
  int32_t m_nClipBottom;
};

#include "tools/factory/cPicture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/cBmpReader.h"
#include "app/cDataStream.h"

namespace {
// Rows of the digits 0 to 9, three bits a row, top row first.
const uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

uint8_t Level(int step) { return static_cast<uint8_t>(step * 51); }
}  // namespace

void ProgramColours(cColourEntry* table) {
  // The sixteen basic colours; 0 and 15 are both black: 0 is transparent, 15 draws black.
  static const uint8_t kBasic[16][3] = {
      {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
      {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
      {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {0, 0, 0},
  };
  for (int i = 0; i < 16; ++i) table[i] = cColourEntry{kBasic[i][2], kBasic[i][1], kBasic[i][0], 0};
  for (int red = 0; red < 6; ++red)
    for (int green = 0; green < 6; ++green)
      for (int blue = 0; blue < 6; ++blue)
        table[Cube(red, green, blue)] = cColourEntry{Level(blue), Level(green), Level(red), 0};
  for (int level = 0; level < 23; ++level) {
    uint8_t value = static_cast<uint8_t>(8 + level * 10);
    table[Grey(level)] = cColourEntry{value, value, value, 0};
  }
  table[kWhite] = cColourEntry{255, 255, 255, 0};
}

cPicture::cPicture(int32_t width, int32_t height)
    : m_nWidth(width),
      m_nHeight(height),
      m_vPixels(static_cast<size_t>(width) * height, kClear),
      m_nClipRight(width),
      m_nClipBottom(height) {}

void cPicture::Clip(int32_t x, int32_t y, int32_t width, int32_t height) {
  m_nClipLeft = std::max(x, 0);
  m_nClipTop = std::max(y, 0);
  m_nClipRight = std::min(x + width, m_nWidth);
  m_nClipBottom = std::min(y + height, m_nHeight);
}

void cPicture::Pixel(int32_t x, int32_t y, uint8_t colour) {
  if (x >= m_nClipLeft && y >= m_nClipTop && x < m_nClipRight && y < m_nClipBottom)
    m_vPixels[static_cast<size_t>(y) * m_nWidth + x] = colour;
}

uint8_t cPicture::At(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) return kClear;
  return m_vPixels[static_cast<size_t>(y) * m_nWidth + x];
}

void cPicture::Rect(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour) {
  for (int32_t row = y; row < y + height; ++row)
    for (int32_t column = x; column < x + width; ++column) Pixel(column, row, colour);
}

void cPicture::Frame(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour) {
  Rect(x, y, width, 1, colour);
  Rect(x, y + height - 1, width, 1, colour);
  Rect(x, y, 1, height, colour);
  Rect(x + width - 1, y, 1, height, colour);
}

void cPicture::Disc(int32_t centreX, int32_t centreY, int32_t radius, uint8_t colour) {
  for (int32_t dy = -radius; dy <= radius; ++dy)
    for (int32_t dx = -radius; dx <= radius; ++dx)
      if (dx * dx + dy * dy <= radius * radius + radius / 2) Pixel(centreX + dx, centreY + dy, colour);
}

void cPicture::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t colour) {
  int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int32_t stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
  int32_t error = dx + dy;
  for (;;) {
    Pixel(x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    int32_t twice = 2 * error;
    if (twice >= dy) error += dy, x0 += stepX;
    if (twice <= dx) error += dx, y0 += stepY;
  }
}

void cPicture::Triangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour) {
  auto side = [](int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t px, int32_t py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  int32_t left = std::min({x0, x1, x2}), right = std::max({x0, x1, x2});
  int32_t top = std::min({y0, y1, y2}), bottom = std::max({y0, y1, y2});
  for (int32_t y = top; y <= bottom; ++y)
    for (int32_t x = left; x <= right; ++x) {
      int32_t a = side(x0, y0, x1, y1, x, y), b = side(x1, y1, x2, y2, x, y), c = side(x2, y2, x0, y0, x, y);
      if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0)) Pixel(x, y, colour);
    }
}

void cPicture::Number(int32_t x, int32_t y, int32_t value, uint8_t colour) {
  char digits[12];
  int count = std::snprintf(digits, sizeof digits, "%d", value);
  for (int i = 0; i < count; ++i) {
    if (digits[i] < '0' || digits[i] > '9') continue;
    for (int row = 0; row < 5; ++row)
      for (int bit = 0; bit < 3; ++bit)
        if (kDigits[digits[i] - '0'][row] & (4 >> bit)) Pixel(x + 4 * i + bit, y + row, colour);
  }
}

void cPicture::Outline(int32_t x, int32_t y, int32_t width, int32_t height, uint8_t colour) {
  std::vector<uint8_t> touched(static_cast<size_t>(width) * height, 0);
  auto drawn = [&](int32_t column, int32_t row) {
    if (column < x || row < y || column >= x + width || row >= y + height) return false;
    uint8_t value = At(column, row);
    return value != kClear && value != colour;
  };
  for (int32_t row = y; row < y + height; ++row)
    for (int32_t column = x; column < x + width; ++column)
      if (At(column, row) == kClear &&
          (drawn(column - 1, row) || drawn(column + 1, row) || drawn(column, row - 1) || drawn(column, row + 1)))
        touched[static_cast<size_t>(row - y) * width + (column - x)] = 1;
  for (int32_t row = 0; row < height; ++row)
    for (int32_t column = 0; column < width; ++column)
      if (touched[static_cast<size_t>(row) * width + column]) Pixel(x + column, y + row, colour);
}

int cPicture::Save(const char* path, const cColourEntry* palette) const {
  int32_t stride = BitmapStride(m_nWidth, 8);
  uint32_t offset = 14 + 40 + 4 * kPaletteSize;
  std::vector<uint8_t> file;
  file.push_back('B');
  file.push_back('M');
  Put32(file, offset + static_cast<uint32_t>(stride) * m_nHeight);
  Put32(file, 0);
  Put32(file, offset);
  Put32(file, 40);
  Put32(file, static_cast<uint32_t>(m_nWidth));
  Put32(file, static_cast<uint32_t>(m_nHeight));  // bottom row first, as most painting programs write
  Put16(file, 1);
  Put16(file, 8);
  for (uint32_t value : {0u, 0u, 2835u, 2835u, 256u, 0u}) Put32(file, value);
  for (int i = 0; i < kPaletteSize; ++i)
    file.insert(file.end(), {palette[i].m_nBlue, palette[i].m_nGreen, palette[i].m_nRed, 0});
  for (int32_t row = m_nHeight - 1; row >= 0; --row) {
    const uint8_t* pixels = &m_vPixels[static_cast<size_t>(row) * m_nWidth];
    file.insert(file.end(), pixels, pixels + m_nWidth);
    file.insert(file.end(), static_cast<size_t>(stride - m_nWidth), 0);
  }
  FILE* out = std::fopen(HostPath(path).c_str(), "wb");
  if (!out) return 0;
  bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written ? 1 : 0;
}

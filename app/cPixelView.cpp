#include "app/cPixelView.h"

#include <algorithm>
#include <cstring>

namespace {
void SwapPixels(uint8_t* a, uint8_t* b, int32_t bytes) {
  for (int32_t i = 0; i < bytes; ++i) std::swap(a[i], b[i]);
}

void MirrorAcross(const cPixelView& image, int32_t left, int32_t top, int32_t width, int32_t height) {
  int32_t bpp = image.m_nBytesPerPixel;
  for (int32_t y = top; y < top + height; ++y)
    for (int32_t a = left, b = left + width - 1; a < b; ++a, --b) SwapPixels(image.At(a, y), image.At(b, y), bpp);
}

void MirrorDown(const cPixelView& image, int32_t left, int32_t top, int32_t width, int32_t height) {
  size_t bytes = static_cast<size_t>(width) * image.m_nBytesPerPixel;
  for (int32_t a = top, b = top + height - 1; a < b; ++a, --b)
    std::swap_ranges(image.At(left, a), image.At(left, a) + bytes, image.At(left, b));
}

bool IsKeyed(const uint8_t* pixel, const cColourEntry& key) {
  return pixel[0] == key.m_nBlue && pixel[1] == key.m_nGreen && pixel[2] == key.m_nRed;
}
}  // namespace

void MirrorCells(const cPixelView& image, int32_t cellWidth, int32_t cellHeight) {
  if (cellWidth < 0 || cellHeight < 0 || (cellWidth == 0 && cellHeight == 0)) return;
  int32_t width = cellWidth ? cellWidth : image.m_nWidth;
  int32_t height = cellHeight ? cellHeight : image.m_nHeight;
  for (int32_t top = 0; top + height <= image.m_nHeight; top += height)
    for (int32_t left = 0; left + width <= image.m_nWidth; left += width) {
      if (cellWidth) MirrorAcross(image, left, top, width, height);
      if (cellHeight) MirrorDown(image, left, top, width, height);
    }
}

void BuildMask(const cPixelView& image, const cPixelView& mask, const cProgramPalette& palette) {
  size_t rowBytes = static_cast<size_t>(image.m_nWidth) * image.m_nBytesPerPixel;
  for (int32_t y = 0; y < image.m_nHeight; ++y) {
    const uint8_t* from = image.Row(y);
    uint8_t* to = mask.Row(y);
    std::memcpy(to, from, rowBytes);
    if (image.m_nBytesPerPixel == 1) {
      for (int32_t x = 0; x < image.m_nWidth; ++x)
        to[x] = to[x] == palette.m_nTransparentIndex ? 255 : palette.m_nMaskIndex;
      continue;
    }
    for (uint8_t* pixel = to; pixel < to + rowBytes; pixel += image.m_nBytesPerPixel) {
      uint8_t value = IsKeyed(pixel, palette.m_TrueColourKey) ? 255 : 0;
      pixel[0] = pixel[1] = pixel[2] = value;
    }
  }
}

void BlackenKeyedPixels(const cPixelView& image, const cColourEntry& key) {
  if (image.m_nBytesPerPixel < 3) return;
  size_t rowBytes = static_cast<size_t>(image.m_nWidth) * image.m_nBytesPerPixel;
  for (int32_t y = 0; y < image.m_nHeight; ++y)
    for (uint8_t* pixel = image.Row(y); pixel < image.Row(y) + rowBytes; pixel += image.m_nBytesPerPixel)
      if (IsKeyed(pixel, key)) pixel[0] = pixel[1] = pixel[2] = 0;
}

#pragma once
// The pixel work of the canvas on plain memory: mirroring cells in place, building masks from the
// colour keys and blackening keyed pixels. Rows are top-down, each stride bytes long.

#include <cstdint>

#include "app/ProgramPalette.h"

struct cPixelView {
  uint8_t* m_pBits = nullptr;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nStride = 0;
  int32_t m_nBytesPerPixel = 1;

  uint8_t* Row(int32_t y) const { return m_pBits + static_cast<intptr_t>(y) * m_nStride; }
  uint8_t* At(int32_t x, int32_t y) const { return Row(y) + static_cast<intptr_t>(x) * m_nBytesPerPixel; }
};

// Mirrors in place: with both sizes each cell is turned left-to-right and top-to-bottom; with only
// a cell width each full-height strip of that width left-to-right; with only a height each
// full-width strip top-to-bottom. Cells that do not fit whole are left as they are.
void MirrorCells(const cPixelView& image, int32_t cellWidth, int32_t cellHeight);

// Copies the image into the mask and rewrites it: 8 bits: the transparent index becomes 255 and
// every other index the mask index; 24 and 32 bits: keyed pixels white, others black (a 32-bit
// pixel's fourth byte stays as copied).
void BuildMask(const cPixelView& image, const cPixelView& mask, const cProgramPalette& palette);

// Makes every 24- or 32-bit pixel that equals the key black.
void BlackenKeyedPixels(const cPixelView& image, const cColourEntry& key);

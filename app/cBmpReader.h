#pragma once
// Reads Windows bitmap files of 8, 24 and 32 bits per pixel. Nothing in the file is trusted: the
// pixel offset, the colour count, the row padding, the row order and the sizes are checked
// against what the file holds before a single pixel is read.

#include <cstdint>
#include <cstdio>

#include "app/ProgramPalette.h"

// The largest width or height a sheet may have.
constexpr int32_t kMaxBitmapSide = 16384;

// The bytes of one row of a bitmap surface: padded to a multiple of 4.
int32_t BitmapStride(int32_t width, int32_t bitCount);

class cBmpReader {
public:
  enum : int { kOk = 0, kCannotOpen, kUnsupported, kDamaged };

  cBmpReader() = default;
  ~cBmpReader();
  cBmpReader(const cBmpReader&) = delete;
  cBmpReader& operator=(const cBmpReader&) = delete;

  // Opens the file and checks its headers; kOk or why it cannot be read.
  int Open(const char* path);
  // Parses headers held in memory (the whole file); the same checks.
  int Parse(const uint8_t* data, size_t size);

  int32_t Width() const { return m_nWidth; }
  int32_t Height() const { return m_nHeight; }
  int32_t BitCount() const { return m_nBitCount; }
  int ColourCount() const { return m_nColourCount; }
  const cColourEntry& Colour(int index) const { return m_aColour[index]; }

  // Copies the pixels, top row first, into rows of stride bytes (at least width × bytes per pixel).
  // 0 when the file cannot be read to its end.
  int ReadRows(uint8_t* bits, int32_t stride);

private:
  int ParseHeaders(const uint8_t* head, size_t headSize, uint64_t fileSize);
  int ReadAt(uint64_t offset, uint8_t* destination, size_t size);

  FILE* m_pFile = nullptr;
  const uint8_t* m_pData = nullptr;  // the file in memory when parsed from bytes
  uint64_t m_nFileSize = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nBitCount = 0;
  int32_t m_bTopDown = 0;
  uint32_t m_nPixelOffset = 0;
  int m_nColourCount = 0;
  cColourEntry m_aColour[kPaletteSize];
};

// Shows the message for a bitmap that cannot be loaded, by the reader's result.
void ReportBitmapFailure(const char* path, int result);

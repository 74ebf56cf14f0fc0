#pragma once
// Builds bitmap files for tests, field by field, so that a test can break any one of them.

#include <cstdint>

#include "tests/support/TestSupport.h"

struct cBmpFields {
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;  // negative: rows stored top first
  uint16_t m_nBitCount = 8;
  uint32_t m_nCompression = 0;
  uint32_t m_nColoursUsed = 0;
  Bytes m_Extra;   // after the 40-byte header: bit-field masks
  Bytes m_Table;   // the colour table as stored
  Bytes m_Gap;     // bytes between the table and the pixels
  Bytes m_Pixels;  // the rows as stored, padding included
  int64_t m_nOffset = -1;  // the pixel offset written; -1: where the pixels really start
};

Bytes BmpFile(const cBmpFields& fields);
// A colour table whose entry i is (blue i, green 255 - i, red i / 2).
Bytes RampTable(int count);

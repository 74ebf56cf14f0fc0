#pragma once
// The dedicated bitmap set: two pictures for every entry of the character-bitmap table, the second
// with each column of cells mirrored for a character facing right. The pictures are the platform's
// (canvases on Windows); which file goes where, and where a cell lies, is decided here.

#include <cstdint>

#include "app/cVector.h"
#include "database/cCharaExcData.h"

constexpr int32_t kCharaCellSide = 32;
constexpr int32_t kCharaCellsPerRow = 16;  // of an ordinary dedicated bitmap
constexpr int32_t kMinGiantSize = 2;
constexpr int32_t kMaxGiantSize = 10;

// The stored giant size brought into 2..10, so that a damaged record still cuts whole cells.
int32_t ClampGiantSize(int32_t size);
// The side of one cell of the entry's bitmap: 32, or 32 x the giant size for a giant.
int32_t CharaBitmapCellSide(const cCharaExcData& entry);
// The picture of the entry for a character that faces right (any non-zero flag) or left.
int CharaBitmapPicture(int entry, int faceRight);

struct cCharaCellRect {
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nSide = kCharaCellSide;
};
// Where a cell lies in the entry's bitmap: 16 cells to a row, 16 / giant size for a giant; a
// negative cell is cell 0.
cCharaCellRect CharaBitmapCell(const cCharaExcData& entry, int32_t cell);

// Where the rebuild puts the pictures.
class cCharaBitmapTarget {
public:
  virtual ~cCharaBitmapTarget() = default;
  // Releases every picture and leaves count empty ones.
  virtual void Reset(int count) = 0;
  // Loads the file into the picture with its transparency mask, each column mirrorWidth pixels
  // wide mirrored left to right (0: none); 0 after the loader's own box.
  virtual int Load(int picture, const char* path, int32_t mirrorWidth) = 0;
};

// Pictures 2i and 2i + 1 for every entry i from 1 with a bitmap path; entry 0 and entries without
// a path stay empty. 0 after the box "%s の読み込みに失敗！" of the first file that failed (the
// entries before it keep their pictures).
int RebuildCharaBitmaps(cCharaBitmapTarget& set, const cVector<cCharaExcData>& table);

#include "database/CharaBitmaps.h"

#include <algorithm>

#include "app/MessageBox.h"

int32_t ClampGiantSize(int32_t size) { return std::clamp(size, kMinGiantSize, kMaxGiantSize); }

int32_t CharaBitmapCellSide(const cCharaExcData& entry) {
  return entry.m_bGiant ? kCharaCellSide * ClampGiantSize(entry.m_nGiantSize) : kCharaCellSide;
}

int CharaBitmapPicture(int entry, int faceRight) { return 2 * entry + (faceRight ? 1 : 0); }

cCharaCellRect CharaBitmapCell(const cCharaExcData& entry, int32_t cell) {
  cCharaCellRect rect;
  rect.m_nSide = CharaBitmapCellSide(entry);
  int32_t perRow = kCharaCellsPerRow * kCharaCellSide / rect.m_nSide;
  cell = std::max(cell, 0);
  rect.m_nX = cell % perRow * rect.m_nSide;
  rect.m_nY = cell / perRow * rect.m_nSide;
  return rect;
}

int RebuildCharaBitmaps(cCharaBitmapTarget& set, const cVector<cCharaExcData>& table) {
  set.Reset(2 * table.Count());
  for (int i = 1; i < table.Count(); ++i) {
    const cCharaExcData& entry = table[i];
    if (entry.m_strPath.IsEmpty()) continue;
    const char* path = entry.m_strPath.GetStr();
    if (set.Load(CharaBitmapPicture(i, 0), path, 0) &&
        set.Load(CharaBitmapPicture(i, 1), path, CharaBitmapCellSide(entry)))
      continue;
    ErrorBoxF("%s の読み込みに失敗！", path);
    return 0;
  }
  return 1;
}

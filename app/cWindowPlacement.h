#pragma once
// The saved place of one tool window: where it was, how large, and whether it was shown.

#include <cstdint>

#include "app/cDataRecord.h"

class cWindowPlacement : public cDataRecord {
public:
  int32_t m_bValid = 0;  // 0 until a window has stored its place
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_bShown = 1;

  cWindowPlacement();
  void RegisterFields(uint32_t version) override;
  // A window saved on a larger screen comes back on this one: x and y are pulled onto it.
  void Load(cReadStream& stream) override;

  // Sizes count both edges (right - left + 1).
  void Set(int32_t x, int32_t y, int32_t width, int32_t height);
};

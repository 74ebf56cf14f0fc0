#pragma once
// The rule that makes objects of one category vanish once they lie far enough beyond an edge of
// the screen. A stage holds five: enemies that are not blocks, enemies that are blocks, items, the
// player's shots and enemy shots.

#include <cstdint>

#include "app/cDataRecord.h"

class cAutoVanishData : public cDataRecord {
public:
  int32_t m_bLeft = 0;
  int32_t m_bRight = 0;
  int32_t m_bTop = 0;
  int32_t m_bBottom = 0;
  // Margins in cells.
  int32_t m_nLeft = 0;
  int32_t m_nRight = 0;
  int32_t m_nTop = 0;
  int32_t m_nBottom = 0;

  void RegisterFields(uint32_t version) override;
};

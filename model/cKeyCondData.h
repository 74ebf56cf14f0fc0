#pragma once
// A key condition: one step of the key input that starts a player character's flow.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cVector.h"

class cKeyCondData : public cDataRecord {
public:
  // One state per key: the direction keys, "any direction", "no action key", Z X C V A S D F.
  static constexpr int kKeyCount = 19;

  cVector<int8_t> m_vKeyState = cVector<int8_t>(kKeyCount);
  int8_t m_bFrontBack = 0;
  int16_t m_nPressMin = 0;
  int16_t m_nPressMax = 0;
  int8_t m_bOpenEnd = 0;
  int8_t m_cJudge = 0;

  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate() {}

  bool operator==(const cKeyCondData& other) const;
  bool operator!=(const cKeyCondData& other) const { return !(*this == other); }
};

// The fewest bytes a stored cKeyCondData takes (the two counts of the body and the key-state
// count), so that a list count the file cannot hold fails before anything is allocated.
template <>
struct cStoredSize<cKeyCondData> {
  static constexpr size_t kMin = 12;
};

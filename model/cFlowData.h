#pragma once
// A flow: one unit of a character's behaviour. When its trigger occurs and its conditions and
// key conditions hold, the game runs its commands in order.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cVector.h"
#include "model/cCommandData.h"
#include "model/cCondData.h"
#include "model/cKeyCondData.h"

class cFlowData : public cDataRecord {
public:
  cString m_strMemo;
  int8_t m_cId = 0;
  int8_t m_cGroup = 0;
  int8_t m_bTestPlayOnly = 0;
  cVector<cCondData> m_vCond;
  int8_t m_cJudge = 0;
  int8_t m_bOnce = 0;
  int8_t m_cTrigger = 0;
  int8_t m_bTriggerTarget = 0;
  int8_t m_cTriggerTargetNo = 0;
  int8_t m_cKeyEase = 3;
  int8_t m_bHoldRepeat = 0;
  cVector<cKeyCondData> m_vKeyCond;
  cVector<cCommandData> m_vCommand;

  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate();
  void ValidatePaletteRefs();
  // No memo, letters, trigger, conditions, key conditions or commands: a character drops it.
  bool IsEmpty() const;

  bool operator==(const cFlowData& other) const;
  bool operator!=(const cFlowData& other) const { return !(*this == other); }

private:
  void Upgrade(uint32_t version);
};

// The fewest bytes a stored cFlowData takes (the two counts of the body and the three list counts),
// so that a list count the file cannot hold fails before anything is allocated.
template <>
struct cStoredSize<cFlowData> {
  static constexpr size_t kMin = 20;
};

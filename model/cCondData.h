#pragma once
// Conditions: one test of a variable, a status, a state or a distance, and the condition list
// that a flow-operation command carries. The editor stores them; the game evaluates them.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cVector.h"

class cCondData : public cDataRecord {
public:
  int8_t m_cKind = 0;
  int8_t m_cLeftKind = 0;
  int8_t m_cLeftScope = 0;
  int8_t m_cSubject = 0;
  int8_t m_cStatus = 0;
  int16_t m_nNumber = 0;
  int8_t m_cRightKind = 0;
  int32_t m_nValue = 0;
  int32_t m_nRandMin = 0;
  int32_t m_nRandMax = 0;
  int8_t m_cRightSubject = 0;
  int8_t m_cRightStatus = 0;
  int8_t m_cRightScope = 0;
  int16_t m_nRightNumber = 0;
  int8_t m_cCompare = 0;
  int8_t m_bPercent = 0;
  int8_t m_cAxis = 0;

  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate() {}

  bool operator==(const cCondData& other) const;
  bool operator!=(const cCondData& other) const { return !(*this == other); }

private:
  void Upgrade(uint32_t version);
  void InsertStatusRow(int8_t row);
};

class cCondList : public cDataRecord {
public:
  int8_t m_bHasCond = 0;
  int8_t m_cJudge = 0;
  cVector<cCondData> m_vCond;

  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  void Validate();

  bool operator==(const cCondList& other) const;
  bool operator!=(const cCondList& other) const { return !(*this == other); }
};

// Rows of the condition dialogs; the stored value is the row. All but CondKindNames end with an
// empty string.
extern const cString CondKindNames[8];
extern const cString CondJudgeNames[3];
extern const cString DistanceSubjectNames[6];
extern const cString DistanceAxisNames[8];
extern const cString DistanceRangeNames[3];
extern const cString RangeShowNames[4];

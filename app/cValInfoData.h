#pragma once
// The name of one variable: the common variables' names (data\GValInfo.dat) and the names of a
// stage's variables are lists of this record.

#include "app/cDataRecord.h"

class cValInfoData : public cDataRecord {
public:
  cString m_strName;

  void RegisterFields(uint32_t) override {
    ClearFields();
    RegisterString(&m_strName);
  }
};

// The names of the 1,000 common variables (data\GValInfo.dat).
extern cVector<cValInfoData> g_vValInfo;

// The fewest bytes a stored name takes: the two counts and the length of an empty string.
template <>
struct cStoredSize<cValInfoData> {
  static constexpr size_t kMin = 12;
};

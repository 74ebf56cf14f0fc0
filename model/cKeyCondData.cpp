#include "model/cKeyCondData.h"

#include "model/cFlagVector.h"

void cKeyCondData::SetDefaults() {
  Clear();
  m_vKeyState.Reset(kKeyCount);
}

void cKeyCondData::RegisterFields(uint32_t) {
  ClearFields();
  RegisterChar(&m_bFrontBack);
  RegisterShort(&m_nPressMin);
  RegisterShort(&m_nPressMax);
  RegisterChar(&m_bOpenEnd);
  RegisterChar(&m_cJudge);
}

void cKeyCondData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  ReadByteVector(m_vKeyState, stream);
  // The flow page reads every key: a file with another count gets exactly one state per key.
  m_vKeyState.resize(kKeyCount);
  Validate();
}

void cKeyCondData::Save(cWriteStream& stream) {
  Validate();
  cDataRecord::Save(stream);
  WriteByteVector(m_vKeyState, stream);
}

bool cKeyCondData::operator==(const cKeyCondData& other) const {
  return Equal(const_cast<cKeyCondData&>(*this), const_cast<cKeyCondData&>(other)) &&
         m_vKeyState == other.m_vKeyState;
}

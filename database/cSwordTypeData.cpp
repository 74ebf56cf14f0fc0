#include "database/cSwordTypeData.h"

#include "app/cApplication.h"
#include "database/SameAsFileName.h"

const cString SwordDirNames[5] = {"前", "後", "上", "下", ""};

void cSwordPosData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterInt(&m_nOffsetX);
  RegisterInt(&m_nOffsetY);
  if (version >= 138) {
    RegisterInt(&m_bFlipX);
    RegisterInt(&m_bFlipY);
  }
  RegisterInt(&m_nDirection);
  RegisterInt(&m_nSrcX);
  RegisterInt(&m_nSrcY);
  RegisterInt(&m_nWidth);
  RegisterInt(&m_nHeight);
  RegisterInt(&m_nTime);
}

// Every field is registered, so setting each is the record's clear, without walking the registry
// for each of the many positions a table holds.
void cSwordPosData::SetDefaults() {
  m_nOffsetX = m_nOffsetY = 0;
  m_bFlipX = 1;
  m_bFlipY = 0;
  m_nDirection = m_nSrcX = m_nSrcY = m_nWidth = m_nHeight = m_nTime = 0;
}

void cSwordTypeData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  if (version >= 151) RegisterInt(&m_bSameAsFileName);
  RegisterString(&m_strPathLeft);
  RegisterString(&m_strPathRight);
}

void cSwordTypeData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed() || !LoadList(m_vPos, stream)) return;
  ResetOldSameAsFileName(m_bSameAsFileName, VersionRead());
}

void cSwordTypeData::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  SaveList(m_vPos, stream);
}

void cSwordTypeData::SetDefaults() {
  Clear();
  m_vPos.Reset(1);
  m_vPos[0].m_nTime = 1;
}

int16_t SwordTypeTotalTime(const cSwordTypeData& type) {
  uint16_t sum = 0;
  for (const cSwordPosData& pos : type.m_vPos) {
    sum = static_cast<uint16_t>(sum + static_cast<uint16_t>(pos.m_nTime));
    if (static_cast<int16_t>(sum) >= 9999) sum = 9999;
  }
  return static_cast<int16_t>(sum);
}

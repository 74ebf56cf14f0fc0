#include "database/cEffectData.h"

#include "app/cApplication.h"
#include "database/SameAsFileName.h"

void cEffectFrameData::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nCell);
  RegisterInt(&m_nTime);
}

// Every field is registered, so setting each is the record's clear, without walking the registry
// for each of the many frames a table holds.
void cEffectFrameData::SetDefaults() {
  m_nCell = 0;
  m_nTime = 1;
}

void cEffectData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  if (version >= 151) RegisterInt(&m_bSameAsFileName);
  RegisterString(&m_strPath);
  RegisterInt(&m_nCellWidth);
  RegisterInt(&m_nCellHeight);
  RegisterInt(&m_bAllowGiant);
}

void cEffectData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (stream.Failed() || !LoadList(m_vFrame, stream)) return;
  ResetOldSameAsFileName(m_bSameAsFileName, VersionRead());
}

void cEffectData::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  SaveList(m_vFrame, stream);
}

void cEffectData::SetDefaults() {
  Clear();
  m_nCellWidth = 32;
  m_nCellHeight = 32;
  m_bAllowGiant = 0;
}

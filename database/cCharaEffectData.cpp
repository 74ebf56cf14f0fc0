#include "database/cCharaEffectData.h"

#include "app/cApplication.h"

void cEffectKindData::RegisterFields(uint32_t) {
  ClearFields();
  RegisterString(&m_strName);
  RegisterInt(&m_nKind);
  RegisterInt(m_anParam, kEffectParams);
}

void cEffectKindData::SetDefaults() {
  Clear();
  m_nKind = 1;
}

void cEffectKindData::Upgrade(uint32_t version, const cEffectParam (*table)[kEffectParams], int waveKindA,
                              int waveKindB) {
  if (version > 510) return;
  const int kCircleKind = 10;
  if (m_nKind == waveKindA || m_nKind == waveKindB) m_anParam[4] = table[m_nKind][4].m_nDefault;
  if (m_nKind == kCircleKind) m_anParam[3] = table[kCircleKind][3].m_nDefault;
}

void cCharaEffectData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) Upgrade(VersionRead(), CharaEffectParams, 4, 5);
}

void cScrEffectData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) Upgrade(VersionRead(), ScrEffectParams, 6, 7);
}

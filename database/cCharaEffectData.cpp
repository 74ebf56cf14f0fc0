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

void cEffectKindData::TakeDefault(int param, const cEffectParam (*table)[kEffectParams]) {
  m_anParam[param] = table[m_nKind][param].m_nDefault;
}

void cCharaEffectData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) Upgrade(VersionRead());
}

void cCharaEffectData::Upgrade(uint32_t version) {
  // Files up to 510 hold no usable roughness for the waves nor coarseness for the circle.
  if (version > 510) return;
  if (m_nKind == 4 || m_nKind == 5) TakeDefault(4, CharaEffectParams);
  if (m_nKind == 10) TakeDefault(3, CharaEffectParams);
}

void cScrEffectData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) Upgrade(VersionRead());
}

void cScrEffectData::Upgrade(uint32_t version) {
  // Files up to 510 hold no usable roughness for the waves nor coarseness for the circle.
  if (version > 510) return;
  if (m_nKind == 6 || m_nKind == 7) TakeDefault(4, ScrEffectParams);
  if (m_nKind == 10) TakeDefault(3, ScrEffectParams);
}

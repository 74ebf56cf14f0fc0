#pragma once
// Character effects and screen effects: an effect kind and its five parameters, described by
// the effect-kind tables.

#include <cstdint>

#include "app/cDataRecord.h"
#include "database/EffectKindTables.h"

// What both effect records hold, in the same stored form.
class cEffectKindData : public cDataRecord {
public:
  void RegisterFields(uint32_t version) override;
  void SetDefaults();

  cString m_strName;
  int32_t m_nKind = 0;  // 1..N; 0 only in the reserved entry 0 of a table
  int32_t m_anParam[kEffectParams] = {};

protected:
  cEffectKindData() = default;
  // Files up to 510: the two wave kinds and the circle take their parameter table's defaults for
  // the roughness (parameter 4) and the coarseness (parameter 3).
  void Upgrade(uint32_t version, const cEffectParam (*table)[kEffectParams], int waveKindA, int waveKindB);
};

class cCharaEffectData : public cEffectKindData {
public:
  cCharaEffectData() { SetDefaults(); }
  void Load(cReadStream& stream) override;
};

class cScrEffectData : public cEffectKindData {
public:
  cScrEffectData() { SetDefaults(); }
  void Load(cReadStream& stream) override;
};

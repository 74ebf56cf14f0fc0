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
  // The kind's default for one parameter, from the kind's row of a parameter table.
  void TakeDefault(int param, const cEffectParam (*table)[kEffectParams]);
};

class cCharaEffectData : public cEffectKindData {
public:
  cCharaEffectData() { SetDefaults(); }
  void Load(cReadStream& stream) override;

private:
  void Upgrade(uint32_t version);
};

class cScrEffectData : public cEffectKindData {
public:
  cScrEffectData() { SetDefaults(); }
  void Load(cReadStream& stream) override;

private:
  void Upgrade(uint32_t version);
};

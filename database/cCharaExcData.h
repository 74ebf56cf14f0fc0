#pragma once
// A character's dedicated bitmap, optionally that of a giant character.

#include <cstdint>

#include "app/cDataRecord.h"

class cCharaExcData : public cDataRecord {
public:
  cCharaExcData() { SetDefaults(); }
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void SetDefaults();

  cString m_strName;
  int32_t m_bSameAsFileName = 0;
  cString m_strPath;
  int32_t m_bGiant = 0;
  int32_t m_nGiantSize = 0;  // side factor 2..10 of a giant character
};

#include "database/cCharaExcData.h"

#include "app/cApplication.h"
#include "database/SameAsFileName.h"

void cCharaExcData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  if (version >= 152) RegisterInt(&m_bSameAsFileName);
  RegisterString(&m_strPath);
  if (version >= 172) {
    RegisterInt(&m_bGiant);
    RegisterInt(&m_nGiantSize);
  }
}

void cCharaExcData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  ResetOldSameAsFileName(m_bSameAsFileName, VersionRead());
}

void cCharaExcData::SetDefaults() {
  Clear();
  m_bGiant = 0;
  m_nGiantSize = 2;
}

#include "database/cPictureData.h"

#include "app/cApplication.h"
#include "database/SameAsFileName.h"

void cMediaFileData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterString(&m_strName);
  if (version >= 151) RegisterInt(&m_bSameAsFileName);
  RegisterString(&m_strPath);
}

void cMediaFileData::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  ResetOldSameAsFileName(m_bSameAsFileName, VersionRead());
}

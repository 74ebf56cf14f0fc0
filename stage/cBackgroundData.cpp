#include "stage/cBackgroundData.h"

void cBackgroundData::SetDefaults() {
  Clear();
  m_bShowFromStart = 1;
  m_nColor = 16;
  m_dScrollX = 0.1;
  m_dScrollY = 0.1;
}

void cBackgroundData::RegisterFields(uint32_t version) {
  ClearFields();
  if (version >= 62) RegisterInt(&m_bShowFromStart);
  RegisterInt(&m_bUseColor);
  RegisterInt(&m_nColor);
  RegisterInt(&m_bFront);
  if (version >= 61) {
    AddDoubleField(&m_dScrollX);
    AddDoubleField(&m_dScrollY);
    RegisterInt(&m_bAutoScrollX);
    RegisterInt(&m_bAutoScrollY);
  }
  // Two values of versions 61 and before that no background keeps any more.
  if (version >= 62) {
    AddDoubleField(&m_dSpare1);
    AddDoubleField(&m_dSpare2);
  } else {
    RegisterDiscard(4, 1);
    RegisterDiscard(4, 1);
  }
  RegisterString(&m_strPicture);
}

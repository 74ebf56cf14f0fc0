#include "stage/cAutoVanishData.h"

void cAutoVanishData::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterInt(&m_bLeft);
  // 125: the right, top and bottom edges gained their own switch.
  if (version >= 125) {
    RegisterInt(&m_bRight);
    RegisterInt(&m_bTop);
    RegisterInt(&m_bBottom);
  }
  RegisterInt(&m_nLeft);
  RegisterInt(&m_nRight);
  RegisterInt(&m_nTop);
  RegisterInt(&m_nBottom);
}

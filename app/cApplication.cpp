#include "app/cApplication.h"

uint32_t cApplication::m_nVersionRead = 0;
uint32_t cApplication::m_nVersionWritten = kDataVersion;
int32_t cApplication::m_bStripCR = 0;


void SetDataVersion(uint32_t version, int stripCR) {
  cApplication::m_nVersionWritten = version;
  cApplication::m_bStripCR = stripCR;
}

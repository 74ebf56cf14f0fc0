#include "app/cWindowPlacement.h"

#include <algorithm>

#include "app/cApplication.h"
#include "app/cShellSeam.h"

cWindowPlacement::cWindowPlacement() {
  RegisterFields(kDataVersion);
  Clear();
  m_bShown = 1;
}

void cWindowPlacement::RegisterFields(uint32_t version) {
  ClearFields();
  if (version >= 72) RegisterInt(&m_bValid);
  RegisterInt(&m_nX);
  RegisterInt(&m_nY);
  RegisterInt(&m_nWidth);
  RegisterInt(&m_nHeight);
  if (version >= 122) RegisterInt(&m_bShown);
}

void cWindowPlacement::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  int32_t screenWidth, screenHeight;
  Shell().FullScreenSize(screenWidth, screenHeight);
  m_nX = std::clamp(m_nX, 0, std::max(screenWidth, 0));
  m_nY = std::clamp(m_nY, 0, std::max(screenHeight, 0));
}

void cWindowPlacement::Set(int32_t x, int32_t y, int32_t width, int32_t height) {
  m_bValid = 1;
  m_nX = x;
  m_nY = y;
  m_nWidth = width;
  m_nHeight = height;
}

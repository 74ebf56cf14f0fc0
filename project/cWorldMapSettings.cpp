#include "project/cWorldMapSettings.h"

#include <algorithm>

const cWorldMapSettings::cRange cWorldMapSettings::kWidth = {kIdcMapWidth, kIdcMapWidthSpin, 20, 200};
const cWorldMapSettings::cRange cWorldMapSettings::kHeight = {kIdcMapHeight, kIdcMapHeightSpin, 15, 150};
const cWorldMapSettings::cRange cWorldMapSettings::kStartX = {kIdcMapStartX, kIdcMapStartXSpin, 0, 199};
const cWorldMapSettings::cRange cWorldMapSettings::kStartY = {kIdcMapStartY, kIdcMapStartYSpin, 0, 149};
const cWorldMapSettings::cRange cWorldMapSettings::kBackColor = {kIdcMapBackColor, kIdcMapBackColorSpin, 16, 207};

namespace {
int32_t Clamp(int32_t value, const cWorldMapSettings::cRange& range) {
  return std::clamp(value, range.m_nMin, range.m_nMax);
}
}  // namespace

cWorldMapSettings::cWorldMapSettings(const cWorldMapDoc& doc)
    : m_nNewWidth(doc.m_nWidth), m_nNewHeight(doc.m_nHeight) {}

int cWorldMapSettings::Apply(cWorldMapDoc& doc) const {
  doc.m_nStartX = Clamp(doc.m_nStartX, kStartX);
  doc.m_nStartY = Clamp(doc.m_nStartY, kStartY);
  doc.m_nBackColor = Clamp(doc.m_nBackColor, kBackColor);
  return doc.SetSize(Clamp(m_nNewWidth, kWidth), Clamp(m_nNewHeight, kHeight));
}

#pragma once
// One numeric parameter of an effect kind or a shot setting: the label shown beside its edit and
// the range and default the edit uses. An unused parameter has an empty label and 0, 0, 0.

#include <cstdint>

#include "app/cString.h"

class cEffectParam {
public:
  cEffectParam() = default;
  cEffectParam(const char* label, int16_t minimum, int16_t maximum, int16_t defaultValue)
      : m_strLabel(label), m_nMin(minimum), m_nMax(maximum), m_nDefault(defaultValue) {}

  cString m_strLabel;
  int16_t m_nMin = 0;
  int16_t m_nMax = 0;
  int16_t m_nDefault = 0;
};

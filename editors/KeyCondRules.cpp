#include "editors/KeyCondRules.h"

#include <algorithm>

#include "model/FlowVocabulary.h"

using K = cKeyCondData;

const uint16_t kKeyStateCombos[cKeyCondData::kKeyCount] = {
    1089, 1091, 1092, 1093, 1094, 1095, 1096, 1097, 1098, 1107, 1090, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106,
};
const cNumField<K> kKeyCondNumFields[2] = {
    {kIdcKeyPressMin, 1039, &K::m_nPressMin, 1, kPressTimeMax, kNoGroup},
    // Its lower limit follows the shortest time: ApplyKeyCondTimeRule.
    {kIdcKeyPressMax, 1110, &K::m_nPressMax, 1, kPressTimeMax, kNoGroup},
};
const cCheckField<K> kKeyCondCheckFields[2] = {
    {kIdcKeyFrontBack, &K::m_bFrontBack, kNoGroup},
    {kIdcKeyOpenEnd, &K::m_bOpenEnd, kNoGroup},
};
const cComboField<K> kKeyCondComboFields[1] = {{kIdcKeyJudge, &K::m_cJudge, KeyJudgeNames, 0, kNoGroup}};

void ApplyKeyCondTimeRule(cKeyCondData& shown, cCtrlStates& states) {
  int32_t shortest = std::clamp<int32_t>(shown.m_nPressMin, 1, kPressTimeMax);
  shown.m_nPressMin = static_cast<int16_t>(shortest);
  shown.m_nPressMax = static_cast<int16_t>(std::clamp<int32_t>(shown.m_nPressMax, shortest, kPressTimeMax));
  states.SetRange(kIdcKeyPressMin, 1, kPressTimeMax);
  states.SetRange(kIdcKeyPressMax, shortest, kPressTimeMax);
  bool open = shown.m_bOpenEnd != 0;
  states.Enable(kIdcKeyPressMin, !open);
  states.Enable(kIdcKeyPressMax, !open);
}

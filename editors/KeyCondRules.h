#pragma once
// The key condition dialog (template 204, "キー条件") apart from its window: its controls as data
// and the time rule that keeps the longest press time at or above the shortest.

#include <cstdint>

#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "model/cKeyCondData.h"

enum : uint16_t {
  kIdcKeyPressMin = 1038,
  kIdcKeyPressMax = 1109,
  kIdcKeyOpenEnd = 1111,
  kIdcKeyJudge = 1112,
  kIdcKeyFrontBack = 1108,
};
// The combo of key state i ("--", "押", "離"), in the record's key order.
extern const uint16_t kKeyStateCombos[cKeyCondData::kKeyCount];
extern const cNumField<cKeyCondData> kKeyCondNumFields[2];
extern const cCheckField<cKeyCondData> kKeyCondCheckFields[2];
extern const cComboField<cKeyCondData> kKeyCondComboFields[1];
constexpr int32_t kPressTimeMax = 999;

// The time rule, at initialisation and after every change: the shortest time is held to 1 .. 999,
// the longest to (the shortest) .. 999 and shown again there; while "1～∞" is checked both edits
// are disabled and keep their values.
void ApplyKeyCondTimeRule(cKeyCondData& shown, cCtrlStates& states);

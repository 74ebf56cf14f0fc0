#include "editors/StatusCondRules.h"

#include <algorithm>
#include <variant>

#include "editors/CondDialogRules.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"

using D = cCondData;

const cComboField<D> kStatusCondCombos[11] = {
    {kIdcStatLeftType, &D::m_cLeftKind, StatusValueKindNames, 0, kNoGroup},
    {kIdcStatSubject, &D::m_cSubject, nullptr, 0, kNoGroup},
    {kIdcStatStatus, &D::m_cStatus, nullptr, 0, kNoGroup},
    {kIdcStatLeftScope, &D::m_cLeftScope, VariableScopeNames, 0, kNoGroup},
    {kIdcStatLeftVar, &D::m_nNumber, nullptr, 1, kNoGroup},
    {kIdcStatCompare, &D::m_cCompare, CompareNames, 0, kNoGroup},
    {kIdcStatRightType, &D::m_cRightKind, OperandKindNames, 0, kNoGroup},
    {kIdcStatRightSubject, &D::m_cRightSubject, nullptr, 0, kNoGroup},
    {kIdcStatRightStatus, &D::m_cRightStatus, nullptr, 0, kNoGroup},
    {kIdcStatRightScope, &D::m_cRightScope, VariableScopeNames, 0, kNoGroup},
    {kIdcStatRightVar, &D::m_nRightNumber, nullptr, 1, kNoGroup},
};
// The limits until a status sets them.
const cNumField<D> kStatusCondNums[3] = {
    {kIdcStatValue, 1404, &D::m_nValue, -999999, 999999, kNoGroup},
    {kIdcStatRandMin, 1053, &D::m_nRandMin, -999999, 999999, kNoGroup},
    {kIdcStatRandMax, 1055, &D::m_nRandMax, -999999, 999999, kNoGroup},
};
const cCheckField<D> kStatusCondChecks[1] = {{kIdcStatPercent, &D::m_bPercent, kNoGroup}};
const cComboField<D> kStatus2CondCombos[4] = {
    {kIdcStat2Subject, &D::m_cSubject, nullptr, 0, kNoGroup},
    {kIdcStat2Status, &D::m_cStatus, nullptr, 1, kNoGroup},
    {kIdcStat2Option, &D::m_nNumber, nullptr, 0, kNoGroup},
    {kIdcStat2Compare, &D::m_cCompare, CompareNames, 0, kNoGroup},
};

cStatusCondMemory g_StatusCondMemory;

namespace {
constexpr int kSystemSubject = 5;
constexpr int kTypeStatus = 0;
constexpr int kTypeVariable = 1;
enum : int { kRightConstant = 0, kRightRandom = 1, kRightStatus = 2, kRightVariable = 3 };
// Flag status 0 ("消滅") is never offered: the combo lists 1-6.
constexpr int kFirstOfferedFlag = 1;

bool IsCharaSubject(int subject) { return subject >= 0 && subject < kSystemSubject; }

void LeftSideStates(const cCondData& shown, cCtrlStates& states) {
  bool status = shown.m_cLeftKind == kTypeStatus;
  bool variable = shown.m_cLeftKind == kTypeVariable;
  for (uint16_t id : {kIdcStatSubject, kIdcStatStatus}) states.Enable(id, status);
  for (uint16_t id : {kIdcStatLeftScope, kIdcStatLeftVar, kIdcStatLeftRename}) states.Enable(id, variable);
  VarPickerStates(LeftVarPicker(shown), kIdcStatLeftVar, kIdcStatLeftRename, states);
}

void RightSideStates(const cCondData& shown, cCtrlStates& states) {
  int type = shown.m_cRightKind;
  states.Enable(kIdcStatValue, type == kRightConstant);
  states.Enable(kIdcStatRandMin, type == kRightRandom);
  states.Enable(kIdcStatRandMax, type == kRightRandom);
  states.Enable(kIdcStatRightSubject, type == kRightStatus);
  states.Enable(kIdcStatRightStatus, type == kRightStatus);
  states.Enable(kIdcStatRightScope, type == kRightVariable);
  VarPickerStates(RightVarPicker(shown), kIdcStatRightVar, kIdcStatRightRename, states);
}

template <class T>
void HoldTo(T& value, int32_t min, int32_t max) {
  value = static_cast<T>(std::clamp<int32_t>(value, min, max));
}

// The three value edits of kStatusCondNums: the constant's, and the random number's two bounds.
constexpr int kStatusValueEdits = 3;
bool UsesValueEdit(int rightType, int edit) {
  return edit == 0 ? rightType == kRightConstant : rightType == kRightRandom;
}
void HoldValueToItsEdit(cCondData& shown, const cStatusValueLimits& limits, int edit) {
  std::visit([&](auto member) { HoldTo(shown.*member, limits.m_anMin[edit], limits.m_anMax[edit]); },
             kStatusCondNums[edit].m_Member);
}
}  // namespace

int StatusVarPicker(int type, int statusType, int varType, int subject, int status, int scope) {
  if (type == statusType && IsCharaSubject(subject) && status == 0) return kVarPickerCharaVar;
  if (type != varType) return kVarPickerOff;
  if (scope == kVarScopeCommon) return kVarPickerCommon;
  return scope == kVarScopeStage ? kVarPickerStage : kVarPickerOff;
}

void VarPickerStates(int picker, uint16_t combo, uint16_t rename, cCtrlStates& states) {
  states.Enable(combo, picker != kVarPickerOff);
  states.Enable(rename, picker == kVarPickerCommon || picker == kVarPickerStage);
}

const cStatusDesc* StatusTableOf(int subject, int& count) {
  if (IsCharaSubject(subject)) {
    count = kCharaStatusCount;
    return CharaStatusTable;
  }
  count = subject == kSystemSubject ? kSystemStatusCount : 0;
  return subject == kSystemSubject ? SystemStatusTable : nullptr;
}

cVector<cString> StatusRows(int subject) {
  int count = 0;
  const cStatusDesc* table = StatusTableOf(subject, count);
  cVector<cString> rows;
  for (int i = 0; i < count; ++i) rows.push_back(table[i].m_strName);
  return rows;
}

const cStatusDesc* StatusDescOf(int subject, int status) {
  int count = 0;
  const cStatusDesc* table = StatusTableOf(subject, count);
  return status >= 0 && status < count ? &table[status] : nullptr;
}

int LeftVarPicker(const cCondData& c) {
  return StatusVarPicker(c.m_cLeftKind, kTypeStatus, kTypeVariable, c.m_cSubject, c.m_cStatus, c.m_cLeftScope);
}

int RightVarPicker(const cCondData& c) {
  return StatusVarPicker(c.m_cRightKind, kRightStatus, kRightVariable, c.m_cRightSubject, c.m_cRightStatus,
                   c.m_cRightScope);
}

cVector<cString> VarPickerRows(int picker) {
  switch (picker) {
    case kVarPickerCharaVar: return NameList(CharaVarNames);
    case kVarPickerCommon: return VariableRows(kVarScopeCommon);
    case kVarPickerStage: return VariableRows(kVarScopeStage);
    default: return cVector<cString>();
  }
}

void StatusCondStates(const cCondData& shown, cCtrlStates& states) {
  LeftSideStates(shown, states);
  RightSideStates(shown, states);
}

cStatusValueLimits::cStatusValueLimits() {
  for (int i = 0; i < kStatusValueEdits; ++i) {
    m_anMin[i] = kStatusCondNums[i].m_nMin;
    m_anMax[i] = kStatusCondNums[i].m_nMax;
  }
}

void ApplyLeftStatus(cCondData& shown, cStatusValueLimits& limits, cCtrlStates& states, int reclamp) {
  if (shown.m_cLeftKind != kTypeStatus) return;
  VarPickerStates(LeftVarPicker(shown), kIdcStatLeftVar, kIdcStatLeftRename, states);
  const cStatusDesc* status = StatusDescOf(shown.m_cSubject, shown.m_cStatus);
  if (!status) return;
  for (int i = 0; i < kStatusValueEdits; ++i) {
    if (!UsesValueEdit(shown.m_cRightKind, i)) continue;
    limits.m_anMin[i] = status->m_nOpMin;
    limits.m_anMax[i] = status->m_nOpMax;
    states.SetRange(kStatusCondNums[i].m_nId, status->m_nOpMin, status->m_nOpMax);
  }
  for (int i = 0; i < kStatusValueEdits && reclamp; ++i) HoldValueToItsEdit(shown, limits, i);
  bool percent = status->m_bPercentCond != 0;
  states.Enable(kIdcStatPercent, percent);
  if (!percent) {
    states.Check(kIdcStatPercent, false);
    shown.m_bPercent = 0;
  }
}

int cStatusCondMemory::NoteLeftStatus(int status, int initialised) {
  bool changed = status != m_nLast;
  m_nLast = status;
  return initialised && changed ? 1 : 0;
}

int Status2StatusRows(int subject, cVector<cString>& rows, int32_t& offset) {
  rows.clear();
  if (IsCharaSubject(subject)) {
    for (int i = kFirstOfferedFlag; i < kFlagStatusCount; ++i) rows.push_back(FlagStatusTable[i].m_strName);
    offset = kFirstOfferedFlag;
    return 1;
  }
  if (subject != kSystemSubject) return 0;
  for (const cOptionStatusDesc& status : ScrollStatusTable) rows.push_back(status.m_strName);
  offset = 0;
  return 1;
}

namespace {
const cOptionStatusDesc* Status2Of(int subject, int status) {
  if (IsCharaSubject(subject)) return FlagStatus(status);
  return subject == kSystemSubject ? ScrollStatus(status) : nullptr;
}
}  // namespace

int Status2OptionRows(int subject, int status, cVector<cString>& rows, int32_t& offset) {
  const cOptionStatusDesc* desc = Status2Of(subject, status);
  if (!desc) return 0;
  rows = desc->OptionList();
  offset = desc->m_nMin;
  return 1;
}

void FitStatus2(cCondData& shown) {
  cVector<cString> rows;
  int32_t offset = 0;
  if (!Status2StatusRows(shown.m_cSubject, rows, offset)) return;
  HoldTo(shown.m_cStatus, offset, offset + rows.Count() - 1);
  if (const cOptionStatusDesc* desc = Status2Of(shown.m_cSubject, shown.m_cStatus))
    HoldTo(shown.m_nNumber, desc->m_nMin, desc->m_nMin + std::max(0, desc->OptionCount() - 1));
}

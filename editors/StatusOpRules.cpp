#include "editors/StatusOpRules.h"

#include <algorithm>

#include "editors/StatusCondRules.h"
#include "editors/VariableRename.h"
#include "model/VariableVocabulary.h"

using C = cCommandData;

namespace {
constexpr int kSystemSubject = 5;
enum : int32_t { kTypeStatus = 0, kTypeVariable = 1 };
enum : int32_t { kRightConstant = 0, kRightRandom = 1, kRightStatus = 2, kRightVariable = 3 };
enum : int32_t { kStatusHp = 1, kStatusSp = 2 };

int32_t Param(const cVector<int32_t>& params, int index) { return index < params.Count() ? params[index] : 0; }
int32_t P(const C& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
void SetP(C& command, int16_t index, int32_t value) { WriteCmdSlot(command, cParamSlot{index}, value); }
bool IsCharaSubject(int32_t subject) { return subject >= 0 && subject < kSystemSubject; }
}  // namespace

int StatusOpLeftPicker(const cVector<int32_t>& p) {
  return StatusVarPicker(Param(p, kOpLeftType), kTypeStatus, kTypeVariable, Param(p, kOpLeftSubject),
                         Param(p, kOpLeftStatus), Param(p, kOpLeftScope));
}

int StatusOpRightPicker(const cVector<int32_t>& p) {
  return StatusVarPicker(Param(p, kOpRightType), kRightStatus, kRightVariable, Param(p, kOpRightSubject),
                         Param(p, kOpRightStatus), Param(p, kOpRightScope));
}

void StatusOpStates(const cVector<int32_t>& p, cCtrlStates& states) {
  int32_t left = Param(p, kOpLeftType);
  states.Enable(kIdcStatSubject, left == kTypeStatus);
  states.Enable(kIdcStatStatus, left == kTypeStatus);
  states.Enable(kIdcStatLeftScope, left == kTypeVariable);
  VarPickerStates(StatusOpLeftPicker(p), kIdcStatLeftVar, kIdcStatLeftRename, states);
  states.Enable(kIdcStatInvincible, left == kTypeStatus && IsCharaSubject(Param(p, kOpLeftSubject)));
  int32_t right = Param(p, kOpRightType);
  states.Enable(kIdcStatValue, right == kRightConstant);
  states.Enable(kIdcStatRandMin, right == kRightRandom);
  states.Enable(kIdcStatRandMax, right == kRightRandom);
  states.Enable(kIdcStatRightSubject, right == kRightStatus);
  states.Enable(kIdcStatRightStatus, right == kRightStatus);
  states.Enable(kIdcStatRightScope, right == kRightVariable);
  VarPickerStates(StatusOpRightPicker(p), kIdcStatRightVar, kIdcStatRightRename, states);
}

void StatusOpLeftStates(const cVector<int32_t>& p, cCtrlStates& states) {
  if (Param(p, kOpLeftType) != kTypeStatus) {
    states.Enable(kIdcStatBar, false);
    states.Enable(kIdcStatCalcMode, false);
    return;
  }
  int32_t subject = Param(p, kOpLeftSubject);
  int32_t status = Param(p, kOpLeftStatus);
  const cStatusDesc* desc = StatusDescOf(subject, status);
  if (!desc) return;
  int32_t right = Param(p, kOpRightType);
  if (right == kRightConstant) states.SetRange(kIdcStatValue, desc->m_nOpMin, desc->m_nOpMax);
  if (right == kRightRandom) {
    states.SetRange(kIdcStatRandMin, desc->m_nOpMin, desc->m_nOpMax);
    states.SetRange(kIdcStatRandMax, desc->m_nOpMin, desc->m_nOpMax);
  }
  bool hpOrSp = IsCharaSubject(subject) && (status == kStatusHp || status == kStatusSp);
  states.Enable(kIdcStatPercent, !hpOrSp && desc->m_bPercentOp != 0);
  states.Enable(kIdcStatCalcMode, hpOrSp);
  states.Enable(kIdcStatBar, hpOrSp);
}

cVector<cString> StatusOp2StatusRows(int subject) {
  cVector<cString> rows;
  if (IsCharaSubject(subject))
    for (const cOptionStatusDesc& status : FlagStatusTable) rows.push_back(status.m_strName);
  else if (subject == kSystemSubject)
    for (const cOptionStatusDesc& status : ScrollStatusTable) rows.push_back(status.m_strName);
  return rows;
}

const cOptionStatusDesc* StatusOp2Status(int subject, int status) {
  if (IsCharaSubject(subject)) return FlagStatus(status);
  return subject == kSystemSubject ? ScrollStatus(status) : nullptr;
}

namespace {
// A value kept on rows that replaced others: moved to the first or the last when it lies outside.
void KeepOnRows(C& shown, int16_t index, int count, int32_t offset) {
  if (count > 0) SetP(shown, index, std::clamp(P(shown, index), offset, offset + count - 1));
}

void PickerRows(int picker, cCmdRows& rows) {
  rows.m_vRows = VarPickerRows(picker);
  rows.m_nOffset = 1;
  rows.m_Numbering = picker == kVarPickerCharaVar ? cRowNumbering{1, 0} : cRowNumbering{3, 0};
}
void LeftVarRows(const C& shown, cCmdRows& rows) { PickerRows(StatusOpLeftPicker(shown.m_vParam), rows); }
void RightVarRows(const C& shown, cCmdRows& rows) { PickerRows(StatusOpRightPicker(shown.m_vParam), rows); }
void LeftStatusRows(const C& shown, cCmdRows& rows) { rows.m_vRows = StatusRows(P(shown, kOpLeftSubject)); }
void RightStatusRows(const C& shown, cCmdRows& rows) { rows.m_vRows = StatusRows(P(shown, kOpRightSubject)); }

// A newly chosen subject or picker list keeps the status and the variable on its rows.
void ChangeStatusOp(C& shown, const C& before) {
  if (P(shown, kOpLeftSubject) != P(before, kOpLeftSubject))
    KeepOnRows(shown, kOpLeftStatus, StatusRows(P(shown, kOpLeftSubject)).Count(), 0);
  if (P(shown, kOpRightSubject) != P(before, kOpRightSubject))
    KeepOnRows(shown, kOpRightStatus, StatusRows(P(shown, kOpRightSubject)).Count(), 0);
  int left = StatusOpLeftPicker(shown.m_vParam);
  if (left != StatusOpLeftPicker(before.m_vParam)) KeepOnRows(shown, kOpLeftVar, VarPickerRows(left).Count(), 1);
  int right = StatusOpRightPicker(shown.m_vParam);
  if (right != StatusOpRightPicker(before.m_vParam)) KeepOnRows(shown, kOpRightVar, VarPickerRows(right).Count(), 1);
}

void StatusOpDialogStates(const C& shown, cCtrlStates& states) {
  StatusOpStates(shown.m_vParam, states);
  StatusOpLeftStates(shown.m_vParam, states);
}

const cOptionStatusDesc* ShownStatus2(const C& shown) { return StatusOp2Status(P(shown, 0), P(shown, 1)); }

void Status2Rows(const C& shown, cCmdRows& rows) { rows.m_vRows = StatusOp2StatusRows(P(shown, 0)); }
// The options of the chosen status; the value of the first is the status's minimum.
void OptionRows(const C& shown, cCmdRows& rows) {
  if (const cOptionStatusDesc* status = ShownStatus2(shown)) {
    rows.m_vRows = status->OptionList();
    rows.m_nOffset = status->m_nMin;
  }
}

// Opening sets the option combo's first value at once, which raises a stored value below it in the
// command itself ("巨大化" never stores 0 again, even when the dialog is cancelled).
void RaiseStatus2Option(C& command) {
  const cOptionStatusDesc* status = ShownStatus2(command);
  if (status && P(command, 2) < status->m_nMin) SetP(command, 2, status->m_nMin);
}

void ChangeStatusOp2(C& shown, const C& before) {
  if (P(shown, 0) != P(before, 0)) KeepOnRows(shown, 1, StatusOp2StatusRows(P(shown, 0)).Count(), 0);
}

// The option stays on one of the chosen status's options.
void ApplyStatusOp2Rules(C& shown) {
  if (const cOptionStatusDesc* status = ShownStatus2(shown))
    KeepOnRows(shown, 2, status->OptionCount(), status->m_nMin);
}

const cCmdCtrl kStatusOpCtrls[] = {
    ComboCtrl(kIdcStatLeftType, cParamSlot{kOpLeftType}, StatusValueKindNames, 0),
    ComboCtrl(kIdcStatLeftScope, cParamSlot{kOpLeftScope}, VariableScopeNames, 0),
    FnRowsCtrl(kIdcStatLeftVar, cParamSlot{kOpLeftVar}, LeftVarRows),
    ComboCtrl(kIdcStatSubject, cParamSlot{kOpLeftSubject}, SelfSubjectSysNames, 0),
    FnRowsCtrl(kIdcStatStatus, cParamSlot{kOpLeftStatus}, LeftStatusRows),
    ComboCtrl(kIdcStatOperation, cParamSlot{kOpOperation}, VarOpNames, 0),
    ComboCtrl(kIdcStatRightType, cParamSlot{kOpRightType}, OperandKindNames, 0),
    NumCtrl(kIdcStatValue, 1404, cParamSlot{kOpConstant}, -999999, 999999),
    NumCtrl(kIdcStatRandMin, 1053, cParamSlot{kOpRandMin}, -999999, 999999),
    NumCtrl(kIdcStatRandMax, 1055, cParamSlot{kOpRandMax}, -999999, 999999),
    ComboCtrl(kIdcStatRightScope, cParamSlot{kOpRightScope}, VariableScopeNames, 0),
    FnRowsCtrl(kIdcStatRightVar, cParamSlot{kOpRightVar}, RightVarRows),
    ComboCtrl(kIdcStatRightSubject, cParamSlot{kOpRightSubject}, SelfSubjectSysNames, 0),
    FnRowsCtrl(kIdcStatRightStatus, cParamSlot{kOpRightStatus}, RightStatusRows),
    CheckCtrl(kIdcStatPercent, cParamSlot{kOpPercent}),
    ComboCtrl(kIdcStatCalcMode, cParamSlot{kOpCalcMode}, StatusCalcNames, 0),
    CheckCtrl(kIdcStatBar, cParamSlot{kOpBar}),
    CheckCtrl(kIdcStatInvincible, cParamSlot{kOpInvincible}),
};
const uint16_t kStatusOpButtons[] = {kIdcStatLeftRename, kIdcStatRightRename};
// A rename changes the name in memory only; the side's scope says which names.
const cRenameButton kStatusOpRenames[] = {
    {kIdcStatLeftRename, kIdcStatLeftVar, kRenameOther, kRenameScopeByParam, kOpLeftScope},
    {kIdcStatRightRename, kIdcStatRightVar, kRenameOther, kRenameScopeByParam, kOpRightScope},
};

const cCmdCtrl kStatusOp2Ctrls[] = {
    ComboCtrl(kIdcStat2Subject, cParamSlot{0}, SelfSubjectSysNames, 0),
    FnRowsCtrl(kIdcStat2Status, cParamSlot{1}, Status2Rows),
    FnRowsCtrl(kIdcStat2Option, cParamSlot{2}, OptionRows),
};

// Neither dialog has a time or parallel control.
void WriteImmediateParallel(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

// Variable 1 on both sides, the bar over the character shown.
void WriteStatusOpDefaults(C& command) {
  WriteImmediateParallel(command);
  SetP(command, kOpLeftVar, 1);
  SetP(command, kOpRightVar, 1);
  SetP(command, kOpBar, 1);
}
}  // namespace

const cCmdDialogDesc kStatusOpDialog = CmdDialog(0, kCmdStatus, 215, "cDlgCommandStatus")
                                           .Ctrls(kStatusOpCtrls)
                                           .Buttons(kStatusOpButtons)
                                           .Renames(kStatusOpRenames)
                                           .Defaults(WriteStatusOpDefaults)
                                           .Change(ChangeStatusOp)
                                           .States(StatusOpDialogStates);

const cCmdDialogDesc kStatusOp2Dialog = CmdDialog(0, kCmdStatus2, 266, "cDlgCommandStatus2")
                                            .Ctrls(kStatusOp2Ctrls)
                                            .Defaults(WriteImmediateParallel)
                                            .Opening(RaiseStatus2Option)
                                            .Change(ChangeStatusOp2)
                                            .Apply(ApplyStatusOp2Rules);

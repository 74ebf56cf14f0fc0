#include "editors/CmdStatusDialogs.h"

#include <algorithm>

#include "editors/CondDialogRules.h"
#include "editors/StatusCondRules.h"
#include "editors/VariableRename.h"
#include "model/VariableVocabulary.h"

using C = cCommandData;

cStatusOpMemory g_StatusOpMemory;

namespace {
constexpr int kSystemSubject = 5;
enum : int32_t { kTypeStatus = 0, kTypeVariable = 1 };
enum : int32_t { kRightConstant = 0, kRightRandom = 1, kRightStatus = 2, kRightVariable = 3 };
enum : int32_t { kStatusHp = 1, kStatusSp = 2 };

int32_t Param(const cVector<int32_t>& params, int index) { return index < params.Count() ? params[index] : 0; }
bool IsCharaSubject(int32_t subject) { return subject >= 0 && subject < kSystemSubject; }

cRowNumbering PickerNumbering(int picker) {
  return picker == kVarPickerCharaVar ? cRowNumbering{1, 0} : cRowNumbering{3, 0};
}
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

cStatusOpLimits StatusOpLeftStates(const cVector<int32_t>& p, cCtrlStates& states) {
  cStatusOpLimits limits;
  int32_t subject = Param(p, kOpLeftSubject);
  int32_t status = Param(p, kOpLeftStatus);
  const cStatusDesc* desc = StatusDescOf(subject, status);
  if (!desc) return limits;
  int32_t right = Param(p, kOpRightType);
  if (right == kRightConstant) limits = {1, {kIdcStatValue, 0}, desc->m_nOpMin, desc->m_nOpMax};
  if (right == kRightRandom) limits = {2, {kIdcStatRandMin, kIdcStatRandMax}, desc->m_nOpMin, desc->m_nOpMax};
  bool hpOrSp = IsCharaSubject(subject) && (status == kStatusHp || status == kStatusSp);
  states.Enable(kIdcStatPercent, !hpOrSp && desc->m_bPercentOp != 0);
  states.Enable(kIdcStatCalcMode, hpOrSp);
  states.Enable(kIdcStatBar, hpOrSp);
  return limits;
}

int cStatusOpMemory::NotePick(int status) {
  int reclamp = m_nLast != -1 && m_nLast != status ? 1 : 0;
  m_nLast = status;
  return reclamp;
}

int StatusOp2StatusRows(int subject, cVector<cString>& rows) {
  rows.clear();
  if (IsCharaSubject(subject)) {
    for (const cOptionStatusDesc& status : FlagStatusTable) rows.push_back(status.m_strName);
    return 1;
  }
  if (subject != kSystemSubject) return 0;
  for (const cOptionStatusDesc& status : ScrollStatusTable) rows.push_back(status.m_strName);
  return 1;
}

const cOptionStatusDesc* StatusOp2Status(int subject, int status) {
  if (IsCharaSubject(subject)) return FlagStatus(status);
  return subject == kSystemSubject ? ScrollStatus(status) : nullptr;
}

namespace {
class cStatusOpDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    ListStatuses(run, kIdcStatStatus, kOpLeftSubject);
    ListStatuses(run, kIdcStatRightStatus, kOpRightSubject);
    PickerRows(run, kIdcStatLeftVar, StatusOpLeftPicker(Params(run)));
    PickerRows(run, kIdcStatRightVar, StatusOpRightPicker(Params(run)));
    ApplyStatus(run, kIdcStatStatus);
    ApplyStatus(run, kIdcStatRightStatus);
    Update(run);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcStatStatus || id == kIdcStatRightStatus)
      ApplyStatus(run, id);
    else if (id == kIdcStatLeftRename || id == kIdcStatRightRename)
      Rename(run, id);
    else
      cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    const cVector<int32_t>& p = Params(run);
    StatusOpStates(p, run.Decide());
    PickerRows(run, kIdcStatLeftVar, StatusOpLeftPicker(p));
    if (p[kOpLeftType] == kTypeStatus) ListStatuses(run, kIdcStatStatus, kOpLeftSubject);
    if (p[kOpRightType] == kRightStatus) ListStatuses(run, kIdcStatRightStatus, kOpRightSubject);
    PickerRows(run, kIdcStatRightVar, StatusOpRightPicker(p));
  }

private:
  static const cVector<int32_t>& Params(cCmdDialogRun& run) { return run.Shown().m_vParam; }

  // The statuses of a side's subject; a subject outside 0-5 keeps the list as it was.
  static void ListStatuses(cCmdDialogRun& run, uint16_t combo, int subjectParam) {
    int count = 0;
    int32_t subject = Params(run)[subjectParam];
    if (StatusTableOf(subject, count)) run.SetComboRows(combo, StatusRows(subject), {});
  }

  static void PickerRows(cCmdDialogRun& run, uint16_t combo, int picker) {
    if (picker != kVarPickerOff) run.SetComboRows(combo, VarPickerRows(picker), PickerNumbering(picker));
  }

  static void ApplyStatus(cCmdDialogRun& run, uint16_t id) {
    const cVector<int32_t>& p = Params(run);
    if (id == kIdcStatRightStatus) {
      if (p[kOpRightType] != kRightStatus) return;
      VarPickerStates(StatusOpRightPicker(p), kIdcStatRightVar, kIdcStatRightRename, run.Decide());
      PickerRows(run, kIdcStatRightVar, StatusOpRightPicker(p));
      return;
    }
    if (p[kOpLeftType] != kTypeStatus) {
      run.Decide().Enable(kIdcStatBar, false);
      run.Decide().Enable(kIdcStatCalcMode, false);
      return;
    }
    VarPickerStates(StatusOpLeftPicker(p), kIdcStatLeftVar, kIdcStatLeftRename, run.Decide());
    PickerRows(run, kIdcStatLeftVar, StatusOpLeftPicker(p));
    cStatusOpLimits limits = StatusOpLeftStates(p, run.Decide());
    for (int i = 0; i < limits.m_nEdits; ++i) run.SetRange(limits.m_aEdit[i], limits.m_nMin, limits.m_nMax);
    if (run.Initialised() && g_StatusOpMemory.NotePick(p[kOpLeftStatus]))
      for (uint16_t edit : {kIdcStatValue, kIdcStatRandMin, kIdcStatRandMax}) run.Reclamp(edit);
  }

  // "_" beside a variable picker: renames the variable it shows, in memory.
  static void Rename(cCmdDialogRun& run, uint16_t button) {
    bool left = button == kIdcStatLeftRename;
    const cVector<int32_t>& p = Params(run);
    uint16_t combo = left ? kIdcStatLeftVar : kIdcStatRightVar;
    int32_t number = run.IntValue(combo);
    cString* name = nullptr;
    int32_t scope = p[left ? kOpLeftScope : kOpRightScope];
    int32_t variableType = left ? int32_t(kTypeVariable) : int32_t(kRightVariable);
    if (p[left ? kOpLeftType : kOpRightType] == variableType) name = VariableNameSlot(scope, number);
    if (number == 0 || !name) {
      run.Host().Beep();
      return;
    }
    cString edited = *name;
    if (!run.Host().EditVariableName(button, edited)) return;
    *name = edited;
    FinishVariableRename(kRenameOther, scope);
    run.SetComboRows(combo, VariableRows(scope), {3, 0});
  }
};

class cStatusOp2Dialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    cVector<cString> rows;
    if (StatusOp2StatusRows(run.IntValue(kIdcStat2Subject), rows)) run.SetComboRows(kIdcStat2Status, rows, {});
    ApplyFlagStatus(run);
    Update(run);
  }
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcStat2Status)
      ApplyFlagStatus(run);
    else
      cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    cVector<cString> rows;
    if (!StatusOp2StatusRows(run.IntValue(kIdcStat2Subject), rows)) return;
    run.SetComboRows(kIdcStat2Status, rows, {});
    ApplyFlagStatus(run);
  }

private:
  static void ApplyFlagStatus(cCmdDialogRun& run) {
    const cOptionStatusDesc* status = StatusOp2Status(run.IntValue(kIdcStat2Subject), run.IntValue(kIdcStat2Status));
    if (!status) return;
    run.SetComboOffset(kIdcStat2Option, status->m_nMin);
    cVector<cString> options = status->OptionList();
    run.SetComboRows(kIdcStat2Option, options, {});
    // The combo keeps its selection on one of the options.
    if (!options.empty())
      run.SetValue(kIdcStat2Option,
                   std::clamp(run.IntValue(kIdcStat2Option), status->m_nMin, status->m_nMin + options.Count() - 1));
  }
};

const auto kStatusOpCtrls =
    Ctrls(CtrlCombo(kIdcStatLeftType, ParamRef(kOpLeftType), StatusValueKindNames, 0),
          CtrlCombo(kIdcStatLeftScope, ParamRef(kOpLeftScope), VariableScopeNames, 0),
          CtrlCombo(kIdcStatLeftVar, ParamRef(kOpLeftVar), nullptr, 1),
          CtrlCombo(kIdcStatSubject, ParamRef(kOpLeftSubject), SelfSubjectSysNames, 0),
          CtrlCombo(kIdcStatStatus, ParamRef(kOpLeftStatus), nullptr, 0),
          CtrlCombo(kIdcStatOperation, ParamRef(kOpOperation), VarOpNames, 0),
          CtrlCombo(kIdcStatRightType, ParamRef(kOpRightType), OperandKindNames, 0),
          CtrlEdit(kIdcStatValue, 1404, ParamRef(kOpConstant), -999999, 999999),
          CtrlEdit(kIdcStatRandMin, 1053, ParamRef(kOpRandMin), -999999, 999999),
          CtrlEdit(kIdcStatRandMax, 1055, ParamRef(kOpRandMax), -999999, 999999),
          CtrlCombo(kIdcStatRightScope, ParamRef(kOpRightScope), VariableScopeNames, 0),
          CtrlCombo(kIdcStatRightVar, ParamRef(kOpRightVar), nullptr, 1),
          CtrlCombo(kIdcStatRightSubject, ParamRef(kOpRightSubject), SelfSubjectSysNames, 0),
          CtrlCombo(kIdcStatRightStatus, ParamRef(kOpRightStatus), nullptr, 0),
          CtrlCheck(kIdcStatPercent, ParamRef(kOpPercent)),
          CtrlCombo(kIdcStatCalcMode, ParamRef(kOpCalcMode), StatusCalcNames, 0),
          CtrlCheck(kIdcStatBar, ParamRef(kOpBar)), CtrlCheck(kIdcStatInvincible, ParamRef(kOpInvincible)),
          CtrlButton(kIdcStatLeftRename), CtrlButton(kIdcStatRightRename));

const auto kStatusOp2Ctrls =
    Ctrls(CtrlCombo(kIdcStat2Subject, ParamRef(0), SelfSubjectSysNames, 0),
          CtrlCombo(kIdcStat2Status, ParamRef(1), nullptr, 0), CtrlCombo(kIdcStat2Option, ParamRef(2), nullptr, 0));

void StatusOpDefaults(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
  command.m_vParam[kOpLeftVar] = 1;
  command.m_vParam[kOpRightVar] = 1;
  command.m_vParam[kOpBar] = 1;
}

void StatusOp2Defaults(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}
}  // namespace

const cCmdDialogSpec kStatusDialogs[2] = {
    DialogSpec(kCmdStatus, 215, "ステータスの操作", kStatusOpCtrls, StatusOpDefaults, NewKind<cStatusOpDialog>),
    DialogSpec(kCmdStatus2, 266, "ステータスの操作2", kStatusOp2Ctrls, StatusOp2Defaults, NewKind<cStatusOp2Dialog>),
};

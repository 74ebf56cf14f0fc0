#include "editors/CodeArrangeLoopRules.h"

#include <algorithm>

#include "editors/CondDialogRules.h"
#include "editors/ExpressionChecker.h"
#include "editors/VariableRename.h"
#include "model/CmdParamTable.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"
#include "project/cSystemSettings.h"

const char* const kArrangeNoParams = "×　非対応";

namespace {
constexpr int32_t kArrangeDefaultKind = 2;  // "直線移動"
constexpr int kCharaVarCount = 8;

int32_t P(const cCommandData& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
void SetP(cCommandData& command, int16_t index, int32_t value) { WriteCmdSlot(command, cParamSlot{index}, value); }

void WriteTimeZeroParallel(cCommandData& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

void WriteArrangeDefaults(cCommandData& command) {
  WriteTimeZeroParallel(command);
  SetP(command, kArrangeKindParam, kArrangeDefaultKind);
  SetP(command, kArrangeVarParam, 1);
}

void WriteLoopDefaults(cCommandData& command) {
  WriteTimeZeroParallel(command);
  SetP(command, 1, 1);
  SetP(command, 0, 2);
}

int ArrangeParamCount(int32_t kind) {
  return kind >= 0 && kind < CmdParamTable.Count() ? CmdParamTable[kind].Count() : 0;
}

const uint16_t kCodeButtons[] = {kIdcCodeCommonRename, kIdcCodeStageRename};
const cRenameButton kCodeRenames[] = {
    {kIdcCodeCommonRename, kIdcCodeCommonVar, kRenameCode, kVarScopeCommon},
    {kIdcCodeStageRename, kIdcCodeStageVar, kRenameCode, kVarScopeStage},
};
const uint16_t kArrangeButtons[] = {kIdcArrangeRename};
const cRenameButton kArrangeRenames[] = {
    {kIdcArrangeRename, kIdcArrangeVar, kRenameOther, kRenameScopeByParam, kArrangeScopeParam}};
const uint16_t kArrangeVarCtrls[] = {kIdcArrangeScope, kIdcArrangeVar, kIdcArrangeOperation};
}  // namespace

const cCmdCtrl kCodeCtrls[3] = {
    TextCtrl(kIdcCodeText, &cCommandData::m_strText, kCodeTextBytes),
    RowsCtrl(kIdcCodeCommonVar, cDialogSlot{0}, kRowsCommonVars, 1),
    RowsCtrl(kIdcCodeStageVar, cDialogSlot{1}, kRowsStageVars, 1),
};

const cCmdCtrl kArrangeCtrls[5] = {
    RowsCtrl(kIdcArrangeKind, cParamSlot{kArrangeKindParam}, kRowsCharaKinds, 1),
    RowsCtrl(kIdcArrangeParam, cParamSlot{kArrangeParamParam}, kRowsArrangeParams, 0),
    ComboCtrl(kIdcArrangeOperation, cParamSlot{kArrangeOperationParam}, VarOpNames, 0),
    ComboCtrl(kIdcArrangeScope, cParamSlot{kArrangeScopeParam}, ArrangeVarScopeNames, 0),
    RowsCtrl(kIdcArrangeVar, cParamSlot{kArrangeVarParam}, kRowsArrangeVars, 1),
};

const cCmdCtrl kLoopCtrls[2] = {
    NumCtrl(kIdcLoopCommands, 1184, cParamSlot{1}, 1, 999),
    NumCtrl(kIdcLoopTimes, 1262, cParamSlot{0}, 1, 99),
};

int CheckCodeCommand(const cCommandData& shown) {
  return CheckCodeText(shown.m_strText, g_SystemSettings.m_bCompat751);
}

cVector<cString> CharaKindRows() {
  cVector<cString> rows;
  for (int kind = 1; kind < kCharaCmdCount; ++kind) rows.push_back(CharaCmdSet[kind].m_strName);
  return rows;
}

int ArrangeKindHasParams(int32_t kind) { return ArrangeParamCount(kind) > 0 ? 1 : 0; }

cVector<cString> ArrangeParamRows(int32_t kind) {
  cVector<cString> rows;
  if (!ArrangeKindHasParams(kind)) {
    rows.push_back(kArrangeNoParams);
    return rows;
  }
  for (const cCmdParam& param : CmdParamTable[kind]) rows.push_back(param.m_strName);
  return rows;
}

cVector<cString> ArrangeVarRows(int32_t scope) {
  if (scope == kArrangeScopeCharaVar) return NameList(CharaVarNames);
  return VariableRows(scope == kVarScopeStage ? kVarScopeStage : kVarScopeCommon);
}

void ApplyArrangeRules(cCommandData& shown) {
  int params = std::max(1, ArrangeParamCount(P(shown, kArrangeKindParam)));
  SetP(shown, kArrangeParamParam, std::clamp(P(shown, kArrangeParamParam), 0, params - 1));
  int vars = P(shown, kArrangeScopeParam) == kArrangeScopeCharaVar ? kCharaVarCount : kVariableRowCount;
  SetP(shown, kArrangeVarParam, std::clamp(P(shown, kArrangeVarParam), 1, vars));
}

void ArrangeStates(const cCommandData& shown, cCtrlStates& states) {
  bool params = ArrangeKindHasParams(P(shown, kArrangeKindParam)) != 0;
  states.EnableAll(kArrangeVarCtrls, 3, params);
  int32_t scope = P(shown, kArrangeScopeParam);
  states.Enable(kIdcArrangeRename, params && (scope == kVarScopeCommon || scope == kVarScopeStage));
}

const cCmdDialogDesc kCodeDialog = CmdDialog(0, kCmdCode, 252, "cDlgCommandCode")
                                   .Ctrls(kCodeCtrls)
                                   .Buttons(kCodeButtons)
                                   .Renames(kCodeRenames)
                                   .Defaults(WriteTimeZeroParallel)
                                   .Check(CheckCodeCommand);

const cCmdDialogDesc kArrangeDialog = CmdDialog(0, kCmdArrange, 279, "cDlgCommandArrange")
                                      .Ctrls(kArrangeCtrls)
                                      .Buttons(kArrangeButtons)
                                      .Renames(kArrangeRenames)
                                      .Defaults(WriteArrangeDefaults)
                                      .Apply(ApplyArrangeRules)
                                      .States(ArrangeStates);

const cCmdDialogDesc kLoopDialog =
    CmdDialog(0, kCmdLoop, 280, "cDlgCommandLoop").Ctrls(kLoopCtrls).Defaults(WriteLoopDefaults);

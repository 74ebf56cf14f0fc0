#include "editors/StageCommandRules.h"

#include "app/PathUtil.h"
#include "model/FlowVocabulary.h"
#include "model/VariableVocabulary.h"
#include "model/cEdMove.h"

using C = cCommandData;
using M = cEdMove;

const cBrowseForm kStageFileBrowse = {"data\\stg4", "ステージファイルの選択", "StageFile ( *.stg4_* )\0*.stg4_*\0",
                                      "stg4_*"};

namespace {
enum : int32_t { kClearByNumber = 1, kClearByPath = 2 };
constexpr int32_t kWarpToTarget = 5;
enum : int32_t { kWhomNearest = 2, kWhomById = 3, kWhomChildIf = 6 };

int32_t P(const C& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
}  // namespace

void StageClearStates(int32_t mode, int32_t moveMap, int32_t forceStart, cCtrlStates& states) {
  states.Enable(kIdcClearNumber, mode == kClearByNumber);
  states.Enable(kIdcClearPath, mode == kClearByPath);
  states.Enable(kIdcClearBrowse, mode == kClearByPath);
  for (uint16_t id : {kIdcClearStartX, kIdcClearStartY, kIdcClearFacing}) states.Enable(id, forceStart != 0);
  for (uint16_t id : {kIdcClearMapX, kIdcClearMapY}) states.Enable(id, moveMap != 0);
}

int AcceptStageFile(const cString& chosen, cString& path) { return AssignRelativePath(path, chosen.GetStr()); }

void WarpStates(int32_t mode, int32_t targetMode, cCtrlStates& states) {
  bool target = mode == kWarpToTarget;
  for (uint16_t id : {kIdcWarpDirection, kIdcWarpDistance, kIdcWarpDistanceClone}) states.Enable(id, !target);
  for (uint16_t id : {kIdcWarpTargetMode, kIdcWarpTargetX, kIdcWarpTargetDotX, kIdcWarpTargetY, kIdcWarpTargetDotY})
    states.Enable(id, target);
  bool mirrors = target && targetMode == 0;
  states.Enable(kIdcWarpMirrorX, mirrors);
  states.Enable(kIdcWarpMirrorY, mirrors);
}

int WarpMirrorsCleared(int32_t mode, int32_t targetMode) { return mode == kWarpToTarget && targetMode != 0; }

void TargetStates(int32_t whom, int32_t allFactions, int32_t useId, int32_t useVar, cCtrlStates& states) {
  bool search = whom == kWhomNearest || whom == kWhomById || whom == kWhomChildIf;
  states.Enable(kIdcTargetRange, whom == kWhomNearest);
  for (uint16_t id : {kIdcTargetAllFactions, kIdcTargetUseId, kIdcTargetUseVar, kIdcTargetNotSelf,
                      kIdcTargetNotInvincible, kIdcTargetNotPassing, kIdcTargetNotBlock})
    states.Enable(id, search);
  states.Enable(kIdcTargetFaction, search && !allFactions);
  states.Enable(kIdcTargetId, search && useId);
  for (uint16_t id : {kIdcTargetVar, kIdcTargetVarValue, kIdcTargetVarCompare}) states.Enable(id, search && useVar);
  states.Enable(kIdcTargetNone, true);
}

void VanishStates(int32_t target, cCtrlStates& states) {
  bool own = target == 0 || target == 1;
  states.Enable(kIdcVanishRange, own);
  states.Enable(kIdcVanishFaction, own);
}

namespace {
void StageClearDialogStates(const C& shown, cCtrlStates& states) {
  StageClearStates(P(shown, 0), P(shown, 2), P(shown, 5), states);
}

const M* MoveOf(const C& shown) { return shown.m_pMove.Get(); }

void ApplyWarpRules(C& shown) {
  M* move = shown.m_pMove.Get();
  if (!move || !WarpMirrorsCleared(move->m_cSetType, move->m_cTargetType)) return;
  move->m_bMirrorX = 0;
  move->m_bMirrorY = 0;
}

void WarpDialogStates(const C& shown, cCtrlStates& states) {
  const M* move = MoveOf(shown);
  WarpStates(move ? move->m_cSetType : 0, move ? move->m_cTargetType : 0, states);
}

void TargetDialogStates(const C& shown, cCtrlStates& states) {
  TargetStates(P(shown, 1), P(shown, 3), P(shown, 9), P(shown, 11), states);
}

void VanishDialogStates(const C& shown, cCtrlStates& states) { VanishStates(P(shown, 0), states); }

const cCmdCtrl kStageClearCtrls[] = {
    ComboCtrl(kIdcClearMode, cParamSlot{0}, StageClearModeNames, 0),
    NumCtrl(kIdcClearNumber, 1315, cParamSlot{1}, 1, 99),
    CheckCtrl(kIdcClearMoveMap, cParamSlot{2}),
    NumCtrl(kIdcClearMapX, 1317, cParamSlot{3}, 0, 999),
    NumCtrl(kIdcClearMapY, 1319, cParamSlot{4}, 0, 999),
    CheckCtrl(kIdcClearForceStart, cParamSlot{5}),
    NumCtrl(kIdcClearStartX, 1321, cParamSlot{6}, 0, 999),
    NumCtrl(kIdcClearStartY, 1323, cParamSlot{7}, 0, 999),
    ComboCtrl(kIdcClearFacing, cParamSlot{8}, ClearFacingNames, 0),
    TextCtrl(kIdcClearPath, &C::m_strText, 260),
};
const uint16_t kStageClearButtons[] = {kIdcClearBrowse};

const cCmdCtrl kGameWaitCtrls[] = {NumCtrl(kIdcGameWaitTime, 1114, cParamSlot{0}, 0, 999)};

const cCmdCtrl kWarpCtrls[] = {
    ComboCtrl(kIdcWarpMode, &M::m_cSetType, WarpModeNames, 0),
    ComboCtrl(kIdcWarpDirection, &M::m_cDirection, DirectionNames, 0),
    NumCtrl(kIdcWarpDistance, 1123, &M::m_nDistance, 0, 64),
    NumCtrl(kIdcWarpDistanceClone, 11270, &M::m_nCloneDistance, -40, 40),
    ComboCtrl(kIdcWarpTargetMode, &M::m_cTargetType, CoordNames, 0),
    NumCtrl(kIdcWarpTargetX, 1136, &M::m_nTargetX, -640, 640),
    NumCtrl(kIdcWarpTargetDotX, 1138, &M::m_nTargetDotX, -640, 640),
    CheckCtrl(kIdcWarpMirrorX, &M::m_bMirrorX),
    NumCtrl(kIdcWarpTargetY, 1389, &M::m_nTargetY, -640, 640),
    NumCtrl(kIdcWarpTargetDotY, 1391, &M::m_nTargetDotY, -640, 640),
    CheckCtrl(kIdcWarpMirrorY, &M::m_bMirrorY),
};

const cCmdCtrl kTargetCtrls[] = {
    ComboCtrl(kIdcTargetSet, cParamSlot{0}, TargetNoNames, 0),
    ComboCtrl(kIdcTargetWhom, cParamSlot{1}, TargetChoiceNames, 0),
    NumCtrl(kIdcTargetFaction, 1262, cParamSlot{2}, 0, 7),
    CheckCtrl(kIdcTargetAllFactions, cParamSlot{3}),
    ComboCtrl(kIdcTargetRange, cParamSlot{4}, TargetRangeNames, 0),
    CheckCtrl(kIdcTargetNotSelf, cParamSlot{5}),
    CheckCtrl(kIdcTargetNotInvincible, cParamSlot{6}),
    CheckCtrl(kIdcTargetNotPassing, cParamSlot{7}),
    CheckCtrl(kIdcTargetNotBlock, cParamSlot{8}),
    CheckCtrl(kIdcTargetUseId, cParamSlot{9}),
    NumCtrl(kIdcTargetId, 1264, cParamSlot{10}, 0, 99),
    CheckCtrl(kIdcTargetUseVar, cParamSlot{11}),
    ComboCtrl(kIdcTargetVar, cParamSlot{12}, CharaVarNames, 1),
    NumCtrl(kIdcTargetVarValue, 1478, cParamSlot{13}, -999999, 999999),
    ComboCtrl(kIdcTargetVarCompare, cParamSlot{14}, CompareNames, 0),
    ComboCtrl(kIdcTargetNone, cParamSlot{15}, TargetFailNames, 0),
};

const cCmdCtrl kVanishCtrls[] = {
    ComboCtrl(kIdcVanishTarget, cParamSlot{0}, VanishKindNames, 0),
    NumCtrl(kIdcVanishFaction, 1262, cParamSlot{1}, 0, 7),
    ComboCtrl(kIdcVanishRange, cParamSlot{2}, VanishScopeNames, 0),
};

// None of the five has a time or parallel control: a new command takes these.
void WriteImmediate(C& command, int8_t parallel) {
  command.m_nTime = 0;
  command.m_bParallel = parallel;
}

// "次のステージへ", number 1, facing "右向き".
void WriteStageClearDefaults(C& command) {
  WriteImmediate(command, 0);
  WriteCmdSlot(command, cParamSlot{1}, 1);
  WriteCmdSlot(command, cParamSlot{8}, 1);
}

// Two seconds.
void WriteGameWaitDefaults(C& command) {
  WriteImmediate(command, 0);
  WriteCmdSlot(command, cParamSlot{0}, 20);
}

void WriteWarpDefaults(C& command) {
  WriteImmediate(command, 1);
  if (!command.m_pMove) return;
  command.m_pMove->m_nDistance = 2;
  command.m_pMove->m_bMirrorX = 0;
}

// Oneself and the characters passed by shots are not searched; character variable 1.
void WriteTargetDefaults(C& command) {
  WriteImmediate(command, 1);
  WriteCmdSlot(command, cParamSlot{5}, 1);
  WriteCmdSlot(command, cParamSlot{7}, 1);
  WriteCmdSlot(command, cParamSlot{12}, 1);
}

void WriteVanishDefaults(C& command) { WriteImmediate(command, 1); }
}  // namespace

const cCmdDialogDesc kStageClearDialog = CmdDialog(0, kCmdStageClear, 245, "cDlgCommandStageClear")
                                             .Ctrls(kStageClearCtrls)
                                             .Buttons(kStageClearButtons)
                                             .Defaults(WriteStageClearDefaults)
                                             .States(StageClearDialogStates)
                                             .Browse(kIdcClearBrowse, kIdcClearPath, kStageFileBrowse, AcceptStageFile);

const cCmdDialogDesc kGameWaitDialog =
    CmdDialog(0, kCmdGameWait, 244, "cDlgCommandGameWait").Ctrls(kGameWaitCtrls).Defaults(WriteGameWaitDefaults);

const cCmdDialogDesc kWarpDialog = CmdDialog(0, kCmdWarp, 264, "cDlgCommandWarp")
                                       .Ctrls(kWarpCtrls)
                                       .Defaults(WriteWarpDefaults)
                                       .Apply(ApplyWarpRules)
                                       .States(WarpDialogStates);

const cCmdDialogDesc kTargetDialog = CmdDialog(0, kCmdSetTarget, 265, "cDlgCommandTarget")
                                         .Ctrls(kTargetCtrls)
                                         .Defaults(WriteTargetDefaults)
                                         .States(TargetDialogStates);

const cCmdDialogDesc kVanishDialog = CmdDialog(0, kCmdVanish, 281, "cDlgCommandVanish")
                                         .Ctrls(kVanishCtrls)
                                         .Defaults(WriteVanishDefaults)
                                         .States(VanishDialogStates);

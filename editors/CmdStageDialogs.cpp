#include "editors/CmdStageDialogs.h"

#include "app/PathUtil.h"
#include "database/MediaPreview.h"
#include "model/FlowVocabulary.h"
#include "model/VariableVocabulary.h"
#include "model/cEdMove.h"

using C = cCommandData;
using M = cEdMove;

const cBrowseSpec kStageFileBrowse = {"data\\stg4", "ステージファイルの選択", "StageFile ( *.stg4_* )\0*.stg4_*\0",
                                      "stg4_*"};

namespace {
enum : int32_t { kClearByNumber = 1, kClearByPath = 2 };
constexpr int32_t kWarpToTarget = 5;
enum : int32_t { kWhomNearest = 2, kWhomById = 3, kWhomChildIf = 6 };
}  // namespace

void StageClearStates(int32_t mode, int32_t moveMap, int32_t forceStart, cCtrlStates& states) {
  states.Enable(kIdcClearNumber, mode == kClearByNumber);
  states.Enable(kIdcClearPath, mode == kClearByPath);
  states.Enable(kIdcClearBrowse, mode == kClearByPath);
  for (uint16_t id : {kIdcClearStartX, kIdcClearStartY, kIdcClearFacing}) states.Enable(id, forceStart != 0);
  for (uint16_t id : {kIdcClearMapX, kIdcClearMapY}) states.Enable(id, moveMap != 0);
}

int AcceptStageFile(const cString& chosen, cString& path) { return AssignRelativePath(path, chosen.GetStr()); }

void WarpStates(int32_t mode, int32_t targetMode, int32_t& mirrorX, int32_t& mirrorY, cCtrlStates& states) {
  bool target = mode == kWarpToTarget;
  for (uint16_t id : {kIdcWarpDirection, kIdcWarpDistance, kIdcWarpDistanceClone}) states.Enable(id, !target);
  for (uint16_t id : {kIdcWarpTargetMode, kIdcWarpTargetX, kIdcWarpTargetDotX, kIdcWarpMirrorX, kIdcWarpTargetY,
                      kIdcWarpTargetDotY, kIdcWarpMirrorY})
    states.Enable(id, target);
  if (!target || targetMode == 0) return;
  states.Enable(kIdcWarpMirrorX, false);
  states.Enable(kIdcWarpMirrorY, false);
  states.Check(kIdcWarpMirrorX, false);
  states.Check(kIdcWarpMirrorY, false);
  mirrorX = 0;
  mirrorY = 0;
}

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
class cStageClearDialog : public cCmdDialogKind {
public:
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcClearBrowse && code == kBnClicked) Browse(run);
    cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    StageClearStates(run.IntValue(kIdcClearMode), run.IntValue(kIdcClearMoveMap), run.IntValue(kIdcClearForceStart),
                     run.Decide());
  }

private:
  void Browse(cCmdDialogRun& run) {
    cString chosen;
    if (run.Host().BrowseFile(kStageFileBrowse, chosen)) AcceptStageFile(chosen, run.Shown().m_strText);
  }
};

class cWarpDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override {
    int32_t mirrorX = run.IntValue(kIdcWarpMirrorX);
    int32_t mirrorY = run.IntValue(kIdcWarpMirrorY);
    WarpStates(run.IntValue(kIdcWarpMode), run.IntValue(kIdcWarpTargetMode), mirrorX, mirrorY, run.Decide());
    run.SetValue(kIdcWarpMirrorX, mirrorX);
    run.SetValue(kIdcWarpMirrorY, mirrorY);
  }
};

class cTargetDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override {
    TargetStates(run.IntValue(kIdcTargetWhom), run.IntValue(kIdcTargetAllFactions), run.IntValue(kIdcTargetUseId),
                 run.IntValue(kIdcTargetUseVar), run.Decide());
  }
};

class cVanishDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override { VanishStates(run.IntValue(kIdcVanishTarget), run.Decide()); }
};

const auto kStageClearCtrls = Ctrls(
    CtrlCombo(kIdcClearMode, ParamRef(0), StageClearModeNames, 0), CtrlEdit(kIdcClearNumber, 1315, ParamRef(1), 1, 99),
    CtrlCheck(kIdcClearMoveMap, ParamRef(2)), CtrlEdit(kIdcClearMapX, 1317, ParamRef(3), 0, 999),
    CtrlEdit(kIdcClearMapY, 1319, ParamRef(4), 0, 999), CtrlCheck(kIdcClearForceStart, ParamRef(5)),
    CtrlEdit(kIdcClearStartX, 1321, ParamRef(6), 0, 999), CtrlEdit(kIdcClearStartY, 1323, ParamRef(7), 0, 999),
    CtrlCombo(kIdcClearFacing, ParamRef(8), ClearFacingNames, 0), CtrlText(kIdcClearPath, &C::m_strText, 260),
    CtrlButton(kIdcClearBrowse));

const auto kGameWaitCtrls = Ctrls(CtrlEdit(kIdcGameWaitTime, 1114, ParamRef(0), 0, 999));

const auto kWarpCtrls =
    Ctrls(CtrlCombo(kIdcWarpMode, &M::m_cSetType, WarpModeNames, 0),
          CtrlCombo(kIdcWarpDirection, &M::m_cDirection, DirectionNames, 0),
          CtrlEdit(kIdcWarpDistance, 1123, &M::m_nDistance, 0, 64),
          CtrlEdit(kIdcWarpDistanceClone, 11270, &M::m_nCloneDistance, -40, 40),
          CtrlCombo(kIdcWarpTargetMode, &M::m_cTargetType, CoordNames, 0),
          CtrlEdit(kIdcWarpTargetX, 1136, &M::m_nTargetX, -640, 640),
          CtrlEdit(kIdcWarpTargetDotX, 1138, &M::m_nTargetDotX, -640, 640), CtrlCheck(kIdcWarpMirrorX, &M::m_bMirrorX),
          CtrlEdit(kIdcWarpTargetY, 1389, &M::m_nTargetY, -640, 640),
          CtrlEdit(kIdcWarpTargetDotY, 1391, &M::m_nTargetDotY, -640, 640), CtrlCheck(kIdcWarpMirrorY, &M::m_bMirrorY));

const auto kTargetCtrls =
    Ctrls(CtrlCombo(1483, ParamRef(0), TargetNoNames, 0), CtrlCombo(kIdcTargetWhom, ParamRef(1), TargetChoiceNames, 0),
          CtrlEdit(kIdcTargetFaction, 1262, ParamRef(2), 0, 7), CtrlCheck(kIdcTargetAllFactions, ParamRef(3)),
          CtrlCombo(kIdcTargetRange, ParamRef(4), TargetRangeNames, 0), CtrlCheck(kIdcTargetNotSelf, ParamRef(5)),
          CtrlCheck(kIdcTargetNotInvincible, ParamRef(6)), CtrlCheck(kIdcTargetNotPassing, ParamRef(7)),
          CtrlCheck(kIdcTargetNotBlock, ParamRef(8)), CtrlCheck(kIdcTargetUseId, ParamRef(9)),
          CtrlEdit(kIdcTargetId, 1264, ParamRef(10), 0, 99), CtrlCheck(kIdcTargetUseVar, ParamRef(11)),
          CtrlCombo(kIdcTargetVar, ParamRef(12), CharaVarNames, 1),
          CtrlEdit(kIdcTargetVarValue, 1478, ParamRef(13), -999999, 999999),
          CtrlCombo(kIdcTargetVarCompare, ParamRef(14), CompareNames, 0),
          CtrlCombo(kIdcTargetNone, ParamRef(15), TargetFailNames, 0));

const auto kVanishCtrls = Ctrls(CtrlCombo(kIdcVanishTarget, ParamRef(0), VanishKindNames, 0),
                                CtrlEdit(kIdcVanishFaction, 1262, ParamRef(1), 0, 7),
                                CtrlCombo(kIdcVanishRange, ParamRef(2), VanishScopeNames, 0));

// None of the five has a time or parallel control: a new command takes these.
void Immediate(C& command, int parallel) {
  command.m_nTime = 0;
  command.m_bParallel = static_cast<int8_t>(parallel);
}

void StageClearDefaults(C& command) {
  Immediate(command, 0);
  command.m_vParam[1] = 1;
  command.m_vParam[8] = 1;
}

void GameWaitDefaults(C& command) {
  Immediate(command, 0);
  command.m_vParam[0] = 20;
}

void WarpDefaults(C& command) {
  Immediate(command, 1);
  command.m_pMove->m_nDistance = 2;
  command.m_pMove->m_bMirrorX = 0;
}

void TargetDefaults(C& command) {
  Immediate(command, 1);
  command.m_vParam[5] = 1;
  command.m_vParam[7] = 1;
  command.m_vParam[12] = 1;
}

void VanishDefaults(C& command) { Immediate(command, 1); }
}  // namespace

const cCmdDialogSpec kStageDialogs[5] = {
    DialogSpec(kCmdStageClear, 245, "ステージクリア", kStageClearCtrls, StageClearDefaults, NewKind<cStageClearDialog>),
    DialogSpec(kCmdGameWait, 244, "ゲームウエイト", kGameWaitCtrls, GameWaitDefaults, NewKind<cCmdDialogKind>),
    DialogSpec(kCmdWarp, 264, "ワープ", kWarpCtrls, WarpDefaults, NewKind<cWarpDialog>),
    DialogSpec(kCmdSetTarget, 265, "ターゲットの設定", kTargetCtrls, TargetDefaults, NewKind<cTargetDialog>),
    DialogSpec(kCmdVanish, 281, "消滅", kVanishCtrls, VanishDefaults, NewKind<cVanishDialog>),
};

#include "editors/OtherMoveRules.h"

#include "editors/MoveCommandRules.h"
#include "model/cEdMove.h"

using M = cEdMove;

namespace {
const uint16_t kCircleTimeCtrls[] = {kIdcCmdTime, kIdcCmdTimeClone};
const uint16_t kCircleSpeedCtrls[] = {kIdcMoveSpeed, kIdcMoveCloneSpeed};

// The controls of "円移動", which has no distance, unit, ratio or inertia.
const cCmdCtrl kCircleCtrls[] = {
    ComboCtrl(kIdcMoveRotation, &M::m_cDirection, RotationNames, 0),
    CheckCtrl(kIdcMoveMirrorX, &M::m_bMirrorX),
    CheckCtrl(kIdcMoveMirrorY, &M::m_bMirrorY),
    CheckCtrl(1146, &M::m_bNoMoveX),
    CheckCtrl(kIdcMoveNoMoveY, &M::m_bNoMoveY),
    CheckCtrl(kIdcMoveKeepFacing, &M::m_bKeepFacing),
    ComboCtrl(kIdcMoveTimeMode, &M::m_cTimeMode, CircleTimeModeNames, 0),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
    NumCtrl(kIdcMoveSpeed, 1119, &M::m_nSpeed, -180, 180),
    NumCtrl(kIdcMoveCloneSpeed, 1121, &M::m_nCloneSpeed, -180, 180),
    NumCtrl(kIdcMoveStartAngle, 1383, &M::m_nAngle, -7200, 7200),
    NumCtrl(1384, 1385, &M::m_nCloneAngle, -7200, 7200),
    NumCtrl(kIdcMoveEndAngle, 1125, &M::m_nDistance, -7200, 7200),
    NumCtrl(11241, 11271, &M::m_nCloneDistance, -7200, 7200),
    NumCtrl(kIdcMoveRadius, 1184, &M::m_nHoming, 0, 20),
    NumCtrl(1386, 1387, &M::m_nCloneHoming, -20, 20),
    CheckCtrl(kIdcMoveNoMoveAnime, &M::m_bNoMoveAnime),
    CommonCmdCtrl(kIdcCmdAnime),
};

// "突撃移動"'s "移動方向" group.
const cCmdCtrl kChargeCtrls[] = {
    ComboCtrl(kIdcMoveTarget, &M::m_cTarget, TargetNoNames, 0),
    NumCtrl(kIdcMoveTargetX, 1136, &M::m_nTargetX, -640, 640),
    NumCtrl(kIdcMoveTargetDotX, 1138, &M::m_nTargetDotX, -640, 640),
    CheckCtrl(kIdcMoveMirrorX, &M::m_bMirrorX),
    NumCtrl(kIdcMoveTargetY, 1389, &M::m_nTargetY, -640, 640),
    NumCtrl(kIdcMoveTargetDotY, 1391, &M::m_nTargetDotY, -640, 640),
    CheckCtrl(kIdcMoveMirrorY, &M::m_bMirrorY),
    NumCtrl(kIdcMoveAngle, 1132, &M::m_nAngle, -7200, 7200),
    NumCtrl(kIdcMoveCloneAngle, 1134, &M::m_nCloneAngle, -7200, 7200),
    CheckCtrl(kIdcMoveMirrorRotate, &M::m_bMirrorRotate),
    CheckCtrl(1146, &M::m_bNoMoveX),
    CheckCtrl(kIdcMoveNoMoveY, &M::m_bNoMoveY),
    CheckCtrl(kIdcMoveKeepFacing, &M::m_bKeepFacing),
};

// "誘導移動"'s "移動方向" group.
const cCmdCtrl kHomingCtrls[] = {
    ComboCtrl(kIdcMoveTarget, &M::m_cTarget, TargetNoNames, 0),
    NumCtrl(kIdcMoveHoming, 1170, &M::m_nHoming, 0, 10),
    NumCtrl(1171, 1172, &M::m_nCloneHoming, 0, 10),
    NumCtrl(kIdcMoveTargetX, 1136, &M::m_nTargetX, -640, 640),
    NumCtrl(kIdcMoveTargetDotX, 1138, &M::m_nTargetDotX, -640, 640),
    CheckCtrl(kIdcMoveMirrorX, &M::m_bMirrorX),
    NumCtrl(kIdcMoveTargetY, 1389, &M::m_nTargetY, -640, 640),
    NumCtrl(kIdcMoveTargetDotY, 1391, &M::m_nTargetDotY, -640, 640),
    CheckCtrl(kIdcMoveMirrorY, &M::m_bMirrorY),
    CheckCtrl(kIdcMoveNoJitter, &M::m_bNoJitter),
    CheckCtrl(1146, &M::m_bNoMoveX),
    CheckCtrl(kIdcMoveNoMoveY, &M::m_bNoMoveY),
    CheckCtrl(kIdcMoveKeepFacing, &M::m_bKeepFacing),
};

// "円移動" turns at 20 a step, from 0 to 360, at radius 6, given by speed.
void WriteCircleDefaults(cCommandData& command) {
  command.m_nTime = 1;
  if (!command.m_pMove) return;
  M& move = *command.m_pMove;
  move.m_cTimeMode = 1;
  move.m_nSpeed = 20;
  move.m_nAngle = 0;
  move.m_nDistance = 360;
  move.m_nHoming = 6;
}

void WriteHomingDefaults(cCommandData& command) {
  WriteMoveDefaults(command);
  if (command.m_pMove) command.m_pMove->m_nHoming = 0;
}
}  // namespace

void CircleMoveStates(const cCommandData& shown, cCtrlStates& states) {
  const M* move = shown.m_pMove.Get();
  bool byTime = !move || move->m_cTimeMode == 0;
  states.EnableAll(kCircleTimeCtrls, 2, byTime);
  states.EnableAll(kCircleSpeedCtrls, 2, !byTime);
  states.Enable(kIdcCmdAnime, move && move->m_bNoMoveAnime != 0);
}

const cCmdDialogDesc kMoveGroundDialog = CmdDialog(0, kCmdGroundMove, 259, "cDlgCommandMoveGround")
                                             .Shared(kMoveSharedCtrls)
                                             .Defaults(WriteMoveDefaults)
                                             .FitMoveTypes()
                                             .States(MoveSharedStates)
                                             .Check(CheckMoveRatio);

const cCmdDialogDesc kMoveCircleDialog = CmdDialog(0, kCmdCircleMove, 260, "cDlgCommandMoveCircle")
                                             .Ctrls(kCircleCtrls)
                                             .Defaults(WriteCircleDefaults)
                                             .FitMoveTypes()
                                             .States(CircleMoveStates);

const cCmdDialogDesc kMoveChargeDialog = CmdDialog(0, kCmdChargeMove, 261, "cDlgCommandMoveCharge")
                                             .Ctrls(kChargeCtrls)
                                             .Shared(kMoveSharedCtrls)
                                             .Defaults(WriteMoveDefaults)
                                             .FitMoveTypes()
                                             .States(MoveSharedStates)
                                             .Check(CheckMoveRatio);

const cCmdDialogDesc kMoveHomingDialog = CmdDialog(0, kCmdHomingMove, 214, "cDlgCommandMoveHoming")
                                             .Ctrls(kHomingCtrls)
                                             .Shared(kMoveSharedCtrls)
                                             .Defaults(WriteHomingDefaults)
                                             .FitMoveTypes()
                                             .States(MoveSharedStates)
                                             .Check(CheckMoveRatio);

const cCmdDialogDesc kMoveAvoidDialog = CmdDialog(0, kCmdEvadeMove, 262, "cDlgCommandMoveAvoid")
                                            .Ctrls(kMoveAvoidCtrls)
                                            .Shared(kMoveSharedCtrls)
                                            .Defaults(WriteMoveDefaults)
                                            .FitMoveTypes()
                                            .States(MoveSharedStates)
                                            .Check(CheckMoveRatio);

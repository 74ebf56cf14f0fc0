#include "editors/MoveCommandRules.h"

#include <cstdlib>

#include "app/MessageBox.h"
#include "model/cEdMove.h"

using M = cEdMove;

const char* const kMoveRatioRefusal = "「距離÷速度」を0.10以上、または-0.10以下にして下さい！";

namespace {
constexpr int kDotsPerHbl = 16;
constexpr int8_t kUnitDot = 1;
constexpr int8_t kDirByTarget = 1;
constexpr int8_t kDirInput = 12;
constexpr int8_t kTargetAbsolute = 2;

const M* MoveOf(const cCommandData& command) { return command.m_pMove.Get(); }

const uint16_t kTimeCtrls[] = {kIdcCmdTime, kIdcCmdTimeClone};
const uint16_t kSpeedCtrls[] = {kIdcMoveSpeed, kIdcMoveCloneSpeed};
const uint16_t kDistanceCtrls[] = {kIdcMoveDistance, kIdcMoveCloneDistance, kIdcMoveUnit};
const uint16_t kByDirectionCtrls[] = {kIdcMoveDir, kIdcMoveTurnReverse};
const uint16_t kByTargetCtrls[] = {kIdcMoveTargetMode, kIdcMoveUseTargetX, kIdcMoveUseTargetY, kIdcMoveUntilTarget,
                                   kIdcMoveNoJitter};
const uint16_t kTargetXCtrls[] = {kIdcMoveTargetX, kIdcMoveTargetDotX};
const uint16_t kTargetYCtrls[] = {kIdcMoveTargetY, kIdcMoveTargetDotY};

// Template 273 holds these of the class's controls.
const uint16_t kMoveStopPresent[] = {kIdcCmdParallel, kIdcCmdTime, 1114, kIdcCmdTimeClone, 1116};

int64_t MoveDots(int32_t distance, int32_t unit) {
  return unit == kUnitDot ? distance : static_cast<int64_t>(distance) * kDotsPerHbl;
}
}  // namespace

double MoveRatio(int32_t distance, int32_t speed, int32_t unit) {
  if (speed == 0) return 0.0;
  return static_cast<double>(MoveDots(distance, unit)) / speed;
}

int MoveRatioAcceptable(int32_t distance, int32_t speed, int32_t unit) {
  if (speed == 0) return 0;
  // |dots ÷ speed| >= 1/10
  return 10 * std::llabs(MoveDots(distance, unit)) >= std::llabs(static_cast<int64_t>(speed)) ? 1 : 0;
}

cString MoveRatioText(double ratio) {
  cString text;
  text.Format("距離(dot)÷速度　＝　%0.2lf (※分身は無視)", ratio);
  return text;
}

const cCmdCtrl kMoveSharedCtrls[14] = {
    CommonCmdCtrl(kIdcCmdParallel),
    ComboCtrl(kIdcMoveTimeMode, &M::m_cTimeMode, TimeModeNames, 0),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
    NumCtrl(kIdcMoveSpeed, 1119, &M::m_nSpeed, -200, 200),
    NumCtrl(kIdcMoveCloneSpeed, 1121, &M::m_nCloneSpeed, -200, 200),
    NumCtrl(kIdcMoveDistance, 1123, &M::m_nDistance, 1, 64),
    NumCtrl(kIdcMoveCloneDistance, 11270, &M::m_nCloneDistance, -40, 40),
    ComboCtrl(kIdcMoveUnit, &M::m_cUnit, UnitNames, 0),
    CheckCtrl(kIdcMoveInertia, &M::m_bInertia),
    NumCtrl(kIdcMoveMaxSpeed, 1140, &M::m_nMaxSpeed, 0, 200),
    DoubleCtrl(kIdcMoveTurnRate, 1142, &M::m_dTurnRate, 0.0, 9.9, 0.1),
    CheckCtrl(kIdcMoveNoMoveAnime, &M::m_bNoMoveAnime),
    CommonCmdCtrl(kIdcCmdAnime),
};

void MoveSharedStates(const cCommandData& shown, cCtrlStates& states) {
  const M* move = MoveOf(shown);
  int mode = move ? move->m_cTimeMode : kMoveTimeAndSpeed;
  states.EnableAll(kTimeCtrls, 2, mode != kMoveSpeedAndDistance);
  states.EnableAll(kSpeedCtrls, 2, mode != kMoveTimeAndDistance);
  states.EnableAll(kDistanceCtrls, 3, mode != kMoveTimeAndSpeed);
  bool ratio = mode == kMoveSpeedAndDistance;
  states.Show(kIdcMoveRatio, ratio);
  states.Show(kIdcMoveRatioNote, ratio);
  if (ratio) states.SetText(kIdcMoveRatio, MoveRatioText(MoveRatio(move->m_nDistance, move->m_nSpeed, move->m_cUnit)));
  bool inertia = move && move->m_bInertia != 0;
  states.Enable(kIdcMoveMaxSpeed, inertia);
  states.Enable(kIdcMoveTurnRate, inertia);
  states.Enable(kIdcCmdAnime, move && move->m_bNoMoveAnime != 0);
}

int CheckMoveRatio(const cCommandData& shown) {
  const M* move = MoveOf(shown);
  if (!move || move->m_cTimeMode != kMoveSpeedAndDistance) return 1;
  if (MoveRatioAcceptable(move->m_nDistance, move->m_nSpeed, move->m_cUnit)) return 1;
  ErrorBox(kMoveRatioRefusal);
  return 0;
}

void WriteMoveDefaults(cCommandData& command) {
  command.m_nTime = 1;
  if (command.m_pMove) command.m_pMove->m_nMaxSpeed = 200;
}

const cCmdCtrl kMoveStraightCtrls[20] = {
    ComboCtrl(kIdcMoveDirMode, &M::m_cSetType, MoveSetNames, 0),
    ComboCtrl(kIdcMoveDir, &M::m_cDirection, DirectionNames, 0),
    CheckCtrl(kIdcMoveTurnReverse, &M::m_bReverseOnTurn),
    ComboCtrl(kIdcMoveTargetMode, &M::m_cTargetType, TargetCoordNames, 0),
    CheckCtrl(kIdcMoveUseTargetX, &M::m_bUseTargetX),
    NumCtrl(kIdcMoveTargetX, 1136, &M::m_nTargetX, -640, 640),
    NumCtrl(kIdcMoveTargetDotX, 1138, &M::m_nTargetDotX, -640, 640),
    CheckCtrl(kIdcMoveMirrorX, &M::m_bMirrorX),
    CheckCtrl(kIdcMoveUseTargetY, &M::m_bUseTargetY),
    NumCtrl(kIdcMoveTargetY, 1389, &M::m_nTargetY, -640, 640),
    NumCtrl(kIdcMoveTargetDotY, 1391, &M::m_nTargetDotY, -640, 640),
    CheckCtrl(kIdcMoveMirrorY, &M::m_bMirrorY),
    CheckCtrl(kIdcMoveUntilTarget, &M::m_bUntilTarget),
    CheckCtrl(kIdcMoveNoJitter, &M::m_bNoJitter),
    NumCtrl(kIdcMoveAngle, 1132, &M::m_nAngle, -7200, 7200),
    NumCtrl(kIdcMoveCloneAngle, 1134, &M::m_nCloneAngle, -7200, 7200),
    CheckCtrl(kIdcMoveMirrorRotate, &M::m_bMirrorRotate),
    CheckCtrl(kIdcMoveNoMoveX, &M::m_bNoMoveX),
    CheckCtrl(kIdcMoveNoMoveY, &M::m_bNoMoveY),
    CheckCtrl(kIdcMoveKeepFacing, &M::m_bKeepFacing),
};

void ApplyMoveStraightRules(cCommandData& shown) {
  M* move = shown.m_pMove.Get();
  if (!move || move->m_cSetType != kDirByTarget || move->m_cTargetType < kTargetAbsolute) return;
  move->m_bMirrorX = 0;
  move->m_bMirrorY = 0;
}

void MoveStraightStates(const cCommandData& shown, cCtrlStates& states) {
  MoveSharedStates(shown, states);
  const M* move = MoveOf(shown);
  if (!move) return;
  bool byTarget = move->m_cSetType == kDirByTarget;
  states.EnableAll(kByDirectionCtrls, 2, !byTarget);
  states.EnableAll(kByTargetCtrls, 5, byTarget);
  if (!byTarget) {
    states.EnableAll(kTargetXCtrls, 2, false);
    states.EnableAll(kTargetYCtrls, 2, false);
    states.Enable(kIdcMoveMirrorX, false);
    states.Enable(kIdcMoveMirrorY, false);
    states.Enable(kIdcMoveMirrorRotate, move->m_cDirection != kDirInput);
    return;
  }
  bool mirrors = move->m_cTargetType < kTargetAbsolute;
  states.EnableAll(kTargetXCtrls, 2, move->m_bUseTargetX != 0);
  states.EnableAll(kTargetYCtrls, 2, move->m_bUseTargetY != 0);
  states.Enable(kIdcMoveMirrorX, mirrors && move->m_bUseTargetX != 0);
  states.Enable(kIdcMoveMirrorY, mirrors && move->m_bUseTargetY != 0);
  states.Enable(kIdcMoveMirrorRotate, true);
}

const cCmdDialogDesc kMoveStraightDialog = CmdDialog(0, kCmdStraightMove, 208, "cDlgCommandMoveStraight")
                                           .Ctrls(kMoveStraightCtrls)
                                           .Shared(kMoveSharedCtrls)
                                           .Defaults(WriteMoveDefaults)
                                           .FitMoveTypes()
                                           .Apply(ApplyMoveStraightRules)
                                           .States(MoveStraightStates)
                                           .Check(CheckMoveRatio);

const cCmdCtrl kMoveAvoidCtrls[2] = {
    ComboCtrl(kIdcMoveDir, &M::m_cDirection, DirectionNames, 0),
    CheckCtrl(kIdcMoveKeepFacing, &M::m_bKeepFacing),
};

const cCmdDialogDesc kMoveStopDialog = CmdDialog(0, kCmdStopMove, 273, "cDlgCommandMoveAvoid")
                                       .Ctrls(kMoveAvoidCtrls)
                                       .Shared(kMoveSharedCtrls)
                                       .Present(kMoveStopPresent)
                                       .Defaults(WriteMoveDefaults)
                                       .FitMoveTypes()
                                       .States(MoveSharedStates)
                                       .Check(CheckMoveRatio);

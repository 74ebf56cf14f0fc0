#include "editors/CmdMoveDialogs.h"

#include "model/cEdMove.h"

using C = cCommandData;
using M = cEdMove;

const char* const kMoveRatioRefusal = "「距離÷速度」を0.10以上、または-0.10以下にして下さい！";

namespace {
int64_t Dots(int32_t distance, int32_t unit) { return unit == 1 ? int64_t(distance) : int64_t(distance) * 16; }
}  // namespace

double MoveRatio(int32_t distance, int32_t speed, int32_t unit) {
  if (speed == 0) return 0;
  return double(Dots(distance, unit)) / speed;
}

// |dots / speed| >= 0.1 decided on integers: the ratio in double precision gives the same answer
// (0.1 itself rounds to the same double either way), and an extended-precision unit cannot move
// the boundary.
int MoveRatioAccepted(int32_t distance, int32_t speed, int32_t unit) {
  int64_t dots = Dots(distance, unit);
  return speed != 0 && 10 * (dots < 0 ? -dots : dots) >= (speed < 0 ? -int64_t(speed) : int64_t(speed));
}

cString MoveRatioText(double ratio) {
  cString text;
  text.Format("距離(dot)÷速度　＝　%0.2lf (※分身は無視)", ratio);
  return text;
}

void MoveTimeGroupStates(int32_t mode, double ratio, cCtrlStates& states) {
  bool time = mode != kMoveSpeedDistance;
  bool speed = mode != kMoveTimeDistance;
  bool distance = mode == kMoveTimeDistance || mode == kMoveSpeedDistance;
  for (uint16_t id : {kIdcCmdTime, kIdcCmdTimeClone}) states.Enable(id, time);
  for (uint16_t id : {kIdcMoveSpeed, kIdcMoveSpeedClone}) states.Enable(id, speed);
  for (uint16_t id : {kIdcMoveDistance, kIdcMoveDistanceClone, kIdcMoveUnit}) states.Enable(id, distance);
  bool shown = mode == kMoveSpeedDistance;
  states.Show(kIdcMoveRatio, shown);
  states.Show(kIdcMoveRatioNote, shown);
  if (shown) states.SetText(kIdcMoveRatio, MoveRatioText(ratio));
}

void MoveInertiaStates(int32_t inertia, cCtrlStates& states) {
  states.Enable(kIdcMoveMaxSpeed, inertia != 0);
  states.Enable(kIdcMoveTurnRate, inertia != 0);
}

void MoveAnimeStates(int32_t noMoveAnime, cCtrlStates& states) { states.Enable(kIdcCmdAnime, noMoveAnime != 0); }

void CircleTimeStates(int32_t mode, cCtrlStates& states) {
  bool time = mode == 0;
  for (uint16_t id : {kIdcCmdTime, kIdcCmdTimeClone}) states.Enable(id, time);
  for (uint16_t id : {kIdcMoveSpeed, kIdcMoveSpeedClone}) states.Enable(id, !time);
}

namespace {
double ShownRatio(const cCmdDialogRun& run) {
  return MoveRatio(run.IntValue(kIdcMoveDistance), run.IntValue(kIdcMoveSpeed), run.IntValue(kIdcMoveUnit));
}

int ShownRatioAccepted(const cCmdDialogRun& run) {
  return MoveRatioAccepted(run.IntValue(kIdcMoveDistance), run.IntValue(kIdcMoveSpeed), run.IntValue(kIdcMoveUnit));
}

// Every movement dialog with the "時間・速度・距離" group and a distance.
class cMoveDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override {
    MoveTimeGroupStates(run.IntValue(kIdcMoveSpeedMode), ShownRatio(run), run.Decide());
    MoveInertiaStates(run.IntValue(kIdcMoveInertia), run.Decide());
    MoveAnimeStates(run.IntValue(kIdcMoveNoAnime), run.Decide());
  }
  int Check(cCmdDialogRun& run, cString& message) override {
    if (run.IntValue(kIdcMoveSpeedMode) != kMoveSpeedDistance || ShownRatioAccepted(run)) return 1;
    message = kMoveRatioRefusal;
    return 0;
  }
};

// "移動の無効化" shares the class of "画面外回避移動" on a template of three controls: the controls
// it lacks read as empty, so OK stores 0 into every other member the class binds.
class cStopMoveDialog : public cMoveDialog {
public:
  void Finish(cCommandData& command) override {
    command.m_nAnime = 0;
    if (!command.m_pMove) return;
    M& move = *command.m_pMove;
    move.m_cTimeMode = 0;
    move.m_cDirection = 0;
    move.m_nSpeed = 0;
    move.m_nCloneSpeed = 0;
    move.m_nDistance = 0;
    move.m_nCloneDistance = 0;
    move.m_cUnit = 0;
    move.m_bKeepFacing = 0;
    move.m_bInertia = 0;
    move.m_nMaxSpeed = 0;
    move.m_dTurnRate = 0;
    move.m_bNoMoveAnime = 0;
  }
};

class cCircleMoveDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override {
    CircleTimeStates(run.IntValue(kIdcMoveSpeedMode), run.Decide());
    MoveAnimeStates(run.IntValue(kIdcMoveNoAnime), run.Decide());
  }
};

// The controls of 259, 261, 214 and 262.
const auto kMoveCommon =
    Ctrls(CtrlCommon(kIdcCmdParallel), CtrlCombo(kIdcMoveSpeedMode, &M::m_cTimeMode, TimeModeNames, 0),
          CtrlCommon(kIdcCmdTime), CtrlCommon(kIdcCmdTimeClone), CtrlEdit(kIdcMoveSpeed, 1119, &M::m_nSpeed, -200, 200),
          CtrlEdit(kIdcMoveSpeedClone, 1121, &M::m_nCloneSpeed, -200, 200),
          CtrlEdit(kIdcMoveDistance, 1123, &M::m_nDistance, 1, 64),
          CtrlEdit(kIdcMoveDistanceClone, 11270, &M::m_nCloneDistance, -40, 40),
          CtrlCombo(kIdcMoveUnit, &M::m_cUnit, UnitNames, 0), CtrlStatic(kIdcMoveRatio), CtrlStatic(kIdcMoveRatioNote),
          CtrlCheck(kIdcMoveInertia, &M::m_bInertia), CtrlEdit(kIdcMoveMaxSpeed, 1140, &M::m_nMaxSpeed, 0, 200),
          CtrlReal(kIdcMoveTurnRate, 1142, &M::m_dTurnRate, 0.0, 9.9), CtrlCheck(kIdcMoveNoAnime, &M::m_bNoMoveAnime),
          CtrlCommon(kIdcCmdAnime));

const auto kGroundCtrls = kMoveCommon;

const auto kCircleCtrls =
    Ctrls(CtrlCombo(1264, &M::m_cDirection, RotationNames, 0), CtrlCheck(1144, &M::m_bMirrorX),
          CtrlCheck(1145, &M::m_bMirrorY), CtrlCheck(1146, &M::m_bNoMoveX), CtrlCheck(1148, &M::m_bNoMoveY),
          CtrlCheck(1399, &M::m_bKeepFacing), CtrlCombo(kIdcMoveSpeedMode, &M::m_cTimeMode, CircleTimeModeNames, 0),
          CtrlCommon(kIdcCmdTime), CtrlCommon(kIdcCmdTimeClone), CtrlEdit(kIdcMoveSpeed, 1119, &M::m_nSpeed, -180, 180),
          CtrlEdit(kIdcMoveSpeedClone, 1121, &M::m_nCloneSpeed, -180, 180),
          CtrlEdit(1382, 1383, &M::m_nAngle, -7200, 7200), CtrlEdit(1384, 1385, &M::m_nCloneAngle, -7200, 7200),
          CtrlEdit(1124, 1125, &M::m_nDistance, -7200, 7200), CtrlEdit(11241, 11271, &M::m_nCloneDistance, -7200, 7200),
          CtrlEdit(1183, 1184, &M::m_nHoming, 0, 20), CtrlEdit(1386, 1387, &M::m_nCloneHoming, -20, 20),
          CtrlCheck(kIdcMoveNoAnime, &M::m_bNoMoveAnime), CtrlCommon(kIdcCmdAnime));

const auto kChargeCtrls =
    Join(kMoveCommon,
         Ctrls(CtrlCombo(1483, &M::m_cTarget, TargetNoNames, 0), CtrlEdit(1135, 1136, &M::m_nTargetX, -640, 640),
               CtrlEdit(1137, 1138, &M::m_nTargetDotX, -640, 640), CtrlCheck(1144, &M::m_bMirrorX),
               CtrlEdit(1388, 1389, &M::m_nTargetY, -640, 640), CtrlEdit(1390, 1391, &M::m_nTargetDotY, -640, 640),
               CtrlCheck(1145, &M::m_bMirrorY), CtrlEdit(1130, 1132, &M::m_nAngle, -7200, 7200),
               CtrlEdit(1133, 1134, &M::m_nCloneAngle, -7200, 7200), CtrlCheck(1150, &M::m_bMirrorRotate),
               CtrlCheck(1146, &M::m_bNoMoveX), CtrlCheck(1148, &M::m_bNoMoveY), CtrlCheck(1399, &M::m_bKeepFacing)));

const auto kHomingCtrls =
    Join(kMoveCommon,
         Ctrls(CtrlCombo(1483, &M::m_cTarget, TargetNoNames, 0), CtrlEdit(1169, 1170, &M::m_nHoming, 0, 10),
               CtrlEdit(1171, 1172, &M::m_nCloneHoming, 0, 10), CtrlEdit(1135, 1136, &M::m_nTargetX, -640, 640),
               CtrlEdit(1137, 1138, &M::m_nTargetDotX, -640, 640), CtrlCheck(1144, &M::m_bMirrorX),
               CtrlEdit(1388, 1389, &M::m_nTargetY, -640, 640), CtrlEdit(1390, 1391, &M::m_nTargetDotY, -640, 640),
               CtrlCheck(1145, &M::m_bMirrorY), CtrlCheck(1147, &M::m_bNoJitter), CtrlCheck(1146, &M::m_bNoMoveX),
               CtrlCheck(1148, &M::m_bNoMoveY), CtrlCheck(1399, &M::m_bKeepFacing)));

const auto kAvoidCtrls =
    Join(kMoveCommon, Ctrls(CtrlCombo(1128, &M::m_cDirection, DirectionNames, 0), CtrlCheck(1399, &M::m_bKeepFacing)));

const auto kStopCtrls = Ctrls(CtrlCommon(kIdcCmdParallel), CtrlCommon(kIdcCmdTime), CtrlCommon(kIdcCmdTimeClone));

// Every movement dialog gives a new command time 1 after the movement block.
void MaxSpeedDefaults(C& command) {
  command.m_nTime = 1;
  command.m_pMove->m_nMaxSpeed = 200;
}

void CircleDefaults(C& command) {
  command.m_nTime = 1;
  M& move = *command.m_pMove;
  move.m_cTimeMode = 1;
  move.m_nSpeed = 20;
  move.m_nAngle = 0;
  move.m_nDistance = 360;
  move.m_nHoming = 6;
}

void HomingDefaults(C& command) {
  MaxSpeedDefaults(command);
  command.m_pMove->m_nHoming = 0;
}
}  // namespace

const cCmdDialogSpec kMoveDialogs[6] = {
    DialogSpec(kCmdGroundMove, 259, "地上折り返し移動", kGroundCtrls, MaxSpeedDefaults, NewKind<cMoveDialog>),
    DialogSpec(kCmdCircleMove, 260, "円移動", kCircleCtrls, CircleDefaults, NewKind<cCircleMoveDialog>),
    DialogSpec(kCmdChargeMove, 261, "突撃移動", kChargeCtrls, MaxSpeedDefaults, NewKind<cMoveDialog>),
    DialogSpec(kCmdHomingMove, 214, "誘導移動", kHomingCtrls, HomingDefaults, NewKind<cMoveDialog>),
    DialogSpec(kCmdEvadeMove, 262, "画面外回避移動", kAvoidCtrls, MaxSpeedDefaults, NewKind<cMoveDialog>),
    DialogSpec(kCmdStopMove, 273, "移動の無効化", kStopCtrls, MaxSpeedDefaults, NewKind<cStopMoveDialog>),
};

#pragma once
// The movement dialogs "地上折り返し移動" (259), "円移動" (260), "突撃移動" (261), "誘導移動" (214),
// "画面外回避移動" (262) and "移動の無効化" (273, the same rules on a template of three controls),
// and the rules every movement dialog shares: the "時間・速度・距離" group with its distance/speed
// ratio, the "慣性" group and the "その他" group.

#include <cstdint>

#include "app/cString.h"
#include "editors/CmdDialogCore.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcMoveSpeedMode = 1126,
  kIdcMoveSpeed = 1118,
  kIdcMoveSpeedClone = 1120,
  kIdcMoveDistance = 1122,
  kIdcMoveDistanceClone = 11240,
  kIdcMoveUnit = 1131,
  kIdcMoveRatio = 1440,
  kIdcMoveRatioNote = 1441,
  kIdcMoveInertia = 1143,
  kIdcMoveMaxSpeed = 1139,
  kIdcMoveTurnRate = 1141,
  kIdcMoveNoAnime = 1400,
};

// Setting types of the "時間・速度・距離" group.
enum : int32_t { kMoveTimeSpeed = 0, kMoveTimeDistance = 1, kMoveSpeedDistance = 2 };

// Distance in dots over speed (one hbl is 16 dots; unit 1 gives the distance in dots); 0 for
// speed 0. The clone factors take no part.
double MoveRatio(int32_t distance, int32_t speed, int32_t unit);
// A move by speed and distance must cover at least 0.1 dot per unit of speed either way (speed 0
// never does).
int MoveRatioAccepted(int32_t distance, int32_t speed, int32_t unit);
cString MoveRatioText(double ratio);
extern const char* const kMoveRatioRefusal;

// The shared groups by what their controls show. A setting type outside the three counts as the
// first.
void MoveTimeGroupStates(int32_t mode, double ratio, cCtrlStates& states);
void MoveInertiaStates(int32_t inertia, cCtrlStates& states);
void MoveAnimeStates(int32_t noMoveAnime, cCtrlStates& states);
// "円移動": the time by "時間を指定", the angle speed otherwise.
void CircleTimeStates(int32_t mode, cCtrlStates& states);

extern const cCmdDialogSpec kMoveDialogs[6];

#pragma once
// The movement dialogs' shared rules and the dialogs of "直線移動" (kind 2, template 208,
// cDlgCommandMoveStraight) and "移動の無効化" (kind 8, template 273, cDlgCommandMoveAvoid): the
// "時間・速度・距離" group with its distance ÷ speed check, the "慣性" and "その他" groups, the
// straight move's direction group, and the controls every movement dialog with those groups binds.
// The other movement dialogs take the shared group and rules from here.

#include <cstdint>

#include "app/cString.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcMoveDirMode = 1127,
  kIdcMoveDir = 1128,
  kIdcMoveTurnReverse = 1398,
  kIdcMoveTargetMode = 1129,
  kIdcMoveUseTargetX = 1397,
  kIdcMoveTargetX = 1135,
  kIdcMoveTargetDotX = 1137,
  kIdcMoveMirrorX = 1144,
  kIdcMoveUseTargetY = 1149,
  kIdcMoveTargetY = 1388,
  kIdcMoveTargetDotY = 1390,
  kIdcMoveMirrorY = 1145,
  kIdcMoveUntilTarget = 1146,
  kIdcMoveNoJitter = 1147,
  kIdcMoveAngle = 1130,
  kIdcMoveCloneAngle = 1133,
  kIdcMoveMirrorRotate = 1150,
  kIdcMoveNoMoveX = 1396,
  kIdcMoveNoMoveY = 1148,
  kIdcMoveKeepFacing = 1399,
  kIdcMoveTimeMode = 1126,
  kIdcMoveSpeed = 1118,
  kIdcMoveCloneSpeed = 1120,
  kIdcMoveDistance = 1122,
  kIdcMoveCloneDistance = 11240,
  kIdcMoveUnit = 1131,
  kIdcMoveRatio = 1440,
  kIdcMoveRatioNote = 1441,
  kIdcMoveInertia = 1143,
  kIdcMoveMaxSpeed = 1139,
  kIdcMoveTurnRate = 1141,
  kIdcMoveNoMoveAnime = 1400,
};

// The positions of the setting type ("設定タイプ" of "時間・速度・距離").
constexpr int kMoveTimeAndSpeed = 0;
constexpr int kMoveTimeAndDistance = 1;
constexpr int kMoveSpeedAndDistance = 2;

// The distance ÷ speed ratio of the controls' distance, speed and unit (the clone factors take no
// part): 0 for speed 0; a distance in hbl counts 16 dots.
double MoveRatio(int32_t distance, int32_t speed, int32_t unit);
// The ratio is acceptable at or beyond ±0.1 (never for speed 0). Decided on the integers, so that
// a ratio of exactly 0.1 passes whatever precision the processor computes the quotient in.
int MoveRatioAcceptable(int32_t distance, int32_t speed, int32_t unit);
// "距離(dot)÷速度　＝　%0.2lf (※分身は無視)".
cString MoveRatioText(double ratio);
extern const char* const kMoveRatioRefusal;

// The controls of "時間・速度・距離", "慣性" and "その他" with the parallel flag, in every movement
// dialog but "円移動".
extern const cCmdCtrl kMoveSharedCtrls[14];
// UpdateControls of the three shared groups: time, speed and distance by the setting type with
// the ratio shown for "速度と距離を指定", the inertia edits by "慣性", the anime by
// "移動アニメにしない".
void MoveSharedStates(const cCommandData& shown, cCtrlStates& states);
// OK's check where the setting type is "速度と距離を指定": a refused ratio shows its message.
int CheckMoveRatio(const cCommandData& shown);
// The defaults every movement dialog writes into a new command: time 1 and "最大速度" 200 (its
// movement block has the block's own defaults already).
void WriteMoveDefaults(cCommandData& command);

// "直線移動".
extern const cCmdCtrl kMoveStraightCtrls[20];
extern const cCmdDialogDesc kMoveStraightDialog;
// The direction group: by direction, or by target coordinates with its target type and the two
// target checks; "右向き配置なら逆回転" is off for "入力方向".
void MoveStraightStates(const cCommandData& shown, cCtrlStates& states);
// The target types "絶対座標" and "画面座標" clear both "右向き配置なら反転" while the direction is
// given by target coordinates.
void ApplyMoveStraightRules(cCommandData& shown);

// "画面外回避移動" and "移動の無効化" share one class: its controls are those of template 262;
// template 273 ("移動の無効化") holds only the parallel flag and the time, so OK stores 0 into every
// other movement field the class binds and into the anime.
extern const cCmdCtrl kMoveAvoidCtrls[2];
extern const cCmdDialogDesc kMoveStopDialog;

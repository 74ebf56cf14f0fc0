#pragma once
// The dialogs of the commands that create something from the shot block: "ショット" (209),
// "ソード" (224) and the summons "ブロック召喚" (258), "キャラ召喚" (256) and "アイテム召喚" (257),
// with the formation and movement parameter rules they share.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogCore.h"
#include "editors/CtrlStates.h"

class cSwordTypeData;

enum : uint16_t {
  kIdcShotGraphic = 1036,
  kIdcShotPick = 1446,
  kIdcShotPreview = 1070,
  kIdcShotFormation = 12641,
  kIdcShotAimAngle = 1063,
  kIdcShotTargetNo = 1484,
  kIdcShotAngleOffset = 1062,
  kIdcShotAimSubject = 1136,
  kIdcShotFaction = 1261,
  kIdcShotUserFaction = 1148,
  kIdcShotMoveType = 1265,
  kIdcShotMoveTargetNo = 1483,
  kIdcShotUseAccel = 1177,
  kIdcShotAccel = 1126,
  kIdcShotAccelClone = 1129,
  kIdcShotUseRange = 1176,
  kIdcShotRange = 1122,
  kIdcShotRangeClone = 11240,
  kIdcShotKeepAtEnd = 1157,
  kIdcShotUseLife = 1393,
  kIdcShotLife = 1394,
  kIdcShotLifeClone = 11241,
  kIdcShotVanishByShot = 1146,
  kIdcShotVanishValue = 1124,
  kIdcShotEffect = 1230,
  kIdcShotAttack = 1160,
  kIdcShotFlowId = 1231,
  kIdcShotItemPalette = 1270,
  kIdcShotItem = 12640,
  kIdcSwordType = 1221,
  kIdcSummonPalette = 1379,
  kIdcSummonIndex = 1385,
  kIdcSummonMode = 1129,  // "召喚タイプ" of the block summon, "勢力" of the character summon
  kIdcSummonLife = 1394,
  kIdcSummonUseLife = 1393,
  kIdcSummonFailOnPlayer = 1054,
  kIdcSummonFailOnEnemy = 1057,
};
// The three parameter edits and their labels of the formation and of the move type.
extern const uint16_t kFormParamEdits[3];
extern const uint16_t kFormParamLabels[3];
extern const uint16_t kMoveParamEdits[3];
extern const uint16_t kMoveParamLabels[3];

// A stored formation (0-5) or move type (0-9) outside its table counts as 0.
int ShotFormationRow(int formation);
int ShotMoveRow(int moveType);

// ApplyFormation's enables: "ターゲットを狙って角度を設定" free for formations 0-2, cleared for 4 and
// set for 3 and 5 (aim is the check shown, changed here); the target number by the formation and
// that check or the "対象" subject; "角度に応じて発射位置を変更" for 0 and 2; "対象" for 3 and 5.
void ShotFormationStates(int formation, int32_t& aim, int32_t subject, cCtrlStates& states);
// The target number of the move: only for "ターゲットを狙う" and "ターゲットへ誘導".
void ShotMoveTypeStates(int moveType, cCtrlStates& states);
// UpdateControls of the shot, from the shot block the controls show (the item rows aside).
void ShotStates(const cEdShot& shown, cCtrlStates& states);
// The summons' "対象" and target number by the formation; the character summon also asks "対象".
void SummonFormationStates(int kind, int formation, int32_t subject, cCtrlStates& states);
// UpdateControls of a summon, from the shot block the controls show (the record rows aside).
void SummonStates(int kind, const cEdShot& shown, cCtrlStates& states);

// The items of palette kind 1 (common) or 2 (stage) as combo rows; none for another kind.
cVector<cString> PaletteItemRows(int palette);
// The blocks, characters or items a summon of kind offers from its palette (0 common, 1 stage).
cVector<cString> SummonRows(int kind, int summonPalette);
// The time a sword of the type takes; 1 for a type the table lacks (or an empty table).
int32_t SwordTypeTime(const cVector<cSwordTypeData>& types, int type);
// The top-left corner on the shot sheet of the 16 x 16 graphic n.
void ShotPreviewOrigin(int32_t n, int32_t& x, int32_t& y);

extern const cCmdDialogSpec kShotDialogs[5];

#pragma once
// The dialogs of the commands that create something from the shot block: "ショット" (kind 11,
// template 209, cDlgCommandShot), "ソード" (12, 224, cDlgCommandSword) and the summons
// "ブロック召喚" (13, 258, cDlgCommandBlockSummon), "キャラ召喚" (14, 256, cDlgCommandCharaSummon)
// and "アイテム召喚" (15, 257, cDlgCommandItemSummon): the formation and move type parameters
// with their labels, limits and defaults, the enables that tie the controls together, the item
// and summon rows of the chosen palette, the sword's time and the shot's preview cell.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "database/cEffectParam.h"
#include "editors/CmdDialogDesc.h"
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
  kIdcShotPower = 1065,
  kIdcShotEffect = 1230,
  kIdcShotAttack = 1160,
  kIdcShotFlowId = 1231,
  kIdcShotItemPalette = 1270,
  kIdcShotItem = 12640,
  kIdcSwordType = 1221,
  kIdcSummonPalette = 1379,
  kIdcSummonIndex = 1385,
  kIdcSummonMode = 1129,  // "召喚タイプ" of the block summon, "勢力" of the character summon
  kIdcSummonUseLife = 1393,
  kIdcSummonLife = 1394,
  kIdcSummonFailOnPlayer = 1054,
  kIdcSummonFailOnEnemy = 1057,
};
// The three parameter edits and their labels of the formation and of the move type.
extern const uint16_t kFormParamEdits[3];
extern const uint16_t kFormParamLabels[3];
extern const uint16_t kMoveParamEdits[3];
extern const uint16_t kMoveParamLabels[3];
// The graphic kind of the shots, whose sheet the picker shows (editors/GraphicCells.h).
constexpr int8_t kShotGraphicKind = 3;
// The preview of the shot graphic, 16 x 16.
constexpr int32_t kShotPreviewPixels = 16;

// A formation (0-5) or move type (0-9) outside its table counts as 0.
int ShotFormationRow(int formation);
int ShotMoveRow(int moveType);
// The three parameters of a formation or move type (label, limits, default; an empty label for
// one not used).
const cEffectParam* FormationParams(int formation);
const cEffectParam* MoveTypeParams(int moveType);
// The labels of the parameters, each used edit enabled with its limits, the unused ones disabled.
void ShotParamStates(const cEffectParam* params, const uint16_t* edits, const uint16_t* labels, cCtrlStates& states);

// "ターゲットを狙って角度を設定" as a formation leaves it: set for "落雷" and "包囲", cleared for
// "爆発", as it was for the others.
int32_t FormationAim(int formation, int32_t aim);
// The formation's enables: the aim free for formations 0-2 (and checked or cleared for the
// others), the target number by the aim or, for "落雷" and "包囲", by "対象" being "ターゲット";
// "角度に応じて発射位置を変更" for 0 and 2; "対象" for 3 and 5.
void ShotFormationStates(int formation, int32_t aim, int32_t subject, cCtrlStates& states);
// The target number of the move: only for "ターゲットを狙う" and "ターゲットへ誘導".
void ShotMoveTypeStates(int moveType, cCtrlStates& states);
// The shot's dependent controls: faction, acceleration, range, life, vanish value, flow ID and the
// item by the palette.
void ShotStates(const cEdShot& shown, cCtrlStates& states);
// The summons' "対象" and target number by the formation; the character summon also asks "対象".
void SummonFormationStates(int kind, int formation, int32_t subject, cCtrlStates& states);
// A summon's own controls: the block summon's palette, entry and failure checks by its mode; the
// life time by its check; the character's faction number and flow ID.
void SummonStates(int kind, const cEdShot& shown, cCtrlStates& states);

// The items of palette kind 1 (common) or 2 (stage) as combo rows; none for another kind.
cVector<cString> PaletteItemRows(int palette);
// The blocks, characters or items a summon of kind offers from its palette (0 common, 1 stage).
cVector<cString> SummonRows(int kind, int summonPalette);
// The time a sword of the type takes; 1 for a type the table lacks (or an empty table).
int32_t SwordTypeTime(const cVector<cSwordTypeData>& types, int type);
// The top-left corner on the shot sheet of the 16 x 16 graphic n, which the preview draws.
void ShotPreviewOrigin(int32_t n, int32_t& x, int32_t& y);
// The preview: the shown shot graphic from the shot sheet, through its mask.
void ShotPreview(const cCommandData& shown, const cSheetExtents& sheets, cPaintList& list);

extern const cCmdDialogDesc kShotDialog;
extern const cCmdDialogDesc kSwordDialog;
extern const cCmdDialogDesc kBlockSummonDialog;
extern const cCmdDialogDesc kCharaSummonDialog;
extern const cCmdDialogDesc kItemSummonDialog;

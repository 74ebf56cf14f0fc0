#pragma once
// The dialogs of "ステージクリア" (kind 17, item kind 2; template 245, cDlgCommandStageClear),
// "ゲームウエイト" (18 and 3; 244, cDlgCommandGameWait), "ワープ" (20 and 5; 264,
// cDlgCommandWarp), "ターゲットの設定" (21 and 6; 265, cDlgCommandTarget) and "消滅" (24 and 9;
// 281, cDlgCommandVanish), with the stage file browse of "ステージクリア".

#include <cstdint>

#include "app/cString.h"
#include "database/MediaPreview.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcClearMode = 1313,
  kIdcClearNumber = 1314,
  kIdcClearMoveMap = 1437,
  kIdcClearMapX = 1316,
  kIdcClearMapY = 1318,
  kIdcClearForceStart = 1438,
  kIdcClearStartX = 1320,
  kIdcClearStartY = 1322,
  kIdcClearFacing = 1324,
  kIdcClearPath = 1247,
  kIdcClearBrowse = 1248,
  kIdcGameWaitTime = 1113,
  kIdcWarpMode = 1127,
  kIdcWarpDirection = 1128,
  kIdcWarpDistance = 1122,
  kIdcWarpDistanceClone = 11240,
  kIdcWarpTargetMode = 1129,
  kIdcWarpTargetX = 1135,
  kIdcWarpTargetDotX = 1137,
  kIdcWarpMirrorX = 1144,
  kIdcWarpTargetY = 1388,
  kIdcWarpTargetDotY = 1390,
  kIdcWarpMirrorY = 1145,
  kIdcTargetSet = 1483,
  kIdcTargetWhom = 1390,
  kIdcTargetFaction = 1261,
  kIdcTargetAllFactions = 1397,
  kIdcTargetRange = 1391,
  kIdcTargetNotSelf = 1392,
  kIdcTargetNotInvincible = 1393,
  kIdcTargetNotPassing = 1396,
  kIdcTargetNotBlock = 1394,
  kIdcTargetUseId = 1395,
  kIdcTargetId = 1263,
  kIdcTargetUseVar = 1398,
  kIdcTargetVar = 1429,
  kIdcTargetVarValue = 1477,
  kIdcTargetVarCompare = 1479,
  kIdcTargetNone = 1399,
  kIdcVanishTarget = 11175,
  kIdcVanishFaction = 1261,
  kIdcVanishRange = 1391,
};

// "ステージクリア": the number by "番号で指定", the path and its browse by "パスで指定", the world map
// position and the next start by their checks.
void StageClearStates(int32_t mode, int32_t moveMap, int32_t forceStart, cCtrlStates& states);
// "参照": the open-file dialog of a stage file, and the path it stores, relative to the working
// folder. A file on another drive leaves the path as it was, without a message; 0 then.
extern const cBrowseForm kStageFileBrowse;
int AcceptStageFile(const cString& chosen, cString& path);
// "ワープ": direction and distance for modes 0-4 (and any mode but 5), the target coordinates for
// "目標座標で指定", where "絶対座標" and "画面座標" disable both mirrors.
void WarpStates(int32_t mode, int32_t targetMode, cCtrlStates& states);
// The mirrors "絶対座標" and "画面座標" leave: cleared while the warp goes to target coordinates.
int WarpMirrorsCleared(int32_t mode, int32_t targetMode);
// "ターゲットの設定": the search options for the choices that search, by their own checks.
void TargetStates(int32_t whom, int32_t allFactions, int32_t useId, int32_t useVar, cCtrlStates& states);
// "消滅": faction and range for the characters and shots themselves, not for the children.
void VanishStates(int32_t target, cCtrlStates& states);

extern const cCmdDialogDesc kStageClearDialog;
extern const cCmdDialogDesc kGameWaitDialog;
extern const cCmdDialogDesc kWarpDialog;
extern const cCmdDialogDesc kTargetDialog;
extern const cCmdDialogDesc kVanishDialog;

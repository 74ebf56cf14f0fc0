#pragma once
// The dialogs that put something of the database on the screen: "エフェクトの実行" (kind 29, item
// kind 14; template 234, cDlgCommandEffect), "キャラエフェクトの実行" (30 and 15; 213,
// cDlgCommandCharaEffect), "画面エフェクトの実行" (31 and 16; 231, cDlgCommandScrEffect) and
// "ピクチャーの表示" (32 and 17; 233, cDlgCommandPicture).

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

class cDatabaseSet;

enum : uint16_t {
  kIdcPicture = 1234,
  kIdcEffect = 1230,
  kIdcCharaEffect = 1264,
  kIdcScrEffect = 1235,
  kIdcEffectRunType = 1178,
  kIdcEffectLoop = 1168,
  kIdcShowPosition = 1232,
  kIdcShowX = 1206,
  kIdcShowY = 1210,
  kIdcShowShiftX = 1040,
  kIdcShowShiftY = 1048,
  kIdcShowFront = 1181,
  kIdcShowScale = 1208,
  kIdcShowDuration = 1233,
  kIdcShowTime = 1113,
  kIdcShowPause = 1231,
  kIdcShowFollow = 1456,
  kIdcShowHasId = 1460,
  kIdcShowId = 1461,
  kIdcShowInstant = 1239,
};

// Parameters of "ピクチャーの表示" the rules read.
enum : int16_t {
  kPicRow = 0,
  kPicPosition = 1,
  kPicDuration = 8,
  kPicTime = 9,
  kPicPause = 10,
  kPicHasId = 12,
  kPicInstant = 14,
};
// Parameters of "エフェクトの実行" the rules read.
enum : int16_t { kEffRow = 0, kEffPosition = 1, kEffPause = 7 };

// Rows of three-digit numbers, row 0 replaced by the dialog's own text.
cVector<cString> PictureRows(const cDatabaseSet& db);
cVector<cString> EffectRunRows(const cDatabaseSet& db);
cVector<cString> ScrEffectRows(const cDatabaseSet& db);

// What the picture's duration leaves in the pause and the time: "進行キーが押されるまで表示" pauses,
// "ステージ終了まで表示" does not, "瞬間表示" under "時間で指定" takes time 1.
void ApplyPictureRules(cVector<int32_t>& params);
// The picture's enables by its row, position and duration; the ID edit by its check.
void PictureStates(const cVector<int32_t>& params, cCtrlStates& states);
// The effect's enables by its row and position.
void EffectStates(const cVector<int32_t>& params, cCtrlStates& states);
// What OK derives: a paused picture or effect never runs in parallel.
int32_t ParallelOfPause(int32_t pause);

extern const cCmdDialogDesc kEffectDialog;
extern const cCmdDialogDesc kCharaEffectDialog;
extern const cCmdDialogDesc kScrEffectDialog;
extern const cCmdDialogDesc kPictureDialog;

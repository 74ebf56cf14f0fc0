#pragma once
// The dialogs that put something of the database on the screen: "エフェクトの実行" (234),
// "キャラエフェクトの実行" (213), "画面エフェクトの実行" (231) and "ピクチャーの表示" (233).

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogCore.h"
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
enum : int {
  kPicRow = 0,
  kPicPosition = 1,
  kPicDuration = 8,
  kPicTime = 9,
  kPicPause = 10,
  kPicHasId = 12,
  kPicInstant = 14
};
// Parameters of "エフェクトの実行" the rules read.
enum : int { kEffRow = 0, kEffPosition = 1, kEffPause = 7 };

// Rows of three-digit numbers, row 0 replaced by the dialog's own text.
cVector<cString> PictureRows(const cDatabaseSet& db);
cVector<cString> EffectRunRows(const cDatabaseSet& db);
cVector<cString> ScrEffectRows(const cDatabaseSet& db);

// UpdateControls of the picture from what its controls show; the pause check and the time that a
// duration or "瞬間表示" sets are written into the shown parameters.
void PictureStates(cVector<int32_t>& shown, cCtrlStates& states);
void EffectStates(const cVector<int32_t>& shown, cCtrlStates& states);
// What OK derives: a paused picture or effect never runs in parallel.
int32_t ParallelOfPause(int32_t pause);

extern const cCmdDialogSpec kEffectDialogs[4];

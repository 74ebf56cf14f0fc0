#pragma once
// The dialogs that change how things look, each with a preview: "グラフィックの変更" (232), a sheet
// kind, a cell and a shift drawn as a plain character graphic, and "画面の色を変更" (238), a colour
// with its strength, time and instant showings.

#include <cstdint>

#include "editors/CmdDialogCore.h"
#include "editors/CtrlStates.h"

class cEdChara;

enum : uint16_t {
  kIdcGraphicKind = 1254,
  kIdcGraphicNumber = 1036,
  kIdcGraphicShift = 1038,
  kIdcGraphicPick = 1446,
  kIdcGraphicPreview = 1070,
  kIdcColourRed = 1245,
  kIdcColourGreen = 1246,
  kIdcColourBlue = 1247,
  kIdcColourStrength = 1251,
  kIdcColourRestore = 1241,
  kIdcColourTime = 1113,
  kIdcColourInstant = 1248,
  kIdcColourInstantCount = 1208,
  kIdcColourPreview = 1249,
};

// The character the graphic preview draws: the sheet kind, number and shift shown, and none of the
// side, mark, flight, invincibility or block settings that would draw other cells over it.
cEdChara GraphicPreviewChara(int32_t kind, int32_t number, int32_t shift);
// "元の色に戻す" disables the colour (and clears and disables "瞬間表示"); the count follows
// "瞬間表示" (the instant check shown changes here).
void ScreenColourStates(int32_t restore, int32_t& instant, cCtrlStates& states);

extern const cCmdDialogSpec kLookDialogs[2];

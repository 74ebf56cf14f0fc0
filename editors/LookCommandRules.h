#pragma once
// The dialogs that change how things look, each with a preview: "グラフィックの変更" (kind 26, item
// kind 11; template 232, cDlgCommandGraphic), a sheet kind, a cell and a shift drawn as a plain
// character graphic, and "画面の色を変更" (33 and 18; 238, cDlgCommandScreenColor), a colour with
// its strength, time and instant showings.

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

class cEdChara;
struct cPaintList;
struct cSheetExtents;

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

// The graphic's limits by its sheet kind (the shift only for "キャラ" and "専用bmp", the number of a
// dedicated bitmap within the table), and "一覧" for the sheets the picker shows.
void GraphicStates(int32_t kind, int dedicatedCount, cCtrlStates& states);
// The character the graphic preview draws: the sheet kind, number and shift shown, and none of the
// side, mark, flight, invincibility or block settings that would draw other cells over it.
cEdChara GraphicPreviewChara(int32_t kind, int32_t number, int32_t shift);
// The previews over their black: the graphic's cell at full size, and the colour of the red, green
// and blue sliders (the strength is not shown).
void GraphicPreview(const cCommandData& shown, const cSheetExtents& sheets, cPaintList& list);
void ScreenColourPreview(const cCommandData& shown, const cSheetExtents& sheets, cPaintList& list);
// "元の色に戻す" disables the colour and "瞬間表示"; the count follows "瞬間表示".
void ScreenColourStates(int32_t restore, int32_t instant, cCtrlStates& states);
// "元の色に戻す" clears "瞬間表示".
int32_t ScreenColourInstant(int32_t restore, int32_t instant);

extern const cCmdDialogDesc kGraphicDialog;
extern const cCmdDialogDesc kScreenColourDialog;

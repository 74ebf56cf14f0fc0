#include "editors/LookCommandRules.h"

#include <algorithm>

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "stage/cMapView.h"

using C = cCommandData;

namespace {
int32_t P(const C& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
}  // namespace

void GraphicStates(int32_t kind, int dedicatedCount, cCtrlStates& states) {
  cGraphicRanges ranges = GraphicRanges(kind, dedicatedCount);
  states.SetRange(kIdcGraphicNumber, ranges.m_nCellMin, ranges.m_nCellMax);
  // A sheet without a shift keeps the limits the shift had, and its value.
  if (ranges.m_bOffset) states.SetRange(kIdcGraphicShift, ranges.m_nOffsetMin, ranges.m_nOffsetMax);
  states.Enable(kIdcGraphicShift, ranges.m_bOffset != 0);
  states.Enable(kIdcGraphicPick, ranges.m_bPicker != 0);
}

cEdChara GraphicPreviewChara(int32_t kind, int32_t number, int32_t shift) {
  cEdChara chara;
  chara.m_cGraphicSheet = static_cast<int8_t>(kind);
  chara.m_nGraphic = static_cast<int16_t>(number);
  chara.m_nGraphicFrame = static_cast<int16_t>(shift);
  chara.m_cFaction = 0;
  chara.m_cMarkShow = 0;
  chara.m_cFlying = 0;
  chara.m_cInvincible = 0;
  chara.m_bBlock = 0;
  return chara;
}

void GraphicPreview(const C& shown, const cSheetExtents& sheets, cPaintList& list) {
  AddCharaGraphic(list, sheets, 0, 0, GraphicPreviewChara(P(shown, 0), P(shown, 1), P(shown, 2)), 0);
}

void ScreenColourPreview(const C& shown, const cSheetExtents&, cPaintList& list) {
  auto level = [&](int16_t index) { return static_cast<uint32_t>(std::clamp(P(shown, index), 0, 255)); };
  list.AddFill(0, 0, kCmdPreviewPixels, kCmdPreviewPixels, Rgb(level(0), level(1), level(2)));
}

void ScreenColourStates(int32_t restore, int32_t instant, cCtrlStates& states) {
  for (uint16_t id : {kIdcColourRed, kIdcColourGreen, kIdcColourBlue, kIdcColourStrength, kIdcColourInstant})
    states.Enable(id, restore == 0);
  states.Enable(kIdcColourInstantCount, ScreenColourInstant(restore, instant) != 0);
}

int32_t ScreenColourInstant(int32_t restore, int32_t instant) { return restore ? 0 : instant; }

namespace {
void GraphicDialogStates(const C& shown, cCtrlStates& states) {
  GraphicStates(P(shown, 0), g_DatabaseSet.m_vCharaExc.Count(), states);
}

void ApplyScreenColourRules(C& shown) {
  WriteCmdSlot(shown, cParamSlot{6}, ScreenColourInstant(P(shown, 4), P(shown, 6)));
}
void ScreenColourDialogStates(const C& shown, cCtrlStates& states) {
  ScreenColourStates(P(shown, 4), P(shown, 6), states);
}

const cCmdCtrl kGraphicCtrls[] = {
    ComboCtrl(kIdcGraphicKind, cParamSlot{0}, GraphicSheetNames, 0),
    NumCtrl(kIdcGraphicNumber, 1037, cParamSlot{1}, 1, 119),
    NumCtrl(kIdcGraphicShift, 1039, cParamSlot{2}, -999, 999),
};
const uint16_t kGraphicButtons[] = {kIdcGraphicPick};

const cCmdCtrl kScreenColourCtrls[] = {
    SliderCtrl(kIdcColourRed, 1242, cParamSlot{0}, 0, 255, 30),
    SliderCtrl(kIdcColourGreen, 1243, cParamSlot{1}, 0, 255, 30),
    SliderCtrl(kIdcColourBlue, 1244, cParamSlot{2}, 0, 255, 30),
    SliderCtrl(kIdcColourStrength, 1250, cParamSlot{3}, 0, 100, 10),
    CheckCtrl(kIdcColourRestore, cParamSlot{4}),
    NumCtrl(kIdcColourTime, 1114, cParamSlot{5}, 0, 999),
    CheckCtrl(kIdcColourInstant, cParamSlot{6}),
    NumCtrl(kIdcColourInstantCount, 1209, cParamSlot{7}, 1, 99),
};

void WriteParallel(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

// Cell 1 of the character sheet.
void WriteGraphicDefaults(C& command) {
  WriteParallel(command);
  WriteCmdSlot(command, cParamSlot{0}, 1);
  WriteCmdSlot(command, cParamSlot{1}, 1);
}
}  // namespace

const cCmdDialogDesc kGraphicDialog = CmdDialog(0, kCmdGraphic, 232, "cDlgCommandGraphic")
                                          .Ctrls(kGraphicCtrls)
                                          .Buttons(kGraphicButtons)
                                          .Defaults(WriteGraphicDefaults)
                                          .States(GraphicDialogStates)
                                          .CellPicker(kIdcGraphicPick, kIdcGraphicKind, kIdcGraphicNumber)
                                          .Preview(kIdcGraphicPreview, GraphicPreview);

const cCmdDialogDesc kScreenColourDialog = CmdDialog(0, kCmdScreenColour, 238, "cDlgCommandScreenColor")
                                               .Ctrls(kScreenColourCtrls)
                                               .Defaults(WriteParallel)
                                               .Apply(ApplyScreenColourRules)
                                               .States(ScreenColourDialogStates)
                                               .Preview(kIdcColourPreview, ScreenColourPreview);

#include "editors/CmdLookDialogs.h"

#include <algorithm>

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/GraphicCells.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"

using C = cCommandData;

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

void ScreenColourStates(int32_t restore, int32_t& instant, cCtrlStates& states) {
  for (uint16_t id : {kIdcColourRed, kIdcColourGreen, kIdcColourBlue, kIdcColourStrength, kIdcColourInstant})
    states.Enable(id, restore == 0);
  if (restore) {
    states.Check(kIdcColourInstant, false);
    instant = 0;
  }
  states.Enable(kIdcColourInstantCount, instant != 0);
}

namespace {
class cGraphicDialog : public cCmdDialogKind {
public:
  void Command(cCmdDialogRun& run, uint16_t id, int code) override {
    if (id == kIdcGraphicPick && code == kBnClicked) Pick(run);
    cCmdDialogKind::Command(run, id, code);
  }
  void Update(cCmdDialogRun& run) override {
    cGraphicRanges ranges = GraphicRanges(run.IntValue(kIdcGraphicKind), g_DatabaseSet.m_vCharaExc.Count());
    run.SetRange(kIdcGraphicNumber, ranges.m_nCellMin, ranges.m_nCellMax);
    run.Reclamp(kIdcGraphicNumber);
    if (ranges.m_bOffset) {
      run.SetRange(kIdcGraphicShift, ranges.m_nOffsetMin, ranges.m_nOffsetMax);
      run.Reclamp(kIdcGraphicShift);
    }
    run.Decide().Enable(kIdcGraphicShift, ranges.m_bOffset != 0);
    run.Decide().Enable(kIdcGraphicPick, ranges.m_bPicker != 0);
    if (run.Initialised()) Paint(run);
  }
  void Paint(cCmdDialogRun& run) override {
    run.Host().DrawChara(GraphicPreviewChara(run.IntValue(kIdcGraphicKind), run.IntValue(kIdcGraphicNumber),
                                             run.IntValue(kIdcGraphicShift)));
  }

private:
  static void Pick(cCmdDialogRun& run) {
    int sheet = PickerSheetOfKind(run.IntValue(kIdcGraphicKind));
    int32_t cell = 0;
    if (sheet >= 0 && run.Host().PickCell(sheet, cell)) run.SetValue(kIdcGraphicNumber, cell);
  }
};

class cScreenColourDialog : public cCmdDialogKind {
public:
  void Update(cCmdDialogRun& run) override {
    int32_t instant = run.IntValue(kIdcColourInstant);
    ScreenColourStates(run.IntValue(kIdcColourRestore), instant, run.Decide());
    run.SetValue(kIdcColourInstant, instant);
  }
  // The strength is not part of the preview.
  void Paint(cCmdDialogRun& run) override {
    run.Host().DrawColour(run.IntValue(kIdcColourRed), run.IntValue(kIdcColourGreen), run.IntValue(kIdcColourBlue));
  }
};

const auto kGraphicCtrls = Ctrls(CtrlCombo(kIdcGraphicKind, ParamRef(0), GraphicSheetNames, 0),
                                 CtrlEdit(kIdcGraphicNumber, 1037, ParamRef(1), 1, 119),
                                 CtrlEdit(kIdcGraphicShift, 1039, ParamRef(2), -999, 999), CtrlButton(kIdcGraphicPick),
                                 CtrlBitmap(kIdcGraphicPreview));

const auto kScreenColourCtrls =
    Ctrls(CtrlSlider(kIdcColourRed, 1242, ParamRef(0), 0, 255, 30),
          CtrlSlider(kIdcColourGreen, 1243, ParamRef(1), 0, 255, 30),
          CtrlSlider(kIdcColourBlue, 1244, ParamRef(2), 0, 255, 30),
          CtrlSlider(kIdcColourStrength, 1250, ParamRef(3), 0, 100, 10), CtrlCheck(kIdcColourRestore, ParamRef(4)),
          CtrlEdit(kIdcColourTime, 1114, ParamRef(5), 0, 999), CtrlCheck(kIdcColourInstant, ParamRef(6)),
          CtrlEdit(kIdcColourInstantCount, 1209, ParamRef(7), 1, 99), CtrlBitmap(kIdcColourPreview));

void GraphicDefaults(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
  command.m_vParam[0] = 1;
  command.m_vParam[1] = 1;
}

void ScreenColourDefaults(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}
}  // namespace

const cCmdDialogSpec kLookDialogs[2] = {
    DialogSpec(kCmdGraphic, 232, "グラフィックの変更", kGraphicCtrls, GraphicDefaults, NewKind<cGraphicDialog>),
    DialogSpec(kCmdScreenColour, 238, "画面の色を変更", kScreenColourCtrls, ScreenColourDefaults,
               NewKind<cScreenColourDialog>),
};

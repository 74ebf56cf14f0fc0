#include "editors/EffectCommandRules.h"

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"

using C = cCommandData;

namespace {
enum : int32_t { kUntilKey = 0, kUntilStageEnd = 1, kForTime = 2 };
constexpr cRowNumbering kThreeDigits{3, 0};

int32_t Param(const cVector<int32_t>& params, int index) { return index < params.Count() ? params[index] : 0; }
bool ByCoordinates(int32_t position) { return position == 3 || position == 4; }
}  // namespace

cVector<cString> PictureRows(const cDatabaseSet& db) {
  return DatabaseRows(db.m_vPicture, 3, 0, "ピクチャーの消去(ID非設定なら全消去)");
}
cVector<cString> EffectRunRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vEffect, 3, 0, "エフェクトの消去"); }
cVector<cString> ScrEffectRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vScrEffect, 3, 0, "なし"); }

void ApplyPictureRules(cVector<int32_t>& p) {
  if (p.Count() <= kPicInstant || p[kPicRow] == 0) return;
  if (p[kPicDuration] == kUntilKey)
    p[kPicPause] = 1;
  else if (p[kPicDuration] == kUntilStageEnd)
    p[kPicPause] = 0;
  else if (p[kPicDuration] == kForTime && p[kPicInstant])
    p[kPicTime] = 1;
}

void PictureStates(const cVector<int32_t>& p, cCtrlStates& states) {
  static const uint16_t kRemoved[] = {kIdcShowPosition, kIdcShowX,     kIdcShowY,       kIdcShowShiftX,
                                      kIdcShowShiftY,   kIdcShowFront, kIdcShowFollow,  kIdcShowScale,
                                      kIdcShowDuration, kIdcShowTime,  kIdcShowInstant, kIdcShowPause};
  states.Enable(kIdcShowId, Param(p, kPicHasId) != 0);
  if (Param(p, kPicRow) == 0) {
    states.EnableAll(kRemoved, sizeof kRemoved / sizeof kRemoved[0], false);
    return;
  }
  for (uint16_t id : {kIdcShowPosition, kIdcShowShiftX, kIdcShowShiftY, kIdcShowFront, kIdcShowScale, kIdcShowDuration})
    states.Enable(id, true);
  states.Enable(kIdcShowX, ByCoordinates(Param(p, kPicPosition)));
  states.Enable(kIdcShowY, ByCoordinates(Param(p, kPicPosition)));
  switch (Param(p, kPicDuration)) {
    case kUntilKey:
      for (uint16_t id : {kIdcShowFollow, kIdcShowTime, kIdcShowInstant, kIdcShowPause}) states.Enable(id, false);
      break;
    case kUntilStageEnd:
      states.Enable(kIdcShowFollow, true);
      for (uint16_t id : {kIdcShowTime, kIdcShowInstant, kIdcShowPause}) states.Enable(id, false);
      break;
    case kForTime:
      states.Enable(kIdcShowFollow, true);
      states.Enable(kIdcShowInstant, true);
      states.Enable(kIdcShowTime, Param(p, kPicInstant) == 0);
      states.Enable(kIdcShowPause, true);
      break;
    default: break;
  }
}

void EffectStates(const cVector<int32_t>& p, cCtrlStates& states) {
  bool shown = Param(p, kEffRow) != 0;
  for (uint16_t id : {kIdcShowPosition, kIdcShowShiftX, kIdcShowShiftY, kIdcShowScale, kIdcShowPause})
    states.Enable(id, shown);
  states.Enable(kIdcShowX, shown && ByCoordinates(Param(p, kEffPosition)));
  states.Enable(kIdcShowY, shown && ByCoordinates(Param(p, kEffPosition)));
}

int32_t ParallelOfPause(int32_t pause) { return pause ? 0 : 1; }

namespace {
void PictureRowsOf(const C&, cCmdRows& rows) {
  rows.m_vRows = PictureRows(g_DatabaseSet);
  rows.m_Numbering = kThreeDigits;
}
void EffectRowsOf(const C&, cCmdRows& rows) {
  rows.m_vRows = EffectRunRows(g_DatabaseSet);
  rows.m_Numbering = kThreeDigits;
}
void CharaEffectRowsOf(const C&, cCmdRows& rows) {
  rows.m_vRows = CharaEffectRows(g_DatabaseSet);
  rows.m_Numbering = kThreeDigits;
}
void ScrEffectRowsOf(const C&, cCmdRows& rows) {
  rows.m_vRows = ScrEffectRows(g_DatabaseSet);
  rows.m_Numbering = kThreeDigits;
}

void ApplyPicture(C& shown) { ApplyPictureRules(shown.m_vParam); }
void PictureDialogStates(const C& shown, cCtrlStates& states) { PictureStates(shown.m_vParam, states); }
void EffectDialogStates(const C& shown, cCtrlStates& states) { EffectStates(shown.m_vParam, states); }
void DerivePictureParallel(C& shown) {
  shown.m_bParallel = static_cast<int8_t>(ParallelOfPause(ReadCmdSlot(shown, cParamSlot{kPicPause})));
}
void DeriveEffectParallel(C& shown) {
  shown.m_bParallel = static_cast<int8_t>(ParallelOfPause(ReadCmdSlot(shown, cParamSlot{kEffPause})));
}

const cCmdCtrl kPictureCtrls[] = {
    FnRowsCtrl(kIdcPicture, cParamSlot{kPicRow}, PictureRowsOf),
    ComboCtrl(kIdcShowPosition, cParamSlot{kPicPosition}, ScreenPosNames, 0),
    NumCtrl(kIdcShowX, 1207, cParamSlot{2}, 0, 511),
    NumCtrl(kIdcShowY, 1211, cParamSlot{3}, 0, 511),
    NumCtrl(kIdcShowShiftX, 1045, cParamSlot{4}, -999, 999),
    NumCtrl(kIdcShowShiftY, 1049, cParamSlot{5}, -999, 999),
    CheckCtrl(kIdcShowFront, cParamSlot{6}),
    NumCtrl(kIdcShowScale, 1209, cParamSlot{7}, 1, 1000),
    ComboCtrl(kIdcShowDuration, cParamSlot{kPicDuration}, PictureDurNames, 0),
    NumCtrl(kIdcShowTime, 1114, cParamSlot{kPicTime}, 1, 9999),
    CheckCtrl(kIdcShowPause, cParamSlot{kPicPause}),
    CheckCtrl(kIdcShowFollow, cParamSlot{11}),
    CheckCtrl(kIdcShowHasId, cParamSlot{kPicHasId}),
    NumCtrl(kIdcShowId, 1462, cParamSlot{13}, 0, 999),
    CheckCtrl(kIdcShowInstant, cParamSlot{kPicInstant}),
};

const cCmdCtrl kEffectCtrls[] = {
    FnRowsCtrl(kIdcEffect, cParamSlot{kEffRow}, EffectRowsOf),
    ComboCtrl(kIdcShowPosition, cParamSlot{kEffPosition}, ScreenPosNames, 0),
    NumCtrl(kIdcShowX, 1207, cParamSlot{2}, 0, 511),
    NumCtrl(kIdcShowY, 1211, cParamSlot{3}, 0, 511),
    NumCtrl(kIdcShowShiftX, 1045, cParamSlot{4}, -999, 999),
    NumCtrl(kIdcShowShiftY, 1049, cParamSlot{5}, -999, 999),
    NumCtrl(kIdcShowScale, 1209, cParamSlot{6}, 1, 1000),
    CheckCtrl(kIdcShowPause, cParamSlot{kEffPause}),
};

// A run type outside its table shows, and is stored, as "通常実行".
const cCmdCtrl kCharaEffectCtrls[] = {
    FnRowsCtrl(kIdcCharaEffect, cParamSlot{0}, CharaEffectRowsOf),
    Fitted(ComboCtrl(kIdcEffectRunType, cParamSlot{1}, PlayModeNames, 0)),
    CheckCtrl(kIdcEffectLoop, cParamSlot{2}),
};
const cCmdCtrl kScrEffectCtrls[] = {
    FnRowsCtrl(kIdcScrEffect, cParamSlot{0}, ScrEffectRowsOf),
    Fitted(ComboCtrl(kIdcEffectRunType, cParamSlot{1}, PlayModeNames, 0)),
    CheckCtrl(kIdcEffectLoop, cParamSlot{2}),
};

// Each of the four gives a new command time 0, runs it in parallel and shows entry 1.
void WriteFirstEntry(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
  WriteCmdSlot(command, cParamSlot{0}, 1);
}

// In front of the characters, at 100 %, for 1 s when timed.
void WritePictureDefaults(C& command) {
  WriteFirstEntry(command);
  WriteCmdSlot(command, cParamSlot{6}, 1);
  WriteCmdSlot(command, cParamSlot{7}, 100);
  WriteCmdSlot(command, cParamSlot{kPicTime}, 10);
}

void WriteEffectDefaults(C& command) {
  WriteFirstEntry(command);
  WriteCmdSlot(command, cParamSlot{6}, 100);
}
}  // namespace

const cCmdDialogDesc kEffectDialog = CmdDialog(0, kCmdEffect, 234, "cDlgCommandEffect")
                                         .Ctrls(kEffectCtrls)
                                         .Defaults(WriteEffectDefaults)
                                         .States(EffectDialogStates)
                                         .Derive(DeriveEffectParallel);

const cCmdDialogDesc kCharaEffectDialog =
    CmdDialog(0, kCmdCharaEffect, 213, "cDlgCommandCharaEffect").Ctrls(kCharaEffectCtrls).Defaults(WriteFirstEntry);

const cCmdDialogDesc kScrEffectDialog =
    CmdDialog(0, kCmdScrEffect, 231, "cDlgCommandScrEffect").Ctrls(kScrEffectCtrls).Defaults(WriteFirstEntry);

const cCmdDialogDesc kPictureDialog = CmdDialog(0, kCmdPicture, 233, "cDlgCommandPicture")
                                          .Ctrls(kPictureCtrls)
                                          .Defaults(WritePictureDefaults)
                                          .Apply(ApplyPicture)
                                          .States(PictureDialogStates)
                                          .Derive(DerivePictureParallel);

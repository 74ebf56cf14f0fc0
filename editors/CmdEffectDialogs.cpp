#include "editors/CmdEffectDialogs.h"

#include "database/cDatabaseSet.h"
#include "editors/CharaPageRules.h"
#include "editors/DatabaseRows.h"
#include "model/FlowVocabulary.h"

using C = cCommandData;

namespace {
enum : int32_t { kUntilKey = 0, kUntilStageEnd = 1, kForTime = 2 };
constexpr cRowNumbering kThreeDigits{3, 0};
constexpr int kRunTypeCount = 3;

bool ByCoordinates(int32_t position) { return position == 3 || position == 4; }
}  // namespace

cVector<cString> PictureRows(const cDatabaseSet& db) {
  return DatabaseRows(db.m_vPicture, 3, 0, "ピクチャーの消去(ID非設定なら全消去)");
}
cVector<cString> EffectRunRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vEffect, 3, 0, "エフェクトの消去"); }
cVector<cString> ScrEffectRows(const cDatabaseSet& db) { return DatabaseRows(db.m_vScrEffect, 3, 0, "なし"); }

void PictureStates(cVector<int32_t>& p, cCtrlStates& states) {
  static const uint16_t kRemoved[] = {kIdcShowPosition, kIdcShowX,     kIdcShowY,       kIdcShowShiftX,
                                      kIdcShowShiftY,   kIdcShowFront, kIdcShowFollow,  kIdcShowScale,
                                      kIdcShowDuration, kIdcShowTime,  kIdcShowInstant, kIdcShowPause};
  if (p[kPicRow] == 0) {
    states.EnableAll(kRemoved, sizeof kRemoved / sizeof kRemoved[0], false);
  } else {
    for (uint16_t id :
         {kIdcShowPosition, kIdcShowShiftX, kIdcShowShiftY, kIdcShowFront, kIdcShowScale, kIdcShowDuration})
      states.Enable(id, true);
    states.Enable(kIdcShowX, ByCoordinates(p[kPicPosition]));
    states.Enable(kIdcShowY, ByCoordinates(p[kPicPosition]));
    switch (p[kPicDuration]) {
      case kUntilKey:
        for (uint16_t id : {kIdcShowFollow, kIdcShowTime, kIdcShowInstant, kIdcShowPause}) states.Enable(id, false);
        states.Check(kIdcShowPause, true);
        p[kPicPause] = 1;
        break;
      case kUntilStageEnd:
        states.Enable(kIdcShowFollow, true);
        for (uint16_t id : {kIdcShowTime, kIdcShowInstant, kIdcShowPause}) states.Enable(id, false);
        states.Check(kIdcShowPause, false);
        p[kPicPause] = 0;
        break;
      case kForTime:
        states.Enable(kIdcShowFollow, true);
        states.Enable(kIdcShowInstant, true);
        if (p[kPicInstant]) p[kPicTime] = 1;
        states.Enable(kIdcShowTime, p[kPicInstant] == 0);
        states.Enable(kIdcShowPause, true);
        break;
      default: break;
    }
  }
  states.Enable(kIdcShowId, p[kPicHasId] != 0);
}

void EffectStates(const cVector<int32_t>& p, cCtrlStates& states) {
  bool shown = p[kEffRow] != 0;
  for (uint16_t id : {kIdcShowPosition, kIdcShowShiftX, kIdcShowShiftY, kIdcShowScale, kIdcShowPause})
    states.Enable(id, shown);
  states.Enable(kIdcShowX, shown && ByCoordinates(p[kEffPosition]));
  states.Enable(kIdcShowY, shown && ByCoordinates(p[kEffPosition]));
}

int32_t ParallelOfPause(int32_t pause) { return pause ? 0 : 1; }

namespace {
class cPictureDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    run.SetComboRows(kIdcPicture, PictureRows(g_DatabaseSet), kThreeDigits);
    Update(run);
  }
  void Update(cCmdDialogRun& run) override { PictureStates(run.Shown().m_vParam, run.Decide()); }
  void Finish(cCommandData& command) override {
    command.m_bParallel = static_cast<int8_t>(ParallelOfPause(command.m_vParam[kPicPause]));
  }
};

class cEffectDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    run.SetComboRows(kIdcEffect, EffectRunRows(g_DatabaseSet), kThreeDigits);
    Update(run);
  }
  void Update(cCmdDialogRun& run) override { EffectStates(run.Shown().m_vParam, run.Decide()); }
  void Finish(cCommandData& command) override {
    command.m_bParallel = static_cast<int8_t>(ParallelOfPause(command.m_vParam[kEffPause]));
  }
};

// The character and screen effect dialogs disable nothing; a run type outside its table shows, and
// is stored, as "通常実行".
template <uint16_t Combo>
class cEffectRunDialog : public cCmdDialogKind {
public:
  void Init(cCmdDialogRun& run) override {
    run.SetComboRows(Combo, Combo == kIdcCharaEffect ? CharaEffectRows(g_DatabaseSet) : ScrEffectRows(g_DatabaseSet),
                     kThreeDigits);
    int32_t runType = run.IntValue(kIdcEffectRunType);
    if (runType < 0 || runType >= kRunTypeCount) run.SetValue(kIdcEffectRunType, 0);
  }
};

const auto kPictureCtrls = Ctrls(
    CtrlCombo(kIdcPicture, ParamRef(0), nullptr, 0), CtrlCombo(kIdcShowPosition, ParamRef(1), ScreenPosNames, 0),
    CtrlEdit(kIdcShowX, 1207, ParamRef(2), 0, 511), CtrlEdit(kIdcShowY, 1211, ParamRef(3), 0, 511),
    CtrlEdit(kIdcShowShiftX, 1045, ParamRef(4), -999, 999), CtrlEdit(kIdcShowShiftY, 1049, ParamRef(5), -999, 999),
    CtrlCheck(kIdcShowFront, ParamRef(6)), CtrlEdit(kIdcShowScale, 1209, ParamRef(7), 1, 1000),
    CtrlCombo(kIdcShowDuration, ParamRef(8), PictureDurNames, 0), CtrlEdit(kIdcShowTime, 1114, ParamRef(9), 1, 9999),
    CtrlCheck(kIdcShowPause, ParamRef(10)), CtrlCheck(kIdcShowFollow, ParamRef(11)),
    CtrlCheck(kIdcShowHasId, ParamRef(12)), CtrlEdit(kIdcShowId, 1462, ParamRef(13), 0, 999),
    CtrlCheck(kIdcShowInstant, ParamRef(14)));

const auto kEffectCtrls = Ctrls(
    CtrlCombo(kIdcEffect, ParamRef(0), nullptr, 0), CtrlCombo(kIdcShowPosition, ParamRef(1), ScreenPosNames, 0),
    CtrlEdit(kIdcShowX, 1207, ParamRef(2), 0, 511), CtrlEdit(kIdcShowY, 1211, ParamRef(3), 0, 511),
    CtrlEdit(kIdcShowShiftX, 1045, ParamRef(4), -999, 999), CtrlEdit(kIdcShowShiftY, 1049, ParamRef(5), -999, 999),
    CtrlEdit(kIdcShowScale, 1209, ParamRef(6), 1, 1000), CtrlCheck(kIdcShowPause, ParamRef(7)));

const auto kCharaEffectCtrls =
    Ctrls(CtrlCombo(kIdcCharaEffect, ParamRef(0), nullptr, 0),
          CtrlCombo(kIdcEffectRunType, ParamRef(1), PlayModeNames, 0), CtrlCheck(kIdcEffectLoop, ParamRef(2)));
const auto kScrEffectCtrls =
    Ctrls(CtrlCombo(kIdcScrEffect, ParamRef(0), nullptr, 0),
          CtrlCombo(kIdcEffectRunType, ParamRef(1), PlayModeNames, 0), CtrlCheck(kIdcEffectLoop, ParamRef(2)));

// Each of the four gives a new command time 0, runs it in parallel and shows entry 1.
void FirstEntry(C& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
  command.m_vParam[0] = 1;
}

void PictureDefaults(C& command) {
  FirstEntry(command);
  command.m_vParam[6] = 1;
  command.m_vParam[7] = 100;
  command.m_vParam[9] = 10;
}

void EffectDefaults(C& command) {
  FirstEntry(command);
  command.m_vParam[6] = 100;
}
}  // namespace

const cCmdDialogSpec kEffectDialogs[4] = {
    DialogSpec(kCmdEffect, 234, "エフェクトの実行", kEffectCtrls, EffectDefaults, NewKind<cEffectDialog>),
    DialogSpec(kCmdCharaEffect, 213, "キャラエフェクトの実行", kCharaEffectCtrls, FirstEntry,
               NewKind<cEffectRunDialog<kIdcCharaEffect>>),
    DialogSpec(kCmdScrEffect, 231, "画面エフェクトの実行", kScrEffectCtrls, FirstEntry,
               NewKind<cEffectRunDialog<kIdcScrEffect>>),
    DialogSpec(kCmdPicture, 233, "ピクチャーの表示", kPictureCtrls, PictureDefaults, NewKind<cPictureDialog>),
};

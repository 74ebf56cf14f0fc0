#include "editors/FlowPageRules.h"

#include "model/FlowVocabulary.h"
#include "model/cCondData.h"
#include "model/cEdMove.h"

using F = cFlowData;

const cTextField<F> kFlowTextFields[1] = {{kIdcFlowMemo, &F::m_strMemo, 200, kNoGroup}};
const cComboField<F> kFlowComboFields[5] = {
    {kIdcFlowId, &F::m_cId, FlowIdNames, 0, kNoGroup},
    {kIdcFlowGroup, &F::m_cGroup, FlowGroupNames, 0, kNoGroup},
    {kIdcFlowJudge, &F::m_cJudge, CondJudgeNames, 0, kNoGroup},
    {kIdcFlowTrigger, &F::m_cTrigger, FlowTriggerNames, 0, kNoGroup},
    {kIdcFlowTarget, &F::m_cTriggerTargetNo, TargetNoNames, 0, kNoGroup},
};
const cCheckField<F> kFlowCheckFields[4] = {
    {kIdcFlowTestPlayOnly, &F::m_bTestPlayOnly, kNoGroup},
    {kIdcFlowOnce, &F::m_bOnce, kNoGroup},
    {kIdcFlowTargetCheck, &F::m_bTriggerTarget, kNoGroup},
    {kIdcFlowHoldRepeat, &F::m_bHoldRepeat, kNoGroup},
};
const cNumField<F> kFlowNumFields[1] = {{kIdcFlowKeyEase, 1090, &F::m_cKeyEase, 0, 15, kNoGroup}};

const uint16_t kFlowEditorCtrls[26] = {
    kIdcFlowInsert,   kIdcFlowDelete,     kIdcFlowList,        kIdcFlowMemo,  kIdcFlowTrigger,
    kIdcFlowTargetCheck, kIdcFlowTarget,  kIdcFlowGroup,       kIdcFlowId,    kIdcFlowTestPlayOnly,
    1083,             1084,               1085,                kIdcFlowCondList, kIdcFlowJudge,
    kIdcFlowOnce,     1091,               1092,                1093,          kIdcFlowKeyList,
    kIdcFlowKeyEase,  kIdcFlowHoldRepeat, 1068,                1070,          1069,
    kIdcFlowCommandList,
};

const uint16_t kFlowCondInsertIds[2] = {40034, 40106};
const uint16_t kFlowKeyCondInsertIds[2] = {40036, 40111};
const uint16_t kFlowCommandInsertIds[2] = {40101, 40119};

namespace {
constexpr int kTriggerAlways = 0;
constexpr int kTriggerDeath = 3;
constexpr int kTriggerBeforeStart = 21;
constexpr int kFlowOpChange = 1;
const uint16_t kNavigationAndPreview[] = {kIdcEntryNumber, kIdcPrevEntry, kIdcNextEntry, kIdcCharaPreview,
                                          kIdcFlowInherit};
}  // namespace

cString TriggerNote(int trigger) {
  if (trigger == kTriggerDeath) return "※実行時間0の並列実行コマンド（P-0）のみ実行可";
  if (trigger == kTriggerBeforeStart) return "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可";
  return " ";
}

int TriggerHasTarget(int trigger) {
  switch (trigger) {
    case 1: case 2: case 4: case 7: case 16: case 17: case 18: case 19: case 20: return 1;
    default: return 0;
  }
}

void ApplyTriggerRule(cFlowData& flow, bool inherited) {
  if (inherited) return;
  if (flow.m_cTrigger != kTriggerAlways) flow.m_cGroup = 0;
  if (!TriggerHasTarget(flow.m_cTrigger)) flow.m_bTriggerTarget = 0;
}

void FlowPageStates(const cFlowData& shown, const cEdChara& chara, const cFlowPageView& view, cCtrlStates& states) {
  bool standalone = view.m_nMode == kFlowModeStandalone;
  bool inherited = !standalone && kFlowInheritGroup < chara.m_bbInherit.Count() &&
                   chara.m_bbInherit[kFlowInheritGroup] != 0;
  states.Show(1000, standalone);
  states.Show(1001, standalone);
  states.Show(kIdcFlowTestButton, false);
  if (standalone) {
    for (uint16_t id : kNavigationAndPreview) states.Show(id, false);
  } else {
    NavigationStates(view.m_Page, states);
    states.Enable(kIdcFlowInherit, chara.m_cInheritPalette != 0);
    states.Check(kIdcFlowInherit, inherited);
  }
  states.EnableAll(kFlowEditorCtrls, 26, !inherited);
  states.SetText(kIdcFlowNote, TriggerNote(shown.m_cTrigger));
  if (inherited) return;
  states.Enable(kIdcFlowGroup, shown.m_cTrigger == kTriggerAlways);
  states.Enable(kIdcFlowTargetCheck, TriggerHasTarget(shown.m_cTrigger) != 0);
  states.Enable(kIdcFlowTarget, shown.m_bTriggerTarget != 0);
  // "変更" keeps every flow's ID letter.
  if (standalone && view.m_nFlowOperation == kFlowOpChange) states.Enable(kIdcFlowId, false);
}


#include "editors/CondDialogRules.h"

#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "model/VariableVocabulary.h"
#include "stage/cStageDoc.h"

using D = cCondData;

namespace {
constexpr int kLayerChara = 1;
constexpr int kSubjectCount = 5;

const cNumField<D> kValueField[1] = {{1046, 1047, &D::m_nValue, -999999, 999999, kNoGroup}};
// The variable combos' rows are VariableRows of their scope.
const cComboField<D> kCommonVarCombos[2] = {
    {1045, &D::m_nNumber, nullptr, 1, kNoGroup},
    {1048, &D::m_cCompare, CompareNames, 0, kNoGroup},
};
const cComboField<D> kStageVarCombos[2] = {
    {1049, &D::m_nNumber, nullptr, 1, kNoGroup},
    {1048, &D::m_cCompare, CompareNames, 0, kNoGroup},
};
const cComboField<D> kCharaVarCombos[2] = {
    {1429, &D::m_nNumber, CharaVarNames, 1, kNoGroup},
    {1048, &D::m_cCompare, CompareNames, 0, kNoGroup},
};
// The subject rows are BuildSubjectNames without "システム".
const cComboField<D> kStatus3Combos[3] = {
    {11174, &D::m_cSubject, nullptr, 0, kNoGroup},
    {1173, &D::m_cStatus, StateCheckNames, 0, kNoGroup},
    {1048, &D::m_cCompare, NaraNames, 0, kNoGroup},
};
const cNumField<D> kDistanceNums[2] = {
    {1183, 1184, &D::m_nValue, 0, 40, kNoGroup},
    {1185, 1186, &D::m_nRightNumber, -15, 15, kNoGroup},
};
// The range colours are the stage's hit-box colours.
const cComboField<D> kDistanceCombos[5] = {
    {1464, &D::m_cSubject, DistanceSubjectNames, 0, kNoGroup},
    {1049, &D::m_cAxis, DistanceAxisNames, 0, kNoGroup},
    {1048, &D::m_cCompare, DistanceRangeNames, 0, kNoGroup},
    {kIdcCondRangeShow, &D::m_cLeftKind, RangeShowNames, 0, kNoGroup},
    {kIdcCondRangeColour, &D::m_cStatus, HitBoxColorNames, 0, kNoGroup},
};
const cCheckField<D> kDistanceChecks[2] = {
    {kIdcCondShowUnborn, &D::m_cRightKind, kNoGroup},
    {kIdcCondShowTransparent, &D::m_cRightSubject, kNoGroup},
};
}  // namespace

const cDlgCondKindEntry kCondKindEntries[kCondKindCount] = {
    {0, 0, nullptr, 0, nullptr, 0, nullptr, 0},
    {1267, 196, kValueField, 1, kCommonVarCombos, 2, nullptr, 0},
    {1268, 197, kValueField, 1, kStageVarCombos, 2, nullptr, 0},
    {1269, 218, kValueField, 1, kCharaVarCombos, 2, nullptr, 0},
    {1270, 269, nullptr, 0, nullptr, 0, nullptr, 0},
    {1271, 274, nullptr, 0, nullptr, 0, nullptr, 0},
    {1272, 275, nullptr, 0, kStatus3Combos, 3, nullptr, 0},
    {kIdcCondDistanceButton, 219, kDistanceNums, 2, kDistanceCombos, 5, kDistanceChecks, 2},
};

uint16_t CondKindButton(int kind) {
  return kind > 0 && kind < kCondKindCount ? kCondKindEntries[kind].m_nButton : 0;
}

int CondKindOfButton(uint16_t id) {
  for (int kind = 1; kind < kCondKindCount; ++kind)
    if (id != 0 && kCondKindEntries[kind].m_nButton == id) return kind;
  return 0;
}

void CondChooserStates(int listKind, int layer, cCtrlStates& states) {
  for (int kind = 1; kind < kCondKindCount; ++kind)
    states.SetText(kCondKindEntries[kind].m_nButton, CondKindNames[kind]);
  states.Enable(kIdcCondDistanceButton, !(listKind == 0 && layer != kLayerChara));
}

int CondKindDialogAnchor(const cOpenSheets& sheets) {
  if (sheets.m_bBlock) return kCondAnchorBlockPage;
  if (sheets.m_bChara) return sheets.m_nPage == 0 ? kCondAnchorCharaBasicPage : kCondAnchorCharaFlowPage;
  if (sheets.m_bItem) return sheets.m_nPage == 0 ? kCondAnchorItemPage : kCondAnchorItemFlowPage;
  return kCondAnchorNone;
}

void BuildSubjectNames(cVector<cString>& list, int withSystem, const cOpenSheets& sheets) {
  list.clear();
  const cString* names = nullptr;
  if (sheets.m_bBlock) names = HeroSubjectNames;
  else if (sheets.m_bChara) names = SelfSubjectNames;
  else if (sheets.m_bItem) names = sheets.m_nPage == 1 && sheets.m_bItemEffectChooser ? SelfSubjectNames : HeroSubjectNames;
  // Without a sheet there is no subject 0, and "システム" must not stand in for it.
  if (!names) return;
  list.assign(names, names + kSubjectCount);
  if (withSystem) list.push_back("システム");
}

void WriteCondDefaults(cCondData& cond) {
  switch (cond.m_cKind) {
    case kCondStatus:
      cond.m_nNumber = 1;
      cond.m_nRightNumber = 1;
      break;
    case kCondStatus2: cond.m_cStatus = 1; break;
    case kCondDistance:
      cond.m_nValue = 10;
      cond.m_nRightNumber = 0;
      cond.m_cRightKind = 1;
      cond.m_cRightSubject = 1;
      break;
    default: break;
  }
}

namespace {
cCondData* OpenCond(const cCondEditContext& context) {
  if (context.m_bNew) WriteCondDefaults(*context.m_pCond);
  return context.m_pCond;
}
}  // namespace

cCondEdit::cCondEdit(const cCondEditContext& context) : cRecordEdit(OpenCond(context)), m_Context(context) {}

void DistanceCondStates(const cCondData& shown, cCtrlStates& states) {
  bool shownRange = shown.m_cLeftKind != 0;
  for (uint16_t id : {kIdcCondRangeColour, kIdcCondShowUnborn, kIdcCondShowTransparent}) states.Enable(id, shownRange);
}

cVector<cString> VariableRows(int scope) {
  cVector<cString> rows;
  rows.reserve(kVariableRowCount);
  for (int number = 1; number <= kVariableRowCount; ++number) {
    cString row;
    row.Format("%03d %s", number, VariableName(scope, number).c_str());
    rows.push_back(row);
  }
  return rows;
}

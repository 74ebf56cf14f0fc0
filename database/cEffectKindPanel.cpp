#include "database/cEffectKindPanel.h"

#include <algorithm>

const cEffectKindFamily kCharaEffectFamily = {CharaEffectNames, CharaEffectNotes, CharaEffectParams, kCharaEffectKinds, 1};
const cEffectKindFamily kScrEffectFamily = {ScrEffectNames, ScrEffectNotes, ScrEffectParams, kScrEffectKinds, 0};

const int kParamEditIds[kEffectParams] = {1160, 1161, 1162, 1169, 1171};
const int kParamSpinIds[kEffectParams] = {1163, 1164, 1057, 1058, 1059};
const int kParamLabelIds[kEffectParams] = {1165, 1166, 1167, 1168, 1170};

namespace {
const int kColourParam = 3;
}  // namespace

void cEffectKindPanel::ShowRecord(const cEffectKindData& record) {
  m_nItem = IsKind(record.m_nKind) ? record.m_nKind - 1 : -1;
  for (int i = 0; i < kEffectParams; ++i) m_aParam[i].m_nValue = record.m_anParam[i];
}

void cEffectKindPanel::StoreRecord(cEffectKindData& record) const {
  if (m_nItem >= 0) record.m_nKind = Kind();
  for (int i = 0; i < kEffectParams; ++i) record.m_anParam[i] = m_aParam[i].m_nValue;
}

void cEffectKindPanel::TypeValue(int param, int64_t value) {
  cParamEdit& edit = m_aParam[param];
  edit.m_nValue = static_cast<int32_t>(std::clamp<int64_t>(value, edit.m_nMin, edit.m_nMax));
}

void cEffectKindPanel::ChooseItem(int item) {
  m_nItem = item;
  int defaults = IsKind(Kind()) && m_cPrevKind != -1 && m_cPrevKind != Kind();
  UpdateKindControls(1, 1);
  if (defaults) return;
  for (int i = 0; i < kEffectParams; ++i) TypeValue(i, m_aParam[i].m_nValue);
}

void cEffectKindPanel::UpdateKindControls(int setRange, int setDefaults) {
  int kind = Kind();
  bool known = IsKind(kind);
  m_strNote = known ? m_Family.m_pNotes[kind - 1] : cString();
  for (int i = 0; i < kEffectParams; ++i) {
    cParamEdit& edit = m_aParam[i];
    if (!known) {
      edit.m_strLabel.clear();
      edit.m_bEnabled = 0;
      continue;
    }
    const cEffectParam& row = m_Family.m_pParams[kind][i];
    edit.m_strLabel = row.m_strLabel;
    edit.m_bEnabled = row.m_strLabel.IsEmpty() ? 0 : 1;
    if (setRange) {
      edit.m_nMin = row.m_nMin;
      edit.m_nMax = row.m_nMax;
    }
  }
  m_bSwatchShown = m_Family.m_bSwatch && kind == kColourChangeKind ? 1 : 0;
  if (!known) return;
  if (setDefaults && m_cPrevKind != -1 && m_cPrevKind != kind)
    for (int i = 0; i < kEffectParams; ++i) TypeValue(i, m_Family.m_pParams[kind][i].m_nDefault);
  m_cPrevKind = static_cast<int8_t>(kind);
}

int cEffectKindPanel::SwatchColour() const { return std::clamp(m_aParam[kColourParam].m_nValue, 0, 255); }

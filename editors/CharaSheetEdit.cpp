#include "editors/CharaSheetEdit.h"

#include "app/cEditConfig.h"
#include "model/Inheritance.h"
#include "model/cPaletteLists.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

namespace {
const cCharaSheetSetup kSetups[] = {
    {InheritSourceNames, 1, 0, 1},        // placed character
    {InheritSourceNamesCommon, 1, 1, 0},  // stage palette entry
    {InheritSourceNamesNone, 0, 1, 0},    // common palette entry
    {InheritSourceNamesNone, 0, 0, 1},    // project default
};

bool HasPaletteList(int context) { return context == kEditStagePalette || context == kEditCommonPalette; }
}  // namespace

const cCharaSheetSetup& CharaSheetSetup(int context) {
  return context >= kEditPlaced && context <= kEditCommonPalette ? kSetups[context] : kSetups[kEditProjectDefault];
}

cCharaEditTarget CharaEditTargetOf(const cStageEditState& state) {
  cCharaEditTarget target;
  target.m_nContext = state.m_nEditContext;
  target.m_nIndex = state.m_nEditIndex;
  if (state.m_nEditContext == kEditProjectDefault) target.m_pRecord = state.m_pEditChara;
  return target;
}

int CharaSheetStartPage() {
  int page = EditConfig.m_nCharaSheetPage;
  return page >= 0 && page < kCharaPageCount ? page : kCharaPageBasic;
}

int EnsureFlow(cEdChara& chara) {
  if (!chara.m_vFlow.empty()) return 0;
  chara.m_vFlow.push_back(cFlowData());
  return 1;
}

cString EntryNumberText(int index) {
  cString text;
  text.Format("No.%d", index);
  return text;
}

cVector<cEdChara>* cCharaSheetEdit::PaletteList() const {
  if (m_Target.m_nContext == kEditStagePalette) return &g_StageDoc.m_vStageChara;
  if (m_Target.m_nContext == kEditCommonPalette) return &g_CommonPalette.m_vChara;
  return nullptr;
}

int cCharaSheetEdit::Open(const cCharaEditTarget& target) {
  m_bOpen = 0;
  m_vList.Release();
  m_Target = target;
  int index = target.m_nIndex;
  if (target.m_nContext == kEditPlaced) {
    cStageLayer<cEdChara>& layer = g_StageDoc.m_vCharaLayer;
    if (!IsValidIndex(index, layer.Count())) return 0;
    // Only a cell without flows is written, and so unshared from the undo snapshots.
    if (layer.Get(index).m_vFlow.empty()) EnsureFlow(layer.At(index));
    m_Chara = layer.Get(index);
  } else if (HasPaletteList(target.m_nContext)) {
    cVector<cEdChara>& list = *PaletteList();
    if (!IsValidIndex(index, list.Count())) return 0;
    EnsureFlow(list[index]);
    m_vList = list;
    m_Chara = m_vList[index];
  } else if (target.m_nContext == kEditProjectDefault && target.m_pRecord) {
    EnsureFlow(*target.m_pRecord);
    m_Chara = *target.m_pRecord;
  } else {
    return 0;
  }
  m_Chara.ApplyInheritance();
  m_bOpen = 1;
  return 1;
}

int cCharaSheetEdit::CanStep() const {
  if (!m_bOpen || !HasPaletteList(m_Target.m_nContext)) return 0;
  int count = m_vList.Count();
  bool shownIsEntry = m_Target.m_nIndex >= 1 && m_Target.m_nIndex < count;
  int others = count - 1 - (shownIsEntry ? 1 : 0);
  return others >= 1 ? 1 : 0;
}

const cEdChara* cCharaSheetEdit::Step(int delta, const cEdChara& shown) {
  if (!CanStep()) return nullptr;
  m_vList[m_Target.m_nIndex] = shown;
  int32_t index = m_Target.m_nIndex;
  WrapStep(&index, delta < 0 ? -1 : 1, 1, m_vList.Count() - 1);
  m_Target.m_nIndex = index;
  g_StageEditState.m_nEditIndex = index;
  EnsureFlow(m_vList[index]);
  m_Chara = m_vList[index];
  return &m_vList[index];
}

int cCharaSheetEdit::Commit(int currentPage) {
  EditConfig.m_nCharaSheetPage = currentPage;
  if (!m_bOpen) return 0;
  int index = m_Target.m_nIndex;
  switch (m_Target.m_nContext) {
    case kEditPlaced: {
      cStageLayer<cEdChara>& layer = g_StageDoc.m_vCharaLayer;
      if (!IsValidIndex(index, layer.Count())) return 0;
      g_StageEditState.PushUndo(kLayerFlagChara, g_StageDoc);
      layer.At(index) = m_Chara;
      g_StageEditState.m_bStageModified = 1;
      return 1;
    }
    case kEditStagePalette:
    case kEditCommonPalette: {
      // Every entry visited with previous and next is written with the shown one.
      m_vList[index] = m_Chara;
      *PaletteList() = m_vList;
      bool stage = m_Target.m_nContext == kEditStagePalette;
      if (stage) g_StageDoc.RefreshCharasFromStage();
      else g_StageDoc.RefreshCharasFromCommon();
      (stage ? g_StageEditState.m_bStageModified : g_StageEditState.m_bCommonModified) = 1;
      return 1;
    }
    default:
      // The project options sheet saves its file itself.
      *m_Target.m_pRecord = m_Chara;
      return 1;
  }
}

void cCharaSheetEdit::Cancel(int currentPage) { EditConfig.m_nCharaSheetPage = currentPage; }

void RelayChara(cEdChara* const (&copies)[kCharaPageCount], const cEdChara& chara, int fromPage) {
  if (fromPage < 0 || fromPage >= kCharaPageCount) return;
  for (int page = 0; page < kCharaPageCount; ++page)
    if (page != fromPage && copies[page]) *copies[page] = chara;
}

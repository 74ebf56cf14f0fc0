#include "editors/SheetEdit.h"

#include "app/cEditConfig.h"
#include "editors/CharaSheetEdit.h"
#include "model/Inheritance.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

namespace {
const cSheetSetup kSetups[] = {
    {InheritSourceNames, 1, 0, 1},        // placed object
    {InheritSourceNamesCommon, 1, 1, 0},  // stage palette entry
    {InheritSourceNamesNone, 0, 1, 0},    // common palette entry
    {InheritSourceNamesNone, 0, 0, 1},    // project default
};

bool HasPaletteList(int context) { return context == kEditStagePalette || context == kEditCommonPalette; }

// What differs between the three kinds of sheet.
template <class T>
struct cSheetKind;

template <>
struct cSheetKind<cEdBlock> {
  static constexpr int kKind = 0;
  static constexpr int kLayerFlag = kLayerFlagBlock;
  static constexpr int kPages = 1;
  static cStageLayer<cEdBlock>& Layer() { return g_StageDoc.m_vBlockLayer; }
  static cVector<cEdBlock>& StageList() { return g_StageDoc.m_vStageBlock; }
  static cVector<cEdBlock>& CommonList() { return g_CommonPalette.m_vBlock; }
  static int32_t& StoredPage() { return EditConfig.m_nBlockSheetPage; }
  static cEdBlock* EditPointer(const cStageEditState& state) { return state.m_pEditBlock; }
  static void Refresh(bool stage) {
    stage ? g_StageDoc.RefreshBlocksFromStage() : g_StageDoc.RefreshBlocksFromCommon();
  }
  static bool NeedsPreparing(const cEdBlock&) { return false; }
  static void Prepare(cEdBlock&) {}
};

template <>
struct cSheetKind<cEdChara> {
  static constexpr int kKind = 1;
  static constexpr int kLayerFlag = kLayerFlagChara;
  static constexpr int kPages = kCharaPageCount;
  static cStageLayer<cEdChara>& Layer() { return g_StageDoc.m_vCharaLayer; }
  static cVector<cEdChara>& StageList() { return g_StageDoc.m_vStageChara; }
  static cVector<cEdChara>& CommonList() { return g_CommonPalette.m_vChara; }
  static int32_t& StoredPage() { return EditConfig.m_nCharaSheetPage; }
  static cEdChara* EditPointer(const cStageEditState& state) { return state.m_pEditChara; }
  static void Refresh(bool stage) {
    stage ? g_StageDoc.RefreshCharasFromStage() : g_StageDoc.RefreshCharasFromCommon();
  }
  // A character is edited with at least one flow, which it keeps even when the sheet is cancelled.
  static bool NeedsPreparing(const cEdChara& chara) { return chara.m_vFlow.empty(); }
  static void Prepare(cEdChara& chara) { EnsureFlow(chara); }
};

template <>
struct cSheetKind<cEdItem> {
  static constexpr int kKind = 2;
  static constexpr int kLayerFlag = kLayerFlagItem;
  static constexpr int kPages = 2;
  static cStageLayer<cEdItem>& Layer() { return g_StageDoc.m_vItemLayer; }
  static cVector<cEdItem>& StageList() { return g_StageDoc.m_vStageItem; }
  static cVector<cEdItem>& CommonList() { return g_CommonPalette.m_vItem; }
  static int32_t& StoredPage() { return EditConfig.m_nItemSheetPage; }
  static cEdItem* EditPointer(const cStageEditState& state) { return state.m_pEditItem; }
  static void Refresh(bool stage) {
    stage ? g_StageDoc.RefreshItemsFromStage() : g_StageDoc.RefreshItemsFromCommon();
  }
  static bool NeedsPreparing(const cEdItem&) { return false; }
  static void Prepare(cEdItem&) {}
};
}  // namespace

const cSheetSetup& SheetSetup(int context) {
  return context >= kEditPlaced && context <= kEditCommonPalette ? kSetups[context] : kSetups[kEditProjectDefault];
}

cString EntryNumberText(int index) {
  cString text;
  text.Format("No.%d", index);
  return text;
}

template <class T>
cSheetEditTarget<T> SheetEditTargetOf(const cStageEditState& state) {
  cSheetEditTarget<T> target;
  target.m_nContext = state.m_nEditContext;
  target.m_nIndex = state.m_nEditIndex;
  if (state.m_nEditContext == kEditProjectDefault) target.m_pRecord = cSheetKind<T>::EditPointer(state);
  return target;
}

template <class T>
int SheetKind() {
  return cSheetKind<T>::kKind;
}

template <class T>
int SheetPageCount() {
  return cSheetKind<T>::kPages;
}

template <class T>
int SheetStartPage() {
  int page = cSheetKind<T>::StoredPage();
  return page >= 0 && page < cSheetKind<T>::kPages ? page : 0;
}

template <class T>
cVector<T>* cSheetEdit<T>::PaletteList() const {
  if (m_Target.m_nContext == kEditStagePalette) return &cSheetKind<T>::StageList();
  if (m_Target.m_nContext == kEditCommonPalette) return &cSheetKind<T>::CommonList();
  return nullptr;
}

template <class T>
int cSheetEdit<T>::Open(const cSheetEditTarget<T>& target) {
  using Kind = cSheetKind<T>;
  m_bOpen = 0;
  m_vList.Release();
  m_Target = target;
  int index = target.m_nIndex;
  if (target.m_nContext == kEditPlaced) {
    cStageLayer<T>& layer = Kind::Layer();
    if (!IsValidIndex(index, layer.Count())) return 0;
    // Only a cell that needs preparing is written, and so unshared from the undo snapshots.
    if (Kind::NeedsPreparing(layer.Get(index))) Kind::Prepare(layer.At(index));
    m_Record = layer.Get(index);
  } else if (HasPaletteList(target.m_nContext)) {
    cVector<T>& list = *PaletteList();
    if (!IsValidIndex(index, list.Count())) return 0;
    Kind::Prepare(list[index]);
    m_vList = list;
    m_Record = m_vList[index];
  } else if (target.m_nContext == kEditProjectDefault && target.m_pRecord) {
    Kind::Prepare(*target.m_pRecord);
    m_Record = *target.m_pRecord;
  } else {
    return 0;
  }
  m_Record.ApplyInheritance();
  m_bOpen = 1;
  return 1;
}

template <class T>
int cSheetEdit<T>::CanStep() const {
  if (!m_bOpen || !HasPaletteList(m_Target.m_nContext)) return 0;
  int count = m_vList.Count();
  bool shownIsEntry = m_Target.m_nIndex >= 1 && m_Target.m_nIndex < count;
  int others = count - 1 - (shownIsEntry ? 1 : 0);
  return others >= 1 ? 1 : 0;
}

template <class T>
const T* cSheetEdit<T>::Step(int delta, const T& shown) {
  if (!CanStep()) return nullptr;
  m_vList[m_Target.m_nIndex] = shown;
  int32_t index = m_Target.m_nIndex;
  WrapStep(&index, delta < 0 ? -1 : 1, 1, m_vList.Count() - 1);
  m_Target.m_nIndex = index;
  g_StageEditState.m_nEditIndex = index;
  cSheetKind<T>::Prepare(m_vList[index]);
  m_Record = m_vList[index];
  return &m_vList[index];
}

template <class T>
int cSheetEdit<T>::Commit(int currentPage) {
  using Kind = cSheetKind<T>;
  Kind::StoredPage() = currentPage;
  if (!m_bOpen) return 0;
  int index = m_Target.m_nIndex;
  switch (m_Target.m_nContext) {
    case kEditPlaced: {
      cStageLayer<T>& layer = Kind::Layer();
      if (!IsValidIndex(index, layer.Count())) return 0;
      // Through the stage editor, whose undo and redo buttons follow the new step.
      if (cStageEditView* editor = g_StageEditState.m_pView) editor->PushUndo(Kind::kLayerFlag);
      layer.At(index) = m_Record;
      g_StageEditState.m_bStageModified = 1;
      return 1;
    }
    case kEditStagePalette:
    case kEditCommonPalette: {
      // Every entry visited with previous and next is written with the shown one.
      m_vList[index] = m_Record;
      *PaletteList() = m_vList;
      bool stage = m_Target.m_nContext == kEditStagePalette;
      Kind::Refresh(stage);
      (stage ? g_StageEditState.m_bStageModified : g_StageEditState.m_bCommonModified) = 1;
      return 1;
    }
    default:
      // The project options sheet saves its file itself.
      *m_Target.m_pRecord = m_Record;
      return 1;
  }
}

template <class T>
void cSheetEdit<T>::Cancel(int currentPage) {
  cSheetKind<T>::StoredPage() = currentPage;
}

template class cSheetEdit<cEdBlock>;
template class cSheetEdit<cEdChara>;
template class cSheetEdit<cEdItem>;
template cSheetEditTarget<cEdBlock> SheetEditTargetOf<cEdBlock>(const cStageEditState&);
template cSheetEditTarget<cEdChara> SheetEditTargetOf<cEdChara>(const cStageEditState&);
template cSheetEditTarget<cEdItem> SheetEditTargetOf<cEdItem>(const cStageEditState&);
template int SheetKind<cEdBlock>();
template int SheetKind<cEdChara>();
template int SheetKind<cEdItem>();
template int SheetPageCount<cEdBlock>();
template int SheetPageCount<cEdChara>();
template int SheetPageCount<cEdItem>();
template int SheetStartPage<cEdBlock>();
template int SheetStartPage<cEdChara>();
template int SheetStartPage<cEdItem>();

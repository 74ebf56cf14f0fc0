#include "model/Inheritance.h"

#include <algorithm>

#include "app/MessageBox.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"

const cString InheritSourceNames[4] = {"継承しない", "コモンパレット", "ステージパレット", ""};
const cString InheritSourceNamesCommon[3] = {"継承しない", "コモンパレット", ""};
const cString InheritSourceNamesNone[2] = {"継承しない", ""};
const cString InheritSourceNamesStage[3] = {"継承しない", "ステージパレット", ""};

namespace {

// A group of plain members, copied and compared one by one.
template <class T, auto... Members>
struct cMembers {
  static void Copy(T& record, const T& source) { ((record.*Members = source.*Members), ...); }
  static bool Same(const T& record, const T& source) { return ((record.*Members == source.*Members) && ...); }
};

template <class T, auto... Members>
constexpr cInheritGroup<T> Group = {&cMembers<T, Members...>::Copy, &cMembers<T, Members...>::Same};

// The flows of a character: a character left without flows gets one default flow.
struct cFlowGroup {
  static void Copy(cEdChara& record, const cEdChara& source) {
    record.m_vFlow = source.m_vFlow;
    if (record.m_vFlow.empty()) record.m_vFlow.resize(1);
  }
  static bool Same(const cEdChara& record, const cEdChara& source) {
    if (!source.m_vFlow.empty()) return record.m_vFlow == source.m_vFlow;
    return record.m_vFlow.size() == 1 && record.m_vFlow[0] == cFlowData();
  }
};

using B = cEdBlock;
using C = cEdChara;
using I = cEdItem;

}  // namespace

const cInheritGroup<cEdBlock> kBlockInheritGroups[11] = {
    Group<B, &B::m_strName>,
    Group<B, &B::m_vAppearCond, &B::m_cAppearJudge, &B::m_bAppearOnce>,
    Group<B, &B::m_cGraphicSheet, &B::m_nGraphic, &B::m_nGraphicFrame>,
    Group<B, &B::m_bFront>,
    Group<B, &B::m_bTransparent>,
    Group<B, &B::m_cMarkShow, &B::m_nMark>,
    Group<B, &B::m_cBlockType>,
    Group<B, &B::m_cDisabledFaction>,
    Group<B, &B::m_cAction, &B::m_nActionX>,
    Group<B, &B::m_cItemPalette, &B::m_nItemIndex>,
    Group<B, &B::m_bNoBlockSummon>,
};

const cInheritGroup<cEdChara> kCharaInheritGroups[37] = {
    Group<C, &C::m_strName>,
    Group<C, &C::m_cControl, &C::m_cPlayerNo>,
    Group<C, &C::m_cFaction>,
    Group<C, &C::m_cCharaId>,
    Group<C, &C::m_vAppearCond, &C::m_cAppearJudge, &C::m_bAppearOnce>,
    Group<C, &C::m_bFaceRight>,
    Group<C, &C::m_cCloneCount>,
    Group<C, &C::m_nOffsetX, &C::m_nCloneOffsetX, &C::m_bMirrorOffsetX>,
    Group<C, &C::m_nOffsetY, &C::m_nCloneOffsetY, &C::m_bMirrorOffsetY>,
    Group<C, &C::m_cGraphicSheet, &C::m_nGraphic, &C::m_nGraphicFrame>,
    Group<C, &C::m_nAnimeSet>,
    Group<C, &C::m_cZ>,
    Group<C, &C::m_bTransparent>,
    Group<C, &C::m_nStartEffect, &C::m_cStartEffectRun, &C::m_bStartEffectLoop>,
    Group<C, &C::m_nDeathEffect, &C::m_cDeathEffectRun>,
    Group<C, &C::m_cMarkShow, &C::m_nMark>,
    Group<C, &C::m_bFixedFacing>,
    Group<C, &C::m_cFlying>,
    Group<C, &C::m_cInvincible, &C::m_cInvincibleEffect>,
    Group<C, &C::m_bBlock>,
    Group<C, &C::m_cGiant>,
    Group<C, &C::m_bScrollSync>,
    Group<C, &C::m_cViewShape, &C::m_cViewRange>,
    Group<C, &C::m_nHp>,
    Group<C, &C::m_nSp>,
    Group<C, &C::m_cBodyHitRange>,
    Group<C, &C::m_nBodyPower>,
    Group<C, &C::m_cBodyImpact>,
    Group<C, &C::m_nBodyEffect>,
    Group<C, &C::m_nDefence>,
    Group<C, &C::m_cImpactResist>,
    Group<C, &C::m_nStopEase>,
    Group<C, &C::m_cActRange, &C::m_cActJudge>,
    Group<C, &C::m_nGroupNo, &C::m_bHasGroup>,
    Group<C, &C::m_nScore>,
    Group<C, &C::m_bHoldItem>,
    {&cFlowGroup::Copy, &cFlowGroup::Same},
};

const cInheritGroup<cEdItem> kItemInheritGroups[13] = {
    Group<I, &I::m_strName>,
    Group<I, &I::m_vAppearCond, &I::m_cAppearJudge, &I::m_bAppearOnce>,
    Group<I, &I::m_nOffsetX>,
    Group<I, &I::m_nOffsetY>,
    Group<I, &I::m_cGraphicSheet, &I::m_nGraphic, &I::m_nGraphicFrame>,
    Group<I, &I::m_cZ>,
    Group<I, &I::m_bTransparent>,
    Group<I, &I::m_cMarkShow, &I::m_nMark>,
    Group<I, &I::m_cGiant>,
    Group<I, &I::m_cTakeMode>,
    Group<I, &I::m_bShowOnTake>,
    Group<I, &I::m_nSound>,
    Group<I, &I::m_vEffect>,
};

namespace {

template <class T>
struct cKindOf;
template <>
struct cKindOf<cEdBlock> {
  static constexpr cVector<cEdBlock>* cPaletteLists::*kList = &cPaletteLists::m_pvBlock;
  static constexpr const cInheritGroup<cEdBlock>* kGroups = kBlockInheritGroups;
};
template <>
struct cKindOf<cEdChara> {
  static constexpr cVector<cEdChara>* cPaletteLists::*kList = &cPaletteLists::m_pvChara;
  static constexpr const cInheritGroup<cEdChara>* kGroups = kCharaInheritGroups;
};
template <>
struct cKindOf<cEdItem> {
  static constexpr cVector<cEdItem>* cPaletteLists::*kList = &cPaletteLists::m_pvItem;
  static constexpr const cInheritGroup<cEdItem>* kGroups = kItemInheritGroups;
};

// The source entry; null when there is none. *lost is set when the index lies outside its list.
template <class T>
const T* FindSource(const T& record, bool* lost) {
  *lost = false;
  if (record.m_nInheritIndex == 0 || record.m_cInheritPalette == 0) return nullptr;
  cPaletteLists* lists = PaletteLists(record.m_cInheritPalette);
  if (!lists) return nullptr;
  const cVector<T>* list = lists->*cKindOf<T>::kList;
  if (!list || !IsValidIndex(record.m_nInheritIndex, list->Count())) {
    *lost = true;
    return nullptr;
  }
  return &(*list)[record.m_nInheritIndex];
}

// The groups that flags name: below both the flag count and the class's group count.
template <class T>
int FlaggedGroups(const T& record) {
  return std::min(static_cast<int>(record.m_bbInherit.size()), T::kGroupCount);
}

// A source index outside its list drops the palette kind to 0; the index stays.
template <class T>
void Apply(T& record) {
  bool lost;
  const T* source = FindSource(record, &lost);
  if (lost) record.m_cInheritPalette = 0;
  if (!source) return;
  const cInheritGroup<T>* groups = cKindOf<T>::kGroups;
  for (int i = 0; i < FlaggedGroups(record); ++i)
    if (record.m_bbInherit[i] && !groups[i].m_pfnSame(record, *source)) groups[i].m_pfnCopy(record, *source);
}

template <class T>
bool Changes(const T& record) {
  bool lost;
  const T* source = FindSource(record, &lost);
  if (lost) return true;
  if (!source) return false;
  const cInheritGroup<T>* groups = cKindOf<T>::kGroups;
  for (int i = 0; i < FlaggedGroups(record); ++i)
    if (record.m_bbInherit[i] && !groups[i].m_pfnSame(record, *source)) return true;
  return false;
}

}  // namespace

bool InheritanceChanges(const cEdBlock& record) { return Changes(record); }
bool InheritanceChanges(const cEdChara& record) { return Changes(record); }
bool InheritanceChanges(const cEdItem& record) { return Changes(record); }

void cEdBlock::ApplyInheritance() { Apply(*this); }
void cEdChara::ApplyInheritance() { Apply(*this); }
void cEdItem::ApplyInheritance() { Apply(*this); }

int vx_detail::PaletteListCount(int kind, int palette) {
  switch (kind) {
    case 0: return PaletteBlockCount(palette);
    case 1: return PaletteCharaCount(palette);
    case 2: return PaletteItemCount(palette);
  }
  return 0;
}

void vx_detail::ReportInheritFlagCount() {
  DebugBoxF("lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
}

#include "editors/SheetPageRules.h"

#include <cstdint>

#include "editors/CondDialogRules.h"
#include "editors/DatabaseRows.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"

const char* const kDistancePasteRefusal = "「距離条件」の貼り付けはできません！";

namespace {
cVector<cEdBlock>* ListOf(cPaletteLists& lists, const cEdBlock*) { return lists.m_pvBlock; }
cVector<cEdChara>* ListOf(cPaletteLists& lists, const cEdChara*) { return lists.m_pvChara; }
cVector<cEdItem>* ListOf(cPaletteLists& lists, const cEdItem*) { return lists.m_pvItem; }

template <class T>
cVector<T>* SourceList(int palette) {
  cPaletteLists* lists = PaletteLists(palette);
  return lists ? ListOf(*lists, static_cast<const T*>(nullptr)) : nullptr;
}
}  // namespace

void NavigationStates(const cSheetPageView& view, cCtrlStates& states) {
  bool shown = SheetSetup(view.m_nContext).m_bNavigation != 0;
  for (uint16_t id : {kIdcPrevEntry, kIdcNextEntry, kIdcEntryNumber}) states.Show(id, shown);
  if (!shown) return;
  states.Enable(kIdcPrevEntry, view.m_bCanStep != 0);
  states.Enable(kIdcNextEntry, view.m_bCanStep != 0);
  states.SetText(kIdcEntryNumber, EntryNumberText(view.m_nIndex));
}

void SourceComboStates(int context, int sourceKind, uint16_t sourceId, uint16_t indexId, cCtrlStates& states) {
  bool combos = SheetSetup(context).m_bSourceCombos != 0;
  states.Enable(sourceId, combos);
  states.Enable(indexId, combos && sourceKind != 0);
}

template <class T>
void ApplySourceKind(T& record) {
  if (record.m_cInheritPalette == kPaletteNone) {
    for (int8_t& flag : record.m_bbInherit) flag = 0;
  } else if (cVector<T>* list = SourceList<T>(record.m_cInheritPalette)) {
    int count = list->Count();
    if (count >= 2)
      record.m_nInheritIndex = static_cast<int16_t>(std::clamp<int32_t>(record.m_nInheritIndex, 1, count - 1));
  }
  record.ApplyInheritance();
}

template <class T>
cVector<cString> SourceIndexRows(int palette) {
  cVector<T>* list = SourceList<T>(palette);
  return list ? PaletteRows(*list) : cVector<cString>();
}

template void ApplySourceKind<cEdBlock>(cEdBlock&);
template void ApplySourceKind<cEdChara>(cEdChara&);
template void ApplySourceKind<cEdItem>(cEdItem&);
template cVector<cString> SourceIndexRows<cEdBlock>(int);
template cVector<cString> SourceIndexRows<cEdChara>(int);
template cVector<cString> SourceIndexRows<cEdItem>(int);

cObjectGraphicRanges ObjectGraphicRanges(int sheet, int dedicatedCount) {
  switch (sheet) {
    case 1: return {1, 119, 1, 0, 39, 1};
    // A table of one entry or none still leaves cell 1, so the range never turns upside down.
    case 4: return {1, std::max(1, dedicatedCount - 1), 1, 0, 239, 0};
    // Without a frame the disabled edit shows any stored one whole.
    default: return {1, 119, 0, INT16_MIN, INT16_MAX, 1};
  }
}

void ObjectGraphicStates(int sheet, int markShow, bool graphicInherited, bool markInherited, int dedicatedCount,
                         cCtrlStates& states) {
  const cObjectGraphicIds& ids = kObjectGraphicIds;
  cObjectGraphicRanges ranges = ObjectGraphicRanges(sheet, dedicatedCount);
  states.SetRange(ids.m_nCell, ranges.m_nCellMin, ranges.m_nCellMax);
  states.SetRange(ids.m_nFrame, ranges.m_nFrameMin, ranges.m_nFrameMax);
  if (!graphicInherited) {
    states.Enable(ids.m_nFrame, ranges.m_bFrame != 0);
    states.Enable(ids.m_nCellPick, ranges.m_bPicker != 0);
  }
  if (!markInherited) {
    states.Enable(ids.m_nMark, markShow != 0);
    states.Enable(ids.m_nMarkPick, markShow != 0);
  }
}

int RefuseDistancePaste(const cVector<cCondData>& buffer) {
  for (const cCondData& cond : buffer) {
    if (cond.m_cKind != kCondDistance) continue;
    ErrorBox(kDistancePasteRefusal);
    return 1;
  }
  return 0;
}

#pragma once
// What the pages of the block, character and item data sheets share: a page's controls as data
// with the inheritance group of each, the "継承→" rule (a group's controls are enabled exactly
// while its flag is clear), previous, next and "No.%d", the inheritance source combos, the graphic
// sheet limits of blocks and items, and the refused paste of distance conditions.

#include <algorithm>
#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "editors/SheetEdit.h"
#include "model/cCondData.h"

// Controls every page has.
enum : uint16_t {
  kIdcPrevEntry = 1021,
  kIdcNextEntry = 1022,
  kIdcEntryNumber = 1023,
  kIdcSheetPreview = 1060,
  kIdcSheetPreview2 = 1070,  // the second preview of the pages that have two
  kIdcSheetFrameBitmap = 1006,  // the framework's own bitmap, which the block and item pages hide
  kIdcInheritSource = 1268,     // the first pages' "継承パレット"
  kIdcInheritIndex = 1269,      // and "継承データ"
};

// A control of an inheritance group that binds no member (a list, its buttons, a "一覧" button).
struct cGroupCtrl {
  uint16_t m_nId;
  int8_t m_nGroup;
};

// One page: its bound controls, its other group controls, and its "継承→" buttons, button i
// standing for group m_nFirstGroup + i.
template <class R>
struct cPageDesc {
  const cNumField<R>* m_pNum;
  int m_nNum;
  const cComboField<R>* m_pCombo;
  int m_nCombo;
  const cCheckField<R>* m_pCheck;
  int m_nCheck;
  const cTextField<R>* m_pText;
  int m_nText;
  const cGroupCtrl* m_pExtra;
  int m_nExtra;
  const uint16_t* m_pButtons;
  int m_nButtons;
  int m_nFirstGroup;
};

// What a page needs of the sheet for its rules.
struct cSheetPageView {
  int32_t m_nContext = kEditPlaced;
  int32_t m_nIndex = 0;
  int32_t m_bCanStep = 0;
};

template <class T>
cSheetPageView SheetPageView(const cSheetEdit<T>& edit) {
  cSheetPageView view;
  view.m_nContext = edit.Context();
  view.m_nIndex = edit.EditIndex();
  view.m_bCanStep = edit.CanStep();
  return view;
}

// Previous, next and "No.%d": shown in the palette contexts, the two buttons enabled while there
// is another entry to move to.
void NavigationStates(const cSheetPageView& view, cCtrlStates& states);

namespace vx_detail {
template <class Field>
void AddGroupIds(cVector<uint16_t>& ids, const Field* fields, int count, int group) {
  for (int i = 0; i < count; ++i)
    if (fields[i].m_nGroup == group) ids.push_back(fields[i].m_nId);
}
}  // namespace vx_detail

// The controls of one inheritance group on a page, in table order.
template <class R>
cVector<uint16_t> GroupCtrlIds(const cPageDesc<R>& page, int group) {
  cVector<uint16_t> ids;
  vx_detail::AddGroupIds(ids, page.m_pNum, page.m_nNum, group);
  vx_detail::AddGroupIds(ids, page.m_pCombo, page.m_nCombo, group);
  vx_detail::AddGroupIds(ids, page.m_pCheck, page.m_nCheck, group);
  vx_detail::AddGroupIds(ids, page.m_pText, page.m_nText, group);
  vx_detail::AddGroupIds(ids, page.m_pExtra, page.m_nExtra, group);
  return ids;
}

// 1 when the record follows its source for the group.
template <class R>
bool Inherited(const R& record, int group) {
  return group >= 0 && group < record.m_bbInherit.Count() && record.m_bbInherit[group] != 0;
}

// Shared by every page: the "継承→" buttons enabled while the record has a source and checked by
// their flags; every control of a group enabled exactly while its flag is clear; navigation.
template <class R>
void InheritPageStates(const cPageDesc<R>& page, const R& record, const cSheetPageView& view, cCtrlStates& states) {
  bool hasSource = record.m_cInheritPalette != 0;
  for (int i = 0; i < page.m_nButtons; ++i) {
    int group = page.m_nFirstGroup + i;
    states.Enable(page.m_pButtons[i], hasSource);
    states.Check(page.m_pButtons[i], Inherited(record, group));
    for (uint16_t id : GroupCtrlIds(page, group)) states.Enable(id, !Inherited(record, group));
  }
  NavigationStates(view, states);
}

// "継承パレット" and "継承データ": changeable as the context allows, the entry only with a source.
void SourceComboStates(int context, int sourceKind, uint16_t sourceId, uint16_t indexId, cCtrlStates& states);

// "継承パレット" changed (and every refresh): "継承しない" clears the flags of every group, those
// of the other pages too; a palette keeps the source index on one of its entries 1 .. count - 1.
// Then the inheritance is resolved, so inherited groups show the source's values. For cEdBlock,
// cEdChara and cEdItem.
template <class T>
void ApplySourceKind(T& record);
// Rows of "継承データ": entries 1 .. count - 1 of the palette kind's list of the record's kind
// (none for another kind); row r stands for index r + 1.
template <class T>
cVector<cString> SourceIndexRows(int palette);

// The graphic sheet limits of blocks and items: graphic number, frame (enabled only for "キャラ"
// and "専用bmp") and whether the "一覧" picker can show the sheet.
struct cObjectGraphicRanges {
  int32_t m_nCellMin;
  int32_t m_nCellMax;
  int32_t m_bFrame;
  int32_t m_nFrameMin;
  int32_t m_nFrameMax;
  int32_t m_bPicker;
};
cObjectGraphicRanges ObjectGraphicRanges(int sheet, int dedicatedCount);

// The graphic controls of a block or item page: the limits of the number and frame edits by sheet
// and, unless the group is inherited, the frame edit and picker by sheet and the mark number and
// its picker by the mark kind.
struct cObjectGraphicIds {
  uint16_t m_nCell;
  uint16_t m_nFrame;
  uint16_t m_nCellPick;
  uint16_t m_nMark;
  uint16_t m_nMarkPick;
};
constexpr cObjectGraphicIds kObjectGraphicIds = {1036, 1038, 1446, 11040, 1445};
void ObjectGraphicStates(int sheet, int markShow, bool graphicInherited, bool markInherited, int dedicatedCount,
                         cCtrlStates& states);
// Holds the graphic number and, where it has one, the frame to the sheet's limits, as the edits
// store them once their limits follow the sheet.
template <class T>
void ClampObjectGraphic(T& record, int dedicatedCount) {
  cObjectGraphicRanges ranges = ObjectGraphicRanges(record.m_cGraphicSheet, dedicatedCount);
  int32_t graphic = std::clamp<int32_t>(record.m_nGraphic, ranges.m_nCellMin, ranges.m_nCellMax);
  record.m_nGraphic = static_cast<int16_t>(graphic);
  if (!ranges.m_bFrame) return;
  int32_t frame = std::clamp<int32_t>(record.m_nGraphicFrame, ranges.m_nFrameMin, ranges.m_nFrameMax);
  record.m_nGraphicFrame = static_cast<int16_t>(frame);
}

// The appearance-condition lists of the data sheets refuse a paste whose copy buffer holds a
// distance condition anywhere, with this message; the flow-operation command's list does not.
extern const char* const kDistancePasteRefusal;
// 1 when the paste is refused; the message has then been shown and nothing may be pasted.
int RefuseDistancePaste(const cVector<cCondData>& buffer);

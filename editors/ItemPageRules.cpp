#include "editors/ItemPageRules.h"

#include "model/cCondData.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cPaletteLists.h"

using I = cEdItem;

const cNumField<I> kItemPage1NumFields[6] = {
    {1040, 1045, &I::m_nOffsetX, -640, 640, 2},
    {1048, 1049, &I::m_nOffsetY, -640, 640, 3},
    {kObjectGraphicIds.m_nCell, 1037, &I::m_nGraphic, 1, 999, 4},  // limits by sheet: ObjectGraphicRanges
    {kObjectGraphicIds.m_nFrame, 1039, &I::m_nGraphicFrame, 0, 999, 4},
    {1256, 1257, &I::m_cZ, 0, 7, 5},
    {kObjectGraphicIds.m_nMark, 1047, &I::m_nMark, 0, 119, 7},
};
const cComboField<I> kItemPage1ComboFields[6] = {
    {kIdcItemSource, &I::m_cInheritPalette, nullptr, 0, kNoGroup},      // SheetSetup(context).m_pSources
    {kIdcItemSourceIndex, &I::m_nInheritIndex, nullptr, 1, kNoGroup},  // SourceIndexRows<cEdItem>
    {1255, &I::m_cAppearJudge, CondJudgeNames, 0, 1},
    {kIdcItemSheet, &I::m_cGraphicSheet, GraphicSheetNames, 0, 4},
    {1258, &I::m_bTransparent, OnOffNames, 0, 6},
    {1260, &I::m_cMarkShow, MarkShowNames, 0, 7},
};
const cCheckField<I> kItemPage1CheckFields[1] = {{1051, &I::m_bAppearOnce, 1}};
const cTextField<I> kItemPage1TextFields[1] = {{kIdcItemName, &I::m_strName, 20, 0}};
const cGroupCtrl kItemPage1ExtraCtrls[6] = {
    {kIdcItemCondList, 1},   {kIdcItemCondInsert, 1}, {kIdcItemCondEdit, 1},
    {kIdcItemCondDelete, 1}, {kIdcItemCellPick, 4},   {kIdcItemMarkPick, 7},
};
const uint16_t kItemPage1InheritButtons[8] = {1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031};
const cPageDesc<I> kItemPage1 = {kItemPage1NumFields,  6, kItemPage1ComboFields, 6, kItemPage1CheckFields,
                                     1, kItemPage1TextFields, 1, kItemPage1ExtraCtrls,  6, kItemPage1InheritButtons,
                                     8, 0};

const cComboField<I> kItemPage2ComboFields[3] = {
    {kIdcItemGiant, &I::m_cGiant, GiantNames, 1, 8},  // "しない" stores 1
    {kIdcItemTakeMode, &I::m_cTakeMode, TakeModeNames, 0, 9},
    {kIdcItemSound, &I::m_nSound, nullptr, 0, 11},  // SoundRows
};
const cCheckField<I> kItemPage2CheckFields[1] = {{kIdcItemShowOnTake, &I::m_bShowOnTake, 10}};
const cGroupCtrl kItemPage2ExtraCtrls[4] = {
    {kIdcItemCommandList, 12}, {kIdcItemCommandInsert, 12}, {kIdcItemCommandEdit, 12}, {kIdcItemCommandDelete, 12}};
const uint16_t kItemPage2InheritButtons[5] = {1024, 1025, 1026, 1027, 1028};
const cPageDesc<I> kItemPage2 = {nullptr, 0, kItemPage2ComboFields, 3, kItemPage2CheckFields,    1,
                                     nullptr, 0, kItemPage2ExtraCtrls,  4, kItemPage2InheritButtons, 5,
                                     8};

namespace {
constexpr int kGroupGraphic = 4;
constexpr int kGroupMark = 7;
}  // namespace

void ApplyItemPage1Rules(cEdItem& shown, int dedicatedCount, uint16_t changed) {
  ApplySourceKind(shown);
  if (changed == kIdcItemSheet && !Inherited(shown, kGroupGraphic)) ClampObjectGraphic(shown, dedicatedCount);
}

void ItemPage1States(const cEdItem& shown, const cSheetPageView& view, int dedicatedCount, cCtrlStates& states) {
  InheritPageStates(kItemPage1, shown, view, states);
  states.Show(kIdcSheetFrameBitmap, false);
  states.Show(kIdcItemHiddenCheck, false);
  SourceComboStates(view.m_nContext, shown.m_cInheritPalette, kIdcItemSource, kIdcItemSourceIndex, states);
  ObjectGraphicStates(shown.m_cGraphicSheet, shown.m_cMarkShow, Inherited(shown, kGroupGraphic),
                      Inherited(shown, kGroupMark), dedicatedCount, states);
}

void ItemPage2States(const cEdItem& shown, const cSheetPageView& view, cCtrlStates& states) {
  InheritPageStates(kItemPage2, shown, view, states);
  states.Show(kIdcSheetFrameBitmap, false);
}

int ItemCommandActionAllowed(uint16_t id, int curSel, int curIndex) {
  switch (id) {
    case kIdcItemCommandInsert:
    case kItemCommandPopupInsert:
    case kItemCommandAccelInsert: return curSel != -1 ? 1 : 0;
    case kIdcItemCommandEdit:
    case kIdcItemCommandDelete:
    case 0: return curIndex != -1 ? 1 : 0;
    default: return 0;
  }
}

int IsItemCommandPaste(uint16_t id) { return id == kItemCommandAccelPaste || id == kItemCommandPopupPaste ? 1 : 0; }

void ValidatePastedCommand(cVector<cCommandData>& commands, int currentIndex) {
  if (IsValidIndex(currentIndex, commands.Count())) commands[currentIndex].ValidatePaletteRefs();
}

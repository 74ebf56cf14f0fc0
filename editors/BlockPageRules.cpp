#include "editors/BlockPageRules.h"

#include <algorithm>

#include "model/cCondData.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"

using B = cEdBlock;

const cNumField<B> kBlockNumFields[4] = {
    {kIdcBlockCell, 1037, &B::m_nGraphic, 1, 999, 2},  // limits by sheet: ObjectGraphicRanges
    {kIdcBlockFrame, 1039, &B::m_nGraphicFrame, 0, 999, 2},
    {kIdcBlockMark, 1047, &B::m_nMark, 0, 119, 5},
    {kIdcBlockActionX, 1087, &B::m_nActionX, -999, 999, 8},  // limits by action: kBlockActions
};
const cComboField<B> kBlockComboFields[11] = {
    {kIdcBlockSource, &B::m_cInheritPalette, nullptr, 0, kNoGroup},      // SheetSetup(context).m_pSources
    {kIdcBlockSourceIndex, &B::m_nInheritIndex, nullptr, 1, kNoGroup},  // SourceIndexRows<cEdBlock>
    {kIdcBlockJudge, &B::m_cAppearJudge, CondJudgeNames, 0, 1},
    {kIdcBlockSheet, &B::m_cGraphicSheet, GraphicSheetNames, 0, 2},
    {kIdcBlockTransparent, &B::m_bTransparent, OnOffNames, 0, 4},
    {kIdcBlockMarkShow, &B::m_cMarkShow, MarkShowNames, 0, 5},
    {kIdcBlockType, &B::m_cBlockType, BlockTypeNames, 0, 6},
    {kIdcBlockFaction, &B::m_cDisabledFaction, FactionNames, -1, 7},  // "なし" stores 255
    {kIdcBlockAction, &B::m_cAction, BlockActionNames, 0, 8},
    {kIdcBlockItemPalette, &B::m_cItemPalette, nullptr, 0, 9},  // BlockItemPaletteRows(context)
    {kIdcBlockItemIndex, &B::m_nItemIndex, nullptr, 1, 9},      // BlockItemIndexRows(palette)
};
const cCheckField<B> kBlockCheckFields[3] = {
    {kIdcBlockOnce, &B::m_bAppearOnce, 1},
    {kIdcBlockFront, &B::m_bFront, 3},
    {kIdcBlockNoSummon, &B::m_bNoBlockSummon, 10},
};
const cTextField<B> kBlockTextFields[1] = {{kIdcBlockName, &B::m_strName, 20, 0}};
const cGroupCtrl kBlockExtraCtrls[6] = {
    {kIdcBlockCondList, 1}, {kIdcBlockCondInsert, 1}, {kIdcBlockCondEdit, 1},
    {kIdcBlockCondDelete, 1}, {kIdcBlockCellPick, 2}, {kIdcBlockMarkPick, 5},
};
const uint16_t kBlockInheritButtons[cEdBlock::kGroupCount] = {1024, 1025, 1026, 1027, 1028, 1029,
                                                               1030, 1031, 1032, 1033, 1034};
const cPageDesc<B> kBlockPage = {kBlockNumFields,   4, kBlockComboFields, 11, kBlockCheckFields,    3,
                                     kBlockTextFields,  1, kBlockExtraCtrls,  6,  kBlockInheritButtons, 11,
                                     0};

const cBlockAction kBlockActions[kBlockActionCount] = {
    {0, 0, 0},      // なし
    {1, 20, 7},     // ジャンプ X=高さ(hbl)
    {0, 0, 0},      // ジャンプ禁止
    {0, 500, 200},  // 移動速度変更 X=％
    {1, 200, 30},   // 左移動 X=移動速度
    {1, 200, 30},   // 右移動 X=移動速度
};

namespace {
constexpr int kGroupGraphic = 2;
constexpr int kGroupMark = 5;
constexpr int kGroupAction = 8;
constexpr int kGroupItem = 9;
}  // namespace

const cBlockAction* BlockActionOf(int action) {
  return action >= 0 && action < kBlockActionCount ? &kBlockActions[action] : nullptr;
}

void cBlockActionMemory::Apply(cEdBlock& shown, bool chosen) {
  const cBlockAction* action = BlockActionOf(shown.m_cAction);
  if (action && chosen && m_nLast != shown.m_cAction) shown.m_nActionX = action->m_nDefault;
  m_nLast = shown.m_cAction;
}

const cString* BlockItemPaletteRows(int context) {
  return context == kEditPlaced || context == kEditStagePalette ? ItemPaletteNames : ItemPaletteNamesCommon;
}

cVector<cString> BlockItemIndexRows(int palette) { return SourceIndexRows<cEdItem>(palette); }

void FitBlockItemIndex(cEdBlock& shown) {
  int count = PaletteItemCount(shown.m_cItemPalette);
  if (count >= 2) shown.m_nItemIndex = static_cast<int16_t>(std::clamp<int32_t>(shown.m_nItemIndex, 1, count - 1));
}

void ApplyBlockPageRules(cEdBlock& shown, cBlockActionMemory& action, int dedicatedCount, uint16_t changed) {
  ApplySourceKind(shown);
  // A control of an inherited group is disabled, and its handler then does nothing.
  if (changed == kIdcBlockSheet && !Inherited(shown, kGroupGraphic)) ClampObjectGraphic(shown, dedicatedCount);
  if (!Inherited(shown, kGroupAction)) action.Apply(shown, changed == kIdcBlockAction);
  if (changed == kIdcBlockItemPalette && !Inherited(shown, kGroupItem)) FitBlockItemIndex(shown);
}

void BlockPageStates(const cEdBlock& shown, const cSheetPageView& view, int dedicatedCount, cCtrlStates& states) {
  InheritPageStates(kBlockPage, shown, view, states);
  states.Show(kIdcSheetFrameBitmap, false);
  SourceComboStates(view.m_nContext, shown.m_cInheritPalette, kIdcBlockSource, kIdcBlockSourceIndex, states);
  ObjectGraphicStates(shown.m_cGraphicSheet, shown.m_cMarkShow, Inherited(shown, kGroupGraphic),
                      Inherited(shown, kGroupMark), dedicatedCount, states);
  if (const cBlockAction* action = BlockActionOf(shown.m_cAction)) {
    states.SetRange(kIdcBlockActionX, action->m_nMin, action->m_nMax);
    if (!Inherited(shown, kGroupAction)) states.Enable(kIdcBlockActionX, action->m_nMin != 0 || action->m_nMax != 0);
  }
  if (!Inherited(shown, kGroupItem)) states.Enable(kIdcBlockItemIndex, shown.m_cItemPalette != 0);
}

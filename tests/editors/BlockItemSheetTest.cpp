// The block and item data sheets: their edit contexts (what opening copies in, what a commit writes
// back with its undo step and modified flag, previous and next), their pages' controls and
// inheritance groups, the refresh decisions and value rules, the effect command list and the item
// effect command chooser.
#include <algorithm>
#include <string>

#include "editors/BlockPageRules.h"
#include "editors/CommandEdit.h"
#include "editors/ItemCommandChooser.h"
#include "editors/ItemPageRules.h"
#include "editors/SheetEdit.h"
#include "model/NameTable.h"
#include "model/cCmdKindInfo.h"
#include "tests/editors/EditorTest.h"

namespace {
template <class T>
cSheetEditTarget<T> Target(int context, int index, T* record = nullptr) {
  cSheetEditTarget<T> target;
  target.m_nContext = context;
  target.m_nIndex = index;
  target.m_pRecord = record;
  return target;
}

cSheetPageView PageView(int context, int index = 2, int canStep = 1) {
  cSheetPageView view;
  view.m_nContext = context;
  view.m_nIndex = index;
  view.m_bCanStep = canStep;
  return view;
}

std::string Joined(const cVector<uint16_t>& ids) {
  std::string text;
  for (uint16_t id : ids) text += std::to_string(id) + " ";
  return text;
}

class BlockItemSheetTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    g_StageDoc.m_vStageBlock.Reset(4);
    g_StageDoc.m_vStageItem.Reset(4);
    g_CommonPalette.m_vBlock.Reset(3);
    g_CommonPalette.m_vItem.Reset(3);
    for (int i = 1; i < 4; ++i) {
      g_StageDoc.m_vStageBlock[i] = Named<cEdBlock>(("stage" + std::to_string(i)).c_str());
      g_StageDoc.m_vStageItem[i] = Named<cEdItem>(("stage" + std::to_string(i)).c_str());
    }
    for (int i = 1; i < 3; ++i) {
      g_CommonPalette.m_vBlock[i] = Named<cEdBlock>(("common" + std::to_string(i)).c_str());
      g_CommonPalette.m_vItem[i] = Named<cEdItem>(("common" + std::to_string(i)).c_str());
    }
    g_StageDoc.m_vBlockLayer.At(kPlacedCell) = Named<cEdBlock>("placed");
    g_StageDoc.m_vItemLayer.At(kPlacedCell) = Named<cEdItem>("placed");
    g_ProjectSettings.m_DefBlock = Named<cEdBlock>("default");
    g_ProjectSettings.m_DefItem = Named<cEdItem>("default");
    EditConfig.m_nBlockSheetPage = 0;
    EditConfig.m_nItemSheetPage = 0;
  }

  template <class T>
  void CommitWritesBackByContext(cStageLayer<T>& layer, cVector<T>& stageList, cVector<T>& commonList,
                                 T& projectDefault, int32_t& storedPage) {
    struct cCase {
      int m_nContext, m_nIndex, m_bStageModified, m_bCommonModified, m_nUndo;
    };
    const cCase cases[] = {{kEditPlaced, kPlacedCell, 1, 0, 1},
                           {kEditStagePalette, 2, 1, 0, 0},
                           {kEditCommonPalette, 1, 0, 1, 0},
                           {kEditProjectDefault, 0, 0, 0, 0}};
    for (const cCase& c : cases) {
      SCOPED_TRACE(c.m_nContext);
      SetUp();
      auto record = [&]() -> const T& {
        switch (c.m_nContext) {
          case kEditPlaced: return layer.Get(c.m_nIndex);
          case kEditStagePalette: return stageList[c.m_nIndex];
          case kEditCommonPalette: return commonList[c.m_nIndex];
          default: return projectDefault;
        }
      };
      cSheetEdit<T> edit;
      ASSERT_EQ(edit.Open(Target<T>(c.m_nContext, c.m_nIndex, &projectDefault)), 1);
      edit.Record().m_strName = "新しい名前";
      EXPECT_NE(record().m_strName, "新しい名前");
      EXPECT_EQ(edit.Commit(SheetPageCount<T>() - 1), 1);
      EXPECT_EQ(record().m_strName, "新しい名前");
      EXPECT_EQ(g_StageEditState.m_bStageModified, c.m_bStageModified);
      EXPECT_EQ(g_StageEditState.m_bCommonModified, c.m_bCommonModified);
      EXPECT_EQ(g_StageEditState.UndoCount(), c.m_nUndo);
      // The step is the stage editor's, of the kind's layer alone.
      EXPECT_EQ(m_View.m_vFlags, std::vector<int>(static_cast<size_t>(c.m_nUndo), 1 << SheetKind<T>()));
      EXPECT_EQ(storedPage, SheetPageCount<T>() - 1);
      // Cancel after Apply keeps what was applied and records the page.
      edit.Record().m_strName = "cancelled";
      edit.Cancel(0);
      EXPECT_EQ(record().m_strName, "新しい名前");
      EXPECT_EQ(storedPage, 0);
    }
  }
};
}  // namespace

TEST_F(BlockItemSheetTest, CommitWritesBackByContext) {
  CommitWritesBackByContext(g_StageDoc.m_vBlockLayer, g_StageDoc.m_vStageBlock, g_CommonPalette.m_vBlock,
                            g_ProjectSettings.m_DefBlock, EditConfig.m_nBlockSheetPage);
  CommitWritesBackByContext(g_StageDoc.m_vItemLayer, g_StageDoc.m_vStageItem, g_CommonPalette.m_vItem,
                            g_ProjectSettings.m_DefItem, EditConfig.m_nItemSheetPage);
}

TEST_F(BlockItemSheetTest, APlacedCommitRecordsTheUndoStepOfItsLayerOnly) {
  cItemSheetEdit items;
  ASSERT_EQ(items.Open(Target<cEdItem>(kEditPlaced, kPlacedCell)), 1);
  items.Record().m_strName = "after";
  ASSERT_EQ(items.Commit(1), 1);
  g_StageDoc.m_vBlockLayer.At(kPlacedCell).m_strName = "block edited later";
  g_StageEditState.Undo(g_StageDoc);
  EXPECT_EQ(g_StageDoc.m_vItemLayer.Get(kPlacedCell).m_strName, "placed");
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(kPlacedCell).m_strName, "block edited later");

  cBlockSheetEdit blocks;
  ASSERT_EQ(blocks.Open(Target<cEdBlock>(kEditPlaced, kPlacedCell)), 1);
  blocks.Record().m_strName = "block after";
  ASSERT_EQ(blocks.Commit(0), 1);
  g_StageEditState.Undo(g_StageDoc);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(kPlacedCell).m_strName, "block edited later");
}

TEST_F(BlockItemSheetTest, PreviousAndNextVisitEntriesThatOkWritesTogether) {
  cBlockSheetEdit edit;
  ASSERT_EQ(edit.Open(Target<cEdBlock>(kEditCommonPalette, 2)), 1);
  edit.Record().m_strName = "A";
  const cEdBlock* next = edit.Step(+1, edit.Record());  // entry 2 of entries 1 .. 2 wraps to 1
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(edit.EditIndex(), 1);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, 1);
  EXPECT_EQ(next->m_strName, "common1");
  edit.Record().m_strName = "B";
  ASSERT_EQ(edit.Commit(0), 1);
  EXPECT_EQ(g_CommonPalette.m_vBlock[2].m_strName, "A");
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_strName, "B");
  // Items: two entries in the stage palette leave nothing to step to from entry 1.
  g_StageDoc.m_vStageItem.resize(2);
  cItemSheetEdit items;
  ASSERT_EQ(items.Open(Target<cEdItem>(kEditStagePalette, 1)), 1);
  EXPECT_EQ(items.CanStep(), 0);
  EXPECT_EQ(items.Step(+1, items.Record()), nullptr);
  EXPECT_EQ(items.EditIndex(), 1);
}

TEST_F(BlockItemSheetTest, OpeningResolvesInheritanceAndRefusesMissingRecords) {
  g_StageDoc.m_vBlockLayer.At(kPlacedCell) = Follower<cEdBlock>("follower", kPaletteStage, 3, {0});
  cBlockSheetEdit blocks;
  ASSERT_EQ(blocks.Open(Target<cEdBlock>(kEditPlaced, kPlacedCell)), 1);
  EXPECT_EQ(blocks.Record().m_strName, "stage3");
  const cSheetEditTarget<cEdItem> missing[] = {Target<cEdItem>(kEditPlaced, -1), Target<cEdItem>(kEditStagePalette, 4),
                                               Target<cEdItem>(kEditProjectDefault, 0), Target<cEdItem>(9, 1)};
  for (const cSheetEditTarget<cEdItem>& target : missing) {
    cItemSheetEdit items;
    EXPECT_EQ(items.Open(target), 0) << target.m_nContext;
    EXPECT_EQ(items.Commit(0), 0);
  }
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
}

TEST_F(BlockItemSheetTest, TheEditStateNamesTheTargetAndTheStartPage) {
  g_StageEditState.m_nEditContext = kEditProjectDefault;
  g_StageEditState.m_nEditIndex = 2;
  g_StageEditState.m_pEditBlock = &g_ProjectSettings.m_DefBlock;
  g_StageEditState.m_pEditItem = &g_ProjectSettings.m_DefItem;
  EXPECT_EQ(SheetEditTargetOf<cEdBlock>(g_StageEditState).m_pRecord, &g_ProjectSettings.m_DefBlock);
  EXPECT_EQ(SheetEditTargetOf<cEdItem>(g_StageEditState).m_pRecord, &g_ProjectSettings.m_DefItem);
  g_StageEditState.m_nEditContext = kEditStagePalette;
  EXPECT_EQ(SheetEditTargetOf<cEdItem>(g_StageEditState).m_pRecord, nullptr);
  EXPECT_EQ(SheetEditTargetOf<cEdItem>(g_StageEditState).m_nIndex, 2);
  const std::pair<int, int> itemPages[] = {{1, 1}, {0, 0}, {2, 0}, {-1, 0}};
  for (const auto& page : itemPages) {
    EditConfig.m_nItemSheetPage = page.first;
    EXPECT_EQ(SheetStartPage<cEdItem>(), page.second) << page.first;
  }
  EditConfig.m_nBlockSheetPage = 1;
  EXPECT_EQ(SheetStartPage<cEdBlock>(), 0);
}

TEST(RelayItem, CopiesIntoTheOtherPage) {
  for (int from = -1; from <= kItemPageCount; ++from) {
    cEdItem copies[kItemPageCount];
    cEdItem* const pages[kItemPageCount] = {&copies[0], &copies[1]};
    RelayItem(pages, Named<cEdItem>("relayed"), from);
    for (int page = 0; page < kItemPageCount; ++page)
      EXPECT_EQ(copies[page].m_strName == "relayed", from >= 0 && from < kItemPageCount && page != from) << from;
  }
}

TEST(BlockPageRules, EachGroupCoversItsControls) {
  const char* groups[cEdBlock::kGroupCount] = {
      "1002 ",          "1255 1051 1044 1041 1042 1043 ", "1036 1038 1254 1446 ", "1181 ", "1258 ",
      "11040 1260 1445 ", "1259 ", "1262 ", "1130 1263 ", "1270 12640 ", "1182 ",
  };
  for (int group = 0; group < cEdBlock::kGroupCount; ++group)
    EXPECT_EQ(Joined(GroupCtrlIds(kBlockPage, group)), groups[group]) << group;
  EXPECT_EQ(Joined(GroupCtrlIds(kBlockPage, kNoGroup)), "1268 1269 ");
}

TEST(ItemPageRules, EachGroupCoversItsControlsOnItsPage) {
  const char* page1[8] = {"1002 ", "1255 1051 1044 1041 1042 1043 ", "1040 ", "1048 ", "1036 1038 1254 1446 ",
                          "1256 ", "1258 ", "11040 1260 1445 "};
  for (int group = 0; group < 8; ++group) EXPECT_EQ(Joined(GroupCtrlIds(kItemPage1, group)), page1[group]);
  const char* page2[5] = {"1266 ", "1265 ", "1177 ", "1131 ", "1095 1068 1070 1069 "};
  for (int group = 8; group < cEdItem::kGroupCount; ++group)
    EXPECT_EQ(Joined(GroupCtrlIds(kItemPage2, group)), page2[group - 8]);
  EXPECT_EQ(kItemPage1.m_nFirstGroup + kItemPage1.m_nButtons, kItemPage2.m_nFirstGroup);
  EXPECT_EQ(kItemPage2.m_nFirstGroup + kItemPage2.m_nButtons, cEdItem::kGroupCount);
  const cNumField<cEdItem>* z = FindField(kItemPage1NumFields, 1256);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(z->m_nMax, 7);
  EXPECT_EQ(FindField(kItemPage1NumFields, 1040)->m_nMin, -640);
  EXPECT_EQ(FindField(kItemPage2ComboFields, kIdcItemGiant)->m_nOffset, 1);
}

TEST_F(BlockItemSheetTest, ACommonEntryHasNoSourceAndEveryControlIsEditable) {
  cEdBlock block = Named<cEdBlock>("b");
  cCtrlStates states;
  BlockPageStates(block, PageView(kEditCommonPalette), 5, states);
  EXPECT_EQ(EnabledOf(states, {kIdcBlockSource, kIdcBlockSourceIndex}), "00");
  for (uint16_t box : kBlockInheritButtons) {
    EXPECT_EQ(states.Enabled(box), 0) << box;
    EXPECT_EQ(states.Checked(box), 0) << box;
  }
  // Every group's controls are usable but those that other choices of the new block switch off.
  const uint16_t offByChoice[] = {kIdcBlockFrame, kIdcBlockMark, kIdcBlockMarkPick, kIdcBlockActionX,
                                  kIdcBlockItemIndex};
  for (int group = 0; group < cEdBlock::kGroupCount; ++group) {
    for (uint16_t id : GroupCtrlIds(kBlockPage, group)) {
      bool off = std::find(std::begin(offByChoice), std::end(offByChoice), id) != std::end(offByChoice);
      EXPECT_EQ(states.Enabled(id), off ? 0 : 1) << id;
    }
  }
  EXPECT_EQ(*states.Text(kIdcEntryNumber), "No.2");
  EXPECT_EQ(states.Shown(kIdcSheetFrameBitmap), 0);
}

TEST_F(BlockItemSheetTest, AnInheritedGroupShowsTheSourceAndItsControlsAreDisabled) {
  cEdBlock block = Follower<cEdBlock>("follower", kPaletteStage, 2, {0, 2});
  ApplySourceKind(block);
  EXPECT_EQ(block.m_strName, "stage2");
  cCtrlStates states;
  BlockPageStates(block, PageView(kEditPlaced), 5, states);
  EXPECT_EQ(EnabledOf(states, {kIdcBlockSource, kIdcBlockSourceIndex, 1024, 1026, 1027}), "11111");
  EXPECT_EQ(states.Checked(1024) + states.Checked(1026), 2);
  EXPECT_EQ(states.Checked(1025), 0);
  EXPECT_EQ(EnabledOf(states, {kIdcBlockName, kIdcBlockSheet, kIdcBlockCell, kIdcBlockFrame, kIdcBlockCellPick}),
            "00000");
  EXPECT_EQ(EnabledOf(states, {kIdcBlockCondList, kIdcBlockFront, kIdcBlockNoSummon}), "111");
  EXPECT_EQ(states.Shown(kIdcPrevEntry) + states.Shown(kIdcNextEntry) + states.Shown(kIdcEntryNumber), 0);
  // "継承しない" clears every flag; the source index is kept on an entry of the palette.
  block.m_nInheritIndex = 9;
  ApplySourceKind(block);
  EXPECT_EQ(block.m_nInheritIndex, 3);
  block.m_cInheritPalette = kPaletteNone;
  ApplySourceKind(block);
  for (int8_t flag : block.m_bbInherit) EXPECT_EQ(flag, 0);
  EXPECT_EQ(SourceIndexRows<cEdBlock>(kPaletteCommon), (cVector<cString>{"001 common1", "002 common2"}));
  EXPECT_TRUE(SourceIndexRows<cEdBlock>(kPaletteNone).empty());
}

TEST(BlockPageRules, TheGraphicSheetDecidesNumberFrameAndPicker) {
  struct cCase {
    int m_nSheet;
    int m_nDedicated;
    int32_t m_nCellMax;
    int m_bFrame;
    int32_t m_nFrameMax;
    int m_bPicker;
  };
  const cCase cases[] = {{0, 5, 119, 0, 0, 1}, {1, 5, 119, 1, 39, 1}, {2, 5, 119, 0, 0, 1},
                         {3, 5, 119, 0, 0, 1}, {4, 5, 4, 1, 239, 0},  {4, 0, 1, 1, 239, 0}};
  for (const cCase& c : cases) {
    cEdBlock block;
    block.m_cGraphicSheet = static_cast<int8_t>(c.m_nSheet);
    block.m_nGraphic = 300;
    block.m_nGraphicFrame = 300;
    cCtrlStates states;
    BlockPageStates(block, PageView(kEditPlaced), c.m_nDedicated, states);
    int32_t min = 0, max = 0;
    ASSERT_EQ(states.Range(kIdcBlockCell, min, max), 1);
    EXPECT_EQ(max, c.m_nCellMax) << c.m_nSheet;
    EXPECT_EQ(states.Enabled(kIdcBlockFrame), c.m_bFrame) << c.m_nSheet;
    ASSERT_EQ(states.Range(kIdcBlockFrame, min, max), 1);
    EXPECT_EQ(max, c.m_bFrame ? c.m_nFrameMax : INT16_MAX) << "a disabled frame shows any stored one";
    EXPECT_EQ(states.Enabled(kIdcBlockCellPick), c.m_bPicker) << c.m_nSheet;
    cBlockActionMemory memory;
    ApplyBlockPageRules(block, memory, c.m_nDedicated, 0);
    EXPECT_EQ(block.m_nGraphic, 300) << "showing the block changes no value";
    ApplyBlockPageRules(block, memory, c.m_nDedicated, kIdcBlockSheet);
    EXPECT_EQ(block.m_nGraphic, c.m_nCellMax) << "the sheet the user chose holds the graphic to it";
    EXPECT_EQ(block.m_nGraphicFrame, c.m_bFrame ? c.m_nFrameMax : 300);
    cEdItem item;
    item.m_cGraphicSheet = block.m_cGraphicSheet;
    item.m_nGraphic = 300;
    ApplyItemPage1Rules(item, c.m_nDedicated, 0);
    EXPECT_EQ(item.m_nGraphic, 300);
    ApplyItemPage1Rules(item, c.m_nDedicated, kIdcItemSheet);
    EXPECT_EQ(item.m_nGraphic, c.m_nCellMax);
  }
  cEdBlock block;
  cCtrlStates states;
  BlockPageStates(block, PageView(kEditPlaced), 5, states);
  EXPECT_EQ(EnabledOf(states, {kIdcBlockMark, kIdcBlockMarkPick}), "00");
  block.m_cMarkShow = 2;
  BlockPageStates(block, PageView(kEditPlaced), 5, states);
  EXPECT_EQ(EnabledOf(states, {kIdcBlockMark, kIdcBlockMarkPick}), "11");
}

TEST(BlockPageRules, TheActionResetsXOnlyWhenTheUserChangesIt) {
  cEdBlock block;
  block.m_cAction = 1;
  block.m_nActionX = 15;
  cBlockActionMemory memory;
  memory.Apply(block, false);  // the sheet opens: the stored X stays
  EXPECT_EQ(block.m_nActionX, 15);
  EXPECT_EQ(memory.Last(), 1);
  struct cStep {
    int m_nAction;
    int32_t m_nX;
    const char* m_pEnabled;
    int32_t m_nMin, m_nMax;
  };
  const cStep steps[] = {{3, 200, "1", 0, 500}, {3, 200, "1", 0, 500}, {0, 0, "0", 0, 0},
                         {2, 0, "0", 0, 0},     {4, 30, "1", 1, 200},  {1, 7, "1", 1, 20}};
  for (const cStep& step : steps) {
    block.m_cAction = static_cast<int8_t>(step.m_nAction);
    memory.Apply(block, true);
    EXPECT_EQ(block.m_nActionX, step.m_nX) << step.m_nAction;
    cCtrlStates states;
    BlockPageStates(block, PageView(kEditPlaced), 5, states);
    EXPECT_EQ(EnabledOf(states, {kIdcBlockActionX}), step.m_pEnabled);
    int32_t min = -1, max = -1;
    states.Range(kIdcBlockActionX, min, max);
    EXPECT_EQ(min, step.m_nMin);
    EXPECT_EQ(max, step.m_nMax);
  }
  // Previous and next forget the action, so the next entry keeps its X, even outside the action's
  // limits; only the user's choice of another action sets it.
  memory.Forget();
  block.m_cAction = 5;
  block.m_nActionX = 500;
  memory.Apply(block, false);
  EXPECT_EQ(block.m_nActionX, 500);
  memory.Apply(block, true);
  EXPECT_EQ(block.m_nActionX, 500) << "the action the user chose again is the one shown";
  block.m_cAction = 1;
  memory.Apply(block, false);
  EXPECT_EQ(block.m_nActionX, 500) << "an action only shown sets nothing";
  // An action no row shows leaves X alone.
  block.m_cAction = 9;
  block.m_nActionX = -50;
  memory.Apply(block, true);
  EXPECT_EQ(block.m_nActionX, -50);
  EXPECT_EQ(BlockActionOf(9), nullptr);
}

TEST_F(BlockItemSheetTest, AcquiredItemAndFaction) {
  EXPECT_EQ(NameListCount(BlockItemPaletteRows(kEditPlaced)), 3);
  EXPECT_EQ(NameListCount(BlockItemPaletteRows(kEditStagePalette)), 3);
  EXPECT_EQ(NameListCount(BlockItemPaletteRows(kEditCommonPalette)), 2);
  EXPECT_EQ(NameListCount(BlockItemPaletteRows(kEditProjectDefault)), 2);
  EXPECT_EQ(BlockItemIndexRows(kPaletteStage), (cVector<cString>{"001 stage1", "002 stage2", "003 stage3"}));
  cEdBlock block;
  cCtrlStates states;
  BlockPageStates(block, PageView(kEditPlaced), 5, states);
  EXPECT_EQ(states.Enabled(kIdcBlockItemIndex), 0);
  block.m_cItemPalette = kPaletteCommon;
  block.m_nItemIndex = 40;
  cBlockActionMemory memory;
  ApplyBlockPageRules(block, memory, 5, 0);
  EXPECT_EQ(block.m_nItemIndex, 40) << "showing keeps an index beyond the palette";
  ApplyBlockPageRules(block, memory, 5, kIdcBlockItemPalette);
  EXPECT_EQ(block.m_nItemIndex, 2) << "the palette the user chose holds the index to its entries";
  BlockPageStates(block, PageView(kEditPlaced), 5, states);
  EXPECT_EQ(states.Enabled(kIdcBlockItemIndex), 1);
  // "なし" of the disabled faction stores 255.
  const cComboField<cEdBlock>* faction = FindField(kBlockComboFields, kIdcBlockFaction);
  ASSERT_NE(faction, nullptr);
  WriteMember(block, faction->m_Member, 0 + faction->m_nOffset);
  EXPECT_EQ(static_cast<uint8_t>(block.m_cDisabledFaction), 255);
  WriteMember(block, faction->m_Member, 8 + faction->m_nOffset);
  EXPECT_EQ(block.m_cDisabledFaction, 7);
}

TEST_F(BlockItemSheetTest, AConditionListRefusesAPasteWithADistanceCondition) {
  cVector<cCondData> buffer(3);
  buffer[0].m_cKind = 1;
  buffer[1].m_cKind = 2;
  EXPECT_EQ(RefuseDistancePaste(buffer), 0);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  buffer[2].m_cKind = 7;
  EXPECT_EQ(RefuseDistancePaste(buffer), 1);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "「距離条件」の貼り付けはできません！");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
}

TEST_F(BlockItemSheetTest, ItemPages) {
  cEdItem item = Follower<cEdItem>("follower", kPaletteCommon, 1, {0, 8, 12});
  ApplyItemPage1Rules(item, 5, 0);
  EXPECT_EQ(item.m_strName, "common1");
  cCtrlStates page1;
  ItemPage1States(item, PageView(kEditPlaced), 5, page1);
  EXPECT_EQ(page1.Shown(kIdcItemHiddenCheck), 0);
  EXPECT_EQ(EnabledOf(page1, {1024, kIdcItemName, 1256, kIdcItemSource, kIdcItemSourceIndex}), "10111");
  cCtrlStates page2;
  ItemPage2States(item, PageView(kEditPlaced), page2);
  EXPECT_EQ(EnabledOf(page2, {1024, 1025, 1026, 1027, 1028}), "11111");
  EXPECT_EQ(page2.Checked(1024) + page2.Checked(1028), 2);
  EXPECT_EQ(EnabledOf(page2, {kIdcItemGiant, kIdcItemTakeMode, kIdcItemShowOnTake, kIdcItemSound,
                              kIdcItemCommandList, kIdcItemCommandInsert, kIdcItemCommandEdit, kIdcItemCommandDelete}),
            "01110000");
  // "継承しない" on the first page clears the second page's flags too; its boxes are then disabled.
  item.m_cInheritPalette = kPaletteNone;
  ApplyItemPage1Rules(item, 5, 0);
  cCtrlStates cleared;
  ItemPage2States(item, PageView(kEditPlaced), cleared);
  EXPECT_EQ(EnabledOf(cleared, {1024, 1028, kIdcItemGiant, kIdcItemCommandList}), "0011");
  EXPECT_EQ(cleared.Checked(1028), 0);
}

TEST(ItemPageRules, TheEffectListActsOnlyOnASelectedRow) {
  struct cCase {
    uint16_t m_nId;
    int m_nSel, m_nIndex, m_bAllowed;
  };
  const cCase cases[] = {
      {kIdcItemCommandInsert, 2, 2, 1}, {kIdcItemCommandInsert, 3, -1, 1}, {kIdcItemCommandInsert, -1, -1, 0},
      {40042, 0, 0, 1},                 {40033, -1, -1, 0},                {kIdcItemCommandEdit, 3, -1, 0},
      {kIdcItemCommandEdit, 1, 1, 1},   {0, 1, 1, 1},                      {kIdcItemCommandDelete, 0, -1, 0},
      {kIdcItemCommandDelete, 0, 0, 1}, {1000, 0, 0, 0},
  };
  for (const cCase& c : cases)
    EXPECT_EQ(ItemCommandActionAllowed(c.m_nId, c.m_nSel, c.m_nIndex), c.m_bAllowed) << c.m_nId << " " << c.m_nSel;
  EXPECT_EQ(IsItemCommandPaste(40007) + IsItemCommandPaste(40040), 2);
  EXPECT_EQ(IsItemCommandPaste(40001), 0);
}

TEST_F(BlockItemSheetTest, APasteChecksThePaletteReferencesOfTheCurrentRowOnly) {
  cVector<cCommandData> commands(3);
  for (cCommandData& command : commands) {
    command.m_cSet = 1;
    command.m_cKind = 10;  // "アイテムの取得": P0 the palette (0 common), P1 the item
    command.m_vParam = {0, 40};
  }
  ValidatePastedCommand(commands, 1);
  EXPECT_EQ(commands[0].m_vParam[1], 40);
  EXPECT_EQ(commands[1].m_vParam[1], 1);
  EXPECT_EQ(commands[2].m_vParam[1], 40);
  ValidatePastedCommand(commands, 3);  // the extra row: nothing
  ValidatePastedCommand(commands, -1);
  EXPECT_EQ(commands[2].m_vParam[1], 40);
}

TEST(ItemCommandChooser, TwentyFourKindsAreOfferedUnderTheirNames) {
  cCtrlStates states;
  CmdSelectStates(kItemCmdSelect, states);
  int shown = 0;
  for (int kind = 1; kind < kCmdSelectEntryCount; ++kind) {
    uint16_t id = kItemCmdSelectEntries[kind].m_nCtrlId;
    EXPECT_NE(id, 1299);
    shown += states.Shown(id);
    if (kind < kItemCmdCount) {
      ASSERT_NE(states.Text(id), nullptr) << kind;
      EXPECT_EQ(*states.Text(id), ItemCmdSet[kind].m_strName);
    }
  }
  EXPECT_EQ(shown, 24);
  EXPECT_EQ(*states.Text(1267), "フローの変更");
  EXPECT_EQ(*states.Text(1290), "ループ");
  EXPECT_EQ(states.Shown(1291) + states.Shown(1298) + states.Shown(1300) + states.Shown(1312), 0);
  EXPECT_EQ(CmdSelectButtonOfKind(kItemCmdSelect, 4), 1270);
  EXPECT_EQ(CmdSelectButtonOfKind(kItemCmdSelect, 25), 0);
  EXPECT_EQ(CmdSelectKindOfButton(kItemCmdSelect, 1288), 22);
  EXPECT_EQ(CmdSelectKindOfButton(kItemCmdSelect, 1300), 0);
}

TEST(ItemCommandChooser, WithoutAnItemSheetNoDialogRunsAndTheRowGoes) {
  for (int itemSheet : {0, 1}) {
    for (int result : {0, 1}) {
      cCommandData command;
      cOpenSheets sheets;
      sheets.m_bItem = itemSheet;
      int ranKind = 0;
      uint16_t ranTemplate = 0;
      int chosen = PressItemCommandButton(command, 1270, sheets, [&](int kind, uint16_t templateId) {
        ranKind = kind;
        ranTemplate = templateId;
        return result;
      });
      EXPECT_EQ(chosen, itemSheet ? result : 0);
      EXPECT_EQ(ranKind, itemSheet ? 4 : 0);
      EXPECT_EQ(ranTemplate, itemSheet ? 239 : 0);
      // The kind is written whatever happens, as an item effect kind.
      EXPECT_EQ(command.m_cSet, 1);
      EXPECT_EQ(command.m_cKind, 4);
    }
  }
  cCommandData command;
  cOpenSheets sheets;
  sheets.m_bItem = 1;
  EXPECT_EQ(PressItemCommandButton(command, 1295, sheets, [](int, uint16_t) { return 1; }), -1);
  EXPECT_EQ(command.m_cKind, 0);
}

// The block and item data sheets in the real stage editor: opening in each edit context (the
// cell edit, the stage and common palette windows' right click, the project options' buttons), the
// commit with its undo step and modified flag, previous and next, inheritance, the block page's
// rules, and the item effect list with its command chooser.

#include "app/cEditConfig.h"
#include "editors/ItemCommandChooser.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/win/PageSupport.h"
#include "editors/win/cDlgCommand.h"
#include "model/CommandLineText.h"
#include "model/cCmdKindInfo.h"
#include "project/ProjectOptionsPages.h"
#include "project/cProjectSettings.h"
#include "project/win/cPrjPages.h"
#include "project/win/cProjectOptionSheet.h"
#include "stage/cStageEditor.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "ui/win/cModelessList.h"

namespace {
constexpr int kItemCmdGameWait = 3;

// "ゲームウエイト" of the item effect set on a test template; every other kind on the editor's own.
const cCmdDialogDesc* SheetCommandLookup(int set, int kind) {
  static const cCmdDialogDesc wait = [] {
    cCmdDialogDesc desc = *FindCmdDialogDesc(1, kItemCmdGameWait);
    desc.m_nTemplate = 941;
    return desc;
  }();
  return set == 1 && kind == kItemCmdGameWait ? &wait : FindCmdDialogDesc(set, kind);
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

cCommandData ItemCommand(int kind) {
  cCommandData command;
  command.m_cSet = 1;
  command.m_cKind = static_cast<int8_t>(kind);
  command.SizeParams();
  return command;
}

bool Disabled(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_DISABLED) != 0; }

class BlockItemSheetWndTest : public EditorWndTest {
protected:
  void SetUp() override {
    EditorWndTest::SetUp();
    SetCmdDialogLookup(SheetCommandLookup);
    g_StageDoc.m_vStageBlock.Reset(4);
    g_StageDoc.m_vStageItem.Reset(4);
    for (int i = 1; i < 4; ++i) {
      g_StageDoc.m_vStageBlock[i] = Named<cEdBlock>(("sblock" + std::to_string(i)).c_str());
      g_StageDoc.m_vStageItem[i] = Named<cEdItem>(("sitem" + std::to_string(i)).c_str());
    }
    g_CommonPalette.m_vBlock.Reset(3);
    g_CommonPalette.m_vItem.Reset(3);
    for (int i = 1; i < 3; ++i) {
      g_CommonPalette.m_vBlock[i] = Named<cEdBlock>(("cblock" + std::to_string(i)).c_str());
      g_CommonPalette.m_vItem[i] = Named<cEdItem>(("citem" + std::to_string(i)).c_str());
    }
    EditConfig.m_nBlockSheetPage = EditConfig.m_nItemSheetPage = 0;
  }
  void TearDown() override {
    SetCmdDialogLookup(nullptr);
    g_StageEditState.m_vItemCommandClipboard.clear();
    EditorWndTest::TearDown();
  }

  HWND OpenBlock(int x, int y) {
    g_StageEditState.SetLayer(0);
    ClickCell(x, y);
    EXPECT_NE(BlockSheet(), nullptr);
    return BlockSheet() ? PageOf(BlockSheet(), 0) : nullptr;
  }
  // The item sheet of a cell, on the page asked for.
  HWND OpenItem(int x, int y, int page) {
    g_StageEditState.SetLayer(2);
    ClickCell(x, y);
    EXPECT_NE(ItemSheet(), nullptr);
    return ItemSheet() ? PageOf(ItemSheet(), page) : nullptr;
  }
  const cEdBlock& PlacedBlock(int x, int y) { return g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(x, y)); }
  const cEdItem& PlacedItem(int x, int y) { return g_StageDoc.m_vItemLayer.Get(g_StageDoc.CellIndex(x, y)); }
  cPrjPageGeneral* OpenProjectOptions() {
    SendMessageA(Editor().m_hWnd, WM_COMMAND, kIdmProjectOptions, 0);
    auto* options = static_cast<cProjectOptionSheet*>(Editor().m_pProjectOptionsSheet);
    return options ? static_cast<cPrjPageGeneral*>(options->m_apPages[cProjectOptionSheet::kPageGeneral]) : nullptr;
  }
};
}  // namespace

// Blocks.

TEST_F(BlockItemSheetWndTest, APlacedBlockOpensFromItsCellAndCommitsWithAnUndoStep) {
  Place(2, 1, Named<cEdBlock>("岩"));
  g_StageEditState.SetLayer(1);
  ClickCell(2, 1);
  ASSERT_NE(BlockSheet(), nullptr);
  EXPECT_EQ(Sheet(), nullptr);
  EXPECT_EQ(ItemSheet(), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 0);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, g_StageDoc.CellIndex(2, 1));
  EXPECT_EQ(g_StageEditState.m_nLayer, 0) << "the cell edit moved to the block layer";
  EXPECT_EQ(Editor().m_apCellSheet[0], BlockSheet());
  EXPECT_EQ(TextOf(BlockSheet()->m_hWndSheet), "ブロックデータ");
  EXPECT_TRUE(Disabled(Editor().m_hWnd)) << "the other windows wait while the sheet is open";
  HWND page = PageOf(BlockSheet(), 0);
  EXPECT_EQ(TextOf(page), "1");
  EXPECT_EQ(Rows(page, 1268), (std::vector<std::string>{"継承しない", "コモンパレット", "ステージパレット"}));
  EXPECT_TRUE(Enabled(page, 1268));
  EXPECT_FALSE(Shown(page, 1021));
  EXPECT_FALSE(Shown(page, 1022));
  EXPECT_FALSE(Shown(page, 1023));
  EXPECT_FALSE(Shown(page, 1006));
  EXPECT_EQ(Text(page, 1002), "岩");
  int undoBefore = g_StageEditState.UndoCount();
  Type(page, 1002, "砂");
  PressOn(BlockSheet(), PSBTN_APPLYNOW);
  EXPECT_EQ(PlacedBlock(2, 1).m_strName, "砂");
  EXPECT_EQ(g_StageEditState.UndoCount(), undoBefore + 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EditConfig.m_nBlockSheetPage = 5;
  PressOn(BlockSheet(), PSBTN_CANCEL);
  EXPECT_EQ(BlockSheet(), nullptr) << "the closed sheet is forgotten, not left dangling";
  EXPECT_EQ(Editor().m_apCellSheet[0], nullptr);
  EXPECT_EQ(EditConfig.m_nBlockSheetPage, 0) << "cancel records the current page";
  EXPECT_EQ(g_StageEditState.m_nLayer, 1) << "back to the layer the cell edit left";
  EXPECT_FALSE(Disabled(Editor().m_hWnd));
  Editor().Core().Map().Undo();
  EXPECT_EQ(PlacedBlock(2, 1).m_strName, "岩");
}

TEST_F(BlockItemSheetWndTest, AStageBlockEntryStepsThroughThePaletteAndOkWritesEveryEntry) {
  Place(0, 0, Follower<cEdBlock>("従", 2, 1, {0}));
  OpenPaletteEntry(1, 0, 3);
  ASSERT_NE(BlockSheet(), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 1);
  EXPECT_EQ(g_StageEditState.m_pEditBlock, &g_StageDoc.m_vStageBlock[3]);
  HWND palette = Editor().m_pStageBlockWnd->m_hWnd;
  EXPECT_EQ(GetWindow(BlockSheet()->m_hWndSheet, GW_OWNER), palette) << "the sheet belongs to its palette window";
  EXPECT_TRUE(Disabled(palette));
  RECT sheet = {}, area = {};
  GetWindowRect(BlockSheet()->m_hWndSheet, &sheet);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_TRUE(sheet.left >= area.left && sheet.right <= area.right && sheet.bottom <= area.bottom)
      << "centred on a palette window at the screen's edge, the sheet is moved inside the work area";
  HWND page = PageOf(BlockSheet(), 0);
  EXPECT_EQ(Rows(page, 1268), (std::vector<std::string>{"継承しない", "コモンパレット"}));
  EXPECT_EQ(Text(page, 1023), "No.3");
  Type(page, 1002, "三番");
  Click(page, 1022);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, 1) << "next from the last entry wraps to entry 1";
  EXPECT_EQ(Text(page, 1023), "No.1");
  EXPECT_EQ(Text(page, 1002), "sblock1");
  Type(page, 1002, "一番");
  Click(page, 1021);
  EXPECT_EQ(Text(page, 1023), "No.3");
  EXPECT_EQ(Text(page, 1002), "三番") << "the entry left keeps its edits";
  // The right click marks the palettes as it opens the sheet; what the commit marks is checked here.
  g_StageEditState.m_bStageModified = g_StageEditState.m_bCommonModified = 0;
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(g_StageDoc.m_vStageBlock[1].m_strName, "一番");
  EXPECT_EQ(g_StageDoc.m_vStageBlock[3].m_strName, "三番");
  EXPECT_EQ(PlacedBlock(0, 0).m_strName, "一番") << "placed followers take the new entry";
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_EQ(Editor().m_apCellSheet[0], nullptr);
  EXPECT_FALSE(Disabled(palette));
  ASSERT_FALSE(g_StageEditState.m_vBrushBlock.empty());
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[0].m_strName, "三番") << "the entry shown last becomes the brush";
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[0].m_nInheritIndex, 3);
}

TEST_F(BlockItemSheetWndTest, ACommonBlockEntryHasNoSourceAndRefreshesWhatFollowsIt) {
  g_StageDoc.m_vStageBlock[2] = Follower<cEdBlock>("stage2", 1, 1, {0});
  OpenPaletteEntry(2, 0, 2);
  ASSERT_NE(BlockSheet(), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 2);
  EXPECT_EQ(GetWindow(BlockSheet()->m_hWndSheet, GW_OWNER), Editor().m_pCommonBlockWnd->m_hWnd);
  HWND page = PageOf(BlockSheet(), 0);
  EXPECT_EQ(Rows(page, 1268), (std::vector<std::string>{"継承しない"}));
  EXPECT_FALSE(Enabled(page, 1268));
  EXPECT_FALSE(Enabled(page, 1269));
  for (int box = 1024; box <= 1034; ++box) {
    EXPECT_FALSE(Enabled(page, box)) << box;
    EXPECT_FALSE(Checked(page, box)) << box;
  }
  EXPECT_TRUE(Enabled(page, 1002)) << "every control is editable";
  Type(page, 1002, "二番");
  Click(page, 1022);
  EXPECT_EQ(Text(page, 1023), "No.1") << "from entry 2 of three, next shows entry 1";
  Type(page, 1002, "共通");
  g_StageEditState.m_bStageModified = g_StageEditState.m_bCommonModified = 0;
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(g_CommonPalette.m_vBlock[1].m_strName, "共通");
  EXPECT_EQ(g_CommonPalette.m_vBlock[2].m_strName, "二番");
  EXPECT_EQ(g_StageDoc.m_vStageBlock[2].m_strName, "共通") << "the stage entry that follows it";
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(BlockItemSheetWndTest, InheritedGroupsShowTheSourceDisabledAndNoSourceClearsTheFlags) {
  cEdBlock& source = g_StageDoc.m_vStageBlock[1];
  source.m_strName = "源";
  source.m_cAction = 1;
  source.m_nActionX = 12;
  Place(1, 1, Follower<cEdBlock>("従", 2, 1, {0, 8}));
  HWND page = OpenBlock(1, 1);
  EXPECT_EQ(Rows(page, 1269)[0], "001 源") << "the source list never offers entry 0";
  EXPECT_EQ(Text(page, 1002), "源");
  EXPECT_FALSE(Enabled(page, 1002));
  EXPECT_TRUE(Checked(page, 1024));
  EXPECT_TRUE(Checked(page, 1032));
  EXPECT_EQ(Row(page, 1263), 1);
  EXPECT_FALSE(Enabled(page, 1263));
  EXPECT_EQ(Text(page, 1130), "12");
  EXPECT_FALSE(Enabled(page, 1130));
  EXPECT_TRUE(Enabled(page, 1025)) << "with a source every box can be set";
  EXPECT_TRUE(Enabled(page, 1254)) << "a group that is not inherited stays open";
  Check(page, 1024, 0);
  EXPECT_TRUE(Enabled(page, 1002));
  Type(page, 1002, "自分");
  Choose(page, 1268, 0);
  for (int box = 1024; box <= 1034; ++box) {
    EXPECT_FALSE(Checked(page, box)) << box;
    EXPECT_FALSE(Enabled(page, box)) << box;
  }
  EXPECT_FALSE(Enabled(page, 1269));
  EXPECT_TRUE(Enabled(page, 1263));
  PressOn(BlockSheet(), PSBTN_OK);
  const cEdBlock& placed = PlacedBlock(1, 1);
  EXPECT_EQ(placed.m_strName, "自分");
  EXPECT_EQ(placed.m_cInheritPalette, 0);
  for (int group = 0; group < cEdBlock::kGroupCount; ++group) EXPECT_EQ(placed.m_bbInherit[group], 0) << group;
  EXPECT_EQ(placed.m_cAction, 1) << "the values taken from the source stay";
  EXPECT_EQ(placed.m_nActionX, 12);
}

TEST_F(BlockItemSheetWndTest, TheActionsXTheFactionAndTheAcquiredItemFollowTheirCombos) {
  Place(1, 1, Named<cEdBlock>("床"));
  HWND page = OpenBlock(1, 1);
  EXPECT_FALSE(Enabled(page, 1130)) << "no action, no X";
  Choose(page, 1263, 1);
  EXPECT_TRUE(Enabled(page, 1130));
  EXPECT_EQ(Text(page, 1130), "7") << "a new action sets its default X";
  Type(page, 1130, "50");
  Choose(page, 1262, 8);
  EXPECT_EQ(Text(page, 1130), "20") << "a jump is at most 20 high";
  EXPECT_EQ(Rows(page, 1270), (std::vector<std::string>{"なし", "コモンパレット", "ステージパレット"}));
  EXPECT_FALSE(Enabled(page, 12640));
  Choose(page, 1270, 2);
  EXPECT_TRUE(Enabled(page, 12640));
  EXPECT_EQ(Rows(page, 12640), (std::vector<std::string>{"001 sitem1", "002 sitem2", "003 sitem3"}));
  Choose(page, 12640, 1);
  PressOn(BlockSheet(), PSBTN_OK);
  const cEdBlock& placed = PlacedBlock(1, 1);
  EXPECT_EQ(placed.m_cAction, 1);
  EXPECT_EQ(placed.m_nActionX, 20);
  EXPECT_EQ(placed.m_cDisabledFaction, 7);
  EXPECT_EQ(placed.m_cItemPalette, 2);
  EXPECT_EQ(placed.m_nItemIndex, 2);

  cEdBlock jumper = Named<cEdBlock>("跳");
  jumper.m_cAction = 1;
  jumper.m_nActionX = 15;
  Place(2, 2, jumper);
  page = OpenBlock(2, 2);
  EXPECT_EQ(Text(page, 1130), "15") << "opening keeps the stored X";
  Choose(page, 1262, 0);
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(static_cast<uint8_t>(PlacedBlock(2, 2).m_cDisabledFaction), 255) << "\"なし\" stores 255";
  EXPECT_EQ(PlacedBlock(2, 2).m_nActionX, 15);
}

TEST_F(BlockItemSheetWndTest, TheGraphicSheetDecidesTheNumberTheFrameAndThePicker) {
  g_DatabaseSet.m_vCharaExc.resize(3);
  Place(1, 1, Named<cEdBlock>("絵"));
  HWND page = OpenBlock(1, 1);
  // Both previews show the block's graphic from the sheet.
  for (int id : {1060, 1070}) {
    auto* preview = static_cast<cCtrlBitmap*>(BoundCtrlOf(*BlockSheet()->BlockPage(), static_cast<uint16_t>(id)));
    ASSERT_NE(preview, nullptr) << id;
    const uint8_t* pixel = preview->m_Back.Image().At(16, 16);
    EXPECT_NE(pixel[0] | pixel[1] | pixel[2], 0) << id;
  }
  EXPECT_FALSE(Enabled(page, 1038)) << "blocks have no frame";
  Choose(page, 1254, 4);
  EXPECT_FALSE(Enabled(page, 1446)) << "the dedicated bitmaps have no picker";
  EXPECT_TRUE(Enabled(page, 1038));
  Type(page, 1036, "9");
  Choose(page, 1254, 4);
  EXPECT_EQ(Text(page, 1036), "2") << "three dedicated bitmaps allow cells 1 and 2";
  EXPECT_FALSE(Enabled(page, 11040));
  EXPECT_FALSE(Enabled(page, 1445));
  Choose(page, 1260, 2);
  EXPECT_TRUE(Enabled(page, 11040));
  EXPECT_TRUE(Enabled(page, 1445));
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(PlacedBlock(1, 1).m_cGraphicSheet, 4);
  EXPECT_EQ(PlacedBlock(1, 1).m_nGraphic, 2);
  EXPECT_EQ(PlacedBlock(1, 1).m_cMarkShow, 2);
}

TEST_F(BlockItemSheetWndTest, TheConditionListRefusesToPasteADistanceCondition) {
  cCondData number;
  number.m_cKind = 3;
  cCondData distance;
  distance.m_cKind = 7;
  cEdBlock block = Named<cEdBlock>("罠");
  block.m_vAppearCond.push_back(number);
  Place(1, 1, block);
  g_StageEditState.m_vCondClipboard = {number, distance};
  HWND page = OpenBlock(1, 1);
  ASSERT_EQ(Rows(page, 1044).size(), 2u) << "one condition and the row after the last";
  {
    cBoxAnswerer boxes({IDOK});
    SetFocus(GetDlgItem(page, 1002));
    Command(page, 40007);  // Ctrl+V in the name: not the list's
    EXPECT_TRUE(boxes.Seen().empty());
  }
  SetFocus(GetDlgItem(page, 1044));
  {
    cBoxAnswerer boxes({IDOK});
    Command(page, 40007);  // Ctrl+V
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].m_strText, "「距離条件」の貼り付けはできません！");
    EXPECT_EQ(boxes.Seen()[0].m_strCaption, "エラー");
  }
  EXPECT_EQ(Rows(page, 1044).size(), 2u) << "nothing is pasted";
  // Without a distance condition the paste goes ahead; the copy buffer outlives the sheet.
  SetFocus(GetDlgItem(page, 1044));
  Command(page, 40001);  // Ctrl+C of the one condition
  SetFocus(GetDlgItem(page, 1044));
  Command(page, 40007);
  EXPECT_EQ(Rows(page, 1044).size(), 3u);
  // An inserted condition whose chooser is closed goes again.
  cDialogScript script({[](HWND chooser) { PostMessageA(chooser, WM_CLOSE, 0, 0); }});
  SelectRow(page, 1044, 0);
  Click(page, 1041);
  EXPECT_EQ(script.Ran(), 1);
  EXPECT_EQ(Rows(page, 1044).size(), 3u);
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(PlacedBlock(1, 1).m_vAppearCond.Count(), 2);
  EXPECT_EQ(g_StageEditState.m_vCondClipboard.Count(), 1);
}

TEST_F(BlockItemSheetWndTest, ANewConditionOfABlockOrAnItemNamesThePlayerAsItsFirstSubject) {
  Place(1, 1, Named<cEdBlock>("罠"));
  Place(1, 1, Named<cEdItem>("薬"));
  for (int kind : {0, 2}) {
    SCOPED_TRACE(kind);
    HWND page = kind == 0 ? OpenBlock(1, 1) : OpenItem(1, 1, 0);
    std::vector<std::string> subjects;
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1270); },
                          [&](HWND dialog) {
                            subjects = Rows(dialog, kIdcStatSubject);
                            Choose(dialog, kIdcStatSubject, 2);
                            PostClick(dialog, kIdcOk);
                          }});
    SelectRow(page, 1044, 0);
    Click(page, 1041);
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"条件", "ステータス条件"}));
    ASSERT_FALSE(subjects.empty());
    EXPECT_EQ(subjects[0], "主人公");
    EXPECT_EQ(Rows(page, 1044).size(), 2u);
    PressOn(kind == 0 ? static_cast<cPropSheet*>(BlockSheet()) : ItemSheet(), PSBTN_OK);
  }
  ASSERT_EQ(PlacedBlock(1, 1).m_vAppearCond.Count(), 1);
  EXPECT_EQ(PlacedBlock(1, 1).m_vAppearCond[0].m_cSubject, 2);
  ASSERT_EQ(PlacedItem(1, 1).m_vAppearCond.Count(), 1);
  EXPECT_EQ(PlacedItem(1, 1).m_vAppearCond[0].m_cKind, 4);
}

TEST_F(BlockItemSheetWndTest, TheProjectOptionsDefaultBlockAndItemOpenFromTheirButtons) {
  cPrjPageGeneral* general = OpenProjectOptions();
  ASSERT_NE(general, nullptr);
  Click(general->m_hWnd, kIdcDefBlock);
  ASSERT_NE(BlockSheet(), nullptr);
  EXPECT_EQ(general->m_apDataSheet[cProjectSettings::kKindBlock], BlockSheet())
      << "the sheet lives in the options page's slot";
  EXPECT_EQ(g_StageEditState.m_nEditContext, 3);
  HWND page = PageOf(BlockSheet(), 0);
  EXPECT_FALSE(Shown(page, 1022));
  EXPECT_FALSE(Enabled(page, 1268));
  EXPECT_EQ(Rows(page, 1270), (std::vector<std::string>{"なし", "コモンパレット"}));
  Type(page, 1002, "既定ブロック");
  PressOn(BlockSheet(), PSBTN_OK);
  EXPECT_EQ(general->m_apDataSheet[cProjectSettings::kKindBlock], nullptr);
  EXPECT_EQ(g_ProjectSettings.m_DefBlock.m_strName, "既定ブロック");

  Click(general->m_hWnd, kIdcDefItem);
  ASSERT_NE(ItemSheet(), nullptr);
  EXPECT_EQ(general->m_apDataSheet[cProjectSettings::kKindItem], ItemSheet());
  page = PageOf(ItemSheet(), 0);
  EXPECT_FALSE(Shown(page, 1021));
  Type(page, 1002, "既定アイテム");
  HWND effects = PageOf(ItemSheet(), 1);
  EXPECT_FALSE(Shown(effects, 1023));
  Choose(effects, 1266, 3);
  PressOn(ItemSheet(), PSBTN_OK);
  EXPECT_EQ(g_ProjectSettings.m_DefItem.m_strName, "既定アイテム");
  EXPECT_EQ(g_ProjectSettings.m_DefItem.m_cGiant, 4);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  HWND options = Editor().m_pProjectOptionsSheet->m_hWndSheet;
  EXPECT_FALSE(Disabled(options));
  SendMessageA(options, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  PostMessageA(Editor().m_hWnd, WM_NULL, 0, 0);
  Pump();
}

// Items.

TEST_F(BlockItemSheetWndTest, APlacedItemCommitsTheEditsOfBothPagesFromTheEffectPage) {
  Place(3, 2, Named<cEdItem>("薬"));
  HWND first = OpenItem(3, 2, 0);
  EXPECT_EQ(TextOf(ItemSheet()->m_hWndSheet), "アイテムデータ");
  EXPECT_EQ(g_StageEditState.m_nEditContext, 0);
  EXPECT_EQ(Editor().m_apCellSheet[2], ItemSheet());
  EXPECT_FALSE(Shown(first, 1032)) << "the spare check box stays hidden";
  EXPECT_EQ(Text(first, 1256), "6") << "a new item's Z order";
  Type(first, 1002, "万能薬");
  Type(first, 1256, "9");
  Type(first, 1040, "-700");
  HWND effects = PageOf(ItemSheet(), 1);
  EXPECT_EQ(TextOf(effects), "2");
  EXPECT_EQ(Rows(effects, 1266).front(), "しない");
  EXPECT_EQ(Row(effects, 1266), 0);
  EXPECT_TRUE(Checked(effects, 1177));
  Choose(effects, 1266, 2);
  Choose(effects, 1265, 1);
  int undoBefore = g_StageEditState.UndoCount();
  PressOn(ItemSheet(), PSBTN_OK);
  const cEdItem& placed = PlacedItem(3, 2);
  EXPECT_EQ(placed.m_strName, "万能薬") << "the first page's edit, relayed when it was left";
  EXPECT_EQ(placed.m_cZ, 7);
  EXPECT_EQ(placed.m_nOffsetX, -640);
  EXPECT_EQ(placed.m_cGiant, 3);
  EXPECT_EQ(placed.m_cTakeMode, 1);
  EXPECT_EQ(g_StageEditState.UndoCount(), undoBefore + 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(EditConfig.m_nItemSheetPage, 1);
  EXPECT_EQ(Editor().m_apCellSheet[2], nullptr);
  Editor().Core().Map().Undo();
  EXPECT_EQ(PlacedItem(3, 2).m_strName, "薬");
  // The sheet opens on the page it was closed on.
  OpenItem(3, 2, 1);
  EXPECT_EQ(ItemSheet()->CurrentPageIndex(), 1);
  PressOn(ItemSheet(), PSBTN_CANCEL);
}

TEST_F(BlockItemSheetWndTest, AStageItemEntryStepsFromTheEffectPage) {
  OpenPaletteEntry(1, 2, 1);
  ASSERT_NE(ItemSheet(), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 1);
  EXPECT_EQ(GetWindow(ItemSheet()->m_hWndSheet, GW_OWNER), Editor().m_pStageItemWnd->m_hWnd);
  HWND effects = PageOf(ItemSheet(), 1);
  EXPECT_EQ(Text(effects, 1023), "No.1");
  Choose(effects, 1266, 1);
  Click(effects, 1022);
  EXPECT_EQ(Text(effects, 1023), "No.2");
  EXPECT_EQ(Row(effects, 1266), 0);
  Choose(effects, 1265, 2);
  HWND first = PageOf(ItemSheet(), 0);
  EXPECT_EQ(Text(first, 1023), "No.2");
  EXPECT_EQ(Text(first, 1002), "sitem2");
  g_StageEditState.m_bStageModified = 0;
  PressOn(ItemSheet(), PSBTN_OK);
  EXPECT_EQ(g_StageDoc.m_vStageItem[1].m_cGiant, 2);
  EXPECT_EQ(g_StageDoc.m_vStageItem[2].m_cTakeMode, 2);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_vBrushItem[0].m_strName, "sitem2");
}

TEST_F(BlockItemSheetWndTest, NoSourceOnTheFirstPageClearsTheEffectPagesBoxes) {
  g_StageDoc.m_vStageItem[1].m_cTakeMode = 2;
  Place(1, 1, Follower<cEdItem>("従", 2, 1, {9, 12}));
  HWND effects = OpenItem(1, 1, 1);
  EXPECT_TRUE(Checked(effects, 1025));
  EXPECT_TRUE(Enabled(effects, 1025));
  EXPECT_FALSE(Enabled(effects, 1265));
  EXPECT_EQ(Row(effects, 1265), 2);
  EXPECT_TRUE(Checked(effects, 1028));
  for (int id : {1095, 1068, 1070, 1069}) EXPECT_FALSE(Enabled(effects, id)) << id;
  Choose(PageOf(ItemSheet(), 0), 1268, 0);
  effects = PageOf(ItemSheet(), 1);
  for (int box = 1024; box <= 1028; ++box) {
    EXPECT_FALSE(Checked(effects, box)) << box;
    EXPECT_FALSE(Enabled(effects, box)) << box;
  }
  EXPECT_TRUE(Enabled(effects, 1265));
  EXPECT_TRUE(Enabled(effects, 1095));
  PressOn(ItemSheet(), PSBTN_OK);
  const cEdItem& placed = PlacedItem(1, 1);
  EXPECT_EQ(placed.m_cInheritPalette, 0);
  for (int group = 0; group < cEdItem::kGroupCount; ++group) EXPECT_EQ(placed.m_bbInherit[group], 0) << group;
  EXPECT_EQ(placed.m_cTakeMode, 2);
}

TEST_F(BlockItemSheetWndTest, TheEffectListShowsEveryKindAndTheChooserOffersTheItemSet) {
  cEdItem item = Named<cEdItem>("箱");
  for (int kind = 0; kind < kItemCmdCount; ++kind) item.m_vEffect.push_back(ItemCommand(kind));
  Place(1, 1, item);
  HWND effects = OpenItem(1, 1, 1);
  std::vector<std::string> rows = Rows(effects, 1095);
  ASSERT_EQ(rows.size(), 26u) << "25 commands and the row after the last";
  for (int kind = 0; kind < kItemCmdCount; ++kind) {
    cString line;
    FormatCommandLine(line, item.m_vEffect[kind]);
    EXPECT_EQ(rows[kind], line.GetStr()) << kind;
    EXPECT_EQ(rows[kind].empty(), kind == 0) << kind;
  }
  std::vector<std::string> names;
  cOpenSheets seen;
  cDialogScript script({[&](HWND chooser) {
    for (int button : {1267, 1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278, 1279, 1280, 1281,
                       1282, 1283, 1284, 1285, 1286, 1287, 1288, 1289, 1290, 1291, 1296, 1297, 1298, 1300, 1312})
      names.push_back(Shown(chooser, button) ? Text(chooser, button) : "-");
    seen = CurrentOpenSheets();
    PostMessageA(chooser, WM_CLOSE, 0, 0);
  }});
  SelectRow(effects, 1095, 25);
  Click(effects, 1068);
  ASSERT_EQ(script.Ran(), 1);
  EXPECT_EQ(script.Captions()[0], "コマンド");
  std::vector<std::string> expected;
  for (int kind = 1; kind < kItemCmdCount; ++kind) expected.push_back(ItemCmdSet[kind].m_strName.GetStr());
  expected.insert(expected.end(), 6, "-");
  EXPECT_EQ(names, expected);
  EXPECT_EQ(seen.m_bItem, 1);
  EXPECT_EQ(seen.m_nPage, 1);
  EXPECT_EQ(seen.m_bItemEffectChooser, 1) << "the condition dialogs name subjects as the chooser needs";
  EXPECT_EQ(Rows(effects, 1095).size(), 26u) << "the chooser closed: the inserted row goes again";
  EXPECT_EQ(CurrentOpenSheets().m_bItemEffectChooser, 0);
}

TEST_F(BlockItemSheetWndTest, AChosenKindRunsItsDialogAndItsCancelInsertsNothing) {
  Place(1, 1, Named<cEdItem>("箱"));
  HWND effects = OpenItem(1, 1, 1);
  ASSERT_EQ(Rows(effects, 1095).size(), 1u);
  // "グラフィックの変更" opens its own dialog; its Cancel leaves no row.
  int beeps = m_Beeps.m_nBeeps;
  cDialogScript cancelled({[](HWND chooser) { PostClick(chooser, 1277); },
                           [](HWND dialog) { PostClick(dialog, kIdcCancel); }});
  SelectRow(effects, 1095, 0);
  Click(effects, 1068);
  EXPECT_EQ(cancelled.Ran(), 2);
  EXPECT_EQ(cancelled.Captions(), (std::vector<std::string>{"コマンド", "グラフィックの変更"}));
  EXPECT_EQ(m_Beeps.m_nBeeps, beeps);
  EXPECT_EQ(Rows(effects, 1095).size(), 1u);
  // "ゲームウエイト" runs its dialog; its OK keeps the row, of the item effect set.
  cDialogScript chosen({[](HWND chooser) { PostClick(chooser, 1269); },
                        [](HWND dialog) {
                          SetDlgItemTextA(dialog, kIdcGameWaitTime, "35");
                          PostClick(dialog, kIdcOk);
                        }});
  SelectRow(effects, 1095, 0);
  Click(effects, 1068);
  EXPECT_EQ(chosen.Ran(), 2);
  EXPECT_EQ(chosen.Captions(), (std::vector<std::string>{"コマンド", "ゲームウエイト"}));
  ASSERT_EQ(Rows(effects, 1095).size(), 2u);
  EXPECT_EQ(ItemSheet()->Page2()->CommandList().GetCurSel(), 1) << "the row after the new one is current";
  PressOn(ItemSheet(), PSBTN_OK);
  ASSERT_EQ(PlacedItem(1, 1).m_vEffect.Count(), 1);
  const cCommandData& command = PlacedItem(1, 1).m_vEffect[0];
  EXPECT_EQ(command.m_cSet, 1);
  EXPECT_EQ(command.m_cKind, kItemCmdGameWait);
  ASSERT_EQ(command.m_vParam.Count(), 1);
  EXPECT_EQ(command.m_vParam[0], 35);
}

TEST_F(BlockItemSheetWndTest, AnExistingCommandOpensItsDialogWithoutTheChooser) {
  cEdItem item = Named<cEdItem>("箱");
  cCommandData wait = ItemCommand(kItemCmdGameWait);
  wait.m_vParam[0] = 12;
  item.m_vEffect.push_back(wait);
  Place(1, 1, item);
  HWND effects = OpenItem(1, 1, 1);
  cDialogScript cancel({[](HWND dialog) {
    SetDlgItemTextA(dialog, kIdcGameWaitTime, "99");
    PostClick(dialog, kIdcCancel);
  }});
  SelectRow(effects, 1095, 0);
  DoubleClick(effects, 1095);
  EXPECT_EQ(cancel.Captions(), (std::vector<std::string>{"ゲームウエイト"}));
  cDialogScript ok({[](HWND dialog) {
    SetDlgItemTextA(dialog, kIdcGameWaitTime, "40");
    PostClick(dialog, kIdcOk);
  }});
  Click(effects, 1070);
  EXPECT_EQ(ok.Captions(), (std::vector<std::string>{"ゲームウエイト"}));
  EXPECT_EQ(Rows(effects, 1095).size(), 2u);
  PressOn(ItemSheet(), PSBTN_OK);
  EXPECT_EQ(PlacedItem(1, 1).m_vEffect[0].m_vParam[0], 40) << "cancel kept 12, OK stored 40";
}

TEST_F(BlockItemSheetWndTest, EditAndDeleteActOnlyOnACommandRow) {
  cEdItem item = Named<cEdItem>("箱");
  item.m_vEffect.push_back(ItemCommand(kItemCmdGameWait));
  Place(1, 1, item);
  HWND effects = OpenItem(1, 1, 1);
  SelectRow(effects, 1095, 1);  // the row after the last command
  cDialogScript none({});
  Click(effects, 1070);
  DoubleClick(effects, 1095);
  Click(effects, 1069);
  EXPECT_TRUE(none.Captions().empty()) << "no dialog without a command";
  EXPECT_EQ(Rows(effects, 1095).size(), 2u);
  SelectRow(effects, 1095, 0);
  Click(effects, 1069);
  EXPECT_EQ(Rows(effects, 1095).size(), 1u);
  PressOn(ItemSheet(), PSBTN_OK);
  EXPECT_TRUE(PlacedItem(1, 1).m_vEffect.empty());
}

TEST_F(BlockItemSheetWndTest, ASoundThatCannotBePlayedSaysSoAndIsStillChosen) {
  g_DatabaseSet.m_vSound.resize(2);
  g_DatabaseSet.m_vSound[1].m_strName = "鐘";
  g_DatabaseSet.m_vSound[1].m_strPath = "wave\\bell.txt";  // no sound file
  Place(1, 1, Named<cEdItem>("鈴"));
  HWND effects = OpenItem(1, 1, 1);
  EXPECT_EQ(Rows(effects, 1131), (std::vector<std::string>{"なし", "01 鐘"}));
  {
    cBoxAnswerer boxes({IDOK});
    Choose(effects, 1131, 1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].m_strText, "読み込み失敗！");
  }
  {
    cBoxAnswerer boxes({IDOK});
    Choose(effects, 1131, 0);
    Choose(effects, 1131, 1);
    EXPECT_EQ(boxes.Seen().size(), 1u) << "\"なし\" plays nothing";
  }
  PressOn(ItemSheet(), PSBTN_OK);
  EXPECT_EQ(PlacedItem(1, 1).m_nSound, 1);
}

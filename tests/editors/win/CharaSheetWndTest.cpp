// The character data sheet in the real stage editor: opening in each edit context, the pages'
// inheritance, the relay and the commit, previous and next, the remembered page, the sheet pointers.

#include "app/cEditConfig.h"
#include "project/ProjectOptionsPages.h"
#include "project/win/cPrjPages.h"
#include "project/win/cProjectOptionSheet.h"
#include "stage/cStageEditor.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/RefusedAllocation.h"
#include "ui/win/cModelessList.h"

namespace {
using CharaSheetWndTest = EditorWndTest;
}  // namespace

TEST_F(CharaSheetWndTest, APlacedCharacterOpensFromItsCellAndCommitsWithAnUndoStep) {
  Place(2, 1, NamedChara("歩兵"));
  g_StageEditState.SetLayer(0);
  ASSERT_NE(OpenPlaced(2, 1), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 0);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, g_StageDoc.CellIndex(2, 1));
  EXPECT_EQ(g_StageEditState.m_nLayer, 1) << "the cell edit moved to the character layer";
  char title[64] = {};
  GetWindowTextA(Sheet()->m_hWndSheet, title, sizeof title);
  EXPECT_STREQ(title, "キャラデータ");
  EXPECT_FALSE(IsWindowEnabled(Editor().m_hWnd) && (GetWindowLongA(Editor().m_hWnd, GWL_STYLE) & WS_DISABLED) == 0)
      << "the other windows are disabled while the sheet is open";
  HWND basic = Page(0);
  EXPECT_EQ(Rows(basic, 1268), (std::vector<std::string>{"継承しない", "コモンパレット", "ステージパレット"}));
  EXPECT_TRUE(Enabled(basic, 1268));
  EXPECT_FALSE(Shown(basic, 1021));
  EXPECT_FALSE(Shown(basic, 1023));
  EXPECT_FALSE(Enabled(basic, 1256)) << "the control type of a placed character is fixed";
  EXPECT_FALSE(Enabled(basic, 1025));
  EXPECT_EQ(Text(basic, 1002), "歩兵");
  int undoBefore = g_StageEditState.UndoCount();
  Type(basic, 1002, "騎兵");
  Press(PSBTN_APPLYNOW);
  const cEdChara& placed = g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(2, 1));
  EXPECT_EQ(placed.m_strName, "騎兵");
  EXPECT_EQ(placed.m_vFlow.Count(), 1) << "a character is edited with at least one flow";
  EXPECT_EQ(g_StageEditState.UndoCount(), undoBefore + 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  Page(2);
  Press(PSBTN_CANCEL);
  EXPECT_EQ(Sheet(), nullptr) << "the closed sheet is forgotten, not left dangling";
  EXPECT_EQ(Editor().m_apCellSheet[1], nullptr);
  EXPECT_EQ(EditConfig.m_nCharaSheetPage, 2);
  EXPECT_EQ(g_StageEditState.m_nLayer, 0) << "back to the layer the cell edit left";
  EXPECT_EQ(GetWindowLongA(Editor().m_hWnd, GWL_STYLE) & WS_DISABLED, 0);
  // Undo brings the character back as it was before the commit.
  Editor().Core().Map().Undo();
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(2, 1)).m_strName, "歩兵");
}

TEST_F(CharaSheetWndTest, TheSheetOpensOnThePageItWasLastClosedOn) {
  Place(1, 1, NamedChara("歩兵"));
  EditConfig.m_nCharaSheetPage = 3;
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  EXPECT_EQ(Sheet()->CurrentPageIndex(), 3);
  Page(1);
  Press(PSBTN_OK);
  EXPECT_EQ(EditConfig.m_nCharaSheetPage, 1);
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  EXPECT_EQ(Sheet()->CurrentPageIndex(), 1);
  Press(PSBTN_CANCEL);
}

TEST_F(CharaSheetWndTest, AStagePaletteEntryStepsThroughTheListAndWritesEveryEntryOnOk) {
  Place(0, 0, Follower("従", 2, 1, {0}));
  ASSERT_NE(OpenEntry(1, 3), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 1);
  EXPECT_EQ(g_StageEditState.m_pEditChara, &g_StageDoc.m_vStageChara[3]);
  EXPECT_EQ(Editor().m_apCellSheet[1], Sheet());
  EXPECT_EQ(GetWindow(Sheet()->m_hWndSheet, GW_OWNER), Editor().m_pStageCharaWnd->m_hWnd)
      << "the sheet belongs to the palette window it was opened from";
  EXPECT_NE(GetWindowLongA(Editor().m_pStageCharaWnd->m_hWnd, GWL_STYLE) & WS_DISABLED, 0);
  HWND basic = Page(0);
  EXPECT_EQ(Rows(basic, 1268), (std::vector<std::string>{"継承しない", "コモンパレット"}));
  EXPECT_TRUE(Shown(basic, 1021));
  EXPECT_EQ(Text(basic, 1023), "No.3");
  Type(basic, 1002, "三番");
  Click(basic, 1022);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, 1) << "next from the last entry wraps to entry 1";
  EXPECT_EQ(Text(basic, 1023), "No.1");
  EXPECT_EQ(Text(basic, 1002), "stage1");
  Type(basic, 1002, "一番");
  HWND status = Page(2);
  EXPECT_EQ(Text(status, 1023), "No.1");
  Click(status, 1021);
  EXPECT_EQ(Text(status, 1023), "No.3");
  EXPECT_EQ(Text(Page(0), 1002), "三番") << "the relay brought the entry shown on the status page";
  Press(PSBTN_OK);
  EXPECT_EQ(g_StageDoc.m_vStageChara[1].m_strName, "一番");
  EXPECT_EQ(g_StageDoc.m_vStageChara[3].m_strName, "三番");
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(0).m_strName, "一番") << "placed followers take the new entry";
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_EQ(Editor().m_apCellSheet[1], nullptr);
  EXPECT_EQ(GetWindowLongA(Editor().m_pStageCharaWnd->m_hWnd, GWL_STYLE) & WS_DISABLED, 0);
  ASSERT_FALSE(g_StageEditState.m_vBrushChara.empty());
  EXPECT_EQ(g_StageEditState.m_vBrushChara[0].m_strName, "三番") << "the entry shown last becomes the brush";
  EXPECT_EQ(g_StageEditState.m_vBrushChara[0].m_nInheritIndex, 3);
}

TEST_F(CharaSheetWndTest, ACommonPaletteEntryRefreshesTheStageAndMarksTheCommonPalette) {
  g_StageDoc.m_vStageChara[2] = Follower("stage2", 1, 1, {0});
  Place(0, 0, Follower("従", 1, 1, {0}));
  ASSERT_NE(OpenEntry(2, 1), nullptr);
  EXPECT_EQ(g_StageEditState.m_nEditContext, 2);
  EXPECT_EQ(g_StageEditState.m_pEditChara, &g_CommonPalette.m_vChara[1]);
  EXPECT_EQ(GetWindow(Sheet()->m_hWndSheet, GW_OWNER), Editor().m_pCommonCharaWnd->m_hWnd);
  // The right click marks the palettes as it opens the sheet; what the commit marks is checked here.
  g_StageEditState.m_bStageModified = g_StageEditState.m_bCommonModified = 0;
  HWND basic = Page(0);
  EXPECT_EQ(Rows(basic, 1268), (std::vector<std::string>{"継承しない"}));
  EXPECT_FALSE(Enabled(basic, 1268));
  EXPECT_FALSE(Enabled(basic, 1269));
  Type(basic, 1002, "共通");
  Press(PSBTN_OK);
  EXPECT_EQ(g_CommonPalette.m_vChara[1].m_strName, "共通");
  EXPECT_EQ(g_StageDoc.m_vStageChara[2].m_strName, "共通");
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(0).m_strName, "共通");
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 1);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(CharaSheetWndTest, PreviousAndNextAreOffWhenThePaletteHasNoOtherEntry) {
  g_CommonPalette.m_vChara.Reset(2);
  g_CommonPalette.m_vChara[1] = NamedChara("唯一");
  ASSERT_NE(OpenEntry(2, 1), nullptr);
  HWND basic = Page(0);
  EXPECT_FALSE(Enabled(basic, 1021));
  EXPECT_FALSE(Enabled(basic, 1022));
  Click(basic, 1022);
  EXPECT_EQ(g_StageEditState.m_nEditIndex, 1);
  Press(PSBTN_CANCEL);
}

TEST_F(CharaSheetWndTest, TheProjectOptionsDefaultCharacterIsWrittenWithoutAModifiedFlag) {
  SendMessageA(Editor().m_hWnd, WM_COMMAND, kIdmProjectOptions, 0);
  auto* options = static_cast<cProjectOptionSheet*>(Editor().m_pProjectOptionsSheet);
  ASSERT_NE(options, nullptr);
  auto* general = static_cast<cPrjPageGeneral*>(options->m_apPages[cProjectOptionSheet::kPageGeneral]);
  Click(general->m_hWnd, kIdcDefChara);
  ASSERT_NE(Sheet(), nullptr);
  EXPECT_EQ(general->m_apDataSheet[cProjectSettings::kKindChara], Sheet())
      << "the sheet lives in the options page's slot";
  EXPECT_EQ(g_StageEditState.m_nEditContext, 3);
  EXPECT_NE(GetWindowLongA(options->m_hWndSheet, GWL_STYLE) & WS_DISABLED, 0) << "the options wait meanwhile";
  HWND basic = Page(0);
  EXPECT_FALSE(Shown(basic, 1022));
  EXPECT_FALSE(Enabled(basic, 1256));
  EXPECT_FALSE(Enabled(basic, 1268));
  Type(basic, 1002, "既定");
  Press(PSBTN_OK);
  EXPECT_EQ(general->m_apDataSheet[cProjectSettings::kKindChara], nullptr);
  EXPECT_EQ(g_ProjectSettings.m_DefChara.m_strName, "既定");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.m_bCommonModified, 0);
  EXPECT_EQ(GetWindowLongA(options->m_hWndSheet, GWL_STYLE) & WS_DISABLED, 0);
  SendMessageA(options->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  PostMessageA(Editor().m_hWnd, WM_NULL, 0, 0);
  Pump();
}

TEST_F(CharaSheetWndTest, APageThatCannotBeMadeLeavesNoSheetRunning) {
  Place(1, 1, NamedChara("歩兵"));
  g_StageEditState.SetTool(kToolEdit);
  // The shortage asks the main window to close, which asks the user; No keeps the editor running.
  cBoxAnswerer boxes({IDOK, IDNO});
  RefuseNothrowAllocation(3);  // the sheet and the basic page are made, the graphic page is not
  OpenPlaced(1, 1);
  RefuseNothrowAllocation(0);
  EXPECT_EQ(Sheet(), nullptr);
  EXPECT_EQ(Editor().m_apCellSheet[1], nullptr);
  EXPECT_EQ(g_ModelessList.m_Sheets.size(), 0u);
  EXPECT_EQ(GetWindowLongA(Editor().m_hWnd, GWL_STYLE) & WS_DISABLED, 0);
  ASSERT_GE(boxes.Seen().size(), 1u);
  EXPECT_EQ(boxes.Seen()[0].m_strText, "メモリが不足しています！");
  EXPECT_TRUE(IsWindow(g_hMainWnd));
}

TEST_F(CharaSheetWndTest, NoSourceClearsTheFlagsOfEveryGroup) {
  Place(1, 1, Follower("従", 2, 1, {0, 12, 24, 36}));
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND basic = Page(0);
  EXPECT_TRUE(Checked(basic, 1024));
  EXPECT_FALSE(Enabled(basic, 1002)) << "an inherited group's controls are disabled";
  Choose(basic, 1268, 0);
  EXPECT_FALSE(Checked(basic, 1024));
  EXPECT_FALSE(Enabled(basic, 1024));
  EXPECT_FALSE(Enabled(basic, 1269));
  EXPECT_TRUE(Enabled(basic, 1002));
  Press(PSBTN_OK);
  const cEdChara& placed = g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1));
  EXPECT_EQ(placed.m_cInheritPalette, 0);
  for (int group = 0; group < placed.m_bbInherit.Count(); ++group) EXPECT_EQ(placed.m_bbInherit[group], 0) << group;
}

TEST_F(CharaSheetWndTest, InheritedGroupsShowTheSourcesValuesDisabled) {
  g_StageDoc.m_vStageChara[1].m_nHp = 321;
  g_StageDoc.m_vStageChara[1].m_cFlying = 2;
  Place(1, 1, Follower("従", 2, 1, {0, 17, 23}));
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND basic = Page(0);
  EXPECT_EQ(Text(basic, 1002), "stage1");
  EXPECT_EQ(Rows(basic, 1269)[0], "001 stage1") << "the source list never offers entry 0";
  HWND graphic = Page(1);
  EXPECT_TRUE(Checked(graphic, 1032));
  EXPECT_FALSE(Enabled(graphic, 1265));
  EXPECT_EQ(Row(graphic, 1265), 2);
  EXPECT_TRUE(Enabled(graphic, 1254)) << "a group that is not inherited stays open";
  HWND status = Page(2);
  EXPECT_FALSE(Enabled(status, 1061));
  EXPECT_EQ(Text(status, 1061), "321");
  // Clearing the button opens the group again; the value stays the source's until changed.
  Check(status, 1024, 0);
  EXPECT_TRUE(Enabled(status, 1061));
  Type(status, 1061, "55");
  Press(PSBTN_OK);
  const cEdChara& placed = g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1));
  EXPECT_EQ(placed.m_nHp, 55);
  EXPECT_EQ(placed.m_bbInherit[23], 0);
  EXPECT_EQ(placed.m_cFlying, 2);
}

TEST_F(CharaSheetWndTest, ThePagesRulesFollowTheControls) {
  cEdChara player = NamedChara("勇者");
  player.m_cControl = 0;
  Place(1, 1, player);
  g_DatabaseSet.m_vCharaExc.resize(3);
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND basic = Page(0);
  EXPECT_FALSE(Enabled(basic, 1044)) << "a player has no appearance conditions";
  EXPECT_FALSE(Enabled(basic, 1259));
  HWND graphic = Page(1);
  EXPECT_FALSE(Enabled(graphic, 1262)) << "a player's block combo is off";
  Choose(graphic, 1254, 4);
  EXPECT_FALSE(Enabled(graphic, 1446)) << "the dedicated bitmaps have no picker";
  Type(graphic, 1036, "9");
  EXPECT_EQ(Text(graphic, 1036), "2") << "three dedicated bitmaps allow cells 1 and 2";
  Choose(graphic, 1254, 0);
  EXPECT_FALSE(Enabled(graphic, 1038));
  EXPECT_EQ(Rows(graphic, 1266).front(), "しない");
  HWND status = Page(2);
  EXPECT_FALSE(Enabled(status, 1180));
  EXPECT_FALSE(Shown(status, 1073));
  Type(status, 1061, "0");
  Press(PSBTN_OK);
  const cEdChara& placed = g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1));
  EXPECT_EQ(placed.m_nHp, 1) << "HP cannot be set below 1";
  EXPECT_EQ(placed.m_cGraphicSheet, 0);
}

// An offset that the sheet's own range would cut (キャラ: -19..19), or that a sheet without an
// offset keeps (ブロック, アイテム, ショット), is shown and stays through a tab change and OK.
TEST_F(CharaSheetWndTest, AStoredOffsetIsShownAndKeptWhateverTheSheet) {
  for (int sheet : {1, 0, 2, 3}) {
    SCOPED_TRACE(sheet);
    cEdChara chara = NamedChara("影");
    chara.m_cGraphicSheet = static_cast<int8_t>(sheet);
    chara.m_nGraphicFrame = 100;
    Place(1, 1, chara);
    ASSERT_NE(OpenPlaced(1, 1), nullptr);
    HWND graphic = Page(1);
    if (sheet != 1) {
      EXPECT_EQ(Text(graphic, 1038), "100");
    }
    Page(2);
    Press(PSBTN_OK);
    EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)).m_nGraphicFrame, 100);
  }
}

TEST_F(CharaSheetWndTest, AStoredValueOutsideItsRowsShowsAsUnknownAndStays) {
  cEdChara odd = NamedChara("壊");
  odd.m_cFlying = 9;
  Place(1, 1, odd);
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND graphic = Page(1);
  EXPECT_EQ(Rows(graphic, 1265).back(), "？");
  EXPECT_EQ(Row(graphic, 1265), 4);
  Type(graphic, 1256, "3");
  Press(PSBTN_OK);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)).m_cFlying, 9);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)).m_cZ, 3);
}

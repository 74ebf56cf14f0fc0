// The palette windows' rules: the six windows, where they start, the grid and its scrolling, the
// brush a click makes, the right click, the entry menu, the toolbars, the keys, which windows a
// layer shows, and what a window repaints.
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "tests/stage/PaintText.h"
#include "tests/stage/PaletteTest.h"

using PaletteWindow = PaletteTest;

namespace {

// An entry of graphic 1 drawn at a pixel of the grid.
std::string Entry(int x, int y) { return "S1(0,32,32,32)>(" + std::to_string(x) + "," + std::to_string(y) + ",32,32)"; }

std::string Describe(const cPalettePaint& paint) {
  std::string text;
  for (const cPaintList& list : paint.m_vLists) text += (text.empty() ? "" : " | ") + Describe(list);
  return text;
}

}  // namespace

TEST_F(PaletteWindow, TheSixWindows) {
  cEditConfig& c = EditConfig;
  const struct {
    int m_bStage, m_nKind;
    const char* m_pTitle;
    cWindowPlacement* m_pPlacement;
  } rows[] = {
      {0, 0, "[コモン]ブロックパレット", &c.m_wpCommonBlocks}, {0, 1, "[コモン]キャラパレット", &c.m_wpCommonCharas},
      {0, 2, "[コモン]アイテムパレット", &c.m_wpCommonItems},  {1, 0, "[ステージ]ブロックパレット", &c.m_wpStageBlocks},
      {1, 1, "[ステージ]キャラパレット", &c.m_wpStageCharas},  {1, 2, "[ステージ]アイテムパレット", &c.m_wpStageItems},
  };
  for (int i = 0; i < kPaletteWndCount; ++i) {
    cPalettePane& pane = m_Panes.Pane(i);
    EXPECT_EQ(pane.StagePalette(), rows[i].m_bStage) << i;
    EXPECT_EQ(pane.Kind(), rows[i].m_nKind) << i;
    EXPECT_STREQ(pane.Title(), rows[i].m_pTitle) << i;
    EXPECT_EQ(&pane.Placement(c), rows[i].m_pPlacement) << i;
    EXPECT_EQ(&m_Panes.PaneOf(rows[i].m_bStage, rows[i].m_nKind), &pane) << i;
    // Twins: the other palette's window of the same kind.
    EXPECT_EQ(m_Panes.Twin(pane).Kind(), pane.Kind()) << i;
    EXPECT_NE(m_Panes.Twin(pane).StagePalette(), pane.StagePalette()) << i;
  }
  // The stage editor creates them by layer, the group window among the characters.
  EXPECT_EQ(std::vector<int>(kLayerWindowCreationOrder, kLayerWindowCreationOrder + 7),
            (std::vector<int>{0, 3, 1, 4, kGroupWnd, 2, 5}));
}

TEST_F(PaletteWindow, ThePlaceIsKeptWhenTheWindowGoes) {
  MakeDirectory("e_data");
  cEditConfig config;
  EXPECT_EQ(Stage(2).SavePlacement(config, 700, 90, 256, 300), 1);
  cEditConfig saved;
  ASSERT_TRUE(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()));
  const cWindowPlacement& place = saved.m_wpStageItems;
  EXPECT_EQ(place.m_bValid, 1);
  EXPECT_EQ(place.m_nX, 700);
  EXPECT_EQ(place.m_nY, 90);
  EXPECT_EQ(place.m_nWidth, 256);
  EXPECT_EQ(place.m_nHeight, 300);
  EXPECT_EQ(saved.m_wpCommonItems.m_bValid, 0);
}

TEST_F(PaletteWindow, StartGeometry) {
  cEditConfig& config = EditConfig;
  config.SetDefaults();
  struct Case {
    const char* m_pName;
    int m_nIndex;
    int m_bSaved;
    int32_t m_nX, m_nY, m_nWidth, m_nHeight;
  } cases[] = {
      {"a common window beside the editor", 1, 0, 50 + 640 + 8, 40 + 8, 256, 960},
      {"a stage window below its twin's title", 4, 0, 50 + 640 + 8, 40 + 46 + 8, 256, 960},
      {"a saved place", 2, 1, 300, 20, 256, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cWindowPlacement& placement = m_Panes.Pane(c.m_nIndex).Placement(config);
    placement = cWindowPlacement();
    if (c.m_bSaved) placement.Set(300, 20, 256, 500);
    cPaletteGeometry g = PaletteStartGeometry(c.m_nIndex, config, 50, 40, 640, 46);
    EXPECT_EQ(g.m_nX, c.m_nX);
    EXPECT_EQ(g.m_nY, c.m_nY);
    EXPECT_EQ(g.m_nClientWidth, c.m_nWidth);
    EXPECT_EQ(g.m_nClientHeight, c.m_nHeight);
  }
  config.SetDefaults();
  // The largest height: the rows, the toolbar and the status bar, at most to the work area's bottom.
  EXPECT_EQ(PaletteLargestHeight(17, 28, 20, 738), 3 * 32 + 28 + 20);
  EXPECT_EQ(PaletteLargestHeight(999, 28, 20, 738), 738);
  EXPECT_EQ(PaletteWindowTop(-30), 8);
  EXPECT_EQ(PaletteWindowTop(0), 0);
}

TEST_F(PaletteWindow, GridArithmetic) {
  const struct {
    int m_nCount, m_nRows;
  } rows[] = {{1, 1}, {2, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}, {1000, 125}};
  for (const auto& row : rows) EXPECT_EQ(PaletteRows(row.m_nCount), row.m_nRows) << row.m_nCount;

  cPalettePane& pane = Common(0);
  g_CommonPalette.m_vBlock.resize(40, Named<cEdBlock>("n"));
  pane.SetClientHeight(64);
  const struct {
    int32_t m_nTop, m_nX, m_nY, m_nEntry;
  } points[] = {
      {0, 0, 0, 0},    {0, 31, 31, 0},   {0, 32, 0, 1},     {0, 255, 0, 7},   {0, 0, 32, 8},
      {0, 300, 40, 15},  // right of the grid: still the eighth column
      {2, 0, 0, 16},   {2, 70, 40, 26},  {3, 255, 63, 39},  {3, 0, 64, 40},  // past the list
  };
  for (const auto& p : points) {
    pane.SetTopRow(p.m_nTop);
    ASSERT_EQ(pane.TopRow(), p.m_nTop);
    EXPECT_EQ(pane.EntryAt(p.m_nX, p.m_nY), p.m_nEntry) << p.m_nX << "," << p.m_nY << " top " << p.m_nTop;
  }
  int32_t x, y;
  PaletteCell(26, 2, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
}

TEST_F(PaletteWindow, SeventeenEntriesMakeThreeRows) {
  g_CommonPalette.m_vBlock.resize(17, Named<cEdBlock>("n"));
  cPalettePane& pane = Common(0);
  pane.SetClientHeight(960);
  EXPECT_EQ(pane.ScrollMaximum(), 2);
  EXPECT_EQ(pane.ScrollPage(), 30);
  cPalettePaint paint;
  pane.TakePaint(Sheets(), paint);
  ASSERT_EQ(paint.m_vLists.size(), 1u);
  const std::string ops = Describe(paint.m_vLists[0]);
  // The last row shows entry 16 alone.
  EXPECT_NE(ops.find(Entry(0, 64)), std::string::npos);
  EXPECT_EQ(ops.find(Entry(32, 64)), std::string::npos);
  // A click in the free part of the last row selects nothing and leaves the brush.
  Run(0, "c3");
  pane.OnLButtonDown(100, 80);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, 3);
  EXPECT_EQ(EntryText(g_StageEditState.m_vBrushBlock[0]), "C<c3");
}

TEST_F(PaletteWindow, ScrollingKeepsTheListInView) {
  g_CommonPalette.m_vBlock.resize(40, Named<cEdBlock>("n"));  // 5 rows
  cPalettePane& pane = Common(0);
  pane.SetClientHeight(64);  // 2 rows at a time
  struct Step {
    const char* m_pName;
    int m_nWheel;  // 0: the scroll bar moves to m_nRow
    int32_t m_nRow;
    int m_bMoved;
    int32_t m_nTop;
  } steps[] = {
      {"the scroll bar", 0, 3, 1, 3},
      {"past the last page", 0, 9, 0, 3},
      {"three notches away from the user: three rows up", 360, 0, 1, 0},
      {"one notch toward the user: one row down", -120, 0, 1, 1},
      {"three notches toward the user: three rows down, as far as the list goes", -360, 0, 1, 3},
      {"half a notch does nothing yet", 60, 0, 0, 3},
      {"the other half does", 60, 0, 1, 2},
      {"before the first row", 0, -4, 1, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.m_pName);
    int32_t before = pane.TopRow();
    if (s.m_nWheel) EXPECT_EQ(pane.OnWheel(s.m_nWheel), s.m_bMoved);
    else pane.SetTopRow(s.m_nRow);
    EXPECT_EQ(pane.TopRow() != before, s.m_bMoved != 0);
    EXPECT_EQ(pane.TopRow(), s.m_nTop);
  }
  // A taller window or a shorter list takes rows back from below the list's end.
  pane.SetTopRow(3);
  pane.SetClientHeight(128);
  EXPECT_EQ(pane.TopRow(), 1);
  g_CommonPalette.m_vBlock.resize(9);
  pane.UpdateSize();
  EXPECT_EQ(pane.TopRow(), 0);
}

TEST_F(PaletteWindow, TheBrushFollowsTheCaseOfItsPalette) {
  cProjectSettings& p = g_ProjectSettings;
  // Placed from the common palette: blocks follow their entry's name and graphic; from the stage
  // palette: only the mark.
  p.m_bbDefInherit[1][0].Fill(0);
  p.m_bbDefInherit[1][0][0] = p.m_bbDefInherit[1][0][2] = 1;
  p.m_bbDefInherit[2][0].Fill(0);
  p.m_bbDefInherit[2][0][5] = 1;
  struct Case {
    const char* m_pClick;
    int m_nPalette;
    int m_nIndex;
    int m_nFlag;  // the one flag of the case that is not group 0
  } cases[] = {{"c4", kPaletteCommon, 4, 2}, {"s3", kPaletteStage, 3, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pClick);
    Run(0, c.m_pClick);
    const cEdBlock& brush = g_StageEditState.m_vBrushBlock[0];
    EXPECT_EQ(brush.m_cInheritPalette, c.m_nPalette);
    EXPECT_EQ(brush.m_nInheritIndex, c.m_nIndex);
    EXPECT_EQ(brush.m_bbInherit[c.m_nFlag], 1);
    int flags = static_cast<int>(std::count(brush.m_bbInherit.begin(), brush.m_bbInherit.end(), 1));
    EXPECT_EQ(flags, c.m_nPalette == kPaletteCommon ? 2 : 1);
    EXPECT_EQ(g_StageEditState.m_nBrushWidth, 1);
    EXPECT_EQ(g_StageEditState.m_nBrushHeight, 1);
  }
  // A brush of several cells taken from the map becomes one entry again.
  g_StageEditState.m_nBrushWidth = 3;
  g_StageEditState.m_vBrushBlock.resize(6);
  Run(0, "c1");
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 1);
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[0].m_strName, "A");
}

TEST_F(PaletteWindow, DataSheetsEditTheEntryItself) {
  struct Case {
    const char* m_pClick;
    int m_nKind, m_nContext;
  } cases[] = {{"rc2", 0, 2}, {"rs3", 1, 1}, {"rs1", 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pClick);
    Restart();
    Run(c.m_nKind, c.m_pClick);
    cStageEditState& s = g_StageEditState;
    EXPECT_EQ(s.m_nEditContext, c.m_nContext);
    int index = s.m_nSelIndex;
    EXPECT_EQ(s.m_nEditIndex, index);
    const void* entry = nullptr;
    VisitPaletteList(g_CommonPalette, g_StageDoc, c.m_nContext == 1, c.m_nKind,
                     [&](auto& list) { entry = &list[static_cast<size_t>(index)]; });
    const void* edited[3] = {s.m_pEditBlock, s.m_pEditChara, s.m_pEditItem};
    for (int kind = 0; kind < 3; ++kind) EXPECT_EQ(edited[kind], kind == c.m_nKind ? entry : nullptr) << kind;
    EXPECT_EQ(m_Host.m_strCalls, "sheet" + std::to_string(c.m_nKind));
  }
}

TEST_F(PaletteWindow, EntryMenu) {
  struct Case {
    const char* m_pName;
    const char* m_pSteps;
    int m_bOpen;
    const char* m_pEnabled;  // the items of kEntryMenuItems: 編集 切り取り コピー 貼り付け コピーしたデータを挿入
                             // 新規挿入 削除 末尾へコピーしたデータを作成 末尾へ新規作成
  } cases[] = {
      {"mode 0 opens no menu", "rc3", 0, ""},
      {"entry 0, empty clipboard", "c:rmenu rc0", 1, "........x"},
      {"entry 0 with a copy", "c:rmenu rc2 c:copy rc0", 1, ".......xx"},
      {"an entry, empty clipboard", "c:rmenu rc3", 1, "xxx..xx.x"},
      {"an entry with a copy", "c:rmenu rc2 c:copy rs3", 1, "xxxxxxxxx"},
      {"an entry while a cut is pending", "c:rmenu rc2 c:cut rc3", 1, "xxx.xxxxx"},
      {"copy 4, delete 4: nothing to paste", "c:rmenu rc4 c:copy c:del rc3", 1, "xxx..xx.x"},
      {"past the end of the list", "c:rmenu rc9", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    Restart();
    Run(0, c.m_pSteps);
    EXPECT_EQ(m_LastMenu.m_bOpen, c.m_bOpen);
    std::string enabled;
    if (m_LastMenu.m_bOpen)
      for (uint16_t id : kEntryMenuItems) enabled += m_LastMenu.State(id).m_bEnabled ? 'x' : '.';
    EXPECT_EQ(enabled, c.m_pEnabled);
  }
}

TEST_F(PaletteWindow, ToolbarsOfTwinsStayInStep) {
  const struct {
    int m_nCommand;
    const char* m_pChecked;  // 40044 40045 40046 40047 40087 40139 40140
    int32_t m_nMode;
  } steps[] = {
      {kIdtToolLine, ".x...x.", 1},  {kIdtToolEdit, "....xx.", 3}, {kIdtRightClickMenu, "....x.x", 3},
      {kIdtToolPen, "x.....x", 0},   {kIdtRightClickSheet, "x....x.", 0},
  };
  const uint16_t ids[7] = {40044, 40045, 40046, 40047, 40087, 40139, 40140};
  for (const auto& step : steps) {
    // The stage window's button; both windows of the kind show the state.
    EXPECT_EQ(Stage(1).RunCommand(step.m_nCommand), kPaletteCmdDone);
    std::string checked;
    for (uint16_t id : ids) {
      cCommandState state = PaletteToolbarState(id, g_StageEditState);
      EXPECT_TRUE(state.m_bEnabled);
      checked += state.m_bChecked ? 'x' : '.';
    }
    EXPECT_EQ(checked, step.m_pChecked) << step.m_nCommand;
    EXPECT_EQ(g_StageEditState.m_nMode, step.m_nMode) << step.m_nCommand;
  }
  // The buttons as the window adds them.
  std::string layout;
  for (const cPaletteToolButton& b : kPaletteToolButtons) {
    if (b.m_nImage < 0) layout += "| ";
    else layout += std::to_string(b.m_nBitmap) + ":" + std::to_string(b.m_nImage) + " " + std::to_string(b.m_nCommand) + " " +
                   b.m_pTip + "; ";
  }
  EXPECT_EQ(layout,
            "0:0 40044 普通; 0:1 40045 直線; 0:2 40046 矩形; 0:3 40047 塗り潰し; 0:4 40087 パラメーターの編集; | "
            "1:0 40139 右クリックでパレットデータの編集; 1:1 40140 右クリックでメニュー; ");
  EXPECT_STREQ(kPaletteToolBitmaps[0], "e_bmp\\ToolBar_Pen.bmp");
  EXPECT_STREQ(kPaletteToolBitmaps[1], "e_bmp\\ToolBar_PltEdit.bmp");
}

TEST_F(PaletteWindow, KeysAndCommandsForTheStageEditor) {
  for (int id : {40003, 40004, 40005, 40006, 40010, 40011, 40133})
    EXPECT_EQ(Common(2).RunCommand(id), kPaletteCmdForward) << id;
  // The stage editor's other accelerators do nothing here.
  for (int id : {40001, 40002, 40007, 40008, 40009, 40162, 40163, 40165})
    EXPECT_EQ(Common(2).RunCommand(id), kPaletteCmdNone) << id;
  const struct {
    int m_nKey, m_nCommand, m_nPassed;
  } keys[] = {{0x74, 40006, 0}, {0x76, 40133, 0}, {0x20, 0, 0x20}, {0x41, 0, 0}, {0x75, 0, 0}};
  for (const auto& k : keys) {
    cPaletteKey action = PaletteKeyAction(k.m_nKey);
    EXPECT_EQ(action.m_nCommand, k.m_nCommand) << k.m_nKey;
    EXPECT_EQ(action.m_nKey, k.m_nPassed) << k.m_nKey;
  }
}

TEST_F(PaletteWindow, WhichWindowsALayerShows) {
  cEditConfig& config = EditConfig;
  struct Case {
    const char* m_pName;
    int m_bOpen, m_nLayer, m_bCommon, m_bStage, m_bGroup;
    const char* m_pShown;  // common blocks, charas, items, stage blocks, charas, items, group
  } cases[] = {
      {"no stage", 0, 0, 1, 1, 1, "......."},
      {"blocks", 1, 0, 1, 1, 1, "x..x..."},
      {"characters with the group window", 1, 1, 1, 1, 1, ".x..x.x"},
      {"items", 1, 2, 1, 1, 1, "..x..x."},
      {"the common palette toggled off", 1, 1, 0, 1, 1, "....x.x"},
      {"the stage palette and the group toggled off", 1, 1, 1, 0, 0, ".x....."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageEditState.m_bStageOpen = c.m_bOpen;
    g_StageEditState.m_nLayer = c.m_nLayer;
    config.m_wpCommonBlocks.m_bShown = c.m_bCommon;
    config.m_wpStageBlocks.m_bShown = c.m_bStage;
    config.ApplyShownRule();
    config.m_wpCharaGroup.m_bShown = c.m_bGroup;
    int32_t shown[kLayerWindowCount];
    LayerWindowsShown(g_StageEditState, config, shown);
    std::string text;
    for (int32_t flag : shown) text += flag ? 'x' : '.';
    EXPECT_EQ(text, c.m_pShown);
  }
  config.SetDefaults();
}

TEST_F(PaletteWindow, StatusTextOfTheWindowWithTheSelection) {
  g_CommonPalette.m_vBlock[5].m_strName = "岩の床";
  Run(0, "c5");
  EXPECT_EQ(Common(0).StatusText(), "5 : 岩の床");
  EXPECT_EQ(Stage(0).StatusText(), "");
  Run(0, "s1");
  EXPECT_EQ(Common(0).StatusText(), "");
  EXPECT_EQ(Stage(0).StatusText(), "1 : p");
  // A brush taken from the map names no entry.
  g_StageEditState.m_nSelIndex = -1;
  EXPECT_EQ(Stage(0).StatusText(), "");
}

TEST_F(PaletteWindow, RepaintsOnlyWhatChanged) {
  cSheetExtents sheets = Sheets();
  cPalettePane& common = Common(0);
  cPalettePane& stage = Stage(0);
  common.SetClientHeight(64);
  stage.SetClientHeight(64);
  cPalettePaint paint;
  // The first paint shows everything: entries 1 to 6 and the frame of the selection (entry 0).
  common.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint), "fill " + Entry(32, 0) + " " + Entry(64, 0) + " " + Entry(96, 0) + " " + Entry(128, 0) +
                                 " " + Entry(160, 0) + " " + Entry(192, 0) + " box(0,0,32,32)");
  EXPECT_TRUE(paint.m_bStatus);
  EXPECT_EQ(paint.m_strStatus, "0 : ");
  EXPECT_TRUE(paint.m_bLayout);
  stage.TakePaint(sheets, paint);
  EXPECT_EQ(paint.m_strStatus, "");

  // Nothing changed, nothing to do.
  common.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint), "");
  EXPECT_FALSE(paint.m_bStatus);
  EXPECT_FALSE(paint.m_bLayout);

  // Another entry selected: the old frame's cell and the new one's, with what their frames touch.
  Run(0, "c3");
  common.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint), "fill " + Entry(32, 0) + " | fill " + Entry(64, 0) + " " + Entry(96, 0) + " " +
                                 Entry(128, 0) + " box(96,0,32,32)");
  ASSERT_EQ(paint.m_vLists.size(), 2u);
  EXPECT_EQ(paint.m_vLists[1].m_nClipX, 94);
  EXPECT_EQ(paint.m_vLists[1].m_nClipWidth, 36);
  EXPECT_EQ(paint.m_strStatus, "3 : C");

  // A copy shows a dotted frame at its source.
  Run(0, "c:copy");
  common.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint),
            "fill " + Entry(64, 0) + " " + Entry(96, 0) + " " + Entry(128, 0) + " box(96,0,32,32) dots(96,0,32,32)");
  EXPECT_FALSE(paint.m_bStatus);

  // The selection moves to the twin: this window takes its frame and its status text away.
  Run(0, "s2");
  common.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint), "fill " + Entry(64, 0) + " " + Entry(96, 0) + " " + Entry(128, 0) + " dots(96,0,32,32)");
  EXPECT_TRUE(paint.m_bStatus);
  EXPECT_EQ(paint.m_strStatus, "");
  stage.TakePaint(sheets, paint);
  EXPECT_EQ(Describe(paint), "fill " + Entry(32, 0) + " " + Entry(64, 0) + " " + Entry(96, 0) + " box(64,0,32,32)");
  EXPECT_EQ(paint.m_strStatus, "2 : C");

  // A change of the list repaints the whole grid and tells the scroll bar.
  Run(0, "c:appn");
  common.TakePaint(sheets, paint);
  EXPECT_EQ(paint.m_vLists.size(), 1u);
  EXPECT_EQ(paint.m_vLists[0].m_nClipHeight, 64);
  EXPECT_TRUE(paint.m_bLayout);
  // Scrolling repaints everything too.
  g_CommonPalette.m_vBlock.resize(30, Named<cEdBlock>("n"));
  common.TakePaint(sheets, paint);
  common.SetTopRow(2);
  common.TakePaint(sheets, paint);
  ASSERT_EQ(paint.m_vLists.size(), 1u);
  EXPECT_TRUE(paint.m_bLayout);
  // Rows 2 and 3 on screen: entries 16 to 29, the last one at the bottom row's sixth column.
  EXPECT_NE(Describe(paint.m_vLists[0]).find(Entry(160, 32)), std::string::npos);
  EXPECT_EQ(Describe(paint.m_vLists[0]).find(Entry(192, 32)), std::string::npos);
}

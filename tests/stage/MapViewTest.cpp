// The map view's paint lists: one record's graphic from its sheet, the layers, the overlays, the
// cursor of each mode, partial repaints, and scrolling by the scroll bars, the wheel and the player.
#include "tests/stage/PaintText.h"
#include "tests/stage/StageEditorTest.h"

namespace {

cPaintList Everywhere() {
  cPaintList list;
  list.Begin(0, 0, 640, 480);
  return list;
}

}  // namespace

using MapView = StageEditorTest;

TEST_F(MapView, ObjectGraphics) {
  g_DatabaseSet.m_vAnimeSet.resize(2);
  g_DatabaseSet.m_vAnimeSet[1].m_nShiftBlock = 2;
  g_DatabaseSet.m_vAnimeSet[1].m_nShiftInvincible = 4;
  g_DatabaseSet.m_vAnimeSet[1].m_nShiftFly = 8;
  g_DatabaseSet.m_vCharaExc.resize(4);
  int giant[4] = {0, 3, 0, 40};
  for (int i = 1; i < 4; ++i) {
    g_DatabaseSet.m_vCharaExc[i].m_bGiant = 1;
    g_DatabaseSet.m_vCharaExc[i].m_nGiantSize = giant[i];
  }
  cEdChara chara;
  chara.m_nAnimeSet = 1;
  chara.m_bBlock = 1;
  chara.m_cFlying = 1;
  chara.m_bFaceRight = 1;
  struct Case {
    const char* m_pName;
    int m_nKind, m_nSheet, m_nGraphic, m_nFrame;
    bool m_bChara;
    int m_nMarkShow, m_nMark, m_bHalf;
    const char* m_pOps;
  } cases[] = {
      {"block", 0, 0, 17, 0, false, 0, 0, 0, "S1(32,64,32,32)>(0,0,32,32)"},
      {"block at half size", 0, 0, 17, 0, false, 0, 0, 1, "S1(32,64,32,32)>(16,0,16,16)"},
      {"empty, with its mark", 0, 0, 0, 0, false, 1, 3, 0, ""},
      {"mark after the graphic", 0, 0, 1, 0, false, 2, 16, 0, "S1(0,32,32,32)>(0,0,32,32) S22(32,32,32,32)>(0,0,32,32)"},
      {"half mark", 2, 2, 1, 0, false, 1, 0, 1, "S19(0,16,16,16)>(16,0,16,16) S22(0,0,32,32)>(16,0,16,16)"},
      {"block from a character sheet, frame 25", 0, 1, 16, 25, false, 0, 0, 0, "S5(160,32,32,32)>(0,0,32,32)"},
      {"block from a character sheet, frame 3", 0, 1, 2, 3, false, 0, 0, 0, "S2(96,64,32,32)>(0,0,32,32)"},
      {"character: shifts and facing", 1, 1, 3, 1, true, 0, 0, 0, "S3(352,96,32,32)>(0,0,32,32)"},
      {"character without its record", 1, 1, 3, 1, false, 1, 0, 0, "S22(0,0,32,32)>(0,0,32,32)"},
      {"past the eighth character sheet", 0, 1, 120, 0, false, 0, 0, 0, ""},
      {"item", 2, 2, 16, 5, false, 0, 0, 0, "S18(64,32,32,32)>(0,0,32,32)"},
      {"item at half size", 2, 2, 16, 5, false, 0, 0, 1, "S19(32,16,16,16)>(16,0,16,16)"},
      {"shot of a character facing right", 1, 3, 31, 0, true, 0, 0, 0, "S21(32,16,16,16)>(8,8,16,16)"},
      {"shot at half size", 1, 3, 31, 0, true, 0, 0, 1, "S20(32,16,16,16)>(20,4,8,8)"},
      {"shot of a block", 0, 3, 2, 0, false, 0, 0, 0, "S20(0,32,16,16)>(8,8,16,16)"},
      {"giant of size 3: five squares of 96 to a row", 0, 4, 1, 7, false, 0, 0, 0, "E2(192,96,96,96)>(0,0,32,32)"},
      {"giant facing right", 1, 4, 1, 0, true, 0, 0, 0, "E3(0,192,96,96)>(0,0,32,32)"},
      {"giant size 0 counts as 1", 0, 4, 2, 17, false, 0, 0, 1, "E4(32,32,32,32)>(16,0,16,16)"},
      {"giant size 40 counts as 16", 0, 4, 3, 0, false, 0, 0, 0, "E6(0,0,512,512)>(0,0,32,32)"},
      {"past the dedicated table", 0, 4, 4, 0, false, 0, 0, 0, ""},
      {"past the block sheet", 0, 0, 999, 0, false, 0, 0, 0, ""},
      {"past the mark sheet", 0, 0, 1, 0, false, 1, 999, 0, "S1(0,32,32,32)>(0,0,32,32)"},
      {"a negative graphic", 0, 0, -3, 0, false, 0, 0, 0, ""},
      {"a frame before the sheet", 0, 1, 2, -40, false, 0, 0, 0, ""},
      {"another sheet value", 0, 7, 2, 0, false, 0, 0, 0, ""},
  };
  cSheetExtents sheets = Sheets();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cPaintList list = Everywhere();
    AddObjectGraphic(list, sheets, 0, 0, c.m_nKind, c.m_nSheet, c.m_nGraphic, c.m_nFrame, c.m_bChara ? &chara : nullptr,
                     c.m_nMarkShow, c.m_nMark, c.m_bHalf);
    EXPECT_EQ(Describe(list), c.m_pOps);
  }
}

TEST_F(MapView, WholeView) {
  OpenStage(30, 20);
  int index = g_StageDoc.CellIndex(3, 2);
  g_StageDoc.m_vBlockLayer.At(index) = Record<cEdBlock>(1);
  g_StageDoc.m_vCharaLayer.At(index) = Record<cEdChara>(2);
  g_StageDoc.m_vItemLayer.At(index) = Record<cEdItem>(1);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(0, 0)) = Record<cEdBlock>(1);  // scrolled away
  g_StateStack.m_lpCurrent->m_nX = 3;
  g_StateStack.m_lpCurrent->m_nY = 3;
  cMapView view(g_StageDoc, g_StageEditState);
  view.SetClientSize(100, 300);
  view.ScrollTo(1, 1);
  std::vector<cPaintList> lists;
  cMapChanges changes;
  view.TakePaint(changes, cViewInput(), Sheets(), lists);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0].m_nClipWidth, 100);
  EXPECT_EQ(lists[0].m_nClipHeight, 300);
  // Layers in order, the item at half size; the grid; the centre frame where it meets the view;
  // the pen's cursor.
  EXPECT_EQ(Describe(lists[0]),
            "fill S1(0,32,32,32)>(64,32,32,32) S2(0,64,32,32)>(64,32,32,32) S19(0,16,16,16)>(80,32,16,16) grid "
            "line(0,224,639,224) line(0,256,639,256) box(64,64,32,32)");
  EXPECT_EQ(lists[0].m_strStatus, "座標 (3,3)");
}

TEST_F(MapView, WithoutAStageTheViewIsBlack) {
  cMapView view(g_StageDoc, g_StageEditState);
  view.SetClientSize(640, 480);
  g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(1);
  std::vector<cPaintList> lists;
  cMapChanges changes;
  view.TakePaint(changes, cViewInput(), Sheets(), lists);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(Describe(lists[0]), "fill");
  EXPECT_TRUE(lists[0].m_strStatus.empty());
}

TEST_F(MapView, ScrollLimits) {
  struct Case {
    int m_nLeft, m_nRight, m_nTop, m_nBottom;  // -1: off
    int m_nScrollX;
    const char* m_pLines;
  } cases[] = {
      {2, 5, 1, 3, 1, "line(31,0,31,479) line(161,0,161,479) line(0,31,639,31) line(0,129,639,129)"},
      {-1, 30, -1, -1, 0, ""},  // beyond the view: nothing that shows
      {0, -1, -1, 9, 0, "line(-1,0,-1,479) line(0,321,639,321)"},
  };
  for (const Case& c : cases) {
    OpenStage(40, 15);
    cStageDoc& s = g_StageDoc;
    s.m_bLimitLeft = c.m_nLeft >= 0, s.m_nLimitLeft = c.m_nLeft;
    s.m_bLimitRight = c.m_nRight >= 0, s.m_nLimitRight = c.m_nRight;
    s.m_bLimitTop = c.m_nTop >= 0, s.m_nLimitTop = c.m_nTop;
    s.m_bLimitBottom = c.m_nBottom >= 0, s.m_nLimitBottom = c.m_nBottom;
    g_StageEditState.m_nMode = kModeSelect;  // no cursor
    cMapView view(g_StageDoc, g_StageEditState);
    view.SetClientSize(640, 480);
    view.ScrollTo(c.m_nScrollX, 0);
    cPaintList list;
    view.Paint(list, cViewInput(), Sheets(), 0, 0, 640, 480);
    std::string text = Describe(list);
    std::string frame = "line(304,0,304,479) line(336,0,336,479) line(0,224,639,224) line(0,256,639,256)";
    ASSERT_NE(text.find(frame), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.find(frame) + frame.size()), std::string(*c.m_pLines ? " " : "") + c.m_pLines)
        << c.m_pLines;
  }
}

TEST_F(MapView, CursorOfEachMode) {
  struct Case {
    const char* m_pName;
    int m_nMode, m_bDragging, m_bLDown;
    const char* m_pCursor;
  } cases[] = {
      {"pen: the brush's size", kModePen, 0, 0, "box(64,32,64,96)"},
      {"line, no drag", kModeLine, 0, 0, "box(64,32,32,32)"},
      {"line preview: the brush and a box per cell",
       kModeLine, 1, 1, "S1(0,32,32,32)>(0,0,32,32) box(0,0,32,32) S1(0,64,32,32)>(32,0,32,32) box(32,0,32,32) "
                        "S1(0,32,32,32)>(64,32,32,32) box(64,32,32,32)"},
      {"line dragged, button up", kModeLine, 1, 0, "box(64,32,32,32)"},
      {"rectangle preview, tiled from its corner", kModeRect, 1, 1,
       "S1(0,32,32,32)>(0,0,32,32) S1(0,64,32,32)>(32,0,32,32) S1(0,32,32,32)>(64,0,32,32) "
       "S1(0,96,32,32)>(0,32,32,32) S1(0,128,32,32)>(32,32,32,32) S1(0,96,32,32)>(64,32,32,32) box(0,0,96,64)"},
      {"fill: one cell", kModeCell, 0, 0, "box(64,32,32,32)"},
      {"selection", kModeSelect, 1, 0, "box(0,0,96,64)"},
      {"selection over", kModeSelect, 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    OpenStage(8, 4);
    cStageEditState& s = g_StageEditState;
    s.m_nMode = c.m_nMode;
    s.m_bDragging = c.m_bDragging;
    s.m_nBrushWidth = 2, s.m_nBrushHeight = 3;
    s.m_vBrushBlock.clear();
    for (int g = 1; g <= 6; ++g) s.m_vBrushBlock.push_back(Record<cEdBlock>(g));
    s.m_nLineStartX = s.m_nLineStartY = 0;
    s.m_nRectAnchorX = s.m_nRectAnchorY = 0;
    s.m_nRectWidth = 3, s.m_nRectHeight = 2;
    s.m_nSelAnchorX = s.m_nSelAnchorY = 0;
    g_StateStack.m_lpCurrent->m_nX = 2;
    g_StateStack.m_lpCurrent->m_nY = 1;
    cMapView view(g_StageDoc, g_StageEditState);
    view.SetClientSize(640, 480);
    cViewInput input;
    input.m_bLDown = c.m_bLDown;
    cPaintList list;
    view.Paint(list, input, Sheets(), 0, 0, 640, 480);
    std::string text = Describe(list);
    std::string before = "line(0,256,639,256)";
    ASSERT_NE(text.find(before), std::string::npos);
    std::string cursor = text.substr(text.find(before) + before.size());
    EXPECT_EQ(cursor, std::string(*c.m_pCursor ? " " : "") + c.m_pCursor);
    for (const cPaintOp& op : list.m_vOps)
      if (op.m_nKind == cPaintOp::kOutline) {
        EXPECT_EQ(op.m_nColour, c.m_nMode == kModeSelect ? kColourSelection : kColourCursor);
      }
  }
}

TEST_F(MapView, ShiftShowsEveryBrush) {
  OpenStage(8, 4);
  cStageEditState& s = g_StageEditState;
  s.m_nMode = kModeLine;
  s.m_bDragging = 1;
  s.m_vBrushBlock.assign(1, Record<cEdBlock>(1));
  s.m_vBrushChara.assign(1, Record<cEdChara>(1));
  s.m_vBrushItem.assign(1, Record<cEdItem>(1));
  cMapView view(g_StageDoc, g_StageEditState);
  view.SetClientSize(640, 480);
  cViewInput input;
  input.m_bLDown = input.m_bShift = 1;
  cPaintList list;
  view.Paint(list, input, Sheets(), 0, 0, 640, 480);
  EXPECT_NE(Describe(list).find("S1(0,32,32,32)>(0,0,32,32) S2(0,32,32,32)>(0,0,32,32) S19(0,16,16,16)>(16,0,16,16) box(0,0,32,32)"),
            std::string::npos);
}

TEST_F(MapView, AHugeRectanglePaintsOnlyWhatShows) {
  OpenStage(512, 512);
  cStageEditState& s = g_StageEditState;
  s.m_nMode = kModeRect;
  s.m_bDragging = 1;
  s.m_vBrushBlock.assign(1, Record<cEdBlock>(1));
  s.m_nRectWidth = s.m_nRectHeight = 512;
  g_StateStack.m_lpCurrent->m_nX = g_StateStack.m_lpCurrent->m_nY = 511;
  cMapView view(g_StageDoc, g_StageEditState);
  view.SetClientSize(640, 480);
  view.ScrollTo(100, 100);
  cViewInput input;
  input.m_bLDown = 1;
  cPaintList list;
  view.Paint(list, input, Sheets(), 0, 0, 640, 480);
  int blits = 0;
  for (const cPaintOp& op : list.m_vOps) blits += op.m_nKind == cPaintOp::kBlit;
  EXPECT_EQ(blits, 20 * 15);
}

TEST_F(MapView, APenDragRepaintsOnlyWhatChanged) {
  OpenStage(64, 64);
  for (int i = 0; i < g_StageDoc.m_vBlockLayer.Count(); ++i) g_StageDoc.m_vBlockLayer.At(i) = Record<cEdBlock>(2);
  g_StageEditState.m_vBrushBlock.assign(1, Record<cEdBlock>(1));
  cStageEditor editor(g_StageDoc, g_StageEditState, m_Host);
  editor.OnInit(640, 480);
  std::vector<cPaintList> lists;
  cSheetExtents sheets = Sheets();
  editor.TakePaint(cViewInput(), sheets, lists);
  ASSERT_EQ(lists.size(), 1u);  // the first paint is whole

  cViewInput held;
  held.m_bLDown = 1;
  editor.OnMouse(MouseAt(kLButtonDown, 3, 3));
  editor.TakePaint(held, sheets, lists);
  cMapMouse move = MouseAt(kMouseMove, 4, 3);
  move.m_bLDown = 1;
  editor.OnMouse(move);
  editor.TakePaint(held, sheets, lists);
  // The changed cell, the cursor where it was and where it is: areas of a few cells each.
  ASSERT_FALSE(lists.empty());
  bool paintedCell = false;
  for (const cPaintList& list : lists) {
    EXPECT_LE(list.m_nClipWidth * list.m_nClipHeight, 3 * 3 * 32 * 32);
    for (const cPaintOp& op : list.m_vOps)
      paintedCell |= op.m_nKind == cPaintOp::kBlit && op.m_nX == 128 && op.m_nY == 96 && op.m_nSrcY == 32;
  }
  EXPECT_TRUE(paintedCell);
  EXPECT_EQ(lists.back().m_strStatus, "座標 (4,3)");

  // Nothing moved, nothing changed: only the cursor's own area.
  editor.TakePaint(held, sheets, lists);
  ASSERT_EQ(lists.size(), 1u);
  // A scroll repaints everything.
  editor.View().ScrollTo(2, 0);
  editor.TakePaint(held, sheets, lists);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0].m_nClipWidth, 640);
}

TEST_F(MapView, Wheel) {
  struct Case {
    const char* m_pName;
    int m_nAxis;
    std::vector<int> m_vDeltas;
    int m_bCtrl;
    int m_nScrollX, m_nScrollY;  // from (10, 10)
  } cases[] = {
      {"forward notch: one cell left", 0, {120}, 0, 9, 10},
      {"backward notch: one cell right", 0, {-120}, 0, 11, 10},
      {"three notches at once, forward", 0, {360}, 0, 7, 10},
      {"three notches at once, backward", 0, {-360}, 0, 13, 10},
      {"Ctrl: up and down", 0, {120, 120}, 1, 10, 8},
      {"vertical axis", 1, {-240}, 0, 10, 12},
      {"vertical axis with Ctrl", 1, {-240}, 1, 12, 10},
      {"no axis", 2, {120}, 0, 10, 10},
      {"half notches add up", 0, {60, 30, 30}, 0, 9, 10},
      {"stops at the edge", 0, {120 * 20}, 0, 0, 10},
      {"and at the far edge", 0, {-120 * 90}, 0, 80, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    OpenStage(100, 40);
    g_StageDoc.m_nWheelAxis = c.m_nAxis;
    cMapView view(g_StageDoc, g_StageEditState);
    view.SetClientSize(640, 480);
    view.ScrollTo(10, 10);
    for (int delta : c.m_vDeltas) view.Wheel(delta, c.m_bCtrl);
    EXPECT_EQ(view.ScrollX(), c.m_nScrollX);
    EXPECT_EQ(view.ScrollY(), c.m_nScrollY);
  }
}

TEST_F(MapView, StartsAtThePlayer) {
  struct Case {
    int m_nWidth, m_nHeight, m_nPlayerX, m_nPlayerY;  // -1: no player
    int m_nScrollX, m_nScrollY;
  } cases[] = {
      {100, 50, 40, 20, 30, 13},
      {100, 50, 3, 2, 0, 0},
      {100, 50, 99, 49, 80, 35},
      {12, 8, 11, 7, 0, 0},  // narrower and lower than the view
      {100, 50, -1, -1, 0, 0},
  };
  for (const Case& c : cases) {
    g_StageDoc.SetDefaults();
    OpenStage(c.m_nWidth, c.m_nHeight);
    if (c.m_nPlayerX >= 0) g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(c.m_nPlayerX, c.m_nPlayerY)) = PlayerRecord(1);
    cMapView view(g_StageDoc, g_StageEditState);
    view.SetClientSize(640, 480);
    view.StartAtPlayer();
    EXPECT_EQ(view.ScrollX(), c.m_nScrollX) << c.m_nWidth << "," << c.m_nPlayerX;
    EXPECT_EQ(view.ScrollY(), c.m_nScrollY) << c.m_nHeight << "," << c.m_nPlayerY;
  }
}

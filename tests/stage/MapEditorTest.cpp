// The map under the mouse: the five tools, the selection and its keys, the cursor cell, idle drags,
// and undo and redo of what they change.
#include <functional>
#include <sstream>

#include "tests/stage/StageEditorTest.h"

namespace {

// Blocks of a stage from rows of text ('.' empty, a digit a graphic number).
void SetBlocks(const std::string& rows) {
  int x = 0, y = 0;
  for (char c : rows) {
    if (c == '/') {
      ++y, x = 0;
      continue;
    }
    if (c != '.') g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, y)).m_nGraphic = static_cast<int16_t>(c - '0');
    ++x;
  }
}

void SetBlockBrush(int width, int height, const std::string& graphics) {
  cStageEditState& s = g_StageEditState;
  s.m_nBrushWidth = width;
  s.m_nBrushHeight = height;
  s.m_vBrushBlock.clear();
  for (char c : graphics) s.m_vBrushBlock.push_back(Record<cEdBlock>(c - '0'));
}

// Runs mouse messages written as "<message><x>,<y>" separated by blanks: L left press, U left
// release, M move with the left button held, m move without buttons, R right press, r right
// release, N move with the right button held, D right double-click. A leading '+' holds Shift.
void RunMouse(cMapEditor& map, const std::string& path) {
  std::istringstream in(path);
  std::string token;
  while (in >> token) {
    int shift = token[0] == '+';
    if (shift) token.erase(0, 1);
    int x = 0, y = 0;
    char comma;
    std::istringstream(token.substr(1)) >> x >> comma >> y;
    static const std::string kCodes = "LUMmRrND";
    static const uint32_t kMessages[] = {kLButtonDown, kLButtonUp, kMouseMove, kMouseMove,
                                         kRButtonDown, kRButtonUp, kMouseMove, kRButtonDblClk};
    size_t code = kCodes.find(token[0]);
    ASSERT_NE(code, std::string::npos) << token;
    cMapMouse mouse = MouseAt(kMessages[code], x, y, shift);
    if (token[0] == 'M') mouse.m_bLDown = 1;
    if (token[0] == 'N') mouse.m_bRDown = 1;
    map.OnMouse(mouse, 0, 0);
  }
}

std::string Blocks() { return LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc); }
std::string Charas() { return LayerText(g_StageDoc.m_vCharaLayer, g_StageDoc); }
std::string Items() { return LayerText(g_StageDoc.m_vItemLayer, g_StageDoc); }

// The flood fill as a plain recursion, depth-counted, left, right, up, down: what the fill must do.
struct cReferenceFill {
  std::vector<int> m_vGraphic;
  std::vector<char> m_vVisited;
  int m_nWidth, m_nHeight, m_nDepth = 0, m_nCompare, m_nPaint;
  void Fill(int x, int y) {
    int i = y * m_nWidth + x;
    if (m_vVisited[i] || m_nDepth >= kFillDepthLimit || m_vGraphic[i] != m_nCompare) return;
    m_vGraphic[i] = m_nPaint;
    m_vVisited[i] = 1;
    ++m_nDepth;
    if (x - 1 >= 0) Fill(x - 1, y);
    if (x + 1 < m_nWidth) Fill(x + 1, y);
    if (y - 1 >= 0) Fill(x, y - 1);
    if (y + 1 < m_nHeight) Fill(x, y + 1);
    --m_nDepth;
  }
};

}  // namespace

using MapEditor = StageEditorTest;

TEST_F(MapEditor, ToolsPaintAndUndoRestores) {
  struct Case {
    const char* m_pName;
    int m_nTool;
    const char* m_pBefore;
    int m_nBrushWidth, m_nBrushHeight;
    const char* m_pBrush;
    const char* m_pPath;
    const char* m_pAfter;
    int m_nUndo;
  } cases[] = {
      {"pen drag", kToolPen, "", 1, 1, "1", "L0,0 M1,0 M2,1 U2,1", "11....../..1...../......../........", 1},
      {"pen needs the held button", kToolPen, "", 1, 1, "1", "m0,0 m1,0", "......../......../......../........", 0},
      {"a 3 x 2 brush two columns from the right edge", kToolPen, "", 3, 2, "123456", "L6,1 U6,1",
       "......../......12/......45/........", 1},
      {"pen over its own stroke", kToolPen, "", 1, 1, "1", "L0,0 M0,0 M1,0 U1,0", "11....../......../......../........", 1},
      {"line", kToolLine, "", 1, 1, "1", "L0,0 M3,1 U3,1", "11....../..11..../......../........", 1},
      {"line takes brush columns in turn", kToolLine, "", 2, 1, "12", "L0,0 U5,0", "121212../......../......../........", 1},
      {"line release without a press", kToolLine, "", 1, 1, "1", "U5,0", "......../......../......../........", 0},
      {"rectangle tiles the brush", kToolRect, "", 2, 2, "1234", "L1,1 M3,2 U3,2", "......../.121..../.343..../........", 1},
      {"rectangle drawn backwards", kToolRect, "", 2, 2, "1234", "L3,2 M1,1 U1,1", "......../.121..../.343..../........", 1},
      {"fill tiles from its start", kToolFill, "....5.../....5.../....5.../....5...", 2, 1, "12", "L1,1",
       "21215.../21215.../21215.../21215...", 1},
      {"fill of a brush that lacks elements", kToolFill, "....5.../....5.../....5.../....5...", 2, 1, "1", "L1,1",
       ".1.15.../.1.15.../.1.15.../.1.15...", 1},
      {"fill of a block area", kToolFill, "55....../5......./......../........", 1, 1, "7", "L0,0",
       "77....../7......./......../........", 1},
      {"parameter edit changes nothing", kToolEdit, "1......./......../......../........", 1, 1, "7", "L0,0",
       "1......./......../......../........", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    OpenStage(8, 4);
    SetBlocks(c.m_pBefore);
    std::string before = Blocks();
    g_StageEditState.SetTool(c.m_nTool);
    SetBlockBrush(c.m_nBrushWidth, c.m_nBrushHeight, c.m_pBrush);
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, c.m_pPath);
    EXPECT_EQ(Blocks(), c.m_pAfter);
    EXPECT_EQ(g_StageEditState.UndoCount(), c.m_nUndo);
    map.Undo();
    EXPECT_EQ(Blocks(), c.m_nUndo ? before : c.m_pAfter);
    map.Redo();
    EXPECT_EQ(Blocks(), c.m_pAfter);
  }
}

TEST_F(MapEditor, WhatAStepKeeps) {
  // The pen keeps all three layers; the line and the rectangle the current one, all three with Shift.
  struct Case {
    const char* m_pName;
    int m_nTool;
    const char* m_pPath;
    bool m_bCharaBack;
  } cases[] = {
      {"pen", kToolPen, "L0,0 U0,0", true},
      {"line", kToolLine, "L0,0 U1,0", false},
      {"line with Shift", kToolLine, "L0,0 +U1,0", true},
      {"rectangle", kToolRect, "L0,0 U1,0", false},
      {"fill", kToolFill, "+L0,0", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    OpenStage(8, 4);
    g_StageEditState.SetTool(c.m_nTool);
    SetBlockBrush(1, 1, "1");
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, c.m_pPath);
    // A character placed afterwards without a step of its own.
    g_StageDoc.m_vCharaLayer.At(5).m_nGraphic = 4;
    map.Undo();
    EXPECT_EQ(Blocks().substr(0, 2), "..");
    EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(5).m_nGraphic, c.m_bCharaBack ? 0 : 4);
  }
}

TEST_F(MapEditor, ShiftPaintsEveryLayerWithABrush) {
  OpenStage(8, 4);
  cStageEditState& s = g_StageEditState;
  SetBlockBrush(1, 1, "1");
  s.m_vBrushChara.assign(1, Record<cEdChara>(2));
  s.m_vBrushItem.clear();  // an empty brush places nothing
  cMapEditor map(g_StageDoc, s, m_Host);
  RunMouse(map, "+L1,0 +U1,0 L3,0 U3,0");
  EXPECT_EQ(Blocks().substr(0, 8), ".1.1....");
  EXPECT_EQ(Charas().substr(0, 8), ".2......");
  EXPECT_EQ(Items().substr(0, 8), "........");
}

TEST_F(MapEditor, LeftPressCountsAsAChange) {
  OpenStage(8, 4);
  g_StageEditState.SetTool(kToolEdit);
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  RunMouse(map, "m1,1");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  RunMouse(map, "L1,1");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
}

TEST_F(MapEditor, NothingWithoutAStage) {
  OpenStage(8, 4);
  g_StageEditState.m_bStageOpen = 0;
  SetBlockBrush(1, 1, "1");
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  RunMouse(map, "L1,1 U1,1");
  EXPECT_EQ(Blocks().substr(0, 17), "......../........");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
}

TEST_F(MapEditor, LineEndsAfter200Cells) {
  OpenStage(256, 1);
  g_StageEditState.SetTool(kToolLine);
  SetBlockBrush(1, 1, "1");
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  RunMouse(map, "L0,0 U249,0");
  std::string row = Blocks();
  EXPECT_EQ(row.find('.'), 200u);
  EXPECT_EQ(row.rfind('1'), 199u);
}

TEST_F(MapEditor, FillFollowsItsDepthLimit) {
  // The fill against the plain recursion it stands for, on open areas and on a corridor longer
  // than the depth limit, which then leaves the corridor's far end unpainted.
  struct Case {
    int m_nWidth, m_nHeight, m_nStartX, m_nStartY;
    bool m_bMaze;     // one corridor winding through every row, longer than the limit
    bool m_bLimited;  // some connected cells stay unpainted
  } cases[] = {{20, 300, 0, 0, false, false}, {20, 300, 7, 150, false, false}, {512, 12, 300, 5, false, false},
               {8, 4, 3, 2, false, false},    {512, 19, 0, 0, true, true},    {512, 19, 200, 10, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nWidth << " x " << c.m_nHeight << " from " << c.m_nStartX << "," << c.m_nStartY);
    g_StageDoc.SetDefaults();
    OpenStage(c.m_nWidth, c.m_nHeight);
    for (int y = 0; y < c.m_nHeight; ++y)
      for (int x = 0; x < c.m_nWidth; ++x) {
        // The maze: walls on odd rows with a gap at alternate ends; otherwise a broken wall midway.
        bool wall = c.m_bMaze ? y % 2 == 1 && x != ((y / 2) % 2 ? 0 : c.m_nWidth - 1)
                              : x == c.m_nWidth / 2 && y % 3 == 0 && y + 1 < c.m_nHeight;
        if (wall) g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, y)).m_nGraphic = 5;
      }
    cReferenceFill reference{{}, {}, c.m_nWidth, c.m_nHeight, 0, 0, 9};
    for (int y = 0; y < c.m_nHeight; ++y)
      for (int x = 0; x < c.m_nWidth; ++x) reference.m_vGraphic.push_back(g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(x, y)).m_nGraphic);
    reference.m_vVisited.assign(reference.m_vGraphic.size(), 0);
    reference.Fill(c.m_nStartX, c.m_nStartY);

    g_StageEditState.SetTool(kToolFill);
    SetBlockBrush(1, 1, "9");
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, "L" + std::to_string(c.m_nStartX) + "," + std::to_string(c.m_nStartY));
    int differing = 0, painted = 0, empty = 0;
    for (int y = 0; y < c.m_nHeight; ++y)
      for (int x = 0; x < c.m_nWidth; ++x) {
        int graphic = g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(x, y)).m_nGraphic;
        differing += graphic != reference.m_vGraphic[y * c.m_nWidth + x];
        painted += graphic == 9;
        empty += graphic == 0;
      }
    EXPECT_EQ(differing, 0);
    EXPECT_GE(painted, c.m_bLimited ? kFillDepthLimit : 1);
    EXPECT_EQ(empty > 0, c.m_bLimited);
  }
}

TEST_F(MapEditor, OnePlayer) {
  // A fill keeps the last player it placed; the pen moves the player along.
  struct Case {
    int m_nTool;
    const char* m_pPath;
    const char* m_pCharas;
  } cases[] = {{kToolFill, "L1,0", "...3"}, {kToolPen, "L0,0 M2,0 U2,0", "..3."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pPath);
    g_StageDoc.SetDefaults();
    OpenStage(4, 1);
    g_StageEditState.SetLayer(1);
    g_StageEditState.SetTool(c.m_nTool);
    g_StageEditState.m_vBrushChara.assign(1, PlayerRecord(3));
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, c.m_pPath);
    EXPECT_EQ(Charas(), c.m_pCharas);
    // Another cell changed than those painted: the whole view repaints.
    EXPECT_TRUE(map.Changes().m_bAll);
  }
}

TEST_F(MapEditor, SelectionBecomesTheBrush) {
  struct Case {
    const char* m_pName;
    const char* m_pPath;
    int m_nLayer;
    int m_nWidth, m_nHeight;
    const char* m_pBlockBrush;
    size_t m_nCharaBrush;
  } cases[] = {
      {"2 x 3 with Shift: every brush", "R1,0 N2,2 +r2,2", 0, 2, 3, "123456", 6},
      {"without Shift: the current layer's", "R1,0 N2,2 r2,2", 0, 2, 3, "123456", 1},
      {"dragged backwards", "R2,2 N1,0 r1,0", 0, 2, 3, "123456", 1},
      {"in the character layer", "R1,0 N2,2 r2,2", 1, 2, 3, "0", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.Reset();
    OpenStage(8, 4);
    SetBlocks(".12...../.34...../.56.....");
    g_StageEditState.SetLayer(c.m_nLayer);
    g_StageEditState.m_nSelIndex = 4;
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, c.m_pPath);
    cStageEditState& s = g_StageEditState;
    EXPECT_EQ(s.m_nBrushWidth, c.m_nWidth);
    EXPECT_EQ(s.m_nBrushHeight, c.m_nHeight);
    std::string brush;
    for (const cEdBlock& block : s.m_vBrushBlock) brush += static_cast<char>('0' + block.m_nGraphic);
    EXPECT_EQ(brush, c.m_pBlockBrush);
    EXPECT_EQ(s.m_vBrushChara.size(), c.m_nCharaBrush);
    EXPECT_EQ(s.m_nSelIndex, -1);
    EXPECT_EQ(s.m_nMode, kModePen);
    EXPECT_EQ(s.m_bDragging, 0);
    EXPECT_EQ(Blocks(), ".12...../.34...../.56...../........");
  }
}

TEST_F(MapEditor, SelectionKeys) {
  struct Case {
    const char* m_pName;
    const char* m_pBefore;  // mouse messages before the key
    int m_nKey, m_nShift;
    int m_bActs;
    const char* m_pBlocks;
    const char* m_pItems;
    const char* m_pBrush;
  } cases[] = {
      {"D cuts", "R1,0 N2,1", 'D', 0, 1, "......../......../........", "1......./......../........", "1234"},
      {"Q clears, the selection goes on", "R1,0 N2,1", 'Q', 0, 1, "......../......../........", "1......./......../........", "1"},
      {"Q with Shift clears every layer", "R0,0 N2,1", 'Q', 1, 1, "......../......../........", "......../......../........", "1"},
      {"no drag: D does nothing", "R1,0 r2,1", 'D', 0, 0, ".12...../.34...../........", "1......./......../........", "1234"},
      {"a left drag is no selection", "L1,0 M2,1", 'Q', 0, 0, ".12...../.34...../........", "1......./......../........", "1"},
      {"another key", "R1,0 N2,1", 'X', 0, 0, ".12...../.34...../........", "1......./......../........", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.Reset();
    OpenStage(8, 3);
    SetBlocks(".12...../.34.....");
    g_StageDoc.m_vItemLayer.At(0).m_nGraphic = 1;
    g_StageEditState.SetTool(kToolEdit);
    SetBlockBrush(1, 1, "1");
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, c.m_pBefore);
    int undo = g_StageEditState.UndoCount();
    g_StageEditState.m_bStageModified = 0;
    EXPECT_EQ(map.OnSelectionKey(c.m_nKey, c.m_nShift), c.m_bActs);
    EXPECT_EQ(Blocks(), c.m_pBlocks);
    EXPECT_EQ(Items(), c.m_pItems);
    std::string brush;
    for (const cEdBlock& block : g_StageEditState.m_vBrushBlock) brush += static_cast<char>('0' + block.m_nGraphic);
    EXPECT_EQ(brush, c.m_pBrush);
    EXPECT_EQ(g_StageEditState.UndoCount(), undo + c.m_bActs);
    EXPECT_EQ(g_StageEditState.m_bStageModified, c.m_bActs);
    if (c.m_bActs) {
      map.Undo();
      EXPECT_EQ(Blocks(), ".12...../.34...../........");
    }
  }
}

TEST_F(MapEditor, CutEndsTheSelection) {
  OpenStage(8, 3);
  SetBlocks(".12.....");
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  RunMouse(map, "R1,0 N2,0");
  ASSERT_TRUE(map.OnSelectionKey('D', 0));
  EXPECT_EQ(g_StageEditState.m_nMode, kModePen);
  EXPECT_EQ(g_StageEditState.m_bDragging, 0);
  // The release that follows copies nothing over the brush taken.
  RunMouse(map, "r2,0");
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[1].m_nGraphic, 2);
}

TEST_F(MapEditor, TurnLeavesInheritedFacings) {
  OpenStage(4, 1);
  cStageEditState& s = g_StageEditState;
  s.SetLayer(1);
  for (int x = 0; x < 3; ++x) g_StageDoc.m_vCharaLayer.At(x) = Record<cEdChara>(2);
  g_StageDoc.m_vCharaLayer.At(1).m_bbInherit[5] = 1;
  g_StageDoc.m_vCharaLayer.At(2).m_bFaceRight = 1;
  cMapEditor map(g_StageDoc, s, m_Host);
  RunMouse(map, "R0,0 N3,0");
  ASSERT_TRUE(map.OnSelectionKey('R', 0));
  int facing[4];
  for (int x = 0; x < 4; ++x) facing[x] = g_StageDoc.m_vCharaLayer.Get(x).m_bFaceRight;
  EXPECT_EQ(facing[0], 1);
  EXPECT_EQ(facing[1], 0);
  EXPECT_EQ(facing[2], 0);
  EXPECT_EQ(facing[3], 0);  // an empty cell is no character
  // In the block layer R turns only with Shift.
  s.SetLayer(0);
  RunMouse(map, "R0,0 N3,0");
  map.OnSelectionKey('R', 0);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(0).m_bFaceRight, 1);
  map.OnSelectionKey('R', 1);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(0).m_bFaceRight, 0);
}

TEST_F(MapEditor, RightDoubleClickOpensTheSheetOfTheCell) {
  struct Case {
    const char* m_pName;
    int m_nLayer;
    int m_bBlock, m_bChara, m_bItem;
    const char* m_pCalls;
    int m_nNowLayer, m_nPrevLayer;
  } cases[] = {
      {"only an item, from the block layer", 0, 0, 0, 1, "layer2,sheet2", 2, 0},
      {"the current layer first", 1, 1, 1, 1, "sheet1", 1, 1},
      {"from the block layer: characters before items", 0, 0, 1, 1, "layer1,sheet1", 1, 0},
      {"from the character layer: items before blocks", 1, 1, 0, 1, "layer2,sheet2", 2, 1},
      {"from the item layer: characters before blocks", 2, 1, 1, 0, "layer1,sheet1", 1, 2},
      {"an empty cell", 0, 0, 0, 0, "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageEditState.Reset();
    OpenStage(4, 2);
    g_StageEditState.SetLayer(c.m_nLayer);
    int index = g_StageDoc.CellIndex(2, 1);
    if (c.m_bBlock) g_StageDoc.m_vBlockLayer.At(index).m_nGraphic = 1;
    if (c.m_bChara) g_StageDoc.m_vCharaLayer.At(index).m_nGraphic = 1;
    if (c.m_bItem) g_StageDoc.m_vItemLayer.At(index).m_nGraphic = 1;
    m_Host.m_strCalls.clear();
    cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
    RunMouse(map, "D2,1");
    EXPECT_EQ(m_Host.m_strCalls, c.m_pCalls);
    EXPECT_EQ(g_StageEditState.m_nLayer, c.m_nNowLayer);
    EXPECT_EQ(g_StageEditState.m_nPrevLayer, c.m_nPrevLayer);
    if (*c.m_pCalls) {
      EXPECT_EQ(g_StageEditState.m_nEditContext, 0);
      EXPECT_EQ(g_StageEditState.m_nEditIndex, index) << "the sheet names the placed object by its cell";
      const void* edited = c.m_nNowLayer == 2 ? static_cast<const void*>(g_StageEditState.m_pEditItem)
                                              : static_cast<const void*>(g_StageEditState.m_pEditChara);
      const void* cell = c.m_nNowLayer == 2 ? static_cast<const void*>(&g_StageDoc.m_vItemLayer.At(index))
                                            : static_cast<const void*>(&g_StageDoc.m_vCharaLayer.At(index));
      EXPECT_EQ(edited, cell);
    }
  }
}

TEST_F(MapEditor, CursorCell) {
  struct Case {
    int m_nPixelX, m_nPixelY;
    int m_nScrollX, m_nScrollY;
    int m_nCellX, m_nCellY;  // from (1, 1)
  } cases[] = {
      {70, 40, 0, 0, 2, 1},       // inside, in a 640 x 480 view
      {70, 40, 3, 2, 5, 3},       // scrolled
      {300, 40, 0, 0, 1, 1},      // inside the view, right of the map: stays
      {-50, -10, 0, 0, 0, 0},     // outside: pulled to the view's edge
      {900, 600, 0, 0, 7, 3},     // outside beyond the map: its last cell
      {900, 10, 2, 1, 7, 1},
  };
  OpenStage(8, 4);
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.m_nPixelX << "," << c.m_nPixelY);
    g_StateStack.m_lpCurrent->m_nX = 1;
    g_StateStack.m_lpCurrent->m_nY = 1;
    cMapMouse mouse;
    SetMouseCell(mouse, c.m_nPixelX, c.m_nPixelY, 640, 480);
    map.OnMouse(mouse, c.m_nScrollX, c.m_nScrollY);
    EXPECT_EQ(g_StateStack.m_lpCurrent->m_nX, c.m_nCellX);
    EXPECT_EQ(g_StateStack.m_lpCurrent->m_nY, c.m_nCellY);
  }
}

TEST_F(MapEditor, MouseCellOfAPixel) {
  struct Case {
    int x, y, m_nViewX, m_nViewY, m_bInside;
  } cases[] = {{0, 0, 0, 0, 1}, {31, 32, 0, 1, 1}, {639, 479, 19, 14, 1}, {640, 100, 19, 3, 0}, {-1, -40, 0, 0, 0}};
  for (const Case& c : cases) {
    cMapMouse mouse;
    SetMouseCell(mouse, c.x, c.y, 640, 480);
    EXPECT_EQ(mouse.m_nViewX, c.m_nViewX);
    EXPECT_EQ(mouse.m_nViewY, c.m_nViewY);
    EXPECT_EQ(mouse.m_bInside, c.m_bInside);
  }
}

TEST_F(MapEditor, DragsGoOnOutsideTheView) {
  OpenStage(8, 4);
  SetBlocks(".12...../.34.....");
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  RunMouse(map, "R1,0");
  // The cursor leaves the view to the right with the button held, then lets go there.
  cMapMouse outside = MouseAt(kMouseMove, 7, 1);
  outside.m_bInside = 0;
  outside.m_bRDown = 1;
  EXPECT_EQ(map.OnIdle(outside, 1, 0), kIdleDragScroll);
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 7);  // columns 1 to 7, the map's last
  outside.m_bRDown = 0;
  outside.m_bRReleased = 1;
  outside.m_nViewX = 1;
  EXPECT_EQ(map.OnIdle(outside, 1, 0), kIdleRepaint);
  EXPECT_EQ(g_StageEditState.m_bDragging, 0);
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 2);
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[3].m_nGraphic, 4);
  // Nothing is dragged: the idle tick leaves everything.
  EXPECT_EQ(map.OnIdle(outside, 1, 0), kIdleNothing);
  // A line whose press outside the view means its release was missed ends without painting.
  g_StageEditState.SetTool(kToolLine);
  RunMouse(map, "L0,3");
  cMapMouse press = MouseAt(kMouseMove, 5, 3);
  press.m_bInside = 0;
  press.m_bLDown = press.m_bLPressed = 1;
  EXPECT_EQ(map.OnIdle(press, 0, 0), kIdleNothing);
  EXPECT_EQ(g_StageEditState.m_bDragging, 0);
  EXPECT_EQ(Blocks(), ".12...../.34...../......../........");
}

TEST_F(MapEditor, ClearLayers) {
  OpenStage(4, 1);
  SetBlocks("12..");
  g_StageDoc.m_vItemLayer.At(3).m_nGraphic = 1;
  cMapEditor map(g_StageDoc, g_StageEditState, m_Host);
  map.ClearLayers(kLayerFlagBlock);
  EXPECT_EQ(Blocks(), "....");
  EXPECT_EQ(Items(), "...1");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  map.Undo();
  EXPECT_EQ(Blocks(), "12..");
  EXPECT_TRUE(map.CanRedo());
}

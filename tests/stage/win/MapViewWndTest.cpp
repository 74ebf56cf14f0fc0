#include <gtest/gtest.h>

#include "database/cDatabaseSet.h"
#include "tests/stage/win/StageWndTest.h"

namespace {
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kCentreFrame = RGB(255, 64, 32);
const COLORREF kLimit = RGB(32, 255, 64);
const COLORREF kCursor = RGB(128, 0, 255);
const COLORREF kSelection = RGB(255, 0, 128);

cEdBlock Block(int sheet, int graphic, int frame) {
  cEdBlock block = Record<cEdBlock>(graphic);
  block.m_cGraphicSheet = static_cast<int8_t>(sheet);
  block.m_nGraphicFrame = static_cast<int16_t>(frame);
  return block;
}
}  // namespace

class MapViewWndTest : public StageWndTest {
protected:
  COLORREF At(int x, int y) { return PixelAt(ViewCanvas(), x, y); }
};

TEST_F(MapViewWndTest, TheThreeLayersFromTheirSheets) {
  cDatabaseSet& database = g_DatabaseSet;
  database.m_vAnimeSet[0].m_nShiftBlock = 4;
  database.m_vCharaExc.resize(2);
  database.m_vCharaExc[1].m_bGiant = 1;
  database.m_vCharaExc[1].m_nGiantSize = 2;
  g_vCharaExcCanvas.resize(4);
  for (int i = 0; i < 4; ++i) MakeSheet(g_vCharaExcCanvas[i], 512, 512, i / 2 == 1 ? 64 : 32, 7 + i);

  g_StageDoc.SetSize(5, 2, 0, 0);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(0, 0)) = Block(0, 1, 0);
  cEdChara chara = Record<cEdChara>(2);
  chara.m_cGraphicSheet = 1;
  chara.m_nGraphicFrame = 3;
  chara.m_bFaceRight = 1;
  chara.m_bBlock = 1;
  chara.m_cControl = 1;
  g_StageDoc.PutChara(g_StageDoc.CellIndex(1, 0), chara);
  cEdItem item = Record<cEdItem>(16);
  item.m_cGraphicSheet = 2;
  g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(2, 0)) = item;
  cEdBlock marked = Block(0, 1, 0);
  marked.m_cMarkShow = 1;
  marked.m_nMark = 2;
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(3, 0)) = marked;
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(0, 1)) = Block(1, 1, 25);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(1, 1)) = Block(4, 1, 1);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(2, 1)) = Block(4, 5, 0);
  cEdBlock unused = Block(0, 0, 0);
  unused.m_cMarkShow = 1;
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(3, 1)) = unused;
  g_StageEditState.m_bStageOpen = 1;
  MakeWindow();

  struct cRow {
    int m_nX, m_nY;
    COLORREF m_nColour;
    const char* m_pWhat;
  } rows[] = {
      {12, 12, SheetColour(1, 0, 1), "a block: graphic 1 is row 1 of the block sheet"},
      {44, 12, SheetColour(3, 3 + 4, 2), "a character facing right: the mirrored sheet, frame 3 moved by the blocking shift"},
      {88, 8, SheetColour(5, 2, 1), "an item at half size in the upper right quarter"},
      {72, 24, kBlack, "nothing in the item cell's other quarters"},
      {108, 12, SheetColour(6, 0, 2), "a shown mark over its block"},
      {12, 44, SheetColour(3, 5, 1), "a block of the character sheet, frame 25: column 5 of the mirrored sheet"},
      {44, 44, SheetColour(9, 1, 0), "a giant of size 2: a 64-pixel square, shrunk"},
      {76, 44, kBlack, "a dedicated graphic past the table draws nothing"},
      {108, 44, kBlack, "an empty cell draws nothing, not even its mark"},
      {32, 40, kWhite, "the grid"},
      {416, 100, kWhite, "the grid goes on past the map"},
      {304, 100, kCentreFrame, "the centre frame"},
      {100, 224, kCentreFrame, "the centre frame"},
      {200, 100, kBlack, "the background"},
  };
  for (const cRow& row : rows) EXPECT_EQ(At(row.m_nX, row.m_nY), row.m_nColour) << row.m_pWhat;
  EXPECT_EQ(StatusText(), "座標 (0,0)");
}

TEST_F(MapViewWndTest, TheCursorFollowsTheMouseAndOnlyItsCellsAreRepainted) {
  OpenStage(8, 6);
  EXPECT_EQ(At(0, 16), kCursor) << "the pen's outline at the start cell";
  MouseAtCell(WM_MOUSEMOVE, 2, 1, 0);
  EXPECT_EQ(StatusText(), "座標 (2,1)");
  EXPECT_EQ(At(64, 48), kCursor);
  EXPECT_EQ(At(0, 16), kWhite) << "the outline left the start cell";
  EXPECT_EQ(At(2, 16), kBlack);
  // A larger brush: the outline of its size.
  g_StageEditState.m_nBrushWidth = 3;
  MouseAtCell(WM_MOUSEMOVE, 2, 2, 0);
  EXPECT_EQ(At(64 + 96, 80), kCursor);
  // Past the map the cursor stays on its last cell.
  MouseAtCell(WM_MOUSEMOVE, 12, 2, 0);
  EXPECT_EQ(StatusText(), "座標 (2,2)");
}

TEST_F(MapViewWndTest, PreviewsOfTheLineTheRectangleAndTheSelection) {
  OpenStage(10, 6);
  g_StageEditState.m_vBrushBlock[0] = Block(0, 2, 0);
  g_StageEditState.SetTool(kToolRect);
  MouseAtCell(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 3, 2, MK_LBUTTON);
  EXPECT_EQ(At(76, 76), SheetColour(1, 0, 2)) << "the brush in the rectangle, before it is painted";
  EXPECT_EQ(At(32, 50), kCursor) << "the rectangle's outline";
  EXPECT_EQ(At(128, 50), kCursor);
  EXPECT_EQ(LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc).find('2'), std::string::npos);
  MouseAtCell(WM_LBUTTONUP, 3, 2, 0);
  EXPECT_EQ(At(76, 76), SheetColour(1, 0, 2)) << "painted";

  g_StageEditState.SetTool(kToolLine);
  g_StageEditState.m_vBrushBlock[0] = Block(0, 3, 0);
  MouseAtCell(WM_LBUTTONDOWN, 5, 0, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 8, 0, MK_LBUTTON);
  EXPECT_EQ(At(236, 12), SheetColour(1, 0, 3)) << "the line's preview";
  MouseAtCell(WM_LBUTTONUP, 8, 0, 0);

  MouseAtCell(WM_RBUTTONDOWN, 1, 4, MK_RBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 2, 5, MK_RBUTTON);
  EXPECT_EQ(At(32, 140), kSelection) << "the selection's frame";
  EXPECT_EQ(At(96, 170), kSelection);
  MouseAtCell(WM_RBUTTONUP, 2, 5, 0);
  EXPECT_NE(At(32, 140), kSelection) << "gone once the selection is the brush";
}

TEST_F(MapViewWndTest, ScrollLimitsAndScrolledCells) {
  g_StageDoc.SetSize(40, 30, 0, 0);
  g_StageDoc.m_bLimitLeft = g_StageDoc.m_bLimitTop = 1;
  g_StageDoc.m_nLimitLeft = 2;
  g_StageDoc.m_nLimitTop = 1;
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(5, 3)) = Block(0, 4, 0);
  g_StageEditState.m_bStageOpen = 1;
  MakeWindow();
  EXPECT_EQ(At(63, 100), kLimit) << "just before the first column the game may show";
  EXPECT_EQ(At(100, 31), kLimit);
  SendMessageA(Window(), WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(GetDlgItem(Window(), 1008)));
  EXPECT_EQ(At(31, 100), kLimit) << "the limit moves with the map";
  EXPECT_EQ(At(63, 100), kBlack);
  EXPECT_EQ(At(4 * 32 + 12, 3 * 32 + 12), SheetColour(1, 0, 4)) << "column 5 in view column 4";
  EXPECT_EQ(At(304, 100), kCentreFrame) << "the centre frame stays";
}

TEST_F(MapViewWndTest, WithoutAStageTheViewIsBlackAndTheStatusBarKeepsItsText) {
  MakeWindow();
  SendMessageA(Editor().m_hWndStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("前の文"));
  MouseAtCell(WM_MOUSEMOVE, 2, 2, 0);
  Editor().OnPaint();
  for (int x : {0, 32, 304, 500}) EXPECT_EQ(At(x, 100), kBlack) << x;
  EXPECT_EQ(StatusText(), "前の文");
}

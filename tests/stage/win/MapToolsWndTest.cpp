#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/stage/win/StageWndTest.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {

struct cStep {
  UINT m_nMessage;
  int m_nColumn, m_nRow;
  WPARAM m_nKeys;
};

// A tool, the mouse's path over the view, and the three layers after it.
struct cToolRow {
  const char* m_pWhat;
  int m_nTool;
  std::vector<cStep> m_vPath;
  const char* m_pBlocks;
  const char* m_pCharas;
  const char* m_pItems;
};

const char* const kEmpty = "....../....../....../......";

}  // namespace

class MapToolsWndTest : public StageWndTest {
protected:
  void SetUp() override {
    StageWndTest::SetUp();
    OpenStage(6, 4);
    g_StageEditState.m_vBrushBlock[0] = Record<cEdBlock>(1);
    g_StageEditState.m_vBrushChara[0] = Record<cEdChara>(2);
    g_StageEditState.m_vBrushChara[0].m_cControl = 1;
    g_StageEditState.m_vBrushItem[0] = Record<cEdItem>(3);
  }
  std::string Blocks() { return LayerText(g_StageDoc.m_vBlockLayer, g_StageDoc); }
  std::string Charas() { return LayerText(g_StageDoc.m_vCharaLayer, g_StageDoc); }
  std::string Items() { return LayerText(g_StageDoc.m_vItemLayer, g_StageDoc); }
  void Walk(const std::vector<cStep>& path) {
    for (const cStep& step : path) MouseAtCell(step.m_nMessage, step.m_nColumn, step.m_nRow, step.m_nKeys);
  }
};

TEST_F(MapToolsWndTest, EachToolThroughTheMouseAndItsUndo) {
  const cToolRow rows[] = {
      {"the pen paints while the button is held",
       kToolPen,
       {{WM_LBUTTONDOWN, 0, 0, MK_LBUTTON}, {WM_MOUSEMOVE, 1, 0, MK_LBUTTON}, {WM_MOUSEMOVE, 2, 1, MK_LBUTTON},
        {WM_LBUTTONUP, 2, 1, 0}, {WM_MOUSEMOVE, 4, 3, 0}},
       "11..../..1.../....../......", kEmpty, kEmpty},
      {"the pen with Shift paints all three layers",
       kToolPen,
       {{WM_LBUTTONDOWN, 5, 3, MK_LBUTTON | MK_SHIFT}, {WM_LBUTTONUP, 5, 3, MK_SHIFT}},
       "....../....../....../.....1", "....../....../....../.....2", "....../....../....../.....3"},
      {"the line from its start to where the button is let go",
       kToolLine,
       {{WM_LBUTTONDOWN, 0, 0, MK_LBUTTON}, {WM_MOUSEMOVE, 2, 1, MK_LBUTTON}, {WM_MOUSEMOVE, 3, 1, MK_LBUTTON},
        {WM_LBUTTONUP, 3, 1, 0}},
       "11..../..11../....../......", kEmpty, kEmpty},
      {"the rectangle drawn from its lower right corner",
       kToolRect,
       {{WM_LBUTTONDOWN, 3, 2, MK_LBUTTON}, {WM_MOUSEMOVE, 1, 1, MK_LBUTTON}, {WM_LBUTTONUP, 1, 1, 0}},
       "....../.111../.111../......", kEmpty, kEmpty},
      {"the fill of an empty map",
       kToolFill,
       {{WM_LBUTTONDOWN, 2, 2, MK_LBUTTON}, {WM_LBUTTONUP, 2, 2, 0}},
       "111111/111111/111111/111111", kEmpty, kEmpty},
  };
  for (const cToolRow& row : rows) {
    g_StageEditState.SetTool(row.m_nTool);
    g_StageEditState.m_bStageModified = 0;
    Walk(row.m_vPath);
    EXPECT_EQ(Blocks(), row.m_pBlocks) << row.m_pWhat;
    EXPECT_EQ(Charas(), row.m_pCharas) << row.m_pWhat;
    EXPECT_EQ(Items(), row.m_pItems) << row.m_pWhat;
    EXPECT_EQ(g_StageEditState.m_bStageModified, 1) << row.m_pWhat;
    EXPECT_EQ(g_StageEditState.UndoCount(), 1) << row.m_pWhat;
    Command(40052);
    EXPECT_EQ(Blocks(), kEmpty) << row.m_pWhat << " undone";
    EXPECT_EQ(Charas(), kEmpty) << row.m_pWhat << " undone";
    EXPECT_EQ(Items(), kEmpty) << row.m_pWhat << " undone";
    Command(40010);  // Ctrl+Y
    EXPECT_EQ(Blocks(), row.m_pBlocks) << row.m_pWhat << " redone";
    EXPECT_EQ(Items(), row.m_pItems) << row.m_pWhat << " redone";
    g_StageDoc.m_vBlockLayer.Reset(g_StageDoc.m_vBlockLayer.Count());
    g_StageDoc.m_vCharaLayer.Reset(g_StageDoc.m_vCharaLayer.Count());
    g_StageDoc.m_vItemLayer.Reset(g_StageDoc.m_vItemLayer.Count());
    g_StageEditState.AllocateUndo(5, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  }
}

TEST_F(MapToolsWndTest, ARightDragBecomesTheBrush) {
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(0, 0)) = Record<cEdBlock>(4);
  g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(1, 0)) = Record<cEdBlock>(5);
  g_StageEditState.m_nSelIndex = 7;
  Walk({{WM_RBUTTONDOWN, 0, 0, MK_RBUTTON}, {WM_MOUSEMOVE, 1, 0, MK_RBUTTON}, {WM_RBUTTONUP, 1, 0, 0}});
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 2);
  EXPECT_EQ(g_StageEditState.m_nBrushHeight, 1);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, -1);
  EXPECT_EQ(g_StageEditState.m_nMode, kModePen);
  Walk({{WM_LBUTTONDOWN, 2, 2, MK_LBUTTON}, {WM_LBUTTONUP, 2, 2, 0}});
  EXPECT_EQ(Blocks(), "45..../....../..45../......");
}

TEST_F(MapToolsWndTest, KeysCutClearAndTurnTheSelection) {
  auto fill = [] {
    g_StageDoc.m_vBlockLayer.Reset(g_StageDoc.m_vBlockLayer.Count());
    g_StageDoc.m_vCharaLayer.Reset(g_StageDoc.m_vCharaLayer.Count());
    for (int x = 0; x < 3; ++x) {
      g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, 0)) = Record<cEdBlock>(x + 1);
      cEdChara chara = Record<cEdChara>(x + 1);
      chara.m_cControl = 1;
      g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(x, 0)) = chara;
    }
    g_StageEditState.AllocateUndo(5, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  };
  const std::vector<cStep> select = {{WM_RBUTTONDOWN, 0, 0, MK_RBUTTON}, {WM_MOUSEMOVE, 1, 0, MK_RBUTTON}};

  fill();
  Key('D');
  EXPECT_EQ(Blocks(), "123.../....../....../......");
  EXPECT_EQ(g_StageEditState.UndoCount(), 0) << "only while a selection is dragged";
  Walk(select);
  Key('D');
  EXPECT_EQ(Blocks(), "..3.../....../....../......");
  EXPECT_EQ(Charas(), "123.../....../....../......") << "without Shift only the current layer";
  EXPECT_EQ(g_StageEditState.m_nMode, kModePen) << "the cut ends the selection";
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 2);
  EXPECT_EQ(g_StageEditState.m_vBrushBlock[1].m_nGraphic, 2);
  Command(40052);
  EXPECT_EQ(Blocks(), "123.../....../....../......");

  fill();
  g_StageEditState.SetLayer(1);
  Walk(select);
  Key('Q');
  EXPECT_EQ(Charas(), "..3.../....../....../......") << "Q clears";
  EXPECT_EQ(g_StageEditState.m_nMode, kModeSelect) << "and the selection goes on";
  MouseAtCell(WM_RBUTTONUP, 1, 0, 0);

  fill();
  g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(1, 0)).m_bbInherit[5] = 1;
  Walk(select);
  Key('R');
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(0, 0)).m_bFaceRight, 1) << "R turns";
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 0)).m_bFaceRight, 0) << "not an inherited facing";
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(2, 0)).m_bFaceRight, 0) << "not outside";
  Command(40052);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(0, 0)).m_bFaceRight, 0);
}

TEST_F(MapToolsWndTest, RealKeysActOnce) {
  cEdChara chara = Record<cEdChara>(1);
  chara.m_cControl = 1;
  g_StageDoc.m_vCharaLayer.At(0) = chara;
  g_StageEditState.SetLayer(1);
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  Editor().TakeFocus();
  MouseAtCell(WM_RBUTTONDOWN, 0, 0, MK_RBUTTON);
  PressKey('R', false, &g_ModelessList);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(0).m_bFaceRight, 1) << "turned once, not twice";
  EXPECT_EQ(g_StageEditState.UndoCount(), 1);
  MouseAtCell(WM_RBUTTONUP, 0, 0, 0);
  PressKey(VK_SPACE, false, &g_ModelessList);
  EXPECT_EQ(g_StageEditState.m_nLayer, 2) << "Space goes on by one layer";
}

TEST_F(MapToolsWndTest, ACellAsksTheElementEditorsForItsSheet) {
  g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(1, 1)) = Record<cEdItem>(2);
  MouseAtCell(WM_RBUTTONDBLCLK, 1, 1, MK_RBUTTON);
  EXPECT_EQ(SheetRequests(), std::vector<int>{2});
  EXPECT_EQ(g_StageEditState.m_nLayer, 0) << "the layer the cell took the editor to is left again";
  EXPECT_EQ(g_StageEditState.m_pEditItem, &g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(1, 1)));
  EXPECT_TRUE(IsWindowEnabled(Window()));
  g_StageEditState.SetTool(kToolEdit);
  MouseAtCell(WM_MOUSEMOVE, 3, 3, 0);
  EXPECT_EQ(StatusText(), "座標 (3,3)");
  MouseAtCell(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
  EXPECT_EQ(SheetRequests(), (std::vector<int>{2, 2}));
}

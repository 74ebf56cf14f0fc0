#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/win/ProjectSheets.h"
#include "tests/stage/win/StageWndTest.h"
#include "ui/win/cModelessList.h"

namespace fs = std::filesystem;

namespace {
template <class T>
T Graphic(int sheet, int graphic) {
  T record = Record<T>(graphic);
  record.m_cGraphicSheet = static_cast<int8_t>(sheet);
  return record;
}
}  // namespace

// The window on the factory project's own sheets with a small painted stage and a selection under
// way: what tests/stage/win/screenshot.sh takes a picture of. With VX_SCREENSHOT_HOLD_MS set it
// stays on the screen that long.
TEST_F(StageWndTest, PaintedStageOnTheFactorySheets) {
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  cBoxAnswerer answerer;
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases("", ""), 1);
  g_StageDoc.SetSize(40, 20, 0, 0);
  g_StageDoc.m_bLimitLeft = g_StageDoc.m_bLimitRight = 1;
  g_StageDoc.m_nLimitLeft = 1;
  g_StageDoc.m_nLimitRight = 17;
  for (int x = 0; x < 20; ++x) {
    g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, 12)) = Graphic<cEdBlock>(0, 1 + x % 4);
    g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, 13)) = Graphic<cEdBlock>(0, 5);
  }
  for (int x = 6; x < 10; ++x) g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, 8)) = Graphic<cEdBlock>(0, 2);
  cEdChara player = Graphic<cEdChara>(1, 1);
  player.m_cControl = 0;
  player.m_bFaceRight = 1;
  g_StageDoc.PutChara(g_StageDoc.CellIndex(3, 11), player);
  for (int i = 0; i < 3; ++i) {
    cEdChara enemy = Graphic<cEdChara>(1, 2 + i);
    enemy.m_cControl = 1;
    g_StageDoc.PutChara(g_StageDoc.CellIndex(11 + 3 * i, 11), enemy);
  }
  for (int x = 6; x < 10; ++x) g_StageDoc.m_vItemLayer.At(g_StageDoc.CellIndex(x, 7)) = Graphic<cEdItem>(2, 1 + x % 3);
  g_StageEditState.m_bStageOpen = 1;
  g_StageEditState.m_strStagePath = "data\\stg4\\見本.stg4_771";
  EditConfig.m_wpStageEditor.Set(40, 40, 640, 480);
  MakeWindow();
  int column = 6 - Editor().Core().View().ScrollX(), row = 7 - Editor().Core().View().ScrollY();
  MouseAtCell(WM_RBUTTONDOWN, column, row, MK_RBUTTON);
  MouseAtCell(WM_MOUSEMOVE, column + 3, row + 1, MK_RBUTTON);

  const cCanvas& view = ViewCanvas();
  int x = 32 * (7 - Editor().Core().View().ScrollX()) + 12, y = 32 * (12 - Editor().Core().View().ScrollY()) + 12;
  EXPECT_NE(PixelAt(view, x, y), RGB(0, 0, 0)) << "a block of the factory sheet";
  EXPECT_TRUE(answerer.Seen().empty());
  if (int hold = HoldMilliseconds()) {
    ShowWindow(Window(), SW_SHOW);
    HoldForShot(0, hold, &g_ModelessList);
  }
}

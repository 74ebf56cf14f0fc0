#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "app/win/ProjectSheets.h"
#include "stage/StageFile.h"
#include "stage/win/StageLoad.h"
#include "tests/stage/win/StageWndTest.h"

namespace fs = std::filesystem;

namespace {
double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double MillisecondsEach(int times, Work work) {
  double start = Now();
  for (int i = 0; i < times; ++i) work(i);
  return (Now() - start) * 1000.0 / times;
}
}  // namespace

// The speed figures of the window, not a timed test: run it by hand with
// --gtest_filter=StageWndTest.DISABLED_SpeedFigures --gtest_also_run_disabled_tests.
TEST_F(StageWndTest, DISABLED_SpeedFigures) {
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases("", ""), 1);
  const int side = 512;
  g_StageDoc.SetSize(side, side, 0, 0);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      int index = g_StageDoc.CellIndex(x, y);
      g_StageDoc.m_vBlockLayer.At(index) = Record<cEdBlock>(1 + (x + y) % 14);
      cEdChara chara = Record<cEdChara>(2 + x % 10);
      chara.m_cControl = 1;
      g_StageDoc.m_vCharaLayer.At(index) = chara;
      g_StageDoc.m_vItemLayer.At(index) = Record<cEdItem>(1 + y % 10);
    }
  g_StageEditState.m_bStageOpen = 1;
  g_StageDoc.m_nUndoDepth = 5;
  g_StageEditState.AllocateUndo(5, g_StageDoc.m_nPitch, g_StageDoc.m_nHeight);
  EditConfig.m_wpStageEditor.Set(20, 20, 640, 480);
  MakeWindow();
  Editor().Core().View().ScrollTo(side / 2 - 10, side / 2 - 7);

  double repaint = MillisecondsEach(50, [&](int) {
    Editor().Core().View().InvalidateAll();
    Editor().OnPaint();
  });
  cCtrlBitmap& view = Editor().m_cgView.m_Ctrl;
  double blit = MillisecondsEach(200, [&](int) { BitBlt(view.m_Screen.Dc(), 0, 0, 640, 480, view.m_Back.Dc(), 0, 0, SRCCOPY); });
  GdiFlush();

  g_StageEditState.m_vBrushBlock[0] = Record<cEdBlock>(3);
  MouseAtCell(WM_LBUTTONDOWN, 0, 5, MK_LBUTTON);
  double move = MillisecondsEach(100, [&](int i) { MouseAtCell(WM_MOUSEMOVE, i % 20, 5 + i / 20, MK_LBUTTON); });
  MouseAtCell(WM_LBUTTONUP, 19, 9, 0);

  const char* path = "data\\stg4\\big.stg4_771";
  ASSERT_EQ(SaveStageFile(g_StageDoc, path), 1);
  double native = MillisecondsEach(3, [&](int) { ASSERT_EQ(LoadStage(path), 1); });
  double worker = MillisecondsEach(3, [&](int) { ASSERT_EQ(LoadStageInBackground(path), 1); });
  EXPECT_EQ(g_StageDoc.m_nWidth, side);

  std::printf("full repaint of the view, 512 x 512 stage at its middle: %.3f ms; one BitBlt of the view: %.3f ms; "
              "ratio %.1f\n", repaint, blit, repaint / blit);
  std::printf("pen drag: %.3f ms a mouse move; ratio to the full repaint %.3f\n", move, move / repaint);
  std::printf("open 512 x 512: worker thread %.1f ms, load on this thread %.1f ms; ratio %.3f\n", worker, native,
              worker / native);
}

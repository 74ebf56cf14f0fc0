#pragma once
// The fixture of the stage editor window's tests: the real main frame and the real window on the
// global documents, in a scratch working folder that holds the editor's folders and its toolbar
// pictures, with sheets of known colours to draw from and a clock the test sets.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Utility.h"
#include "app/cStateStack.h"
#include "app/win/cCanvas.h"
#include "app/win/cMainFrame.h"
#include "app/win/cShellWin.h"
#include "stage/win/cStageEditorWnd.h"
#include "tests/stage/StageEditorTest.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"

// The Windows shell with a clock of the test's own, which moves on by a step at every reading.
class cClockShell : public cShellWin {
public:
  uint32_t TickCount() override {
    uint32_t now = m_nTick;
    m_nTick += m_nStep;
    return now;
  }
  uint32_t m_nTick = 100000;
  uint32_t m_nStep = 0;
};

// The colour of the cell (column, row) of a test sheet: the tag tells the sheets apart.
inline COLORREF SheetColour(int tag, int column, int row) {
  return RGB(16 * tag + column % 16, 64 + 8 * row, 40 + tag);
}

// A pixel of a canvas as a COLORREF.
inline COLORREF PixelAt(const cCanvas& canvas, int x, int y) {
  const uint8_t* pixel = canvas.Image().At(x, y);
  return RGB(pixel[2], pixel[1], pixel[0]);
}

class StageWndTest : public StageTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // A stage of that size, open, with undo steps; then the window.
  void OpenStage(int width, int height, const char* path = "");
  void MakeWindow();
  cStageEditorWnd& Editor() { return *g_pStageEditorWnd; }
  HWND Window() { return g_pStageEditorWnd->m_hWnd; }
  int Command(int id);
  // A mouse message at the view pixel (x, y), with the buttons and keys of wParam.
  void Mouse(UINT message, int x, int y, WPARAM keys);
  // A mouse message over the middle of a view cell.
  void MouseAtCell(UINT message, int column, int row, WPARAM keys) {
    Mouse(message, 32 * column + 16, 32 * row + 16, keys);
  }
  void Key(WPARAM key);
  const cCanvas& ViewCanvas() { return Editor().m_cgView.m_Ctrl.m_Back; }
  // The menu item's text, enabled and checked state.
  std::string MenuText(int id);
  bool MenuEnabled(int id);
  bool MenuChecked(int id);
  bool ButtonEnabled(int id);
  bool ButtonChecked(int id);
  std::string StatusText();
  std::string Title();
  // A test sheet of cells of cellSize pixels, coloured by SheetColour with the tag.
  static void MakeSheet(cCanvas& canvas, int width, int height, int cellSize, int tag);
  // Serves the thread's messages through the modeless-window list.
  void Pump();
  // Whether the frame's queue holds the rebuild request; it is taken off.
  bool RebuildPosted();
  // The kinds whose data sheet the window asked the element editors for since the test began (the
  // element editors are not in this program: none opens).
  static std::vector<int>& SheetRequests();

  cClockShell m_Clock;
};

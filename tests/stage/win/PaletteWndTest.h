#pragma once
// The palette windows' tests: the stage editor window with its six palette windows over the small
// palettes of tests/stage/PaletteTest.h, driven by clicks at entry cells, commands, keys and the
// wheel, with the dialogs they open answered as a user would.

#include <string>

#include "stage/win/cPaletteWnd.h"
#include "tests/stage/PaletteTest.h"
#include "tests/stage/win/StageWndTest.h"

class PaletteWndTest : public StageWndTest {
protected:
  // A stage of 4 x 1 with the test palettes and the map row, open, and the window; the common block
  // list grown to commonBlocks entries of graphic 1 when it is longer than the test palette.
  void OpenPalettes(int commonBlocks = 0);
  cPaletteWnd& Palette(int stagePalette, int kind);
  cPaletteWnd& Common(int kind) { return Palette(0, kind); }
  cPaletteWnd& Stage(int kind) { return Palette(1, kind); }
  // A press of the button (WM_LBUTTONDOWN, WM_RBUTTONDOWN) at the middle of an entry's cell.
  void Click(cPaletteWnd& window, int entry, UINT message = WM_LBUTTONDOWN);
  // A command of the window's menu, toolbar or entry menu.
  void PaletteCommand(cPaletteWnd& window, int id);
  std::string PaletteStatus(cPaletteWnd& window);
  bool ToolChecked(cPaletteWnd& window, int id);
  // A screen point of the grid, (x, y) from its top-left corner.
  POINT GridPoint(cPaletteWnd& window, int32_t x, int32_t y);
  // A right click of the mouse itself at an entry, which opens the entry menu in mode 1.
  void RightClickEntry(cPaletteWnd& window, int entry);
  const cCanvas& GridCanvas(cPaletteWnd& window) { return window.m_cgView.m_Ctrl.m_Back; }
};

// What an entry menu showed while it was open: the items' states; and what was chosen in it.
class cEntryMenuWatch {
public:
  // choose: the command to click in the menu (0: the menu is cancelled).
  explicit cEntryMenuWatch(int choose = 0);
  ~cEntryMenuWatch();
  int Opened() const { return m_nOpened; }
  bool Enabled(int id) const;
  // The items in the order of the menu, "+" enabled, "-" grayed.
  std::string States() const;

private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK m_hHook = nullptr;
  int m_nChoose;
  int m_nOpened = 0;
  HMENU m_hMenu = nullptr;
  std::string m_strStates;
};

#pragma once
// The fixture of the world map window's tests: the real main frame and stage editor window, which
// opens the world map window with its command 40064, on the global documents in a scratch working
// folder with the editor's folders, the toolbar pictures and data\WorldMap.dat; sheets of known
// colours to draw from; message boxes answered from a queue.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/win/cCanvas.h"
#include "app/win/cShellWin.h"
#include "project/win/cDlgWorldEvent.h"
#include "project/win/cDlgWorldMapSettings.h"
#include "project/win/cWorldMapPaletteWnd.h"
#include "project/win/cWorldMapWnd.h"
#include "stage/win/cStageEditorWnd.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"

// The Windows shell, with the beeps counted.
class cBeepCountingShell : public cShellWin {
public:
  void Beep() override { ++m_nBeeps; }
  int m_nBeeps = 0;
};

// The colour of cell (column, row) of a test sheet; the tag tells the sheets apart.
inline COLORREF TestSheetColour(int tag, int column, int row) { return RGB(40 * tag + column, 100 + 4 * row, 200); }

class WorldMapWndTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // The stage editor's command 40064.
  void OpenWorldMap();
  cWorldMapWnd& Map() { return *static_cast<cWorldMapWnd*>(g_pStageEditorWnd->m_pWorldMapWnd); }
  HWND Window() { return Map().m_hWnd; }
  cWorldMapEditor& Editor() { return Map().Editor(); }
  cWorldMapEditState& State() { return g_WorldMapEditState; }
  cMapChipPaletteWnd* ChipPalette() { return Map().m_pChipPalette; }
  cEventPaletteWnd* EventPalette() { return Map().m_pEventPalette; }

  int Command(int id);
  // A mouse message at picture pixel (x, y), and over the middle of a picture cell.
  void Mouse(UINT message, int x, int y, WPARAM keys);
  void MouseAtCell(UINT message, int column, int row, WPARAM keys) {
    Mouse(message, 32 * column + 16, 32 * row + 16, keys);
  }
  void ClickCell(int column, int row);
  // A real right click over a picture cell with the popup menu's choice: the item with id, or
  // none (Escape). The items' enabled states as the menu showed them go to m_vPopupEnabled.
  void PopupCommand(int column, int row, int id);
  // While set, each popup menu of this thread runs the action once while it waits for the user
  // (a hook hears the menu's WM_ENTERIDLE).
  void ChooseFromMenus(std::function<void()> action);
  void StopChoosingFromMenus();
  // Mode 0: selects chip of the palette by a click on it.
  void ClickChip(int chip);

  // The chips of the map's top-left rows as text, one digit a cell, rows split by '/'.
  std::string Chips(int columns, int rows);
  // "name@x,y#number" of every placed event, in list order.
  std::string Events();
  bool MenuEnabled(int id);
  bool MenuChecked(int id);
  std::string MenuText(int id);
  bool ButtonEnabled(int id);
  bool ButtonChecked(int id);
  std::string StatusText(HWND statusBar);
  COLORREF PicturePixel(int x, int y);
  // The template rows of the event palette's list.
  std::vector<std::string> TemplateRows();
  void Pump();
  // Writes data\WorldMap.dat from g_WorldMap as the editor's save does.
  void SaveMapFile();

  static void MakeSheet(cCanvas& canvas, int width, int height, int tag);

  cScratchFolder m_Folder;
  cTestReportLog m_Log;
  cBeepCountingShell m_Shell;
  std::vector<int> m_vPopupEnabled;
  cPopupMenuDriver m_MenuDriver;  // 50059, 40038, 40039, 40040, 40028, 40043 as last shown
};

// The ids of popup menu 163 in its order.
constexpr int kPopupIds[] = {50059, 40038, 40039, 40040, 40028, 40043};

// A named template with one world page of that graphic.
cWorldEvent NamedEvent(const char* name, int32_t number = 0);

#pragma once
// The fixture of the element editors' window tests: the real main frame and stage editor window
// with the element editors installed, an open stage of 8 x 4 cells with undo, a stage palette and
// a common palette of named characters, test sheets to draw from, a shell that counts beeps, and
// helpers that drive the data sheets and the modal dialogs through their controls.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/cShellWin.h"
#include "editors/win/cBlockDataSheet.h"
#include "editors/win/cCharaDataSheet.h"
#include "editors/win/cItemDataSheet.h"
#include "editors/win/cFlowEditPage.h"
#include "stage/win/cStageEditorWnd.h"
#include "tests/editors/EditorTest.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"

class cBeepShell : public cShellWin {
public:
  void Beep() override { ++m_nBeeps; }
  int m_nBeeps = 0;
};

// Runs one action on each new dialog window of this thread as it appears, in order: the chooser,
// then the dialog its button opens, and so on. A dialog that appears when no action is left is
// closed with its close box, and so is every dialog it met that is still open a few seconds after
// the last action, so that no test hangs.
class cDialogScript {
public:
  explicit cDialogScript(std::vector<std::function<void(HWND)>> actions);
  ~cDialogScript();
  int Ran() const { return m_nRan; }
  // The captions of the dialogs met, in order.
  const std::vector<std::string>& Captions() const { return m_vCaptions; }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::vector<std::function<void(HWND)>> m_vActions;
  std::vector<HWND> m_vKnown;
  std::vector<std::string> m_vCaptions;
  int m_nRan = 0;
  UINT_PTR m_nTimer = 0;
  DWORD m_nLastAction = 0;
  size_t m_nFirstNew = 0;
};

class EditorWndTest : public EditorTest {
protected:
  void SetUp() override;
  void TearDown() override;

  cStageEditorWnd& Editor() { return *g_pStageEditorWnd; }
  // A character placed in a cell of the stage.
  void Place(int x, int y, const cEdChara& chara);
  // A block or an item placed in a cell of the stage.
  void Place(int x, int y, const cEdBlock& block);
  void Place(int x, int y, const cEdItem& item);
  // The edit tool's click on a cell, which opens the sheet of the object placed there.
  void ClickCell(int x, int y);
  // Opens the sheet by the edit tool's click on the cell, as the user does.
  cCharaDataSheet* OpenPlaced(int x, int y);
  // Opens the sheet on a palette entry (context 1 stage, 2 common) by a right click on it in its
  // character palette window, in the mode that opens sheets.
  cCharaDataSheet* OpenEntry(int context, int index);
  // The same for an entry of a kind (0 blocks, 1 characters, 2 items), its layer shown first.
  void OpenPaletteEntry(int context, int kind, int index);
  // A right click on an entry of a palette window (0 common, 1 stage) of a kind, in the mode that
  // opens sheets.
  void RightClickEntry(int stagePalette, int kind, int index);
  cCharaDataSheet* Sheet() { return g_StageEditState.m_pCharaSheet; }
  cBlockDataSheet* BlockSheet() { return g_StageEditState.m_pBlockSheet; }
  cItemDataSheet* ItemSheet() { return g_StageEditState.m_pItemSheet; }
  // The page's window, made current first: of the character sheet, of any sheet.
  HWND Page(int index);
  static HWND PageOf(cPropSheet* sheet, int index);
  // OK, Cancel or Apply on the character sheet, on any sheet; after OK and Cancel the window list
  // ends it.
  void Press(int button);
  void PressOn(cPropSheet* sheet, int button);

  // What a user does to a control of a window.
  static void Type(HWND window, int id, const char* text);
  static void Check(HWND window, int id, int on);
  static void Choose(HWND window, int id, int row);
  static void Click(HWND window, int id);
  static void DoubleClick(HWND window, int id);
  static void Command(HWND window, int id);
  // Selects one row of a multi-selection list as a click does.
  static void SelectRow(HWND window, int id, int row);
  // The screen point at the centre of a cell of the graphic cell picker, whose sheet fills its
  // client area.
  static POINT PickerCellCentre(HWND picker, int cell);
  // A click of the mouse on a cell of the picker, through the input queue; the cursor then goes
  // back where it was.
  static void ClickPickerCell(HWND picker, int cell);
  static std::string Text(HWND window, int id);
  static int Row(HWND window, int id);
  static std::vector<std::string> Rows(HWND window, int id);
  static bool Enabled(HWND window, int id);
  static bool Shown(HWND window, int id);
  static bool Checked(HWND window, int id);
  void Pump();

  cBeepShell m_Beeps;
};

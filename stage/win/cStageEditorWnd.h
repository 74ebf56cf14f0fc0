#pragma once
// The stage editor window: the map of the open stage with the main menu, a toolbar and a status
// bar. Its logic is cStageEditor (the commands, the tools, the view, the file commands and test
// play); the window feeds it the messages, carries out what it asks of a window (cStageEditorHost)
// and paints what its view lists. It owns the palette and group windows and opens the other
// editors of the project from its menu.

#include <string>
#include <vector>

#include "app/win/cMainFrame.h"
#include "database/cDatabaseCore.h"
#include "stage/cPalettePane.h"
#include "stage/cStageEditor.h"
#include "stage/win/cPaletteWnd.h"
#include "ui/win/cKeyPress.h"

class cDlgBmpConvert;
class cDlgEditOptions;
class cDlgStageOptions;
class cPropSheet;

// What the stage editor window opens of the element editors, which lie above it: installed at
// start-up (editors/win/ElementEditors.h). A missing one opens nothing.
struct cElementEditorHooks {
  // Opens the data sheet of a kind (0 blocks, 1 characters, 2 items) on the record the edit state
  // names, owned by owner, in its slot: 1 opened, 0 none opened (the slot then holds none).
  int (*m_pfnOpenSheet)(int kind, cWindow* owner, cPropSheet** slot) = nullptr;
  // Makes the character group window of the stage editor window, hidden; null when none was made.
  cDialog* (*m_pfnMakeGroupWindow)(cWindow* editor) = nullptr;
};
extern cElementEditorHooks g_ElementEditors;

class cStageEditorWnd : public cEditorWindow, public cStageEditorHost, public cDatabaseHost {
public:
  enum : uint16_t {
    kTemplateId = 104,
    kMenuId = 128,
    kAcceleratorId = 105,
    kIconId = 103,
    kIdcView = 1006,
    kIdcStatus = 1,
    kIdcToolbar = 124,
  };
  // The largest and the smallest map view, and the view of a window without a saved placement.
  static constexpr int32_t kMaxViewWidth = 640, kMaxViewHeight = 480;
  static constexpr int32_t kMinViewWidth = 384, kMinViewHeight = 160;
  static constexpr int32_t kDefaultX = 50, kDefaultY = 50;

  explicit cStageEditorWnd(cMainFrame& frame);
  ~cStageEditorWnd() override;
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnIdle() override;
  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  void CreatePaletteWindows() override;
  void PaintDataSheetPreviews() override {}
  void PaintPalettePreviews() override;

  // Operations of other windows: undo steps around their edits of placed objects.
  void PushUndo(int flags) override { m_Core.Map().PushUndo(flags); }
  void ClearUndo() { m_Core.Map().ClearUndo(); }
  void ShowEditorWindows();
  // The menu items' and toolbar buttons' enabled and checked states, all at once.
  void UpdateCommandStates();

  // What the other editors call when they close.
  void OnBlockSheetClosed() { OnDataSheetClosed(0); }
  void OnCharaSheetClosed() { OnDataSheetClosed(1); }
  void OnItemSheetClosed() { OnDataSheetClosed(2); }
  void OnStageSettingsClosed() override;
  // Command 40064: a new world map window, which hides and disables the other windows while it runs.
  void OpenWorldMap();
  void OnWorldMapClosed();
  // cDatabaseHost: the database window has closed; its tables may have changed.
  void OnDatabaseClosed() override;
  void Revalidate();
  void OnProjectOptionsClosed();

  // cStageEditorHost
  void ShowLayer(int layer) override;
  // The tool and right-click buttons of every palette window, as the edit state has them.
  void SyncToolButtons(int) override;
  void* BoxOwner() override { return m_hWnd; }
  void* FrameOwner() override { return m_Frame.m_hWnd; }
  void UndoChanged() override { UpdateCommandStates(); }
  void RepaintPaletteWindows() override;
  void SetBusy(int busy) override;
  void TakeFocus() override;
  void UpdateTitle() override;
  void PostRebuild() override;
  void OpenDataSheet(int kind) override;
  int RunNewStageDialog() override;
  void RepaintEditor() override;
  int RunValueInput(int32_t& value, int32_t minimum, int32_t maximum, const char* caption, int paletteWnd) override;
  int RunDataMove(cDataMove& move, int paletteWnd) override;
  void OpenTool(int tool) override;
  int ChooseFile(const cFileChoice& choice, cString& path) override;
  void ShowStatusPopup(const char* text, const char* title) override;
  void CloseStatusPopup() override;
  int LoadStageFile(const char* path) override;
  int FindGameProgram(cString& path) override;
  int LaunchGame(const char* program, const char* parameters) override;
  void ForgetGame() override;
  void ActivateEditor() override;
  void DeactivateApp() override;

  cStageEditor& Core() { return m_Core; }
  HWND ViewWindow() const { return m_cgView.m_Ctrl.m_hWnd; }
  const std::string& StatusText() const { return m_strStatus; }

  // The palette window of a pane (cPalettePanes numbering), and with kGroupWnd the character group
  // window; null while absent.
  cPaletteWnd* PaletteWnd(int index);
  cDialog* LayerWindow(int index);
  cPalettePanes& Palettes() { return m_Palettes; }

  // The palette windows of the two palettes by layer, and the character group window; each null
  // while absent.
  cPaletteWnd* m_pCommonBlockWnd = nullptr;
  cPaletteWnd* m_pCommonCharaWnd = nullptr;
  cPaletteWnd* m_pCommonItemWnd = nullptr;
  cPaletteWnd* m_pStageBlockWnd = nullptr;
  cPaletteWnd* m_pStageCharaWnd = nullptr;
  cPaletteWnd* m_pStageItemWnd = nullptr;
  cDialog* m_pGroupWnd = nullptr;
  // The data sheet of each kind (blocks, characters, items) while it is open, of a placed object or
  // of a palette entry (only one sheet is open at a time); the window list clears the slot when it
  // ends the sheet.
  cPropSheet* m_apCellSheet[3] = {};
  // The sheets while they are open (the window list deletes each when it ends it and clears its
  // slot here), and the modal tools while they run.
  cPropSheet* m_pStageSettingsSheet = nullptr;
  cPropSheet* m_pSystemSheet = nullptr;
  // The database window while it is open; the window list clears it when it ends the window.
  cPropSheet* m_pDatabaseWnd = nullptr;
  cPropSheet* m_pProjectOptionsSheet = nullptr;
  cDlgStageOptions* m_pStageOptionsDlg = nullptr;
  cDlgEditOptions* m_pEditOptions = nullptr;
  cDlgBmpConvert* m_pBitmapToolDlg = nullptr;

private:
  static cStageEditorWnd* s_lpInstance;

  void SetUpGeometry();
  void CreateStatusBar();
  void CreateToolbarButtons();
  void MeasureBars();
  // The view control and the scroll bars after a change of the client area.
  void LayoutView();
  void SetScrollBars();
  void ScrollToBars();
  void OnKeyDown(WPARAM key);
  void RunCommand(int id);
  void OnWheel(WPARAM wParam);
  void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnDestroy(HWND window);
  void Minimise();
  // Paints what changed since the last paint, into the view's canvas and onto the screen.
  void Repaint();
  void SetStatusText(const char* text);
  // The database window, with every registered window hidden and disabled while it is open.
  void OpenDatabase();
  void CloseDatabase();
  void OnDataSheetClosed(int kind);
  // A sheet of the project in its slot (the one still held there goes first): every other window
  // is hidden and disabled until the sheet closes and calls closed. make gives the new sheet, null
  // when memory ran out; closed then gives the windows back at once.
  template <class Make>
  void OpenSheet(cPropSheet*& slot, Make make, void (cStageEditorWnd::*closed)());
  void OpenStageSettings();
  void OpenSystemSettings();
  void OpenProjectOptions();
  // The sheets still open when this window goes close with it, telling it nothing.
  void CloseSheets();
  void RunStageOptions();
  // The palette and group windows as the layer and their saved shown flags say; a window shown
  // draws its whole grid.
  void ShowLayerWindows();
  // Every palette window draws its whole grid at its next paint: its entries changed elsewhere.
  void InvalidatePaletteWindows();
  // The top-left corner of a palette window, where its dialogs open.
  POINT PlaceOfPalette(int paletteWnd);

  cMainFrame& m_Frame;
  cStageEditor m_Core;
  cPalettePanes m_Palettes{g_StageDoc, g_CommonPalette, g_StageEditState, *this};
  cSheetExtents m_Extents;
  std::vector<cPaintList> m_vPaint;
  cViewInput m_ViewInput;
  std::string m_strStatus;
  std::string m_strCursorText;  // the cursor's cell as the view last painted it
  cKeyPress m_aPress[2];  // Space, F5
};

// The stage editor window while it exists, null otherwise.
extern cStageEditorWnd* g_pStageEditorWnd;

// Puts the stage editor into the main frame: how the frame makes the window, resets the edit
// state at a rebuild and ends a test play.
void InstallStageEditor(cMainFrame& frame);

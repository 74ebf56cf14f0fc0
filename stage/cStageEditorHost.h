#pragma once
// What the stage editor's logic needs of its window: everything that takes a window, a dialog, a
// thread or another process. The stage editor window implements it; tests record the calls. The
// defaults do nothing (and answer "cancelled" or "failed"), so a test overrides only what it
// watches.

#include <cstdint>

#include "app/cString.h"
#include "stage/StageFile.h"
#include "stage/cStageEditState.h"

// One open or save dialog, fully described: the window runs it and returns the chosen path.
struct cFileChoice {
  int32_t m_bSave = 0;
  cString m_strFolder;
  cString m_strTitle;
  // Pairs of label and pattern, each ended by a zero byte, as the common dialogs take them.
  cString m_strFilter;
  cString m_strDefaultExtension;
  cString m_strInitialName;  // save dialogs: the name offered
  void* m_pOwner = nullptr;  // the dialog's owner; null: the stage editor window
};

class cDataMove;

// The editors and tools that the stage editor opens from its menu.
enum : int {
  kToolStageSettings,
  kToolStageOptions,
  kToolDatabase,
  kToolWorldMap,
  kToolSystemSettings,
  kToolProjectOptions,
  kToolBitmapConverter,
  kToolEditOptions,
};

class cStageEditorHost : public cStageEditView {
public:
  void ShowLayer(int) override {}
  void SyncToolButtons(int) override {}
  void PushUndo(int) override {}

  // The owner of the boxes the editor shows (its window), and that of the main frame.
  virtual void* BoxOwner() { return nullptr; }
  virtual void* FrameOwner() { return nullptr; }

  // The undo and redo buttons and menu items, after any change of the step counts.
  virtual void UndoChanged() {}
  virtual void RepaintPaletteWindows() {}
  virtual void SetBusy(int) {}
  virtual void TakeFocus() {}
  virtual void UpdateTitle() {}
  // A rebuild of the editor and its palette windows after the stage was replaced.
  virtual void PostRebuild() {}
  // Opens the data sheet of the record m_pEditBlock, m_pEditChara or m_pEditItem names (kind 0, 1, 2)
  // with every other window disabled.
  virtual void OpenDataSheet(int) {}
  // The new-stage dialog, run modally; 1 when it made a stage.
  virtual int RunNewStageDialog() { return 0; }
  // The map view after a palette window changed what it shows.
  virtual void RepaintEditor() {}
  // Dialogs of the palette windows, run modally with every other window disabled and placed at
  // palette window paletteWnd (cPalettePanes numbering). The value dialog: 0 when cancelled,
  // otherwise value holds the number entered (minimum to maximum). The data move dialog shows and
  // edits the move and applies it on OK (cDataMove::Apply); 1 when it did.
  virtual int RunValueInput(int32_t&, int32_t, int32_t, const char*, int) { return 0; }
  virtual int RunDataMove(cDataMove&, int) { return 0; }
  // One of the editors of the enum above; the window hides and disables the others as each needs.
  virtual void OpenTool(int) {}
  // The stage settings sheet has closed: the stage may have a new size and new settings.
  virtual void OnStageSettingsClosed() {}

  // 0 when the user cancelled.
  virtual int ChooseFile(const cFileChoice&, cString&) { return 0; }
  virtual void ShowStatusPopup(const char*, const char*) {}
  virtual void CloseStatusPopup() {}
  // Loads a stage file into the stage (through the worker thread in the window); 1 on success, 0
  // with the stage unchanged and the failure shown.
  virtual int LoadStageFile(const char* path) { return LoadStage(path); }

  // Test play: the game program's path (0: none found), and its start with the parameters (null:
  // none). A started game is kept until it reports its end or ends; 1 when it started.
  virtual int FindGameProgram(cString&) { return 0; }
  virtual int LaunchGame(const char*, const char*) { return 0; }
  // The game has ended: the window lets go of the process it kept.
  virtual void ForgetGame() {}
  virtual void ActivateEditor() {}
  // The application counts as inactive until the system activates it again.
  virtual void DeactivateApp() {}
};

#pragma once
// The stage editor's file commands: opening a stage file, saving it over its file or under a new
// name (and what becomes of the file of an older data version it replaces), loading and saving a
// stage palette, the warning when the open stage's file has gone, the common palette's save, and
// the questions asked before unsaved changes could be lost.
//
// A save that fails is reported with its file and changes nothing: the flags, the path, the old
// file and the safety copy stay. A stage is replaced or the editor closed only after every save
// asked for has succeeded.

#include <cstdint>

#include "stage/cMapEditor.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditorHost.h"

// The current stage file extension: "stg4_" and the data version written.
cString CurrentStageExtension();
// The dialogs of the commands: open and save a stage (save: the extension and the name offered),
// load and save a stage palette.
cFileChoice OpenStageChoice();
cFileChoice SaveStageChoice(const cString& initialName);
cFileChoice OpenStagePaletteChoice();
cFileChoice SaveStagePaletteChoice();
// The new-stage dialog's two browse buttons: its template stage and its stage palette file.
cFileChoice NewStageTemplateChoice();
cFileChoice NewStagePaletteChoice();

class cStageFileCommands {
public:
  cStageFileCommands(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host, cMapEditor& map);

  // 1 when a stage was opened (the caller then gives it its undo buffers and rebuilds the windows);
  // 0 when the dialog was cancelled or the file did not load, the open stage unchanged.
  int OpenStage();
  // overwrite 1: over the file when it has the current extension, otherwise under a name. 1 when the
  // stage is saved (or an overwrite had nothing to write); 0 when not, and then *cancelled tells
  // whether the user cancelled the dialog (a failure has been shown).
  int SaveStage(int overwrite, int* cancelled = nullptr);
  int LoadStagePaletteFile();
  int SaveStagePaletteFile();
  void WarnIfStageFileMissing();
  // 1 after a good save of the common palette, which clears its modified flag.
  int SaveCommonPalette();

  // The close prompts, stage then common palette; 0 keeps the editor open.
  int ConfirmClose();
  // The stage half alone, before a command replaces the open stage; 0 cancels the command.
  int ConfirmDiscardStage();

private:
  int SaveUnderName(int overwrite, int* cancelled);
  // A file of an older data version that the same stage has just been saved from.
  void HandleOldVersionFile(const cString& oldPath);

  cStageDoc& m_Stage;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;
  cMapEditor& m_Map;
};

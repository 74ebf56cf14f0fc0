#pragma once
// The new-stage dialog's logic, without the dialog: the stage the editor works on next is an empty
// stage or a copy of the newest version of a template stage file, with a stage palette taken from
// the template, left empty, copied from the common palette (each entry following the common entry
// of its number) or read from a stage palette file. The choices are remembered in the editor
// configuration, which is saved whenever a stage is made.
//
// A stage palette file or a template that cannot be read is reported and the open stage stays as
// it was: everything that can fail is read before the stage is touched.

#include <cstdint>

#include "app/cEditConfig.h"
#include "app/cString.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditorHost.h"

// Template 247 "ステージの新規作成".
enum : int {
  kNewStageTemplate = 247,
  kIdcNewStageTemplatePath = 1247,
  kIdcNewStageBrowseTemplate = 1248,
  kIdcNewStagePaletteSource = 1310,
  kIdcNewStagePalettePath = 1311,
  kIdcNewStageBrowsePalette = 1312,
};
// The stage palette sources, as the rows of g_PaletteSourceNames.
enum : int32_t { kNewPaletteOfTemplate = 0, kNewPaletteEmpty = 1, kNewPaletteOfCommon = 2, kNewPaletteOfFile = 3 };
// What OK did: no stage made (the dialog closes with 0), a stage made (it closes with 1), or a
// stage palette file that did not load (the dialog stays open as it was).
enum : int { kNewStageNotMade = 0, kNewStageMade = 1, kNewStageKeepOpen = 2 };

// The dialog's three values, as its controls hold them.
struct cNewStageChoice {
  cString m_strTemplate;
  int32_t m_nPaletteSource = kNewPaletteOfTemplate;
  cString m_strPaletteFile;
};

class cNewStage {
public:
  cNewStage(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, cStageEditorHost& host, cEditConfig& config);

  // The choices of the dialog's last use.
  cNewStageChoice Remembered() const;
  // The palette file's edit and browse button for a source row: enabled only for a stage palette
  // file (1), disabled for the other three (0); -1 for any other value, which changes nothing.
  static int PaletteFileEnabled(int source);
  // The browse buttons: 1 with path holding the chosen file relative to the working folder; 0 and
  // path unchanged when cancelled or when the file lies on another drive.
  int BrowseTemplate(cString& path, void* owner);
  int BrowsePaletteFile(cString& path, void* owner);
  // OK: asks before an open stage is replaced (owner owns the boxes), then makes the stage.
  int Create(const cNewStageChoice& choice, void* owner);

private:
  int Browse(cFileChoice choice, cString& path, void* owner);
  // Reports a failure that leaves the open stage as it was.
  // loaded: the file whose load failed, when a load did; one of a newer version gets that box.
  int Refuse(int result, const char* format, const char* path, const char* loaded = nullptr);
  void SetPaletteFromCommon();

  cStageDoc& m_Stage;
  cPaletteDoc& m_Common;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;
  cEditConfig& m_Config;
};

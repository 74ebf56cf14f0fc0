#pragma once
// Loading the project's documents at start-up, in one fixed order, and the common variables'
// names (data\GValInfo.dat) that come first. The pictures follow on the Windows side
// (app/win/ProjectSheets.h); any failure ends the start-up after a box that names the file.

#include "app/cString.h"
#include "app/cValInfoData.h"
#include "app/cVector.h"

// The game has exactly this many common variables; the name table always holds one per variable.
constexpr int kValInfoCount = 1000;

// The table file of the names; 0 when it cannot be read (the names stay as they were).
int LoadValInfoFile(cVector<cValInfoData>& names, const char* path);
// Drops extra names and adds empty ones up to the fixed count.
void FitValInfo(cVector<cValInfoData>& names);

// In order: the variable names (from then on the names the one-line texts give the common
// variables), the ten database tables, the system settings, the common palette, the project options
// and the world map, then the default stage template. 0 after the box of the first file that
// failed; the documents loaded before it keep their new content.
int LoadProjectDocuments();
// When data\stg4\ has no numbered default stage, copies the newest one of default\stg4\ there.
// Neither a missing template nor a failed copy is an error.
void ProvideDefaultStageTemplate();
// No stage is open: the edit state's open flag and path are cleared.
void ForgetOpenStage();
// Reopens the stage that was open at the last exit (a broken file is first restored from its
// safety copy); 1 when it loaded. Otherwise, and for an empty path, the stage is an empty 32 x 32
// stage without a path; a stage that is there but does not load is named in the stage load's box,
// a missing one is not. Either way the undo buffers fit the stage.
int OpenLastStage(const cString& path);

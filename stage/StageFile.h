#pragma once
// The stage file: checking its end marker and restoring a broken file from its safety copy in
// data\work\, loading it (on the worker thread when the open command asks), and saving it over
// its file without ever leaving the stage in no whole file.
//
// cStageDoc::Load and cStageDoc::Save, which read and write the content, are defined in
// StageFile.cpp as well.

#include "stage/cStageDoc.h"

class cStageEditState;

// Puts source in the place of target, copying when the two lie on different volumes; 1 when done.
// A read-only target or a folder is never replaced.
int MoveFileOver(const char* target, const char* source);

// The safety copy of a stage file in data\work\, a name that no other stage file's copy has: a
// stage directly in data\stg4\ keeps its own file name, as the copies of earlier saves have it; any
// other stage's whole path is escaped into one name that begins with '~'.
cString SafetyCopyPath(const char* path);

// 1 when the file can be loaded: it is whole, older than the end marker, missing (the load reports
// that), or was broken and has been replaced by its own safety copy, the broken file kept beside it
// as path.broken (or path.broken2 on) and both named to the user. 0 when it is broken and no copy
// of its own could take its place: the file is kept as it is and the user is told.
int CheckStageFile(const char* path);

// Loading a stage on the worker thread: BeginStageLoad names the file and checks it (0: do not
// start the worker), StageLoadThreadProc is the worker's procedure (shouldStop, when given, is
// asked between the steps of the load whether to give it up), FinishStageLoad tells the user when
// the load failed and returns its result. The stage is replaced only by a whole load.
int BeginStageLoad(const char* path);
int StageLoadThreadProc(int (*shouldStop)() = nullptr);
int FinishStageLoad();
// The same without a worker thread (start-up reopens the last stage so).
int LoadStage(const char* path);

// Writes the stage to a file; a failure names the file in a box. 1 on success.
int SaveStageFile(cStageDoc& stage, const char* path);
// The overwrite save of the open stage: nothing to do when it is unchanged; otherwise a safety copy
// of the file goes to data\work\ first, and is deleted once the new file is complete. A failed
// save keeps the file, the copy and the modified flag; a file that may not be written (read-only,
// a folder, a newer version's) is refused before the copy. 1 when the stage is saved.
int SaveStageOver(cStageDoc& stage, cStageEditState& state);

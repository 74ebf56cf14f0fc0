#pragma once
// Opening a stage from the menu: the file is checked (and repaired from its safety copy), then
// loaded on the worker thread while the user-interface thread waits, dropping the user's input.

// 1 when the stage was loaded into the stage document; 0 otherwise, the open stage unchanged and
// the failure shown. A quit request that arrives meanwhile stops the load and is passed on.
int LoadStageInBackground(const char* path);

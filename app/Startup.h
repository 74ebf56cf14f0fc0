#pragma once
// What start-up and shut-down do with files, apart from the windows: the project's folder tree,
// and the two files saved at every normal exit.

// Creates the folders of a project below the working folder (an existing one is no error); the
// number of folders that could not be made.
int CreateFolderTree();
// The editor configuration at start-up: a missing or damaged file leaves the defaults (the
// error-code log says so). 0 after the box of a file from a newer version: start-up stops there,
// as the configuration is saved over and over while the editor runs.
int LoadEditConfigAtStart();
// The two files saved at exit: the editor configuration, remembering the open stage (empty when
// none), and the variable names. 1 when both were written; a box names each file not saved.
// stageHeld: a stage loader that would not stop still holds the stage; the configuration is then
// not saved (the report log says so).
int SaveAtExit(int stageHeld = 0);

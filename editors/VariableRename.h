#pragma once
// Renaming a variable from a picker's "_" button: which name changes, and whether the common
// names are written to data\GValInfo.dat at once. The common-variable condition, the message
// command and the code-execution command save them at once; every other place changes them in
// memory only (they are saved at shut-down), and stage variable names are saved with the stage.

#include "app/cString.h"

// The dialogs that rename.
enum : int {
  kRenameCommonVarCond = 0,  // "コモン変数条件"
  kRenameStageVarCond,       // "ステージ変数条件"
  kRenameStatusCond,         // "ステータス条件"
  kRenameMessage,            // the message command
  kRenameCode,               // the code-execution command
  kRenameOther,              // any other command dialog with a variable picker
};

// The name of variable number of scope 0 (common) or 1 (stage) that a rename edits; null for
// number 0, which is never offered, and for a number outside the table (the caller beeps).
cString* VariableNameSlot(int scope, int number);
// 1 when a rename at site in scope writes the common names to their file at once.
int RenameSavesAtOnce(int site, int scope);
// After a confirmed rename: writes data\GValInfo.dat when the site says so. A failed write shows
// the file's path; 0 then, 1 otherwise.
int FinishVariableRename(int site, int scope);

#pragma once
// The shell's open, save and folder dialogs, and a few small user-interface operations.

#include <windows.h>
#include <commdlg.h>

#include "app/cString.h"
#include "app/cVector.h"

// Runs the shell's dialogs; tests put one here that answers without a window.
class cFileDialogSeam {
public:
  virtual ~cFileDialogSeam() = default;
  virtual BOOL RunOpen(OPENFILENAMEA& record);
  virtual BOOL RunSave(OPENFILENAMEA& record);
  // Fills a 260-byte buffer with the chosen folder; FALSE on cancel.
  virtual BOOL RunFolder(HWND owner, const char* initialFolder, const char* title, char* folder);
};
void SetFileDialogSeam(cFileDialogSeam* seam);

int OpenFileDialog(HWND owner, char* path, int size, const char* initialFolder, const char* title,
                   const char* filter, const char* defaultExtension, int multiSelect, cVector<cString>* results);
int SaveFileDialog(HWND owner, char* path, const char* initialFolder, const char* title, const char* filter,
                   const char* defaultExtension, int keepName);
int ChooseFolder(HWND owner, char* folder, const char* initialFolder, const char* title);

int ConfirmExit(HWND owner);
void SetWaitCursor();
void SetArrowCursor();

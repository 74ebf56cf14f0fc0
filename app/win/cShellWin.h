#pragma once
// The Windows shell behind the portable seam: real message boxes, the process's main window,
// memory status, the multimedia clock, the screen metrics and the beep.

#include <windows.h>

#include "app/cShellSeam.h"

// The process's main window: the window that bad indices destroy and close requests go to.
extern HWND g_hMainWnd;
extern DWORD g_nUiThreadId;

class cShellWin : public cShellSeam {
public:
  int ShowBox(void* owner, const char* text, const char* caption, unsigned type) override;
  void* ActiveWindow() override { return GetActiveWindow(); }
  void DestroyMainWindow() override;
  void PostCloseRequest() override;
  uint64_t FreePhysicalMemory() override;
  uint32_t TickCount() override;
  void FullScreenSize(int32_t& width, int32_t& height) override;
  void Beep() override;
};

// Installs the Windows shell seam; the user-interface thread is the caller's.
void InstallShellWin();

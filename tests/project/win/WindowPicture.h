#pragma once
// Pictures of the project's windows as they are on screen, for tests/project/win/screenshot.sh:
// saved only when VX_SCREENSHOT_DIR names a folder.

#include <windows.h>

class cModelessList;

// Brings the window to the front, lets it paint, and saves it as <VX_SCREENSHOT_DIR>\<name>.bmp.
void SaveScreenshot(HWND window, const char* name, cModelessList* list);

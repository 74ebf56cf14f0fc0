#pragma once
// Checks of what a window shows, for the layout tests and the screenshots taken from them.

#include <windows.h>

// Every label of the window's statics, buttons and check boxes fits inside its control, drawn with
// the control's own font.
void ExpectLabelsInside(HWND dialog);

// How long the windows stay on screen for a screenshot: VX_SCREENSHOT_HOLD_MS, 0 in a plain run.
int HoldMilliseconds();

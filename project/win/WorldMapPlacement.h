#pragma once
// Where the world map window and its palettes open and how they remember it: the place saved in
// the editor configuration, else at or beside the window they belong to.

#include <windows.h>

#include <cstdint>

#include "app/cWindowPlacement.h"

class cWindow;

// The saved place when there is one; else the reference window's top-left corner, or with beside
// set its right edge, 10 pixels below its top.
POINT PlacementStart(const cWindowPlacement& placement, const cWindow* reference, int beside);
// The window's position and the given size into the placement; the configuration is saved at once.
void StorePlacement(cWindowPlacement& placement, HWND window, int32_t width, int32_t height);

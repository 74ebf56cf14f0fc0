#pragma once
// Carries out the drawing operations of the portable views (stage/cMapView.h) on a canvas: the map
// of the stage editor window, and the previews of the palette windows and the data sheets.

#include "app/win/cCanvas.h"
#include "stage/cMapView.h"

// The sizes of the sheet canvases as they are loaded now.
void LoadedSheetExtents(cSheetExtents& extents);
// Draws the list's operations on the canvas, clipped to its area.
void DrawPaintList(cCanvas& back, const cPaintList& list);

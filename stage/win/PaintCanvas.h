#pragma once
// Carries out the drawing lists of the map view's operations (stage/cMapView.h) on a canvas: the
// stage editor's view, the palette windows' grids, and every small preview that draws one record's
// graphic the same way.

#include "app/win/cCanvas.h"
#include "stage/cMapView.h"
#include "ui/win/cCtrlBitmap.h"

// The sizes of the loaded sheet canvases and of the dedicated chara canvases.
void MeasureSheets(cSheetExtents& extents);
// The list's operations on the canvas, clipped to the list's area.
void DrawPaintList(cCanvas& canvas, const cPaintList& list);
// The list drawn on a view control's canvas, and its area copied to the screen.
void PaintOnView(cCtrlBitmap& view, const cPaintList& list);

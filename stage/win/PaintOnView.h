#pragma once
// Carrying out the paint lists of the stage's views (the map view, the palette windows) on a view
// control: each list is drawn on the control's canvas clipped to its area, and that area is copied
// to the screen.

#include "stage/cMapView.h"
#include "ui/win/cCtrlBitmap.h"

// The sizes of the sheet canvases and dedicated chara canvases as they are loaded now.
void MeasureSheets(cSheetExtents& extents);
void PaintOnView(cCtrlBitmap& view, const cPaintList& list);

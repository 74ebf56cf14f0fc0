#pragma once
// The pictures of the project, loaded after its documents: the two program palettes with the
// colour keys, the 33 sheet canvases (the last five composed from the others as overview sheets)
// and two canvases for every entry of the character-bitmap table.

#include "app/SheetCanvases.h"
#include "app/cString.h"
#include "app/win/cCanvas.h"
#include "database/CharaBitmaps.h"

// The whole project: the documents, then the pictures; 0 after the box that names what failed.
int LoadProject();
// Palette.bmp with its transparent and mask colours, Palette2.bmp, and the true-colour key from the
// system settings; 0 after the box.
int LoadProgramPalettes();
// Every sheet; the two backgrounds come from the paths given (empty: no picture) and may fail
// without stopping the load. 0 after the box of a sheet that failed.
int LoadSheetCanvases(const cString& stageBackground, const cString& worldBackground);
void ComposeOverviewSheets();
// The dedicated bitmaps in 8-bit canvases with their masks: the target of every rebuild.
class cCanvasBitmapTarget : public cCharaBitmapTarget {
public:
  explicit cCanvasBitmapTarget(cVector<cCanvas>& canvases) : m_vCanvases(canvases) {}
  void Reset(int count) override;
  int Load(int picture, const char* path, int32_t mirrorWidth) override;

private:
  cVector<cCanvas>& m_vCanvases;
};

// The dedicated bitmap set in canvases (database/CharaBitmaps.h): canvases 2i and 2i + 1 for entry i
// with a bitmap, the second mirrored per cell; 0 after the box naming the bitmap that failed.
int RebuildCharaBitmaps(cVector<cCanvas>& canvases, const cVector<cCharaExcData>& table);

#include "stage/PaletteAccess.h"

int PaletteListSize(cPaletteDoc& common, cStageDoc& stage, int stagePalette, int kind) {
  int size = 0;
  VisitPaletteList(common, stage, stagePalette, kind, [&](auto& list) { size = list.Count(); });
  return size;
}

void RefreshFromCommon(cStageDoc& stage, int kind) {
  switch (kind) {
    case 0:
      return stage.RefreshBlocksFromCommon();
    case 1:
      return stage.RefreshCharasFromCommon();
    case 2:
      return stage.RefreshItemsFromCommon();
  }
}

void RefreshFromStage(cStageDoc& stage, int kind) {
  switch (kind) {
    case 0:
      return stage.RefreshBlocksFromStage();
    case 1:
      return stage.RefreshCharasFromStage();
    case 2:
      return stage.RefreshItemsFromStage();
  }
}

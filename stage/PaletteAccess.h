#pragma once
// Reaching the six palette lists by palette (0 common, 1 stage, as the edit state names them) and
// kind (0 blocks, 1 characters, 2 items), and what goes with a kind: the stage's passes that
// resolve its followers again, and the brush of its layer.

#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

// Calls visit(list) with the list; a kind outside 0 to 2 calls nothing.
template <class Visit>
void VisitPaletteList(cPaletteDoc& common, cStageDoc& stage, int stagePalette, int kind, Visit visit) {
  switch (kind) {
    case 0:
      visit(stagePalette ? stage.m_vStageBlock : common.m_vBlock);
      break;
    case 1:
      visit(stagePalette ? stage.m_vStageChara : common.m_vChara);
      break;
    case 2:
      visit(stagePalette ? stage.m_vStageItem : common.m_vItem);
      break;
  }
}

// Entries of a list; 0 for a kind without one.
int PaletteListSize(cPaletteDoc& common, cStageDoc& stage, int stagePalette, int kind);

// The stage resolves again what follows the common palette (stage palette entries and placed
// objects, through either palette), or what follows the stage palette, for one kind.
void RefreshFromCommon(cStageDoc& stage, int kind);
void RefreshFromStage(cStageDoc& stage, int kind);

inline cVector<cEdBlock>& BrushOf(cStageEditState& state, const cEdBlock*) { return state.m_vBrushBlock; }
inline cVector<cEdChara>& BrushOf(cStageEditState& state, const cEdChara*) { return state.m_vBrushChara; }
inline cVector<cEdItem>& BrushOf(cStageEditState& state, const cEdItem*) { return state.m_vBrushItem; }

#pragma once
// The two palettes that records name by kind and index: 1 the common palette, 2 the stage
// palette. Their documents register their lists here, so that records can test references into
// them without knowing the documents.

#include <cstdint>

#include "app/cVector.h"

class cEdBlock;
class cEdChara;
class cEdItem;

struct cPaletteLists {
  cVector<cEdBlock>* m_pvBlock = nullptr;
  cVector<cEdChara>* m_pvChara = nullptr;
  cVector<cEdItem>* m_pvItem = nullptr;
};

enum { kPaletteNone = 0, kPaletteCommon = 1, kPaletteStage = 2 };

// The lists of palette kind 1 or 2; null for any other kind.
cPaletteLists* PaletteLists(int palette);

// Entries in a palette's list of blocks, characters or items; 0 for a kind without lists.
int PaletteBlockCount(int palette);
int PaletteCharaCount(int palette);
int PaletteItemCount(int palette);

// A stored index names an entry of a list of count entries; a negative index never does.
inline bool IsValidIndex(int index, int count) { return index >= 0 && index < count; }
// A reference outside its table becomes 0, the entry that stands for none.
inline void ClearInvalid(int16_t& index, int count) {
  if (!IsValidIndex(index, count)) index = 0;
}

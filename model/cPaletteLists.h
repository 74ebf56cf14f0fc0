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

// Names other lists as a palette's for as long as it lives, then puts the previous ones back: a
// document that loads or checks a palette of its own names it while it works.
class cPaletteListsScope {
public:
  cPaletteListsScope(int palette, const cPaletteLists& lists);
  ~cPaletteListsScope();
  cPaletteListsScope(const cPaletteListsScope&) = delete;
  cPaletteListsScope& operator=(const cPaletteListsScope&) = delete;

private:
  cPaletteLists* m_pLists;
  cPaletteLists m_Saved;
};

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
// A record that follows an entry its common or stage palette does not hold follows none.
inline void ValidateInheritSource(int8_t& palette, int16_t& index, int count) {
  if ((palette == kPaletteCommon || palette == kPaletteStage) && !IsValidIndex(index, count)) {
    palette = kPaletteNone;
    index = 0;
  }
}

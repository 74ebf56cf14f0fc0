#include "model/cPaletteLists.h"

#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"

cPaletteLists* PaletteLists(int palette) {
  static cPaletteLists lists[2];
  if (palette != kPaletteCommon && palette != kPaletteStage) return nullptr;
  return &lists[palette - 1];
}

namespace {
template <class T>
int CountOf(cVector<T>* cPaletteLists::*list, int palette) {
  cPaletteLists* lists = PaletteLists(palette);
  return lists && lists->*list ? (lists->*list)->Count() : 0;
}
}  // namespace

int PaletteBlockCount(int palette) { return CountOf(&cPaletteLists::m_pvBlock, palette); }
int PaletteCharaCount(int palette) { return CountOf(&cPaletteLists::m_pvChara, palette); }
int PaletteItemCount(int palette) { return CountOf(&cPaletteLists::m_pvItem, palette); }

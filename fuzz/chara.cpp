// Arbitrary bytes as a data version and a character with its flows: a load either fails cleanly
// or gives a character that saves, loads back and saves again to the same bytes.
#include "app/cApplication.h"
#include "fuzz/FuzzSupport.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cPaletteLists.h"

namespace {

// A small stage palette, so that inheritance sources and palette references have entries.
void NameStagePalette() {
  static cVector<cEdBlock> blocks(3);
  static cVector<cEdChara> charas(3);
  static cVector<cEdItem> items(3);
  *PaletteLists(kPaletteStage) = {&blocks, &charas, &items};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  NameStagePalette();
  cReadStream input(data, size);
  uint32_t version = 0;
  if (!input.ReadU32(version)) return 0;
  cApplication::m_nVersionRead = version % 1024;
  cEdChara chara;
  chara.Load(input);
  if (input.Failed()) return 0;
  chara.ValidatePaletteRefs();

  std::vector<unsigned char> first = SavedBody(chara);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream again(first);
  cEdChara back;
  back.Load(again);
  if (again.Failed() || !again.AtEnd()) __builtin_trap();
  if (SavedBody(back) != first) __builtin_trap();
  cEdChara copy = back;
  if (SavedBody(copy) != first) __builtin_trap();
  return 0;
}

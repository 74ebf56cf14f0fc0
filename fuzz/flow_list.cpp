// Arbitrary bytes as a data version and a flow list: a load either fails cleanly or gives flows
// that save, load back and save again to the same bytes, and whose copies own their payloads.
#include "app/cApplication.h"
#include "fuzz/FuzzSupport.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "model/cFlowData.h"
#include "model/cPaletteLists.h"

namespace {

// A small common palette, so that palette validation has entries to test against.
void NameCommonPalette() {
  static cVector<cEdBlock> blocks(2);
  static cVector<cEdChara> charas(2);
  static cVector<cEdItem> items(2);
  *PaletteLists(kPaletteCommon) = {&blocks, &charas, &items};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  NameCommonPalette();
  cReadStream input(data, size);
  uint32_t version = 0;
  if (!input.ReadU32(version)) return 0;
  cApplication::m_nVersionRead = version % 1024;
  cVector<cFlowData> flows;
  if (!cDataRecord::LoadList(flows, input)) return 0;

  std::vector<unsigned char> first = SavedBody(flows);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream again(first);
  cVector<cFlowData> back;
  if (!cDataRecord::LoadList(back, again) || !again.AtEnd()) __builtin_trap();
  if (SavedBody(back) != first) __builtin_trap();

  // A copy is a deep one: changing it leaves the original's bytes alone.
  cVector<cFlowData> copy = back;
  for (cFlowData& flow : copy) {
    flow.ValidatePaletteRefs();
    for (cCommandData& command : flow.m_vCommand)
      if (command.m_pShot) command.m_pShot->m_nPower ^= 1;
  }
  if (SavedBody(back) != first) __builtin_trap();
  return 0;
}

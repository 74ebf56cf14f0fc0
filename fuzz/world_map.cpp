// The world map file from arbitrary bytes.
#include "fuzz/RecordFileFuzz.h"
#include "project/cWorldMapDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzRecordFile<cWorldMapDoc>("world_map", data, size, [](cWorldMapDoc& doc) {
    doc.SetSize(33, 16);
    doc.PlaceEvent(doc.m_vTemplate[0], 3, 4);
  });
}

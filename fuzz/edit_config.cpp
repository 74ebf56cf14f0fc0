// The editor configuration file from arbitrary bytes.
#include "app/cEditConfig.h"
#include "fuzz/RecordFileFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzRecordFile<cEditConfig>("edit_config", data, size, [](cEditConfig& config) {
    config.m_strLastStagePath = "keep";
    config.m_wpWorldMap.Set(1, 2, 3, 4);
  });
}

// The system settings file from arbitrary bytes.
#include "fuzz/RecordFileFuzz.h"
#include "project/cSystemSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzRecordFile<cSystemSettings>("system_settings", data, size, [](cSystemSettings& settings) {
    settings.m_strGameTitle = "keep";
    settings.m_vTerm.resize(30);
  });
}

// The project options file from arbitrary bytes.
#include "fuzz/RecordFileFuzz.h"
#include "project/cProjectSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzRecordFile<cProjectSettings>("prj_option", data, size, [](cProjectSettings& settings) {
    settings.m_strGameProgram = "keep.exe";
    settings.m_bbDefInherit[1][1][7] = 0;
    settings.m_DefChara.m_nGraphic = 33;
  });
}

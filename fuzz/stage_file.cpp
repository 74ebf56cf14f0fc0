// Arbitrary bytes as a stage file: a load either fails and leaves the stage as it was, or gives a
// stage whose layers fit its size and that saves, loads back and saves again to the same bytes.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "app/cApplication.h"
#include "stage/cStageDoc.h"

namespace {

std::string TempPath() {
  static std::string path = "/tmp/vx_fuzz_stage_file_" + std::to_string(getpid());
  return path;
}

std::vector<unsigned char> Saved(cStageDoc& stage) {
  cWriteStream stream;
  stage.Save(stream);
  return stream.Bytes();
}

bool Consistent(const cStageDoc& stage) {
  int cells = stage.m_nPitch * stage.m_nHeight;
  return stage.m_nWidth >= 1 && stage.m_nWidth <= stage.m_nPitch && stage.m_nPitch < 2 * stage.m_nWidth &&
         stage.m_vBlockLayer.Count() == cells && stage.m_vCharaLayer.Count() == cells && stage.m_vItemLayer.Count() == cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* file = std::fopen(TempPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  static cStageDoc stage;
  stage.SetDefaults();
  stage.m_strName = "before";
  if (!stage.LoadStageFile(TempPath().c_str())) {
    if (stage.m_strName != "before" || stage.m_nWidth != 20) __builtin_trap();
    return 0;
  }
  if (!Consistent(stage)) __builtin_trap();
  std::vector<unsigned char> first = Saved(stage);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream again(first);
  cStageDoc back;
  back.Load(again);
  if (again.Failed() || !again.AtEnd() || !Consistent(back)) __builtin_trap();
  if (Saved(back) != first) __builtin_trap();
  return 0;
}

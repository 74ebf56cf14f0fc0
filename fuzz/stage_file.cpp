// Arbitrary bytes as a stage file: a load either fails and leaves the stage as it was, or gives a
// stage whose layers fit its size and that saves, loads back and saves again to the same bytes.
#include "app/cApplication.h"
#include "fuzz/FuzzSupport.h"
#include "stage/cStageDoc.h"

namespace {

// The current input, as a file.
std::string g_strInput;

bool Consistent(const cStageDoc& stage) {
  int cells = stage.m_nPitch * stage.m_nHeight;
  return stage.m_nWidth >= 1 && stage.m_nWidth <= stage.m_nPitch && stage.m_nPitch < 2 * stage.m_nWidth &&
         stage.m_vBlockLayer.Count() == cells && stage.m_vCharaLayer.Count() == cells && stage.m_vItemLayer.Count() == cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  g_strInput = WriteFuzzInput("stage_file", data, size);
  if (g_strInput.empty()) return 0;

  static cStageDoc stage;
  stage.SetDefaults();
  stage.m_strName = "before";
  if (!stage.LoadStageFile(g_strInput.c_str())) {
    if (stage.m_strName != "before" || stage.m_nWidth != 20) __builtin_trap();
    return 0;
  }
  if (!Consistent(stage)) __builtin_trap();
  std::vector<unsigned char> first = SavedBody(stage);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream again(first);
  cStageDoc back;
  back.Load(again);
  if (again.Failed() || !again.AtEnd() || !Consistent(back)) __builtin_trap();
  if (SavedBody(back) != first) __builtin_trap();
  return 0;
}

// Arbitrary bytes as a common palette file and as a stage palette file: a load either fails and
// leaves the palette as it was, or gives lists that save, load back and save again to the same
// bytes (the common palette with at least two entries a list, none of them inheriting).
#include "app/cApplication.h"
#include "fuzz/FuzzSupport.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"

namespace {

// The current input, as a file.
std::string g_strInput;

template <class T>
bool NoneInherits(const cVector<T>& list) {
  for (const T& entry : list)
    for (auto flag : entry.m_bbInherit)
      if (flag) return false;
  return list.Count() >= 2;
}

void CommonPalette() {
  static cPaletteDoc palette;
  palette.SetDefaults();
  palette.m_vBlock.resize(3);
  if (!palette.LoadPaletteFile(g_strInput.c_str())) {
    if (palette.m_vBlock.Count() != 3) __builtin_trap();
    return;
  }
  if (!NoneInherits(palette.m_vBlock) || !NoneInherits(palette.m_vChara) || !NoneInherits(palette.m_vItem))
    __builtin_trap();
  std::vector<unsigned char> first = SavedBody(palette);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream again(first);
  cPaletteDoc back;
  back.Load(again);
  if (again.Failed() || !again.AtEnd() || SavedBody(back) != first) __builtin_trap();
}

void StagePalette() {
  static cStageDoc stage;
  stage.SetDefaults();
  stage.m_vStageItem.resize(4);
  if (!stage.LoadStagePalette(g_strInput.c_str())) {
    if (stage.m_vStageItem.Count() != 4) __builtin_trap();
    return;
  }
  std::string saved = g_strInput + ".plt4";
  if (!stage.SaveStagePalette(saved.c_str())) __builtin_trap();
  cStageDoc back;
  if (!back.LoadStagePalette(saved.c_str())) __builtin_trap();
  std::string again = saved + "2";
  if (!back.SaveStagePalette(again.c_str())) __builtin_trap();
  FILE* a = std::fopen(saved.c_str(), "rb");
  FILE* b = std::fopen(again.c_str(), "rb");
  for (int x = 0, y = 0; x != EOF || y != EOF;)
    if ((x = std::fgetc(a)) != (y = std::fgetc(b))) __builtin_trap();
  std::fclose(a);
  std::fclose(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkipDiskFlushes();
  g_strInput = WriteFuzzInput("palette_file", data, size);
  if (g_strInput.empty()) return 0;
  CommonPalette();
  StagePalette();
  return 0;
}

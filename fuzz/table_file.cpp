// Arbitrary bytes as each of the ten database table files: a load either fails and leaves the
// table as it was, or gives a table that saves and loads back to the same bytes.
#include "app/DataFile.h"
#include "database/cDatabaseSet.h"
#include "fuzz/FuzzSupport.h"

namespace {

// The current input, as a file.
std::string g_strInput;

template <class T>
void LoadAs() {
  cVector<T> table(2);
  std::vector<unsigned char> before = SavedBody(table);
  if (!LoadTableFile(table, g_strInput.c_str())) {
    if (SavedBody(table) != before) __builtin_trap();
    return;
  }
  std::vector<unsigned char> first = SavedBody(table);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream stream(first);
  cVector<T> back;
  if (!back.Load(stream) || !stream.AtEnd()) __builtin_trap();
  if (SavedBody(back) != first) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  g_strInput = WriteFuzzInput("table_file", data, size);
  if (g_strInput.empty()) return 0;
  LoadAs<cAnimeSetData>();
  LoadAs<cAnimeData>();
  LoadAs<cCharaExcData>();
  LoadAs<cSwordTypeData>();
  LoadAs<cEffectData>();
  LoadAs<cCharaEffectData>();
  LoadAs<cScrEffectData>();
  LoadAs<cPictureData>();
  LoadAs<cSoundData>();
  LoadAs<cBgmData>();
  return 0;
}

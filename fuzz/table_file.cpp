// Arbitrary bytes as each of the ten database table files: a load either fails and leaves the
// table as it was, or gives a table that saves and loads back to the same bytes.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "app/DataFile.h"
#include "database/cDatabaseSet.h"

namespace {

std::string TempPath() {
  static std::string path = "/tmp/vx_fuzz_table_file_" + std::to_string(getpid());
  return path;
}

template <class T>
std::vector<unsigned char> Saved(cVector<T>& table) {
  cWriteStream stream;
  table.Save(stream);
  return stream.Bytes();
}

template <class T>
void LoadAs() {
  cVector<T> table(2);
  std::vector<unsigned char> before = Saved(table);
  if (!LoadTableFile(table, TempPath().c_str())) {
    if (Saved(table) != before) __builtin_trap();
    return;
  }
  std::vector<unsigned char> first = Saved(table);
  cApplication::m_nVersionRead = kDataVersion;
  cReadStream stream(first);
  cVector<T> back;
  if (!back.Load(stream) || !stream.AtEnd()) __builtin_trap();
  if (Saved(back) != first) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* file = std::fopen(TempPath().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
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

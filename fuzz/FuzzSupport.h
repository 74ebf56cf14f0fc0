#pragma once
// What the fuzz targets share: the input as a file of its own in a scratch folder of the process,
// removed when the process ends, and what a record or list saves.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/FileCalls.h"
#include "app/cDataStream.h"

// A folder of the process's own below the temporary folder; it goes, with all a target wrote into
// it, when the process ends.
class cFuzzScratch {
public:
  cFuzzScratch() {
    const char* temp = std::getenv("TMPDIR");
    std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/vx_fuzz_XXXXXX";
    if (mkdtemp(&pattern[0])) m_strPath = pattern;
  }
  ~cFuzzScratch() {
    std::error_code error;
    if (!m_strPath.empty()) std::filesystem::remove_all(m_strPath, error);
  }
  const std::string& Path() const { return m_strPath; }

private:
  std::string m_strPath;
};

// Writes the input to a file named after the target in the scratch folder; empty when it cannot.
inline std::string WriteFuzzInput(const char* name, const uint8_t* data, size_t size) {
  static cFuzzScratch scratch;
  if (scratch.Path().empty()) return std::string();
  std::string path = scratch.Path() + "/" + name;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return std::string();
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}

// Fuzzing looks at the bytes, not at the disk: saves of a target that calls this skip putting their
// files on the disk.
inline void SkipDiskFlushes() {
  static const cFileCalls quick = {std::fwrite, std::fflush, std::fclose,
                                   [](const char* source, const char* target) { return std::rename(source, target); }};
  SetFileCalls(&quick);
}

template <class T>
std::vector<unsigned char> SavedBody(T& saved) {
  cWriteStream out;
  saved.Save(out);
  return out.Bytes();
}

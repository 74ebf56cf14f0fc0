#include "app/DataFile.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "app/FileCalls.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cApplication.h"

namespace {
bool UsablePath(const char* path) { return path && std::strlen(path) < static_cast<size_t>(kMaxPath); }

// A save of an earlier version moved the previous file aside before it put the new one in; one
// that stopped between the two left only the aside copy, which takes its place again.
void PutAsideCopyBack(const char* path) {
  std::string host = HostPath(path);
  std::string aside = AsideName(host.c_str());
  struct stat info;
  if (stat(host.c_str(), &info) != 0 && stat(aside.c_str(), &info) == 0 && S_ISREG(info.st_mode))
    ReplaceFileWith(host.c_str(), aside.c_str());
}
}  // namespace

cReadStream* OpenDataFileRead(const char* path) {
  if (!path || !*path) path = "err";
  if (!UsablePath(path)) return nullptr;
  PutAsideCopyBack(path);
  cReadStream* stream = new cReadStream;
  uint32_t version;
  if (!stream->OpenFile(path) || !stream->ReadU32(version)) {
    delete stream;
    return nullptr;
  }
  cApplication::m_nVersionRead = version;
  return stream;
}

cWriteStream* OpenDataFileWrite(const char* path) {
  if (!UsablePath(path)) return nullptr;
  cWriteStream* stream = new cWriteStream;
  if (!stream->OpenFile(path)) {
    delete stream;
    return nullptr;
  }
  stream->WriteU32(VersionWritten());
  return stream;
}

void CloseDataFile(cReadStream* stream) { delete stream; }

int CloseDataFile(cWriteStream* stream) {
  if (!stream) return 0;
  int ok = stream->Commit();
  delete stream;
  return ok;
}

int SaveFileReported(cDataRecord& document, const char* path) {
  if (document.SaveFile(path)) return 1;
  ErrorBoxF("%s の保存に失敗しました！\n保存前のファイルはそのまま残っています。", path);
  return 0;
}

int FindNewestNumberedFile(char* result, const char* path, const char* extension) {
  cString base;
  ChangeExtension(base, path, extension);
  cString candidate;
  for (int number = 999; number >= 0; --number) {
    candidate.Format("%s_%d%d%d", base.GetStr(), number / 100, number / 10 % 10, number % 10);
    if (PathExists(candidate.GetStr()) && candidate.size() < static_cast<size_t>(kMaxPath)) {
      std::memcpy(result, candidate.GetStr(), candidate.size() + 1);
      return 1;
    }
  }
  return 0;
}

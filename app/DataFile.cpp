#include "app/DataFile.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "app/FileCalls.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/cApplication.h"

namespace {
// The data version of the file that the last OpenDataFileRead refused as a newer version's; 0 when
// it refused none. Set by the worker's stage load too, which the user-interface thread waits for.
uint32_t g_nNewerVersionRefused = 0;

bool UsablePath(const char* path) { return path && std::strlen(path) < static_cast<size_t>(kMaxPath); }

// The data version a file begins with; 0 when there is no file or it is shorter than a version.
uint32_t StoredVersion(const char* path) {
  cReadStream stream;
  uint32_t version = 0;
  if (!stream.OpenFile(path) || !stream.ReadU32(version)) return 0;
  return version;
}

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
  g_nNewerVersionRefused = 0;
  if (!path || !*path) path = "err";
  if (!UsablePath(path)) return nullptr;
  PutAsideCopyBack(path);
  cReadStream* stream = new cReadStream;
  uint32_t version;
  if (!stream->OpenFile(path) || !stream->ReadU32(version)) {
    delete stream;
    return nullptr;
  }
  if (version > VersionWritten()) {
    g_nNewerVersionRefused = version;
    delete stream;
    return nullptr;
  }
  cApplication::m_nVersionRead = version;
  return stream;
}

int ReportNewerDataFile(const char* path) {
  if (!g_nNewerVersionRefused) return 0;
  ErrorBoxF("%s は新しいバージョンのヴォンタリスで保存されたファイルです！\n"
            "このバージョンでは読み込むことも上書きすることもできません。",
            path);
  return 1;
}

int CanSaveDataFile(const char* path) {
  return UsablePath(path) && CanReplaceFile(HostPath(path).c_str()) && StoredVersion(path) <= VersionWritten() ? 1 : 0;
}

cWriteStream* OpenDataFileWrite(const char* path) {
  if (!CanSaveDataFile(path)) return nullptr;
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

int ReportSaveFailure(const char* path) {
  ErrorBoxF("%s の保存に失敗しました！\n保存前のファイルはそのまま残っています。", path);
  return 0;
}

int SaveFileReported(cDataRecord& document, const char* path) {
  return document.SaveFile(path) ? 1 : ReportSaveFailure(path);
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

#include "app/FileCalls.h"

#include <sys/stat.h>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
const cFileCalls kRealCalls = {std::fwrite, FlushFileToDisk, std::fclose, RenameOver};
const cFileCalls* g_pCalls = &kRealCalls;
}  // namespace

const cFileCalls& FileCalls() { return *g_pCalls; }

void SetFileCalls(const cFileCalls* calls) { g_pCalls = calls ? calls : &kRealCalls; }

int ReplaceFileWith(const char* target, const char* source) {
  // A folder standing where the file goes is never moved or replaced.
  struct stat info;
  if (stat(target, &info) == 0 && S_ISDIR(info.st_mode)) return 0;
  return FileCalls().m_pfnRename(source, target) == 0 ? 1 : 0;
}

std::string AsideName(const char* path) { return std::string(path) + ".~old"; }

#ifndef _WIN32
int CanReplaceFile(const char* target) {
  struct stat info;
  if (stat(target, &info) != 0) return 1;
  return S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) ? 1 : 0;
}

int FlushFileToDisk(FILE* file) {
  if (std::fflush(file) != 0) return EOF;
  return fsync(fileno(file)) == 0 ? 0 : EOF;
}

// rename replaces an existing target in one step here; the folder is then put on the disk too, so
// that the new name outlives a power loss.
int RenameOver(const char* source, const char* target) {
  if (std::rename(source, target) != 0) return -1;
  std::string folder(target);
  size_t slash = folder.rfind('/');
  folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
  int handle = open(folder.c_str(), O_RDONLY);
  if (handle >= 0) {
    fsync(handle);
    close(handle);
  }
  return 0;
}
#endif

#include "app/PathUtil.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "app/DataFile.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <dirent.h>
#include <strings.h>
#include <unistd.h>
#endif

namespace {

void CopyBounded(char* dest, const char* source) {
  size_t length = std::strlen(source);
  if (length >= static_cast<size_t>(kMaxPath)) length = kMaxPath - 1;
  std::memmove(dest, source, length);
  dest[length] = 0;
}

bool Stat(const char* path, struct stat& info) {
  return path && *path && stat(HostPath(path).c_str(), &info) == 0;
}

}  // namespace

int LastSeparator(const char* path) {
  int last = -1;
  for (int i = 0; path && path[i]; ++i) {
    if (IsDoubleByteChar(path + i)) ++i;
    else if (path[i] == '\\') last = i;
  }
  return last;
}

int ExtensionDot(const char* path) {
  if (!path) return -1;
  const char* dot = std::strrchr(path, '.');
  if (!dot || dot - path < LastSeparator(path)) return -1;
  return static_cast<int>(dot - path);
}

int FileNameOfPath(char* path) {
  int separator = LastSeparator(path);
  if (separator >= 0) std::memmove(path, path + separator + 1, std::strlen(path + separator + 1) + 1);
  return 1;
}

void FileNameOfPath(cString& path) {
  int separator = LastSeparator(path.GetStr());
  if (separator >= 0) path.erase(0, separator + 1);
}

int RemoveFileName(char* path) {
  path[LastSeparator(path) + 1] = 0;
  return 1;
}

void RemoveFileName(cString& path) { path.resize(LastSeparator(path.GetStr()) + 1); }

int ChangeExtension(cString& dest, const char* source, const char* extension) {
  cString result(source ? source : "");
  int dot = ExtensionDot(result.GetStr());
  if (dot < 0) {
    dest = result;
    return 0;
  }
  if (extension) result.replace(dot + 1, cString::npos, extension);
  else result.resize(dot);
  dest = result;
  return 1;
}

int ChangeExtension(char* dest, const char* source, const char* extension) {
  cString result;
  int ok = ChangeExtension(result, source, extension);
  CopyBounded(dest, result.GetStr());
  return ok && result.size() < static_cast<size_t>(kMaxPath) ? 1 : 0;
}

int RemoveExtension(cString& path) {
  int dot = ExtensionDot(path.GetStr());
  if (dot < 0) return 0;
  path.resize(dot);
  return 1;
}

int RemoveExtension(char* path) {
  int dot = ExtensionDot(path);
  if (dot < 0) return 0;
  path[dot] = 0;
  return 1;
}

int GetExtension(cString& dest, const char* path) {
  int dot = ExtensionDot(path);
  if (dot < 0) return 0;
  dest.Set(path + dot + 1);
  return 1;
}

int GetExtension(char* dest, const char* path) {
  int dot = ExtensionDot(path);
  if (dot < 0) return 0;
  CopyBounded(dest, path + dot + 1);
  return 1;
}

int HasExtension(const char* path, const char* extension) {
  cString found;
  return GetExtension(found, path) && found == extension ? 1 : 0;
}

int PathExists(const char* path) {
  struct stat info;
  return Stat(path, info) ? 1 : 0;
}

int FileExists(const char* path) {
  struct stat info;
  return Stat(path, info) && S_ISREG(info.st_mode) ? 1 : 0;
}

int DirectoryExists(const char* path) {
  struct stat info;
  return Stat(path, info) && S_ISDIR(info.st_mode) ? 1 : 0;
}

int MakeDirectory(const char* path) {
  std::string host = HostPath(path);
  while (!host.empty() && (host.back() == '/' || host.back() == '\\')) host.pop_back();
  if (DirectoryExists(host.c_str())) return 1;
#ifdef _WIN32
  return _mkdir(host.c_str()) == 0 ? 1 : 0;
#else
  return mkdir(host.c_str(), 0777) == 0 ? 1 : 0;
#endif
}

int DeletePath(const char* path) { return std::remove(HostPath(path).c_str()) == 0 ? 1 : 0; }

int CopyNewFile(const char* source, const char* target) {
  if (PathExists(target)) return 0;
  FILE* in = std::fopen(HostPath(source).c_str(), "rb");
  if (!in) return 0;
  FILE* out = std::fopen(HostPath(target).c_str(), "wb");
  bool ok = out != nullptr;
  char buffer[65536];
  for (size_t got; ok && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
    ok = std::fwrite(buffer, 1, got, out) == got;
  ok = ok && !std::ferror(in);
  std::fclose(in);
  if (out) ok = std::fclose(out) == 0 && ok;
  if (!ok && out) DeletePath(target);
  return ok ? 1 : 0;
}

int FindFiles(cVector<cString>& files, const char* folder, const char* extension) {
  int found = 0;
  cString entry;
#ifdef _WIN32
  cString pattern;
  pattern.Format("%s\\*.%s", folder, extension);
  _finddata_t data;
  intptr_t search = _findfirst(pattern.GetStr(), &data);
  if (search == -1) return 0;
  do {
    entry.Format("%s\\%s", folder, data.name);
    files.Add(entry);
    found = 1;
  } while (_findnext(search, &data) == 0);
  _findclose(search);
#else
  DIR* dir = opendir(HostPath(folder).c_str());
  if (!dir) return 0;
  while (dirent* item = readdir(dir)) {
    const char* dot = std::strrchr(item->d_name, '.');
    if (!dot || strcasecmp(dot + 1, extension) != 0) continue;
    entry.Format("%s\\%s", folder, item->d_name);
    files.Add(entry);
    found = 1;
  }
  closedir(dir);
#endif
  return found;
}

int FindNewestNumberedFile(cString& result, const cString& path, const char* extension) {
  char found[kMaxPath];
  if (!FindNewestNumberedFile(found, path.GetStr(), extension)) return 0;
  result.Set(found);
  return 1;
}

cString WithoutDotFolder(const cString& path) {
  cString plain = path;
  if (plain.compare(0, 2, ".\\") == 0) plain.erase(0, 2);
  return plain;
}

int MakeRelativePath(cString& path) {
  char buffer[kMaxPath];
  CopyBounded(buffer, path.GetStr());
  int ok = MakeRelativePath(buffer);
  path.Set(buffer);
  return ok;
}

int AssignRelativePath(cString& target, const char* chosenPath) {
  cString path = chosenPath ? chosenPath : "";
  if (path.empty() || !MakeRelativePath(path)) return 0;
  target = path;
  return 1;
}

#ifndef _WIN32
// Off Windows a stored path is absolute when it starts at the root; paths inside the working
// folder become ".\" paths as the Windows shell gives them.
int MakeRelativePath(char* path) {
  std::string host = HostPath(path);
  if (host.empty() || host[0] != '/') return 1;
  char cwd[4096];
  if (!getcwd(cwd, sizeof cwd)) return 0;
  std::string root = std::string(cwd) + "/";
  if (host.compare(0, root.size(), root) != 0) return 0;
  std::string relative = ".\\" + host.substr(root.size());
  for (char& c : relative)
    if (c == '/') c = '\\';
  CopyBounded(path, relative.c_str());
  return 1;
}

int MakeAbsolutePath(char* path) {
  std::string host = HostPath(path);
  if (!host.empty() && host[0] == '/') return 1;
  char cwd[4096];
  if (!getcwd(cwd, sizeof cwd)) return 0;
  if (host.compare(0, 2, "./") == 0) host.erase(0, 2);
  CopyBounded(path, (std::string(cwd) + "/" + host).c_str());
  return 1;
}
#endif

// Relative and absolute paths against the working folder, through the shell's path functions.
#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "app/DataFile.h"
#include "app/PathUtil.h"

int MakeRelativePath(char* path) {
  if (PathIsRelativeA(path)) return 1;
  char folder[kMaxPath];
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return 0;
  char relative[kMaxPath];
  if (!PathRelativePathToA(relative, folder, FILE_ATTRIBUTE_DIRECTORY, path, FILE_ATTRIBUTE_ARCHIVE)) return 0;
  lstrcpynA(path, relative, kMaxPath);
  return 1;
}

int MakeAbsolutePath(char* path) {
  if (!PathIsRelativeA(path)) return 1;
  char folder[kMaxPath];
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return 0;
  char full[kMaxPath];
  DWORD fullLength = GetFullPathNameA(path, sizeof full, full, nullptr);
  if (fullLength == 0 || fullLength >= sizeof full) return 0;
  lstrcpynA(path, full, kMaxPath);
  return 1;
}

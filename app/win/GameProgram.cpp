#include "app/win/GameProgram.h"

#include <cstring>
#include <vector>

#include "app/DataFile.h"
#include "app/GameTag.h"

namespace {
// Resources of the neutral language with the default sublanguage.
constexpr WORD kNeutralLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);

int IsExistingFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int CarriesGameTag(const char* name) {
  // Only the resources are read: loading the file as a program would run its libraries' code.
  HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 0;
  wchar_t* text = LoadStringResource(module, kGameTagId);
  int tagged = text && IsGameTag(reinterpret_cast<const uint16_t*>(text));
  DeleteAndNull(&text);
  FreeLibrary(module);
  return tagged;
}
}  // namespace

int FindGameProgram(char* buffer, int automatic, const char* configuredPath) {
  if (automatic) {
    if (ProbeGameProgram(buffer)) return 1;
  } else {
    lstrcpynA(buffer, configuredPath, kMaxPath);
    if (IsExistingFile(buffer)) return 1;
  }
  buffer[0] = 0;
  return 0;
}

int ProbeGameProgram(char* buffer) {
  cVector<cString> names;
  if (!ListExeFiles(names)) return 0;
  for (const cString& name : names)
    if (CarriesGameTag(name.GetStr())) {
      lstrcpynA(buffer, name.GetStr(), kMaxPath);
      return 1;
    }
  return 0;
}

int ListExeFiles(cVector<cString>& names) {
  char folder[kMaxPath];
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length == 0 || length >= sizeof folder) return 0;
  cString pattern;
  pattern.Format("%s\\*.exe", folder);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(pattern.GetStr(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do names.Add(cString(entry.cFileName));
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return 1;
}

wchar_t* LoadStringResource(HMODULE module, int id) {
  HRSRC found = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(StringBlockOf(id)),
                                kNeutralLanguage);
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  const void* block = loaded ? LockResource(loaded) : nullptr;
  if (!block) return nullptr;
  std::vector<uint16_t> text;
  if (!StringTableEntry(block, SizeofResource(module, found), id % 16, text)) return nullptr;
  wchar_t* copy = new wchar_t[text.size() + 1];
  std::memcpy(copy, text.data(), 2 * text.size());
  copy[text.size()] = 0;
  return copy;
}

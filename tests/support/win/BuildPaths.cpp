#include "tests/support/win/BuildPaths.h"

#include <windows.h>

std::string BuildTreePath(const char* relative) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string folder(module);
  folder.erase(folder.rfind('\\'));
  return folder + "\\..\\" + relative;
}

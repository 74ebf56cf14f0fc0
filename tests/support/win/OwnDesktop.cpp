#include "tests/support/win/OwnDesktop.h"

#include <windows.h>

int UseOwnDesktop() {
  static const int made = [] {
    char name[32];
    wsprintfA(name, "vx_test_%lu", GetCurrentProcessId());
    HDESK desktop = CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop && SetThreadDesktop(desktop) ? 1 : 0;
  }();
  return made;
}

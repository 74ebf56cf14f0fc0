#include "tests/support/win/GuiObjects.h"

#include <windows.h>

namespace {
// Wine's handle tables: GDI handles are slot numbers below 0x10000, USER handles 0x20 + 2 x slot.
constexpr unsigned kGdiSlots = 0x10000;
constexpr unsigned kUserSlots = 0x7FF0;

HANDLE UserHandle(unsigned slot) { return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x20 + 2 * slot)); }

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// A top-level window of this process with every window below it.
BOOL CALLBACK CountOwnTree(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  CountWindow(window, count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

int CountGdiSlots() {
  int count = 0;
  for (unsigned slot = 0; slot < kGdiSlots; ++slot)
    count += GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(slot))) != 0;
  return count;
}

int CountUserSlots() {
  int count = 0;
  for (unsigned slot = 0; slot < kUserSlots; ++slot) {
    count += IsMenu(static_cast<HMENU>(UserHandle(slot))) != 0;
    count += CopyAcceleratorTableA(static_cast<HACCEL>(UserHandle(slot)), nullptr, 0) != 0;
  }
  EnumWindows(CountOwnTree, reinterpret_cast<LPARAM>(&count));
  return count;
}
}  // namespace

std::ostream& operator<<(std::ostream& out, const cGuiObjects& objects) {
  return out << "{GDI " << objects.m_nGdi << ", USER " << objects.m_nUser << "}";
}

cGuiObjects CountGuiObjects() {
  cGuiObjects objects;
  objects.m_nGdi = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  objects.m_nUser = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  if (objects.m_nGdi != 0) return objects;
  objects.m_nGdi = CountGdiSlots();
  objects.m_nUser = CountUserSlots();
  return objects;
}

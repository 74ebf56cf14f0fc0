#pragma once
// How many GDI and USER objects this process holds, to show that opening and closing windows
// leaves none behind.

#include <ostream>

struct cGuiObjects {
  int m_nGdi = 0;
  int m_nUser = 0;
  bool operator==(const cGuiObjects& other) const { return m_nGdi == other.m_nGdi && m_nUser == other.m_nUser; }
};

std::ostream& operator<<(std::ostream& out, const cGuiObjects& objects);

// The system's own counts (GetGuiResources) where it keeps them. Where it answers 0, as Wine does,
// the objects are counted slot by slot: such a system takes a handle without its generation bits
// for whatever object of the kind asked lives in that slot. USER objects are then the process's
// windows, menus and accelerator tables.
cGuiObjects CountGuiObjects();

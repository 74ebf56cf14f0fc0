#include "app/ProgramPalette.h"

#include <cstring>

#include "app/cBmpReader.h"

cProgramPalette g_ProgramPalette;
cColourEntry g_aSecondPalette[kPaletteSize];

namespace {
int FirstEntryOf(const cColourEntry& colour) {
  for (int i = 0; i < kPaletteSize; ++i)
    if (g_ProgramPalette.m_Pal[i].SameColour(colour)) return i;
  return -1;
}
}  // namespace

int ReadBmpPalette(cColourEntry* table, const char* path) {
  cBmpReader reader;
  if (reader.Open(path) != cBmpReader::kOk || reader.ColourCount() == 0) return 0;
  for (int i = 0; i < kPaletteSize; ++i) table[i] = i < reader.ColourCount() ? reader.Colour(i) : cColourEntry();
  return 1;
}

int LoadProgramPalette(const char* path) { return ReadBmpPalette(g_ProgramPalette.m_Pal, path); }

void SetTransparentColour(const cColourEntry& colour) {
  g_ProgramPalette.m_TransparentColour = colour;
  int index = FirstEntryOf(colour);
  if (index >= 0) g_ProgramPalette.m_nTransparentIndex = static_cast<uint8_t>(index);
}

void SetOpaqueMaskColour(const cColourEntry& colour) {
  int index = FirstEntryOf(colour);
  if (index >= 0) g_ProgramPalette.m_nMaskIndex = static_cast<uint8_t>(index);
}

void SetTrueColourKey(const cColourEntry& colour) { g_ProgramPalette.m_TrueColourKey = colour; }

void MakeSurfaceColourTable(cColourEntry* table) {
  std::memcpy(table, g_ProgramPalette.m_Pal, sizeof g_ProgramPalette.m_Pal);
  table[0].m_nBlue = table[0].m_nGreen = table[0].m_nRed = 0;
  table[255].m_nBlue = table[255].m_nGreen = table[255].m_nRed = 255;
}

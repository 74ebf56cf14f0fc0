#pragma once
// The one fixed program palette that every 256-colour canvas draws with, and the colour keys that
// make pixels transparent: a palette colour for 256-colour images, a true colour for 24 and 32 bits.

#include <cstdint>

constexpr int kPaletteSize = 256;

// One colour as a BMP colour table stores it.
struct cColourEntry {
  uint8_t m_nBlue = 0;
  uint8_t m_nGreen = 0;
  uint8_t m_nRed = 0;
  uint8_t m_nReserved = 0;
  bool SameColour(const cColourEntry& other) const {
    return m_nBlue == other.m_nBlue && m_nGreen == other.m_nGreen && m_nRed == other.m_nRed;
  }
};

struct cProgramPalette {
  cColourEntry m_Pal[kPaletteSize];
  cColourEntry m_TransparentColour;
  uint8_t m_nTransparentIndex = 0;
  uint8_t m_nMaskIndex = 0;  // what opaque pixels become in the mask of a 256-colour image
  cColourEntry m_TrueColourKey;
};

extern cProgramPalette g_ProgramPalette;
// The second program palette (bmp\plt\Palette2.bmp), onto which the bitmap conversion maps colours.
extern cColourEntry g_aSecondPalette[kPaletteSize];

// Reads the colour table of a 256-colour BMP into table (256 entries; entries the file does not
// hold become zero); 0 when the file cannot be read or holds no colour table.
int ReadBmpPalette(cColourEntry* table, const char* path);
int LoadProgramPalette(const char* path);
// Keeps the colour; the transparent index becomes the first palette entry of that colour (none: kept).
void SetTransparentColour(const cColourEntry& colour);
// The mask index becomes the first palette entry of that colour (none: kept).
void SetOpaqueMaskColour(const cColourEntry& colour);
// Pixels of 24- and 32-bit images with this blue, green and red are transparent.
void SetTrueColourKey(const cColourEntry& colour);
// The colour table of an 8-bit surface: the program palette with entry 0 black and 255 white.
void MakeSurfaceColourTable(cColourEntry* table);

#include <gtest/gtest.h>

#include "app/ProgramPalette.h"
#include "app/cBmpReader.h"
#include "app/cPixelView.h"
#include "tests/support/BmpFixture.h"

namespace {
// Reads a file held in memory into rows of the given stride (filled with 0xEE first).
Bytes ReadAll(const Bytes& file, int32_t stride, int* result = nullptr) {
  cBmpReader reader;
  int parsed = reader.Parse(file.data(), file.size());
  if (result) *result = parsed;
  if (parsed != cBmpReader::kOk) return {};
  Bytes bits(static_cast<size_t>(stride) * reader.Height(), 0xEE);
  EXPECT_EQ(reader.ReadRows(bits.data(), stride), 1);
  return bits;
}

cPixelView View(Bytes& bits, int32_t width, int32_t height, int32_t stride, int32_t bpp) {
  return cPixelView{bits.data(), width, height, stride, bpp};
}
}  // namespace

TEST(BmpReader, EightBitRowsWithPaddingComeOutTopFirst) {
  cBmpFields fields;
  fields.m_nWidth = 3;  // rows of 3 bytes are padded to 4 in the file
  fields.m_nHeight = 2;
  fields.m_nColoursUsed = 2;
  fields.m_Table = RampTable(2);
  fields.m_Gap = Hex("99 99 99");  // the pixel offset, not the table's end, says where the rows are
  fields.m_Pixels = Hex("04 05 06 00  01 02 03 00");  // bottom row first
  Bytes file = BmpFile(fields);
  cBmpReader reader;
  ASSERT_EQ(reader.Parse(file.data(), file.size()), cBmpReader::kOk);
  EXPECT_EQ(reader.Width(), 3);
  EXPECT_EQ(reader.Height(), 2);
  EXPECT_EQ(reader.ColourCount(), 2);
  EXPECT_EQ(reader.Colour(1).m_nGreen, 254);
  // Rows land at the surface's own stride; its padding is left alone.
  EXPECT_EQ(ToHex(ReadAll(file, 4)), "01 02 03 EE 04 05 06 EE");
}

TEST(BmpReader, TopDownAndThirtyTwoBitFiles) {
  cBmpFields fields;
  fields.m_nWidth = 1;
  fields.m_nHeight = -2;
  fields.m_nBitCount = 24;
  fields.m_Pixels = Hex("01 02 03 00  04 05 06 00");
  EXPECT_EQ(ToHex(ReadAll(BmpFile(fields), 3)), "01 02 03 04 05 06");

  fields.m_nBitCount = 32;
  fields.m_nHeight = 2;
  fields.m_Pixels = Hex("01 02 03 04  05 06 07 08");
  EXPECT_EQ(ToHex(ReadAll(BmpFile(fields), 4)), "05 06 07 08 01 02 03 04");

  // Bit fields naming the plain layout read as the plain layout.
  fields.m_nCompression = 3;
  fields.m_Extra = Cat({U32(0x00FF0000), U32(0x0000FF00), U32(0x000000FF)});
  EXPECT_EQ(ToHex(ReadAll(BmpFile(fields), 4)), "05 06 07 08 01 02 03 04");
}

TEST(BmpReader, RefusesWhatItCannotReadSafely) {
  auto eightBit = [] {
    cBmpFields fields;
    fields.m_nWidth = 2;
    fields.m_nHeight = 2;
    fields.m_Table = RampTable(256);
    fields.m_Pixels = Hex("00 00 00 00  00 00 00 00");
    return fields;
  };
  struct Row {
    const char* m_pName;
    std::function<void(cBmpFields&)> m_Change;
    int m_nResult;
  } rows[] = {
      {"run-length compressed", [](cBmpFields& s) { s.m_nCompression = 1; }, cBmpReader::kUnsupported},
      {"4 bits", [](cBmpFields& s) { s.m_nBitCount = 4; }, cBmpReader::kUnsupported},
      {"16 bits", [](cBmpFields& s) { s.m_nBitCount = 16; }, cBmpReader::kUnsupported},
      {"other bit fields", [](cBmpFields& s) {
         s.m_nBitCount = 32, s.m_nCompression = 3, s.m_Table.clear();
         s.m_Extra = Cat({U32(0xF800), U32(0x07E0), U32(0x001F)});
       }, cBmpReader::kUnsupported},
      {"no width", [](cBmpFields& s) { s.m_nWidth = 0; }, cBmpReader::kDamaged},
      {"negative width", [](cBmpFields& s) { s.m_nWidth = -2; }, cBmpReader::kDamaged},
      {"absurd width", [](cBmpFields& s) { s.m_nWidth = 100000; }, cBmpReader::kDamaged},
      {"absurd height", [](cBmpFields& s) { s.m_nHeight = INT32_MIN; }, cBmpReader::kDamaged},
      {"rows beyond the end", [](cBmpFields& s) { s.m_nHeight = 3; }, cBmpReader::kDamaged},
      {"offset beyond the end", [](cBmpFields& s) { s.m_nOffset = 5000; }, cBmpReader::kDamaged},
      {"offset inside the headers", [](cBmpFields& s) { s.m_nOffset = 20; }, cBmpReader::kDamaged},
      {"too many colours", [](cBmpFields& s) { s.m_nColoursUsed = 257; }, cBmpReader::kDamaged},
      {"colours beyond the end", [](cBmpFields& s) { s.m_Table.resize(100), s.m_Pixels.clear(); }, cBmpReader::kDamaged},
  };
  for (const Row& row : rows) {
    cBmpFields fields = eightBit();
    row.m_Change(fields);
    Bytes file = BmpFile(fields);
    cBmpReader reader;
    EXPECT_EQ(reader.Parse(file.data(), file.size()), row.m_nResult) << row.m_pName;
  }
  Bytes file = BmpFile(eightBit());
  cBmpReader reader;
  EXPECT_EQ(reader.Parse(file.data(), file.size()), cBmpReader::kOk);
  file[0] = 'X';
  EXPECT_EQ(reader.Parse(file.data(), file.size()), cBmpReader::kDamaged) << "not a bitmap";
  Bytes core = Cat({Hex("42 4D"), U32(26), U32(0), U32(26), U32(12), Hex("01 00 01 00 01 00 18 00")});
  EXPECT_EQ(reader.Parse(core.data(), core.size()), cBmpReader::kUnsupported) << "the old core header";
  EXPECT_EQ(reader.Parse(file.data(), 30), cBmpReader::kDamaged) << "cut inside the header";
  // A 41-byte header with bit fields: the masks would reach past it and past the file.
  Bytes shortMasks = Cat({Hex("42 4D 4A 00 00 00 00 00 00 00 42 00 00 00"), U32(41), U32(1), U32(2),
                          Hex("01 00 20 00"), U32(3), Hex("00 00 00 00 00 00 00 00 13 0B 00 FF 04 05 06 07 3B")});
  EXPECT_EQ(reader.Parse(shortMasks.data(), shortMasks.size()), cBmpReader::kDamaged);
}

TEST(BmpReader, FilesAndTheirMessages) {
  cScratchFolder folder;
  cFakeShell shell;
  cBmpFields fields;
  fields.m_nWidth = 2;
  fields.m_nHeight = 1;
  fields.m_nColoursUsed = 3;
  fields.m_Table = RampTable(3);
  fields.m_Pixels = Hex("07 08 00 00");
  WriteFileBytes("pal.bmp", BmpFile(fields));
  cBmpReader reader;
  ASSERT_EQ(reader.Open("pal.bmp"), cBmpReader::kOk);
  Bytes bits(2);
  ASSERT_EQ(reader.ReadRows(bits.data(), 2), 1);
  EXPECT_EQ(ToHex(bits), "07 08");
  cBmpReader missing;
  EXPECT_EQ(missing.Open("none.bmp"), cBmpReader::kCannotOpen);

  ReportBitmapFailure("bmp\\ソ.bmp", cBmpReader::kCannotOpen);
  ReportBitmapFailure("bmp\\a.bmp", cBmpReader::kDamaged);
  ReportBitmapFailure("bmp\\b.bmp", cBmpReader::kUnsupported);
  ASSERT_EQ(shell.m_vBoxes.size(), 3u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText, "bmp\\ソ.bmp が読み込めません！");
  EXPECT_EQ(shell.m_vBoxes[1].m_strText, "bmp\\a.bmp が読み込めません！");
  EXPECT_EQ(shell.m_vBoxes[2].m_strText, "bmp\\b.bmp の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。");
  EXPECT_EQ(shell.m_vBoxes[2].m_strCaption, "エラー");
}

TEST(ProgramPalette, ReadsTheColourTableTheFileHolds) {
  cScratchFolder folder;
  cBmpFields fields;
  fields.m_nWidth = 1;
  fields.m_nHeight = 1;
  fields.m_nColoursUsed = 16;  // a short table: the other entries become zero
  fields.m_Table = RampTable(16);
  fields.m_Pixels = Hex("00 00 00 00");
  WriteFileBytes("short.bmp", BmpFile(fields));
  cColourEntry table[kPaletteSize];
  table[200].m_nRed = 9;
  ASSERT_EQ(ReadBmpPalette(table, "short.bmp"), 1);
  EXPECT_EQ(table[15].m_nBlue, 15);
  EXPECT_EQ(table[15].m_nGreen, 240);
  EXPECT_EQ(table[200].m_nRed, 0);

  fields.m_nBitCount = 24;
  fields.m_nColoursUsed = 0;
  fields.m_Table.clear();
  WriteFileBytes("true.bmp", BmpFile(fields));
  EXPECT_EQ(ReadBmpPalette(table, "true.bmp"), 0) << "a 24-bit file has no palette to read";
  EXPECT_EQ(ReadBmpPalette(table, "missing.bmp"), 0);
}

TEST(ProgramPalette, KeysTakeTheFirstEntryOfTheirColour) {
  cProgramPalette saved = g_ProgramPalette;
  for (int i = 0; i < kPaletteSize; ++i) g_ProgramPalette.m_Pal[i] = cColourEntry{uint8_t(i), 1, 2, 3};
  g_ProgramPalette.m_Pal[40] = g_ProgramPalette.m_Pal[15];
  g_ProgramPalette.m_nTransparentIndex = 77;
  SetTransparentColour(cColourEntry{15, 1, 2, 0});
  EXPECT_EQ(g_ProgramPalette.m_nTransparentIndex, 15);
  SetTransparentColour(cColourEntry{15, 9, 9, 0});
  EXPECT_EQ(g_ProgramPalette.m_nTransparentIndex, 15) << "no entry of that colour: kept";
  EXPECT_EQ(g_ProgramPalette.m_TransparentColour.m_nGreen, 9);
  g_ProgramPalette.m_Pal[60] = g_ProgramPalette.m_Pal[90] = cColourEntry{7, 7, 7, 0};
  SetOpaqueMaskColour(cColourEntry{7, 7, 7, 0});
  EXPECT_EQ(g_ProgramPalette.m_nMaskIndex, 60);
  SetOpaqueMaskColour(cColourEntry{7, 7, 8, 0});
  EXPECT_EQ(g_ProgramPalette.m_nMaskIndex, 60);

  cColourEntry table[kPaletteSize];
  MakeSurfaceColourTable(table);
  EXPECT_EQ(table[0].m_nBlue + table[0].m_nGreen + table[0].m_nRed, 0);
  EXPECT_EQ(table[255].m_nBlue & table[255].m_nGreen & table[255].m_nRed, 255);
  EXPECT_EQ(table[0].m_nReserved, 3) << "reserved bytes come from the palette";
  EXPECT_EQ(table[100].m_nBlue, 100);
  g_ProgramPalette = saved;
}

TEST(PixelView, MirrorsCellsStripsAndBoth) {
  // 5 x 2, one byte a pixel, stride 8: the fifth column does not fill a cell of 2.
  Bytes bits = Hex("01 02 03 04 05 EE EE EE  06 07 08 09 0A EE EE EE");
  struct Row {
    int32_t m_nCellWidth, m_nCellHeight;
    const char* m_pResult;
  } rows[] = {
      {2, 0, "02 01 04 03 05 EE EE EE 07 06 09 08 0A EE EE EE"},
      {0, 2, "06 07 08 09 0A EE EE EE 01 02 03 04 05 EE EE EE"},
      {2, 2, "07 06 09 08 05 EE EE EE 02 01 04 03 0A EE EE EE"},
      {5, 0, "05 04 03 02 01 EE EE EE 0A 09 08 07 06 EE EE EE"},
      {0, 0, "01 02 03 04 05 EE EE EE 06 07 08 09 0A EE EE EE"},
  };
  for (const Row& row : rows) {
    Bytes copy = bits;
    MirrorCells(View(copy, 5, 2, 8, 1), row.m_nCellWidth, row.m_nCellHeight);
    EXPECT_EQ(ToHex(copy), row.m_pResult) << row.m_nCellWidth << " x " << row.m_nCellHeight;
  }
  Bytes wide = Hex("01 02 03  04 05 06  07 08 09  0A 0B 0C");  // 24 bits: whole pixels move
  MirrorCells(View(wide, 4, 1, 12, 3), 2, 0);
  EXPECT_EQ(ToHex(wide), "04 05 06 01 02 03 0A 0B 0C 07 08 09");
}

TEST(PixelView, MasksAndKeyedPixels) {
  cProgramPalette palette;
  palette.m_nTransparentIndex = 0;
  palette.m_nMaskIndex = 15;
  palette.m_TrueColourKey = cColourEntry{0, 177, 0, 99};  // the fourth byte is not compared

  Bytes image = Hex("00 05 00 FF  EE EE EE EE");
  Bytes mask(8, 0x11);
  BuildMask(View(image, 4, 1, 8, 1), View(mask, 4, 1, 8, 1), palette);
  EXPECT_EQ(ToHex(mask), "FF 0F FF 0F 11 11 11 11");
  EXPECT_EQ(ToHex(image), "00 05 00 FF EE EE EE EE") << "an 8-bit image is never changed";

  Bytes truePixels = Hex("00 B1 00 7F  00 B1 01 7F  10 20 30 40");
  Bytes trueMask(12);
  cPixelView view = View(truePixels, 3, 1, 12, 4);
  BuildMask(view, View(trueMask, 3, 1, 12, 4), palette);
  BlackenKeyedPixels(view, palette.m_TrueColourKey);
  EXPECT_EQ(ToHex(trueMask), "FF FF FF 7F 00 00 00 7F 00 00 00 40");
  EXPECT_EQ(ToHex(truePixels), "00 00 00 7F 00 B1 01 7F 10 20 30 40");

  Bytes rgb = Hex("00 B1 00  01 02 03  00 B1 00  EE EE EE");
  BlackenKeyedPixels(View(rgb, 3, 1, 12, 3), palette.m_TrueColourKey);
  EXPECT_EQ(ToHex(rgb), "00 00 00 01 02 03 00 00 00 EE EE EE");
}

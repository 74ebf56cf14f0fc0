#include <gtest/gtest.h>

#include "app/cBmpReader.h"
#include "app/win/cCanvas.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/TestSupport.h"

namespace {
// A palette whose every entry has its own colour, so colour lookups have one answer.
class CanvasTest : public ::testing::Test {
protected:
  CanvasTest() {
    m_Saved = g_ProgramPalette;
    for (int i = 0; i < kPaletteSize; ++i)
      g_ProgramPalette.m_Pal[i] = cColourEntry{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2), 0};
    g_ProgramPalette.m_nTransparentIndex = 0;
    g_ProgramPalette.m_nMaskIndex = 0;
    g_ProgramPalette.m_TrueColourKey = cColourEntry{0, 177, 0, 0};
  }
  ~CanvasTest() override { g_ProgramPalette = m_Saved; }

  cProgramPalette m_Saved;
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
};

std::string Row(const cPixelView& view, int y) {
  return ToHex(Bytes(view.Row(y), view.Row(y) + view.m_nWidth * view.m_nBytesPerPixel));
}

// Three pixels a row: the width is not a multiple of 4, so every row of the file and of the
// surface carries padding.
Bytes EightBitSheet() {
  cBmpFields fields;
  fields.m_nWidth = 3;
  fields.m_nHeight = 2;
  fields.m_Table = Hex("10 20 30 00") ;  // a table of its own: never used for drawing
  fields.m_nColoursUsed = 1;
  fields.m_Pixels = Hex("00 07 00 00  05 00 FF 00");  // bottom row first
  return BmpFile(fields);
}
}  // namespace

TEST_F(CanvasTest, EightBitSheetDrawsWithTheProgramPaletteAndItsMask) {
  WriteFileBytes("sheet.bmp", EightBitSheet());
  cCanvas canvas;
  ASSERT_EQ(canvas.LoadBitmap("sheet.bmp", 8, 1, 0, 0), 1);
  ASSERT_EQ(canvas.Width(), 3);
  ASSERT_EQ(canvas.Height(), 2);
  cPixelView image = canvas.Image();
  EXPECT_EQ(image.m_nStride, 4);
  EXPECT_EQ(Row(image, 0), "05 00 FF");
  EXPECT_EQ(Row(image, 1), "00 07 00");
  cPixelView mask = canvas.MaskImage();
  EXPECT_EQ(Row(mask, 0), "00 FF 00");
  EXPECT_EQ(Row(mask, 1), "FF 00 FF");

  RGBQUAD table[256];
  ASSERT_EQ(GetDIBColorTable(canvas.Dc(), 0, 256, table), 256u);
  EXPECT_EQ(table[0].rgbBlue + table[0].rgbGreen + table[0].rgbRed, 0) << "entry 0 is black";
  EXPECT_EQ(table[255].rgbBlue & table[255].rgbGreen & table[255].rgbRed, 255) << "entry 255 is white";
  EXPECT_EQ(table[7].rgbBlue, 7);
  EXPECT_EQ(table[7].rgbGreen, 248);
  EXPECT_EQ(table[7].rgbRed, 3);
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 0u);
}

TEST_F(CanvasTest, TrueColourKeyBlackensThePixelAndWhitensTheMask) {
  for (int bits : {24, 32}) {
    cBmpFields fields;
    fields.m_nWidth = 3;
    fields.m_nHeight = -1;  // top-down
    fields.m_nBitCount = static_cast<uint16_t>(bits);
    fields.m_Pixels = bits == 24 ? Hex("00 B1 00  01 02 03  00 B1 00  00 00 00")
                               : Hex("00 B1 00 44  01 02 03 55  00 B1 01 66");
    WriteFileBytes("true.bmp", BmpFile(fields));
    cCanvas canvas;
    ASSERT_EQ(canvas.LoadBitmap("true.bmp", 0, 1, 0, 0), 1) << bits;
    if (bits == 24) {
      EXPECT_EQ(Row(canvas.Image(), 0), "00 00 00 01 02 03 00 00 00");
      EXPECT_EQ(Row(canvas.MaskImage(), 0), "FF FF FF 00 00 00 FF FF FF");
    } else {
      EXPECT_EQ(Row(canvas.Image(), 0), "00 00 00 44 01 02 03 55 00 B1 01 66");
      EXPECT_EQ(Row(canvas.MaskImage(), 0), "FF FF FF 44 00 00 00 55 00 00 00 66");
    }
  }
}

TEST_F(CanvasTest, MirrorsEachCellStripInPlace) {
  cBmpFields fields;
  fields.m_nWidth = 4;
  fields.m_nHeight = 2;
  fields.m_Table = RampTable(256);
  fields.m_Pixels = Hex("05 06 07 08  01 02 03 04");
  WriteFileBytes("chara.bmp", BmpFile(fields));
  cCanvas canvas;
  ASSERT_EQ(canvas.LoadBitmap("chara.bmp", 8, 1, 2, 0), 1);
  EXPECT_EQ(Row(canvas.Image(), 0), "02 01 04 03");
  EXPECT_EQ(Row(canvas.Image(), 1), "06 05 08 07");
  EXPECT_EQ(Row(canvas.MaskImage(), 0), "00 00 00 00") << "the mask is built from the mirrored picture";
  ASSERT_EQ(canvas.LoadBitmap("chara.bmp", 8, 0, 2, 2), 1);
  EXPECT_EQ(Row(canvas.Image(), 0), "06 05 08 07");
  EXPECT_EQ(canvas.HasMask(), 0);
}

TEST_F(CanvasTest, MaskedBlitsLeaveTheDestinationUnderTransparentPixels) {
  WriteFileBytes("sheet.bmp", EightBitSheet());
  cCanvas sheet;
  ASSERT_EQ(sheet.LoadBitmap("sheet.bmp", 8, 1, 0, 0), 1);
  cCanvas target;
  ASSERT_EQ(target.Create(4, 2, 8, 0), 1);
  std::memset(target.Image().m_pBits, 0x30, 8);
  EXPECT_NE(target.Blit(1, 0, 3, 2, sheet, 0, 0, 0), 0);
  EXPECT_EQ(Row(target.Image(), 0), "30 05 30 FF");
  EXPECT_EQ(Row(target.Image(), 1), "30 30 07 30");
  target.Blit(0, 0, 3, 1, sheet, 0, 0, 1);
  EXPECT_EQ(Row(target.Image(), 0), "05 00 FF FF") << "without the mask, a plain copy";

  cBmpFields fields;
  fields.m_nWidth = 2;
  fields.m_nHeight = 1;
  fields.m_nBitCount = 24;
  fields.m_Pixels = Hex("00 B1 00  11 22 33  00 00");
  WriteFileBytes("true.bmp", BmpFile(fields));
  cCanvas truth;
  ASSERT_EQ(truth.LoadBitmap("true.bmp", 0, 1, 0, 0), 1);
  cCanvas back;
  ASSERT_EQ(back.Create(2, 1, 24, 0), 1);
  std::memcpy(back.Image().m_pBits, Hex("09 09 09 09 09 09").data(), 6);
  back.Blit(0, 0, 2, 1, truth, 0, 0, 0);
  EXPECT_EQ(Row(back.Image(), 0), "09 09 09 11 22 33");
  back.Blit(0, 0, 2, 1, truth, 0, 0, 1);
  EXPECT_EQ(Row(back.Image(), 0), "00 00 00 11 22 33");

  cCanvas twice;
  ASSERT_EQ(twice.Create(4, 2, 24, 0), 1);
  twice.StretchBlit(0, 0, 4, 2, truth, 0, 0, 2, 1, 1);
  EXPECT_EQ(Row(twice.Image(), 1), "00 00 00 00 00 00 11 22 33 11 22 33");
}

TEST_F(CanvasTest, EmptyCanvasesAreWhiteAndFillsUseThePaletteColour) {
  cBitmapLoadRecord record;
  lstrcpyA(record.m_szPath, "E");
  record.m_nBits = 8;
  record.m_bMask = 1;
  record.m_nWidth = 256;
  record.m_nHeight = 480;
  cCanvas canvas;
  ASSERT_EQ(canvas.LoadBitmap(record), 1);
  EXPECT_EQ(canvas.Width(), 256);
  EXPECT_EQ(canvas.Height(), 480);
  EXPECT_EQ(canvas.HasMask(), 1);
  cPixelView image = canvas.Image();
  int white = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 256; ++x) white += image.At(x, y)[0] == 255;
  EXPECT_EQ(white, 256 * 480);

  canvas.FillRgb(g_ProgramPalette.m_Pal[40]);
  EXPECT_EQ(image.At(0, 0)[0], 40);
  EXPECT_EQ(image.At(255, 479)[0], 40);
  canvas.Fill(RGB(0, 0, 0));
  EXPECT_EQ(image.At(100, 100)[0], 0);
}

TEST_F(CanvasTest, LinesRectanglesAndGrid) {
  cCanvas canvas;
  ASSERT_EQ(canvas.Create(70, 70, 24, 0), 1);
  canvas.Fill(RGB(0, 0, 0));
  canvas.DrawGrid(2, 3, 64, 64, 32, 32, RGB(255, 255, 255));
  cPixelView image = canvas.Image();
  auto lit = [&](int x, int y) { return image.At(x, y)[0] == 255; };
  std::vector<int> columns, rows;
  for (int x = 0; x < 70; ++x)
    if (lit(x, 40)) columns.push_back(x);
  for (int y = 0; y < 70; ++y)
    if (lit(40, y)) rows.push_back(y);
  EXPECT_EQ(columns, (std::vector<int>{2, 34, 65, 66}));
  EXPECT_EQ(rows, (std::vector<int>{3, 35, 66, 67}));

  canvas.Fill(RGB(0, 0, 0));
  ASSERT_EQ(canvas.SelectPen(PS_SOLID, 1, RGB(255, 255, 255)), 1);
  canvas.Line(10, 10, 20, 10);
  EXPECT_TRUE(lit(10, 10));
  EXPECT_TRUE(lit(19, 10));
  EXPECT_FALSE(lit(20, 10)) << "the end point is not drawn";
  canvas.Rectangle(30, 30, 5, 4);
  EXPECT_TRUE(lit(35, 30));
  EXPECT_TRUE(lit(35, 34));
  EXPECT_TRUE(lit(30, 34));
  EXPECT_FALSE(lit(32, 32));
  EXPECT_NE(canvas.ReleasePen(), 0);
  EXPECT_EQ(canvas.ReleasePen(), 0) << "no pen held";
}

TEST_F(CanvasTest, TextLinesAreTwentyPixelsApart) {
  cCanvas canvas;
  ASSERT_EQ(canvas.Create(64, 64, 24, 0), 1);
  canvas.Fill(RGB(0, 0, 0));
  ASSERT_EQ(canvas.CreateFont("ＭＳ ゴシック", 6, 12), 1);
  canvas.DrawText(4, 2, "H\nH", RGB(255, 255, 255), TRANSPARENT);
  cPixelView image = canvas.Image();
  std::vector<int> starts;  // the first lit row of each run of lit rows
  bool previous = false;
  for (int y = 0; y < 64; ++y) {
    bool any = false;
    for (int x = 0; x < 64; ++x) any = any || image.At(x, y)[1] > 128;
    if (any && !previous) starts.push_back(y);
    previous = any;
  }
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[1] - starts[0], 20);
}

TEST_F(CanvasTest, ReloadingReleasesTheOldSurfaceAndFailuresKeepTheCanvas) {
  WriteFileBytes("sheet.bmp", EightBitSheet());
  cCanvas canvas;
  ASSERT_EQ(canvas.LoadBitmap("sheet.bmp", 8, 1, 0, 0), 1);
  HGDIOBJ oldBitmap = GetCurrentObject(canvas.Dc(), OBJ_BITMAP);
  ASSERT_EQ(canvas.LoadBitmap("sheet.bmp", 8, 1, 0, 0), 1);
  EXPECT_EQ(GetObjectType(oldBitmap), 0u) << "the first bitmap is gone";

  HDC kept = canvas.Dc();
  EXPECT_EQ(canvas.LoadBitmap("missing.bmp", 8, 1, 0, 0), 0);
  cBmpFields fields;
  fields.m_nWidth = 2;
  fields.m_nHeight = 1;
  fields.m_nBitCount = 8;
  fields.m_nCompression = 1;
  fields.m_Table = RampTable(256);
  fields.m_Pixels = Hex("02 07 00 01");
  WriteFileBytes("rle.bmp", BmpFile(fields));
  EXPECT_EQ(canvas.LoadBitmap("rle.bmp", 8, 1, 0, 0), 0);
  EXPECT_EQ(canvas.Dc(), kept) << "a failed load leaves the canvas as it was";
  EXPECT_EQ(canvas.Width(), 3);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "missing.bmp が読み込めません！");
  EXPECT_EQ(m_Shell.m_vBoxes[1].m_strText,
            "rle.bmp の読み込みに失敗しました！\n256色と24bit色以外の形式には対応していません。");

  cVector<cCanvas> sheets;
  sheets.Reset(2);
  ASSERT_EQ(sheets[1].LoadBitmap("sheet.bmp", 8, 1, 0, 0), 1);
  sheets.resize(40);  // canvases move with their handles
  EXPECT_EQ(Row(sheets[1].Image(), 0), "05 00 FF");
  canvas.Release();
  EXPECT_EQ(canvas.Dc(), nullptr);
}

namespace {
// The factory project the build wrote.
std::string FactoryPath(const char* path) { return BuildTreePath((std::string("project\\") + path).c_str()); }
}  // namespace

TEST_F(CanvasTest, FactorySheetsLoadAsTheProjectLoadsThem) {
  ASSERT_EQ(LoadProgramPalette(FactoryPath("bmp\\plt\\Palette.bmp").c_str()), 1);
  SetTransparentColour(g_ProgramPalette.m_Pal[0]);
  SetOpaqueMaskColour(g_ProgramPalette.m_Pal[15]);
  EXPECT_EQ(g_ProgramPalette.m_nTransparentIndex, 0);
  EXPECT_EQ(g_ProgramPalette.m_nMaskIndex, 0) << "opaque pixels clear the destination in a masked blit";
  cColourEntry second[kPaletteSize];
  EXPECT_EQ(ReadBmpPalette(second, FactoryPath("bmp\\plt\\Palette2.bmp").c_str()), 1);
  struct Row {
    const char* m_pPath;
    int32_t m_nMirror;
  } rows[] = {
      {"bmp\\Block.bmp", 0},        {"bmp\\Character1.bmp", 32}, {"bmp\\Character8.bmp", 32},
      {"bmp\\Item.bmp", 0},         {"bmp\\Item_Mini.bmp", 0},   {"bmp\\Shot.bmp", 16},
      {"bmp\\Mark.bmp", 0},         {"bmp\\WorldMapChip.bmp", 0}, {"bmp\\WorldEvent.bmp", 0},
      {"bmp\\Symbol.bmp", 0},       {"bmp\\Accessory.bmp", 0},
  };
  for (const Row& row : rows) {
    cCanvas sheet;
    EXPECT_EQ(sheet.LoadBitmap(FactoryPath(row.m_pPath).c_str(), 8, 1, row.m_nMirror, 0), 1) << row.m_pPath;
  }
  // A character faces left in its sheet and right in the mirrored canvas.
  cCanvas plain, mirrored;
  ASSERT_EQ(plain.LoadBitmap(FactoryPath("bmp\\Character1.bmp").c_str(), 8, 1, 0, 0), 1);
  ASSERT_EQ(mirrored.LoadBitmap(FactoryPath("bmp\\Character1.bmp").c_str(), 8, 1, 32, 0), 1);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(plain.Image().At(x, y)[0], mirrored.Image().At(31 - x, y)[0]);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

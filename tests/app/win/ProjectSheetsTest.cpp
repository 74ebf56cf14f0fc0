#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "app/ProgramPalette.h"
#include "app/win/ProjectSheets.h"
#include "project/cSystemSettings.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/TestSupport.h"

namespace fs = std::filesystem;

namespace {
// The factory pictures in a scratch working folder, as a project holds them.
class ProjectSheetsTest : public ::testing::Test {
protected:
  ProjectSheetsTest() : m_SavedPalette(g_ProgramPalette) {
    fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  }
  ~ProjectSheetsTest() override {
    g_ProgramPalette = m_SavedPalette;
    for (cCanvas& canvas : g_aSheetCanvas) canvas.Destroy();
    g_vCharaExcCanvas.clear();
    g_SystemSettings.m_byTransR = g_SystemSettings.m_byTransG = g_SystemSettings.m_byTransB = 0;
  }
  void LoadSheets() {
    ASSERT_EQ(LoadProgramPalettes(), 1);
    ASSERT_EQ(LoadSheetCanvases(cString(), cString()), 1);
  }
  std::string LastBox() const { return m_Shell.m_vBoxes.empty() ? "" : m_Shell.m_vBoxes.back().m_strText; }

  cProgramPalette m_SavedPalette;
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
};

// The pixel indices of a rectangle, row by row; mirrored turns each row around.
Bytes Region(const cCanvas& canvas, int x, int y, int width, int height, bool mirrored = false) {
  Bytes bytes;
  cPixelView image = canvas.Image();
  for (int row = y; row < y + height; ++row)
    for (int column = 0; column < width; ++column)
      bytes.push_back(image.At(x + (mirrored ? width - 1 - column : column), row)[0]);
  return bytes;
}

// One row of pixels 0, 1, ..., 191: every mirroring shows in it.
Bytes RampSheet() {
  cBmpFields fields;
  fields.m_nWidth = 192;
  fields.m_nHeight = 1;
  fields.m_Table = RampTable(256);
  for (int x = 0; x < 192; ++x) fields.m_Pixels.push_back(static_cast<unsigned char>(x));
  return BmpFile(fields);
}

Bytes Ramp(int from, int to) {
  Bytes bytes;
  for (int x = from; x != to; x += from < to ? 1 : -1) bytes.push_back(static_cast<unsigned char>(x));
  return bytes;
}

bool Empty(const cCanvas& canvas) { return canvas.Width() == 0 && canvas.Dc() == nullptr; }
}  // namespace

TEST_F(ProjectSheetsTest, PalettesGiveTheColourKeysAndTheSecondTable) {
  g_SystemSettings.m_byTransR = 10;
  g_SystemSettings.m_byTransG = 20;
  g_SystemSettings.m_byTransB = 30;
  ASSERT_EQ(LoadProgramPalettes(), 1);
  const cColourEntry& key = g_ProgramPalette.m_TrueColourKey;
  EXPECT_EQ(key.m_nRed, 10) << "the page's red keys the pixels' red";
  EXPECT_EQ(key.m_nGreen, 20);
  EXPECT_EQ(key.m_nBlue, 30);
  EXPECT_EQ(g_ProgramPalette.m_nTransparentIndex, 0);
  cColourEntry second[kPaletteSize];
  ASSERT_EQ(ReadBmpPalette(second, "bmp\\plt\\Palette2.bmp"), 1);
  EXPECT_EQ(std::memcmp(second, g_aSecondPalette, sizeof second), 0);

  for (const char* palette : {"bmp\\plt\\Palette2.bmp", "bmp\\plt\\Palette.bmp"}) {
    fs::remove(palette);
    EXPECT_EQ(LoadProgramPalettes(), 0);
    EXPECT_EQ(LastBox(), std::string("パレットの生成に失敗！\n") + palette + " が見つかりません！");
  }
}

TEST_F(ProjectSheetsTest, SheetsLoadAndBackgroundsWithoutAPictureStayEmpty) {
  LoadSheets();
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_TRUE(Empty(g_aSheetCanvas[kSheetBack]));
  EXPECT_TRUE(Empty(g_aSheetCanvas[kSheetWorldBack]));
  EXPECT_EQ(g_aSheetCanvas[kSheetBlock].Width(), 256);
  EXPECT_EQ(g_aSheetCanvas[kSheetShot].HasMask(), 1);
  // Each mirrored character sheet turns every 32-pixel cell around, each mirrored shot sheet every 16.
  for (int sheet : {int{kSheetChara}, kSheetChara + 14})
    EXPECT_EQ(Region(g_aSheetCanvas[sheet + 1], 32, 0, 32, 64), Region(g_aSheetCanvas[sheet], 32, 0, 32, 64, true));
  EXPECT_EQ(Region(g_aSheetCanvas[kSheetShot + 1], 16, 0, 16, 64),
            Region(g_aSheetCanvas[kSheetShot], 16, 0, 16, 64, true));
  for (int sheet = kSheetOverviewBlock; sheet <= kSheetOverviewMark; ++sheet) {
    EXPECT_EQ(g_aSheetCanvas[sheet].Width(), 256);
    EXPECT_EQ(g_aSheetCanvas[sheet].Height(), 480);
    EXPECT_EQ(g_aSheetCanvas[sheet].BitCount(), 8);
  }
}

TEST_F(ProjectSheetsTest, BackgroundsComeFromTheDocumentsAndMayFailAlone) {
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases(cString("bmp\\Mark.bmp"), cString("bmp\\back\\Gone.bmp")), 1);
  EXPECT_EQ(g_aSheetCanvas[kSheetBack].Width(), g_aSheetCanvas[kSheetMark].Width());
  EXPECT_TRUE(Empty(g_aSheetCanvas[kSheetWorldBack]));
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 1u) << "only the canvas's own message";

  fs::remove("bmp\\Item.bmp");
  EXPECT_EQ(LoadSheetCanvases(cString(), cString()), 0);
  EXPECT_EQ(LastBox(), "bmp\\Item.bmp が読み込めません！");
}

TEST_F(ProjectSheetsTest, OverviewSheetsGatherTheFirstCellsOfTheSheets) {
  LoadSheets();
  ComposeOverviewSheets();
  const cCanvas* sheets = g_aSheetCanvas;
  EXPECT_EQ(Region(sheets[kSheetOverviewBlock], 0, 0, 256, 480), Region(sheets[kSheetBlock], 0, 0, 256, 480));
  for (int j = 0; j < 8; ++j) {
    EXPECT_EQ(Region(sheets[kSheetOverviewChara], 32 * j, 0, 32, 480), Region(sheets[kSheetChara + 2 * j], 0, 0, 32, 480))
        << j;
    EXPECT_EQ(Region(sheets[kSheetOverviewItem], 32 * j, 0, 32, 480), Region(sheets[kSheetItem], 64 * j, 0, 32, 480))
        << j;
  }
  // Shot k of column j sits centred in its 32-pixel cell, fifteen to a column.
  struct cShot {
    int j, k;
  };
  for (cShot shot : {cShot{0, 0}, cShot{1, 17}, cShot{3, 29}})
    EXPECT_EQ(Region(sheets[kSheetOverviewShot], (shot.k / 15) * 32 + 64 * shot.j + 8, (shot.k % 15) * 32 + 8, 16, 16),
              Region(sheets[kSheetShot], 32 * shot.j, 16 * shot.k, 16, 16))
        << shot.j << " " << shot.k;
  EXPECT_EQ(Region(sheets[kSheetOverviewShot], 0, 0, 8, 8), Bytes(64, 0)) << "black around the shots";
  EXPECT_EQ(Region(sheets[kSheetOverviewMark], 0, 0, 256, 480), Region(sheets[kSheetMark], 0, 0, 256, 480));
}

TEST_F(ProjectSheetsTest, CharacterBitmapsGetAPlainAndAMirroredCanvasEach) {
  ASSERT_EQ(LoadProgramPalettes(), 1);
  cVector<cCharaExcData> table(4);
  table[0].m_strPath.Set("bmp\\Character1.bmp");  // entry 0 stands for none
  table[1].m_strPath.Set("bmp\\Character1.bmp");
  fs::create_directory("bmp\\chara_sp");
  WriteFileBytes("bmp\\chara_sp\\Ramp.bmp", RampSheet());
  table[3].m_strPath.Set("bmp\\chara_sp\\Ramp.bmp");
  table[3].m_bGiant = 1;
  table[3].m_nGiantSize = 3;
  ASSERT_EQ(RebuildCharaBitmaps(g_vCharaExcCanvas, table), 1);
  ASSERT_EQ(g_vCharaExcCanvas.Count(), 8);
  for (int empty : {0, 1, 4, 5}) EXPECT_TRUE(Empty(g_vCharaExcCanvas[empty])) << empty;
  EXPECT_EQ(Region(g_vCharaExcCanvas[3], 32, 0, 32, 64), Region(g_vCharaExcCanvas[2], 32, 0, 32, 64, true));
  EXPECT_EQ(Region(g_vCharaExcCanvas[6], 0, 0, 192, 1), Ramp(0, 192));
  EXPECT_EQ(Region(g_vCharaExcCanvas[7], 0, 0, 192, 1), Cat({Ramp(95, -1), Ramp(191, 95)}))
      << "a giant of size 3 has cells 96 pixels wide";
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  // The factory's giant bitmap with a damaged giant size of 0: its cells are cut as size 2.
  table[2].m_strPath.Set("bmp\\chara_sp\\Giant.bmp");
  table[2].m_bGiant = 1;
  table[2].m_nGiantSize = 0;
  ASSERT_EQ(RebuildCharaBitmaps(g_vCharaExcCanvas, table), 1);
  EXPECT_EQ(Region(g_vCharaExcCanvas[5], 64, 10, 64, 50), Region(g_vCharaExcCanvas[4], 64, 10, 64, 50, true));
  EXPECT_NE(Region(g_vCharaExcCanvas[5], 64, 10, 64, 50), Region(g_vCharaExcCanvas[4], 64, 10, 64, 50));

  table[1].m_strPath.Set("bmp\\chara_sp\\Gone.bmp");
  EXPECT_EQ(RebuildCharaBitmaps(g_vCharaExcCanvas, table), 0);
  EXPECT_EQ(LastBox(), "bmp\\chara_sp\\Gone.bmp の読み込みに失敗！");
}

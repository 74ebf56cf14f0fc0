#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/cBmpReader.h"
#include "app/cPixelView.h"
#include "database/CharaBitmaps.h"
#include "tests/support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// The pictures in memory, read and mirrored as the canvases do; every load is recorded.
class cMemoryBitmaps : public cCharaBitmapTarget {
public:
  struct cPicture {
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    std::vector<uint8_t> m_Pixels;
  };
  void Reset(int count) override {
    m_vPictures.assign(static_cast<size_t>(count), cPicture());
    m_vLoads.clear();
  }
  int Load(int picture, const char* path, int32_t mirrorWidth) override {
    m_vLoads.push_back(std::to_string(picture) + " " + path + " " + std::to_string(mirrorWidth));
    cBmpReader reader;
    int result = reader.Open(path);
    if (result != cBmpReader::kOk) {
      ReportBitmapFailure(path, result);
      return 0;
    }
    cPicture& target = m_vPictures.at(static_cast<size_t>(picture));
    target.m_nWidth = reader.Width();
    target.m_nHeight = reader.Height();
    target.m_Pixels.resize(static_cast<size_t>(target.m_nWidth) * target.m_nHeight);
    cPixelView view{target.m_Pixels.data(), target.m_nWidth, target.m_nHeight, target.m_nWidth, 1};
    if (reader.BitCount() != 8 || !reader.ReadRows(view.m_pBits, view.m_nStride)) return 0;
    MirrorCells(view, mirrorWidth, 0);
    return 1;
  }
  // One row of a picture from x, width pixels, turned around when mirrored.
  std::vector<uint8_t> Row(int picture, int32_t x, int32_t y, int32_t width, bool mirrored = false) const {
    const cPicture& source = m_vPictures.at(static_cast<size_t>(picture));
    std::vector<uint8_t> row;
    for (int32_t i = 0; i < width; ++i)
      row.push_back(source.m_Pixels.at(static_cast<size_t>(y) * source.m_nWidth + x + (mirrored ? width - 1 - i : i)));
    return row;
  }

  std::vector<cPicture> m_vPictures;
  std::vector<std::string> m_vLoads;
};

cCharaExcData Entry(const char* path, int32_t giant, int32_t size) {
  cCharaExcData entry;
  entry.m_strPath = path;
  entry.m_bGiant = giant;
  entry.m_nGiantSize = size;
  return entry;
}

class CharaBitmapsTest : public ::testing::Test {
protected:
  CharaBitmapsTest() { fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive); }
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cMemoryBitmaps m_Set;
};

}  // namespace

TEST(CharaBitmapCells, GiantSizeIsClampedBeforeTheSheetIsCut) {
  struct cRow {
    int32_t m_bGiant, m_nSize, m_nCell;
    int32_t m_nX, m_nY, m_nSide;
  };
  const cRow rows[] = {
      {0, 2, 17, 32, 32, 32},     // 16 cells to a row
      {0, 99, 17, 32, 32, 32},    // the size of an ordinary entry is not used
      {1, 2, 9, 64, 64, 64},      // 8 cells to a row
      {1, 5, 4, 160, 160, 160},   // 3 cells to a row
      {1, 0, 8, 0, 64, 64},       // a stored size of 0 cuts as 2
      {1, -4, 9, 64, 64, 64},
      {1, 99, 3, 0, 960, 320},    // as 10: one cell to a row
      {0, 2, -5, 0, 0, 32},       // a negative cell is cell 0
  };
  for (const cRow& row : rows) {
    cCharaCellRect rect = CharaBitmapCell(Entry("a.bmp", row.m_bGiant, row.m_nSize), row.m_nCell);
    EXPECT_EQ(rect.m_nX, row.m_nX) << row.m_nSize << " " << row.m_nCell;
    EXPECT_EQ(rect.m_nY, row.m_nY) << row.m_nSize << " " << row.m_nCell;
    EXPECT_EQ(rect.m_nSide, row.m_nSide) << row.m_nSize << " " << row.m_nCell;
  }
}

TEST(CharaBitmapCells, FaceRightPicksTheMirroredPicture) {
  struct cRow {
    int m_nEntry, m_nFaceRight, m_nPicture;
  };
  for (cRow row : {cRow{1, 0, 2}, cRow{1, 1, 3}, cRow{3, 2, 7}, cRow{3, 127, 7}, cRow{2, -1, 5}})
    EXPECT_EQ(CharaBitmapPicture(row.m_nEntry, row.m_nFaceRight), row.m_nPicture) << row.m_nFaceRight;
}

TEST_F(CharaBitmapsTest, EveryEntryWithABitmapGetsItsPlainAndMirroredPicture) {
  cVector<cCharaExcData> table = {Entry("bmp\\chara_sp\\Hero.bmp", 0, 2), Entry("bmp\\chara_sp\\Hero.bmp", 0, 2),
                                  Entry("", 1, 3), Entry("bmp\\chara_sp\\Giant.bmp", 1, 2),
                                  Entry("bmp\\chara_sp\\Giant.bmp", 1, 0)};
  ASSERT_EQ(RebuildCharaBitmaps(m_Set, table), 1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  ASSERT_EQ(m_Set.m_vPictures.size(), 10u);
  EXPECT_EQ(m_Set.m_vLoads, (std::vector<std::string>{
                                "2 bmp\\chara_sp\\Hero.bmp 0", "3 bmp\\chara_sp\\Hero.bmp 32",
                                "6 bmp\\chara_sp\\Giant.bmp 0", "7 bmp\\chara_sp\\Giant.bmp 64",
                                "8 bmp\\chara_sp\\Giant.bmp 0", "9 bmp\\chara_sp\\Giant.bmp 64"}))
      << "entry 0 and an entry without a path are never loaded; a stored giant size of 0 mirrors as 2";
  for (int empty : {0, 1, 4, 5}) EXPECT_EQ(m_Set.m_vPictures[empty].m_nWidth, 0) << empty;
  // The factory pictures: each column of cells turned around, 32 pixels wide, 64 for the giant.
  for (int32_t y : {10, 40, 300}) {
    EXPECT_EQ(m_Set.Row(3, 32, y, 32), m_Set.Row(2, 32, y, 32, true)) << y;
    EXPECT_EQ(m_Set.Row(7, 64, y, 64), m_Set.Row(6, 64, y, 64, true)) << y;
    EXPECT_NE(m_Set.Row(7, 64, y, 64), m_Set.Row(6, 64, y, 64)) << "the picture is not symmetric";
  }
}

TEST_F(CharaBitmapsTest, GiantOfSize5HasColumns160PixelsWide) {
  cVector<cCharaExcData> entries = {cCharaExcData(), Entry("bmp\\chara_sp\\Hero.bmp", 1, 5)};
  ASSERT_EQ(RebuildCharaBitmaps(m_Set, entries), 1);
  EXPECT_EQ(m_Set.m_vLoads.back(), "3 bmp\\chara_sp\\Hero.bmp 160");
  EXPECT_EQ(m_Set.Row(3, 160, 20, 160), m_Set.Row(2, 160, 20, 160, true));
  EXPECT_EQ(m_Set.Row(3, 480, 20, 32), m_Set.Row(2, 480, 20, 32)) << "the last 32 pixels are no whole cell";
}

TEST_F(CharaBitmapsTest, AFailedBitmapIsNamedTwiceAndStopsTheRebuild) {
  cVector<cCharaExcData> table = {cCharaExcData(), Entry("bmp\\chara_sp\\Hero.bmp", 0, 2),
                                  Entry("bmp\\chara_sp\\Gone.bmp", 0, 2), Entry("bmp\\chara_sp\\Giant.bmp", 1, 2)};
  EXPECT_EQ(RebuildCharaBitmaps(m_Set, table), 0);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "bmp\\chara_sp\\Gone.bmp が読み込めません！");
  EXPECT_EQ(m_Shell.m_vBoxes[1].m_strText, "bmp\\chara_sp\\Gone.bmp の読み込みに失敗！");
  EXPECT_EQ(m_Shell.m_vBoxes[1].m_strCaption, "エラー");
  EXPECT_EQ(m_Set.m_vPictures[3].m_nWidth, 512) << "the entries before it keep their pictures";
  EXPECT_EQ(m_Set.m_vPictures[6].m_nWidth, 0) << "the entries after it stay empty";
}

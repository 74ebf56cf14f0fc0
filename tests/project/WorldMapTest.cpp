#include <gtest/gtest.h>

#include <filesystem>

#include "app/cApplication.h"
#include "project/cWorldMapDoc.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TestSupport.h"

namespace {

const char* kWorldMapPath = "data\\WorldMap.dat";

Bytes DefaultPage() { return Body({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}, {"", ""}); }

// A 1 x 1 map holding one event with the given page body, as a file of the given version.
Bytes OnePageFile(uint32_t version, const Bytes& page) {
  return Cat({U32(version), Body({1, 1, 1, 0, 0, 0, 16, 0}, {"w", ""}), U32(0), U32(1), I32s({0}), U32(1),
              Body({0, 0}, {"e"}), U32(1), page, U32(0)});
}

cWorldEvent WorldEvent(std::initializer_list<std::pair<int32_t, int32_t>> typeAndNumber) {
  cWorldEvent event;
  event.m_vPage.clear();
  for (auto [type, number] : typeAndNumber) {
    cWorldEventPage page;
    page.m_nType = type;
    page.m_nWorldNo = number;
    event.m_vPage.push_back(page);
  }
  return event;
}

class WorldMapFile : public ::testing::Test {
protected:
  void SetUp() override { std::filesystem::create_directory("data"); }
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cVersionReadGuard m_Guard;
};

}  // namespace

TEST_F(WorldMapFile, DefaultFileBytes) {
  cWorldMapDoc doc;
  EXPECT_EQ(doc.m_vMap.size(), 480u);
  ASSERT_EQ(doc.SaveFile(kWorldMapPath), 1);
  Bytes expected = Cat({U32(771), Body({20, 15, 32, 5, 9, 7, 16, 0}, {"ワールド", ""}), U32(10)});
  for (int i = 0; i < 10; ++i)
    expected = Cat({expected, Body({0, i < 5 ? 1 : 0, i}, {"", i < 5 ? "通行不可" : "通行可"})});
  expected = Cat({expected, U32(480), Bytes(480 * 4, 0), U32(0), U32(1), Body({0, 0}, {"デフォルト"}), U32(1),
                  DefaultPage()});
  EXPECT_EQ(ToHex(ReadFileBytes(kWorldMapPath)), ToHex(expected));
}

TEST_F(WorldMapFile, SaveLoadSaveIsByteIdentical) {
  cWorldMapDoc doc;
  ASSERT_EQ(doc.SetSize(33, 20), 1);
  doc.ChipAt(32, 19) = 7;
  doc.ChipAt(0, 1) = 3;
  doc.m_strBackImage = "bmp\\背景.bmp";
  doc.m_bUseBackImage = 1;
  cWorldEvent event = WorldEvent({{0, 5}, {1, 0}});
  event.m_vPage[0].m_nVariationVar = 12;
  event.m_vPage[1].m_strStartStage = "data\\stg4\\a.stg4_771";
  doc.PlaceEvent(event, 4, 6);
  doc.m_vTemplate.push_back(WorldEvent({{2, 0}}));
  ASSERT_EQ(doc.SaveFile(kWorldMapPath), 1);
  Bytes first = ReadFileBytes(kWorldMapPath);
  cWorldMapDoc again;
  ASSERT_EQ(again.LoadFile(kWorldMapPath), 1);
  EXPECT_EQ(again.m_nPitch, 64);
  EXPECT_EQ(again.ChipAt(32, 19), 7);
  ASSERT_EQ(again.m_vEvent.size(), 1u);
  EXPECT_EQ(again.m_vEvent[0].m_vPage[0].m_nVariationVar, 12);
  ASSERT_EQ(again.SaveFile(kWorldMapPath), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kWorldMapPath)), ToHex(first));
}

TEST_F(WorldMapFile, PagesOfEveryVersionLoad) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Page;
    int32_t m_nTotalScore, m_bVariation, m_nVariationVar, m_nVariationValue;
  };
  const cRow rows[] = {
      {208, Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7}, {"n", "s"}), 0, 0, 1, 0},
      {209, Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7, 900}, {"n", "s"}), 900, 0, 1, 0},
      {757, Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7, 900}, {"n", "s"}), 900, 0, 1, 0},
      {758, Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7, 900, 1, 30, 40}, {"n", "s"}), 900, 1, 30, 40},
      {771, Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7, 900, 1, 30, 40}, {"n", "s"}), 900, 1, 30, 40},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    WriteFileBytes(kWorldMapPath, OnePageFile(row.m_nVersion, row.m_Page));
    cWorldMapDoc doc;
    ASSERT_EQ(doc.LoadFile(kWorldMapPath), 1);
    ASSERT_EQ(doc.m_vEvent.size(), 1u);
    ASSERT_EQ(doc.m_vEvent[0].m_vPage.size(), 1u);
    const cWorldEventPage& page = doc.m_vEvent[0].m_vPage[0];
    EXPECT_EQ(page.m_nGraphic, 3);
    EXPECT_EQ(page.m_nWorldNo, 8);
    EXPECT_EQ(page.m_nCondCompare, 7);
    EXPECT_EQ(page.m_strStartStage, "s");
    EXPECT_EQ(page.m_nTotalScore, row.m_nTotalScore);
    EXPECT_EQ(page.m_bVariation, row.m_bVariation);
    EXPECT_EQ(page.m_nVariationVar, row.m_nVariationVar);
    EXPECT_EQ(page.m_nVariationValue, row.m_nVariationValue);
    EXPECT_EQ(doc.m_vTemplate.size(), 0u) << "a file's template list replaces the default one";
    // Written again, the page holds all 14 fields.
    ASSERT_EQ(doc.SaveFile(kWorldMapPath), 1);
    Bytes page14 = Body({0, 3, 8, 1, 1, 2, 4, 5, 6, 7, row.m_nTotalScore, row.m_bVariation, row.m_nVariationVar,
                         row.m_nVariationValue},
                        {"n", "s"});
    EXPECT_EQ(ToHex(ReadFileBytes(kWorldMapPath)), ToHex(OnePageFile(771, page14)));
  }
}

TEST_F(WorldMapFile, UntrustworthyFilesFailAndKeepTheDocument) {
  struct cRow {
    const char* m_pWhat;
    Bytes m_File;
  };
  auto file = [](int32_t width, int32_t height, int32_t pitch, uint32_t cells) {
    return Cat({U32(771), Body({width, height, pitch, 0, 0, 0, 16, 0}, {"w", ""}), U32(0), U32(cells),
                Bytes(static_cast<size_t>(cells) * 4, 0), U32(0), U32(0)});
  };
  const cRow rows[] = {
      {"grid shorter than pitch x height", file(20, 15, 32, 479)},
      {"grid sized by a wrong stored pitch", file(20, 15, 64, 960)},
      {"zero width", file(0, 15, 1, 0)},
      {"negative height", file(20, -1, 32, 0)},
      {"wider than the brush", file(201, 15, 256, 256 * 15)},
      {"taller than the brush", file(20, 151, 32, 32 * 151)},
  };
  for (const cRow& row : rows) {
    WriteFileBytes(kWorldMapPath, row.m_File);
    cWorldMapDoc doc;
    doc.ChipAt(1, 1) = 4;
    EXPECT_EQ(doc.LoadFile(kWorldMapPath), 0) << row.m_pWhat;
    EXPECT_EQ(doc.m_nWidth, 20) << row.m_pWhat;
    EXPECT_EQ(doc.m_vMap.size(), 480u) << row.m_pWhat;
    EXPECT_EQ(doc.ChipAt(1, 1), 4) << row.m_pWhat;
  }
  // A wrong stored pitch is recomputed when the grid fits the width.
  WriteFileBytes(kWorldMapPath, file(20, 15, 7, 480));
  cWorldMapDoc doc;
  ASSERT_EQ(doc.LoadFile(kWorldMapPath), 1);
  EXPECT_EQ(doc.m_nPitch, 32);
  EXPECT_EQ(doc.m_nPitch_Shift, 5);
}



TEST(WorldMap, Defaults) {
  cWorldMapDoc doc;
  EXPECT_EQ(doc.m_nWidth, 20);
  EXPECT_EQ(doc.m_nHeight, 15);
  EXPECT_EQ(doc.m_nPitch, 32);
  EXPECT_EQ(doc.m_nStartX, 9);
  EXPECT_EQ(doc.m_nStartY, 7);
  EXPECT_EQ(doc.m_nBackColor, 16);
  ASSERT_EQ(doc.m_vChipDef.size(), 10u);
  EXPECT_EQ(doc.m_vChipDef[4].m_bNoPass, 1);
  EXPECT_EQ(doc.m_vChipDef[5].m_bNoPass, 0);
  EXPECT_EQ(doc.m_vChipDef[9].m_nGraphic, 9);
  ASSERT_EQ(doc.m_vTemplate.size(), 1u);
  EXPECT_EQ(doc.m_vTemplate[0].m_strName, "デフォルト");
  ASSERT_EQ(doc.m_vTemplate[0].m_vPage.size(), 1u);
  EXPECT_EQ(doc.m_vTemplate[0].m_vPage[0].m_nVariationVar, 1);
  EXPECT_EQ(g_vWorldEventType.size(), 4u);
  EXPECT_EQ(g_vGameClearAction[1], "2周目へ突入");
  EXPECT_EQ(g_vGameClearAction[3], "");
}

TEST(WorldMap, SetSizePitchAndKeptCells) {
  struct cRow {
    int32_t m_nWidth, m_nHeight, m_nPitch, m_nShift;
  };
  const cRow rows[] = {{1, 1, 1, 0}, {2, 3, 2, 1}, {20, 15, 32, 5}, {32, 4, 32, 5}, {33, 4, 64, 6}, {200, 150, 256, 8}};
  for (const cRow& row : rows) {
    cWorldMapDoc doc;
    ASSERT_EQ(doc.SetSize(row.m_nWidth, row.m_nHeight), 1);
    EXPECT_EQ(doc.m_nPitch, row.m_nPitch) << row.m_nWidth;
    EXPECT_EQ(doc.m_nPitch_Shift, row.m_nShift) << row.m_nWidth;
    EXPECT_EQ(doc.m_vMap.size(), static_cast<size_t>(row.m_nPitch * row.m_nHeight));
  }
  cWorldMapDoc doc;
  ASSERT_EQ(doc.SetSize(40, 30), 1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) doc.ChipAt(x, y) = 1 + x + 100 * y;
  ASSERT_EQ(doc.SetSize(20, 15), 1);
  EXPECT_EQ(doc.m_vMap.size(), 480u);
  EXPECT_EQ(doc.ChipAt(19, 14), 1 + 19 + 1400);
  EXPECT_EQ(doc.m_vMap[20], 0) << "columns right of the width hold 0";
  ASSERT_EQ(doc.SetSize(40, 30), 1);
  EXPECT_EQ(doc.m_nPitch, 64);
  EXPECT_EQ(doc.m_vMap.size(), 1920u);
  EXPECT_EQ(doc.ChipAt(0, 0), 1);
  EXPECT_EQ(doc.ChipAt(19, 14), 1 + 19 + 1400);
  EXPECT_EQ(doc.ChipAt(20, 14), 0);
  EXPECT_EQ(doc.ChipAt(19, 15), 0);
  // Refused sizes change nothing.
  const int32_t refused[][2] = {{0, 15}, {20, 0}, {-1, 15}, {201, 15}, {20, 151}};
  for (const auto& size : refused) {
    EXPECT_EQ(doc.SetSize(size[0], size[1]), 0) << size[0] << " x " << size[1];
    EXPECT_EQ(doc.m_nWidth, 40);
    EXPECT_EQ(doc.m_vMap.size(), 1920u);
  }
}

TEST(WorldMap, NormalizePullsStartInsideAndDropsOutsideEvents) {
  cWorldMapDoc doc;
  cWorldEvent event;
  const int32_t cells[][2] = {{9, 9}, {10, 3}, {3, 10}, {11, 11}, {-1, 2}};
  for (const auto& cell : cells) doc.PlaceEvent(event, cell[0], cell[1]);
  doc.m_nStartX = 12;
  doc.m_nStartY = 4;
  ASSERT_EQ(doc.SetSize(10, 10), 1);
  EXPECT_EQ(doc.m_vEvent.size(), 5u) << "SetSize leaves events alone";
  doc.Normalize();
  ASSERT_EQ(doc.m_vEvent.size(), 2u);
  EXPECT_EQ(doc.m_vEvent[0].m_nX, 9);
  EXPECT_EQ(doc.m_vEvent[1].m_nX, -1) << "negative coordinates stay";
  EXPECT_EQ(doc.m_nStartX, 9);
  EXPECT_EQ(doc.m_nStartY, 4);
}

TEST(WorldMap, PlaceFindAndRemoveEvents) {
  cWorldMapDoc doc;
  cWorldEvent event;
  event.m_strName = "a";
  doc.PlaceEvent(event, 3, 4);
  EXPECT_EQ(event.m_nX, 3);
  event.m_strName = "b";
  doc.PlaceEvent(event, 3, 4);
  ASSERT_EQ(doc.m_vEvent.size(), 1u) << "placing replaces what stood on the cell";
  EXPECT_EQ(doc.m_vEvent[0].m_strName, "b");
  // Placing a placed event onto its own cell keeps one copy of it.
  doc.PlaceEvent(doc.m_vEvent[0], 3, 4);
  ASSERT_EQ(doc.m_vEvent.size(), 1u);
  EXPECT_EQ(doc.m_vEvent[0].m_strName, "b");
  doc.PlaceEvent(event, 5, 5);
  EXPECT_EQ(doc.HasEventAt(5, 5), 1);
  EXPECT_EQ(doc.HasEventAt(5, 6), 0);
  EXPECT_EQ(doc.FindEventAt(5, 5), &doc.m_vEvent[1]);
  EXPECT_EQ(doc.FindEventAt(0, 0), nullptr);
  cWorldEvent twin = doc.m_vEvent[1];
  EXPECT_EQ(doc.RemoveEvent(&twin), 0) << "removal goes by identity, not by content";
  EXPECT_EQ(doc.RemoveEvent(&doc.m_vEvent[1]), 1);
  EXPECT_EQ(doc.m_vEvent.size(), 1u);
  EXPECT_EQ(doc.RemoveEventsAt(3, 4), 1);
  EXPECT_EQ(doc.RemoveEventsAt(3, 4), 0);
}

TEST(WorldMap, FreeWorldNumbers) {
  cWorldMapDoc doc;
  cWorldEvent one = WorldEvent({{0, 1}}), two = WorldEvent({{0, 2}, {1, 3}}), four = WorldEvent({{0, 4}});
  cWorldEvent road = WorldEvent({{1, 3}, {2, 3}});
  doc.PlaceEvent(one, 0, 0);
  doc.PlaceEvent(two, 1, 0);
  doc.PlaceEvent(four, 2, 0);
  doc.PlaceEvent(road, 3, 0);
  doc.m_vTemplate[0] = WorldEvent({{0, 3}});
  EXPECT_EQ(doc.GetFreeWorldNo(nullptr), 3) << "roads, walls and templates hold no numbers";
  EXPECT_EQ(doc.GetFreeWorldNo(&doc.m_vEvent[1]), 2);
  cWorldEvent placing = WorldEvent({{0, 0}, {1, 0}, {0, 0}});
  doc.AssignWorldNo(placing, nullptr);
  EXPECT_EQ(placing.m_vPage[0].m_nWorldNo, 3);
  EXPECT_EQ(placing.m_vPage[1].m_nWorldNo, 0);
  EXPECT_EQ(placing.m_vPage[2].m_nWorldNo, 3);
  doc.m_vEvent.clear();
  for (int32_t number = 1; number <= 999; ++number) doc.m_vEvent.push_back(WorldEvent({{0, number}}));
  EXPECT_EQ(doc.GetFreeWorldNo(nullptr), 0);
  EXPECT_EQ(doc.GetFreeWorldNo(&doc.m_vEvent[500]), 501);
}

TEST(WorldMap, ChipDefinitionOfACell) {
  cWorldMapDoc doc;
  doc.ChipAt(1, 1) = 9;
  doc.ChipAt(2, 1) = 10;
  doc.ChipAt(3, 1) = -1;
  ASSERT_NE(doc.ChipDefAt(1, 1), nullptr);
  EXPECT_EQ(doc.ChipDefAt(1, 1)->m_nGraphic, 9);
  EXPECT_EQ(doc.ChipDefAt(2, 1), nullptr) << "a chip beyond the table draws nothing";
  EXPECT_EQ(doc.ChipDefAt(3, 1), nullptr);
  EXPECT_EQ(doc.ChipDefAt(20, 0), nullptr);
  EXPECT_EQ(doc.ChipDefAt(0, -1), nullptr);
  doc.ClearChips();
  EXPECT_EQ(doc.ChipDefAt(2, 1), &doc.m_vChipDef[0]);
}

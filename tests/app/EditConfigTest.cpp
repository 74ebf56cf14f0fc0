#include <gtest/gtest.h>

#include <filesystem>

#include "app/cApplication.h"
#include "app/cEditConfig.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TestSupport.h"

namespace {

const char* kPath = "e_data\\EditConfig.dat";

Bytes Placement(int valid, int x, int y, int w, int h, int shown) { return Body({valid, x, y, w, h, shown}, {}); }

// Eleven placements: the stage editor's given, the common block window hidden, the rest default.
Bytes Placements(const Bytes& stageEditor) {
  Bytes all = stageEditor;
  for (int i = 1; i < cEditConfig::kPlacementCount; ++i) {
    Bytes one = i == 1 ? Placement(1, 5, 6, 7, 8, 0) : Placement(0, 0, 0, 0, 0, 1);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}

// The configuration as its file holds it: the data version, then the body.
Bytes ConfigFileBytes(cEditConfig& config) {
  cWriteStream out;
  config.Save(out);
  return Cat({U32(kDataVersion), out.Bytes()});
}

// A configuration whose values differ from the defaults, so that a load shows what it keeps.
void MakeUnusual(cEditConfig& config) {
  config.m_strLastStagePath = "keep.stg";
  config.m_nStatusBarHeight = 99;
  config.m_nToolbarRowHeight = 98;
  config.m_strNewStageTemplate = "keep.tpl";
  config.m_nNewStagePaletteSource = 3;
  config.m_nBlockSheetPage = 5;
  config.m_nResizeDirX = 1;
  config.m_nResizeDirY = 1;
  config.m_bBmpReplaceLine = 1;
  config.m_nBmpLineTo = 44;
}

class EditConfigFile : public ::testing::Test {
protected:
  void SetUp() override { std::filesystem::create_directory("e_data"); }
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cVersionReadGuard m_Guard;
};

}  // namespace

TEST_F(EditConfigFile, DefaultFileBytes) {
  cEditConfig config;
  ASSERT_EQ(config.SaveFile(kPath), 1);
  Bytes expected = Cat({U32(771),
                        Body({20, 28, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 15, 0},
                             {"", "data\\stg4\\Default.stg4_***", "", "bmp\\convert"})});
  for (int i = 0; i < cEditConfig::kPlacementCount; ++i) expected = Cat({expected, Placement(0, 0, 0, 0, 0, 1)});
  Bytes written = ReadFileBytes(kPath);
  EXPECT_EQ(ToHex(written), ToHex(expected));
  EXPECT_EQ(ToHex(Bytes(written.begin(), written.begin() + 16)), "03 03 00 00 11 00 00 00 14 00 00 00 1C 00 00 00");
  EXPECT_EQ(written.size(), 4u + 4 + 68 + 4 + 4 + 31 + 4 + 16 + 11 * 32);
}

TEST_F(EditConfigFile, SaveLoadSaveIsByteIdentical) {
  cEditConfig config;
  MakeUnusual(config);
  config.m_strBmpOutDir = "bmp\\出力";
  config.m_wpWorldMap.Set(30, 40, 641, 481);
  config.m_wpStageBlocks.m_bShown = 0;
  ASSERT_EQ(config.SaveFile(kPath), 1);
  Bytes first = ReadFileBytes(kPath);
  cEditConfig again;
  ASSERT_EQ(again.LoadFile(kPath), 1);
  EXPECT_EQ(again.m_wpWorldMap.m_nWidth, 641);
  EXPECT_EQ(again.m_strBmpOutDir, "bmp\\出力");
  ASSERT_EQ(again.SaveFile(kPath), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kPath)), ToHex(first));
}

TEST_F(EditConfigFile, EveryOlderVersionLoads) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Content;
    int32_t m_nStatusBar, m_nToolbar, m_nPaletteSource, m_nBlockPage, m_nResizeX, m_nIfPlaced, m_nReplaceLine,
        m_nLineTo, m_nOverwrite;
    const char* m_pLastStage;
    const char* m_pTemplate;
    const char* m_pOutput;
    int32_t m_nEditorX;
  };
  Bytes editor = Placement(1, 10, 20, 300, 200, 1);
  const cRow rows[] = {
      // Before 73 no last stage; before 87 no line colours; before 129 an obsolete string first.
      {72, Body({1, 0, 0, 0, 7, 1}, {"old", "out72"}), 20, 28, 3, 5, 0, 1, 1, 44, 1, "keep.stg", "keep.tpl", "out72", 0},
      {87, Body({1, 0, 0, 0, 7, 0, 2, 3, 1}, {"old", "s87", "out87"}), 20, 28, 3, 5, 0, 1, 0, 3, 1, "s87", "keep.tpl",
       "out87", 0},
      // From 95 the three sheet pages.
      {100, Body({4, 5, 6, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"old", "s100", "out100"}), 20, 28, 3, 4, 0, 1, 0, 3, 0, "s100",
       "keep.tpl", "out100", 0},
      {129, Body({4, 5, 6, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"s129", "out129"}), 20, 28, 3, 4, 0, 1, 0, 3, 0, "s129",
       "keep.tpl", "out129", 0},
      // 130: the new-stage choices, an obsolete string before the output folder, and the placements.
      {130, Cat({Body({2, 4, 5, 6, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"s130", "t130", "p130", "old", "out130"}), Placements(editor)}),
       20, 28, 2, 4, 0, 1, 0, 3, 0, "s130", "t130", "out130", 10},
      // 198: the resize directions.
      {198, Cat({Body({2, 4, 5, 6, 1, 1, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"s198", "t198", "p198", "out198"}), Placements(editor)}),
       20, 28, 2, 4, 1, 1, 0, 3, 0, "s198", "t198", "out198", 10},
      // 288: the measured heights; the current layout.
      {288, Cat({Body({21, 29, 2, 4, 5, 6, 1, 1, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"s288", "t288", "p288", "out288"}),
                 Placements(editor)}),
       21, 29, 2, 4, 1, 1, 0, 3, 0, "s288", "t288", "out288", 10},
      {771, Cat({Body({21, 29, 2, 4, 5, 6, 1, 1, 1, 0, 0, 0, 7, 0, 2, 3, 0}, {"s771", "t771", "p771", "out771"}),
                 Placements(editor)}),
       21, 29, 2, 4, 1, 1, 0, 3, 0, "s771", "t771", "out771", 10},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    WriteFileBytes(kPath, Cat({U32(row.m_nVersion), row.m_Content}));
    cEditConfig config;
    MakeUnusual(config);
    ASSERT_EQ(config.LoadFile(kPath), 1);
    EXPECT_EQ(config.m_nStatusBarHeight, row.m_nStatusBar);
    EXPECT_EQ(config.m_nToolbarRowHeight, row.m_nToolbar);
    EXPECT_EQ(config.m_nNewStagePaletteSource, row.m_nPaletteSource);
    EXPECT_EQ(config.m_nBlockSheetPage, row.m_nBlockPage);
    EXPECT_EQ(config.m_nResizeDirX, row.m_nResizeX);
    EXPECT_EQ(config.m_nResizeDirY, row.m_nResizeX);
    EXPECT_EQ(config.m_bEditIfPlaced, row.m_nIfPlaced);
    EXPECT_EQ(config.m_nBmpTransparentIndex, 7);
    EXPECT_EQ(config.m_bBmpReplaceLine, row.m_nReplaceLine);
    EXPECT_EQ(config.m_nBmpLineTo, row.m_nLineTo);
    EXPECT_EQ(config.m_bBmpOverwrite, row.m_nOverwrite);
    EXPECT_EQ(config.m_strLastStagePath, row.m_pLastStage);
    EXPECT_EQ(config.m_strNewStageTemplate, row.m_pTemplate);
    EXPECT_EQ(config.m_strBmpOutDir, row.m_pOutput);
    EXPECT_EQ(config.m_wpStageEditor.m_nX, row.m_nEditorX);
    EXPECT_EQ(config.m_wpStageEditor.m_bValid, row.m_nEditorX ? 1 : 0);
    // The hidden common block window takes its two companions with it.
    int commonShown = row.m_nEditorX ? 0 : 1;
    EXPECT_EQ(config.m_wpCommonBlocks.m_bShown, commonShown);
    EXPECT_EQ(config.m_wpCommonCharas.m_bShown, commonShown);
    EXPECT_EQ(config.m_wpCommonItems.m_bShown, commonShown);
    // Written again, every version becomes the current layout.
    Bytes saved = ConfigFileBytes(config);
    EXPECT_EQ(ToHex(Bytes(saved.begin(), saved.begin() + 8)), "03 03 00 00 11 00 00 00");
  }
}

TEST(WindowPlacement, FieldsByVersionAndClamps) {
  cFakeShell shell;
  cVersionReadGuard guard;
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    int32_t m_bValid, m_nX, m_nY, m_nWidth, m_nHeight, m_bShown;
  };
  const cRow rows[] = {
      {71, Body({10, 20, 30, 40}, {}), 0, 10, 20, 30, 40, 0},
      {72, Body({1, 10, 20, 30, 40}, {}), 1, 10, 20, 30, 40, 0},
      {121, Body({1, 10, 20, 30, 40}, {}), 1, 10, 20, 30, 40, 0},
      {122, Body({1, 10, 20, 30, 40, 1}, {}), 1, 10, 20, 30, 40, 1},
      // A window saved on a wider screen comes back at the edge of this one; sizes stay.
      {771, Body({1, 5000, -3, 30, 40, 1}, {}), 1, 1024, 0, 30, 40, 1},
      {771, Body({1, -1, 800, -5, 9000, 1}, {}), 1, 0, 749, -5, 9000, 1},
      {771, Body({1, 1024, 749, 1, 1, 1}, {}), 1, 1024, 749, 1, 1, 1},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cApplication::m_nVersionRead = row.m_nVersion;
    cWindowPlacement placement;
    placement.m_bShown = 0;
    cReadStream in(row.m_Body);
    placement.Load(in);
    ASSERT_FALSE(in.Failed());
    EXPECT_EQ(placement.m_bValid, row.m_bValid);
    EXPECT_EQ(placement.m_nX, row.m_nX);
    EXPECT_EQ(placement.m_nY, row.m_nY);
    EXPECT_EQ(placement.m_nWidth, row.m_nWidth);
    EXPECT_EQ(placement.m_nHeight, row.m_nHeight);
    EXPECT_EQ(placement.m_bShown, row.m_bShown);
  }
  cWindowPlacement placement;
  placement.Set(3, 4, 5, 6);
  cWriteStream out;
  placement.Save(out);
  EXPECT_EQ(ToHex(out.Bytes()), ToHex(Body({1, 3, 4, 5, 6, 1}, {})));
}

TEST_F(EditConfigFile, ShownRuleRunsBeforeEverySave) {
  cEditConfig config;
  config.m_wpCommonBlocks.m_bShown = 0;
  config.m_wpStageBlocks.m_bShown = 1;
  config.m_wpStageCharas.m_bShown = 0;
  config.m_wpStageItems.m_bShown = 0;
  config.m_wpWorldMap.m_bShown = 0;
  ASSERT_EQ(config.SaveFile(kPath), 1);
  EXPECT_EQ(config.m_wpCommonCharas.m_bShown, 0);
  EXPECT_EQ(config.m_wpCommonItems.m_bShown, 0);
  EXPECT_EQ(config.m_wpStageCharas.m_bShown, 1);
  EXPECT_EQ(config.m_wpStageItems.m_bShown, 1);
  cEditConfig loaded;
  ASSERT_EQ(loaded.LoadFile(kPath), 1);
  EXPECT_EQ(loaded.m_wpCommonItems.m_bShown, 0);
  EXPECT_EQ(loaded.m_wpWorldMap.m_bShown, 0) << "the other windows keep their own flag";
}



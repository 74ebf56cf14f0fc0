#include <gtest/gtest.h>

#include "app/DataPaths.h"

TEST(DataPaths, TableHoldsEveryPathInItsPlace) {
  struct Row {
    int m_nIndex;
    const char* m_pPath;
  } rows[] = {
      {kPathData, "data\\"},
      {kPathDefault, "default\\"},
      {kPathOldStages, "data\\stg4\\old_ver\\"},
      {kPathWork, "data\\work\\"},
      {kPathEditConfig, "e_data\\EditConfig.dat"},
      {kPathCommonPalette, "data\\CommonPalette.cplt4"},
      {kPathValInfo, "data\\GValInfo.dat"},
      {kPathDefaultStage, "data\\stg4\\Default.stg4_***"},
      {kPathFactoryDefaultStage, "default\\stg4\\Default.stg4_***"},
      {kPathWorldMap, "data\\WorldMap.dat"},
      {kPathAnimeSet, "data\\database\\AnimeSet.dat"},
      {kPathCharaExc, "data\\database\\Bmp_CharaExc.dat"},
      {kPathBgm, "data\\database\\Bgm.dat"},
      {kPathSystem, "data\\System.dat"},
      {kPathDefaultSystem, "default\\System.dat"},
      {kPathStageC, "data\\stg4\\c"},
      {kPathUserStoryBase, "user_data\\story\\Story"},
      {kPathUserData, "user_data\\"},
      {kPathUserWindow, "user_data\\Window.dat"},
  };
  for (const Row& row : rows) EXPECT_EQ(g_DataPaths[row.m_nIndex], row.m_pPath) << row.m_nIndex;
  // The ten tables come in pairs: the data file, then its factory copy.
  for (int i = kPathAnimeSet; i <= kPathBgm; i += 2) {
    std::string data = g_DataPaths[i];
    EXPECT_EQ(data.rfind("data\\database\\", 0), 0u) << i;
    EXPECT_EQ(std::string(g_DataPaths[i + 1]), "default" + data.substr(4)) << i;
  }
  for (int i = 0; i < kDataPathCount; ++i) EXPECT_FALSE(g_DataPaths[i].empty()) << i;
}

TEST(DataPaths, ExtensionsAndVocabularies) {
  EXPECT_EQ(g_FileExtensions[kExtStage], "stg4");
  EXPECT_EQ(g_FileExtensions[kExtCommonPalette], "cplt4");
  EXPECT_EQ(g_FileExtensions[kExtStagePalette], "plt4");
  EXPECT_EQ(g_FileExtensions[kExtRanking], "rkg");
  EXPECT_EQ(g_InvincibleColourNames[0], "なし");
  EXPECT_EQ(g_InvincibleColourNames[7], "赤紫");
  EXPECT_EQ(g_InvincibleColourNames[9], "4色");
  EXPECT_EQ(g_InvincibleColourNames[10], "");
  EXPECT_EQ(g_PaletteSourceNames[1], "データなし");
  EXPECT_EQ(g_PaletteSourceNames[3], "ステージパレットファイルからコピー");
  EXPECT_EQ(g_PaletteSourceNames[4], "");
}

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "app/PathUtil.h"
#include "app/ProjectLoad.h"
#include "app/Startup.h"
#include "app/cApplication.h"
#include "app/cEditConfig.h"
#include "database/cDatabaseSet.h"
#include "model/VariableNames.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "tests/support/TestSupport.h"

namespace fs = std::filesystem;

namespace {
const char* const kLoadFailure =
    "%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。";

std::string LoadFailureText(const std::string& path, const char* format = kLoadFailure) {
  std::string text = format;
  return text.replace(text.find("%s"), 2, path);
}

Bytes NamesFile(int count) {
  Bytes bytes = Cat({U32(kDataVersion), U32(static_cast<uint32_t>(count))});
  for (int i = 0; i < count; ++i) {
    Bytes entry = Cat({U32(0), U32(1), StoredString("v" + std::to_string(i))});
    bytes.insert(bytes.end(), entry.begin(), entry.end());
  }
  return bytes;
}

// A project made from the factory copy that the build writes, in a scratch working folder.
class ProjectLoadTest : public ::testing::Test {
protected:
  ProjectLoadTest() {
    SetDataVersion(kDataVersion, 0);
    fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
    g_vValInfo.clear();
    g_StageEditState.Reset();
    g_StageDoc.SetDefaults();
  }
  ~ProjectLoadTest() override {
    RegisterVariableNames<cValInfoData>(kVarScopeCommon, nullptr);
    RegisterVariableNames<cValInfoData>(kVarScopeStage, nullptr);
    g_vValInfo.clear();
    g_DatabaseSet.SetDefaults();
    g_StageEditState.Reset();
    g_StageEditState.ReleaseUndo();
    g_StageDoc.SetDefaults();
    EditConfig.m_strLastStagePath.Set("");
  }
  static std::string Host(const char* path) { return HostPath(path); }

  cScratchFolder m_Folder;
  cFakeShell m_Shell;
};
}  // namespace

TEST_F(ProjectLoadTest, FactoryProjectLoadsWithoutABox) {
  ASSERT_EQ(LoadProjectDocuments(), 1);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(g_vValInfo.Count(), kValInfoCount);
  EXPECT_STREQ(g_DatabaseSet.m_vAnime[0].m_strName.GetStr(), "なし");
}

TEST_F(ProjectLoadTest, VariableNamesAreFittedToTheThousandVariables) {
  for (int stored : {10, 1200}) {
    WriteFileBytes("data\\GValInfo.dat", NamesFile(stored));
    ASSERT_EQ(LoadProjectDocuments(), 1) << stored;
    ASSERT_EQ(g_vValInfo.Count(), kValInfoCount) << stored;
    EXPECT_STREQ(g_vValInfo[9].m_strName.GetStr(), "v9");
    EXPECT_STREQ(g_vValInfo[10].m_strName.GetStr(), stored > 10 ? "v10" : "");
    EXPECT_STREQ(g_vValInfo[999].m_strName.GetStr(), stored > 999 ? "v999" : "");
    EXPECT_STREQ(VariableName(kVarScopeCommon, 9).GetStr(), "v9") << "the texts name the variables so";
  }
}

TEST_F(ProjectLoadTest, TheTextsNameTheStageVariablesByTheStagesNames) {
  ASSERT_EQ(LoadProjectDocuments(), 1);
  g_StageDoc.m_vStageVarName.resize(kValInfoCount);
  g_StageDoc.m_vStageVarName[4].m_strName = "扉";
  EXPECT_STREQ(VariableName(kVarScopeStage, 4).GetStr(), "扉");
}

TEST_F(ProjectLoadTest, EachMissingFileIsNamedAndStopsTheLoad) {
  const char* const files[] = {
      "data\\GValInfo.dat",           "data\\database\\AnimeSet.dat", "data\\database\\Bgm.dat", "data\\System.dat",
      "data\\CommonPalette.cplt4", "data\\PrjOption.dat",          "data\\WorldMap.dat",
  };
  for (const char* file : files) {
    Bytes kept = ReadFileBytes(file);
    fs::remove(Host(file));
    m_Shell.m_vBoxes.clear();
    EXPECT_EQ(LoadProjectDocuments(), 0) << file;
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u) << file;
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, LoadFailureText(file));
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "エラー");
    WriteFileBytes(file, kept);
  }
}

TEST_F(ProjectLoadTest, DefaultStageTemplateComesFromTheFactoryCopyWhenDataHasNone) {
  fs::create_directories(Host("default\\stg4"));
  const Bytes older = Hex("03 03 00 00 01"), newer = Hex("03 03 00 00 02"), own = Hex("03 03 00 00 03");
  WriteFileBytes("default\\stg4\\Default.stg4_770", older);
  WriteFileBytes("default\\stg4\\Default.stg4_771", newer);
  fs::remove(Host("data\\stg4\\Default.stg4_771"));

  ProvideDefaultStageTemplate();
  EXPECT_EQ(ReadFileBytes("data\\stg4\\Default.stg4_771"), newer) << "the newest factory template";
  EXPECT_FALSE(FileThere("data\\stg4\\Default.stg4_770"));

  // A template of its own, of any number, keeps the factory's out.
  fs::remove(Host("data\\stg4\\Default.stg4_771"));
  WriteFileBytes("data\\stg4\\Default.stg4_765", own);
  ProvideDefaultStageTemplate();
  EXPECT_FALSE(FileThere("data\\stg4\\Default.stg4_771"));

  // Neither copy nor template stops the project load.
  fs::remove(Host("data\\stg4\\Default.stg4_765"));
  fs::remove_all(Host("default"));
  EXPECT_EQ(LoadProjectDocuments(), 1);
  EXPECT_FALSE(FileThere("data\\stg4\\Default.stg4_771"));
}

TEST_F(ProjectLoadTest, LastStageReopensOrLeavesAnEmptyStageWithoutAPathAndNamesAStageThatDidNotLoad) {
  const Bytes stage = ReadFileBytes("data\\stg4\\Default.stg4_771");
  Bytes newer = stage;
  newer[1] = 0x04;  // data version 1027
  WriteFileBytes("data\\stg4\\Empty.stg4_771", {});
  WriteFileBytes("data\\stg4\\Damaged.stg4_771", Cat({Bytes(stage.begin(), stage.begin() + 40), U32(kStageEndMarker)}));
  WriteFileBytes("data\\stg4\\Newer.stg4_771", newer);
  fs::create_directory(Host("data\\stg4\\Folder.stg4_771"));
  const std::string failed = "ステージファイル %s の読み込みに失敗しました！";
  struct cCase {
    const char* m_pPath;
    int m_nLoaded;
    std::string m_strBox;  // empty: none
  };
  const cCase cases[] = {
      {"", 0, ""},
      {"data\\stg4\\Gone.stg4_771", 0, ""},  // a stage that is gone stays quiet
      {"data\\stg4\\Default.stg4_771", 1, ""},
      {"data\\stg4\\Empty.stg4_771", 0, failed},
      {"data\\stg4\\Damaged.stg4_771", 0, failed},
      {"data\\stg4\\Folder.stg4_771", 0, failed},
      {"data\\stg4\\Newer.stg4_771", 0,
       "%s は新しいバージョンのヴォンタリスで保存されたファイルです！\nこのバージョンでは読み込むことも上書きすることもできません。"},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pPath);
    g_StageDoc.SetSize(40, 40, 0, 0);
    g_StageEditState.ReleaseUndo();
    m_Shell.m_vBoxes.clear();
    std::string before = FileState(c.m_pPath);
    EXPECT_EQ(OpenLastStage(cString(c.m_pPath)), c.m_nLoaded);
    EXPECT_EQ(g_StageEditState.m_bStageOpen, c.m_nLoaded);
    EXPECT_STREQ(g_StageEditState.m_strStagePath.GetStr(), c.m_nLoaded ? c.m_pPath : "");
    EXPECT_EQ(g_StageDoc.m_nWidth, c.m_nLoaded ? 20 : 32) << "the factory template is 20 x 15";
    EXPECT_EQ(g_StageDoc.m_nHeight, c.m_nLoaded ? 15 : 32);
    EXPECT_EQ(g_StageEditState.UndoLevels(), g_StageDoc.m_nUndoDepth) << "undo fits the stage";
    EXPECT_EQ(FileState(c.m_pPath), before);
    if (c.m_strBox.empty()) {
      EXPECT_TRUE(m_Shell.m_vBoxes.empty());
    } else {
      ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
      EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, LoadFailureText(c.m_pPath, c.m_strBox.c_str()));
    }
  }
}

TEST_F(ProjectLoadTest, ExitSavesTheConfigurationWithTheOpenStageAndTheThousandNames) {
  FitValInfo(g_vValInfo);
  g_vValInfo[0].m_strName.Set("abc");
  g_StageEditState.m_strStagePath.Set("data\\stg4\\A.stg4_771");
  ASSERT_EQ(CreateFolderTree(), 0);
  ASSERT_EQ(SaveAtExit(), 1);

  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile("e_data\\EditConfig.dat"), 1);
  EXPECT_STREQ(saved.m_strLastStagePath.GetStr(), "data\\stg4\\A.stg4_771");
  Bytes names = Cat({U32(kDataVersion), U32(1000), U32(0), U32(1), StoredString("abc")});
  const Bytes empty = Cat({U32(0), U32(1), U32(1)});
  for (int i = 1; i < 1000; ++i) names.insert(names.end(), empty.begin(), empty.end());
  EXPECT_EQ(ReadFileBytes("data\\GValInfo.dat"), names);
}

TEST_F(ProjectLoadTest, ExitWithAStageLoaderThatWouldNotStopKeepsTheConfiguration) {
  cTestReportLog log;
  FitValInfo(g_vValInfo);
  g_vValInfo[0].m_strName.Set("abc");
  ASSERT_EQ(CreateFolderTree(), 0);
  WriteFileBytes("e_data\\EditConfig.dat", Hex("01 02 03"));
  g_StageEditState.m_strStagePath.Set("data\\stg4\\B.stg4_771");
  EXPECT_EQ(SaveAtExit(1), 1);
  EXPECT_EQ(ReadFileBytes("e_data\\EditConfig.dat"), Hex("01 02 03")) << "not written";
  cVector<cValInfoData> names;
  ASSERT_EQ(LoadTableFile(names, "data\\GValInfo.dat"), 1);
  EXPECT_EQ(names[0].m_strName, "abc") << "the variable names are saved all the same";
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{"WorkerThread : e_data\\EditConfig.dat を保存しません"}));
}

TEST(StartupFolders, TreeIsCreatedAndAnUnmadeFolderIsCounted) {
  cScratchFolder folder;
  WriteFileBytes("wave", Hex("00"));  // a file where a folder belongs
  EXPECT_EQ(CreateFolderTree(), 1);
  for (const char* made : {"e_data", "e_bmp", "user_data\\rpl4", "data\\stg4\\old_ver", "data\\plt4", "bmp\\hbt", "bgm"})
    EXPECT_TRUE(DirectoryExists(made)) << made;
  EXPECT_EQ(CreateFolderTree(), 1) << "existing folders are no error";
}

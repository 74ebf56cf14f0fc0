#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "database/cDatabaseCore.h"
#include "tests/database/PageLists.h"
#include "tests/support/TestSupport.h"

namespace {

struct cHost : cDatabaseHost {
  void OnDatabaseClosed() override { ++m_nClosed; }
  int m_nClosed = 0;
};

// Records what the rebuild loads; a path in m_Missing fails with the canvas loader's box.
struct cBitmaps : cCharaBitmapTarget {
  void Reset(int count) override {
    m_vLoads.push_back("reset " + std::to_string(count));
  }
  int Load(int picture, const char* path, int32_t mirrorWidth) override {
    m_vLoads.push_back(std::to_string(picture) + " " + path + " " + std::to_string(mirrorWidth));
    if (m_Missing != path) return 1;
    ErrorBoxF("%s が読み込めません！", path);
    return 0;
  }
  std::vector<std::string> m_vLoads;
  std::string m_Missing;
};

class DatabaseCoreTest : public ::testing::Test {
protected:
  DatabaseCoreTest() {
    MakeDirectory("data");
    MakeDirectory("data\\database");
    m_Set.m_vEffect[1].m_strName = "炎";
    m_Set.m_vCharaExc[1].m_strPath = "bmp\\chara_sp\\boss.bmp";
  }
  std::vector<Bytes> Files() const {
    std::vector<Bytes> files;
    for (const char* path : cDatabaseSet::kTableFiles) files.push_back(ReadFileBytes(path));
    return files;
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) texts.push_back(box.m_strText);
    return texts;
  }

  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cDatabaseSet m_Set;
  cBitmaps m_Bitmaps;
  cHost m_Host;
};

}  // namespace

TEST_F(DatabaseCoreTest, TabsInTableOrder) {
  EXPECT_EQ(kDbTabs[kTabAnimeSet].m_nTemplate, 212);
  EXPECT_STREQ(kDbTabs[kTabCharaExc].m_pCaption, "キャラの専用bmp");
  EXPECT_EQ(kDbTabs[kTabBgm].m_nListId, 1198);
  EXPECT_STREQ(kDatabaseTitle, "データベース");
  for (int tab = 0; tab < kTabCount; ++tab)
    EXPECT_EQ(cDatabaseCore::IsAnimatedTab(tab), tab <= kTabAnime ? 1 : 0) << tab;
}

TEST_F(DatabaseCoreTest, ApplyWithOnlyTheFirstTabShownWritesAllTenFiles) {
  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  window.OnPageShown(kTabAnimeSet);
  window.m_AnimeSet.m_Edit.m_strName = "勇者";
  window.m_AnimeSet.StoreEdited();
  window.m_Effect.m_vWork[1].m_strName = "never shown";
  window.OnPageChanged();
  EXPECT_EQ(window.ApplyEnabled(), 1);
  ASSERT_EQ(window.ApplyAll(), 1);
  EXPECT_EQ(window.ApplyEnabled(), 0);
  EXPECT_EQ(m_Set.m_vAnimeSet[0].m_strName, "勇者");
  EXPECT_EQ(m_Set.m_vEffect[1].m_strName, "炎") << "a page never shown leaves its table";
  for (const Bytes& file : Files()) EXPECT_FALSE(file.empty());
  cDatabaseSet loaded;
  ASSERT_EQ(loaded.LoadDatabaseTables(), 1);
  EXPECT_EQ(loaded.m_vAnimeSet[0].m_strName, "勇者");
  EXPECT_EQ(loaded.m_vEffect[1].m_strName, "炎");
  EXPECT_EQ(m_Bitmaps.m_vLoads,
            (std::vector<std::string>{"reset 4", "2 bmp\\chara_sp\\boss.bmp 0", "3 bmp\\chara_sp\\boss.bmp 32",
                                      "reset 4", "2 bmp\\chara_sp\\boss.bmp 0", "3 bmp\\chara_sp\\boss.bmp 32"}))
      << "the dedicated bitmaps are rebuilt on both passes from the unchanged table";
  EXPECT_TRUE(window.IsOpen());
  EXPECT_EQ(m_Host.m_nClosed, 0);
}

TEST_F(DatabaseCoreTest, OkCommitsTheShownPagesAndCloses) {
  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  window.OnPageShown(kTabAnimeSet);
  window.OnPageShown(kTabEffect);
  window.m_Effect.m_Edit.m_nCellWidth = 48;
  window.m_Effect.StoreEdited();
  ASSERT_EQ(window.OnOk(), 1);
  EXPECT_EQ(m_Set.m_vEffect[1].m_nCellWidth, 48);
  cVector<cEffectData> effects;
  ASSERT_EQ(LoadTableFile(effects, "data\\database\\Effect.dat"), 1);
  EXPECT_EQ(effects[1].m_nCellWidth, 48);
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(m_Host.m_nClosed, 1) << "the stage editor checks its references and shows its windows";
}

TEST_F(DatabaseCoreTest, CancelWritesNothingMoreButKeepsWhatWasApplied) {
  {
    cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
    cDatabaseLists lists(window);
    window.OnPageShown(kTabAnimeSet);
    window.OnPageShown(kTabPicture);
    window.m_Picture.m_Edit.m_strName = "森";
    window.m_Picture.StoreEdited();
    window.OnCancel();
    EXPECT_FALSE(window.IsOpen());
  }
  EXPECT_EQ(m_Set.m_vPicture[1].m_strName, "");
  EXPECT_FALSE(FileThere("data\\database\\Picture.dat")) << "Cancel without Apply writes no file";
  EXPECT_EQ(m_Host.m_nClosed, 1);

  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  window.OnPageShown(kTabAnimeSet);
  window.OnPageShown(kTabPicture);
  window.m_Picture.m_Edit.m_strName = "森";
  window.m_Picture.StoreEdited();
  ASSERT_EQ(window.ApplyAll(), 1);
  window.m_Picture.m_Edit.m_strName = "海";
  window.m_Picture.StoreEdited();
  std::vector<Bytes> applied = Files();
  window.OnCancel();
  EXPECT_EQ(m_Set.m_vPicture[1].m_strName, "森") << "what was applied stays";
  EXPECT_EQ(Files(), applied);
  EXPECT_EQ(m_Host.m_nClosed, 2);
}

// A table file that cannot be written: the user is told which, the window stays open with Apply
// enabled, and a later OK that succeeds closes it.
TEST_F(DatabaseCoreTest, AFailedSaveKeepsTheWindowOpen) {
  MakeDirectory("data\\database\\Sound.dat.~tmp");
  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  window.OnPageShown(kTabAnimeSet);
  EXPECT_EQ(window.OnOk(), 0);
  EXPECT_TRUE(window.IsOpen());
  EXPECT_EQ(window.ApplyEnabled(), 1);
  EXPECT_EQ(m_Host.m_nClosed, 0);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"データベースのファイルを保存できませんでした！\ndata\\database\\Sound.dat"}));
  EXPECT_FALSE(ReadFileBytes("data\\database\\Bgm.dat").empty());

  std::filesystem::remove(HostPath("data\\database\\Sound.dat.~tmp"));
  EXPECT_EQ(window.OnOk(), 1);
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(m_Host.m_nClosed, 1);
}

TEST_F(DatabaseCoreTest, AMissingDedicatedBitmapIsToldTwiceAndTheFilesAreStillSaved) {
  m_Bitmaps.m_Missing = "bmp\\chara_sp\\boss.bmp";
  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  window.OnPageShown(kTabAnimeSet);
  EXPECT_EQ(window.ApplyAll(), 1);
  std::vector<std::string> series = {"bmp\\chara_sp\\boss.bmp が読み込めません！", "bmp\\chara_sp\\boss.bmp の読み込みに失敗！",
                                     "キャラの専用bmpの生成に失敗しました！"};
  std::vector<std::string> twice = series;
  twice.insert(twice.end(), series.begin(), series.end());
  EXPECT_EQ(Boxes(), twice);
  for (const Bytes& file : Files()) EXPECT_FALSE(file.empty());
}

TEST_F(DatabaseCoreTest, ShortTablesArePaddedWhenTheWindowIsBuilt) {
  m_Set.m_vAnimeSet.clear();
  m_Set.m_vAnime.resize(1);
  m_Set.m_vCharaExc.resize(1);
  m_Set.m_vSwordType.clear();
  m_Set.m_vPicture.resize(1);
  cDatabaseCore window(m_Set, m_Bitmaps, m_Host);
  cDatabaseLists lists(window);
  EXPECT_EQ(m_Set.m_vAnimeSet.size(), 1u);
  EXPECT_EQ(m_Set.m_vAnime.size(), 2u);
  EXPECT_EQ(m_Set.m_vCharaExc.size(), 2u);
  EXPECT_EQ(m_Set.m_vSwordType.size(), 1u);
  EXPECT_EQ(m_Set.m_vPicture.size(), 2u);
  EXPECT_EQ(window.m_CharaExc.DataCount(), 1);
  EXPECT_EQ(window.m_SwordType.DataCount(), 1);
}

// The stage file commands: open, save over the file or under a name with the older version's file,
// stage palettes, the name warning, and the questions before unsaved changes could be lost.
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "stage/StageFile.h"
#include "tests/stage/StageEditorTest.h"

namespace {

void PlacePlayer(int x) { g_StageDoc.m_vCharaLayer.At(x) = PlayerRecord(1); }

bool BoxShown(const cFakeShell& shell, const std::string& text) {
  for (const cFakeShell::cBox& box : shell.m_vBoxes)
    if (box.m_strText.find(text) != std::string::npos) return true;
  return false;
}

// A folder where the file's temporary goes makes every write of that file fail.
void BlockWrites(const char* path) { MakeDirectory((std::string(path) + ".~tmp").c_str()); }

}  // namespace

class StageFileCommands : public StageEditorTest {
protected:
  void SetUp() override {
    StageEditorTest::SetUp();
    MakeDirectory("data");
    MakeDirectory("data\\stg4");
    MakeDirectory("data\\plt4");
    OpenStage(20, 15);
    PlacePlayer(0);
  }
  cStageEditor m_Editor{g_StageDoc, g_StageEditState, m_Host};
  cStageFileCommands& Files() { return m_Editor.Files(); }
};

TEST_F(StageFileCommands, Dialogs) {
  struct Case {
    cFileChoice m_Choice;
    int m_bSave;
    const char* m_pFolder;
    const char* m_pTitle;
    std::string m_strFilter;
    const char* m_pExtension;
  } cases[] = {
      {OpenStageChoice(), 0, "data\\stg4", "読み込むファイルの選択", std::string("StageFile ( *.stg4_ )\0*.stg4_*\0", 31), ""},
      {SaveStageChoice("x"), 1, "data\\stg4\\", "保存先のファイルの選択",
       std::string("StageFile ( *.stg4_771 )\0*.stg4_771\0", 36), "stg4_771"},
      {OpenStagePaletteChoice(), 0, "data\\plt4", "読み込むファイルの選択",
       std::string("StagePaletteFile ( *.plt4 )\0*.plt4\0", 35), "plt4"},
      {SaveStagePaletteChoice(), 1, "data\\plt4\\", "保存先のファイルの選択",
       std::string("StagePaletteFile ( *.plt4 )\0*.plt4\0", 35), "plt4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pFolder);
    EXPECT_EQ(c.m_Choice.m_bSave, c.m_bSave);
    EXPECT_EQ(c.m_Choice.m_strFolder, c.m_pFolder);
    EXPECT_EQ(c.m_Choice.m_strTitle, c.m_pTitle);
    EXPECT_EQ(c.m_Choice.m_strFilter, c.m_strFilter);
    EXPECT_EQ(c.m_Choice.m_strDefaultExtension, c.m_pExtension);
  }
  EXPECT_EQ(SaveStageChoice("x").m_strInitialName, "x");
  EXPECT_EQ(CurrentStageExtension(), "stg4_771");
}

TEST_F(StageFileCommands, OverwriteOfAnOlderVersion) {
  struct Case {
    const char* m_pName;
    int m_nOption;
    bool m_bOldThere, m_bMoved;
  } cases[] = {
      {"moved to old_ver", cProjectSettings::kOldStageMove, false, true},
      {"kept", cProjectSettings::kOldStageKeep, true, false},
      {"deleted", cProjectSettings::kOldStageDelete, false, false},
  };
  const char* oldPath = "data\\stg4\\a.stg4_500";
  const char* movedPath = "data\\stg4\\old_ver\\a.stg4_500";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    WriteFileBytes(oldPath, Hex("01 02 03"));
    DeletePath(movedPath);
    g_ProjectSettings.m_nOldStageMode = c.m_nOption;
    g_StageEditState.m_strStagePath = oldPath;
    g_StageEditState.m_bStageModified = 1;
    m_Host.m_vChoices.clear();
    m_Host.m_Paths = {"data\\stg4\\a.stg4_771"};
    EXPECT_EQ(Files().SaveStage(1), 1);
    ASSERT_EQ(m_Host.m_vChoices.size(), 1u);
    EXPECT_EQ(m_Host.m_vChoices[0].m_strInitialName, "data\\stg4\\a.stg4_771");
    EXPECT_TRUE(FileThere("data\\stg4\\a.stg4_771"));
    EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\a.stg4_771");
    EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
    EXPECT_EQ(FileThere(oldPath), c.m_bOldThere);
    EXPECT_EQ(FileThere(movedPath), c.m_bMoved);
  }
}

TEST_F(StageFileCommands, SaveUnderAnotherName) {
  WriteFileBytes("data\\stg4\\a.stg4_771", Hex("01"));
  g_StageEditState.m_strStagePath = "data\\stg4\\a.stg4_771";
  m_Host.m_Paths = {"data\\stg4\\b.stg4_771"};
  EXPECT_EQ(Files().SaveStage(0), 1);
  EXPECT_EQ(m_Host.m_vChoices[0].m_strInitialName, "");
  EXPECT_EQ(ReadFileBytes("data\\stg4\\a.stg4_771"), Hex("01"));
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\b.stg4_771");
}

TEST_F(StageFileCommands, FailedSaveChangesNothing) {
  const char* oldPath = "data\\stg4\\c.stg4_500";
  WriteFileBytes(oldPath, Hex("01"));
  BlockWrites("data\\stg4\\c.stg4_771");
  g_ProjectSettings.m_nOldStageMode = cProjectSettings::kOldStageMove;
  g_StageEditState.m_strStagePath = oldPath;
  g_StageEditState.m_bStageModified = 1;
  m_Host.m_Paths = {"data\\stg4\\c.stg4_771"};
  int cancelled = -1;
  EXPECT_EQ(Files().SaveStage(1, &cancelled), 0);
  EXPECT_EQ(cancelled, 0);
  EXPECT_TRUE(BoxShown(m_Shell, "ステージファイル data\\stg4\\c.stg4_771 の保存に失敗しました！"));
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.m_strStagePath, oldPath);
  EXPECT_EQ(ReadFileBytes(oldPath), Hex("01"));
}

TEST_F(StageFileCommands, OverwriteWithoutChangesWritesNothing) {
  g_StageEditState.m_strStagePath = "data\\stg4\\d.stg4_771";
  g_StageEditState.m_bStageModified = 0;
  EXPECT_EQ(Files().SaveStage(1), 1);
  EXPECT_TRUE(m_Host.m_vChoices.empty());
  EXPECT_FALSE(FileThere("data\\stg4\\d.stg4_771"));
  g_StageEditState.m_bStageModified = 1;
  EXPECT_EQ(Files().SaveStage(1), 1);
  EXPECT_TRUE(FileThere("data\\stg4\\d.stg4_771"));
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
}

TEST_F(StageFileCommands, PlayersAtSaving) {
  g_StageDoc.m_vCharaLayer.At(0) = cEdChara();
  g_StageEditState.m_bStageModified = 1;
  m_Host.m_Paths = {"data\\stg4\\e.stg4_771"};
  EXPECT_EQ(Files().SaveStage(1), 1);
  ASSERT_FALSE(m_Shell.m_vBoxes.empty());
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "まだプレイヤーが配置されていないので遊ぶことはできません！");
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "警告");
  // Two players: the last in reading order stays.
  PlacePlayer(3);
  PlacePlayer(5);
  g_StageEditState.m_bStageModified = 1;
  EXPECT_EQ(Files().SaveStage(1), 1);
  EXPECT_EQ(LayerText(g_StageDoc.m_vCharaLayer, g_StageDoc).substr(0, 8), ".....1..");
}

TEST_F(StageFileCommands, NameWarningAfterACancelledDialog) {
  struct Case {
    const char* m_pPath;
    bool m_bFileThere;
    bool m_bWarned;
  } cases[] = {{"data\\stg4\\f.stg4_771", true, false}, {"data\\stg4\\g.stg4_771", false, true}, {"", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pPath);
    m_Shell.m_vBoxes.clear();
    if (c.m_bFileThere) WriteFileBytes(c.m_pPath, Hex("01"));
    g_StageEditState.m_strStagePath = c.m_pPath;
    int cancelled = 0;
    EXPECT_EQ(Files().SaveStage(0, &cancelled), 0);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(BoxShown(m_Shell, "現在編集中のステージのファイル名が変更された可能性があります。"), c.m_bWarned);
    EXPECT_EQ(Files().OpenStage(), 0);
  }
}

TEST_F(StageFileCommands, OpenAStage) {
  cStageDoc other;
  other.SetSize(30, 10, 0, 0);
  other.m_vBlockLayer.At(3) = Record<cEdBlock>(4);
  ASSERT_TRUE(other.SaveFile("data\\stg4\\h.stg4_771"));
  // Damaged, though it ends with the end marker.
  WriteFileBytes("data\\stg4\\broken.stg4_771", Cat({Hex("03 03 00 00 07"), U32(kStageEndMarker)}));
  g_StageDoc.m_vBlockLayer.At(1) = Record<cEdBlock>(2);
  g_StageEditState.m_strStagePath = "data\\stg4\\mine.stg4_771";
  g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);

  // A file that fails keeps the open stage, and the editor goes on.
  m_Host.m_Paths = {"data\\stg4\\broken.stg4_771"};
  EXPECT_EQ(Files().OpenStage(), 0);
  EXPECT_TRUE(BoxShown(m_Shell, "ステージファイル data\\stg4\\broken.stg4_771 の読み込みに失敗しました！"));
  EXPECT_EQ(m_Shell.m_nDestroys, 0);
  EXPECT_EQ(g_StageDoc.m_nWidth, 20);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(1).m_nGraphic, 2);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\mine.stg4_771");
  EXPECT_EQ(g_StageEditState.UndoCount(), 1);

  m_Host.m_Paths = {"data\\stg4\\h.stg4_771"};
  EXPECT_EQ(Files().OpenStage(), 1);
  EXPECT_EQ(g_StageDoc.m_nWidth, 30);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.Get(3).m_nGraphic, 4);
  EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\h.stg4_771");
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
  EXPECT_EQ(g_StageEditState.UndoCount(), 0);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 0);
}

TEST_F(StageFileCommands, StagePalettes) {
  g_StageDoc.m_vStageBlock.resize(3);
  g_StageDoc.m_vStageBlock[2] = Record<cEdBlock>(6);
  m_Host.m_Paths = {"data\\plt4\\p.plt4"};
  EXPECT_EQ(Files().SaveStagePaletteFile(), 1);
  g_StageDoc.m_vStageBlock.resize(2);

  WriteFileBytes("data\\plt4\\bad.plt4", Hex("03 03 00 00 09"));
  m_Host.m_Paths = {"data\\plt4\\bad.plt4"};
  EXPECT_EQ(Files().LoadStagePaletteFile(), 0);
  EXPECT_TRUE(BoxShown(m_Shell, "ステージパレットファイル data\\plt4\\bad.plt4 の読み込みに失敗しました！"));
  EXPECT_EQ(m_Shell.m_nDestroys, 0);
  EXPECT_EQ(g_StageDoc.m_vStageBlock.size(), 2u);

  g_StageEditState.m_bStageModified = 1;
  m_Host.m_Paths = {"data\\plt4\\p.plt4"};
  EXPECT_EQ(Files().LoadStagePaletteFile(), 1);
  EXPECT_EQ(g_StageDoc.m_vStageBlock.size(), 3u);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 0);

  BlockWrites("data\\plt4\\q.plt4");
  m_Host.m_Paths = {"data\\plt4\\q.plt4"};
  EXPECT_EQ(Files().SaveStagePaletteFile(), 0);
  EXPECT_TRUE(BoxShown(m_Shell, "ステージパレットファイル data\\plt4\\q.plt4 の保存に失敗しました！"));
}

TEST_F(StageFileCommands, ClosePrompts) {
  struct Case {
    const char* m_pName;
    int m_bStageModified, m_bCommonModified;
    std::vector<int> m_vAnswers;
    bool m_bStageWriteFails, m_bCommonWriteFails;
    int m_nResult;
    size_t m_nQuestions;
    int m_bStageStillModified, m_bCommonStillModified;
  } cases[] = {
      {"nothing changed", 0, 0, {}, false, false, 1, 0, 0, 0},
      {"No and No", 1, 1, {kIdNo, kIdNo}, false, false, 1, 2, 1, 1},
      {"Cancel at the stage", 1, 1, {kIdCancel}, false, false, 0, 1, 1, 1},
      {"Cancel at the common palette", 1, 1, {kIdNo, kIdCancel}, false, false, 0, 2, 1, 1},
      {"Yes and Yes", 1, 1, {kIdYes, kIdYes}, false, false, 1, 2, 0, 0},
      {"the stage's save fails", 1, 1, {kIdYes}, true, false, 0, 1, 1, 1},
      {"the common palette's save fails", 0, 1, {kIdYes}, false, true, 0, 1, 0, 1},
  };
  MakeDirectory("data\\work");
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    // Each case saves a stage file of its own; the failing common palette comes last.
    std::string path = "data\\stg4\\z" + std::to_string(n++) + ".stg4_771";
    if (c.m_bStageWriteFails) BlockWrites(path.c_str());
    if (c.m_bCommonWriteFails) BlockWrites("data\\CommonPalette.cplt4");
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = c.m_vAnswers;
    g_StageEditState.m_strStagePath = path.c_str();
    g_StageEditState.m_bStageModified = c.m_bStageModified;
    g_StageEditState.m_bCommonModified = c.m_bCommonModified;
    EXPECT_EQ(m_Editor.OnClose(), c.m_nResult);
    size_t questions = 0;
    for (const cFakeShell::cBox& box : m_Shell.m_vBoxes) questions += box.m_strCaption == "保存確認";
    EXPECT_EQ(questions, c.m_nQuestions);
    EXPECT_EQ(g_StageEditState.m_bStageModified, c.m_bStageStillModified);
    EXPECT_EQ(g_StageEditState.m_bCommonModified, c.m_bCommonStillModified);
    if (c.m_nQuestions) {
      EXPECT_EQ(m_Shell.m_vBoxes[0].m_nType & 0xF, kMbYesNoCancel);
    }
  }
}

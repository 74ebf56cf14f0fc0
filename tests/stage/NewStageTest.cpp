// The new-stage dialog's logic: the four palette sources, the newest version of the template, the
// question before an open stage is replaced, the choices remembered, and every failure reported
// with the open stage left as it was.
#include "app/DataPaths.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "stage/cNewStage.h"
#include "tests/stage/PaletteTest.h"

namespace {

int g_nOwner;  // stands for the dialog's window

}  // namespace

class NewStage : public PaletteTest {
protected:
  void SetUp() override {
    PaletteTest::SetUp();
    MakeDirectory("data");
    MakeDirectory("data\\stg4");
    MakeDirectory("data\\plt4");
    MakeDirectory("e_data");
    // The open stage, with undo steps to keep or lose.
    g_StageDoc.m_strName = "開いている";
    g_StageEditState.m_strStagePath = "data\\stg4\\open.stg4_771";
    g_StageEditState.PushUndo(kLayerFlagBlock, g_StageDoc);
    g_CommonPalette.m_vBlock.resize(5);
    // Two versions of a template, and a stage palette file.
    WriteTemplate("data\\stg4\\T.stg4_123", "古い", 30);
    WriteTemplate("data\\stg4\\T.stg4_771", "新しい", 25);
    cStageDoc palette;
    palette.m_vStageBlock = {Named<cEdBlock>("f0"), Named<cEdBlock>("f1"), Named<cEdBlock>("f2"),
                             Named<cEdBlock>("f3")};
    palette.m_vStageBlock[0].m_nGraphic = 0;
    ASSERT_TRUE(palette.SaveStagePalette("data\\plt4\\P.plt4"));
    WriteFileBytes("data\\plt4\\bad.plt4", Hex("03 03 00 00 09"));
  }

  static void WriteTemplate(const char* path, const char* name, int width) {
    cStageDoc stage;
    stage.SetSize(width, 16, 0, 0);
    stage.m_strName = name;
    stage.m_vStageBlock = {cEdBlock(), Named<cEdBlock>("t1"), Named<cEdBlock>("t2")};
    ASSERT_TRUE(stage.SaveFile(path));
  }

  static cNewStageChoice Choice(const char* stage, int source, const char* palette = "") {
    cNewStageChoice choice;
    choice.m_strTemplate = stage;
    choice.m_nPaletteSource = source;
    choice.m_strPaletteFile = palette;
    return choice;
  }

  // The open stage is still the one the test began with.
  void ExpectOpenStageKept() {
    EXPECT_EQ(g_StageDoc.m_strName, "開いている");
    EXPECT_EQ(g_StageDoc.m_nWidth, 4);
    EXPECT_EQ(ListText(g_StageDoc.m_vStageBlock), "_ p C<c3 r s<s1");
    EXPECT_EQ(g_StageEditState.m_strStagePath, "data\\stg4\\open.stg4_771");
    EXPECT_EQ(g_StageEditState.UndoCount(), 1);
    EXPECT_EQ(m_Host.m_nPopups, 0);
  }

  cEditConfig m_Config;
  cNewStage m_New{g_StageDoc, g_CommonPalette, g_StageEditState, m_Host, m_Config};
};

TEST_F(NewStage, PaletteSources) {
  struct Case {
    const char* m_pName;
    const char* m_pTemplate;
    int m_nSource;
    const char* m_pPaletteFile;
    const char* m_pStageName;
    int m_nWidth;
    const char* m_pBlocks;
  } cases[] = {
      {"the template's newest version with its palette", "data\\stg4\\T.stg4_123", 0, "", "新しい", 25, "_ t1 t2"},
      {"no template: a new stage", "", 0, "", "", 20, "_ A<c1"},
      {"an empty palette", "data\\stg4\\T.stg4_771", 1, "", "新しい", 25, "_ A<c1"},
      {"the common palette, following it", "data\\stg4\\T.stg4_771", 2, "", "新しい", 25, "_ A<c1 B<c2 C<c3 D<c4"},
      {"a stage palette file, its entry 0 as read", "", 3, "data\\plt4\\P.plt4", "", 20, "f0 f1 f2 f3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    Restart();
    g_StageEditState.m_bStageOpen = 0;
    EXPECT_EQ(m_New.Create(Choice(c.m_pTemplate, c.m_nSource, c.m_pPaletteFile), &g_nOwner), kNewStageMade);
    EXPECT_EQ(g_StageDoc.m_strName, c.m_pStageName);
    EXPECT_EQ(g_StageDoc.m_nWidth, c.m_nWidth);
    EXPECT_EQ(g_StageDoc.m_nHeight, c.m_pTemplate[0] ? 16 : 15);
    EXPECT_EQ(ListText(g_StageDoc.m_vStageBlock), c.m_pBlocks);
    // Every list has its two entries.
    EXPECT_GE(g_StageDoc.m_vStageChara.Count(), 2);
    EXPECT_GE(g_StageDoc.m_vStageItem.Count(), 2);
    EXPECT_EQ(g_StageDoc.m_vBackground.Count(), 1);
    EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
    EXPECT_EQ(g_StageEditState.m_strStagePath, "");
    EXPECT_EQ(g_StageEditState.UndoLevels(), 0);
    EXPECT_EQ(m_Host.m_nPopups, 0);
    EXPECT_EQ(m_Host.m_strPopup, "ステージを作成しています... / ステージの新規作成");
    EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  }
}

TEST_F(NewStage, ChoicesAreRemembered) {
  g_StageEditState.m_bStageOpen = 0;
  m_Config.m_strNewStageTemplate = "data\\stg4\\前回.stg4_771";
  m_Config.m_nNewStagePaletteSource = 1;
  cNewStageChoice remembered = m_New.Remembered();
  EXPECT_EQ(remembered.m_strTemplate, "data\\stg4\\前回.stg4_771");
  EXPECT_EQ(remembered.m_nPaletteSource, 1);

  ASSERT_EQ(m_New.Create(Choice("data\\stg4\\T.stg4_771", 3, "data\\plt4\\P.plt4"), &g_nOwner), kNewStageMade);
  cEditConfig saved;
  ASSERT_TRUE(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()));
  EXPECT_EQ(saved.m_strNewStageTemplate, "data\\stg4\\T.stg4_771");
  EXPECT_EQ(saved.m_nNewStagePaletteSource, 3);
  EXPECT_EQ(saved.m_strNewStagePaletteFile, "data\\plt4\\P.plt4");
}

TEST_F(NewStage, AskedBeforeTheOpenStageIsReplaced) {
  struct Case {
    int m_nAnswer;
    int m_nResult;
  } cases[] = {{kIdNo, kNewStageNotMade}, {kIdYes, kNewStageMade}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_nAnswer);
    Restart();
    g_StageDoc.m_strName = "開いている";
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {c.m_nAnswer};
    EXPECT_EQ(m_New.Create(Choice("", kNewPaletteOfCommon), &g_nOwner), c.m_nResult);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
    const cFakeShell::cBox& box = m_Shell.m_vBoxes[0];
    EXPECT_EQ(box.m_strText, "現在のステージは破棄されます。\n新規作成しますか？\n");
    EXPECT_EQ(box.m_strCaption, "新規作成の確認");
    EXPECT_EQ(box.m_nType, static_cast<unsigned>(kMbYesNo));
    EXPECT_EQ(box.m_pOwner, &g_nOwner);
    EXPECT_EQ(g_StageDoc.m_strName, c.m_nResult == kNewStageMade ? "" : "開いている");
    // A No neither remembers the choice nor saves the configuration.
    EXPECT_EQ(m_Config.m_nNewStagePaletteSource, c.m_nResult == kNewStageMade ? kNewPaletteOfCommon : kNewPaletteEmpty);
    EXPECT_EQ(FileExists(g_DataPaths[kPathEditConfig].GetStr()), c.m_nResult == kNewStageMade);
  }
}

TEST_F(NewStage, FailuresLeaveTheOpenStage) {
  struct Case {
    const char* m_pName;
    cNewStageChoice m_Choice;
    int m_nResult;
    const char* m_pBox;
  } cases[] = {
      {"a missing stage palette file", Choice("", 3, "data\\plt4\\none.plt4"), kNewStageNotMade,
       "ステージパレットファイル data\\plt4\\none.plt4 が見つかりません！"},
      {"a damaged stage palette file", Choice("data\\stg4\\T.stg4_771", 3, "data\\plt4\\bad.plt4"), kNewStageKeepOpen,
       "ステージパレットファイル data\\plt4\\bad.plt4 の読み込みに失敗しました！"},
      {"a missing template", Choice("data\\stg4\\無い.stg4_771", 0), kNewStageNotMade,
       "ステージファイル data\\stg4\\無い.stg4_771 が見つかりません！"},
      {"a damaged template", Choice("data\\stg4\\cut.stg4_771", 2), kNewStageNotMade,
       "ステージファイル data\\stg4\\cut.stg4_771 が見つかりません！"},
      {"a stage palette file of a newer version", Choice("", 3, "data\\plt4\\new.plt4"), kNewStageKeepOpen,
       "data\\plt4\\new.plt4 は新しいバージョンのヴォンタリスで保存されたファイルです！\n"
       "このバージョンでは読み込むことも上書きすることもできません。"},
      {"a template of a newer version", Choice("data\\stg4\\New.stg4_771", 0), kNewStageNotMade,
       "data\\stg4\\New.stg4_771 は新しいバージョンのヴォンタリスで保存されたファイルです！\n"
       "このバージョンでは読み込むことも上書きすることもできません。"},
  };
  WriteFileBytes("data\\plt4\\new.plt4", Cat({U32(kDataVersion + 1), U32(0), U32(0), U32(0)}));
  WriteFileBytes("data\\stg4\\New.stg4_771", Cat({U32(kDataVersion + 1), Bytes(40, 0), U32(kStageEndMarker)}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    Restart();
    g_StageDoc.m_strName = "開いている";
    Bytes whole = ReadFileBytes("data\\stg4\\T.stg4_771");
    WriteFileBytes("data\\stg4\\cut.stg4_771", Bytes(whole.begin(), whole.begin() + 200));
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {kIdYes};
    EXPECT_EQ(m_New.Create(c.m_Choice, &g_nOwner), c.m_nResult);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u);
    EXPECT_EQ(m_Shell.m_vBoxes[1].m_strText, c.m_pBox);
    EXPECT_EQ(m_Shell.m_vBoxes[1].m_strCaption, "エラー");
    ExpectOpenStageKept();
    EXPECT_EQ(m_Shell.m_nDestroys, 0);
    EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
    EXPECT_FALSE(FileExists(g_DataPaths[kPathEditConfig].GetStr()));
  }
}

TEST_F(NewStage, TheDialogsControls) {
  // The palette file's edit and button are for a stage palette file only.
  const struct {
    int m_nSource, m_nEnabled;
  } rows[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {-1, -1}, {4, -1}};
  for (const auto& row : rows) EXPECT_EQ(cNewStage::PaletteFileEnabled(row.m_nSource), row.m_nEnabled) << row.m_nSource;

  struct Browse {
    const char* m_pName;
    int m_bPalette;
    std::string m_strChosen;
    int m_nResult;
    const char* m_pPath;
  } browses[] = {
      {"a template", 0, "data\\stg4\\選んだ.stg4_771", 1, "data\\stg4\\選んだ.stg4_771"},
      {"a palette file", 1, "data\\plt4\\選んだ.plt4", 1, "data\\plt4\\選んだ.plt4"},
      {"cancelled", 0, "", 0, "元"},
#ifdef _WIN32
      {"on another drive", 1, "Q:\\elsewhere\\a.plt4", 0, "元"},
#else
      {"on another drive", 1, "/elsewhere/a.plt4", 0, "元"},
#endif
  };
  for (const Browse& b : browses) {
    SCOPED_TRACE(b.m_pName);
    m_Host.m_vChoices.clear();
    m_Host.m_Paths = {b.m_strChosen};
    cString path = "元";
    int result = b.m_bPalette ? m_New.BrowsePaletteFile(path, &g_nOwner) : m_New.BrowseTemplate(path, &g_nOwner);
    EXPECT_EQ(result, b.m_nResult);
    EXPECT_EQ(path, b.m_pPath);
    ASSERT_EQ(m_Host.m_vChoices.size(), 1u);
    const cFileChoice& choice = m_Host.m_vChoices[0];
    EXPECT_EQ(choice.m_pOwner, &g_nOwner);
    EXPECT_EQ(choice.m_bSave, 0);
    EXPECT_EQ(choice.m_strFolder, b.m_bPalette ? "data\\plt4\\" : "data\\stg4\\");
    EXPECT_EQ(choice.m_strTitle, b.m_bPalette ? "ステージパレットの選択" : "ステージの選択");
    EXPECT_EQ(choice.m_strFilter, b.m_bPalette ? std::string("PaletteFile ( *.plt4 )\0*.plt4\0", 30)
                                               : std::string("StageFile ( *.stg4_* )\0*.stg4_*\0", 32));
    EXPECT_EQ(choice.m_strDefaultExtension, b.m_bPalette ? "plt4" : "stg4_*");
  }
}

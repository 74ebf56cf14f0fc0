// The new-stage dialog (template 247) as the stage editor's "new" command opens it: the controls
// with the choices of the last use, the four palette sources, the newest version of a template,
// the question before the open stage is replaced, the browse buttons and every failure's report.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cEditConfig.h"
#include "app/win/FileDialogs.h"
#include "stage/cNewStage.h"
#include "tests/stage/win/PaletteWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"

namespace {

const char kTemplateLabel[] =
    "コピーするステージファイルのパス（テンプレート）\n※実際に読み込まれるファイルは、最も新しいバージョン（同名ファイル"
    "の中で拡張子の最後の番号が最も大きいもの）になります。";

void Choose(HWND dialog, int row) {
  SendDlgItemMessageA(dialog, kIdcNewStagePaletteSource, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendItemCommand(dialog, kIdcNewStagePaletteSource, CBN_SELCHANGE);
}

// Answers the open-file dialog with a path and notes what it was asked.
class cFileChoiceAnswer : public cFileDialogSeam {
public:
  cFileChoiceAnswer() { SetFileDialogSeam(this); }
  ~cFileChoiceAnswer() override { SetFileDialogSeam(nullptr); }
  BOOL RunOpen(OPENFILENAMEA& record) override {
    m_hOwner = record.hwndOwner;
    m_strFolder = record.lpstrInitialDir ? record.lpstrInitialDir : "";
    m_strTitle = record.lpstrTitle ? record.lpstrTitle : "";
    m_strFilter = record.lpstrFilter ? record.lpstrFilter : "";
    if (m_strAnswer.empty()) return FALSE;
    std::snprintf(record.lpstrFile, record.nMaxFile, "%s", m_strAnswer.c_str());
    return TRUE;
  }
  std::string m_strAnswer;
  HWND m_hOwner = nullptr;
  std::string m_strFolder, m_strTitle, m_strFilter;
};

class NewStageWndTest : public PaletteWndTest {
protected:
  void SetUp() override {
    PaletteWndTest::SetUp();
    WriteTemplate("data\\stg4\\T.stg4_123", "古い", 30);
    WriteTemplate("data\\stg4\\T.stg4_771", "新しい", 25);
    cStageDoc palette;
    palette.m_vStageBlock = {Named<cEdBlock>("f0"), Named<cEdBlock>("f1"), Named<cEdBlock>("f2"),
                             Named<cEdBlock>("f3")};
    palette.m_vStageBlock[0].m_nGraphic = 0;
    ASSERT_TRUE(palette.SaveStagePalette("data\\plt4\\P.plt4"));
    WriteFileBytes("data\\plt4\\bad.plt4", Hex("03 03 00 00 09"));
    OpenPalettes();
    g_StageDoc.m_strName = "開いている";
  }

  static void WriteTemplate(const char* path, const char* name, int width) {
    cStageDoc stage;
    stage.SetSize(width, 16, 0, 0);
    stage.m_strName = name;
    stage.m_vStageBlock = {cEdBlock(), Named<cEdBlock>("t1"), Named<cEdBlock>("t2")};
    ASSERT_TRUE(stage.SaveFile(path));
  }

  // The "new" command with the dialog driven by the action; whether the dialog ran.
  bool RunNew(std::function<void(HWND)> action) {
    cModalDriver driver(std::move(action));
    Command(40079);
    EXPECT_FALSE(driver.TimedOut());
    return driver.Ran();
  }

  // Fills in the dialog and presses OK; whether the dialog is still open afterwards.
  static bool Fill(HWND dialog, const char* stage, int source, const char* palette) {
    SetDlgItemTextA(dialog, kIdcNewStageTemplatePath, stage);
    Choose(dialog, source);
    SetDlgItemTextA(dialog, kIdcNewStagePalettePath, palette);
    SendItemCommand(dialog, kIdcOk);
    return IsWindow(dialog) && IsWindowVisible(dialog);
  }
};

}  // namespace

TEST_F(NewStageWndTest, TheControlsShowTheChoicesOfTheLastUse) {
  EditConfig.m_strNewStageTemplate = "data\\stg4\\前回.stg4_771";
  EditConfig.m_nNewStagePaletteSource = 3;
  EditConfig.m_strNewStagePaletteFile = "data\\plt4\\前回.plt4";
  bool ran = RunNew([&](HWND dialog) {
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, "ステージの新規作成");
    EXPECT_FALSE(IsWindowEnabled(Window())) << "the other windows are disabled while it runs";
    EXPECT_FALSE(IsWindowEnabled(Common(0).m_hWnd));
    EXPECT_EQ(ItemText(dialog, kIdcNewStageTemplatePath), "data\\stg4\\前回.stg4_771");
    EXPECT_EQ(ItemText(dialog, kIdcNewStagePalettePath), "data\\plt4\\前回.plt4");
    ASSERT_EQ(SendDlgItemMessageA(dialog, kIdcNewStagePaletteSource, CB_GETCOUNT, 0, 0), 4);
    for (int row = 0; row < 4; ++row) {
      char text[128] = {};
      SendDlgItemMessageA(dialog, kIdcNewStagePaletteSource, CB_GETLBTEXT, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(text));
      EXPECT_EQ(text, g_PaletteSourceNames[row]) << row;
    }
    EXPECT_EQ(SendDlgItemMessageA(dialog, kIdcNewStagePaletteSource, CB_GETCURSEL, 0, 0), 3);
    // The palette file only for a palette from a file.
    for (int row : {3, 0, 1, 2, 3}) {
      Choose(dialog, row);
      EXPECT_EQ(Enabled(dialog, kIdcNewStagePalettePath), row == 3) << row;
      EXPECT_EQ(Enabled(dialog, kIdcNewStageBrowsePalette), row == 3) << row;
    }
    bool label = false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char text[512] = {};
      GetWindowTextA(child, text, sizeof text);
      label = label || std::string(text) == kTemplateLabel;
    }
    EXPECT_TRUE(label);
    ExpectLabelsInside(dialog);
    HoldForShot(1, HoldMilliseconds());
    SendItemCommand(dialog, kIdcCancel);
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(RebuildPosted());
  EXPECT_EQ(g_StageDoc.m_strName, "開いている");
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_FALSE(FileThere(g_DataPaths[kPathEditConfig].GetStr())) << "Cancel saves nothing";
}

TEST_F(NewStageWndTest, EachPaletteSourceMakesTheStage) {
  const struct {
    const char* m_pName;
    const char* m_pTemplate;
    int m_nSource;
    const char* m_pPaletteFile;
    const char* m_pStageName;
    int m_nWidth;
    const char* m_pBlocks;
    int m_nBlockCount;
  } rows[] = {
      {"the template's newest version with its palette", "data\\stg4\\T.stg4_123", 0, "", "新しい", 25, "_ t1 t2", 3},
      {"an empty palette", "data\\stg4\\T.stg4_771", 1, "", "新しい", 25, "_ A<c1", 2},
      {"the common palette, following it", "data\\stg4\\T.stg4_123", 2, "", "新しい", 25,
       "_ A<c1 B<c2 C<c3 D<c4 E<c5 F<c6", 7},
      {"a stage palette file", "", 3, "data\\plt4\\P.plt4", "", 20, "f0 f1 f2 f3", 4},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    TearDown();
    SetUp();
    cBoxAnswerer answerer({IDYES});
    HWND shown = nullptr;
    EXPECT_TRUE(RunNew([&](HWND dialog) {
      shown = dialog;
      EXPECT_FALSE(Fill(dialog, row.m_pTemplate, row.m_nSource, row.m_pPaletteFile)) << "OK closes the dialog";
    }));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].m_strText, "現在のステージは破棄されます。\n新規作成しますか？\n");
    EXPECT_EQ(answerer.Seen()[0].m_strCaption, "新規作成の確認");
    EXPECT_EQ(answerer.Seen()[0].m_hOwner, shown);
    EXPECT_EQ(g_StageDoc.m_strName, row.m_pStageName);
    EXPECT_EQ(g_StageDoc.m_nWidth, row.m_nWidth);
    EXPECT_EQ(ListText(g_StageDoc.m_vStageBlock), row.m_pBlocks);
    EXPECT_EQ(g_StageEditState.m_bStageOpen, 1);
    EXPECT_EQ(g_StageEditState.m_strStagePath, "");
    EXPECT_EQ(g_StageEditState.m_bStageModified, 0);
    EXPECT_TRUE(RebuildPosted());
    // The choices are remembered in the saved editor configuration.
    cEditConfig saved;
    ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()), 1);
    EXPECT_EQ(saved.m_strNewStageTemplate, row.m_pTemplate);
    EXPECT_EQ(saved.m_nNewStagePaletteSource, row.m_nSource);
    EXPECT_EQ(saved.m_strNewStagePaletteFile, row.m_pPaletteFile);
    // The rebuilt editor shows the new stage palette.
    SendMessageA(g_hMainWnd, WM_USER, 1, 0);
    EXPECT_EQ(Stage(0).Pane().GetEntryCount(), row.m_nBlockCount);
    EXPECT_TRUE(IsWindowVisible(Stage(0).m_hWnd));
  }
}

TEST_F(NewStageWndTest, NoToTheQuestionKeepsTheOpenStage) {
  cBoxAnswerer answerer({IDNO});
  EXPECT_TRUE(RunNew([&](HWND dialog) { EXPECT_FALSE(Fill(dialog, "", 2, "")); }));
  EXPECT_EQ(answerer.Seen().size(), 1u);
  EXPECT_EQ(g_StageDoc.m_strName, "開いている");
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[-]");
  EXPECT_FALSE(RebuildPosted());
}

TEST_F(NewStageWndTest, FailuresAreReportedAndLeaveTheOpenStage) {
  const struct {
    const char* m_pName;
    const char* m_pTemplate;
    int m_nSource;
    const char* m_pPaletteFile;
    bool m_bStaysOpen;
    const char* m_pBox;
  } rows[] = {
      {"a missing template", "data\\stg4\\無い.stg4_771", 0, "", false,
       "ステージファイル data\\stg4\\無い.stg4_771 が見つかりません！"},
      {"a missing stage palette file", "", 3, "data\\plt4\\none.plt4", false,
       "ステージパレットファイル data\\plt4\\none.plt4 が見つかりません！"},
      {"a damaged stage palette file", "data\\stg4\\T.stg4_771", 3, "data\\plt4\\bad.plt4", true,
       "ステージパレットファイル data\\plt4\\bad.plt4 の読み込みに失敗しました！"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    TearDown();
    SetUp();
    cBoxAnswerer answerer({IDYES, IDOK});
    bool open = false;
    EXPECT_TRUE(RunNew([&](HWND dialog) {
      open = Fill(dialog, row.m_pTemplate, row.m_nSource, row.m_pPaletteFile);
      if (!open) return;
      // The dialog that stays keeps what was typed, for another file, and the windows behind it
      // stay disabled after the status popup has gone.
      EXPECT_EQ(ItemText(dialog, kIdcNewStagePalettePath), row.m_pPaletteFile);
      EXPECT_FALSE(IsWindowEnabled(Window()));
      EXPECT_FALSE(IsWindowEnabled(Stage(0).m_hWnd));
      SendItemCommand(dialog, kIdcCancel);
    }));
    EXPECT_EQ(open, row.m_bStaysOpen);
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(answerer.Seen()[1].m_strText, row.m_pBox);
    EXPECT_EQ(answerer.Seen()[1].m_strCaption, "エラー");
    EXPECT_EQ(g_StageDoc.m_strName, "開いている");
    EXPECT_EQ(g_StageDoc.m_nWidth, 4);
    EXPECT_EQ(ListText(g_StageDoc.m_vStageBlock), "_ p C<c3 r s<s1");
    EXPECT_EQ(g_StageEditState.UndoLevels(), 5) << "the undo steps stay with the stage";
    EXPECT_FALSE(RebuildPosted());
    EXPECT_TRUE(IsWindowEnabled(Window()));
  }
}

TEST_F(NewStageWndTest, BrowseButtonsChooseFilesRelativeToTheWorkingFolder) {
  cFileChoiceAnswer files;
  cBoxAnswerer answerer({IDYES});
  EXPECT_TRUE(RunNew([&](HWND dialog) {
    files.m_strAnswer = Here() + "\\data\\stg4\\T.stg4_123";
    SendItemCommand(dialog, kIdcNewStageBrowseTemplate);
    EXPECT_EQ(files.m_hOwner, dialog) << "the dialog owns the file dialog";
    EXPECT_EQ(files.m_strFolder, "data\\stg4\\");
    EXPECT_EQ(files.m_strTitle, "ステージの選択");
    EXPECT_EQ(files.m_strFilter, "StageFile ( *.stg4_* )");
    EXPECT_EQ(ItemText(dialog, kIdcNewStageTemplatePath), ".\\data\\stg4\\T.stg4_123");
    files.m_strAnswer.clear();
    SendItemCommand(dialog, kIdcNewStageBrowseTemplate);
    EXPECT_EQ(ItemText(dialog, kIdcNewStageTemplatePath), ".\\data\\stg4\\T.stg4_123") << "a cancelled choice";
    Choose(dialog, kNewPaletteOfFile);
    files.m_strAnswer = Here() + "\\data\\plt4\\P.plt4";
    SendItemCommand(dialog, kIdcNewStageBrowsePalette);
    EXPECT_EQ(files.m_strFolder, "data\\plt4\\");
    EXPECT_EQ(files.m_strTitle, "ステージパレットの選択");
    EXPECT_EQ(files.m_strFilter, "PaletteFile ( *.plt4 )");
    EXPECT_EQ(ItemText(dialog, kIdcNewStagePalettePath), ".\\data\\plt4\\P.plt4");
    SendItemCommand(dialog, kIdcOk);
  }));
  EXPECT_EQ(g_StageDoc.m_strName, "新しい") << "the newest version of the chosen template";
  EXPECT_EQ(ListText(g_StageDoc.m_vStageBlock), "f0 f1 f2 f3");
  EXPECT_TRUE(RebuildPosted());
}

// The project options sheet as a user meets it: opened over an owner window, driven through its
// controls and buttons, checked against the global options and data\PrjOption.dat.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cDataStream.h"
#include "app/win/FileDialogs.h"
#include "project/ProjectOptionsPages.h"
#include "project/win/cPrjPages.h"
#include "project/win/cProjectOptionSheet.h"
#include "stage/cStageEditState.h"
#include "tests/project/win/FileAnswer.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/ProjectOptionsFixture.h"
#include "tests/support/RefusedAllocation.h"
#include "tests/project/win/WindowPicture.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/WindowTest.h"

namespace {

constexpr int kApplyButton = 0x3021;

}  // namespace

TEST_F(ProjectOptionsTest, ThePagesShowTheOptionsAsStored) {
  P.m_bbDefInherit[0][1][5] = 1;
  P.m_bbDefInherit[1][2][0] = 0;
  P.m_nDefInheritPal[2][0] = 0;
  P.m_nOldStageMode = cProjectSettings::kOldStageDelete;
  P.m_strGameProgram = ".\\bin\\Game.exe";
  ASSERT_EQ(Open(), 1);
  char text[64] = {};
  GetWindowTextA(Sheet()->m_hWndSheet, text, sizeof text);
  EXPECT_STREQ(text, "プロジェクトオプション");
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  EXPECT_TRUE(Checked(general, kIdcAutoGameProgram));
  EXPECT_FALSE(Enabled(general, kIdcGameProgram)) << "the automatic search needs no path";
  GetDlgItemTextA(general, kIdcGameProgram, text, sizeof text);
  EXPECT_STREQ(text, ".\\bin\\Game.exe");
  EXPECT_EQ(SendDlgItemMessageA(general, kIdcOldStageMode, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendDlgItemMessageA(general, kIdcOldStageMode, CB_GETCURSEL, 0, 0), 2);

  HWND inherit = ShowPage(cProjectOptionSheet::kPageInherit);
  cVector<cInheritCheck> checks;
  ASSERT_EQ(BuildInheritChecks(P, checks), 1);
  for (const cInheritCheck& check : checks)
    EXPECT_EQ(Checked(inherit, check.m_nId), *check.m_pFlag != 0) << check.m_nId;
  for (int kind = 0; kind < 3; ++kind) {
    for (int situation = 0; situation < 3; ++situation) {
      uint16_t id = kIdcInheritPalette[kind][situation];
      EXPECT_EQ(SendDlgItemMessageA(inherit, id, CB_GETCOUNT, 0, 0), 2) << id;
      int row = P.m_nDefInheritPal[situation][kind] ? 1 : 0;
      EXPECT_EQ(SendDlgItemMessageA(inherit, id, CB_GETCURSEL, 0, 0), row) << id;
    }
  }
  SendDlgItemMessageA(inherit, kIdcInheritPalette[0][2], CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "ステージパレット");
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(ProjectOptionsTest, ApplyStoresEveryBoxAndComboAndWritesTheFile) {
  ASSERT_EQ(Open(), 1);
  cProjectSettings before = P;
  HWND inherit = ShowPage(cProjectOptionSheet::kPageInherit);
  cVector<cInheritCheck> checks;
  ASSERT_EQ(BuildInheritChecks(P, checks), 1);
  for (const cInheritCheck& check : checks) SetCheckAsUser(inherit, check.m_nId, !*check.m_pFlag);
  ChooseRow(inherit, kIdcInheritPalette[0][2], 0);  // block, stage palette placed: none
  ChooseRow(inherit, kIdcInheritPalette[1][0], 1);  // character, new stage entry: the common palette
  ChooseRow(inherit, kIdcInheritPalette[2][1], 0);  // item, common palette placed: none
  EXPECT_EQ(P.m_bbDefInherit[0][0], before.m_bbDefInherit[0][0]) << "nothing reaches the options before the apply";
  PressApply();
  for (int situation = 0; situation < 3; ++situation)
    for (int kind = 0; kind < 3; ++kind)
      for (int group = 0; group < P.m_bbDefInherit[situation][kind].Count(); ++group)
        EXPECT_EQ(P.m_bbDefInherit[situation][kind][group], before.m_bbDefInherit[situation][kind][group] ? 0 : 1)
            << situation << " " << kind << " " << group;
  EXPECT_EQ(P.m_nDefInheritPal[2][0], 0);
  EXPECT_EQ(P.m_nDefInheritPal[0][1], 1);
  EXPECT_EQ(P.m_nDefInheritPal[1][2], 0);
  EXPECT_EQ(P.m_nDefInheritPal[2][1], 2) << "a situation-2 combo left alone keeps the stage palette, 2";
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), SavedFile());

  // Choosing the stage palette in situation 2 stores 2, and it comes back from the file.
  ChooseRow(inherit, kIdcInheritPalette[0][2], 1);
  PressApply();
  EXPECT_EQ(P.m_nDefInheritPal[2][0], 2);
  cProjectSettings loaded;
  ASSERT_EQ(loaded.LoadFile(g_DataPaths[kPathProjectOptions].GetStr()), 1);
  EXPECT_EQ(loaded.m_nDefInheritPal[2][0], 2);
  EXPECT_EQ(loaded.m_bbDefInherit[1][1], P.m_bbDefInherit[1][1]);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(ProjectOptionsTest, TheGameProgramPathIsTypedWhenTheSearchIsOffAndKeptToItsLength) {
  ASSERT_EQ(Open(), 1);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  SetCheckAsUser(general, kIdcAutoGameProgram, false);
  EXPECT_TRUE(Enabled(general, kIdcGameProgram));
  EnterText(general, kIdcGameProgram, ".\\test\\Game.exe");
  PressApply();
  EXPECT_EQ(P.m_bAutoGameProgram, 0);
  EXPECT_EQ(P.m_strGameProgram, ".\\test\\Game.exe");
  std::string longer(300, 'g');
  EnterText(general, kIdcGameProgram, longer.c_str());
  PressApply();
  EXPECT_EQ(P.m_strGameProgram, longer.substr(0, 259)) << "the finder's 260-byte buffer holds it with its zero";
  SetCheckAsUser(general, kIdcAutoGameProgram, true);
  EXPECT_FALSE(Enabled(general, kIdcGameProgram));
  ChooseRow(general, kIdcOldStageMode, 1);
  PressApply();
  EXPECT_EQ(P.m_bAutoGameProgram, 1);
  EXPECT_EQ(P.m_nOldStageMode, cProjectSettings::kOldStageKeep);
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), SavedFile());
}

TEST_F(ProjectOptionsTest, BrowsePutsTheChosenProgramRelativeToTheWorkingFolder) {
  cOpenFileAnswer chosen;
  CreateDirectoryA("game", nullptr);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  ASSERT_EQ(Open(), 1);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  chosen.m_strAnswer = std::string(folder) + "\\game\\ゲーム.exe";
  ClickButton(general, kIdcGameProgramBrowse);
  EXPECT_EQ(chosen.m_strFolder, ".\\");
  EXPECT_EQ(chosen.m_strTitle, "ゲームプログラムの選択");
  EXPECT_EQ(chosen.m_strFilter, "ExeFile ( *.exe )|*.exe");
  char shown[MAX_PATH] = {};
  GetDlgItemTextA(general, kIdcGameProgram, shown, sizeof shown);
  EXPECT_STREQ(shown, ".\\game\\ゲーム.exe");
  EXPECT_EQ(P.m_strGameProgram, ".\\game\\ゲーム.exe") << "the choice goes into the options at once";
  // Another drive has no relative path, and a cancelled dialog chooses nothing: both leave it.
  for (const char* path : {"Q:\\other\\Game.exe", ""}) {
    chosen.m_strAnswer = path;
    ClickButton(general, kIdcGameProgramBrowse);
    GetDlgItemTextA(general, kIdcGameProgram, shown, sizeof shown);
    EXPECT_STREQ(shown, ".\\game\\ゲーム.exe") << path;
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(ProjectOptionsTest, ApplyRewritesAnUnchangedFileAndCancelStoresNothing) {
  ASSERT_EQ(Open(), 1);
  ShowPage(cProjectOptionSheet::kPageInherit);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  PressApply();
  ASSERT_TRUE(FileThere("data/PrjOption.dat"));
  DeleteFileA("data\\PrjOption.dat");
  PressApply();
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), SavedFile()) << "written again with nothing changed";
  ChooseRow(general, kIdcOldStageMode, 2);
  EndSheet(PSBTN_CANCEL);
  EXPECT_EQ(m_pSheet, nullptr) << "the window list ended the sheet";
  EXPECT_EQ(P.m_nOldStageMode, cProjectSettings::kOldStageMove);
  EXPECT_EQ(m_nClosed, 1) << "the owner shows its windows again";
}

TEST_F(ProjectOptionsTest, OkStoresAndTheOwnerIsToldOnceWhenTheSheetGoes) {
  ASSERT_EQ(Open(), 1);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  ChooseRow(general, kIdcOldStageMode, 2);
  EndSheet(PSBTN_OK);
  EXPECT_EQ(m_pSheet, nullptr);
  EXPECT_EQ(P.m_nOldStageMode, cProjectSettings::kOldStageDelete);
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), SavedFile());
  EXPECT_EQ(m_nClosed, 1);
}

TEST_F(ProjectOptionsTest, AFailedSaveIsToldByPathAndKeepsApplyEnabled) {
  CreateDirectoryA("data\\PrjOption.dat.~tmp", nullptr);  // the save's temporary cannot be made
  ASSERT_EQ(Open(), 1);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  ChooseRow(general, kIdcOldStageMode, 1);
  PressApply();
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            std::string(g_DataPaths[kPathProjectOptions].GetStr()) +
                " の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Sheet()->m_hWndSheet, kApplyButton)));
  EXPECT_FALSE(FileThere("data/PrjOption.dat"));
  EndSheet(PSBTN_OK);
  ASSERT_NE(m_pSheet, nullptr) << "OK keeps the sheet open while the file is not written";
  RemoveDirectoryA("data\\PrjOption.dat.~tmp");
  EndSheet(PSBTN_OK);
  EXPECT_EQ(m_pSheet, nullptr);
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), SavedFile());
  EXPECT_EQ(P.m_nOldStageMode, cProjectSettings::kOldStageKeep);
}

TEST_F(ProjectOptionsTest, TheDefaultRecordsButtonsPointTheEditorAtTheDefaultsAndAskForTheirSheets) {
  ASSERT_EQ(Open(), 1);
  HWND general = ShowPage(cProjectOptionSheet::kPageGeneral);
  struct cCase {
    uint16_t m_nId;
    const void* m_pRecord;
  } cases[] = {{kIdcDefBlock, &P.m_DefBlock}, {kIdcDefChara, &P.m_DefChara}, {kIdcDefItem, &P.m_DefItem}};
  for (const cCase& c : cases) {
    ClickButton(general, c.m_nId);
    EXPECT_EQ(g_StageEditState.m_nEditContext, 3);
    const void* edited = g_StageEditState.m_pEditBlock   ? static_cast<const void*>(g_StageEditState.m_pEditBlock)
                         : g_StageEditState.m_pEditChara ? static_cast<const void*>(g_StageEditState.m_pEditChara)
                                                         : static_cast<const void*>(g_StageEditState.m_pEditItem);
    EXPECT_EQ(edited, c.m_pRecord) << c.m_nId;
  }
  EXPECT_EQ(m_vSheetKinds, (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(IsWindow(Sheet()->m_hWndSheet)) << "the options stay open";
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Sheet()->m_hWndSheet, kApplyButton))) << "a button counts as a change";
}

TEST_F(ProjectOptionsTest, ASheetShortOfAPageDoesNotRun) {
  for (int missing : {1, 2}) {
    RefuseNothrowAllocation(missing);
    EXPECT_EQ(Open(), 0) << "page " << missing;
    RefuseNothrowAllocation(0);
    EXPECT_EQ(Sheet()->m_hWndSheet, nullptr);
    EXPECT_EQ(Sheet()->m_apPages[missing - 1], nullptr);
    ASSERT_FALSE(m_Shell.m_vBoxes.empty());
    EXPECT_EQ(m_Shell.m_vBoxes.back().m_strText, "メモリが不足しています！");
    EXPECT_EQ(m_nClosed, missing) << "the owner shows its windows again";
    EXPECT_FALSE(FileThere("data/PrjOption.dat"));
  }
  EXPECT_EQ(m_Shell.m_vBoxes.size(), 2u);
}

TEST_F(ProjectOptionsTest, EveryLabelFitsInsideItsControl) {
  ASSERT_EQ(Open(), 1);
  const char* const names[cProjectOptionSheet::kPageCount] = {"options_general", "options_inherit"};
  for (int page = 0; page < cProjectOptionSheet::kPageCount; ++page) {
    SCOPED_TRACE(names[page]);
    ExpectLabelsInside(ShowPage(page));
    SaveScreenshot(Sheet()->m_hWndSheet, names[page], &m_List);
  }
}

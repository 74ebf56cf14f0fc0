// The project's option windows as the stage editor window opens them from its menu: the project
// options sheet beside the hidden editor, and the stage options, edit options and bitmap tool run
// modally with the other windows disabled.
#include <gtest/gtest.h>

#include <string>

#include "project/ProjectOptionsPages.h"
#include "project/StageOptions.h"
#include "project/cProjectSettings.h"
#include "project/win/cPrjPages.h"
#include "project/win/cProjectOptionSheet.h"
#include "tests/stage/win/StageWndTest.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
std::string Caption(HWND window) {
  char text[128] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}
void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
}  // namespace

TEST_F(StageWndTest, ProjectOptionsOpenBesideTheHiddenEditorWhichComesBackWhenTheyClose) {
  OpenStage(20, 15);
  Command(kIdmProjectOptions);
  auto* sheet = static_cast<cProjectOptionSheet*>(Editor().m_pProjectOptionsSheet);
  ASSERT_NE(sheet, nullptr);
  ASSERT_NE(sheet->m_hWndSheet, nullptr);
  EXPECT_EQ(Caption(sheet->m_hWndSheet), "プロジェクトオプション");
  EXPECT_FALSE(IsWindowVisible(Window()));
  EXPECT_FALSE(IsWindowEnabled(Window()));
  // A default record's button asks the element editors for its data sheet.
  Click(sheet->m_apPages[cProjectOptionSheet::kPageGeneral]->m_hWnd, kIdcDefBlock);
  EXPECT_EQ(SheetRequests(), std::vector<int>{0});
  EXPECT_EQ(g_StageEditState.m_nEditContext, kEditContextProjectDefault);
  EXPECT_EQ(g_StageEditState.m_pEditBlock, &g_ProjectSettings.m_DefBlock);
  SendMessageA(sheet->m_hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  PostMessageA(Window(), WM_NULL, 0, 0);
  Pump();
  EXPECT_EQ(Editor().m_pProjectOptionsSheet, nullptr) << "the window list ended the sheet and cleared the slot";
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_TRUE(IsWindowEnabled(Window()));
  g_StageEditState.m_nEditContext = 0;
  g_StageEditState.m_pEditBlock = nullptr;
}

TEST_F(StageWndTest, StageOptionsTakeEffectOnTheUndoStepsAndTheMenu) {
  OpenStage(20, 15);
  bool enabledMeanwhile = true;
  std::string caption;
  cModalDriver driver([&](HWND dialog) {
    caption = Caption(dialog);
    enabledMeanwhile = IsWindowEnabled(Window()) != 0;
    SetDlgItemTextA(dialog, kIdcUndoDepth, "2");
    Click(dialog, 1000);
  });
  Command(kIdmStageOptions);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(caption, "ステージオプション");
  EXPECT_FALSE(enabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_EQ(g_StageDoc.m_nUndoDepth, 2);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 2);
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(Editor().m_pStageOptionsDlg, nullptr);
}

TEST_F(StageWndTest, EditOptionsAndTheBitmapToolRunModallyFromTheirCommands) {
  OpenStage(20, 15);
  struct cCase {
    int m_nCommand;
    const char* m_pCaption;
  } cases[] = {{kIdmEditOptions, "エディットオプション"}, {kIdmBitmapTool, "ビットマップ変換ツール"}};
  for (const cCase& c : cases) {
    bool enabledMeanwhile = true;
    std::string caption;
    cModalDriver driver([&](HWND dialog) {
      caption = Caption(dialog);
      enabledMeanwhile = IsWindowEnabled(Window()) != 0;
      SendMessageA(dialog, WM_CLOSE, 0, 0);
    });
    Command(c.m_nCommand);
    EXPECT_TRUE(driver.Ran()) << c.m_nCommand;
    EXPECT_FALSE(driver.TimedOut()) << c.m_nCommand;
    EXPECT_EQ(caption, c.m_pCaption);
    EXPECT_FALSE(enabledMeanwhile) << c.m_nCommand;
    EXPECT_TRUE(IsWindowEnabled(Window())) << c.m_nCommand;
  }
  EXPECT_EQ(Editor().m_pEditOptions, nullptr);
  EXPECT_EQ(Editor().m_pBitmapToolDlg, nullptr);
}

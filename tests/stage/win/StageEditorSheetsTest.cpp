// The sheets the stage editor window opens from its menu: the stage settings (40013) and the system
// settings (40122). Each hides and disables the other windows while it runs and gives them back
// when it closes; the stage settings keep the undo history unless the size changed.
#include <windows.h>

#include <string>

#include "app/Utility.h"
#include "project/win/cSystemSettingsSheet.h"
#include "stage/win/cStageSettingsSheet.h"
#include "tests/stage/win/StageWndTest.h"
#include "tests/support/RefusedAllocation.h"
#include "ui/win/cModelessList.h"

namespace {

class StageSheetsTest : public StageWndTest {
protected:
  void TearDown() override {
    RefuseNothrowAllocation(0);
    StageWndTest::TearDown();
  }
  // A block at cell 0 taken away by the clear command: one step to undo.
  void MakeUndoStep() {
    g_StageDoc.m_vBlockLayer.At(0) = Record<cEdBlock>(3);
    cBoxAnswerer answerer({IDYES});
    Command(40057);
    ASSERT_EQ(g_StageEditState.UndoCount(), 1);
  }
  cStageSettingsSheet* StageSheet() { return static_cast<cStageSettingsSheet*>(Editor().m_pStageSettingsSheet); }
  cSystemSettingsSheet* SystemSheet() { return static_cast<cSystemSettingsSheet*>(Editor().m_pSystemSheet); }
  // The command as the menu gives it: the sheet runs, everything else is hidden and disabled.
  HWND OpenSheet(int id) {
    SendMessageA(Editor().m_hWndStatus, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
    Command(id);
    cPropSheet* sheet = id == 40013 ? Editor().m_pStageSettingsSheet : Editor().m_pSystemSheet;
    EXPECT_NE(sheet, nullptr) << id;
    EXPECT_FALSE(IsWindowVisible(Window())) << id;
    EXPECT_FALSE(IsWindowEnabled(Window())) << id;
    return sheet ? sheet->m_hWndSheet : nullptr;
  }
  std::string Title(HWND sheet) {
    char text[64] = {};
    GetWindowTextA(sheet, text, sizeof text);
    return text;
  }
  // OK, Apply or Cancel; the window list ends a closed sheet at the next message.
  void PressSheet(HWND sheet, int button) {
    SendMessageA(sheet, PSM_PRESSBUTTON, button, 0);
    PostMessageA(Window(), WM_NULL, 0, 0);
    Pump();
  }
  // Cancel, and the editor as it then is.
  void CancelAndExpectEditorBack(HWND sheet) {
    PressSheet(sheet, PSBTN_CANCEL);
    ExpectEditorBack();
  }
  // The editor after a sheet closed: shown, enabled, the sheet gone from its slot and the list.
  void ExpectEditorBack() {
    EXPECT_EQ(Editor().m_pStageSettingsSheet, nullptr);
    EXPECT_EQ(Editor().m_pSystemSheet, nullptr);
    EXPECT_TRUE(g_ModelessList.m_Sheets.empty());
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(IsWindowEnabled(Window()));
  }
  // The box of a refused allocation, and the close request it posts to the main frame.
  void ExpectOutOfMemory(const cBoxAnswerer& answerer) {
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].m_strText, "メモリが不足しています！");
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, g_hMainWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  }
  HWND Bar(int id) { return GetDlgItem(Window(), id); }
};

}  // namespace

TEST_F(StageSheetsTest, SettingsWithoutASizeChangeKeepTheUndoHistory) {
  OpenStage(40, 15);
  MakeUndoStep();
  HWND sheet = OpenSheet(40013);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(Title(sheet), "ステージの設定");
  HWND basic = StageSheet()->m_pBasicPage->m_hWnd;
  SetDlgItemTextA(basic, kIdcBasicName, "森の道");
  SendDlgItemMessageA(basic, kIdcBasicLimitLeftOn, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(basic, WM_COMMAND, MAKEWPARAM(kIdcBasicLimitLeftOn, BN_CLICKED), 0);
  SetDlgItemTextA(basic, kIdcBasicLimitLeft, "2");
  PressSheet(sheet, PSBTN_APPLYNOW);
  EXPECT_EQ(g_StageDoc.m_strName, "森の道");
  EXPECT_EQ(g_StageEditState.m_bStageModified, 1);
  EXPECT_EQ(g_StageEditState.UndoCount(), 1) << "nothing released while the sheet is open";

  PressSheet(sheet, PSBTN_OK);
  ExpectEditorBack();
  EXPECT_EQ(PixelAt(ViewCanvas(), 63, 100), RGB(32, 255, 64)) << "the map shows the new left limit";
  EXPECT_EQ(g_StageEditState.UndoCount(), 1);
  EXPECT_EQ(g_StageEditState.UndoLevels(), 5);
  EXPECT_TRUE(MenuEnabled(40052));
  Command(40052);
  EXPECT_EQ(g_StageDoc.m_vBlockLayer.At(0), Record<cEdBlock>(3)) << "the step from before the sheet undoes";
}

TEST_F(StageSheetsTest, ASizeChangeReleasesTheHistoryAndMovesTheScrollRanges) {
  OpenStage(60, 40);
  SendMessageA(Window(), WM_HSCROLL, SB_RIGHT, reinterpret_cast<LPARAM>(Bar(1008)));
  cMapView& view = Editor().Core().View();
  ASSERT_EQ(view.ScrollX(), 40);
  MakeUndoStep();
  HWND sheet = OpenSheet(40013);
  ASSERT_NE(sheet, nullptr);
  SetDlgItemTextA(StageSheet()->m_pBasicPage->m_hWnd, kIdcBasicWidth, "30");
  PressSheet(sheet, PSBTN_OK);
  ExpectEditorBack();
  EXPECT_EQ(g_StageDoc.m_nWidth, 30);
  EXPECT_EQ(g_StageEditState.UndoCount(), 0) << "steps of the old size cannot be undone";
  EXPECT_EQ(g_StageEditState.UndoLevels(), 5) << "the steps are opened again for the new size";
  EXPECT_FALSE(MenuEnabled(40052));
  int low = -1, high = -1;
  GetScrollRange(Bar(1008), SB_CTL, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 29);
  GetScrollRange(Bar(1009), SB_CTL, &low, &high);
  EXPECT_EQ(high, 39);
  EXPECT_EQ(view.ScrollX(), 10) << "the view keeps within the narrower stage";
  EXPECT_EQ(GetScrollPos(Bar(1008), SB_CTL), 10);
}

TEST_F(StageSheetsTest, SystemSettingsRevalidateTheStageWhenTheyClose) {
  g_DatabaseSet.m_vBgm.resize(3);
  OpenStage(20, 15);
  g_StageDoc.m_nBgm = 7;  // past the end of the BGM table
  HWND sheet = OpenSheet(40122);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(Title(sheet), "システムの設定");
  PressSheet(sheet, PSBTN_APPLYNOW);
  EXPECT_NE(GetFileAttributesA("data\\System.dat"), INVALID_FILE_ATTRIBUTES) << "the apply saved the settings";
  EXPECT_FALSE(IsWindowVisible(Window())) << "the editor waits for the sheet to close";
  PressSheet(sheet, PSBTN_OK);
  ExpectEditorBack();
  EXPECT_EQ(g_StageDoc.m_nBgm, 0) << "the stage's reference clamped to the table";
}

TEST_F(StageSheetsTest, ASheetWithoutMemoryGivesTheWindowsBackAtOnce) {
  OpenStage(20, 15);
  // The sheet itself, and its first page.
  for (int id : {40013, 40122}) {
    for (int refuse : {1, 2}) {
      SCOPED_TRACE(std::to_string(id) + " allocation " + std::to_string(refuse));
      cBoxAnswerer answerer;
      RefuseNothrowAllocation(refuse);
      Command(id);
      RefuseNothrowAllocation(0);
      ExpectOutOfMemory(answerer);
      cPropSheet* made = id == 40013 ? Editor().m_pStageSettingsSheet : Editor().m_pSystemSheet;
      EXPECT_EQ(made != nullptr, refuse == 2) << "a sheet without its pages waits in its slot";
      if (made) {
        EXPECT_EQ(made->m_hWndSheet, nullptr);
      }
      EXPECT_TRUE(IsWindowVisible(Window()));
      EXPECT_TRUE(IsWindowEnabled(Window()));
    }
    // The next command replaces the sheet that never ran.
    HWND sheet = OpenSheet(id);
    EXPECT_EQ(g_ModelessList.m_Sheets.size(), 1u);
    CancelAndExpectEditorBack(sheet);
  }
}

// A sheet opened again replaces the open one; the program ends with both sheets open: they go
// with the window, which they no longer call.
TEST_F(StageSheetsTest, SheetsOpenedAgainOrStillOpenWhenTheWindowGoes) {
  OpenStage(20, 15);
  HWND first = OpenSheet(40013);
  HWND settings = OpenSheet(40013);
  EXPECT_FALSE(IsWindow(first));
  HWND system = OpenSheet(40122);
  ASSERT_EQ(g_ModelessList.m_Sheets.size(), 2u);
  SafeDelete(g_MainFrame.m_lpStageEditor);
  EXPECT_FALSE(IsWindow(settings));
  EXPECT_FALSE(IsWindow(system));
  EXPECT_TRUE(g_ModelessList.m_Sheets.empty());
  EXPECT_EQ(g_pStageEditorWnd, nullptr);
  Pump();
}

#include <gtest/gtest.h>

#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cPropSheet.h"

namespace {
// A sheet of two pages, held by its owner through one pointer as every sheet is.
class cTestSheet : public cPropSheet {
public:
  cTestSheet(cWindow* parent, cModelessList* list, cPropSheet** owner)
      : cPropSheet(0, parent, list), m_First(510, parent, list, kKindPage), m_Second(511, parent, list, kKindPage) {
    m_lpKey = this;
    list->AddSheet(this, owner);
    AddPage(&m_First);
    AddPage(&m_Second);
  }
  cProbeDialog<40> m_First;
  cProbeDialog<41> m_Second;
};

class PropSheetTest : public ::testing::Test {
protected:
  PropSheetTest() {
    InstallShellWin();
    m_Parent.Create(0, 1);
  }
  ~PropSheetTest() override {
    PumpMessages();
    SetShell(nullptr);
  }
  cScratchFolder m_Folder;
  cTestMainWindow m_Main;
  cModelessList m_List;
  cFakeShell m_Shell;
  cProbeDialog<42> m_Parent{501, nullptr, &m_List};
};
}  // namespace

TEST_F(PropSheetTest, SheetRunsModelessAndEndsOnTheNextMessageAfterOk) {
  cPropSheet* owner = nullptr;
  cTestSheet* sheet = new cTestSheet(&m_Parent, &m_List, &owner);
  owner = sheet;
  sheet->Run();
  HWND window = sheet->m_hWndSheet;
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(sheet->m_nMode, 1) << "a sheet made with mode 0 runs modeless all the same";
  EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(sheet->m_First.m_hWndSheet, window);
  EXPECT_EQ(sheet->m_First.m_lpSheet, sheet);
  EXPECT_EQ(m_List.IsRegistered(&sheet->m_First), 1) << "a page registers as a modeless dialog";
  EXPECT_EQ(sheet->CurrentPageIndex(), 0);
  sheet->SetCurrentPage(1);
  EXPECT_EQ(sheet->CurrentPageIndex(), 1);
  sheet->PaintCurrentPage();
  EXPECT_EQ(sheet->m_Second.m_nPaints, 1);
  EXPECT_EQ(sheet->m_First.m_nPaints, 0);

  m_List.EnableAll(0);
  EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_DISABLED, 0);
  m_List.EnableAll(1);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_DISABLED, 0);
  m_List.ShowAll(0);
  EXPECT_FALSE(IsWindowVisible(window));
  m_List.ShowAll(1);

  MSG any = {m_Main.Handle(), WM_USER + 1, 0, 0, 0, {0, 0}};
  EXPECT_EQ(m_List.PreTranslateMessage(&any), 0) << "a running sheet is left alone";
  SendMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_EQ(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0), 0);
  EXPECT_EQ(m_List.PreTranslateMessage(&any), 1) << "the message that finds the ended sheet is dropped";
  EXPECT_EQ(owner, nullptr);
  EXPECT_TRUE(m_List.m_Sheets.empty());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(m_List.m_Windows.size(), 1u) << "the pages left the list with the sheet";
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(PropSheetTest, PageAcceleratorsWorkOnlyOnTheCurrentPageOfTheActiveSheet) {
  cPropSheet* owner = nullptr;
  cTestSheet* sheet = new cTestSheet(&m_Parent, &m_List, &owner);
  owner = sheet;
  sheet->Run();
  sheet->m_First.AddAccelerators(sheet->m_First.m_hWnd, 600);
  SetActiveWindow(sheet->m_hWndSheet);
  MSG key = {sheet->m_hWndSheet, WM_KEYDOWN, VK_F9, 0x00430001, 0, {0, 0}};
  EXPECT_EQ(m_List.PreTranslateMessage(&key), 1);
  sheet->SetCurrentPage(1);
  m_List.PreTranslateMessage(&key);
  int commands = 0;
  for (WORD id : sheet->m_First.m_vCommands) commands += id == 2001;
  EXPECT_EQ(commands, 1);
  delete sheet;  // an owner may end its sheet itself
  EXPECT_TRUE(m_List.m_Sheets.empty());
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

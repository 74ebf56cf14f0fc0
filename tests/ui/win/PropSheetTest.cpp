#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "app/win/cShellWin.h"
#include "tests/support/TestSupport.h"
#include "tests/support/win/BoxAnswerer.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"
#include "ui/win/cPropSheet.h"

namespace {
// While set, arrays allocated without exceptions are refused, as when memory has run out.
bool g_bRefuseArrays = false;
}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return g_bRefuseArrays ? nullptr : std::malloc(size ? size : 1);
}

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

namespace {
// Refuses to make dialog windows of this thread while it lives, as a system out of resources does.
class cRefuseDialogs {
public:
  cRefuseDialogs() { s_hHook = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId()); }
  ~cRefuseDialogs() { UnhookWindowsHookEx(s_hHook); }

private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const CBT_CREATEWNDA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
      if (create->lpcs->lpszClass == MAKEINTATOM(0x8002)) return 1;  // the dialog class
    }
    return CallNextHookEx(s_hHook, code, wParam, lParam);
  }
  static HHOOK s_hHook;
};
HHOOK cRefuseDialogs::s_hHook = nullptr;

int SheetWindowCount() {
  int count = 0;
  for (HWND window : ThreadWindows()) count += SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
  return count;
}
}  // namespace

TEST_F(PropSheetTest, SheetThatCannotBeMadeIsReportedAndLeavesNoWindow) {
  struct cCase {
    const char* m_pWhy;
    int m_nWay;  // 0 no memory for the page handles, 1 no window to be had, 2 the owner gone
    const char* m_pBox;
    int m_nCloseRequests;  // to the main window
    int m_nParentCloses;
  } cases[] = {
      {"no memory", 0, "メモリが不足しています！", 1, 0},
      {"no window", 1, "ウインドウの生成に失敗！", 0, 1},
      {"owner gone", 2, "ウインドウの生成に失敗！", 0, 0},
  };
  for (const cCase& c : cases) {
    cFakeShell shell;
    cProbeDialog<43> parent(501, nullptr, &m_List);
    parent.Create(0, 1);
    cPropSheet* owner = nullptr;
    cTestSheet* sheet = new cTestSheet(&parent, &m_List, &owner);
    owner = sheet;
    if (c.m_nWay == 2) DestroyWindow(parent.m_hWnd);
    g_bRefuseArrays = c.m_nWay == 0;
    std::unique_ptr<cRefuseDialogs> refuse(c.m_nWay == 1 ? new cRefuseDialogs : nullptr);
    sheet->Run();
    g_bRefuseArrays = false;
    refuse.reset();
    PumpMessages(&m_List);
    EXPECT_EQ(sheet->m_hWndSheet, nullptr) << c.m_pWhy;
    EXPECT_EQ(sheet->m_First.m_hWndSheet, nullptr) << c.m_pWhy;
    EXPECT_EQ(SheetWindowCount(), 0) << c.m_pWhy;
    ASSERT_EQ(shell.m_vBoxes.size(), 1u) << c.m_pWhy;
    EXPECT_EQ(shell.m_vBoxes[0].m_strText, c.m_pBox) << c.m_pWhy;
    EXPECT_EQ(shell.m_nCloseRequests, c.m_nCloseRequests) << c.m_pWhy;
    EXPECT_EQ(parent.Count(WM_CLOSE), c.m_nParentCloses) << c.m_pWhy;
    delete sheet;
    EXPECT_EQ(owner, sheet) << "a sheet that never ran is left to its owner";
    EXPECT_TRUE(m_List.m_Sheets.empty());
  }
}

TEST_F(PropSheetTest, RightClickCountsOnTheCurrentPageOfTheSheet) {
  cPropSheet* owner = nullptr;
  cTestSheet* sheet = new cTestSheet(&m_Parent, &m_List, &owner);
  owner = sheet;
  int clicks[2] = {};
  sheet->m_First.m_OnMessage = [&](cProbeDialog<40>& page, UINT, WPARAM, LPARAM) {
    clicks[0] += page.IsRightClicked();
  };
  sheet->m_Second.m_OnMessage = [&](cProbeDialog<41>& page, UINT, WPARAM, LPARAM) {
    clicks[1] += page.IsRightClicked();
  };
  sheet->Run();
  SetActiveWindow(sheet->m_hWndSheet);
  auto rightClickPage = [&](HWND page) {
    POINT point = {100, 50};  // below the page's edit box
    ClientToScreen(page, &point);
    MoveCursorTo(point);
    PressButton(VK_RBUTTON);
    PumpMessages(&m_List);
    ReleaseButton(VK_RBUTTON);
    PumpMessages(&m_List);
  };
  rightClickPage(sheet->m_First.m_hWnd);
  EXPECT_EQ(clicks[0], 1) << "the page, not the sheet, is the window that counts";
  sheet->SetCurrentPage(1);
  rightClickPage(sheet->m_Second.m_hWnd);
  EXPECT_EQ(clicks[1], 1);
  EXPECT_EQ(clicks[0], 1);
  delete sheet;
}

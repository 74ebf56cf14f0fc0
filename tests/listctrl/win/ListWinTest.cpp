#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/listctrl/win/ListWinFixture.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"

namespace {
using ListWinTest = cListWinTest;
using tList = cListTestPage::tList;

// The ids, buttons and sub-dialog of the page's lists: the single list as a database table
// (new, clear, the count; accelerator table 105, popup menu 112), the multi list as a list of
// sub-records edited in the row dialog (insert, edit, delete; 108 and 115).
cListInstance TableIds() {
  cListInstance ids = kListAnimeTable;
  ids.m_wListId = kIdcSingleList;
  return ids;
}
cListInstance SubRecordIds() {
  cListInstance ids = kListEffectFrames;
  ids.m_wListId = kIdcMultiList;
  ids.m_Buttons = {{{1083, kListActInsertEdit}, {1084, kListActEdit}, {1085, kListActDelete}}};
  ids.m_Edit.m_wDialog = kIddRowDialog;
  return ids;
}
const cListInstance kTableIds = TableIds();
const cListInstance kSubRecordIds = SubRecordIds();

// What a list box carried right after its WM_DESTROY went through the procedures below the watcher.
struct cAfterDestroy {
  bool m_bSeen = false;
  void* m_pProperty = nullptr;
  WNDPROC m_lpfnProc = nullptr;
};
cAfterDestroy g_ListBoxAfterDestroy;
WNDPROC g_lpfnBelowWatcher = nullptr;

LRESULT CALLBACK WatchListBoxDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcA(g_lpfnBelowWatcher, window, message, wParam, lParam);
  if (message == WM_DESTROY) {
    g_ListBoxAfterDestroy.m_bSeen = true;
    g_ListBoxAfterDestroy.m_pProperty = GetPropA(window, kListProperty);
    g_ListBoxAfterDestroy.m_lpfnProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  }
  return result;
}

std::vector<std::string> WithExtra(std::vector<std::string> rows) {
  rows.push_back(std::string(64, '-'));
  return rows;
}

// The list's marks as the list box has them.
std::vector<int> Marks(const tList& list) {
  std::vector<int> marks;
  int count = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row)
    if (SendMessageA(list.m_hWnd, LB_GETSEL, row, 0) > 0) marks.push_back(row);
  return marks;
}

// What each command of a set does to the list "p q r s t": the row clicked before it, then the
// records and the copy buffer after it. The keys go first, then the popup menu's items on what the
// keys left; the row clicked stays the only marked row. Layout 0 appends and clears, layout 1
// inserts and deletes.
struct cCommandStep {
  int m_nCommand;
  int m_nRow;
  const char* m_pRecords;
  const char* m_pBuffer;
};
const std::vector<cCommandStep> kKeySteps[2] = {
    {{kListCut, 1, "p r s t", "q"},
     {kListCopy, 2, "p r s t", "s"},
     {kListPaste, 0, "s p r s t", "s"},
     {kListNew, 1, "s p r s t new", "s"},
     {kListClear, 1, "s cleared r s t new", "s"}},
    {{kListCut, 1, "p r s t", "q"},
     {kListCopy, 2, "p r s t", "s"},
     {kListPaste, 0, "s p r s t", "s"},
     {kListInsert, 1, "s new p r s t", "s"},
     {kListDelete, 3, "s new p s t", "s"}},
};
const std::vector<cCommandStep> kMenuSteps[2] = {
    {{kListCut, 1, "s r s t new", "cleared"},
     {kListCopy, 3, "s r s t new", "t"},
     {kListPaste, 0, "t s r s t new", "t"},
     {kListClear, 2, "t s cleared s t new", "t"}},
    {{kListCut, 1, "s p s t", "new"},
     {kListCopy, 3, "s p s t", "t"},
     {kListPaste, 0, "t s p s t", "t"},
     {kListInsert, 2, "t s new p s t", "t"},
     {kListDelete, 4, "t s new p t", "t"}},
};

// The ids of a set in command order, without the commands it has none for.
std::vector<int> CommandsWithIds(const uint16_t (&ids)[kListCommandCount]) {
  std::vector<int> commands;
  for (int command = 0; command < kListCommandCount; ++command)
    if (ids[command]) commands.push_back(command);
  return commands;
}

void ExpectStep(cListTestPage& page, const cCommandStep& step) {
  ASSERT_FALSE(page.m_vDone.empty());
  EXPECT_EQ(page.m_vDone.back(), 1);
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), step.m_pRecords);
  EXPECT_EQ(cListTestPage::Names(page.Multi().m_vCopyBuf), step.m_pBuffer);
  std::vector<std::string> rows;
  std::istringstream names(step.m_pRecords);
  for (std::string name; names >> name;) rows.push_back(name);
  EXPECT_EQ(cListTestPage::Rows(page.Multi()), WithExtra(rows));
  EXPECT_EQ(Marks(page.Multi()), std::vector<int>{step.m_nRow});
}
}  // namespace

TEST_F(ListWinTest, AttachShowsTheRecordsInTheirOrderAndSubclassesTheListBox) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "c b a");
    p.SetMulti(kTableShape, "none z y x");
  });
  EXPECT_EQ(cListTestPage::Rows(page.Single()), WithExtra({"c", "b", "a"})) << "the template's LBS_SORT is gone";
  EXPECT_EQ(cListTestPage::Rows(page.Multi()), WithExtra({"1 z", "2 y", "3 x"}));
  for (tList* list : {&page.Single(), &page.Multi()}) {
    EXPECT_EQ(GetWindowLongA(list->m_hWnd, GWL_STYLE) & LBS_SORT, 0);
    EXPECT_EQ(GetPropA(list->m_hWnd, kListProperty), static_cast<cCtrl*>(list));
    EXPECT_NE(list->m_lpfnOldProc, nullptr);
    EXPECT_EQ(list->m_nKind, kCtrlList);
  }
  EXPECT_EQ(page.Single().GetCurSel(), 0);
  EXPECT_EQ(page.m_SingleEdit.m_strName, "c");
  EXPECT_EQ(Marks(page.Multi()), std::vector<int>{0});
  EXPECT_EQ(page.m_MultiEdit.m_strName, "z");

  HWND single = page.Single().m_hWnd;
  WNDPROC old = page.Single().m_lpfnOldProc;
  LONG_PTR subclass = GetWindowLongPtrA(single, GWLP_WNDPROC);
  page.Single().Attach(&page, page.m_cgSingle.m_Param);
  EXPECT_EQ(page.Single().m_lpfnOldProc, old) << "a second attach does not subclass again";
  EXPECT_EQ(GetWindowLongPtrA(single, GWLP_WNDPROC), subclass);
  // A procedure over the control's sees what the list box carries once WM_DESTROY went through.
  g_ListBoxAfterDestroy = {};
  g_lpfnBelowWatcher = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(single, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchListBoxDestroy)));
  DestroyWindow(page.m_hWnd);  // the window goes before its object
  PumpMessages(&m_List);
  EXPECT_FALSE(IsWindow(single));
  EXPECT_TRUE(g_ListBoxAfterDestroy.m_bSeen);
  EXPECT_EQ(g_ListBoxAfterDestroy.m_pProperty, nullptr) << "the property went with WM_DESTROY";
  EXPECT_EQ(g_ListBoxAfterDestroy.m_lpfnProc, old) << "the list box has its own procedure back";
  EXPECT_EQ(page.Single().m_lpfnOldProc, nullptr) << "WM_DESTROY gave the list box its own procedure back";
}

TEST_F(ListWinTest, ClicksSelectRowsAndLoadTheEditedRecord) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a b c");
    p.SetMulti(kSubShape, "p q r s");
  });
  Click(page.Single(), 1);
  EXPECT_EQ(page.Single().GetCurSel(), 1);
  EXPECT_EQ(page.m_SingleEdit.m_strName, "b");
  Click(page.Single(), 3);
  EXPECT_EQ(page.Single().GetCurIndex(), -1) << "the extra row holds no record";
  EXPECT_EQ(page.m_SingleEdit.m_strName, "new") << "the edited record is blank on the extra row";

  Click(page.Multi(), 0);
  Click(page.Multi(), 2, true);
  EXPECT_EQ(Marks(page.Multi()), (std::vector<int>{0, 2}));
  EXPECT_EQ(page.Multi().GetCurSel(), 2);
  EXPECT_EQ(page.m_MultiEdit.m_strName, "r");
  Click(page.Multi(), 2, true);  // the caret's row unmarked: the edited record comes from a marked row
  EXPECT_EQ(Marks(page.Multi()), std::vector<int>{0});
  EXPECT_EQ(page.m_MultiEdit.m_strName, "p");
  Click(page.Multi(), 0, true);  // the last mark gone: the marks of the previous command come back
  EXPECT_EQ(Marks(page.Multi()), std::vector<int>{0});
}

// Each of the eight command sets against the real list box: the keys of its accelerator table and
// the items of its popup menu reach the list and do what their commands do.
TEST_F(ListWinTest, EveryCommandSetReachesTheListThroughKeysAndPopupMenu) {
  for (const cListCommandSet& set : kListCommandSets) {
    SCOPED_TRACE("accelerator table " + std::to_string(set.m_wAccelTable));
    cListInstance ids = kSubRecordIds;
    ids.m_Set = set;
    ids.m_nIds = kListIdsSetMenus;
    cListTestPage& page = Open([&ids](cListTestPage& p) {
      p.SetSingle(kSingleShape, "a b c");
      p.SetMulti(kSubShape, "p q r s t", &ids);
    });
    std::string single = SingleState();
    cVector<cAccelKeyDef> keys = ListAccelTable(set.m_wAccelTable);
    const std::vector<cCommandStep>& keySteps = kKeySteps[set.m_nLayout];
    std::vector<int> commands = CommandsWithIds(set.m_wAccelId);
    ASSERT_EQ(commands.size(), keySteps.size());
    for (size_t i = 0; i < commands.size(); ++i) {
      uint16_t id = set.m_wAccelId[commands[i]];
      SCOPED_TRACE("key id " + std::to_string(id));
      ASSERT_EQ(commands[i], keySteps[i].m_nCommand);
      auto key = std::find_if(keys.begin(), keys.end(), [id](const cAccelKeyDef& def) { return def.m_wCmd == id; });
      ASSERT_NE(key, keys.end());
      Click(page.Multi(), keySteps[i].m_nRow);
      if (key->m_bCtrl) PressCtrl(key->m_wKey);
      else Press(key->m_wKey);
      ExpectStep(page, keySteps[i]);
    }
    const std::vector<cCommandStep>& menuSteps = kMenuSteps[set.m_nLayout];
    commands = CommandsWithIds(set.m_wMenuId);
    ASSERT_EQ(commands.size(), menuSteps.size());
    for (size_t i = 0; i < commands.size(); ++i) {
      uint16_t id = set.m_wMenuId[commands[i]];
      SCOPED_TRACE("menu id " + std::to_string(id));
      ASSERT_EQ(commands[i], menuSteps[i].m_nCommand);
      int shown = m_nMenusShown;
      ChooseFromNextMenu(id);
      RightClick(cListTestPage::RowPoint(page.Multi(), menuSteps[i].m_nRow));
      EXPECT_EQ(m_nMenusShown, shown + 1);
      ExpectStep(page, menuSteps[i]);
    }
    EXPECT_EQ(SingleState(), single) << "the other list heard nothing";
  }
}

// Both lists answer to the same cut, copy and paste ids (kind 1 of both layouts): the focus tells
// which list a key or a menu item meant.
TEST_F(ListWinTest, KeysAndMenuCommandsReachOnlyTheFocusedList) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a b c", &kTableIds);
    p.SetMulti(kSubShape, "p q r s", &kSubRecordIds);
  });
  Click(page.Single(), 1);
  std::string multi = MultiState();
  PressCtrl('X');
  EXPECT_EQ(cListTestPage::Names(page.m_vSingle), "a c");
  EXPECT_EQ(MultiState(), multi);

  Click(page.Multi(), 2);
  std::string single = SingleState();
  PressCtrl('C');
  PressCtrl('V');
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "p q r r s");
  EXPECT_EQ(SingleState(), single);
  EXPECT_EQ(cListTestPage::Names(page.Single().m_vCopyBuf), "b") << "each list keeps its own copy";

  // A command message while a button has the focus reaches no list.
  SetFocus(GetDlgItem(page.m_hWnd, 1066));
  multi = MultiState();
  size_t done = page.m_vDone.size();
  SendMessageA(page.m_hWnd, WM_COMMAND, 40009, 0);
  SendMessageA(page.m_hWnd, WM_COMMAND, 40038, 0);
  EXPECT_EQ(SingleState(), single);
  EXPECT_EQ(MultiState(), multi);
  EXPECT_EQ(page.m_vDone.size(), done);
}

// In a modal dialog the lists' key handler turns keys into commands: with the constructor's ids
// Ctrl+I sends new and insert, Delete (with or without Ctrl) clear and delete; plain X sends
// nothing. Only the focused list sends, so that no command runs twice.
TEST_F(ListWinTest, TheKeyHandlerOfAModalDialogSendsEveryIdOfTheKey) {
  cListTestPage page(&m_List);
  page.SetSingle(kSingleShape, "a b c");
  page.SetMulti(kSubShape, "p q r s");
  cModalDriver driver([&](HWND dialog) {
    Click(page.Multi(), 1);
    page.m_vCommands.clear();
    PressKeyWith(VK_CONTROL, 'I');
    EXPECT_EQ(page.m_vCommands, (std::vector<WORD>{40002, 40033}));
    EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "new p q r s new") << "appended, then inserted";
    // Clear and delete both take the marked row, which the marks keep at row 1: "p" now.
    page.m_vCommands.clear();
    PressKey(VK_DELETE);
    EXPECT_EQ(page.m_vCommands, (std::vector<WORD>{40008, 40032}));
    EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "new q r s new");
    // The delete left row 0 the marked row.
    page.m_vCommands.clear();
    PressKeyWith(VK_CONTROL, VK_DELETE);
    EXPECT_EQ(page.m_vCommands, (std::vector<WORD>{40008, 40032}));
    EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "q r s new");
    EXPECT_EQ(cListTestPage::Rows(page.Multi()), WithExtra({"q", "r", "s", "new"}));
    EXPECT_EQ(Marks(page.Multi()), std::vector<int>{0});
    page.m_vCommands.clear();
    PressKey('X');
    EXPECT_TRUE(page.m_vCommands.empty());
    Click(page.Single(), 0);
    page.m_vCommands.clear();
    PressKeyWith(VK_CONTROL, 'X');
    EXPECT_EQ(page.m_vCommands, std::vector<WORD>{40009});
    EXPECT_EQ(cListTestPage::Names(page.m_vSingle), "b c") << "one record cut";
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(page.DoModal(0), 0);
  EXPECT_TRUE(driver.Ran());
  EXPECT_FALSE(driver.TimedOut());
}

// SelectAtPoint asks the list box for the row under the point, whatever the font: the rows of
// template 702 are far higher than 12 pixels.
TEST_F(ListWinTest, ARightClickSelectsTheRowUnderTheCursorWithALargerFont) {
  cListTestPage& page = Open(
      [](cListTestPage& p) {
        p.SetSingle(kSingleShape, "a b c", &kTableIds);
        p.SetMulti(kSubShape, "r*40", &kSubRecordIds);
      },
      kIddBigListPage);
  tList& list = page.Multi();
  int height = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_GT(height, 16);
  for (int row : {0, 3, 6}) {
    SCOPED_TRACE(row);
    EscapeNextMenu();
    int shown = m_nMenusShown;
    POINT point = cListTestPage::RowPoint(list, row);
    point.y += height / 2 - 1;  // the lowest pixel of the row
    RightClick(point);
    EXPECT_EQ(m_nMenusShown, shown + 1);
    EXPECT_EQ(Marks(list), std::vector<int>{row});
    EXPECT_EQ(page.m_MultiEdit.m_strName, "r" + std::to_string(row + 1));
    EXPECT_EQ(GetFocus(), list.m_hWnd);
  }
  // Scrolled: the row drawn under the cursor, not the row of the same place at the top.
  SendMessageA(list.m_hWnd, LB_SETTOPINDEX, 10, 0);
  EscapeNextMenu();
  RightClick(cListTestPage::RowPoint(list, 12));
  EXPECT_EQ(Marks(list), std::vector<int>{12});
  EXPECT_EQ(list.m_nTopIndex, 10);
  // The top edge of the window counts as the first row shown.
  RECT window = {};
  GetWindowRect(list.m_hWnd, &window);
  EscapeNextMenu();
  RightClick(POINT{(window.left + window.right) / 2, window.top});
  EXPECT_EQ(Marks(list), std::vector<int>{10});
  // Below the last row of the short list: no row, no menu.
  int shown = m_nMenusShown;
  GetWindowRect(page.Single().m_hWnd, &window);
  EscapeNextMenu();
  RightClick(POINT{(window.left + window.right) / 2, window.bottom - 4});
  EXPECT_EQ(m_nMenusShown, shown);
  EXPECT_EQ(page.Single().GetCurSel(), 0);
}

// A right click on a marked row keeps the multi-selection; "切り取り" of the popup then cuts from
// that list only, here the second list of the page.
TEST_F(ListWinTest, CutFromThePopupMenuOfTheSecondList) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a b c", &kTableIds);
    p.SetMulti(kSubShape, "p q r s t", &kSubRecordIds);
  });
  Click(page.Multi(), 1);
  Click(page.Multi(), 3, true);
  std::string single = SingleState();
  ChooseFromNextMenu(40038);
  RightClick(cListTestPage::RowPoint(page.Multi(), 3));
  EXPECT_EQ(m_nMenusShown, 1);
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "p r t");
  EXPECT_EQ(cListTestPage::Names(page.Multi().m_vCopyBuf), "q s");
  EXPECT_EQ(SingleState(), single);

  // Pasted back through the menu at the row right-clicked.
  ChooseFromNextMenu(40040);
  RightClick(cListTestPage::RowPoint(page.Multi(), 0));
  EXPECT_EQ(cListTestPage::Names(page.m_vMulti), "q s p r t");
  // The single list's own menu (112) has no insert; its clear resets the row under the cursor.
  ChooseFromNextMenu(40041);
  RightClick(cListTestPage::RowPoint(page.Single(), 2));
  EXPECT_EQ(cListTestPage::Names(page.m_vSingle), "a b cleared");
}

// Every refusal sounds the beep once, returns 0 and leaves records, rows, marks and the edited
// record as they were.
TEST_F(ListWinTest, EveryRefusalBeepsReturns0AndChangesNothing) {
  struct cCase {
    const char* m_pName;
    cListShape m_Single;
    const char* m_pSingle;
    cListShape m_Multi;
    const char* m_pMulti;
    std::function<void(cListWinTest&)> m_Setup;
    std::function<void(cListWinTest&)> m_Command;
  };
  constexpr cListShape kFullSingle = {0, 0, 1, 3, 0, 1, 0};
  constexpr cListShape kFullMulti = {1, 0, 1, 4, 0, 1, 0};
  const cCase cases[] = {
      {"新規 at the maximum", kFullSingle, "a b c", kSubShape, "p", nullptr,
       [](cListWinTest& t) { t.ClickButton(1066); }},
      {"削除 at the minimum", kSingleShape, "a", kSubShape, "p",
       [](cListWinTest& t) { t.Click(t.Page().Multi(), 0); }, [](cListWinTest& t) { t.ClickButton(1085); }},
      {"挿入 through the dialog at the maximum: no dialog", kSingleShape, "a", kFullMulti, "p q r s",
       [](cListWinTest& t) { t.Click(t.Page().Multi(), 1); }, [](cListWinTest& t) { t.ClickButton(1083); }},
      {"a paste that would pass the maximum", kSingleShape, "a", kFullMulti, "p q r",
       [](cListWinTest& t) {
         t.Click(t.Page().Multi(), 0);
         t.Click(t.Page().Multi(), 1, true);
         t.PressCtrl('C');
       },
       [](cListWinTest& t) { t.PressCtrl('V'); }},
      {"copy on the extra row", kSingleShape, "a b", kSubShape, "p",
       [](cListWinTest& t) { t.Click(t.Page().Single(), 2); },
       [](cListWinTest& t) { t.PressCtrl('C'); }},
      {"cut at the minimum keeps the copy", kSingleShape, "a", kSubShape, "p",
       [](cListWinTest& t) { t.Click(t.Page().Single(), 0); },
       [](cListWinTest& t) { t.PressCtrl('X'); }},
      {"paste without a current row", kPlainShape, "a b", kSubShape, "p",
       [](cListWinTest& t) {
         t.Page().Single().SetCurSel(-1, 0);
         SetFocus(t.Page().Single().m_hWnd);
       },
       [](cListWinTest& t) { t.PressCtrl('V'); }},
  };
  for (const cCase& c : cases) {
    SCOPED_TRACE(c.m_pName);
    cListTestPage& page = Open([&c](cListTestPage& p) {
      p.SetSingle(c.m_Single, c.m_pSingle, &kTableIds);
      p.SetMulti(c.m_Multi, c.m_pMulti, &kSubRecordIds);
    });
    if (c.m_Setup) c.m_Setup(*this);
    std::string single = SingleState(), multi = MultiState();
    int beeps = m_Shell.m_nBeeps, runs = g_RowScript.m_nRuns;
    size_t done = page.m_vDone.size();
    c.m_Command(*this);
    EXPECT_EQ(m_Shell.m_nBeeps, beeps + 1);
    ASSERT_EQ(page.m_vDone.size(), done + 1);
    EXPECT_EQ(page.m_vDone.back(), 0);
    EXPECT_EQ(SingleState(), single);
    EXPECT_EQ(MultiState(), multi);
    EXPECT_EQ(g_RowScript.m_nRuns, runs);
  }
}

// "データ数" asks for the count in the value dialog, starting at the records shown, and sets it.
TEST_F(ListWinTest, TheDataCountButtonAsksForTheCountAndSetsIt) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a b c", &kTableIds);
    p.SetMulti(kSubShape, "p", &kSubRecordIds);
  });
  std::string shown;
  cModalDriver driver([&shown](HWND dialog) {
    char text[32] = {};
    GetDlgItemTextA(dialog, kIdcInputEdit, text, sizeof text);
    shown = text;
    SetDlgItemTextA(dialog, kIdcInputEdit, "5");
    PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
  });
  ClickButton(11071);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(shown, "3");
  EXPECT_EQ(cListTestPage::Names(page.m_vSingle), "a b c new new");
  EXPECT_EQ(cListTestPage::Rows(page.Single()).size(), 6u);
  EXPECT_EQ(page.m_vDone.back(), 1);
}

// The popup menu is loaded once for the list however often the page asks, and goes with the list;
// opening and closing pages leaves no window, menu or GDI object behind.
TEST_F(ListWinTest, ThePopupMenuIsLoadedOnceAndNothingIsLeftBehind) {
  auto setup = [](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a b c", &kTableIds);
    p.SetMulti(kSubShape, "p q", &kSubRecordIds);
  };
  Open(setup);
  HMENU popup = Page().Multi().m_hPopupMenu;
  ASSERT_TRUE(IsMenu(popup));
  EXPECT_EQ(Page().Multi().SetMenus(108, 115, 1, 1), 1);
  EXPECT_EQ(Page().Multi().m_hPopupMenu, popup);
  std::vector<uint16_t> ids(Page().Multi().m_wAccelId, Page().Multi().m_wAccelId + kListCommandCount);
  size_t tables = Page().m_AccelList.size();
  EXPECT_EQ(Page().Multi().SetMenus(108, 115, 1, 5), 0) << "no kind 5";
  EXPECT_EQ(Page().Multi().m_hPopupMenu, popup);
  EXPECT_EQ(Page().m_AccelList.size(), tables + 1) << "the table is registered all the same";
  EXPECT_EQ(std::vector<uint16_t>(Page().Multi().m_wAccelId, Page().Multi().m_wAccelId + kListCommandCount), ids);
  m_pPage.reset();
  PumpFor(20, &m_List);
  EXPECT_FALSE(IsMenu(popup)) << "destroyed with the list";

  // The first round makes what the system keeps for good (fonts, the menu's own objects).
  auto round = [&] {
    Open(setup);
    EscapeNextMenu();
    RightClick(cListTestPage::RowPoint(Page().Multi(), 0));
    m_pPage.reset();
    PumpFor(20, &m_List);
  };
  round();
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 3; ++i) round();
  EXPECT_EQ(CountGuiObjects(), before);
}

// The wheel scrolls the list without WM_VSCROLL; the rows the next command rebuilds start at the
// row the user scrolled to, as they do after the scroll bar.
TEST_F(ListWinTest, TheNextRefillKeepsTheRowTheUserScrolledTo) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "a", &kTableIds);
    p.SetMulti(kSubShape, "r*60", &kSubRecordIds);
  });
  tList& list = page.Multi();
  SendMessageA(list.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 2)), 0);
  int top = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETTOPINDEX, 0, 0));
  ASSERT_GT(top, 0);
  page.m_vMulti[0].m_strName = "changed";
  EXPECT_EQ(list.m_nTopIndex, top);
  list.Fill();
  list.Redraw();
  EXPECT_EQ(SendMessageA(list.m_hWnd, LB_GETTOPINDEX, 0, 0), top);
  SendMessageA(list.m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(list.m_hWnd, WM_VSCROLL, SB_ENDSCROLL, 0);
  list.Fill();
  list.Redraw();
  EXPECT_EQ(SendMessageA(list.m_hWnd, LB_GETTOPINDEX, 0, 0), top + 1);
}

// The page as the user sees it: numbered rows padded to the same width, the extra row, several
// marks, labels inside their controls; held on screen with its popup menu for a screenshot
// (listctrl/win/screenshot.sh).
TEST_F(ListWinTest, ThePageShowsItsRowsMarksAndPopupMenu) {
  cListTestPage& page = Open([](cListTestPage& p) {
    p.SetSingle(kSingleShape, "ステージ1 ステージ2 ボス戦 エンディング", &kTableIds);
    p.SetMulti(kTableShape, "なし 立ち 歩き 走り 跳び 飛行 泳ぎ 登り 伏せ 攻撃 防御 被弾 消滅", &kSubRecordIds);
  });
  ExpectLabelsInside(page.m_hWnd);
  std::vector<std::string> rows = cListTestPage::Rows(page.Multi());
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_EQ(rows[0], "01 立ち");
  EXPECT_EQ(rows[11], "12 消滅");
  EXPECT_EQ(rows[12], std::string(64, '-'));
  Click(page.Multi(), 1);
  Click(page.Multi(), 3, true);
  Click(page.Multi(), 4, true);
  Click(page.Single(), 2);
  EXPECT_EQ(Marks(page.Multi()), (std::vector<int>{1, 3, 4}));
  int hold = HoldMilliseconds();
  HoldForShot(0, hold, &m_List);
  page.m_MenuDriver.m_Action = [this, hold](HWND) {
    ++m_nMenusShown;
    HoldForShot(1, hold);
    TypeKey(VK_ESCAPE);
  };
  RightClick(cListTestPage::RowPoint(page.Multi(), 3));
  EXPECT_EQ(m_nMenusShown, 1);
  EXPECT_EQ(Marks(page.Multi()), (std::vector<int>{1, 3, 4})) << "a right click on a marked row keeps the marks";
}

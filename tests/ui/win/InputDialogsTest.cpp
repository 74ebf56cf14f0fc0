#include <gtest/gtest.h>

#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/TestTemplates.h"
#include "ui/win/cValueInputDlg.h"

namespace {
class InputDialogsTest : public cWindowTest {
protected:
  ~InputDialogsTest() override { CloseStatusPopup(); }
};

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// One control of a template as the dialog made it: class, text, rectangle in dialog units, style.
struct cItem {
  int id;
  const char* className;
  const char* text;
  RECT units;
  DWORD style;
};

// Makes the template with a procedure that changes nothing and compares it with the table.
void ExpectTemplate(uint16_t id, const char* caption, SIZE units, DWORD style, const std::vector<cItem>& items) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainProc, 0);
  ASSERT_TRUE(dialog) << id;
  EXPECT_EQ(TextOf(dialog), caption) << id;
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)) & style, style) << id;
  RECT size = {0, 0, units.cx, units.cy};
  MapDialogRect(dialog, &size);
  RECT client = {};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, size.right) << id;
  EXPECT_EQ(client.bottom, size.bottom) << id;
  for (const cItem& item : items) {
    HWND control = GetDlgItem(dialog, item.id);
    ASSERT_TRUE(control) << item.id;
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    EXPECT_STRCASEEQ(name, item.className) << item.id;
    bool upDown = lstrcmpiA(name, "msctls_updown32") == 0;
    // An up-down aligned to the right of its buddy takes its width from the buddy.
    bool buddy = false;
    for (const cItem& other : items)
      buddy |= reinterpret_cast<HWND>(SendDlgItemMessageA(dialog, other.id, UDM_GETBUDDY, 0, 0)) == control &&
               lstrcmpiA(other.className, "msctls_updown32") == 0;
    if (!upDown) {
      EXPECT_EQ(TextOf(control), item.text) << item.id;
    }
    DWORD itemStyle = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    // The dialog manager draws an edit's border as a sunken edge.
    if ((item.style & WS_BORDER) && (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) itemStyle |= WS_BORDER;
    DWORD wanted = item.style | WS_CHILD | WS_VISIBLE;
    EXPECT_EQ(itemStyle & wanted, wanted) << item.id;
    RECT origin = {item.units.left, item.units.top, 0, 0};
    RECT extent = {0, 0, item.units.right, item.units.bottom};
    MapDialogRect(dialog, &origin);
    MapDialogRect(dialog, &extent);
    RECT placed = {};
    GetWindowRect(control, &placed);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
    // An up-down aligned to its buddy moves beside it, and an image static takes its image's size.
    if (upDown) continue;
    EXPECT_EQ(placed.left, origin.left) << item.id;
    EXPECT_EQ(placed.top, origin.top) << item.id;
    if (lstrcmpiA(name, "Static") == 0 && (item.style & SS_TYPEMASK) == SS_BITMAP) continue;
    if (!buddy) {
      EXPECT_EQ(placed.right - placed.left, extent.right) << item.id;
    }
    EXPECT_EQ(placed.bottom - placed.top, extent.bottom) << item.id;
  }
  DestroyWindow(dialog);
}
}  // namespace

TEST_F(InputDialogsTest, TemplatesAreBuiltAsTheEditorNeedsThem) {
  const DWORD modal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  ExpectTemplate(kIddValueInput, "値の入力", {125, 75}, modal,
                 {{1075, "Static", "", {7, 7, 20, 21}, SS_BITMAP},
                  {1003, "Edit", "", {45, 20, 32, 14}, WS_BORDER | WS_TABSTOP | ES_RIGHT | ES_NUMBER | ES_AUTOHSCROLL},
                  {1011, "msctls_updown32", "", {75, 20, 10, 14},
                   UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
                  {1000, "Button", "OK", {10, 50, 50, 14}, BS_DEFPUSHBUTTON | WS_TABSTOP},
                  {1001, "Button", "ｷｬﾝｾﾙ", {65, 50, 50, 14}, BS_PUSHBUTTON | WS_TABSTOP}});
  ExpectTemplate(kIddStringInput, "文字列の入力", {150, 75}, modal,
                 {{1075, "Static", "", {7, 7, 20, 21}, SS_BITMAP},
                  {1003, "Edit", "", {15, 20, 116, 14}, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
                  {1000, "Button", "OK", {35, 50, 50, 14}, BS_DEFPUSHBUTTON | WS_TABSTOP},
                  {1001, "Button", "ｷｬﾝｾﾙ", {90, 50, 50, 14}, BS_PUSHBUTTON | WS_TABSTOP}});
  ExpectTemplate(kIddStatusPopup, "", {150, 55}, WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                 {{1017, "Static", "Static", {15, 15, 120, 30}, SS_CENTER | SS_CENTERIMAGE | WS_GROUP}});
  HWND popup = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIddStatusPopup), nullptr, PlainProc, 0);
  EXPECT_EQ(GetWindowLongA(popup, GWL_STYLE) & WS_SYSMENU, 0) << "the status popup has no system menu";
  DestroyWindow(popup);
}

TEST_F(InputDialogsTest, ValueDialogStoresTheTypedValueWithinItsRange) {
  int32_t value = 5;
  std::string caption, shown;
  DWORD selStart = 9, selEnd = 0;
  cModalDriver driver([&](HWND dialog) {
    caption = TextOf(dialog);
    HWND edit = GetDlgItem(dialog, kIdcInputEdit);
    shown = TextOf(edit);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    EXPECT_EQ(GetFocus(), edit) << "the edit has the focus when the dialog opens";
    TypeText("1234");  // replaces the selected text; 1234 is beyond 999
    PressKey(VK_RETURN);  // Enter in the edit chooses OK
  });
  EXPECT_EQ(RunValueInputDialogAt(nullptr, &m_List, &value, 1, 999, "データ数", 100, 100), 1);
  EXPECT_TRUE(driver.Ran());
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(caption, "データ数");
  EXPECT_EQ(shown, "5");
  EXPECT_EQ(selStart, 0u);
  EXPECT_EQ(selEnd, 1u) << "the text is selected, so typing replaces it";
  EXPECT_EQ(value, 999);
}

TEST_F(InputDialogsTest, ValueDialogUpDownAndTheLowerLimit) {
  int32_t value = -4;
  std::string shown;
  cModalDriver driver([&](HWND dialog) {
    shown = TextOf(GetDlgItem(dialog, kIdcInputEdit));
    PressKey(VK_UP);
    PressKey(VK_UP);
    PostMessageA(dialog, WM_COMMAND, kIdcOk, 0);
  });
  EXPECT_EQ(RunValueInputDialogAt(nullptr, &m_List, &value, 1, 999, "データ数", 100, 100), 1);
  EXPECT_EQ(shown, "1") << "a value below the range shows the minimum";
  EXPECT_EQ(value, 3);
}

TEST_F(InputDialogsTest, CancelCloseBoxAndEscapeLeaveTheValue) {
  struct Row {
    const char* name;
    std::function<void(HWND)> end;
  } rows[] = {
      {"Cancel", [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0); }},
      {"close box", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }},
      {"Escape, then Cancel",
       [](HWND dialog) {
         TypeText("7");
         PressKey(VK_ESCAPE);
         EXPECT_TRUE(IsWindowVisible(dialog)) << "Escape does not end the dialog";
         PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
       }},
  };
  for (const Row& row : rows) {
    int32_t value = 42;
    cModalDriver driver(row.end);
    EXPECT_EQ(RunValueInputDialogAt(nullptr, &m_List, &value, 1, 999, "データ数", 100, 100), 0) << row.name;
    EXPECT_TRUE(driver.Ran()) << row.name;
    EXPECT_EQ(value, 42) << row.name;
  }
  cString text = "元の名前";
  cModalDriver driver([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0); });
  EXPECT_EQ(RunStringInputDialog(nullptr, &m_List, &text, 12, 1, "変数名の入力", nullptr, 0), 0);
  EXPECT_EQ(text, "元の名前");
}

TEST_F(InputDialogsTest, StringDialogStoresATextWithinItsCharacterLimit) {
  cString text = "変数";
  std::string caption, shown;
  cModalDriver driver([&](HWND dialog) {
    caption = TextOf(dialog);
    HWND edit = GetDlgItem(dialog, kIdcInputEdit);
    shown = TextOf(edit);
    SendMessageA(edit, EM_SETSEL, 100, 100);
    TypeText("abcdefghijkl");  // two characters and ten letters: the last two are undone
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(RunStringInputDialog(nullptr, &m_List, &text, 12, 1, "変数名の入力", nullptr, 0), 1);
  EXPECT_EQ(caption, "変数名の入力");
  EXPECT_EQ(shown, "変数");
  EXPECT_EQ(text, "変数abcdefghij");
}

TEST_F(InputDialogsTest, StatusPopupDisablesTheOtherWindowsUntilItCloses) {
  cProbeDialog<40> tool(kToolTemplate, nullptr, &m_List);
  tool.Create(0, 1);
  ShowStatusPopup(nullptr, &m_List, "ステージを読み込んでいます…", "お待ちください", &tool, 1, 1);
  cStatusPopup* popup = CurrentStatusPopup();
  ASSERT_TRUE(popup && IsWindow(popup->m_hWnd));
  EXPECT_EQ(TextOf(popup->m_hWnd), "お待ちください");
  EXPECT_EQ(TextOf(GetDlgItem(popup->m_hWnd, kIdcStatusText)), "ステージを読み込んでいます…");
  EXPECT_TRUE(GetWindowLongA(tool.m_hWnd, GWL_STYLE) & WS_DISABLED) << "the other registered windows";
  EXPECT_FALSE(GetWindowLongA(popup->m_hWnd, GWL_STYLE) & WS_DISABLED);
  EXPECT_EQ(m_List.IsRegistered(popup), 1);

  ShowStatusPopup(nullptr, &m_List, "保存しています…", "", &tool, 1, 0);
  HWND second = CurrentStatusPopup()->m_hWnd;
  EXPECT_NE(CurrentStatusPopup(), nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(second, kIdcStatusText)), "保存しています…") << "a second popup replaces the first";
  EXPECT_EQ(m_List.m_Windows.size(), 2u) << "the tool and one popup";

  CloseStatusPopup();
  EXPECT_EQ(CurrentStatusPopup(), nullptr);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_FALSE(GetWindowLongA(tool.m_hWnd, GWL_STYLE) & WS_DISABLED) << "enabled again";
  EXPECT_EQ(m_List.m_Windows.size(), 1u);
  CloseStatusPopup();  // none open: only the cursor
  EXPECT_EQ(CurrentStatusPopup(), nullptr);
}

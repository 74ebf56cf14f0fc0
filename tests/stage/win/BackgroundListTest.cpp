// The background list of the stage settings sheet's basic page, as a user drives it: the page's
// buttons and a double click (with the background dialog), the list's keys through its accelerator
// table, its menu ids and its popup menu; what the stage holds is read after each apply.
#include <functional>
#include <string>
#include <vector>

#include "stage/StageRowLabels.h"
#include "stage/win/cDlgBackground.h"
#include "tests/stage/win/StageSettingsTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/UserInput.h"

namespace {

const std::string kExtraRow(64, '-');

// The background dialog's answer: a colour, or a picture (with "最初から表示" cleared); Cancel
// when neither is given.
struct cBackgroundAnswer {
  int m_nColour = 0;
  const char* m_pPicture = nullptr;
};
void Answer(HWND dialog, const cBackgroundAnswer& answer) {
  if (!answer.m_nColour && !answer.m_pPicture) {
    SendItemCommand(dialog, kIdcCancel);
    return;
  }
  SendDlgItemMessageA(dialog, kIdcBgUseColor, BM_SETCHECK, answer.m_nColour ? BST_CHECKED : BST_UNCHECKED, 0);
  SendItemCommand(dialog, kIdcBgUseColor);
  if (answer.m_nColour) {
    SetDlgItemTextA(dialog, kIdcBgColor, std::to_string(answer.m_nColour).c_str());
  } else {
    SetDlgItemTextA(dialog, kIdcBgPicture, answer.m_pPicture);
    SendDlgItemMessageA(dialog, kIdcBgShowFromStart, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendItemCommand(dialog, kIdcOk);
}

class BackgroundListTest : public StageSettingsTest {
protected:
  BackgroundListTest() { g_StageDoc.m_vBackground.clear(); }

  // The sheet in front on its basic page.
  void OpenBasic() {
    Open();
    m_hPage = Page(0);
    SetForegroundWindow(m_pSettings->m_hWndSheet);
    PumpFor(20, &m_List);
  }
  HWND ListBox() { return GetDlgItem(m_hPage, kIdcBasicBackgrounds); }

  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    int count = static_cast<int>(SendMessageA(ListBox(), LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      char text[300] = {};
      SendMessageA(ListBox(), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
      rows.push_back(text);
    }
    return rows;
  }
  // As a click on the row: it alone is marked, and the page hears of the change.
  void SelectRow(int row) {
    SendMessageA(ListBox(), LB_SETSEL, FALSE, -1);
    SendMessageA(ListBox(), LB_SETSEL, TRUE, row);
    SendMessageA(ListBox(), LB_SETCARETINDEX, row, 0);
    SendMessageA(ListBox(), LB_SETANCHORINDEX, row, 0);
    SendItemCommand(m_hPage, kIdcBasicBackgrounds, LBN_SELCHANGE);
  }
  // A command of the page, with the background dialog that it opens answered; the number of
  // dialogs that opened (0 or 1).
  int WithDialog(const std::function<void()>& command, const cBackgroundAnswer& answer) {
    cModalDriver driver([&answer](HWND dialog) { Answer(dialog, answer); });
    command();
    EXPECT_EQ(Basic().m_pBackgroundDlg, nullptr);
    return driver.Ran() ? 1 : 0;
  }
  int PressWithDialog(int id, const cBackgroundAnswer& answer) {
    return WithDialog([&] { SendItemCommand(m_hPage, id); }, answer);
  }
  // A key with Ctrl (or alone) while the list has the focus, through the sheet's routing.
  void KeyOnList(WORD key, bool ctrl) {
    FocusItem(m_hPage, kIdcBasicBackgrounds);
    if (ctrl) PressKeyWith(VK_CONTROL, key, &m_List);
    else PressKey(key, false, &m_List);
  }
  // A menu item's command while the list has the focus, as the popup menu sends it.
  void MenuCommand(WORD id) {
    SetFocus(ListBox());
    SendMessageA(m_hPage, WM_COMMAND, id, 0);
  }
  // The stage's backgrounds after the sheet applied, as row labels.
  std::string Applied() {
    Apply();
    std::string labels;
    for (int i = 0; i < g_StageDoc.m_vBackground.Count(); ++i) {
      cString label;
      BackgroundRowLabel(&label, i, &g_StageDoc.m_vBackground[i]);
      labels += std::string(label.GetStr()) + "|";
    }
    return labels;
  }

  HWND m_hPage = nullptr;
};

}  // namespace

TEST_F(BackgroundListTest, ButtonsAndTheDoubleClickEditThroughTheBackgroundDialog) {
  OpenBasic();
  EXPECT_EQ(Rows(), std::vector<std::string>{kExtraRow}) << "a stage without backgrounds";

  EXPECT_EQ(PressWithDialog(kIdcBasicBgInsert, {30, nullptr}), 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1 ○ 色番号30", kExtraRow}));
  EXPECT_EQ(Basic().BackgroundList().GetCurSel(), 1) << "the row after the new one: the next insert follows it";
  EXPECT_EQ(PressWithDialog(kIdcBasicBgInsert, {}), 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1 ○ 色番号30", kExtraRow})) << "a cancelled insert takes its row out";
  EXPECT_EQ(PressWithDialog(kIdcBasicBgInsert, {0, "bmp\\back\\b.bmp"}), 1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1 ○ 色番号30", "2 ‐ bmp\\back\\b.bmp", kExtraRow}));
  EXPECT_EQ(g_StageDoc.m_vBackground.Count(), 0) << "the stage waits for the apply";

  SelectRow(0);
  EXPECT_EQ(WithDialog([&] { SendItemCommand(m_hPage, kIdcBasicBackgrounds, LBN_DBLCLK); }, {50, nullptr}), 1);
  EXPECT_EQ(Rows()[0], "1 ○ 色番号50") << "a double click edits the row";
  EXPECT_EQ(PressWithDialog(kIdcBasicBgEdit, {}), 1);
  EXPECT_EQ(Rows()[0], "1 ○ 色番号50") << "a cancelled edit keeps the row";
  SelectRow(2);
  EXPECT_EQ(PressWithDialog(kIdcBasicBgEdit, {60, nullptr}), 0) << "the extra row has no background to edit";
  EXPECT_EQ(Applied(), "○ 色番号50|‐ bmp\\back\\b.bmp|");

  SelectRow(0);
  SendItemCommand(m_hPage, kIdcBasicBgDelete);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"1 ‐ bmp\\back\\b.bmp", kExtraRow}));
  EXPECT_EQ(Applied(), "‐ bmp\\back\\b.bmp|");
  SendItemCommand(m_hPage, kIdcBasicBgDelete);
  EXPECT_EQ(Applied(), "") << "the list may be emptied";
  EXPECT_EQ(m_Shell.m_nBeeps, 0);
}

TEST_F(BackgroundListTest, KeysMenuIdsAndThePopupMenuKeepToEightBackgrounds) {
  cBackgroundData sky;
  sky.m_bUseColor = 1;
  sky.m_nColor = 70;
  g_StageDoc.m_vBackground.push_back(sky);
  OpenBasic();
  SelectRow(0);
  KeyOnList('C', true);
  for (int i = 0; i < 7; ++i) KeyOnList('V', true);
  EXPECT_EQ(Rows().size(), 9u) << "eight backgrounds and the extra row";
  EXPECT_EQ(m_Shell.m_nBeeps, 0);
  KeyOnList('V', true);
  KeyOnList('I', true);
  EXPECT_EQ(m_Shell.m_nBeeps, 2) << "a ninth background is refused, pasted or inserted";
  EXPECT_EQ(PressWithDialog(kIdcBasicBgInsert, {30, nullptr}), 0) << "no dialog past the maximum";
  EXPECT_EQ(m_Shell.m_nBeeps, 3);
  EXPECT_EQ(Rows().size(), 9u);
  std::string eight;
  for (int i = 0; i < 8; ++i) eight += "○ 色番号70|";
  EXPECT_EQ(Applied(), eight);

  // The menu ids, while the list has the focus: delete, copy and paste, insert.
  SelectRow(3);
  MenuCommand(40043);
  EXPECT_EQ(Rows().size(), 8u);
  MenuCommand(40039);
  MenuCommand(40040);
  EXPECT_EQ(Rows().size(), 9u);
  MenuCommand(40042);
  EXPECT_EQ(m_Shell.m_nBeeps, 4) << "no room for an insert";
  SelectRow(0);
  MenuCommand(40043);
  MenuCommand(40042);
  EXPECT_EQ(Rows()[0], "1 ○ ") << "an insert from the menu or Ctrl+I is a default background, without the dialog";

  // The popup menu of the row under a right click: "削除".
  int menus = 0;
  cPopupMenuWatch watch([&](HWND) {
    ++menus;
    if (!ClickMenuItem(Basic().BackgroundList().m_hPopupMenu, 40043)) TypeKey(VK_ESCAPE);
  });
  RECT item = {};
  SendMessageA(ListBox(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(ListBox(), &point);
  MoveCursorTo(point);
  PressButton(VK_RBUTTON);
  PumpFor(20, &m_List);
  ReleaseButton(VK_RBUTTON);
  PumpFor(200, &m_List);
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(Rows().size(), 8u) << "the default background went";
  EXPECT_EQ(Rows()[0], "1 ○ 色番号70");

  // Every row marked and the Delete key: the stage is left without backgrounds.
  SendMessageA(ListBox(), LB_SETSEL, TRUE, -1);
  SendItemCommand(m_hPage, kIdcBasicBackgrounds, LBN_SELCHANGE);
  KeyOnList(VK_DELETE, false);
  EXPECT_EQ(Rows(), std::vector<std::string>{kExtraRow});
  EXPECT_EQ(Applied(), "");

  // What the sheet did not apply stays out of the stage.
  KeyOnList('I', true);
  EXPECT_EQ(Rows().size(), 2u);
  Finish(PSBTN_CANCEL);
  EXPECT_EQ(g_StageDoc.m_vBackground.Count(), 0);
}

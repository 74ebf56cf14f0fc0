#pragma once
// The fixture of the Windows list tests: the window test fixture with a shell that counts its
// beeps, the test page open as a modeless window, and the user's mouse and keys on its lists.

#include <memory>
#include <string>
#include <vector>

#include "tests/listctrl/win/ListTestPage.h"
#include "tests/support/win/WindowTest.h"

// The Windows shell, counting the beeps of refused commands (each still sounds MessageBeep(0)).
class cBeepCountingShell : public cShellWin {
public:
  void Beep() override {
    ++m_nBeeps;
    cShellWin::Beep();
  }
  int m_nBeeps = 0;
};

// Public: the tests' tables of steps drive the fixture.
class cListWinTest : public cWindowTest {
public:
  using tList = cListTestPage::tList;

  cListWinTest() {
    SetShell(&m_Shell);
    g_RowScript = cRowDialogScript();
  }
  ~cListWinTest() override {
    m_pPage.reset();
    PumpMessages(&m_List);
    cRowDialog::s_lppHolder = nullptr;
    SetShell(nullptr);
  }

  // A new page, configured by setup before its window is made, shown active with the cursor away.
  cListTestPage& Open(const std::function<void(cListTestPage&)>& setup, uint16_t templateId = kIddListPage) {
    m_pPage.reset();
    m_pPage.reset(new cListTestPage(&m_List, templateId));
    setup(*m_pPage);
    m_pPage->Create(0, 1);
    SetForegroundWindow(m_pPage->m_hWnd);
    SetActiveWindow(m_pPage->m_hWnd);
    MoveCursorTo(POINT{1000, 740});
    PumpFor(20, &m_List);
    return *m_pPage;
  }

  // A left click on a row; with Ctrl held when asked. Clicks in turn land left and right of the
  // row's middle, so that two of them on one row never make a double click.
  void Click(tList& list, int row, bool ctrl = false) {
    POINT point = cListTestPage::RowPoint(list, row);
    point.x += (m_nClicks++ % 2) ? 20 : -20;
    MoveCursorTo(point);
    if (ctrl) HoldKey(VK_CONTROL);
    PressButton(VK_LBUTTON);
    ReleaseButton(VK_LBUTTON);
    if (ctrl) LetGoKey(VK_CONTROL);
    PumpFor(30, &m_List);
  }
  // A right click at a screen point; the page's menu driver answers a popup that opens.
  void RightClick(POINT screen) {
    MoveCursorTo(screen);
    PressButton(VK_RBUTTON);
    PumpFor(20, &m_List);
    ReleaseButton(VK_RBUTTON);
    PumpFor(40, &m_List);
  }
  // A key with Ctrl held, and a key alone, served through the page's accelerator routing.
  void PressCtrl(WORD key) { PressKeyWith(VK_CONTROL, key, &m_List); }
  void Press(WORD key) { PressKey(key, false, &m_List); }
  void ClickButton(uint16_t id) {
    HWND button = GetDlgItem(m_pPage->m_hWnd, id);
    RECT rect = {};
    GetWindowRect(button, &rect);
    MoveCursorTo(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    PressButton(VK_LBUTTON);
    ReleaseButton(VK_LBUTTON);
    PumpFor(40, &m_List);
  }
  // Chooses the item with the id in the next popup menu that opens.
  void ChooseFromNextMenu(UINT id) {
    m_pPage->m_MenuDriver.m_Action = [this, id](HWND) {
      ++m_nMenusShown;
      HMENU popup = GetFocus() == Page().Single().m_hWnd ? Page().Single().m_hPopupMenu : Page().Multi().m_hPopupMenu;
      if (!ClickMenuItem(popup, id)) TypeKey(VK_ESCAPE);
    };
  }
  // Closes the next popup menu that opens without a choice.
  void EscapeNextMenu() {
    m_pPage->m_MenuDriver.m_Action = [this](HWND) {
      ++m_nMenusShown;
      TypeKey(VK_ESCAPE);
    };
  }

  cListTestPage& Page() { return *m_pPage; }

  // What the user sees of a list and what the page reads of it.
  static std::string State(tList& list, const cVector<cTestRec>& records, const cTestRec& edited) {
    std::string state = "records [" + cListTestPage::Names(records) + "] rows [";
    for (const std::string& row : cListTestPage::Rows(list)) state += row + "|";
    state += "] marks [";
    int count = static_cast<int>(SendMessageA(list.m_hWnd, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      bool marked = list.m_bMultiSel ? SendMessageA(list.m_hWnd, LB_GETSEL, row, 0) > 0
                                     : SendMessageA(list.m_hWnd, LB_GETCURSEL, 0, 0) == row;
      if (marked) state += std::to_string(row) + " ";
    }
    state += "] current " + std::to_string(list.GetCurSel()) + " edited " + edited.m_strName.GetStr();
    return state;
  }
  std::string SingleState() { return State(Page().Single(), Page().m_vSingle, Page().m_SingleEdit); }
  std::string MultiState() { return State(Page().Multi(), Page().m_vMulti, Page().m_MultiEdit); }

  cBeepCountingShell m_Shell;
  std::unique_ptr<cListTestPage> m_pPage;
  int m_nMenusShown = 0;
  int m_nClicks = 0;
};

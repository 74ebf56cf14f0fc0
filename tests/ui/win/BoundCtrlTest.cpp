#include <gtest/gtest.h>

#include <memory>

#include "app/ReportLog.h"
#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/CtrlTestPage.h"

namespace {
class BoundCtrlTest : public cWindowTest {
protected:
  ~BoundCtrlTest() override {
    m_pPage.reset();
    SetCompositionResultSource(nullptr);
  }
  // Opens the page on the record, modeless, so that the test can drive it step by step.
  cCtrlTestPage& Open() {
    m_pPage = std::make_unique<cCtrlTestPage>(&m_Record, &m_List);
    m_pPage->Create(0, 1);
    PumpFor(20, &m_List);
    return *m_pPage;
  }
  HWND Item(int id) const { return GetDlgItem(m_pPage->m_hWnd, id); }
  std::string Text(int id) const {
    char text[512] = {};
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  void Command(int id, int code) {
    SendMessageA(m_pPage->m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
  }
  // Selects the whole text of an item that has the focus, as a user does before typing over it.
  void FocusAndSelectAll(int id) {
    FocusItem(m_pPage->m_hWnd, id);
    SendMessageA(Item(id), EM_SETSEL, 0, -1);
  }
  void Ok() { Command(kIdcOk, BN_CLICKED); }

  cPageRecord m_Record;
  std::unique_ptr<cCtrlTestPage> m_pPage;
};

cString ComposedDigits(HWND) { return cString("５０ａ"); }
cString ComposedDecimal(HWND) { return cString("－１．２６"); }
}  // namespace

TEST_F(BoundCtrlTest, TypedDigitsAreFilteredAndLimitedAsTheyArrive) {
  Open();
  FocusAndSelectAll(kIdcCount);  // 0..100
  std::vector<std::string> shown;
  for (char key : std::string("1a5 0")) {
    TypeText(std::string(1, key), &m_List);
    shown.push_back(Text(kIdcCount));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"1", "1", "15", "15", "100"}));
  Ok();
  EXPECT_EQ(m_Record.m_nCount, 100);
}

TEST_F(BoundCtrlTest, MinusSignWhileTypingAndTheValueStoredAfterIt) {
  Open();
  FocusAndSelectAll(kIdcHeight);  // -100..100
  TypeText("-", &m_List);
  EXPECT_EQ(Text(kIdcHeight), "-");
  TypeText("5", &m_List);
  EXPECT_EQ(Text(kIdcHeight), "-5");
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  PumpFor(20, &m_List);
  EXPECT_EQ(Text(kIdcHeight), "-5");

  // A lone minus in 1..127 stores the nearest limit, and leaving the edit shows it.
  FocusAndSelectAll(kIdcWeight);
  TypeText("-", &m_List);
  EXPECT_EQ(Text(kIdcWeight), "-");
  m_pPage->ControlsToData();
  EXPECT_EQ(m_Record.m_cWeight, 1);
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  PumpFor(20, &m_List);
  EXPECT_EQ(Text(kIdcWeight), "1");

  // An emptied edit stays empty while it has the focus, stores its nearest limit, shows it after.
  FocusAndSelectAll(kIdcWeight);
  PressKey(VK_DELETE, false, &m_List);
  EXPECT_EQ(Text(kIdcWeight), "");
  m_pPage->ControlsToData();
  EXPECT_EQ(m_Record.m_cWeight, 1);
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  PumpFor(20, &m_List);
  EXPECT_EQ(Text(kIdcWeight), "1");
}

TEST_F(BoundCtrlTest, PastedTextAndInputMethodDigits) {
  Open();
  SendMessageA(Item(kIdcCount), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1a2b"));
  EXPECT_EQ(Text(kIdcCount), "12") << "a letter that arrives by pasting disappears at once";

  SetCompositionResultSource(ComposedDigits);
  FocusAndSelectAll(kIdcCount);
  SendMessageA(Item(kIdcCount), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(Text(kIdcCount), "50") << "full-width digits arrive half-width, a full-width letter is dropped";

  SetCompositionResultSource(ComposedDecimal);
  FocusAndSelectAll(kIdcSpeed);
  SendMessageA(Item(kIdcSpeed), WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
  EXPECT_EQ(Text(kIdcSpeed), "-1.26") << "shown as typed while typing";
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  PumpFor(20, &m_List);
  EXPECT_EQ(Text(kIdcSpeed), "-1.3") << "the step's decimals once the typing ends";
  Ok();
  EXPECT_DOUBLE_EQ(m_Record.m_dSpeed, -1.3);
}

TEST_F(BoundCtrlTest, FloatingEditTakesADecimalPointAndKeepsItsDecimals) {
  Open();
  FocusAndSelectAll(kIdcSpeed);
  TypeText("2.34", &m_List);
  EXPECT_EQ(Text(kIdcSpeed), "2.34");
  FocusAndSelectAll(kIdcCount);
  TypeText("7.5", &m_List);
  EXPECT_EQ(Text(kIdcCount), "75") << "an integer edit refuses the decimal point";
  PumpFor(20, &m_List);
  EXPECT_EQ(Text(kIdcSpeed), "2.3");
  Ok();
  EXPECT_DOUBLE_EQ(m_Record.m_dSpeed, 2.3);
  EXPECT_EQ(m_Record.m_nCount, 75);
}

TEST_F(BoundCtrlTest, UpDownStepsWithinTheLimitsAndNeverWraps) {
  Open();
  FocusAndSelectAll(kIdcCount);
  PressKey(VK_UP, false, &m_List);
  EXPECT_EQ(Text(kIdcCount), "51") << "the arrow key steps through the up-down";

  auto click = [&](int spinId, int delta) {
    NMUPDOWN notice = {};
    notice.hdr.hwndFrom = Item(spinId);
    notice.hdr.idFrom = spinId;
    notice.hdr.code = UDN_DELTAPOS;
    notice.iDelta = delta;
    SendMessageA(m_pPage->m_hWnd, WM_NOTIFY, spinId, reinterpret_cast<LPARAM>(&notice));
  };
  click(kIdcWeightSpin, 1);  // char 1..127, step 5, at 10
  EXPECT_EQ(Text(kIdcWeight), "15");
  SetWindowTextA(Item(kIdcWeight), "125");
  click(kIdcWeightSpin, 1);
  EXPECT_EQ(Text(kIdcWeight), "127") << "stops at the limit instead of wrapping below zero";
  click(kIdcWeightSpin, 1);
  EXPECT_EQ(Text(kIdcWeight), "127");
  click(kIdcSpeedSpin, -3);  // double, step 0.1, at 1.5
  EXPECT_EQ(Text(kIdcSpeed), "1.2");
  Ok();
  EXPECT_EQ(m_Record.m_cWeight, 127);
  EXPECT_DOUBLE_EQ(m_Record.m_dSpeed, 1.2);
}

TEST_F(BoundCtrlTest, NumericEditsShowTheirValuesWithinLimitsAndTypes) {
  m_Record.m_nCount = 500;
  m_Record.m_sHeight = -20;
  Open();
  EXPECT_EQ(Text(kIdcCount), "100") << "a bound value beyond the limit shows the limit";
  EXPECT_EQ(Text(kIdcSpeed), "1.5");
  EXPECT_EQ(Text(kIdcBright), "200");
  EXPECT_EQ(GetWindowLongA(Item(kIdcCount), GWL_STYLE) & ES_NUMBER, 0);
  SetWindowTextA(Item(kIdcHeight), "40000");
  EXPECT_EQ(Text(kIdcHeight), "100") << "saturated to the type, then limited";
  m_pPage->m_vInts.At(0).m_Ctrl.Enable(0);
  EXPECT_FALSE(IsWindowEnabled(Item(kIdcCount)));
  EXPECT_FALSE(IsWindowEnabled(Item(kIdcCountSpin))) << "the up-down goes with its edit";
  m_pPage->m_vShorts.At(0).m_Ctrl.Enable(0);
  EXPECT_FALSE(IsWindowEnabled(Item(kIdcHeight))) << "an edit without up-down";
  Ok();
  EXPECT_EQ(m_Record.m_nCount, 500) << "showing changes no value: the one given is stored";
  EXPECT_EQ(m_Record.m_sHeight, 100) << "a text put into the edit is a change";
  EXPECT_EQ(m_Record.m_ucBright, 200);
}

TEST_F(BoundCtrlTest, TextEditKeepsItsCharacterLimitWhileTyping) {
  m_Record.m_strName = "あいうえおかきくけこさ";  // eleven characters, 22 bytes
  Open();
  FocusItem(m_pPage->m_hWnd, kIdcName);
  SendMessageA(Item(kIdcName), EM_SETSEL, 100, 100);
  TypeText("x", &m_List);
  EXPECT_EQ(Text(kIdcName), "あいうえおかきくけこさx") << "a double-byte character counts one";
  TypeText("y", &m_List);
  EXPECT_EQ(Text(kIdcName), "あいうえおかきくけこさx") << "the thirteenth is undone";
  int32_t start = -1, end = -1;
  GetEditSelection(Item(kIdcName), Text(kIdcName).c_str(), start, end);
  EXPECT_EQ(start, 23) << "the caret stays where it was typed, in bytes";
  EXPECT_EQ(end, 23);
  SetEditSelection(Item(kIdcName), Text(kIdcName).c_str(), 4, 4);
  TypeText("z", &m_List);
  EXPECT_EQ(Text(kIdcName), "あいうえおかきくけこさx") << "typed anywhere";
  GetEditSelection(Item(kIdcName), Text(kIdcName).c_str(), start, end);
  EXPECT_EQ(start, 6) << "where it was typed, on the boundary of the character it falls in";
  Ok();
  EXPECT_EQ(m_Record.m_strName, "あいうえおかきくけこさx");
}

TEST_F(BoundCtrlTest, ByteModePathEditPushesTheLastByteOut) {
  m_Record.m_strPath = std::string(260, 'a');
  Open();
  FocusItem(m_pPage->m_hWnd, kIdcPath);
  SendMessageA(Item(kIdcPath), EM_SETSEL, 10, 10);
  TypeText("b", &m_List);
  std::string shown = Text(kIdcPath);
  EXPECT_EQ(shown.size(), 260u);
  EXPECT_EQ(shown.substr(8, 4), "aaba");
  EXPECT_EQ(m_pPage->m_vTexts.At(1).m_Ctrl.ReadLimit(), 261);
  EXPECT_EQ(m_pPage->m_vTexts.At(0).m_Ctrl.ReadLimit(), 25) << "character mode reads two bytes a character";
}

TEST_F(BoundCtrlTest, ProgramTextsAreCutAndNeverBringBackThePreviousRecord) {
  m_Record.m_strName = "０１２３４５６７８９０１２３４５６７８９";  // 20 double-byte characters
  Open();
  EXPECT_EQ(Text(kIdcName), "０１２３４５６７８９０１");
  EXPECT_EQ(m_Record.m_strName.size(), 40u) << "the record keeps its text until it is stored";

  // Moving to another record whose text is too long shows that record's text, cut.
  cCtrlEditText& name = m_pPage->m_vTexts.At(0).m_Ctrl;
  cString other = "ABCDEFGHIJKLMNOPQRST";
  name.m_lpData = &other;
  name.DataToCtrl();
  EXPECT_EQ(Text(kIdcName), "ABCDEFGHIJKL");
  name.CtrlToData();
  EXPECT_EQ(other, "ABCDEFGHIJKLMNOPQRST") << "the cut is the eye's only: the text given is stored";
  name.m_lpData = &m_Record.m_strName;

  // A line break that fits is shown whole; a change that keeps it is undone.
  name.SetText("ab\r\ncd");
  EXPECT_EQ(Text(kIdcName), "ab\r\ncd");
  FocusItem(m_pPage->m_hWnd, kIdcName);
  SendMessageA(Item(kIdcName), EM_SETSEL, 0, 0);
  TypeText("x", &m_List);
  EXPECT_EQ(Text(kIdcName), "ab\r\ncd");
}

TEST_F(BoundCtrlTest, ItemTextHelpers) {
  Open();
  cCtrlStatic& status = m_pPage->m_vStatics.At(0).m_Ctrl;
  status.SetText("状態：");
  status.AppendText("読込中");
  AppendTextF(status, "（%d／%d）", 3, 10);
  cString text;
  status.GetText(text);
  EXPECT_EQ(text, "状態：読込中（3／10）");
  status.SetItemString("");
  EXPECT_EQ(Text(kIdcStatus), "");
  SetDlgItemString(m_pPage->m_hWnd, kIdcStatus, "01234567890123456789");
  GetDlgItemString(m_pPage->m_hWnd, kIdcStatus, text, 13);
  EXPECT_EQ(text, "012345678901");
  SetDlgItemString(m_pPage->m_hWnd, kIdcStatus, "あいうえお");
  GetDlgItemString(m_pPage->m_hWnd, kIdcStatus, text, 6);
  EXPECT_EQ(text, "あい") << "a double-byte character cut by the limit is left out whole";
}

TEST_F(BoundCtrlTest, ComboBoxesMapRowsToValuesAndShowNumberedNames) {
  Open();
  HWND direction = Item(kIdcDirection);
  EXPECT_EQ(SendMessageA(direction, CB_GETCURSEL, 0, 0), 1) << "data 2 with offset 1 is the second row";
  HWND sound = Item(kIdcSound);
  ASSERT_EQ(SendMessageA(sound, CB_GETCOUNT, 0, 0), 3);
  char row[64] = {};
  SendMessageA(sound, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(row));
  EXPECT_STREQ(row, "003 爆発");
  EXPECT_EQ(SendMessageA(sound, CB_GETCURSEL, 0, 0), 0);

  SendMessageA(direction, CB_SETCURSEL, 3, 0);
  Command(kIdcDirection, CBN_SELCHANGE);
  EXPECT_EQ(m_pPage->m_vChanged.back(), kIdcDirection);
  cCtrlCombo<char>& combo = m_pPage->m_vCharCombos.At(0).m_Ctrl;
  combo.SetCurData(0);
  EXPECT_EQ(SendMessageA(direction, CB_GETCURSEL, 0, 0), -1) << "data before the first row selects nothing";
  combo.Adjust();
  EXPECT_EQ(combo.SelectedData(), 1);
  EXPECT_EQ(combo.GetCurData(), 0) << "moving the selection into the rows keeps the value given";
  combo.SetCurData(4);
  static const cString kTwo[] = {"前", "後", ""};
  combo.SetItemArray(kTwo);
  EXPECT_EQ(combo.SelectedData(), 1) << "a refill without the old row selects the first";
  EXPECT_EQ(combo.GetCurData(), 4);

  cCtrlCombo<int>& sounds = m_pPage->m_vIntCombos.At(0).m_Ctrl;
  SendMessageA(sound, CB_SETCURSEL, 2, 0);
  m_Record.m_nSound = 3;
  sounds.SetMin(5);
  EXPECT_EQ(m_Record.m_nSound, 5) << "the bound value follows a first row that stands for more";
  EXPECT_EQ(SendMessageA(sound, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(sounds.GetCurData(), 7);
  EXPECT_EQ(PlayComboSound(m_pPage->m_hWnd, m_pPage->m_vIntCombos, kIdcSound), 0) << "not a sound of the table";

  sounds.SetMin(1);
  SendMessageA(sound, CB_SETCURSEL, 1, 0);
  SendMessageA(direction, CB_SETCURSEL, 3, 0);
  combo.SetItemArray(cCtrlTestPage::kDirections);
  SendMessageA(direction, CB_SETCURSEL, 3, 0);
  Ok();
  EXPECT_EQ(m_Record.m_cDirection, 4);
  EXPECT_EQ(m_Record.m_nSound, 2);
}

TEST_F(BoundCtrlTest, DatabaseCombosAreFilledFromTheirTables) {
  Open();
  std::vector<cString> labels;
  cVector<cNamedEntry> table = {{"なし"}, {"歩き"}, {"走り"}};
  FillDatabaseCombo(m_pPage->m_vIntCombos, kIdcSound, labels, table);
  EXPECT_EQ(SendMessageA(Item(kIdcSound), CB_GETCOUNT, 0, 0), 2);
  char row[64] = {};
  SendMessageA(Item(kIdcSound), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(row));
  EXPECT_STREQ(row, "002 走り");
}

TEST_F(BoundCtrlTest, CheckBoxesButtonsAndStatics) {
  Open();
  EXPECT_EQ(SendMessageA(Item(kIdcEnabled), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Item(kIdcFlip), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(Item(kIdcEnabled), BM_CLICK, 0, 0);
  EXPECT_EQ(m_pPage->m_vChanged.back(), kIdcEnabled);
  SendMessageA(Item(kIdcFlip), BM_CLICK, 0, 0);
  SendMessageA(Item(kIdcRun), BM_CLICK, 0, 0);
  EXPECT_EQ(m_pPage->m_vChanged.back(), kIdcRun) << "a click counts as the button's change";
  EXPECT_EQ(m_pPage->m_vCharChecks.At(0).m_Ctrl.GetCheck(), 1);

  EnableCtrlById(m_pPage->m_vButtons, kIdcRun, 0);
  EXPECT_EQ(m_pPage->m_vButtons.At(0).m_Ctrl.IsEnabled(), 0);
  ShowCtrlById(m_pPage->m_vStatics, kIdcStatus, 0);
  EXPECT_FALSE(IsWindowVisible(Item(kIdcStatus)));
  Ok();
  EXPECT_EQ(m_Record.m_bEnabled, 0);
  EXPECT_EQ(m_Record.m_bFlip, 1);
}

TEST_F(BoundCtrlTest, SliderAndItsValueEditBindBothWays) {
  m_Record.m_nRed = 300;
  Open();
  HWND track = Item(kIdcRed);
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 255) << "beyond its range: the nearest end";
  EXPECT_EQ(Text(kIdcRedEdit), "255");

  FocusItem(m_pPage->m_hWnd, kIdcRed);
  PressKey(VK_LEFT, false, &m_List);
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 254);
  EXPECT_EQ(Text(kIdcRedEdit), "254") << "the edit follows the thumb";

  // A typed value moves the thumb when the edit loses the focus.
  FocusAndSelectAll(kIdcRedEdit);
  TypeText("200", &m_List);
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  PumpFor(20, &m_List);
  EXPECT_EQ(SendMessageA(track, TBM_GETPOS, 0, 0), 200);

  // Enter chooses OK while the caret is still in the edit: the typed value is stored.
  FocusAndSelectAll(kIdcRedEdit);
  TypeText("90", &m_List);
  PressKey(VK_RETURN, false, &m_List);
  EXPECT_EQ(m_Record.m_nRed, 90);
}

TEST_F(BoundCtrlTest, ScrollBarsBindAndShowNoContextMenu) {
  Open();
  cCtrlScroll& scroll = m_pPage->m_vScrolls.At(0).m_Ctrl;
  EXPECT_EQ(scroll.ScrollBy(45), 41) << "range 0..50 with a page of 10";
  scroll.SetRange(0, 100);
  scroll.SetPage(20);
  EXPECT_EQ(scroll.ScrollBy(100), 81);
  EXPECT_EQ(GetPropA(Item(kIdcScroll), "CTRL_SCROLL_CLASS"), &scroll);

  int menus = 0;
  struct cCount {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_CONTEXTMENU) ++*static_cast<int*>(GetPropA(window, "menus"));
      return CallWindowProcA(reinterpret_cast<WNDPROC>(GetPropA(window, "old")), window, message, wParam, lParam);
    }
  };
  HWND page = m_pPage->m_hWnd;
  SetPropA(page, "menus", &menus);
  SetPropA(page, "old", reinterpret_cast<HANDLE>(SetWindowLongPtrA(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(cCount::Proc))));
  SendMessageA(Item(kIdcScroll), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(menus, 0);
  SendMessageA(Item(1189), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));  // a plain label asks for one
  EXPECT_EQ(menus, 1);
  SetWindowLongPtrA(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(page, "old")));
}

TEST_F(BoundCtrlTest, ViewControlPaintsItsPictureAndTakesSizes) {
  Open();
  cCtrlBitmap& view = m_pPage->m_cgView.m_Ctrl;
  RECT client = {};
  GetClientRect(Item(kIdcView), &client);
  EXPECT_EQ(view.m_Back.Width(), client.right) << "0 and 0 keep the item's size";
  EXPECT_EQ(view.m_Back.Height(), client.bottom);
  EXPECT_EQ(view.m_Back.BitCount(), 32);
  EXPECT_TRUE(view.m_Screen.Dc());

  POINT before = view.m_ptClient;
  cCtrlGroup<cCtrlBitmap> small;
  small.m_Param.Set(kIdcView, 32, 32);
  m_pPage->AttachCtrlGroup(small);
  RECT resized = {};
  GetWindowRect(Item(kIdcView), &resized);
  EXPECT_EQ(resized.right - resized.left, 32);
  EXPECT_EQ(resized.bottom - resized.top, 32);
  EXPECT_EQ(small.m_Ctrl.m_ptClient.x, before.x) << "resized where the template put it";
  EXPECT_EQ(small.m_Ctrl.m_ptClient.y, before.y);
  EXPECT_EQ(small.m_Ctrl.m_Back.Width(), 32);
  cPixelView pixels = small.m_Ctrl.m_Back.Image();
  EXPECT_EQ(pixels.Row(31)[31 * 4], 255) << "a new back canvas is white";
  m_pPage->m_vCtrl.pop_back();
}

TEST_F(BoundCtrlTest, ControlGroupsAreFoundByIdAndAMissingIdEndsTheProgram) {
  cFakeShell shell;
  Open();
  EXPECT_EQ(FindCtrlById(m_pPage->m_vTexts, kIdcPath), &m_pPage->m_vTexts.At(1).m_Ctrl);
  EXPECT_TRUE(shell.m_vBoxes.empty());
  EXPECT_EQ(FindCtrlById(m_pPage->m_vTexts, 4321), nullptr);
  EXPECT_EQ(shell.m_nDestroys, 1) << "the main window is destroyed, which ends the program";
  EXPECT_TRUE(shell.m_vBoxes.empty()) << "the error-code box is silent while its log is off";

  SetErrorLog(1, "EC_Test.txt");
  EnableCtrlById(m_pPage->m_vButtons, 4321, 0);
  SetErrorLog(0, "EC_Test.txt");
  ASSERT_EQ(shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText, "コントロールID 【4321】 が見つかりません！");
  EXPECT_EQ(shell.m_nDestroys, 2);
  EXPECT_TRUE(IsWindowEnabled(Item(kIdcRun))) << "nothing further happens";
}

TEST_F(BoundCtrlTest, ControlBaseOperationsAndRefreshHooks) {
  Open();
  cCtrlButton& run = m_pPage->m_vButtons.At(0).m_Ctrl;
  EXPECT_TRUE(run.m_strTip.empty());
  POINT before = run.m_ptClient;
  EXPECT_EQ(run.SetSize(80, 30), 1);
  EXPECT_EQ(run.m_ptClient.x, before.x) << "client coordinates of a dialog with a caption";
  EXPECT_EQ(run.m_ptClient.y, before.y);
  RECT placed = {};
  GetWindowRect(run.m_hWnd, &placed);
  EXPECT_EQ(placed.right - placed.left, 80);
  EXPECT_EQ(run.ContainsPoint(POINT{placed.right, placed.bottom}), 1) << "edges included";
  EXPECT_EQ(run.ContainsPoint(POINT{placed.right + 1, placed.bottom}), 0);
  EXPECT_EQ(run.HasStyle(WS_TABSTOP), 1);
  run.RemoveStyle(WS_TABSTOP);
  EXPECT_EQ(run.HasStyle(WS_TABSTOP), 0);
  cCtrlButton never;
  EXPECT_EQ(never.SetSize(10, 10), 0);

  int listed = m_pPage->m_vCtrl.Count();
  m_pPage->ReattachCtrlGroups(m_pPage->m_vButtons);
  EXPECT_EQ(m_pPage->m_vCtrl.Count(), listed) << "reattaching leaves the control list";
  m_Record.m_nCount = 7;
  m_pPage->RefreshControls(-1);
  EXPECT_EQ(Text(kIdcCount), "7");
  EXPECT_EQ(m_pPage->m_vRefreshHints, (std::vector<int32_t>{-1, -99}));
}

TEST_F(BoundCtrlTest, CommandBindingsCallTheFirstMatchingHandler) {
  struct cPage {
    void Run() { m_strCalls += "R"; }
    void Flip() { m_strCalls += "F"; }
    std::string m_strCalls;
  } page;
  cCmdBinding<cPage> bindings[2];
  bindings[0].Set(kCtrlButton, kIdcRun, &cPage::Run);
  bindings[1].Set(kCtrlCheck, kIdcFlip, &cPage::Flip);
  EXPECT_EQ(DispatchCommand(page, bindings, MAKEWPARAM(kIdcFlip, BN_CLICKED)), 1);
  EXPECT_EQ(DispatchCommand(page, bindings, MAKEWPARAM(kIdcRun, EN_CHANGE)), 0);
  EXPECT_EQ(DispatchCommand(page, bindings, MAKEWPARAM(kIdcRun, BN_CLICKED)), 1);
  EXPECT_EQ(page.m_strCalls, "FR");
}

TEST_F(BoundCtrlTest, DialogsOwnScrollBarsAreBoundAndNeverKeepTheFocus) {
  cProbeDialog<41> view(kIddViewWindow, nullptr, &m_List);
  view.SetGeometry(100, 80, 100, 80, 640, 480, 0, 0, 0, 0, 0, 3);
  view.m_cgView.m_Param.Set(kIdcView, 0, 0);
  view.m_OnInit = [](cProbeDialog<41>& self) { self.AttachCtrlGroup(self.m_cgView); };
  view.Create(0, 1);
  HWND horizontal = view.ScrollBar(SB_HORZ);
  HWND vertical = view.ScrollBar(SB_VERT);
  ASSERT_EQ(vertical, GetDlgItem(view.m_hWnd, 1009));
  EXPECT_EQ(GetPropA(horizontal, "CTRL_SCROLL_CLASS"), &view.m_cgHScroll.m_Ctrl);
  EXPECT_EQ(view.m_vCtrl.At(0), &view.m_cgHScroll.m_Ctrl) << "the bars lead the control list";
  EXPECT_EQ(view.m_vCtrl.At(1), &view.m_cgVScroll.m_Ctrl);
  RECT bar = {};
  GetWindowRect(horizontal, &bar);
  MapWindowPoints(nullptr, view.m_hWnd, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.top, view.m_nViewHeight) << "below the view";
  EXPECT_EQ(bar.right - bar.left, view.m_nViewWidth);

  FocusItem(view.m_hWnd, 1009);
  SendMessageA(view.m_hWnd, WM_NULL, 0, 0);
  EXPECT_EQ(GetFocus(), view.m_cgView.m_Ctrl.m_hWnd) << "the focus goes on to the view";
  SendMessageA(vertical, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(view.Count(WM_CONTEXTMENU), 0);
  DestroyWindow(view.m_hWnd);
  EXPECT_EQ(view.m_cgView.m_Ctrl.m_Screen.Dc(), nullptr) << "the view gave its device context back with its item";
}

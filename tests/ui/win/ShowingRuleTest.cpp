#include <gtest/gtest.h>

#include <memory>

#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/CtrlTestPage.h"

// Showing a record never changes it: every bound control stores the value it was given to show
// until the user changes that control, whatever its range or items show.
namespace {
class ShowingRuleTest : public cWindowTest {
protected:
  ~ShowingRuleTest() override { m_pPage.reset(); }
  // A record whose values lie outside what the page's controls can show.
  void SeedOutside() {
    m_Record.m_nCount = 500;           // 0..100
    m_Record.m_dSpeed = 25.5;          // -10..10
    m_Record.m_sHeight = -300;         // -100..100
    m_Record.m_cWeight = 0;            // 1..127
    m_Record.m_ucBright = 200;
    m_Record.m_strName = "０１２３４５６７８９０１２３４５６７８９";  // 20 characters, 12 shown
    m_Record.m_cDirection = 7;         // rows 1..4
    m_Record.m_nSound = 9;             // rows 1..3
    m_Record.m_bEnabled = 2;
    m_Record.m_bFlip = 0;
    m_Record.m_nRed = 300;             // 0..255
  }
  cCtrlTestPage& Open() {
    m_pPage = std::make_unique<cCtrlTestPage>(&m_Record, &m_List);
    m_pPage->m_bStoreEachChange = 1;
    m_pPage->Create(0, 1);
    PumpFor(20, &m_List);
    return *m_pPage;
  }
  HWND Item(int id) const { return GetDlgItem(m_pPage->m_hWnd, id); }
  POINT Centre(int id, double yFraction = 0.5) const {
    RECT rect = {};
    GetWindowRect(Item(id), &rect);
    return {(rect.left + rect.right) / 2, rect.top + static_cast<LONG>((rect.bottom - rect.top) * yFraction)};
  }
  void ClickAt(POINT at) {
    MoveCursorTo(at);
    PressButton(VK_LBUTTON);
    ReleaseButton(VK_LBUTTON);
    PumpFor(30, &m_List);
  }
  // The user types into the path edit: every control is stored.
  void TypeIntoPath() {
    FocusItem(m_pPage->m_hWnd, kIdcPath);
    SendMessageA(Item(kIdcPath), EM_SETSEL, 100, 100);
    TypeText("x", &m_List);
  }
  void ExpectSeedKept() {
    EXPECT_EQ(m_Record.m_nCount, 500);
    EXPECT_DOUBLE_EQ(m_Record.m_dSpeed, 25.5);
    EXPECT_EQ(m_Record.m_sHeight, -300);
    EXPECT_EQ(m_Record.m_cWeight, 0);
    EXPECT_EQ(m_Record.m_strName, "０１２３４５６７８９０１２３４５６７８９");
    EXPECT_EQ(m_Record.m_cDirection, 7);
    EXPECT_EQ(m_Record.m_nSound, 9);
    EXPECT_EQ(m_Record.m_bEnabled, 2);
    EXPECT_EQ(m_Record.m_nRed, 300);
  }

  cPageRecord m_Record;
  std::unique_ptr<cCtrlTestPage> m_pPage;
};
}  // namespace

TEST_F(ShowingRuleTest, ValuesShownOutsideTheControlsAreStoredAsGiven) {
  SeedOutside();
  Open();
  char text[64] = {};
  GetWindowTextA(Item(kIdcCount), text, sizeof text);
  EXPECT_STREQ(text, "100") << "shown within the range";
  EXPECT_EQ(SendMessageA(Item(kIdcRed), TBM_GETPOS, 0, 0), 255);
  TypeIntoPath();
  EXPECT_EQ(m_Record.m_strPath, "bmp\\chara.bmpx") << "the path edit's change stored the page";
  ExpectSeedKept();

  // Showing again (another record, then this one) and the idle refresh store nothing new either.
  m_pPage->DataToControls();
  m_pPage->ControlsToData();
  ExpectSeedKept();
  SendMessageA(m_pPage->m_hWnd, WM_COMMAND, kIdcOk, 0);
  ExpectSeedKept();
}

TEST_F(ShowingRuleTest, RangeAndItemChangesAfterShowingStoreNothingNew) {
  Open();
  m_pPage->m_vInts.At(0).m_Ctrl.SetRange(0, 10);  // showing 50
  m_pPage->m_vChars.At(0).m_Ctrl.SetRange(50, 60);  // showing 10
  static const cString kOne[] = {"上", ""};
  m_pPage->m_vCharCombos.At(0).m_Ctrl.SetItemArray(kOne);  // showing 2, now only row 1
  m_pPage->m_vInts.At(0).m_Ctrl.Enable(0);
  TypeIntoPath();
  EXPECT_EQ(m_Record.m_nCount, 50);
  EXPECT_EQ(m_Record.m_cWeight, 10);
  EXPECT_EQ(m_Record.m_cDirection, 2);
}

// What the user does to a control is stored: typing, the up-down, a choice in a list, the trackbar
// and a click on a check box, each through the system's input.
TEST_F(ShowingRuleTest, TheUsersChangesAreStored) {
  SeedOutside();
  Open();
  FocusItem(m_pPage->m_hWnd, kIdcCount);
  SendMessageA(Item(kIdcCount), EM_SETSEL, 0, -1);
  TypeText("7", &m_List);
  EXPECT_EQ(m_Record.m_nCount, 7) << "typed";

  ClickAt(Centre(kIdcWeightSpin, 0.25));
  EXPECT_EQ(m_Record.m_cWeight, 6) << "the up-down steps from the value shown (1) by 5";

  FocusItem(m_pPage->m_hWnd, kIdcSound);
  PressKey(VK_DOWN, false, &m_List);
  int chosen = static_cast<int>(SendMessageA(Item(kIdcSound), CB_GETCURSEL, 0, 0));
  EXPECT_EQ(m_Record.m_nSound, chosen + 1) << "a choice in the list (rows from 1)";
  EXPECT_NE(m_Record.m_nSound, 9);

  FocusItem(m_pPage->m_hWnd, kIdcRed);
  PressKey(VK_LEFT, false, &m_List);
  TypeIntoPath();
  EXPECT_EQ(m_Record.m_nRed, 254) << "the trackbar";

  ClickAt(Centre(kIdcFlip));
  EXPECT_EQ(m_Record.m_bFlip, 1) << "a click on the check box";

  FocusItem(m_pPage->m_hWnd, kIdcName);
  SendMessageA(Item(kIdcName), EM_SETSEL, 0, -1);
  TypeText("A", &m_List);
  EXPECT_EQ(m_Record.m_strName, "A");

  FocusItem(m_pPage->m_hWnd, kIdcRedEdit);
  SendMessageA(Item(kIdcRedEdit), EM_SETSEL, 0, -1);
  TypeText("12", &m_List);
  SendMessageA(m_pPage->m_hWnd, WM_COMMAND, kIdcOk, 0);
  EXPECT_EQ(m_Record.m_nRed, 12) << "a value typed into the slider's edit";
  EXPECT_EQ(m_Record.m_sHeight, -300) << "untouched controls keep their values";
  EXPECT_EQ(m_Record.m_cDirection, 7);
  EXPECT_EQ(m_Record.m_bEnabled, 2);
}

// The dialogs of the palette windows' menu: the number of entries ("データ数") and the data move
// dialog (template 138), opened at the palette window, filled in and confirmed as a user does.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "stage/cDataMove.h"
#include "tests/stage/win/PaletteWndTest.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cValueInputDlg.h"

namespace {

void Type(HWND dialog, int id, const char* text) {
  SetDlgItemTextA(dialog, id, text);
  SendItemCommand(dialog, id, EN_KILLFOCUS);
}

void Choose(HWND dialog, int id, int row) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendItemCommand(dialog, id, CBN_SELCHANGE);
}

std::vector<std::string> ComboRows(HWND dialog, int id) {
  std::vector<std::string> rows;
  int count = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[128] = {};
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

// The texts of the dialog's statics.
std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") != 0) continue;
    char text[128] = {};
    GetWindowTextA(child, text, sizeof text);
    texts.push_back(text);
  }
  return texts;
}

void UpDownRange(HWND dialog, int id, int& low, int& high) {
  SendDlgItemMessageA(dialog, id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
}

POINT TopLeft(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return POINT{rect.left, rect.top};
}

}  // namespace

using PaletteDialogsTest = PaletteWndTest;

TEST_F(PaletteDialogsTest, TheNumberOfEntriesAskedAtThePaletteWindow) {
  OpenPalettes();
  cPaletteWnd& window = Common(0);
  bool othersDisabled = false;
  std::string title, shown;
  POINT at = {}, palette = TopLeft(window.m_hWnd);
  cModalDriver driver([&](HWND dialog) {
    char text[64] = {};
    GetWindowTextA(dialog, text, sizeof text);
    title = text;
    shown = ItemText(dialog, kIdcInputEdit);
    at = TopLeft(dialog);
    othersDisabled = !IsWindowEnabled(Window()) && !IsWindowEnabled(Stage(0).m_hWnd);
    SetDlgItemTextA(dialog, kIdcInputEdit, "3");
    SendItemCommand(dialog, kIdcOk);
  });
  PaletteCommand(window, 40088);
  ASSERT_TRUE(driver.Ran());
  EXPECT_EQ(title, "データ数");
  EXPECT_EQ(shown, "6") << "the entries besides entry 0";
  EXPECT_EQ(at.x, palette.x);
  EXPECT_EQ(at.y, palette.y);
  EXPECT_TRUE(othersDisabled);
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_TRUE(IsWindowEnabled(Stage(0).m_hWnd));
  EXPECT_EQ(PaletteStateText(0), "C[_ A B C] S[_ p C<c3 r s<s1] M[r<s3 E C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]");

  // The stage palette grows: a new entry would follow the common entry of its number, which no
  // longer exists.
  cModalDriver grow([&](HWND dialog) {
    SetDlgItemTextA(dialog, kIdcInputEdit, "5");
    SendItemCommand(dialog, kIdcOk);
  });
  PaletteCommand(Stage(0), 40088);
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C] S[_ p C<c3 r s<s1 新] M[r<s3 E C<s2 x] brush[_<c0] clip[-] sel[c0] mod[cs]");
  EXPECT_EQ(Stage(0).Pane().GetEntryCount(), 6);

  cModalDriver cancel([&](HWND dialog) {
    SetDlgItemTextA(dialog, kIdcInputEdit, "1");
    SendItemCommand(dialog, kIdcCancel);
  });
  PaletteCommand(window, 40088);
  EXPECT_TRUE(cancel.Ran());
  EXPECT_EQ(g_CommonPalette.m_vBlock.Count(), 4);
}

TEST_F(PaletteDialogsTest, ElevenEntriesBecomeFourOrTwentyOne) {
  // The numbers typed into "データ数" in a common (c) or stage (s) block window, one after another.
  const struct {
    const char* m_pName;
    std::vector<std::pair<int, const char*>> m_vCounts;
    const char* m_pState;
    int m_nStageRows;
    int m_nCommonCount;  // the entries of the common list, entry 0 among them
  } rows[] = {
      {"a common list of 11 entries keeps entries 0 to 3", {{0, "10"}, {0, "3"}},
       "C[_ A B C] S[_ p C<c3 r s<s1] M[r<s3 E C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", 1, 4},
      {"a stage list of 11 entries gets 10 more, following the common entries of their numbers",
       {{0, "14"}, {1, "10"}, {1, "20"}},
       "C[_ A B C D E F 新 新 新 新 新 新 新 新] S[_ p C<c3 r s<s1 E<c5 F<c6 新<c7 新<c8 新<c9 新<c10 新<c11 新<c12 "
       "新<c13 新<c14 新 新 新 新 新 新] M[r<s3 E<c5 C<s2 x] brush[_<c0] clip[-] sel[c0] mod[cs]",
       3, 15},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    TearDown();
    SetUp();
    OpenPalettes();
    for (const auto& count : row.m_vCounts) {
      cModalDriver driver([&](HWND dialog) {
        SetDlgItemTextA(dialog, kIdcInputEdit, count.second);
        SendItemCommand(dialog, kIdcOk);
      });
      PaletteCommand(Palette(count.first, 0), 40088);
      EXPECT_TRUE(driver.Ran()) << count.second;
    }
    EXPECT_EQ(PaletteStateText(0), row.m_pState);
    // Both grids and scroll ranges follow their lists.
    SCROLLINFO scroll = {sizeof scroll, SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(Stage(0).m_cgVScroll.m_Ctrl.m_hWnd, SB_CTL, &scroll);
    EXPECT_EQ(scroll.nMax, row.m_nStageRows - 1);
    EXPECT_EQ(Common(0).Pane().GetEntryCount(), row.m_nCommonCount);
  }
}

TEST_F(PaletteDialogsTest, TheDataMoveDialogsControls) {
  // The editor small enough that the palette windows and the dialog beside them fit on the screen.
  EditConfig.m_wpStageEditor.Set(10, 10, 384, 300);
  OpenPalettes();
  cPaletteWnd& window = Common(0);
  POINT palette = TopLeft(window.m_hWnd);
  cModalDriver driver([&](HWND dialog) {
    char title[64] = {};
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, "データの移動");
    POINT at = TopLeft(dialog);
    EXPECT_EQ(at.x, palette.x);
    EXPECT_EQ(at.y, palette.y);
    EXPECT_FALSE(IsWindowEnabled(Window()));
    EXPECT_EQ(StaticTexts(dialog), (std::vector<std::string>{"～", "番を", "番へ"}));
    EXPECT_EQ(ComboRows(dialog, kIdcMoveOperation), (std::vector<std::string>{"移動", "コピー＆挿入", "削除"}));
    EXPECT_EQ(SendDlgItemMessageA(dialog, kIdcMoveOperation, CB_GETCURSEL, 0, 0), 0);
    for (int id : {kIdcMoveFirst, kIdcMoveLast, kIdcMoveDest}) EXPECT_EQ(ItemText(dialog, id), "1") << id;
    // Seven entries: the run within 1 to 6, the destination within 1 to 7.
    int low = 0, high = 0;
    UpDownRange(dialog, kIdcMoveFirstSpin, low, high);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 6);
    UpDownRange(dialog, kIdcMoveLastSpin, low, high);
    EXPECT_EQ(high, 6);
    UpDownRange(dialog, kIdcMoveDestSpin, low, high);
    EXPECT_EQ(high, 7);
    Type(dialog, kIdcMoveLast, "99");
    EXPECT_EQ(ItemText(dialog, kIdcMoveLast), "6");
    Choose(dialog, kIdcMoveOperation, kDeleteRun);
    EXPECT_FALSE(Enabled(dialog, kIdcMoveDest));
    EXPECT_FALSE(Enabled(dialog, kIdcMoveDestSpin));
    Choose(dialog, kIdcMoveOperation, kMoveRun);
    EXPECT_TRUE(Enabled(dialog, kIdcMoveDest));
    EXPECT_TRUE(Enabled(dialog, kIdcMoveDestSpin));
    ExpectLabelsInside(dialog);
    HoldForShot(0, HoldMilliseconds());
    SendItemCommand(dialog, kIdcCancel);
  });
  PaletteCommand(window, 40089);
  EXPECT_TRUE(driver.Ran());
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_TRUE(IsWindowEnabled(Window()));
  // Cancel changes no list; the brush follows the selected entry as after every run of the dialog.
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_<c0] clip[-] sel[c0] mod[-]");
}

TEST_F(PaletteDialogsTest, ADataMoveKeepsEveryReference) {
  const struct {
    const char* m_pName;
    int m_bStage;
    int m_nSelect;  // an entry clicked first in the other palette; -1: none
    const char* m_pFirst;
    const char* m_pLast;
    const char* m_pDest;
    int m_nOperation;
    const char* m_pState;
    int m_nCount;  // the entries of the list moved in, entry 0 among them
  } rows[] = {
      {"a run moved behind", 0, -1, "1", "2", "5", kMoveRun,
       "C[_ C D A B E F] S[_ p A<c3 r s<s1] M[r<s3 E<c5 A<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", 7},
      {"a run copied to the end", 0, -1, "2", "3", "7", kCopyRun,
       "C[_ A B C D E F B C] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", 9},
      {"a delete past the end stops at the end", 0, -1, "5", "99", "1", kDeleteRun,
       "C[_ A B C D] S[_ p C<c3 r s<s1] M[r<s3 E C<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", 5},
      {"a selection in the other palette stays", 1, 6, "1", "4", "5", kDeleteRun,
       "C[_ A B C D E F] S[_] M[r E<c5 C x] brush[F<c6] clip[-] sel[c6] mod[s]", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    TearDown();
    SetUp();
    OpenPalettes();
    if (row.m_nSelect >= 0) Click(Palette(!row.m_bStage, 0), row.m_nSelect);
    cModalDriver driver([&](HWND dialog) {
      Type(dialog, kIdcMoveFirst, row.m_pFirst);
      Type(dialog, kIdcMoveLast, row.m_pLast);
      Type(dialog, kIdcMoveDest, row.m_pDest);
      Choose(dialog, kIdcMoveOperation, row.m_nOperation);
      SendItemCommand(dialog, kIdcOk);
    });
    PaletteCommand(Palette(row.m_bStage, 0), 40089);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(PaletteStateText(0), row.m_pState);
    // The window shows the list as it is now.
    EXPECT_EQ(Palette(row.m_bStage, 0).Pane().GetEntryCount(), row.m_nCount);
  }
}

// Every label of the element editors' windows fits inside its control, and opening and closing
// the sheet leaves no handles. Asked to (tests/editors/win/screenshot.sh), the windows stay on
// screen for a screenshot each, announced by a file "shot-N.ready".

#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
using LayoutWndTest = EditorWndTest;

void PostClick(HWND window, int id) {
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Looks at a dialog (and photographs it when shot is not -1), then closes it with the button.
std::function<void(HWND)> LookAt(int shot, int hold, int closeWith) {
  return [=](HWND dialog) {
    ExpectLabelsInside(dialog);
    if (shot >= 0) HoldForShot(shot, hold);
    PostClick(dialog, closeWith);
  };
}
}  // namespace

TEST_F(LayoutWndTest, EveryLabelFitsInsideItsControl) {
  int hold = HoldMilliseconds();
  cEdChara chara = NamedChara("ゴブリン");
  chara.m_cControl = 1;
  chara.m_vFlow.resize(1);
  Place(1, 1, chara);
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  SetForegroundWindow(Sheet()->m_hWndSheet);
  for (int page = 0; page < kCharaPageCount; ++page) {
    ExpectLabelsInside(Page(page));
    HoldForShot(page, hold);
  }
  HWND flow = Page(3);
  {
    cDialogScript script({[&](HWND chooser) {
                            ExpectLabelsInside(chooser);
                            HoldForShot(4, hold);
                            PostClick(chooser, 1270);
                          },
                          LookAt(5, hold, kIdcCancel)});
    Click(flow, 1083);
  }
  {
    cDialogScript script({[](HWND chooser) { PostClick(chooser, 1273); }, LookAt(6, hold, kIdcCancel)});
    Click(flow, 1083);
  }
  for (int button : {1267, 1268, 1269, 1271, 1272}) {
    cDialogScript script({[=](HWND chooser) { PostClick(chooser, button); }, LookAt(-1, 0, kIdcCancel)});
    Click(flow, 1083);
    EXPECT_EQ(script.Ran(), 2) << button;
  }
  {
    cDialogScript script({[&](HWND chooser) {
      ExpectLabelsInside(chooser);
      HoldForShot(7, hold);
      PostMessageA(chooser, WM_CLOSE, 0, 0);
    }});
    Click(flow, 1068);
  }
  {
    cDialogScript script({LookAt(8, hold, kIdcCancel)});
    Click(flow, 1091);
  }
  {
    HWND graphic = Page(1);
    cDialogScript script({[&](HWND picker) {
      HoldForShot(9, hold);
      PostMessageA(picker, WM_CLOSE, 0, 0);
    }});
    Click(graphic, 1446);
  }
  Press(PSBTN_CANCEL);
  HWND group = Editor().m_lpGroupWnd->m_hWnd;
  ShowWindow(group, SW_SHOW);
  ExpectLabelsInside(group);
  HoldForShot(10, hold);
}

TEST_F(LayoutWndTest, OpeningAndClosingTheSheetLeavesNoHandles) {
  Place(1, 1, NamedChara("歩兵"));
  auto openAndClose = [this] {
    ASSERT_NE(OpenPlaced(1, 1), nullptr);
    for (int page = 3; page >= 0; --page) Page(page);
    Press(PSBTN_CANCEL);
  };
  openAndClose();  // the first run loads what the process keeps: fonts, classes, cached contexts
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 10; ++i) openAndClose();
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(Sheet(), nullptr);
  EXPECT_EQ(g_ModelessList.m_Sheets.size(), 0u);
}

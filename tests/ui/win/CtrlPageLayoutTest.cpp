#include <gtest/gtest.h>

#include <memory>

#include "tests/support/win/LabelFit.h"
#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/CtrlTestPage.h"
#include "tests/ui/win/TestTemplates.h"
#include "ui/win/cValueInputDlg.h"

namespace {
class CtrlPageLayoutTest : public cWindowTest {
protected:
  ~CtrlPageLayoutTest() override { CloseStatusPopup(); }
};

void HoldAndCancel(HWND dialog, int shot, int hold) {
  HoldForShot(shot, hold);
  PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
}

}  // namespace

TEST_F(CtrlPageLayoutTest, EveryLabelFitsInsideItsControl) {
  cPageRecord record;
  cCtrlTestPage page(&record, &m_List);
  page.Create(0, 1);
  ExpectLabelsInside(page.m_hWnd);
  int hold = HoldMilliseconds();
  if (hold) {
    SetForegroundWindow(page.m_hWnd);
    HoldForShot(0, hold, &m_List);
  }

  ShowStatusPopup(nullptr, &m_List, "ステージを読み込んでいます…", "お待ちください", &page, 1, 0);
  ExpectLabelsInside(CurrentStatusPopup()->m_hWnd);
  if (hold) {
    HoldForShot(1, hold, &m_List);
    CloseStatusPopup();
    int32_t value = 12;
    cString name = "変数";
    cModalDriver value_driver([hold](HWND dialog) { HoldAndCancel(dialog, 2, hold); });
    RunValueInputDialog(nullptr, &m_List, &value, 1, 999, "データ数", nullptr, 0);
    cModalDriver name_driver([hold](HWND dialog) { HoldAndCancel(dialog, 3, hold); });
    RunStringInputDialog(nullptr, &m_List, &name, 12, 1, "変数名の入力", nullptr, 0);
  }
  for (uint16_t id : {kIddValueInput, kIddStringInput}) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainProc, 0);
    ExpectLabelsInside(dialog);
    DestroyWindow(dialog);
  }
}

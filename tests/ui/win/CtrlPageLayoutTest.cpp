#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/support/win/UserInput.h"
#include "tests/support/win/WindowTest.h"
#include "tests/ui/win/CtrlTestPage.h"
#include "ui/win/cValueInputDlg.h"

namespace {
class CtrlPageLayoutTest : public cWindowTest {
protected:
  ~CtrlPageLayoutTest() override { CloseStatusPopup(); }
};

// The windows stay on screen this long each for a screenshot when asked to (ui/win/screenshot.sh).
int HoldMilliseconds() {
  const char* hold = getenv("VX_SCREENSHOT_HOLD_MS");
  return hold ? atoi(hold) : 0;
}

void HoldAndCancel(HWND dialog, int hold) {
  PumpFor(hold);
  PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
}

INT_PTR CALLBACK PlainProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

// Room that a control's frame takes from its label: a check box's box, a button's edges.
int LabelMargin(HWND control) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Button") != 0) return 0;
  LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6;
}

// Every label of the window's statics, buttons and check boxes fits inside its control, drawn with
// the control's own font.
void ExpectLabelsInside(HWND dialog) {
  for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    char name[32] = {}, label[256] = {};
    GetClassNameA(control, name, sizeof name);
    GetWindowTextA(control, label, sizeof label);
    bool hasLabel = lstrcmpiA(name, "Static") == 0 || lstrcmpiA(name, "Button") == 0;
    if (!hasLabel || !*label) continue;
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, label, lstrlenA(label), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT client = {};
    GetClientRect(control, &client);
    EXPECT_LE(extent.cx + LabelMargin(control), client.right) << label;
    EXPECT_LE(extent.cy, client.bottom) << label;
  }
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
    PumpFor(hold, &m_List);
  }

  ShowStatusPopup(nullptr, &m_List, "ステージを読み込んでいます…", "お待ちください", &page, 1, 0);
  ExpectLabelsInside(CurrentStatusPopup()->m_hWnd);
  if (hold) {
    PumpFor(hold, &m_List);
    CloseStatusPopup();
    int32_t value = 12;
    cString name = "変数";
    cModalDriver value_driver([hold](HWND dialog) { HoldAndCancel(dialog, hold); });
    RunValueInputDialog(nullptr, &m_List, &value, 1, 999, "データ数", nullptr, 0);
    cModalDriver name_driver([hold](HWND dialog) { HoldAndCancel(dialog, hold); });
    RunStringInputDialog(nullptr, &m_List, &name, 12, 1, "変数名の入力", nullptr, 0);
  }
  for (uint16_t id : {kIddValueInput, kIddStringInput}) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainProc, 0);
    ExpectLabelsInside(dialog);
    DestroyWindow(dialog);
  }
}

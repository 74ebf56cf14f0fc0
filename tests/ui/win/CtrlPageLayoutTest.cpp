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
  // Held on screen for a screenshot when asked to (ui/win/screenshot.sh).
  if (const char* hold = getenv("VX_SCREENSHOT_HOLD_MS")) {
    SetForegroundWindow(page.m_hWnd);
    PumpFor(atoi(hold), &m_List);
  }

  ShowStatusPopup(nullptr, &m_List, "ステージを読み込んでいます…", "お待ちください", nullptr, 0, 0);
  ExpectLabelsInside(CurrentStatusPopup()->m_hWnd);
  for (uint16_t id : {kIddValueInput, kIddStringInput}) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr, PlainProc, 0);
    ExpectLabelsInside(dialog);
    DestroyWindow(dialog);
  }
}

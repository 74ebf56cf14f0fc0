#include "tests/support/win/LabelLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
// Room that a control's frame takes from its label: a check box's box, a button's edges.
int LabelMargin(HWND control) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Button") != 0) return 0;
  LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6;
}
}  // namespace

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

int HoldMilliseconds() {
  const char* hold = getenv("VX_SCREENSHOT_HOLD_MS");
  return hold ? atoi(hold) : 0;
}

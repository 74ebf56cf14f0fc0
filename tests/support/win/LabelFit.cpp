#include "tests/support/win/LabelFit.h"

#include <gtest/gtest.h>

namespace {
bool IsClass(HWND control, const char* wanted) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  return lstrcmpiA(name, wanted) == 0;
}

// Room that a control's frame takes from its label: a check box's box, a group box's corners
// either side of its caption, a button's edges.
int LabelMargin(HWND control) {
  if (!IsClass(control, "Button")) return 0;
  LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return 16;
  return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6;
}

bool Wraps(HWND control) {
  LONG style = GetWindowLongA(control, GWL_STYLE);
  if (IsClass(control, "Button")) return (style & BS_MULTILINE) != 0;
  LONG type = style & SS_TYPEMASK;
  return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
}
}  // namespace

void ExpectLabelsInside(HWND dialog) {
  for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    char label[1024] = {};
    GetWindowTextA(control, label, sizeof label);
    bool hasLabel = IsClass(control, "Static") || IsClass(control, "Button");
    if (!hasLabel || !*label) continue;
    RECT client = {};
    GetClientRect(control, &client);
    int width = client.right - LabelMargin(control);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, width, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX | (Wraps(control) ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(dc, label, -1, &needed, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(needed.right, width) << label;
    EXPECT_LE(needed.bottom, client.bottom) << label;
  }
}

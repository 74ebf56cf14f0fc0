// Every label of the eight pages lies inside its control, drawn with the page's own font; with
// VX_SCREENSHOT_DIR set, each page is also saved as a picture of the sheet on screen
// (tests/project/win/screenshot.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win/cCanvas.h"
#include "tests/project/win/SystemSheetFixture.h"

namespace {

int LabelMargin(HWND control, LONG type) {
  char name[32] = {};
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Button") != 0) return 0;
  if (type == BS_GROUPBOX) return 16;
  return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6;
}

// The room a label needs at the control's width: wrapped where the control wraps its text.
void ExpectLabelsInside(HWND page, int index) {
  for (HWND control = GetWindow(page, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    char name[32] = {}, label[512] = {};
    GetClassNameA(control, name, sizeof name);
    GetWindowTextA(control, label, sizeof label);
    bool isStatic = lstrcmpiA(name, "Static") == 0;
    if ((!isStatic && lstrcmpiA(name, "Button") != 0) || !*label) continue;
    LONG style = GetWindowLongA(control, GWL_STYLE);
    LONG type = style & (isStatic ? SS_TYPEMASK : BS_TYPEMASK);
    bool wraps = isStatic ? type == SS_LEFT || type == SS_RIGHT || type == SS_CENTER : (style & BS_MULTILINE) != 0;
    RECT client = {};
    GetClientRect(control, &client);
    RECT needed = {0, 0, client.right - LabelMargin(control, type), 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc, label, -1, &needed, DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(needed.right, client.right - LabelMargin(control, type)) << "page " << index + 1 << ": " << label;
    // A group box's caption stands on its top edge; every other label within the height.
    if (type != BS_GROUPBOX || isStatic) {
      EXPECT_LE(needed.bottom, client.bottom) << "page " << index + 1 << ": " << label;
    }
  }
}

// The sheet window as it is on screen, as a 24-bit bitmap file.
void SaveWindowPicture(HWND window, const std::string& path) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  cCanvas canvas;
  canvas.Create(rect.right - rect.left, rect.bottom - rect.top, 24, 0);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), screen, rect.left, rect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  cPixelView view = canvas.Image();
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = view.m_nWidth;
  info.biHeight = -view.m_nHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + view.m_nStride * view.m_nHeight;
  FILE* out = fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  fwrite(&file, sizeof file, 1, out);
  fwrite(&info, sizeof info, 1, out);
  for (int y = 0; y < view.m_nHeight; ++y) fwrite(view.Row(y), 1, view.m_nStride, out);
  fclose(out);
}

}  // namespace

TEST_F(SystemSheetTest, EveryLabelFitsInsideItsControl) {
  ASSERT_EQ(Open(), 1);
  const char* shots = getenv("VX_SCREENSHOT_DIR");
  char title[64] = {};
  GetWindowTextA(Sheet()->m_hWndSheet, title, sizeof title);
  EXPECT_STREQ(title, "システムの設定");
  for (int page = 0; page < kSysPageCount; ++page) {
    HWND window = ShowPage(page);
    ExpectLabelsInside(window, page);
    if (!shots) continue;
    SetForegroundWindow(Sheet()->m_hWndSheet);
    RedrawWindow(Sheet()->m_hWndSheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 20; ++i) {
      PumpMessages(&m_List);
      Sleep(25);
    }
    SaveWindowPicture(Sheet()->m_hWndSheet, std::string(shots) + "\\page" + std::to_string(page + 1) + ".bmp");
  }
}

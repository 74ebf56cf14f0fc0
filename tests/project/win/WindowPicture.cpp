#include "tests/project/win/WindowPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win/cCanvas.h"
#include "tests/support/win/ProbeDialog.h"

namespace {
// The window as it is on screen, as a 24-bit bitmap file.
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

void SaveScreenshot(HWND window, const char* name, cModelessList* list) {
  const char* folder = getenv("VX_SCREENSHOT_DIR");
  if (!folder) return;
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 20; ++i) {
    PumpMessages(list);
    Sleep(25);
  }
  SaveWindowPicture(window, std::string(folder) + "\\" + name + ".bmp");
}

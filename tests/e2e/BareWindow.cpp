// The yardstick of the start-up measurement: the least Win32 program with a window, started the
// same way as the editor.
#include <windows.h>

namespace {
LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BareProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "BareWindow";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA("BareWindow", "Bare", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr, nullptr, instance,
                              nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

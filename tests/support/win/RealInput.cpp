#include "tests/support/win/RealInput.h"

namespace {
void SendMouse(DWORD flags, LONG x, LONG y) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = x;
  input.mi.dy = y;
  SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Absolute coordinates span the screen as 0 to 65536; rounded up, they land on the pixel asked for.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }
}  // namespace

void MoveCursorTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
            Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
}

void PressButton(int button) { SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0); }

void ReleaseButton(int button) { SendMouse(button == VK_RBUTTON ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0); }

void TypeKey(WORD key) {
  SendKey(key, 0);
  SendKey(key, KEYEVENTF_KEYUP);
}

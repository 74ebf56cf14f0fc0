#include "tests/support/win/ProbeDialog.h"

#include "ui/win/cModelessList.h"

namespace {
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void PumpMessages(cModelessList* list) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (list && list->PreTranslateMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

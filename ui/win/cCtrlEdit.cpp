#include "ui/win/cCtrlEdit.h"

#include <algorithm>

#include "ui/TextLimits.h"

namespace {
// 1 when edits count positions in characters: measured once on an edit holding one double-byte
// character.
int EditCountsCharacters() {
  static int counts = -1;
  if (counts < 0) {
    HWND probe = CreateWindowA("EDIT", "\x82\xA0", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SendMessageA(probe, EM_SETSEL, 0, -1);
    DWORD end = 0;
    SendMessageA(probe, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    DestroyWindow(probe);
    counts = end == 1 ? 1 : 0;
  }
  return counts;
}
}  // namespace

void GetDlgItemString(HWND dialog, int id, cString& text, int count) {
  char buffer[kItemTextSize] = {};
  GetDlgItemTextA(dialog, id, buffer, std::clamp(count, 1, kItemTextSize));
  text = buffer;
  TrimPartialChar(text);
}

void SetDlgItemString(HWND dialog, int id, const cString& text) { SetDlgItemTextA(dialog, id, text.GetStr()); }

void GetEditSelection(HWND edit, const char* text, int32_t& start, int32_t& end) {
  DWORD first = 0, last = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int32_t>(first);
  end = static_cast<int32_t>(last);
  if (!EditCountsCharacters()) return;
  start = ByteOffsetOfPosition(text, start);
  end = ByteOffsetOfPosition(text, end);
}

void SetEditSelection(HWND edit, const char* text, int32_t start, int32_t end) {
  if (EditCountsCharacters()) {
    start = PositionOfByteOffset(text, start);
    end = PositionOfByteOffset(text, end);
  }
  SendMessageA(edit, EM_SETSEL, start, end);
}

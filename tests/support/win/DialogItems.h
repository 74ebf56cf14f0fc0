#pragma once
// Small moves on a dialog's items and reads of them, as the window tests make them.

#include <windows.h>

#include <string>

// Sends the item's command to the dialog as the item does (a click unless another notification
// code is given); the dialog has handled it on return.
inline void SendItemCommand(HWND dialog, int id, int code = BN_CLICKED) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// Posts the item's click: the dialog's own loop (a modal one's too) takes it.
inline void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
inline std::string ItemText(HWND dialog, int id) {
  char text[512] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
// The working folder.
inline std::string Here() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  return folder;
}

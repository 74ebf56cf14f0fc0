#pragma once
// What a user does on a page or dialog, as the messages it sends: a paste over an edit's text, a
// click on a check box, a choice in a combo box.

#include <windows.h>

#include <cstdint>

#include "tests/support/win/DialogItems.h"

// The owner window's template of the page and dialog tests (tests/project/win/SystemSheet.rc).
constexpr uint16_t kIddTestOwner = 590;

// Replaces the whole text of an edit, as a paste over a selection does.
inline void EnterText(HWND page, int id, const char* text) {
  HWND edit = GetDlgItem(page, id);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}
// The box as a click leaves it, whether or not the rules let it be clicked now.
inline void SetCheckAsUser(HWND page, int id, bool on) {
  HWND box = GetDlgItem(page, id);
  SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}
inline void ChooseRow(HWND page, int id, int row) {
  HWND combo = GetDlgItem(page, id);
  SendMessageA(combo, CB_SETCURSEL, row, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}
inline void ClickButton(HWND page, int id) {
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}
inline bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

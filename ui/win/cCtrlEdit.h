#pragma once
// The common base of the two edit wrappers, and the item-text functions they share.

#include "ui/win/cCtrl.h"

class cCtrlEdit : public cCtrl {};

// The largest text that the item-text functions move, terminating zero included.
constexpr int kItemTextSize = 5120;

// Reads an item's text with at most count - 1 bytes (count at most 5,120); a double-byte character
// cut by the limit is left out whole.
void GetDlgItemString(HWND dialog, int id, cString& text, int count);
void SetDlgItemString(HWND dialog, int id, const cString& text);

// The selection of an edit in byte offsets of its text, whether the platform counts a double-byte
// character as one position or two.
void GetEditSelection(HWND edit, const char* text, int32_t& start, int32_t& end);
void SetEditSelection(HWND edit, const char* text, int32_t start, int32_t end);

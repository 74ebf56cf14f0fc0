#pragma once
// The framework tests' own templates (TestDialogs.rc), and a procedure for a bare dialog.

#include <windows.h>

#include <cstdint>

// A small tool window.
constexpr uint16_t kToolTemplate = 501;

// Does nothing but let the dialog manager give the first control the focus.
inline INT_PTR CALLBACK PlainProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

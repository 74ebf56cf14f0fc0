#pragma once
// The program's one message loop and its idle tick. There are no window timers: the tick paces
// itself with the millisecond clock while something is animated and otherwise waits for messages,
// so an idle editor uses no processor time.

#include <windows.h>

#include <cstdint>

// 1 while the application is active; the loop runs the idle tick only then.
extern int32_t g_bAppActive;
// Set when the editor is restored; the next idle tick gives the working window the focus.
extern int32_t g_bRefocusEditor;

// Runs until WM_QUIT and returns its wParam.
WPARAM RunMessageLoop();
void IdleTick();

#pragma once
// Input as the user's hand gives it: events through the system's input queue, so that the cursor,
// the button and key states that the program reads, and the messages it gets, change as they would.
// Each test program runs on a desktop of its own, so the events stay with it.

#include <windows.h>

// Moves the cursor to a screen point; the window under it gets WM_MOUSEMOVE.
void MoveCursorTo(POINT screen);
// Presses or releases VK_LBUTTON or VK_RBUTTON where the cursor is.
void PressButton(int button);
void ReleaseButton(int button);
// Presses and releases a key.
void TypeKey(WORD key);

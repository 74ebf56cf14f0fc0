#pragma once
// The program sent to the taskbar from outside (as the shell minimises it) and back by its button:
// checks that nothing of it shows meanwhile and that what the user saw comes back as it was.

#include <windows.h>

#include <functional>
#include <vector>

// The visible top-level windows of this thread but the main frame, the front one first.
std::vector<HWND> ShownWindowsButFrame(HWND frame);

// Minimises the frame (ShowWindow SW_MINIMIZE) and restores it by its taskbar button (SC_RESTORE), serving messages after each; expects no window of the thread shown
// while minimised, and afterwards the windows shown before, in the same order, with the window
// that was active active again.
void ExpectTaskbarRoundTripKeepsTheWindows(HWND frame, const std::function<void()>& serve);

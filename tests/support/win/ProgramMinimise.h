#pragma once
// The program sent to the taskbar and back by its button, as a user does it: checks that nothing
// of it shows meanwhile and that what the user saw comes back as it was.

#include <windows.h>

#include <functional>
#include <vector>

// The visible top-level windows of this thread but the main frame, the front one first.
std::vector<HWND> ShownWindowsButFrame(HWND frame);

// Minimises the frame by its taskbar button (WM_SYSCOMMAND SC_MINIMIZE) and restores it by the
// same button (SC_RESTORE), serving messages after each; expects no window of the thread shown
// while minimised, and afterwards the windows shown before, in the same order, with the window
// that was active active again.
void ExpectTaskbarRoundTripKeepsTheWindows(HWND frame, const std::function<void()>& serve);

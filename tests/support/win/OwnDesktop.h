#pragma once
// A desktop of the test program's own, for programs whose windows are activated and focused:
// programs that run side by side would otherwise take the activation from each other's windows.

// Makes the desktop and puts the calling thread on it, once; before any window exists. 1 on success.
int UseOwnDesktop();

// The desktop's name: "vx_test_" and the process id.
const char* OwnDesktopName();

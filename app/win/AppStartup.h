#pragma once
// Start-up and shut-down of the editor around the message loop. Start-up makes sure the data
// folder exists, creates the folder tree, opens the sound services, loads the editor configuration
// and the project, and creates the hidden main frame and the working window; shut-down saves the
// editor configuration and the variable names and releases the services.

#include <windows.h>

// 1 when the message loop may run; 0 when start-up stopped (after its message, if it has one).
int AppStartup();
void AppShutdown();
// 1 when data\ exists or was made from the factory copy default\ (the user is asked first); 0 when
// the program has to stop.
int EnsureDataFolder(HWND owner);

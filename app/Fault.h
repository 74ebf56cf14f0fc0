#pragma once
// What happens when a fault reaches a window procedure, a hook or a thread procedure: the fault is
// logged and the main window is asked to close, so the user can end the program in order.

// boundary: where the fault was caught; what: its description.
void ReportFault(const char* boundary, const char* what);

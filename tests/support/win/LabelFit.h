#pragma once
// Checks that every label of a window's statics, buttons and check boxes fits inside its control,
// drawn with the control's own font: on one line, or on as many lines as a wrapping control
// (a static, a multi-line button) breaks it into.

#include <windows.h>

void ExpectLabelsInside(HWND dialog);

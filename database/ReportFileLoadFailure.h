#pragma once
// The box that tells the user a project file could not be read, and how to mend it.

#include "app/cString.h"

void ReportFileLoadFailure(const cString& path);

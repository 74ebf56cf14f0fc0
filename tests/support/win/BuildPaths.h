#pragma once
// Paths into the build tree from a running test program (which lies in <build>/tests).

#include <string>

// The path of relative below the build folder, e.g. "project\\bmp\\Block.bmp".
std::string BuildTreePath(const char* relative);

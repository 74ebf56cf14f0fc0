#pragma once
// Row label of the stage settings page's background list.

#include <cstdint>

#include "app/cString.h"

class cBackgroundData;

// "○" for a background shown from the start, else "‐"; then " 色番号%d" with the colour number
// of a colour background, else " %s" with the bitmap path.
void BackgroundRowLabel(cString* text, int32_t index, const cBackgroundData* background);

#pragma once
// Row label of the world event dialog's page list. The event palette shows the event's name
// (NameRowLabel).

#include <cstdint>

#include "app/cString.h"

class cWorldEventPage;

// "ワールド番号 %d" with the page's world number.
void WorldEventPageRowLabel(cString* text, int32_t index, const cWorldEventPage* page);

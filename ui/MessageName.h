#pragma once
// Names of window messages for the message trace.

#include <cstdint>

// The message's name, or its decimal digits in one shared buffer that lasts until the next such call.
const char* MessageName(uint32_t message);
int MessageNameCount();

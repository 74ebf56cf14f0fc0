#pragma once
// The one line of text that every command list shows for a command: when it runs (its prefix),
// " ◆ name ◆", then its kind's main settings. Values outside their tables show a placeholder.

#include <cstdint>

#include "app/cString.h"

class cCommandData;

// Appends the line of the command to text (which the caller has emptied); kind 0 appends nothing,
// a kind outside its command set "◆ ？ ◆" and its number.
void FormatCommandLine(cString& text, const cCommandData& command);

// The formatters by kind, slot 0 empty: the flow page's list of character commands uses the
// first, the item effect page the second. Each appends the whole line.
using tCommandLineFormatter = void (*)(cString& text, const cCommandData& command);
extern const tCommandLineFormatter CharaCommandLineFormatters[40];
extern const tCommandLineFormatter ItemCommandLineFormatters[25];

// Estimated run times, in tenths of a second.
double TimeFromSpeedDistance(int16_t speed, int16_t distance, int8_t unit);
double TimeFromAngleRange(int16_t endAngle, int16_t startAngle, int16_t speed);

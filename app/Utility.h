#pragma once
// Small helpers shared by many windows: padded numbers, wrap-around steps, random bounds.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"

// One step of an animation schedule. The cell may be a control code instead.
struct cAnimeScheduleEntry {
  enum : int32_t { kStay = -1, kRestart = -2, kJump = -3 };
  int32_t m_nCell = 0;
  int32_t m_nTime = 0;  // ticks (1/60 s); for kJump the schedule to change to
  int32_t m_bHold = 0;  // while current, a pattern change that is not forced is refused
};

using cAnimeSchedule = cVector<cAnimeScheduleEntry>;

void IntToPaddedText(cString& result, int32_t value, int width, int keepZeros, int forceSign);
void IntToPaddedText(cString& result, int16_t value, int width, int keepZeros, int forceSign);
void IntToPaddedText(cString& result, int32_t value, int width);
void IntToPaddedText(cString& result, int16_t value, int width);
int DigitCount(int32_t value);
int DigitCount(int16_t value);
int WrapStep(int32_t* value, int32_t step, int32_t minimum, int32_t maximum);
int32_t RandomInRange(int32_t a, int32_t b);

template <class T>
void SafeDelete(T*& pointer) {
  delete pointer;
  pointer = nullptr;
}

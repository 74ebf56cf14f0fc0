#include "app/Utility.h"

#include <cstdlib>

void IntToPaddedText(cString& result, int32_t value, int width, int keepZeros, int forceSign) {
  int digits = DigitCount(value);
  if (width != 0 && width >= digits) digits = width;
  // The magnitude in 64 bits, so the smallest value has one too.
  int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
  result.assign(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i) {
    result[i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  if (!keepZeros)
    for (size_t i = 0; i + 1 < result.size() && result[i] == '0'; ++i) result[i] = ' ';
  if (value < 0) result.insert(0, "-");
  if (forceSign && value >= 0) result.insert(0, "+");
}

void IntToPaddedText(cString& result, int16_t value, int width, int keepZeros, int forceSign) {
  IntToPaddedText(result, static_cast<int32_t>(value), width, keepZeros, forceSign);
}

void IntToPaddedText(cString& result, int32_t value, int width) { IntToPaddedText(result, value, width, 1, 0); }

void IntToPaddedText(cString& result, int16_t value, int width) { IntToPaddedText(result, value, width, 1, 0); }

int DigitCount(int32_t value) {
  int count = 0;
  do {
    value /= 10;
    ++count;
  } while (value != 0 && count < 10);
  return count;
}

int DigitCount(int16_t value) { return DigitCount(static_cast<int32_t>(value)); }

int WrapStep(int32_t* value, int32_t step, int32_t minimum, int32_t maximum) {
  int64_t next = static_cast<int64_t>(*value) + step;
  if (next < minimum) next = maximum;
  else if (next > maximum) next = minimum;
  *value = static_cast<int32_t>(next);
  return *value;
}

int32_t RandomInRange(int32_t a, int32_t b) {
  int64_t low = a < b ? a : b;
  int64_t high = a < b ? b : a;
  return static_cast<int32_t>(low + std::rand() % (high - low + 1));
}

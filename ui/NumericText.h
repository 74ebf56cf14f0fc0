#pragma once
// What a numeric edit does with its text, apart from any window: which typed characters a number
// may hold, how a text reads as a value of the edit's type (saturated to the type, never wrapped),
// the limits, the up-down step, the decimals of a floating-point edit, and the full-width input
// that the input method hands over.

#include <cstdint>
#include <type_traits>

#include "app/cString.h"

// Value-type codes of the numeric edits.
enum : int32_t {
  kTypeChar = 0,
  kTypeUChar = 1,
  kTypeShort = 2,
  kTypeUShort = 3,
  kTypeInt = 4,
  kTypeUInt = 5,
  kTypeFloat = 6,
  kTypeDouble = 7,
  kTypeOther = -1,
};

template <class T>
constexpr int32_t ValueTypeCode() {
  if (std::is_same<T, char>::value) return kTypeChar;
  if (std::is_same<T, unsigned char>::value) return kTypeUChar;
  if (std::is_same<T, short>::value) return kTypeShort;
  if (std::is_same<T, unsigned short>::value) return kTypeUShort;
  if (std::is_same<T, int>::value) return kTypeInt;
  if (std::is_same<T, unsigned int>::value) return kTypeUInt;
  if (std::is_same<T, float>::value) return kTypeFloat;
  if (std::is_same<T, double>::value) return kTypeDouble;
  return kTypeOther;
}

inline int32_t IsFloatType(int32_t code) { return code == kTypeFloat || code == kTypeDouble; }

// The integer range of a type code; m_bBounded is 0 for the floating and unknown codes.
struct cTypeRange {
  int64_t m_nMin;
  int64_t m_nMax;
  int32_t m_bBounded;
};
cTypeRange TypeRange(int32_t code);

// The type's limits as T; T(-1) for codes without limits.
template <class T>
T TypeMin(int32_t code) {
  cTypeRange range = TypeRange(code);
  return range.m_bBounded ? static_cast<T>(range.m_nMin) : static_cast<T>(-1);
}
template <class T>
T TypeMax(int32_t code) {
  cTypeRange range = TypeRange(code);
  return range.m_bBounded ? static_cast<T>(range.m_nMax) : static_cast<T>(-1);
}

// Decimals a floating-point edit shows for its step: 1 -> 0, 0.1 -> 1, 0.05 -> 2, 12.5 -> 1.
int DecimalsNeeded(double step);

// 1 when a typed character may reach the edit: '-', digits, control characters, and '.' in a
// floating-point edit.
int AcceptsNumberChar(unsigned code, int32_t floating);

// The text with everything removed that cannot belong to a number: double-byte characters, a '-'
// that is not the first byte, and every byte but '.' and the digits.
cString FilterNumberText(const char* text);

// The half-width characters of the full-width digits, minus sign and full stop in an input-method
// result; every other character is dropped.
cString HalfWidthNumberChars(const char* text);

// A decimal integer text read with the C library, saturated to the 64-bit range.
int64_t ParseSaturated(const char* text);

// A value rounded to the given decimals, as the edit shows it ("%.*f").
double RoundToDecimals(double value, int decimals);
// The value as the edit shows it: "%d", or a fixed-point text with the edit's decimals.
cString FormatNumber(double value, int32_t floating, int decimals);

template <class T>
T ClampValue(T value, T min, T max, int32_t* limited = nullptr) {
  int32_t out = 1;
  if (value < min) value = min;
  else if (value > max) value = max;
  else out = 0;
  if (limited) *limited = out;
  return value;
}

// The value an empty edit stands for: the limit nearest 0 (0 when the range holds it).
template <class T>
T NearestZeroLimit(T min, T max) {
  if (min > T(0)) return min;
  if (max < T(0)) return max;
  return T(0);
}

// What the text of a numeric edit says. m_strTyped is the text to show instead of the value while
// the user types (a lone "-" or "-0", or the typed decimals); m_bEmpty when no usable character is
// left. The value lies within the type, not yet within the edit's limits.
template <class T>
struct cNumberReading {
  T m_Value = T(0);
  cString m_strTyped;
  int32_t m_bEmpty = 0;
};

template <class T>
cNumberReading<T> ReadNumberText(const char* text, T min, T max, int decimals) {
  cNumberReading<T> reading;
  cString filtered = FilterNumberText(text);
  if (filtered.empty()) {
    reading.m_bEmpty = 1;
    reading.m_Value = NearestZeroLimit(min, max);
    return reading;
  }
  constexpr int32_t code = ValueTypeCode<T>();
  if (IsFloatType(code)) {
    double value = RoundToDecimals(strtod(filtered.c_str(), nullptr), decimals);
    if (std::is_same<T, float>::value) value = ClampValue(value, -3.4e38, 3.4e38);
    reading.m_Value = static_cast<T>(value);
    reading.m_strTyped = filtered;
    return reading;
  }
  int64_t number = ParseSaturated(filtered.c_str());
  if (filtered == "-") reading.m_strTyped = "-";
  else if (filtered[0] == '-' && number == 0) reading.m_strTyped = "-0";
  cTypeRange range = TypeRange(code);
  if (range.m_bBounded && (number < range.m_nMin || number > range.m_nMax)) {
    number = ClampValue(number, range.m_nMin, range.m_nMax);
    reading.m_strTyped.clear();
  }
  reading.m_Value = static_cast<T>(number);
  return reading;
}

// value + delta steps, worked out wider than T so that it never wraps, then kept in the limits.
template <class T>
T StepValue(T value, int delta, T step, T min, T max) {
  if (IsFloatType(ValueTypeCode<T>()))
    return static_cast<T>(ClampValue<double>(double(value) + double(delta) * double(step), min, max));
  int64_t stepped = int64_t(value) + int64_t(delta) * int64_t(step);
  return static_cast<T>(ClampValue<int64_t>(stepped, min, max));
}

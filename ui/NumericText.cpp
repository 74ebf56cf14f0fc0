#include "ui/NumericText.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// The full-width characters of a number in code page 932 and what they stand for.
struct cFullWidth {
  const char* m_szBytes;
  char m_cHalf;
};
const cFullWidth kFullWidth[] = {
    {"\x82\x50", '1'}, {"\x82\x51", '2'}, {"\x82\x52", '3'}, {"\x82\x53", '4'}, {"\x82\x54", '5'},
    {"\x82\x55", '6'}, {"\x82\x56", '7'}, {"\x82\x57", '8'}, {"\x82\x58", '9'}, {"\x82\x4F", '0'},
    {"\x81\x7C", '-'},  // full-width minus
    {"\x81\x44", '.'},  // full-width full stop
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

cTypeRange TypeRange(int32_t code) {
  switch (code) {
    case kTypeChar: return {-128, 127, 1};
    case kTypeUChar: return {0, 255, 1};
    case kTypeShort: return {-32768, 32767, 1};
    case kTypeUShort: return {0, 65535, 1};
    case kTypeInt: return {INT32_MIN, INT32_MAX, 1};
    case kTypeUInt: return {0, UINT32_MAX, 1};
    default: return {0, 0, 0};
  }
}

int DecimalsNeeded(double step) {
  // A step beyond the int range has no fraction worth showing.
  if (!(step > -2e9 && step < 2e9)) return 0;
  int whole = 1;
  for (int32_t rest = static_cast<int32_t>(step) / 10; rest != 0; rest /= 10) ++whole;
  char text[64];
  snprintf(text, sizeof text, "%.10f", step);
  int length = static_cast<int>(strlen(text));
  int zeros = 0;
  for (int i = length - 1; i >= 0 && zeros < 10; --i) {
    if (text[i] == '.') return 0;
    if (text[i] != '0') break;
    ++zeros;
  }
  int sign = step < 0 ? 1 : 0;
  int decimals = length - zeros - (whole + 1) - sign;
  return decimals > 0 ? decimals : 0;
}

int AcceptsNumberChar(unsigned code, int32_t floating) {
  if (code == '-') return 1;
  if (code == '.') return floating ? 1 : 0;
  if (code >= '0' && code <= '9') return 1;
  return code >= 1 && code <= 31 ? 1 : 0;
}

cString FilterNumberText(const char* text) {
  cString kept;
  for (const char* p = text; *p;) {
    if (IsDoubleByteChar(p)) {
      p += 2;
      continue;
    }
    char c = *p++;
    if ((c == '-' && p - 1 == text) || c == '.' || IsDigit(c)) kept.push_back(c);
  }
  return kept;
}

cString HalfWidthNumberChars(const char* text) {
  cString half;
  for (const char* p = text; *p;) {
    if (!IsDoubleByteChar(p)) {
      ++p;
      continue;
    }
    for (const cFullWidth& full : kFullWidth)
      if (p[0] == full.m_szBytes[0] && p[1] == full.m_szBytes[1]) {
        half.push_back(full.m_cHalf);
        break;
      }
    p += 2;
  }
  return half;
}

int64_t ParseSaturated(const char* text) {
  long long number = strtoll(text, nullptr, 10);
  // strtoll already gives the nearest end of the range on overflow.
  return static_cast<int64_t>(number);
}

double RoundToDecimals(double value, int decimals) {
  char text[512];
  snprintf(text, sizeof text, "%.*f", decimals, value);
  return strtod(text, nullptr);
}

cString FormatNumber(double value, int32_t floating, int decimals) {
  char text[512];
  if (floating) snprintf(text, sizeof text, "%.*f", decimals, value);
  else snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
  return cString(text);
}

#include "app/cString.h"

#include <cstdio>
#include <cstring>

#include "app/cDataStream.h"

void FormatBounded(char* buffer, int size, const char* format, va_list args) {
  if (size <= 0) return;
  int n = vsnprintf(buffer, size, format ? format : "", args);
  if (n < 0) buffer[0] = 0;
}

void cString::Set(const char* text) {
  if (text) assign(text);
  else clear();
}

void cString::Format(const char* format, ...) {
  char buffer[kStringWorkSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  Set(buffer);
}

cString& cString::AppendFormat(const char* format, ...) {
  char buffer[kStringWorkSize];
  va_list args;
  va_start(args, format);
  FormatBounded(buffer, sizeof buffer, format, args);
  va_end(args);
  append(buffer);
  return *this;
}

cString& cString::AppendBounded(const char* text, int maxBytes) {
  if (!text || maxBytes <= 0) return *this;
  int length = 0;
  while (text[length] != 0 && length < maxBytes) {
    int step = IsDoubleByteChar(text + length) ? 2 : 1;
    if (length + step > maxBytes) break;
    length += step;
  }
  append(text, static_cast<size_t>(length));
  return *this;
}

int cString::TrimAtNul() {
  size_t nul = find('\0');
  if (nul != npos) resize(nul);
  if (size() >= static_cast<size_t>(kStringWorkSize)) resize(kStringWorkSize - 1);
  return static_cast<int>(size());
}

int cString::GetLength() { return TrimAtNul(); }

cString cString::Mid(int start, int count) {
  int length = GetLength();
  if (start < 0) {
    count += start;
    start = 0;
  } else if (start > length) {
    return cString();
  }
  if (count == 0) return cString();
  if (static_cast<long long>(start) + count > length) count = -1;
  if (count < 0) return cString(substr(start));
  return cString(substr(start, count));
}

int cString::ReverseFind(const char* text, int start) {
  int length = GetLength();
  if (start < 0 || start > length || !text) return -1;
  size_t at = rfind(text, static_cast<size_t>(start));
  return at == npos ? -1 : static_cast<int>(at);
}

bool cString::Equals(const char* other) const {
  return std::strcmp(c_str(), other ? other : "") == 0;
}

int cString::Load(cReadStream& stream) {
  return stream.ReadString(*this);
}

void cString::Save(cWriteStream& stream) {
  TrimAtNul();
  stream.WriteString(*this);
}

int IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 1 : 0;
}

int IsDoubleByteChar(const char* text) {
  if (!text) return 0;
  if (!IsLeadByte(static_cast<unsigned char>(text[0]))) return 0;
  unsigned char trail = static_cast<unsigned char>(text[1]);
  return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC) ? 1 : 0;
}

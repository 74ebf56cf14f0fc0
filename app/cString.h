#pragma once
// The editor's one string type: a byte string in code page 932.

#include <cstdarg>
#include <string>

class cReadStream;
class cWriteStream;

// Formatting and measuring pass texts through a working buffer of this size.
constexpr int kStringWorkSize = 5120;

class cString : public std::string {
public:
  cString() = default;
  cString(const char* text) : std::string(text ? text : "") {}
  cString(const std::string& text) : std::string(text) {}
  cString(const cString&) = default;
  cString& operator=(const cString& other) = default;

  void Set(const char* text);
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  cString& AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const char* GetStr() const { return c_str(); }
  int IsEmpty() const { return empty() ? 1 : 0; }
  int IsNotEmpty() const { return empty() ? 0 : 1; }
  int TrimAtNul();
  int GetLength();
  cString Mid(int start, int count);
  int ReverseFind(const char* text, int start);
  cString& operator+=(const char* text) { append(text ? text : ""); return *this; }
  // Appends a text as it is, never as a format, and at most maxBytes bytes of it; a cut never
  // splits a double-byte character.
  cString& AppendBounded(const char* text, int maxBytes);

  // Texts are equal when their bytes are; no locale takes part.
  int operator==(const cString& other) const { return Equals(other.c_str()) ? 1 : 0; }
  int operator!=(const cString& other) const { return Equals(other.c_str()) ? 0 : 1; }
  int operator==(const char* other) const { return Equals(other) ? 1 : 0; }
  int operator!=(const char* other) const { return Equals(other) ? 0 : 1; }

  int Load(cReadStream& stream);
  void Save(cWriteStream& stream);

private:
  bool Equals(const char* other) const;
};

// Formats into a bounded buffer; the text is cut, never overrun.
void FormatBounded(char* buffer, int size, const char* format, va_list args);

// 1 when the byte is a code page 932 lead byte and the next one a trail byte.
int IsDoubleByteChar(const char* text);
int IsLeadByte(unsigned char byte);

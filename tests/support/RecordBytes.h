#pragma once
// Byte builders for record fixtures: runs of 32-bit values and whole record bodies.

#include <initializer_list>
#include <string>

#include "app/cApplication.h"
#include "tests/support/TestSupport.h"

inline Bytes I32s(std::initializer_list<int32_t> values) {
  Bytes bytes;
  for (int32_t value : values) {
    Bytes one = U32(static_cast<uint32_t>(value));
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

// A record body whose numeric fields are all 32-bit.
inline Bytes Body(std::initializer_list<int32_t> ints, std::initializer_list<std::string> strings) {
  Bytes bytes = Cat({U32(static_cast<uint32_t>(ints.size())), I32s(ints), U32(static_cast<uint32_t>(strings.size()))});
  for (const std::string& text : strings) {
    Bytes stored = StoredString(text);
    bytes.insert(bytes.end(), stored.begin(), stored.end());
  }
  return bytes;
}

// A byte list as files hold it: the count, then one byte each.
inline Bytes ByteList(std::initializer_list<int> values) {
  Bytes bytes = U32(static_cast<uint32_t>(values.size()));
  for (int value : values) bytes.push_back(static_cast<unsigned char>(value));
  return bytes;
}

#include "app/GameTag.h"

#include <cstring>

int StringTableEntry(const void* block, size_t size, int index, std::vector<uint16_t>& text) {
  const uint8_t* bytes = static_cast<const uint8_t*>(block);
  size_t units = size / 2;
  size_t at = 0;
  for (int entry = 0; entry < 16 && at < units; ++entry) {
    uint16_t length;
    std::memcpy(&length, bytes + 2 * at, 2);
    ++at;
    if (length > units - at) return 0;  // the entry runs past the block
    if (entry == index) {
      if (length == 0) return 0;
      text.resize(length);
      std::memcpy(text.data(), bytes + 2 * at, 2u * length);
      return 1;
    }
    at += length;
  }
  return 0;
}

int IsGameTag(const uint16_t* text) {
  static const uint16_t kTag[] = {'G', 'A', 'M', 'E', 0};
  for (int i = 0; i < 5; ++i)
    if (text[i] != kTag[i]) return 0;
  return 1;
}

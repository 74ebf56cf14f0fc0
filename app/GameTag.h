#pragma once
// The game program is recognised by its string resource 1, "GAME". A string-table block holds 16
// entries, each a 16-bit length and that many UTF-16 units; a block read from a file is walked
// only as far as its size allows.

#include <cstddef>
#include <cstdint>
#include <vector>

// The string id that holds the tag, and where it lives.
constexpr int kGameTagId = 1;
inline int StringBlockOf(int id) { return id / 16 + 1; }

// Copies entry index (0 to 15) of a block of size bytes into text; 1 when it is there and not
// empty, 0 otherwise (also when the block ends before it).
int StringTableEntry(const void* block, size_t size, int index, std::vector<uint16_t>& text);
// 1 when the text is exactly "GAME", letter case included.
int IsGameTag(const uint16_t* text);

#include <gtest/gtest.h>

#include "app/GameTag.h"
#include "tests/support/TestSupport.h"

namespace {
// A block as the resource compiler writes it: empty entries are a zero length alone.
Bytes Block(std::initializer_list<std::pair<int, std::u16string>> entries) {
  Bytes block;
  for (int i = 0; i < 16; ++i) {
    std::u16string text;
    for (const auto& entry : entries)
      if (entry.first == i) text = entry.second;
    block.push_back(static_cast<unsigned char>(text.size()));
    block.push_back(static_cast<unsigned char>(text.size() >> 8));
    for (char16_t unit : text) {
      block.push_back(static_cast<unsigned char>(unit));
      block.push_back(static_cast<unsigned char>(unit >> 8));
    }
  }
  return block;
}

std::u16string Entry(const Bytes& block, size_t size, int index, int* found) {
  std::vector<uint16_t> text;
  *found = StringTableEntry(block.data(), size, index, text);
  return std::u16string(text.begin(), text.end());
}
}  // namespace

TEST(GameTag, FindsTheEntryByItsPlaceInTheBlock) {
  EXPECT_EQ(StringBlockOf(1), 1);
  EXPECT_EQ(StringBlockOf(16), 2);
  Bytes block = Block({{0, u"x"}, {1, u"GAME"}, {15, u"last"}});
  int found = 0;
  EXPECT_EQ(Entry(block, block.size(), 1, &found), u"GAME");
  EXPECT_EQ(found, 1);
  EXPECT_EQ(Entry(block, block.size(), 15, &found), u"last");
  Entry(block, block.size(), 2, &found);
  EXPECT_EQ(found, 0) << "an empty entry is no string";
}

TEST(GameTag, BlockShorterThanItsLengthsSayIsNotReadPastItsEnd) {
  Bytes block = Block({{0, u"abc"}, {1, u"GAME"}});
  struct Row {
    size_t m_nSize;
    int m_nIndex;
    int m_bFound;
  } rows[] = {
      {block.size(), 1, 1},
      {2 + 6 + 2 + 8, 1, 1},  // exactly up to the tag's end
      {2 + 6 + 2 + 7, 1, 0},  // one byte short of it
      {2 + 5, 1, 0},          // cut inside the first entry
      {1, 0, 0},
      {0, 0, 0},
  };
  for (const Row& row : rows) {
    int found = -1;
    Entry(block, row.m_nSize, row.m_nIndex, &found);
    EXPECT_EQ(found, row.m_bFound) << row.m_nSize;
  }
  Bytes hostile = Hex("FF FF 47 00");  // claims 65535 units, holds one
  int found = -1;
  Entry(hostile, hostile.size(), 0, &found);
  EXPECT_EQ(found, 0);
}

TEST(GameTag, OnlyTheExactTextIsTheTag) {
  const uint16_t game[] = {'G', 'A', 'M', 'E', 0};
  const uint16_t lower[] = {'g', 'a', 'm', 'e', 0};
  const uint16_t blank[] = {'G', 'A', 'M', 'E', ' ', 0};
  const uint16_t shorter[] = {'G', 'A', 'M', 0};
  EXPECT_EQ(IsGameTag(game), 1);
  EXPECT_EQ(IsGameTag(lower), 0);
  EXPECT_EQ(IsGameTag(blank), 0);
  EXPECT_EQ(IsGameTag(shorter), 0);
}

#include <gtest/gtest.h>

#include "ui/TextLimits.h"

namespace {
cTextLimits OneLine(int chars, int charMode) {
  cTextLimits limits;
  limits.m_nMaxChars = chars;
  limits.m_nMaxLines = 1;
  limits.m_bCharMode = charMode;
  return limits;
}
}  // namespace

TEST(TextLimits, CountsCharactersAndLines) {
  EXPECT_EQ(CountChars("ab\r\nあ"), 4) << "a line feed counts nothing, a double-byte character one";
  EXPECT_EQ(CountChars(""), 0);
  EXPECT_EQ(CountChars("\x82"), 1) << "a lead byte without its trail byte is a byte";
  EXPECT_EQ(CountLines(""), 0);
  EXPECT_EQ(CountLines("a"), 1);
  EXPECT_EQ(CountLines("a\r\nb\r\n"), 3);
  EXPECT_EQ(IsDoubleByteChar("\x82"), 0);
}

TEST(TextLimits, PartialCharactersAndPositions) {
  cString text("aあ\x82");
  TrimPartialChar(text);
  EXPECT_EQ(text, "aあ");
  cString whole("ab");
  TrimPartialChar(whole);
  EXPECT_EQ(whole, "ab");
  const char* mixed = "aあbい";
  EXPECT_EQ(ByteOffsetOfPosition(mixed, 2), 3);
  EXPECT_EQ(ByteOffsetOfPosition(mixed, 9), 6) << "never beyond the text";
  EXPECT_EQ(PositionOfByteOffset(mixed, 4), 3);
  EXPECT_EQ(PositionOfByteOffset(mixed, 6), 4);
}

TEST(TextLimits, OneLineEditUndoesWhatBreaksTheLimits) {
  struct Row {
    const char* name;
    int chars, charMode;
    const char *text, *previous;
    int selStart, selEnd;
    const char* shown;
    int caret;
  } rows[] = {
      {"twelfth character accepted", 12, 1, "abcdefghijkl", "abcdefghijk", 12, 12, "abcdefghijkl", 12},
      {"thirteenth undone, caret stays", 12, 1, "abcdeXfghijkl", "abcdefghijkl", 6, 6, "abcdefghijkl", 6},
      {"thirteenth at the end: caret at most the end", 12, 1, "abcdefghijklm", "abcdefghijkl", 13, 13,
       "abcdefghijkl", 12},
      {"double-byte counts one", 3, 1, "あいう", "あい", 6, 6, "あいう", 6},
      {"fourth double-byte undone", 3, 1, "あいうえ", "あいう", 8, 8, "あいう", 6},
      {"byte mode counts bytes", 4, 0, "あいう", "あい", 6, 6, "あい", 4},
      {"added line break undone", 12, 1, "ab\r\ncd", "abcd", 4, 4, "abcd", 4},
      {"caret never between CR and LF", 12, 1, "ab\r\nc\r\nd", "ab\r\ncd", 3, 3, "ab\r\ncd", 4},
      {"caret never inside a double-byte character", 3, 1, "あxいう", "あいう", 3, 3, "あいう", 4},
  };
  for (const Row& row : rows) {
    cTextChange change =
        LimitEditText(OneLine(row.chars, row.charMode), row.text, row.previous, row.selStart, row.selEnd, 0, 0);
    EXPECT_EQ(change.m_strText, row.shown) << row.name;
    EXPECT_EQ(change.m_nSelStart, row.caret) << row.name;
    EXPECT_EQ(change.m_nSelEnd, row.caret) << row.name;
  }
}

TEST(TextLimits, ProgramTextIsCutToTheLimitsWhileAttaching) {
  struct Row {
    int chars;
    const char *text, *shown;
  } rows[] = {
      {12, "0123456789012345678901234567890123456789", "012345678901"},
      {12, "ab\r\ncd", "ab\r\ncd"},  // a line break that fits is shown whole
      {3, "ab\r\ncdef", "ab\r\n"},
      {3, "あいうえお", "あいう"},
      {12, "short", "short"},
  };
  for (const Row& row : rows) {
    cTextChange change = LimitEditText(OneLine(row.chars, 1), row.text, row.text, 0, 0, 0, 1);
    EXPECT_EQ(change.m_strText, row.shown) << row.text;
  }
}

TEST(TextLimits, BackspaceJoinAndLongLinesOfAMultiLineEdit) {
  cTextLimits limits;
  limits.m_nMaxChars = 4;
  limits.m_nMaxLines = 3;
  limits.m_bCharMode = 1;
  // The line before the removed break already holds the limit: the join is refused.
  cTextChange refused = LimitEditText(limits, "abcde", "abcd\r\ne", 4, 4, 1, 0);
  EXPECT_EQ(refused.m_strText, "abcd\r\ne");
  cTextChange rebroken = LimitEditText(limits, "abcde", "abc\r\nde", 3, 3, 1, 0);
  EXPECT_EQ(rebroken.m_strText, "abcd\r\ne") << "a shorter line joins, and the long result breaks again";
  cTextChange joined = LimitEditText(limits, "abd", "ab\r\nd", 2, 2, 1, 0);
  EXPECT_EQ(joined.m_strText, "abd");
  // A line typed too long moves its rest onto the next line.
  cTextChange broken = LimitEditText(limits, "abcdef\r\ng", "abcde\r\ng", 6, 6, 0, 0);
  EXPECT_EQ(broken.m_strText, "abcd\r\nefg");
  EXPECT_EQ(broken.m_nSelStart, 8);
  cTextLimits none{0, 0, 0};
  EXPECT_EQ(LimitEditText(none, "a\r\nb\r\nc", "", 1, 1, 0, 0).m_strText, "a\r\nb\r\nc") << "no limits at all";
}

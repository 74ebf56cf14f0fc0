#include <gtest/gtest.h>

#include "app/PathUtil.h"
#include "app/cString.h"
#include "tests/support/TestSupport.h"

TEST(CodePage932, LiteralsAreShiftJisBytes) {
  EXPECT_EQ(ToHex(Bytes{'a'}), "61");
  const std::string wave = "～", minus = "－", so = "ソ", hyou = "表";
  EXPECT_EQ(ToHex(Bytes(wave.begin(), wave.end())), "81 60");
  EXPECT_EQ(ToHex(Bytes(minus.begin(), minus.end())), "81 7C");
  EXPECT_EQ(ToHex(Bytes(so.begin(), so.end())), "83 5C");
  EXPECT_EQ(ToHex(Bytes(hyou.begin(), hyou.end())), "95 5C");
}

TEST(CodePage932, TrailBackslashSurvivesPathFunctions) {
  cString path("bmp\\ソ\\表");
  FileNameOfPath(path);
  EXPECT_EQ(path, "表");
  char buffer[260] = "data\\ソ.dat";
  FileNameOfPath(buffer);
  EXPECT_STREQ(buffer, "ソ.dat");
  cString folder("表\\ソ\\a.bmp");
  RemoveFileName(folder);
  EXPECT_EQ(folder, "表\\ソ\\");
  // A trail byte that is also a lead byte, then a real backslash.
  cString tricky("a\\\x83\x81\\b.bmp");
  FileNameOfPath(tricky);
  EXPECT_EQ(tricky, "b.bmp");
}

TEST(String, SetFormatAndEmptiness) {
  cString s("x");
  s.Set(nullptr);
  ASSERT_NE(s.GetStr(), nullptr);
  EXPECT_STREQ(s.GetStr(), "");
  EXPECT_EQ(s.IsEmpty(), 1);
  EXPECT_EQ(s.IsNotEmpty(), 0);

  cString self("42");
  self.Format("%d%s", 7, self.GetStr());
  EXPECT_EQ(self, "742");

  cString a("x");
  a.AppendFormat(" %d", 5);
  EXPECT_EQ(a, "x 5");
  a.Format(" %d", 5);
  EXPECT_EQ(a, " 5");
}

TEST(String, AppendBoundedTakesTheTextAsItIsAndCutsBetweenCharacters) {
  struct cCase {
    const char* m_pText;
    int m_nMax;
    const char* m_pAppended;
  };
  const cCase cases[] = {
      {"%s%n%d", 100, "%s%n%d"}, {"abc", 2, "ab"},     {"あいう", 5, "あい"}, {"あいう", 4, "あい"},
      {"aあ", 2, "a"},           {"", 10, ""},         {"abc", 0, ""},         {"abc", -1, ""},
  };
  for (const cCase& c : cases) {
    cString text("[");
    text.AppendBounded(c.m_pText, c.m_nMax);
    EXPECT_EQ(text, std::string("[") + c.m_pAppended) << c.m_pText << " " << c.m_nMax;
  }
  cString text("x");
  text.AppendBounded(nullptr, 5);
  EXPECT_EQ(text, "x");
}

TEST(String, FormatCutsLongTextsAtTheWorkingBuffer) {
  std::string huge(20000, 'z');
  cString s;
  s.Format("%s", huge.c_str());
  EXPECT_EQ(s.size(), static_cast<size_t>(kStringWorkSize - 1));
}

TEST(String, TrimAtNulAndLength) {
  cString s(std::string("ab\0cd", 5));
  EXPECT_EQ(s.GetLength(), 2);
  EXPECT_EQ(s, "ab");
}

TEST(String, Mid) {
  struct Row {
    int start, count;
    const char* expected;
  } rows[] = {{2, 3, "cde"}, {4, 10, "ef"}, {2, -1, "cdef"}, {-2, 4, "ab"},
              {6, 1, ""},    {7, 1, ""},    {3, 0, ""}};
  for (const Row& row : rows) {
    cString s("abcdef");
    EXPECT_EQ(s.Mid(row.start, row.count), row.expected) << row.start << "," << row.count;
  }
  cString cut(std::string("abc\0def", 7));
  EXPECT_EQ(cut.Mid(1, -1), "bc");
}

TEST(String, ReverseFind) {
  cString path("bmp\\a.bmp");
  EXPECT_EQ(path.ReverseFind("\\", path.GetLength()), 3);
  cString name("a.bmp");
  EXPECT_EQ(name.ReverseFind("\\", name.GetLength()), -1);
  EXPECT_EQ(path.ReverseFind("\\", -1), -1);
  EXPECT_EQ(path.ReverseFind("\\", 100), -1);
}

TEST(String, EqualityComparesBytes) {
  EXPECT_TRUE(cString("abc") == cString("abc"));
  EXPECT_TRUE(cString("abc") != cString("ABC"));
  EXPECT_TRUE(cString("ｱ") != cString("ア"));
}

TEST(String, StoredForm) {
  struct Row {
    std::string text;
    const char* hex;
  } rows[] = {{"", "01 00 00 00"}, {"abc", "04 00 00 00 61 62 63 00"}};
  for (const Row& row : rows) {
    cWriteStream out;
    cString s(row.text);
    s.Save(out);
    EXPECT_EQ(ToHex(out.Bytes()), row.hex);
    cReadStream in(out.Bytes());
    cString back("old");
    EXPECT_EQ(back.Load(in), 1);
    EXPECT_EQ(back, row.text.c_str());
    EXPECT_EQ(in.AtEnd(), 1);
  }
  cReadStream middle(Hex("06 00 00 00 61 62 00 63 64 00"));
  cString s;
  EXPECT_EQ(s.Load(middle), 1);
  EXPECT_EQ(s, "ab");
}

TEST(String, DamagedStoredFormFails) {
  const char* damaged[] = {
      "00 00 00 00",           // a length of 0
      "04 00 00 00 61 62 63 64",  // no zero byte
      "FF FF FF 7F 61 00",     // longer than the stream
      "05 00",                 // truncated length
  };
  for (const char* hex : damaged) {
    cReadStream in(Hex(hex));
    cString s("keep");
    EXPECT_EQ(s.Load(in), 0) << hex;
    EXPECT_EQ(s, "keep") << hex;
    EXPECT_EQ(in.Failed(), 1);
  }
}

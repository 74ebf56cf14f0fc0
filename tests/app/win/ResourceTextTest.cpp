#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/TestSupport.h"

TEST(ResourceTexts, ReachTheProgramInCodePage932) {
  char text[64] = {};
  ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 101, text, sizeof text), 0);
  EXPECT_EQ(ToHex(Bytes(text, text + lstrlenA(text))), "81 60 81 7C 83 5C 95 5C");
  ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), 102, text, sizeof text), 0);
  EXPECT_STREQ(text, "ヴォンタリス");
}

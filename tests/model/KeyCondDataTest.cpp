#include "model/cKeyCondData.h"

#include "tests/model/ModelTest.h"

namespace {
//                     fb min  max  oe jd
const char* kKeyCondBody = "05000000 01 0A00 E703 00 02 00000000";
const char* kNineteen = "13000000 00 01 02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01";
}  // namespace

TEST(KeyCondData, DefaultBody) {
  cKeyCondData key;
  EXPECT_EQ(ToHex(SavedBytes(key)), ToHex(Cat({U32(5), Hex("00 0000 0000 00 00"), U32(0), U32(19), Bytes(19, 0)})));
}

TEST(KeyCondData, LoadsAndAlwaysHoldsOneStatePerKey) {
  using Row = cLoadRow<cKeyCondData>;
  RunLoadRows<cKeyCondData>({
      Row{100, Hex(std::string(kKeyCondBody) + kNineteen),
          [](const cKeyCondData& k) {
            EXPECT_EQ(k.m_bFrontBack, 1);
            EXPECT_EQ(k.m_nPressMin, 10);
            EXPECT_EQ(k.m_nPressMax, 999);
            EXPECT_EQ(k.m_bOpenEnd, 0);
            EXPECT_EQ(k.m_cJudge, 2);
            ASSERT_EQ(k.m_vKeyState.size(), 19u);
            EXPECT_EQ(k.m_vKeyState[1], 1);
            EXPECT_EQ(k.m_vKeyState[2], 2);
            EXPECT_EQ(k.m_vKeyState[18], 1);
          }},
      // Other counts: the states read are kept, missing ones are "not tested", surplus dropped.
      Row{771, Hex(std::string(kKeyCondBody) + "02000000 02 01"),
          [](const cKeyCondData& k) {
            ASSERT_EQ(k.m_vKeyState.size(), 19u);
            EXPECT_EQ(k.m_vKeyState[0], 2);
            EXPECT_EQ(k.m_vKeyState[1], 1);
            EXPECT_EQ(k.m_vKeyState[18], 0);
          }},
      Row{771, Cat({Hex(kKeyCondBody), U32(25), Bytes(18, 0), Bytes(7, 1)}),
          [](const cKeyCondData& k) {
            ASSERT_EQ(k.m_vKeyState.size(), 19u);
            EXPECT_EQ(k.m_vKeyState[17], 0);
            EXPECT_EQ(k.m_vKeyState[18], 1);
          }},
  });
  cKeyCondData key;
  EXPECT_FALSE(LoadBytes(key, kDataVersion, Hex(std::string(kKeyCondBody) + "FFFFFF00 00")));
}

TEST(KeyCondData, CopyEqualityAndRoundTrip) {
  cKeyCondData a;
  a.m_nPressMin = 5;
  a.m_bOpenEnd = 1;
  a.m_vKeyState[3] = 2;
  ExpectRoundTrip(a);
  cKeyCondData b = a;
  EXPECT_TRUE(a == b);
  b.m_vKeyState[18] = 1;  // only "F" differs
  EXPECT_TRUE(a != b);
  EXPECT_EQ(a.m_vKeyState[18], 0);
  b.SetDefaults();
  EXPECT_TRUE(b == cKeyCondData());
  ExpectPrefixesFail<cKeyCondData>(Hex(std::string(kKeyCondBody) + kNineteen));
}

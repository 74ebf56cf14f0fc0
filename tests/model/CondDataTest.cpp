#include "model/cCondData.h"

#include "tests/model/ModelTest.h"

namespace {

// A body of version 110 on: 17 fields given as their 28 bytes, no strings.
Bytes Body17(const char* fields) { return Cat({U32(17), Hex(fields), U32(0)}); }

//                 kind value    randMin  randMax  sub st lk ls num  rk rs rt rc rnum cmp % axis
const char* kOne = "04   05000000 00000000 00000000 00  00 00 00 0000 00 00 00 00 0000 00  00 00";

}  // namespace

TEST(CondData, LoadsEveryVersionAndUpgrades) {
  using Row = cLoadRow<cCondData>;
  RunLoadRows<cCondData>({
      // Before 43: no percent; before 110: two discarded 16-bit values; kind 5 becomes 7 (160),
      // a distance gets subject 0 (657), no range display (745) and both show flags (746).
      Row{42, Hex("06000000 05 0A000000 3412 7856 01 02 00000000"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cKind, 7);
            EXPECT_EQ(c.m_nValue, 10);
            EXPECT_EQ(c.m_nNumber, 0);
            EXPECT_EQ(c.m_nRightNumber, 0);
            EXPECT_EQ(c.m_nRandMin, 0);
            EXPECT_EQ(c.m_cCompare, 1);
            EXPECT_EQ(c.m_bPercent, 0);
            EXPECT_EQ(c.m_cAxis, 2);
            EXPECT_EQ(c.m_cSubject, 0);
            EXPECT_EQ(c.m_cLeftKind, 0);
            EXPECT_EQ(c.m_cRightKind, 1);
            EXPECT_EQ(c.m_cRightSubject, 1);
          }},
      Row{109, Hex("07000000 04 03000000 FFFF FFFF 02 01 00 00000000"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cKind, 4);
            EXPECT_EQ(c.m_nValue, 3);
            EXPECT_EQ(c.m_cSubject, 0);
            EXPECT_EQ(c.m_nNumber, 0);
            EXPECT_EQ(c.m_cCompare, 2);
            EXPECT_EQ(c.m_bPercent, 1);
          }},
      Row{159, Body17("05 00000000 00000000 00000000 01 03 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cKind, 7); }},
      Row{160, Body17("05 00000000 00000000 00000000 01 03 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cKind, 5);
            EXPECT_EQ(c.m_cSubject, 1);
            EXPECT_EQ(c.m_cStatus, 3);
          }},
      // 161: the comparison of state 2 turns round.
      Row{160, Body17("06 00000000 00000000 00000000 00 02 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cCompare, 1); }},
      Row{161, Body17("06 00000000 00000000 00000000 00 02 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cCompare, 0); }},
      // 168 then 203: status rows inserted at 10 and at 5, both sides, not for subject 2.
      Row{167, Body17("04 00000000 00000000 00000000 00 0A 00 00 0000 02 01 0C 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cStatus, 12);
            EXPECT_EQ(c.m_cRightStatus, 14);
          }},
      Row{167, Body17("04 00000000 00000000 00000000 02 0A 00 00 0000 01 00 0C 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cStatus, 10);
            EXPECT_EQ(c.m_cRightStatus, 12);  // the right side is a random number
            EXPECT_EQ(c.m_cSubject, 5);       // 767: subject 2 moved behind the targets
          }},
      Row{202, Body17("04 00000000 00000000 00000000 00 05 00 00 0000 02 00 04 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cStatus, 6);
            EXPECT_EQ(c.m_cRightStatus, 4);
          }},
      Row{203, Body17("04 00000000 00000000 00000000 00 05 00 00 0000 02 00 04 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cStatus, 5); }},
      // 210: a flag status inserted at 6.
      Row{209, Body17("05 00000000 00000000 00000000 00 06 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cStatus, 7); }},
      Row{210, Body17("05 00000000 00000000 00000000 00 06 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cStatus, 6); }},
      // Distance conditions at 656, 700, 745 and 746.
      Row{656, Body17("07 03000000 00000000 00000000 03 00 02 00 0000 00 00 00 00 FBFF 01 00 06"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cSubject, 0);
            EXPECT_EQ(c.m_cLeftKind, 0);
            EXPECT_EQ(c.m_cRightKind, 1);
            EXPECT_EQ(c.m_cRightSubject, 1);
            EXPECT_EQ(c.m_nRightNumber, -5);
            EXPECT_EQ(c.m_cAxis, 6);
          }},
      Row{700, Body17("07 03000000 00000000 00000000 03 00 02 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cSubject, 3);
            EXPECT_EQ(c.m_cLeftKind, 0);
            EXPECT_EQ(c.m_cRightKind, 1);
            EXPECT_EQ(c.m_cRightSubject, 1);
          }},
      Row{745, Body17("07 03000000 00000000 00000000 03 00 02 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cSubject, 3);
            EXPECT_EQ(c.m_cLeftKind, 2);
            EXPECT_EQ(c.m_cRightKind, 1);
            EXPECT_EQ(c.m_cRightSubject, 1);
          }},
      Row{746, Body17("07 03000000 00000000 00000000 03 00 02 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cLeftKind, 2);
            EXPECT_EQ(c.m_cRightKind, 0);
            EXPECT_EQ(c.m_cRightSubject, 0);
          }},
      // 767: subjects 2 and beyond move behind the three new targets; subject 1 stays.
      Row{766, Body17("04 00000000 00000000 00000000 02 00 00 00 0000 02 01 00 00 0000 00 00 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_cSubject, 5);
            EXPECT_EQ(c.m_cRightSubject, 1);
          }},
      Row{766, Body17("05 00000000 00000000 00000000 03 00 00 00 0000 00 00 00 00 0000 00 00 00"),
          [](const cCondData& c) { EXPECT_EQ(c.m_cSubject, 6); }},
      Row{771, Body17("04 FFFFFFFF 01000000 02000000 02 03 01 01 0700 03 04 05 01 0800 05 01 00"),
          [](const cCondData& c) {
            EXPECT_EQ(c.m_nValue, -1);
            EXPECT_EQ(c.m_nRandMin, 1);
            EXPECT_EQ(c.m_nRandMax, 2);
            EXPECT_EQ(c.m_cSubject, 2);
            EXPECT_EQ(c.m_cStatus, 3);
            EXPECT_EQ(c.m_cLeftKind, 1);
            EXPECT_EQ(c.m_cLeftScope, 1);
            EXPECT_EQ(c.m_nNumber, 7);
            EXPECT_EQ(c.m_cRightKind, 3);
            EXPECT_EQ(c.m_cRightSubject, 4);
            EXPECT_EQ(c.m_cRightStatus, 5);
            EXPECT_EQ(c.m_cRightScope, 1);
            EXPECT_EQ(c.m_nRightNumber, 8);
            EXPECT_EQ(c.m_cCompare, 5);
            EXPECT_EQ(c.m_bPercent, 1);
          }},
  });
}

TEST(CondData, WritesTheCurrentBodyAndRoundTrips) {
  cCondData cond;
  EXPECT_EQ(ToHex(SavedBytes(cond)), ToHex(Body17("00 00000000 00000000 00000000 00 00 00 00 0000 00 00 00 00 0000 00 00 00")));
  ASSERT_TRUE(LoadBytes(cond, kDataVersion, Body17(kOne)));
  EXPECT_EQ(ToHex(SavedBytes(cond)), ToHex(Body17(kOne)));
  cond.m_nRandMax = 99;
  cond.m_cAxis = 3;
  ExpectRoundTrip(cond);
  ExpectPrefixesFail<cCondData>(Body17(kOne));
}

TEST(CondList, LoadsConditionsFrom766On) {
  using Row = cLoadRow<cCondList>;
  RunLoadRows<cCondList>({
      Row{765, Hex("02000000 01 01 00000000"),
          [](const cCondList& l) {
            EXPECT_EQ(l.m_bHasCond, 1);
            EXPECT_EQ(l.m_cJudge, 1);
            EXPECT_TRUE(l.m_vCond.empty());
          }},
      // Each condition upgrades by its own steps.
      Row{766, Cat({Hex("02000000 01 00 00000000 01000000"),
                    Body17("04 00000000 00000000 00000000 02 00 00 00 0000 00 00 00 00 0000 00 00 00")}),
          [](const cCondList& l) {
            ASSERT_EQ(l.m_vCond.size(), 1u);
            EXPECT_EQ(l.m_vCond[0].m_cSubject, 5);
          }},
  });
}

TEST(CondList, CopyEqualityAndRoundTrip) {
  cCondList list;
  list.m_bHasCond = 1;
  cCondData a, b;
  a.m_cKind = 1;
  b.m_cKind = 2;
  list.m_vCond = {a, b};
  EXPECT_EQ(ToHex(SavedBytes(list)).substr(0, 47), "02 00 00 00 01 00 00 00 00 00 02 00 00 00 11 00");
  ExpectRoundTrip(list);

  cCondList copy = list;
  EXPECT_TRUE(copy == list);
  copy.m_vCond[0].m_nValue = 1;
  EXPECT_EQ(list.m_vCond[0].m_nValue, 0);
  EXPECT_TRUE(copy != list);

  cCondList reordered = list;
  std::swap(reordered.m_vCond[0], reordered.m_vCond[1]);
  EXPECT_TRUE(reordered != list);
  cCondList shorter = list;
  shorter.m_vCond.pop_back();
  EXPECT_TRUE(shorter != list);
}

TEST(CondList, HostileCountFailsWithoutAllocating) {
  cCondList list;
  EXPECT_FALSE(LoadBytes(list, kDataVersion, Hex("02000000 01 00 00000000 FFFFFFFF 11000000")));
}

TEST(CondData, OptionTables) {
  EXPECT_EQ(CondKindNames[0], "");
  EXPECT_EQ(CondKindNames[7], "距離条件");
  EXPECT_EQ(DistanceAxisNames[6], "円");
  EXPECT_TRUE(DistanceAxisNames[7].empty());
  EXPECT_EQ(CondJudgeNames[1], "1つ以上の条件が真なら成立");
}

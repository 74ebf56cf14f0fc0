#include <gtest/gtest.h>

#include <climits>

#include "app/Utility.h"
#include "app/cAnimePlayer.h"
#include "tests/support/TestSupport.h"

TEST(Utility, IntToPaddedText) {
  struct Row {
    int32_t value;
    int width, keepZeros, forceSign;
    const char* expected;
  } rows[] = {
      {5, 3, 1, 0, "005"},      {123, 3, 1, 0, "123"},   {1234, 3, 1, 0, "1234"}, {0, 3, 1, 0, "000"},
      {0, 0, 1, 0, "0"},        {-12, 0, 1, 0, "-12"},   {42, 5, 0, 1, "+   42"}, {0, 5, 0, 1, "+    0"},
      {7, 4, 1, 0, "0007"},     {7, 4, 0, 0, "   7"},    {-7, 4, 1, 0, "-0007"},  {-7, 4, 0, 0, "-   7"},
      {7, 4, 1, 1, "+0007"},    {INT_MIN, 0, 1, 0, "-2147483648"},
  };
  for (const Row& row : rows) {
    cString s("old");
    IntToPaddedText(s, row.value, row.width, row.keepZeros, row.forceSign);
    EXPECT_EQ(s, row.expected) << row.value << " width " << row.width;
  }
  cString s;
  IntToPaddedText(s, static_cast<int16_t>(-32768), 0);
  EXPECT_EQ(s, "-32768");
  IntToPaddedText(s, 9, 2);
  EXPECT_EQ(s, "09");
}

TEST(Utility, DigitCount) {
  EXPECT_EQ(DigitCount(0), 1);
  EXPECT_EQ(DigitCount(-9), 1);
  EXPECT_EQ(DigitCount(10), 2);
  EXPECT_EQ(DigitCount(INT_MIN), 10);
  EXPECT_EQ(DigitCount(static_cast<int16_t>(32767)), 5);
}

TEST(Utility, WrapStep) {
  int32_t v = 9;
  EXPECT_EQ(WrapStep(&v, 1, 0, 9), 0);
  v = 0;
  EXPECT_EQ(WrapStep(&v, -1, 0, 9), 9);
  v = 4;
  EXPECT_EQ(WrapStep(&v, 1, 0, 9), 5);
  v = INT_MAX;
  EXPECT_EQ(WrapStep(&v, 1, 0, INT_MAX), 0);
}

TEST(Utility, RandomInRangeStaysInside) {
  for (int i = 0; i < 200; ++i) {
    int32_t a = RandomInRange(5, 2);
    EXPECT_GE(a, 2);
    EXPECT_LE(a, 5);
    EXPECT_EQ(RandomInRange(3, 3), 3);
    int32_t wide = RandomInRange(INT_MIN, INT_MAX);
    (void)wide;  // the full range must not overflow (UBSan watches)
    int32_t neg = RandomInRange(-10, -20);
    EXPECT_GE(neg, -20);
    EXPECT_LE(neg, -10);
  }
}

TEST(Utility, SafeDeleteAndScheduleEntry) {
  int* p = new int(3);
  SafeDelete(p);
  EXPECT_EQ(p, nullptr);
  SafeDelete(p);
  EXPECT_EQ(p, nullptr);
  cAnimeScheduleEntry e;
  EXPECT_EQ(e.m_nCell, 0);
  EXPECT_EQ(e.m_nTime, 0);
  EXPECT_EQ(e.m_bHold, 0);
}

namespace {
cAnimeSchedule Schedule(std::initializer_list<cAnimeScheduleEntry> entries) { return cAnimeSchedule(entries); }
std::vector<int> Steps(cAnimePlayer& player, int n) {
  std::vector<int> cells;
  for (int i = 0; i < n; ++i) cells.push_back(player.Step());
  return cells;
}
}  // namespace

TEST(AnimePlayer, LoopsWithRestart) {
  cAnimePlayer player;
  EXPECT_EQ(player.Step(), 0);
  cVector<cAnimeSchedule> patterns{Schedule({{10, 2, 0}, {20, 3, 0}, {-2, 0, 0}})};
  player.SetPatterns(patterns);
  EXPECT_EQ(player.CurrentCell(), 10);
  EXPECT_EQ(Steps(player, 11), (std::vector<int>{10, 20, 20, 20, 10, 10, 20, 20, 20, 10, 10}));
}

TEST(AnimePlayer, StayJumpAndHold) {
  cAnimePlayer player;
  cVector<cAnimeSchedule> patterns{Schedule({{1, 1, 1}, {2, 2, 0}, {-1, 0, 0}}), Schedule({{7, 1, 0}, {-2, 0, 0}}),
                                   Schedule({{5, 1, 0}, {-3, 1, 0}})};
  player.SetPatterns(patterns);
  EXPECT_EQ(player.Select(1, 0), 0) << "entry 0 holds";
  EXPECT_EQ(Steps(player, 5), (std::vector<int>{2, 2, 2, 2, 2}));
  EXPECT_EQ(player.Select(2, 0), 1);
  EXPECT_EQ(player.Step(), 7) << "the jump shows schedule 1 in the same step";
  EXPECT_EQ(player.Step(), 7);
}

// Schedules that would lead a player outside them: it stays inside and shows real cells only.
TEST(AnimePlayer, StaysInsideEverySchedule) {
  struct cRow {
    const char* m_pWhat;
    cVector<cAnimeSchedule> m_Patterns;
    std::vector<int> m_Cells;
  };
  std::vector<cRow> rows = {
      {"no patterns", {}, {0, 0, 0}},
      {"an empty schedule", {Schedule({})}, {0, 0, 0}},
      {"a stay as entry 0", {Schedule({{-1, 1, 0}, {4, 1, 0}})}, {4, 4, 4}},
      {"a restart alone", {Schedule({{-2, 0, 0}})}, {0, 0, 0}},
      {"no end code: past the end starts again", {Schedule({{3, 1, 0}, {5, 2, 0}})}, {5, 5, 3, 5, 5, 3}},
      {"a jump to no schedule starts again", {Schedule({{6, 1, 0}, {-3, 9, 0}})}, {6, 6, 6}},
      {"a jump to an empty schedule starts again", {Schedule({{6, 1, 0}, {-3, 1, 0}}), Schedule({})}, {6, 6}},
  };
  for (const cRow& row : rows) {
    cAnimePlayer player;
    player.SetPatterns(row.m_Patterns);
    EXPECT_EQ(Steps(player, static_cast<int>(row.m_Cells.size())), row.m_Cells) << row.m_pWhat;
    EXPECT_GE(player.CurrentCell(), 0) << row.m_pWhat;
  }
  cAnimePlayer player;
  EXPECT_EQ(player.Select(0, 0), 0) << "nothing to select";
  EXPECT_EQ(player.HasEntry(), 0);
}

TEST(AnimePlayer, ZeroTimeEntryIsLeftAtOnce) {
  cAnimePlayer player;
  cVector<cAnimeSchedule> patterns{Schedule({{3, 0, 0}, {4, 5, 0}, {-2, 0, 0}})};
  player.SetPatterns(patterns);
  EXPECT_EQ(player.Step(), 4);
}

#include "model/cFlagVector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "tests/support/TestSupport.h"

TEST(FlagVector, InlineAndBeyond) {
  cFlagVector<4> flags;
  ASSERT_EQ(flags.size(), 4u);
  flags[3] = 1;
  // Growing past the inline flags keeps the values; shrinking back keeps them too.
  flags.resize(9);
  flags[8] = 2;
  EXPECT_EQ(flags[3], 1);
  EXPECT_EQ(flags[7], 0);
  cFlagVector<4> copy = flags;
  flags.resize(2);
  EXPECT_EQ(copy.size(), 9u);
  EXPECT_EQ(copy[8], 2);
  copy.resize(4);
  EXPECT_EQ(copy[3], 1);
  copy.resize(6);
  EXPECT_EQ(copy[4], 0);
  EXPECT_EQ(copy[5], 0);

  // Taking the length and values of another list, and the project's shift of a new group.
  cFlagVector<8> shifted;
  shifted.assign(cVector<int8_t>{1, 2, 3, 4, 5});
  ShiftFlagsUp(shifted, 1);
  shifted[1] = 9;
  const int8_t expected[] = {1, 9, 2, 3, 4};
  EXPECT_TRUE(std::equal(shifted.begin(), shifted.end(), std::begin(expected), std::end(expected)));
  ShiftFlagsUp(shifted, 4);  // nothing after the last flag
  EXPECT_EQ(shifted[4], 4);
}

TEST(FlagVector, CheckedAccessReportsBadIndexes) {
  cScratchFolder folder;
  cTestReportLog log;
  cFakeShell shell;
  cFlagVector<3> flags;
  flags[0] = 7;
  EXPECT_EQ(flags.At(2), 0);
  EXPECT_EQ(flags.At(3), 7);
  EXPECT_EQ(flags.At(-1), 7);
  EXPECT_EQ(shell.m_nDestroys, 2);
  flags.resize(0);
  EXPECT_THROW(flags.At(0), std::out_of_range);
  ASSERT_EQ(log.Lines().size(), 3u);
  EXPECT_EQ(log.Lines()[0], "err V[3] ( 3 , 1 )");
}

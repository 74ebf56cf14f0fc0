#include <gtest/gtest.h>

#include "app/StepPoint.h"
#include "app/cStateStack.h"
#include "tests/support/TestSupport.h"

namespace {
std::vector<int> Values(const cStateRecord& r) { return {r.m_nX, r.m_nY, r.m_nPixelX, r.m_nPixelY}; }
}  // namespace

TEST(StateStack, PushCopiesAndPopHandsBackByMode) {
  cStateStack stack;
  ASSERT_EQ(stack.Count(), 1);
  EXPECT_EQ(stack.m_lpPrevious, nullptr);
  stack.m_lpCurrent->m_nX = 3;
  stack.m_lpCurrent->m_nY = 4;
  stack.Push(1);
  ASSERT_EQ(stack.Count(), 2);
  EXPECT_EQ(Values(*stack.m_lpCurrent), (std::vector<int>{3, 4, 0, 0}));
  EXPECT_EQ(stack.m_lpPrevious, &stack.m_vStack[0]);
  EXPECT_EQ(stack.m_lpCurrent, &stack.m_vStack[1]);

  stack.m_lpCurrent->m_nX = 5;
  stack.m_lpCurrent->m_nY = 6;
  stack.Pop(2);
  ASSERT_EQ(stack.Count(), 1);
  EXPECT_EQ(Values(*stack.m_lpCurrent), (std::vector<int>{5, 6, 0, 0}));
  EXPECT_EQ(stack.m_lpPrevious, nullptr);

  stack.Push(0);
  EXPECT_EQ(Values(*stack.m_lpCurrent), (std::vector<int>{0, 0, 0, 0})) << "push 0 starts from zero";
  stack.m_lpCurrent->m_nX = 9;
  stack.Pop(1);
  EXPECT_EQ(Values(*stack.m_lpCurrent), (std::vector<int>{5, 6, 0, 0})) << "mode 1 keeps the lower record";
  stack.Push(1);
  stack.Pop(0);
  EXPECT_EQ(Values(*stack.m_lpCurrent), (std::vector<int>{0, 0, 0, 0})) << "mode 0 clears it";
}

TEST(StateStack, PopOfTheLastRecordAndResetKeepOneRecord) {
  cFakeShell shell;
  cStateStack stack;
  stack.m_lpCurrent->m_nX = 7;
  stack.Pop(0);
  EXPECT_EQ(stack.Count(), 1);
  EXPECT_EQ(stack.m_lpCurrent->m_nX, 7);
  for (int i = 0; i < 40; ++i) stack.Push(1);  // the vector reallocates: the pointers follow
  EXPECT_EQ(stack.m_lpCurrent, &stack.m_vStack.back());
  EXPECT_EQ(stack.m_lpPrevious, &stack.m_vStack[39]);
  stack.Reset();
  EXPECT_EQ(stack.Count(), 1);
  EXPECT_EQ(stack.m_lpCurrent->m_nX, 0);
  EXPECT_EQ(shell.m_nCloseRequests + shell.m_nDestroys, 0);
}

TEST(StepPoint, EntersTheTargetCellWhenTheTruncatedSumsReachIt) {
  double x = 0.0, y = 0.0;
  int calls = 0;
  int arrived = 0;
  while (!arrived && calls < 10) {
    arrived = StepPointToward(x, y, 5, 0, 1.0);
    ++calls;
  }
  // Ten additions of 0.1 fall just short of 1.0, so the fifth call ends in cell 4.
  EXPECT_EQ(calls, 6);
  EXPECT_EQ(static_cast<int>(x), 5);
  EXPECT_EQ(y, 0.0);

  x = 2.5, y = 2.5;
  EXPECT_EQ(StepPointToward(x, y, 2, 2, 1.0), 1) << "a call always takes one substep";
  EXPECT_DOUBLE_EQ(x, 2.6);
  EXPECT_DOUBLE_EQ(y, 2.6);
}

TEST(StepPoint, MinorAxisFollowsAndStepsPointTowardTheTarget) {
  struct Row {
    double m_dX, m_dY;
    int m_nTx, m_nTy;
    double m_dSpeed;
    double m_dEndX, m_dEndY;
    int m_nResult;
  } rows[] = {
      // Major axis y going up, x following every other substep.
      {10.0, 10.0, 8, 6, 1.0, 9.5, 9.0, 0},
      // A speed of 10 covers one cell per substep: arrives on the fifth.
      {0.0, 0.0, -5, 0, 10.0, -5.0, 0.0, 1},
      {4.0, 4.0, 4, 4, 1.0, 4.1, 4.1, 1},
  };
  for (const Row& row : rows) {
    double x = row.m_dX, y = row.m_dY;
    EXPECT_EQ(StepPointToward(x, y, row.m_nTx, row.m_nTy, row.m_dSpeed), row.m_nResult);
    EXPECT_NEAR(x, row.m_dEndX, 1e-9);
    EXPECT_NEAR(y, row.m_dEndY, 1e-9);
  }
}

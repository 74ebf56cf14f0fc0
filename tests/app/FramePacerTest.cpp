#include <gtest/gtest.h>

#include "app/FramePacer.h"
#include "tests/support/TestSupport.h"

TEST(FramePacer, PacesToTheRateWithoutMakingUpLateTicks) {
  cFramePacer pacer;
  EXPECT_EQ(pacer.Wait(60, 1000), 1) << "the first call is due";
  EXPECT_EQ(pacer.Wait(60, 1015), 0);
  EXPECT_EQ(pacer.Wait(60, 1016), 1);
  EXPECT_EQ(pacer.Wait(60, 1100), 1) << "late";
  EXPECT_EQ(pacer.Wait(60, 1115), 0) << "the schedule restarts from the accepted call";
  EXPECT_EQ(pacer.Wait(0, 1101), 1) << "rate 0 is always due";
}

TEST(FramePacer, StaysRightAcrossTheClockWrap) {
  cFramePacer pacer;
  EXPECT_EQ(pacer.Wait(60, 0xFFFFFFEAu), 1);
  EXPECT_EQ(pacer.Wait(60, 0xFFFFFFF0u), 0);
  EXPECT_EQ(pacer.Wait(60, 3), 1) << "due at 0xFFFFFFFA: the wrapped clock is past it";
  EXPECT_EQ(pacer.Wait(60, 4), 0);
  EXPECT_EQ(pacer.Wait(60, 19), 1);
}

TEST(FramePacer, WaitFrameReadsTheShellClock) {
  cFakeShell shell;
  shell.m_nTick = 0x40000000u;  // far from any time an earlier test left behind
  EXPECT_EQ(WaitFrame(60), 1);
  shell.m_nTick += 10;
  EXPECT_EQ(WaitFrame(60), 0);
  shell.m_nTick += 6;
  EXPECT_EQ(WaitFrame(60), 1);
}

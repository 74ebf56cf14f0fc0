#pragma once
// Paces the idle tick with the millisecond clock: no window timers, and late ticks are not made up.

#include <cstdint>

class cFramePacer {
public:
  // 1 when the next tick is due at the time now (and schedules the one after it), 0 when not yet.
  // A rate of 0 is always due.
  int Wait(uint32_t rate, uint32_t now);

private:
  uint32_t m_nDue = 0;
  int32_t m_bStarted = 0;
};

// The process's pacer on the shell's clock.
int WaitFrame(uint32_t rate);

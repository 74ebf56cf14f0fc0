#pragma once
// Steps animation schedules one tick at a time for the previews. Whatever a schedule holds, the
// player stays inside it: an empty schedule shows cell 0, a jump to no schedule restarts.

#include "app/Utility.h"
#include "app/cVector.h"

class cAnimePlayer {
public:
  void SetPatterns(const cVector<cAnimeSchedule>& patterns);
  // 0 when the schedule is not there (or empty), or the current entry holds and force is off.
  int Select(int schedule, int force);
  // One tick: the cell now shown.
  int Step();
  int CurrentCell();
  // 1 when a schedule is being played.
  int HasEntry() const;

private:
  int IsPlayable(int schedule) const;
  cAnimeScheduleEntry& Current() { return m_vSchedules.At(m_nSchedule).At(m_nEntry); }

  cCoreVector<cAnimeSchedule> m_vSchedules;
  int32_t m_nSchedule = 0;
  int32_t m_nEntry = 0;
  int32_t m_nTick = 0;
};

// The player of the previews.
extern cAnimePlayer g_AnimePlayer;

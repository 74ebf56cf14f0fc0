#pragma once
// Steps animation schedules one tick at a time for the previews.

#include "app/Utility.h"
#include "app/cVector.h"

class cAnimePlayer {
public:
  void SetPatterns(const cVector<cAnimeSchedule>& patterns);
  int Select(int schedule, int force);
  int Step();
  int CurrentCell();

private:
  cAnimeScheduleEntry& Current() { return m_vSchedules.At(m_nSchedule).At(m_nEntry); }

  cCoreVector<cAnimeSchedule> m_vSchedules;
  int32_t m_nSchedule = 0;
  int32_t m_nEntry = 0;
  int32_t m_nTick = 0;
};

// The player of the previews.
extern cAnimePlayer g_AnimePlayer;

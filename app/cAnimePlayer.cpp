#include "app/cAnimePlayer.h"

void cAnimePlayer::SetPatterns(const cVector<cAnimeSchedule>& patterns) {
  m_vSchedules.Release();
  m_nSchedule = m_nEntry = m_nTick = 0;
  m_vSchedules.assign(patterns.begin(), patterns.end());
}

int cAnimePlayer::Select(int schedule, int force) {
  if (!force && Current().m_bHold) return 0;
  m_nSchedule = schedule;
  m_nEntry = 0;
  m_nTick = 0;
  return 1;
}

int cAnimePlayer::Step() {
  if (m_vSchedules.empty()) return 0;
  ++m_nTick;
  if (m_nTick >= Current().m_nTime) {
    m_nTick = 0;
    ++m_nEntry;
    const cAnimeScheduleEntry& entry = Current();
    if (entry.m_nCell == cAnimeScheduleEntry::kJump) Select(entry.m_nTime, 1);
    else if (entry.m_nCell == cAnimeScheduleEntry::kRestart) m_nEntry = 0;
    else if (entry.m_nCell == cAnimeScheduleEntry::kStay) --m_nEntry;
  }
  return Current().m_nCell;
}

int cAnimePlayer::CurrentCell() { return Current().m_nCell; }

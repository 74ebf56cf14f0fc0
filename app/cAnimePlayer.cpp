#include "app/cAnimePlayer.h"

namespace {
bool IsCode(const cAnimeScheduleEntry& entry) { return entry.m_nCell < 0; }
}  // namespace

void cAnimePlayer::SetPatterns(const cVector<cAnimeSchedule>& patterns) {
  m_vSchedules.Release();
  m_nSchedule = m_nEntry = m_nTick = 0;
  m_vSchedules.assign(patterns.begin(), patterns.end());
}

int cAnimePlayer::Select(int schedule, int force) {
  if (!IsPlayable(schedule)) return 0;
  if (!force && HasEntry() && Current().m_bHold) return 0;
  m_nSchedule = schedule;
  m_nEntry = 0;
  m_nTick = 0;
  return 1;
}

int cAnimePlayer::Step() {
  if (!HasEntry()) return 0;
  ++m_nTick;
  if (m_nTick >= Current().m_nTime) {
    m_nTick = 0;
    int32_t previous = m_nEntry;
    // Past the last entry the schedule starts again, as if it ended with a restart.
    if (++m_nEntry >= m_vSchedules[m_nSchedule].Count()) m_nEntry = 0;
    const cAnimeScheduleEntry& entry = Current();
    if (entry.m_nCell == cAnimeScheduleEntry::kJump) {
      if (!Select(entry.m_nTime, 1)) m_nEntry = 0;
    } else if (entry.m_nCell == cAnimeScheduleEntry::kRestart) {
      m_nEntry = 0;
    } else if (entry.m_nCell == cAnimeScheduleEntry::kStay) {
      // A stay keeps the entry before it; one at the start keeps the entry the step came from.
      m_nEntry = m_nEntry > 0 ? m_nEntry - 1 : previous;
    }
  }
  return CurrentCell();
}

// A code never shows as a cell: a schedule that begins with one shows the first cell, 0.
int cAnimePlayer::CurrentCell() {
  if (!HasEntry()) return 0;
  const cAnimeScheduleEntry& entry = Current();
  return IsCode(entry) ? 0 : entry.m_nCell;
}

int cAnimePlayer::IsPlayable(int schedule) const {
  return schedule >= 0 && schedule < m_vSchedules.Count() && !m_vSchedules[schedule].empty();
}

int cAnimePlayer::HasEntry() const { return IsPlayable(m_nSchedule); }

#include "database/AnimePreview.h"

#include <algorithm>
#include <climits>

#include "app/cAnimePlayer.h"
#include "database/DbRowLabels.h"
#include "listctrl/ListInstances.h"

cAnimeSchedule BuildPreviewSchedule(const cAnimeData& anime) {
  cAnimeSchedule schedule;
  auto add = [&schedule](const cAnimeFrameData& frame) {
    cAnimeScheduleEntry entry;
    entry.m_nCell = std::max(frame.m_nCell, 0);
    entry.m_nTime = static_cast<int32_t>(std::clamp<int64_t>(int64_t{frame.m_nTime} * kTicksPerTenth, 0, INT32_MAX));
    schedule.push_back(entry);
  };
  for (const cAnimeFrameData& frame : anime.m_vFrame) add(frame);
  if (schedule.empty()) add(cAnimeFrameData());
  cAnimeScheduleEntry restart;
  restart.m_nCell = cAnimeScheduleEntry::kRestart;
  schedule.push_back(restart);
  return schedule;
}

void StartPreview(const cAnimeData& anime) {
  cVector<cAnimeSchedule> patterns;
  patterns.push_back(BuildPreviewSchedule(anime));
  g_AnimePlayer.SetPatterns(patterns);
}

int32_t PreviewFrameCell(int advance) {
  if (!g_AnimePlayer.HasEntry()) return 0;
  return advance ? g_AnimePlayer.Step() : g_AnimePlayer.CurrentCell();
}

int32_t SampleCell(int32_t startCell, int motion, int32_t flyingShift, int32_t frameCell) {
  return startCell + (IsFlyingMotion(motion) ? flyingShift : 0) + frameCell;
}

cAnimeData& PrepareMotion(cAnimeSetData& set, int motion) {
  const cAnimeData& first = set.m_vMotion.At(kMotionStand);
  cAnimeData& edited = set.m_vMotion.At(motion);
  edited.m_cGraphicSheet = first.m_cGraphicSheet;
  edited.m_nGraphic = first.m_nGraphic;
  edited.m_nStartCell = first.m_nStartCell;
  return edited;
}

cAnimePatternCore::cAnimePatternCore(cAnimeData& target, int motion) : m_Target(target), m_nMotion(motion) {
  if (m_Target.m_vFrame.empty()) m_Target.m_vFrame.resize(1);
  m_vWork = m_Target.m_vFrame;
  m_Edit = m_vWork[0];
}

cListParam<cAnimeFrameData> cAnimePatternCore::ListParam() {
  cListParam<cAnimeFrameData> param;
  param.Set(kListAnimeFrames.m_wListId, nullptr, &m_vWork, &m_Edit, AnimeFrameRowLabel, kListAnimeFrames.m_Shape);
  return param;
}

void cAnimePatternCore::StoreControls(int64_t cell, int64_t time, int32_t runCommand) {
  StoreClamped(m_Edit, kAnimeFrameFields[0], cell);
  StoreClamped(m_Edit, kAnimeFrameFields[1], time);
  m_Edit.m_bRunCommand = runCommand ? 1 : 0;
  m_pList->StoreEdited();
}

int32_t cAnimePatternCore::PreviewCell(int32_t cellShown, int32_t flyingShift) const {
  return SampleCell(m_Target.m_nStartCell, m_nMotion, flyingShift, cellShown);
}

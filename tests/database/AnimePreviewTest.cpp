#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/cAnimePlayer.h"
#include "database/cDbPages.h"
#include "tests/database/PageLists.h"

namespace {

cAnimeData Anime(std::initializer_list<std::pair<int32_t, int32_t>> frames) {
  cAnimeData anime;
  anime.m_vFrame.clear();
  for (auto [cell, time] : frames) {
    cAnimeFrameData frame;
    frame.m_nCell = cell;
    frame.m_nTime = time;
    anime.m_vFrame.push_back(frame);
  }
  return anime;
}

std::vector<std::pair<int32_t, int32_t>> Entries(const cAnimeSchedule& schedule) {
  std::vector<std::pair<int32_t, int32_t>> entries;
  for (const cAnimeScheduleEntry& entry : schedule) entries.emplace_back(entry.m_nCell, entry.m_nTime);
  return entries;
}

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

}  // namespace

TEST(AnimePreview, ScheduleHasAnEntryPerFrameInTicksAndRestarts) {
  struct cRow {
    const char* m_pWhat;
    cAnimeData m_Anime;
    Pairs m_Entries;
  };
  std::vector<cRow> rows = {
      {"two frames", Anime({{3, 5}, {7, 1}}), {{3, 30}, {7, 6}, {-2, 0}}},
      {"no frames: one default frame", Anime({}), {{0, 6}, {-2, 0}}},
      {"a negative cell is no code", Anime({{-1, 2}, {-3, 1}}), {{0, 12}, {0, 6}, {-2, 0}}},
      {"times stay in range", Anime({{1, INT32_MAX}, {2, -4}}), {{1, INT32_MAX}, {2, 0}, {-2, 0}}},
  };
  for (const cRow& row : rows) EXPECT_EQ(Entries(BuildPreviewSchedule(row.m_Anime)), row.m_Entries) << row.m_pWhat;
}

TEST(AnimePreview, AFrameOfDisplayTime5Stays30Ticks) {
  StartPreview(Anime({{3, 5}, {7, 1}}));
  EXPECT_EQ(PreviewFrameCell(0), 3);
  std::vector<int32_t> cells;
  for (int tick = 0; tick < 29 + 6 + 30 + 6; ++tick) cells.push_back(PreviewFrameCell(1));
  // Shown before the first step and by steps 1 to 29; steps 30 to 35 show the second frame, steps
  // 36 to 65 the first again (30 ticks), then the second.
  std::vector<int32_t> expected(29, 3);
  expected.insert(expected.end(), 6, 7);
  expected.insert(expected.end(), 30, 3);
  expected.insert(expected.end(), 6, 7);
  EXPECT_EQ(cells, expected);
  StartPreview(Anime({}));
  for (int tick = 0; tick < 20; ++tick) EXPECT_EQ(PreviewFrameCell(1), 0) << "an anime without frames shows its start";
  g_AnimePlayer.SetPatterns({});
  EXPECT_EQ(PreviewFrameCell(1), 0) << "no schedule adds nothing";
}

TEST(AnimePreview, SampleCellAddsTheFlyingShiftForFlyingMotions) {
  struct cRow {
    int m_nMotion;
    int32_t m_nCell;
  };
  for (cRow row : {cRow{kMotionStand, 4 + 2}, cRow{kMotionStandMove, 6}, cRow{kMotionFly, 4 + 12 + 2},
                   cRow{kMotionFlyMove, 4 + 12 + 2}, cRow{-1, 6}})
    EXPECT_EQ(SampleCell(4, row.m_nMotion, 12, 2), row.m_nCell) << row.m_nMotion;
}

TEST(AnimePreview, EditingAMotionTakesTheGraphicOfMotion0) {
  cVector<cAnimeSetData> table(2);
  table[1].m_vMotion[0].m_cGraphicSheet = 4;
  table[1].m_vMotion[0].m_nGraphic = 2;
  table[1].m_vMotion[0].m_nStartCell = 40;
  table[1].m_vMotion[2].m_vFrame = Anime({{1, 2}, {3, 4}}).m_vFrame;
  cDbPageAnimeSetCore page(table);
  cAnimeSetLists lists(page);
  page.OnShown();
  lists.Select(page, {1});
  page.Motions().SetCurSel(2, 0);
  cAnimeData* motion = page.MotionToEdit();
  ASSERT_EQ(motion, &page.m_Edit.m_vMotion[2]);
  EXPECT_EQ(motion->m_cGraphicSheet, 4);
  EXPECT_EQ(motion->m_nGraphic, 2);
  EXPECT_EQ(motion->m_nStartCell, 40);
  EXPECT_EQ(motion->m_vFrame.size(), 2u) << "the frames are the motion's own";
  page.RestartSample();
  EXPECT_EQ(PreviewFrameCell(0), 1);
  EXPECT_EQ(lists.m_Motions.m_View.m_vRows, (std::vector<std::string>{"立ち ×1", "立ち移動 ×1", "飛行 ×2", "飛行移動 ×1"}))
      << "the motion list shows the motions of the set selected";
  page.Motions().SetCurSel(4, 0);
  EXPECT_EQ(page.MotionToEdit(), nullptr) << "no motion row selected";
  EXPECT_EQ(page.MotionRow(), kMotionStand);
  EXPECT_EQ(page.Motions().New(), 0) << "always four motions";
  page.Motions().SetCurSel(1, 0);
  EXPECT_EQ(page.Motions().Delete(-1, 0), 0);
  EXPECT_EQ(lists.m_Motions.m_View.m_nBeeps, 2);
}

TEST(AnimePattern, WorkingCopyOkCancelAndTheRunCommandBox) {
  cAnimeData empty = Anime({});
  {
    cAnimePatternCore cancelled(empty, -1);
  }
  ASSERT_EQ(empty.m_vFrame.size(), 1u) << "an anime without frames gets one, also on Cancel";
  EXPECT_EQ(empty.m_vFrame[0].m_nTime, 1);

  cAnimeData anime = Anime({{3, 5}});
  anime.m_nStartCell = 10;
  cAnimePatternCore dialog(anime, -1);
  cFakeList<cAnimeFrameData> frames(dialog.ListParam());
  dialog.BindList(frames.m_List);
  EXPECT_EQ(dialog.RunCommandEnabled(), 1) << "opened from the anime page";
  dialog.StoreControls(300, 0, 1);
  EXPECT_EQ(frames.m_View.m_vRows[0], "実行 299-1") << "cells end at 299, times start at 1";
  EXPECT_EQ(anime.m_vFrame[0].m_nCell, 3) << "the target waits for OK";
  ASSERT_EQ(dialog.Insert(), 1);
  EXPECT_EQ(dialog.m_vWork.size(), 2u);
  EXPECT_EQ(dialog.PreviewCell(7, 12), 17) << "the anime page adds no flying shift";
  dialog.Ok();
  ASSERT_EQ(anime.m_vFrame.size(), 2u);
  EXPECT_EQ(anime.m_vFrame[1].m_nCell, 299);

  cAnimeData motion = Anime({{1, 1}});
  cAnimePatternCore fromSet(motion, kMotionFly);
  cFakeList<cAnimeFrameData> motionFrames(fromSet.ListParam());
  fromSet.BindList(motionFrames.m_List);
  EXPECT_EQ(fromSet.RunCommandEnabled(), 0) << "a motion's frames run no command";
  EXPECT_EQ(fromSet.PreviewCell(7, 12), 19);
  EXPECT_EQ(fromSet.Delete(), 0) << "never below one frame";
  fromSet.m_vWork.resize(kListAnimeFrames.m_Shape.m_nMaxCount);
  EXPECT_EQ(fromSet.Insert(), 0) << "never above 99 frames";
  EXPECT_EQ(motionFrames.m_View.m_nBeeps, 2);
}

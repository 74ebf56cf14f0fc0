#include <gtest/gtest.h>

#include <memory>

#include "project/cWorldMapEditState.h"
#include "tests/support/TestSupport.h"

namespace {

class WorldMapEditState : public ::testing::Test {
protected:
  // The brush makes the state large: keep it off the stack.
  std::unique_ptr<cWorldMapEditState> m_pState = std::make_unique<cWorldMapEditState>();
  cWorldMapEditState& State() { return *m_pState; }
  cWorldMapDoc m_Doc;
  cFakeShell m_Shell;

  // One change of the document: a chip and a placed event marked with the step number.
  void Change(int step) {
    State().Checkpoint(m_Doc.m_vMap, m_Doc.m_vEvent);
    m_Doc.ChipAt(0, 0) = step;
    cWorldEvent event;
    event.m_strName = std::to_string(step);
    m_Doc.PlaceEvent(event, step, 0);
  }
  int Chip() { return m_Doc.ChipAt(0, 0); }
};

}  // namespace

TEST_F(WorldMapEditState, ThreeStepsOfUndo) {
  for (int step = 1; step <= 4; ++step) Change(step);
  EXPECT_EQ(State().m_lUndoMap.size(), 3u);
  EXPECT_EQ(State().m_lUndoEvent.size(), 3u);
  const int expected[] = {3, 2, 1, 1};
  for (int chip : expected) {
    State().Undo(m_Doc.m_vMap, m_Doc.m_vEvent);
    EXPECT_EQ(Chip(), chip);
    EXPECT_EQ(m_Doc.m_vEvent.size(), static_cast<size_t>(chip));
  }
  EXPECT_EQ(State().m_lUndoMap.size(), 0u) << "the fourth undo finds nothing";
  EXPECT_EQ(State().m_lRedoMap.size(), 3u);
  for (int chip : {2, 3, 4}) {
    State().Redo(m_Doc.m_vMap, m_Doc.m_vEvent);
    EXPECT_EQ(Chip(), chip);
  }
  EXPECT_EQ(m_Doc.m_vEvent.back().m_strName, "4");
}

TEST_F(WorldMapEditState, CheckpointAfterUndoEmptiesRedo) {
  Change(1);
  Change(2);
  State().Undo(m_Doc.m_vMap, m_Doc.m_vEvent);
  ASSERT_EQ(State().m_lRedoMap.size(), 1u);
  Change(5);
  EXPECT_EQ(State().m_lRedoMap.size(), 0u);
  EXPECT_EQ(State().m_lRedoEvent.size(), 0u);
  State().Redo(m_Doc.m_vMap, m_Doc.m_vEvent);
  EXPECT_EQ(Chip(), 5);
}

TEST_F(WorldMapEditState, SnapshotsNeedFreeMemory) {
  cWorldEvent twoPages;
  twoPages.m_vPage.resize(2);
  m_Doc.PlaceEvent(twoPages, 1, 1);
  uint64_t size = cWorldMapEditState::SnapshotSize(m_Doc.m_vMap, m_Doc.m_vEvent);
  EXPECT_EQ(size, 4u * 480 + 76 + 16 * 2);
  Change(1);
  Change(2);
  // A snapshot as large as the free memory is refused and empties the whole history.
  m_Shell.m_nFreeMemory = cWorldMapEditState::SnapshotSize(m_Doc.m_vMap, m_Doc.m_vEvent);
  EXPECT_EQ(State().PushSnapshot(State().m_lUndoMap, State().m_lUndoEvent, m_Doc.m_vMap, m_Doc.m_vEvent), 0);
  EXPECT_EQ(State().m_lUndoMap.size(), 0u);
  m_Shell.m_nFreeMemory += 1;
  Change(3);
  EXPECT_EQ(State().m_lUndoMap.size(), 1u);
  // An undo whose redo snapshot is refused ends with no history and the document unchanged.
  m_Shell.m_nFreeMemory = 100;
  State().Undo(m_Doc.m_vMap, m_Doc.m_vEvent);
  EXPECT_EQ(Chip(), 3);
  EXPECT_EQ(State().m_lUndoMap.size() + State().m_lRedoMap.size() + State().m_lUndoEvent.size() +
                State().m_lRedoEvent.size(),
            0u);
}

TEST_F(WorldMapEditState, ModesKeepTheirOwnToolState) {
  State().Reset(m_Doc);
  State().m_nSelect = 4;
  State().m_nBrushW = 3;
  State().m_nBrushH = 2;
  State().m_nCaptureState = 1;
  State().SetMode(1);
  EXPECT_EQ(State().m_nMode, 1);
  EXPECT_EQ(State().m_nSelect, 0);
  EXPECT_EQ(State().m_nBrushW, 1);
  State().m_nSelect = 0;
  State().m_nPaletteRow = 0;
  State().SetMode(7);
  EXPECT_EQ(State().m_nMode, 1) << "only modes 0 and 1 exist";
  State().ToggleMode();
  EXPECT_EQ(State().m_nMode, 0);
  EXPECT_EQ(State().m_nSelect, 4);
  EXPECT_EQ(State().m_nBrushW, 3);
  EXPECT_EQ(State().m_nBrushH, 2);
  EXPECT_EQ(State().m_nCaptureState, 1);
  State().SetTool(0);
  EXPECT_EQ(State().m_nCaptureState, 0);
}

TEST_F(WorldMapEditState, ResetStartsEveryOpening) {
  m_Doc.m_vTemplate[0].m_strName = "tmpl";
  State().m_anBrush[2][3] = 7;
  State().m_ClipEvent.m_strName = "clip";
  State().m_bClipboard = 1;
  State().m_nMode = 1;
  State().m_nBrushW = 5;
  Change(1);
  State().Reset(m_Doc);
  EXPECT_EQ(State().m_nMode, 0);
  EXPECT_EQ(State().m_nBrushW, 1);
  EXPECT_EQ(State().m_nAnchorX, -1);
  EXPECT_EQ(State().m_bClipboard, 0);
  EXPECT_EQ(State().m_anBrush[2][3], 7) << "the brush survives";
  EXPECT_EQ(State().m_ClipEvent.m_strName, "clip") << "the clipboard event survives";
  EXPECT_EQ(State().m_lUndoMap.size(), 0u);
  EXPECT_EQ(State().m_CurEvent.m_strName, "tmpl");
  State().SetMode(1);
  EXPECT_EQ(State().m_nSelect, 0);
  EXPECT_EQ(State().m_nPaletteRow, 0);
  EXPECT_EQ(State().m_nBrushW, 1);
  // Without templates mode 1 starts with nothing selected and the current event kept.
  m_Doc.m_vTemplate.clear();
  State().Reset(m_Doc);
  State().SetMode(1);
  EXPECT_EQ(State().m_nSelect, -1);
  EXPECT_EQ(State().m_nPaletteRow, -1);
  EXPECT_EQ(State().m_nBrushW, 0);
  EXPECT_EQ(State().m_nBrushH, 0);
  EXPECT_EQ(State().m_CurEvent.m_strName, "tmpl");
}

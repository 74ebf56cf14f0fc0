#include <gtest/gtest.h>

#include "project/StageOptions.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "tests/support/TestSupport.h"

namespace {
const char* const kNoRoomText = "メモリ不足により、「元に戻せる回数」が変更できませんでした！";
}  // namespace

TEST(StageOptionsTest, TheUndoDepthTakesEffectAtOnceWhenMemoryAllows) {
  cStageDoc stage;
  stage.SetSize(40, 30, 0, 0);
  uint64_t step = cStageEditState::EstimateSnapshotBytes(stage.m_nPitch, stage.m_nHeight);
  struct cCase {
    const char* m_pWhat;
    int32_t m_nOld, m_nNew;
    uint64_t m_nFree;
    int32_t m_nDepth;   // the stage's depth afterwards
    int m_nReopened;    // the undo steps were opened anew (the history is gone)
    int32_t m_nLevels;  // the steps the editor keeps afterwards
    bool m_bBox;
  } cases[] = {
      {"lower: no memory test", 5, 2, 0, 2, 1, 0, false},
      {"lower with memory", 5, 2, 1ull << 32, 2, 1, 2, false},
      {"higher with room for an undo and a redo step each", 1, 5, 8 * step + step + 10 * step, 5, 1, 5, false},
      {"higher, one byte short", 1, 5, 8 * step - 1, 1, 0, 1, true},
      {"unchanged", 3, 3, 0, 3, 0, 3, false},
      {"from none to one", 0, 1, 2 * step, 1, 1, 0, false},
  };
  for (const cCase& c : cases) {
    cFakeShell shell;
    cStageEditState state;
    shell.m_nFreeMemory = 1ull << 32;
    state.AllocateUndo(c.m_nOld, stage.m_nPitch, stage.m_nHeight);
    if (c.m_nOld > 0) state.PushUndo(kLayerFlagBlock, stage);
    shell.m_nFreeMemory = c.m_nFree;
    stage.m_nUndoDepth = c.m_nNew;  // as the dialog's controls stored it
    EXPECT_EQ(CommitUndoDepth(stage, state, c.m_nOld), c.m_nReopened) << c.m_pWhat;
    EXPECT_EQ(stage.m_nUndoDepth, c.m_nDepth) << c.m_pWhat;
    EXPECT_EQ(state.m_bStageModified, 1) << c.m_pWhat;
    EXPECT_EQ(state.UndoLevels(), c.m_nLevels) << c.m_pWhat;
    if (c.m_nOld > 0) {
      EXPECT_EQ(state.UndoCount(), c.m_nReopened ? 0 : 1) << c.m_pWhat;
    }
    ASSERT_EQ(shell.m_vBoxes.size(), c.m_bBox ? 1u : 0u) << c.m_pWhat;
    if (c.m_bBox) {
      EXPECT_EQ(shell.m_vBoxes[0].m_strText, kNoRoomText);
      EXPECT_EQ(shell.m_vBoxes[0].m_strCaption, "エラー");
    }
  }
}

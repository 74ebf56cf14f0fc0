#include "project/StageOptions.h"

#include "app/MessageBox.h"
#include "app/cShellSeam.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

int CommitUndoDepth(cStageDoc& stage, cStageEditState& state, int32_t oldDepth) {
  state.m_bStageModified = 1;
  int32_t depth = stage.m_nUndoDepth;
  if (depth == oldDepth) return 0;
  if (depth > oldDepth) {
    uint64_t step = cStageEditState::EstimateSnapshotBytes(stage.m_nPitch, stage.m_nHeight);
    if (FreePhysicalMemory() < 2 * static_cast<uint64_t>(depth - oldDepth) * step) {
      stage.m_nUndoDepth = oldDepth;
      ErrorBoxF("メモリ不足により、「元に戻せる回数」が変更できませんでした！");
      return 0;
    }
  }
  state.AllocateUndo(depth, stage.m_nPitch, stage.m_nHeight);
  return 1;
}

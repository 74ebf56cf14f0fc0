#pragma once
// The stage options and edit options dialogs apart from any window: their ids, and what OK of the
// stage options does with the undo depth the user chose.

#include <cstdint>

class cStageDoc;
class cStageEditState;

enum : uint16_t {
  kIddEditOptions = 194,
  kIddStageOptions = 195,
  kIdcUndoDepth = 1036,
  kIdcUndoDepthSpin = 1037,
  kIdcWheelAxis = 1288,
};
constexpr int32_t kMaxUndoDepth = 9;

// After the stage options' controls were stored: the stage counts as modified whatever changed. A
// lower depth opens its undo steps at once; a higher one only when free memory holds an undo and a
// redo step for each added one, else the old depth comes back and the user is told. 1 when the
// undo steps were opened anew.
int CommitUndoDepth(cStageDoc& stage, cStageEditState& state, int32_t oldDepth);

#pragma once
// The data move dialog's rules: moving, copying or deleting a run of consecutive entries of one
// palette list, and what the dialog's OK does after it (the selection kept inside the list, the
// followers of the list resolved again, the clipboard emptied, the palette marked modified).
//
// References are never renumbered: whatever follows entry k follows the entry that has the number
// k after the move, and a number past the end of the list falls back to none.

#include <cstdint>

#include "app/cString.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

// Template 138 "データの移動": the first and last entry of the run, the destination, the operation.
enum : int {
  kDataMoveTemplate = 138,
  kIdcMoveFirst = 1038,
  kIdcMoveFirstSpin = 1039,
  kIdcMoveLast = 1004,
  kIdcMoveLastSpin = 1012,
  kIdcMoveDest = 1005,
  kIdcMoveDestSpin = 1013,
  kIdcMoveOperation = 1040,
};
// The operations, as the combo's rows.
enum : int32_t { kMoveRun = 0, kCopyRun = 1, kDeleteRun = 2 };

class cDataMove {
public:
  // The list of a palette (0 common, 1 stage) and kind; the ranges follow its size now.
  cDataMove(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, int stagePalette, int kind);

  // The edits' ranges: the run within 1 .. count - 1, the destination within 1 .. count.
  int32_t RunMaximum() const { return m_nCount - 1; }
  int32_t DestMaximum() const { return m_nCount; }
  // The destination edit while the combo shows a row: enabled for a move or a copy (1), disabled
  // for a delete (0); -1 without a selection, when it stays as it is.
  static int DestEnabled(int row);

  // The move alone, on the list.
  void MoveEntries();
  // OK: the move, then the selection, the followers, the clipboard and the modified flag.
  void Apply();

  int32_t m_bStagePalette;
  int32_t m_nKind;
  int32_t m_nCount;
  int32_t m_nFirst = 1;
  int32_t m_nLast = 1;
  int32_t m_nDest = 1;
  int32_t m_nOperation = kMoveRun;
  cVector<cString> m_vOperationNames;

private:
  cStageDoc& m_Stage;
  cPaletteDoc& m_Common;
  cStageEditState& m_State;
};

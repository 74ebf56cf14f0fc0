#include "stage/cDataMove.h"

#include <algorithm>

#include "stage/PaletteAccess.h"

namespace {

// The run and destination as the dialog's edits keep them: entry 0 is never part of a move.
template <class T>
void MoveRun(cVector<T>& list, int first, int last, int dest, int operation) {
  int size = list.Count();
  if (size < 2) return;
  first = std::clamp(first, 1, size - 1);
  last = std::clamp(last, 1, size - 1);
  dest = std::clamp(dest, 1, size);
  if (last < first) return;
  auto at = [&](int i) { return list.begin() + i; };
  switch (operation) {
    case kMoveRun:
      // A destination from first to last + 1 leaves the run where it stands.
      if (dest < first) std::rotate(at(dest), at(first), at(last + 1));
      else if (dest > last + 1) std::rotate(at(first), at(last + 1), at(dest));
      break;
    case kCopyRun: {
      cVector<T> run(at(first), at(last + 1));
      list.insert(at(dest), run.begin(), run.end());
      break;
    }
    case kDeleteRun:
      list.erase(at(first), at(last + 1));
      break;
  }
}

}  // namespace

cDataMove::cDataMove(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, int stagePalette, int kind)
    : m_bStagePalette(stagePalette ? 1 : 0),
      m_nKind(kind),
      m_nCount(PaletteListSize(common, stage, stagePalette, kind)),
      m_vOperationNames{"移動", "コピー＆挿入", "削除"},
      m_Stage(stage),
      m_Common(common),
      m_State(state) {}

int cDataMove::DestEnabled(int row) {
  if (row < 0) return -1;
  return row == kDeleteRun ? 0 : 1;
}

void cDataMove::MoveEntries() {
  VisitPaletteList(m_Common, m_Stage, m_bStagePalette, m_nKind,
                   [&](auto& list) { MoveRun(list, m_nFirst, m_nLast, m_nDest, m_nOperation); });
}

void cDataMove::Apply() {
  MoveEntries();
  // Only a selection in this list follows it; one in the other palette, or none, stays as it is.
  int size = PaletteListSize(m_Common, m_Stage, m_bStagePalette, m_nKind);
  if (m_State.m_nSelPalette == m_bStagePalette && m_State.m_nSelIndex != -1 && m_State.m_nSelIndex >= size)
    m_State.m_nSelIndex = size - 1;
  if (m_bStagePalette) RefreshFromStage(m_Stage, m_nKind);
  else RefreshFromCommon(m_Stage, m_nKind);
  m_State.ClearClipboard();
  if (m_bStagePalette) m_State.m_bStageModified = 1;
  else m_State.m_bCommonModified = 1;
}

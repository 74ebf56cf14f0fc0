#include "stage/cStageEditState.h"

#include <vector>

#include "app/MessageBox.h"
#include "app/cApplication.h"
#include "app/cShellSeam.h"
#include "stage/cStageDoc.h"

cStageEditState::cStageEditState() { Reset(); }

void cStageEditState::Reset() {
  m_bStageOpen = m_bStageModified = m_bCommonModified = 0;
  m_nLayer = m_nPrevLayer = m_nTool = m_nMode = m_nRightClickMode = 0;
  m_nSelPalette = m_nSelIndex = m_bDragging = 0;
  m_nBrushWidth = m_nBrushHeight = 1;
  m_nSelAnchorX = m_nSelAnchorY = -1;
  m_pEditBlock = nullptr;
  m_pEditChara = nullptr;
  m_pEditItem = nullptr;
  ClearClipboard();
  m_vBrushBlock.Reset(1);
  m_vBrushChara.Reset(1);
  m_vBrushItem.Reset(1);
  m_strStagePath = "";
}

void cStageEditState::ResetKeepingStage() {
  cString path = m_strStagePath;
  int32_t open = m_bStageOpen, stageModified = m_bStageModified, commonModified = m_bCommonModified;
  Reset();
  m_strStagePath = path;
  m_bStageOpen = open;
  m_bStageModified = stageModified;
  m_bCommonModified = commonModified;
}

void cStageEditState::SetTool(int tool) {
  static const int32_t kModeOfTool[] = {0, 1, 2, 3, 3};
  m_nTool = tool;
  if (tool >= 0 && tool < 5) m_nMode = kModeOfTool[tool];
}

void cStageEditState::SetRightClickMode(int mode) {
  m_nRightClickMode = mode;
  ClearClipboard();
}

void cStageEditState::ClearClipboard() {
  m_bClipValid = 0;
  m_bClipCut = 0;
  m_spClipBlock.reset();
  m_spClipChara.reset();
  m_spClipItem.reset();
}

namespace {

template <class T>
int SetClip(boost::shared_ptr<T>& held, const T& record) {
  // A new record each time: later edits of the palette never reach the clipboard.
  held.reset(new T);
  *held = record;
  return 1;
}

template <class T>
int GetClip(const boost::shared_ptr<T>& held, T& record) {
  if (!held) return 0;
  record = *held;
  return 1;
}

}  // namespace

int cStageEditState::ClipboardSet(const cEdBlock& record) { return SetClip(m_spClipBlock, record); }
int cStageEditState::ClipboardSet(const cEdChara& record) { return SetClip(m_spClipChara, record); }
int cStageEditState::ClipboardSet(const cEdItem& record) { return SetClip(m_spClipItem, record); }
int cStageEditState::ClipboardGet(cEdBlock& record) const { return GetClip(m_spClipBlock, record); }
int cStageEditState::ClipboardGet(cEdChara& record) const { return GetClip(m_spClipChara, record); }
int cStageEditState::ClipboardGet(cEdItem& record) const { return GetClip(m_spClipItem, record); }

void cStageEditState::SetLayer(int layer) {
  m_nPrevLayer = layer;
  SwitchLayer(layer);
}

void cStageEditState::SwitchLayerKeepPrevious(int layer) {
  m_nPrevLayer = m_nLayer;
  SwitchLayer(layer);
}

void cStageEditState::CycleLayer() { SetLayer((m_nLayer + 1) % 3); }

void cStageEditState::SwitchLayer(int layer) {
  if (layer >= 0 && layer < 3) {
    // Each layer keeps its own selected entry and brush size.
    if (m_nLayer != layer && m_nLayer >= 0 && m_nLayer < 3) {
      m_aLayerBrush[m_nLayer] = {m_nSelIndex, m_nBrushWidth, m_nBrushHeight};
      m_nSelIndex = m_aLayerBrush[layer].m_nSelIndex;
      m_nBrushWidth = m_aLayerBrush[layer].m_nBrushWidth;
      m_nBrushHeight = m_aLayerBrush[layer].m_nBrushHeight;
    }
    m_nLayer = layer;
    if (m_pView) m_pView->ShowLayer(layer);
    SetTool(m_nTool);
    if (m_pView) m_pView->SyncToolButtons(m_nTool);
  }
  ClearClipboard();
}

void cStageEditState::Push(int flags, cVector<cLayerSnapshot>& stack, cStageDoc& stage) {
  // No snapshot is taken while a test play runs.
  if (m_nUndoLevels <= 0 || g_bTestPlayRunning) return;
  cLayerSnapshot step;
  step.m_nFlags = flags;
  // Copies share every chunk with the stage until one of them is written.
  if (flags & kLayerFlagBlock) step.m_Block = stage.m_vBlockLayer;
  if (flags & kLayerFlagChara) step.m_Chara = stage.m_vCharaLayer;
  if (flags & kLayerFlagItem) step.m_Item = stage.m_vItemLayer;
  stack.insert(stack.begin(), std::move(step));
  if (stack.Count() > m_nUndoLevels) stack.pop_back();
}

void cStageEditState::PushUndo(int flags, cStageDoc& stage) {
  Push(flags, m_vUndo, stage);
  m_vRedo.clear();
}

void cStageEditState::Undo(cStageDoc& stage) { Restore(m_vUndo, m_vRedo, stage); }

void cStageEditState::Redo(cStageDoc& stage) { Restore(m_vRedo, m_vUndo, stage); }

void cStageEditState::Restore(cVector<cLayerSnapshot>& from, cVector<cLayerSnapshot>& to, cStageDoc& stage) {
  if (m_nUndoLevels <= 0 || from.empty()) return;
  cLayerSnapshot step = std::move(from.front());
  from.erase(from.begin());
  int flags = step.m_nFlags;
  int cells = stage.m_vBlockLayer.Count();
  // A step taken before the stage changed its size no longer fits it.
  if (((flags & kLayerFlagBlock) && step.m_Block.Count() != cells) ||
      ((flags & kLayerFlagChara) && step.m_Chara.Count() != cells) ||
      ((flags & kLayerFlagItem) && step.m_Item.Count() != cells)) {
    m_vUndo.clear();
    m_vRedo.clear();
    return;
  }
  Push(flags, to, stage);
  if (flags & kLayerFlagBlock) stage.m_vBlockLayer = std::move(step.m_Block);
  if (flags & kLayerFlagChara) stage.m_vCharaLayer = std::move(step.m_Chara);
  if (flags & kLayerFlagItem) stage.m_vItemLayer = std::move(step.m_Item);
  // Restored objects follow the palettes as they are now.
  stage.ResolveLayers(flags);
}

void cStageEditState::ReleaseUndo() {
  m_vUndo.Release();
  m_vRedo.Release();
  m_nUndoLevels = 0;
}

void cStageEditState::DropUndoHistory() {
  m_vUndo.clear();
  m_vRedo.clear();
}

uint64_t cStageEditState::EstimateSnapshotBytes(int pitch, int height) {
  uint64_t p = 1;
  while (p < static_cast<uint64_t>(pitch > 0 ? pitch : 1)) p <<= 1;
  return static_cast<uint64_t>(height > 0 ? height : 0) * p * kSnapshotBytesPerCell;
}

uint64_t cStageEditState::HistoryBytes(const cStageDoc& stage) const {
  std::vector<const cStageLayer<cEdBlock>*> blocks;
  std::vector<const cStageLayer<cEdChara>*> charas;
  std::vector<const cStageLayer<cEdItem>*> items;
  for (const cVector<cLayerSnapshot>* stack : {&m_vUndo, &m_vRedo})
    for (const cLayerSnapshot& step : *stack) {
      blocks.push_back(&step.m_Block);
      charas.push_back(&step.m_Chara);
      items.push_back(&step.m_Item);
    }
  constexpr uint64_t kCells = cStageLayer<cEdBlock>::kChunkCells;
  return kCells * (kBlockCellBytes * stage.m_vBlockLayer.ChunksOnlyIn(blocks) +
                   kCharaCellBytes * stage.m_vCharaLayer.ChunksOnlyIn(charas) +
                   kItemCellBytes * stage.m_vItemLayer.ChunksOnlyIn(items));
}

void cStageEditState::AllocateUndo(int depth, int pitch, int height) {
  ReleaseUndo();
  if (depth <= 0) return;
  uint64_t one = EstimateSnapshotBytes(pitch, height);
  uint64_t free = FreePhysicalMemory();
  uint64_t levels = static_cast<uint64_t>(depth);
  // Room for the stage and an undo and a redo copy per step; the stage keeps the depth it asked for.
  if (free < one + 2 * one * levels) {
    levels = free < one ? 0 : (free - one) / (2 * one);
    DebugBoxF("元に戻せる回数を %d回 に強制変更！", static_cast<int>(levels));
  }
  m_nUndoLevels = static_cast<int32_t>(levels);
}

#pragma once
// The working state of the stage editor: the open stage file and its modified flags, the current
// layer, tool and brush, the selection, the palette clipboard, the records that data sheets edit,
// and the undo and redo stacks of the stage's layers.
//
// A snapshot on the stacks is a copy of the changed layers that shares its chunks with the stage
// (cStageLayer): taking one costs a few pointers, and memory grows only with the chunks the edits
// after it change. The number of steps is the stage's undo depth, lowered for this session when
// the free memory could not hold that many full copies.

#include <cstdint>

#include <boost/shared_ptr.hpp>

#include "app/cString.h"
#include "app/cVector.h"
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "stage/cStageLayer.h"

class cStageDoc;
class cBlockDataSheet;
class cCharaDataSheet;
class cItemDataSheet;

// Layers named by the flags of a snapshot.
enum { kLayerFlagBlock = 1, kLayerFlagChara = 2, kLayerFlagItem = 4, kLayerFlagAll = 7 };
// The estimated bytes of one cell of each layer with what its record owns, and of all three.
constexpr uint64_t kBlockCellBytes = 459;
constexpr uint64_t kCharaCellBytes = 1413;
constexpr uint64_t kItemCellBytes = 453;
constexpr uint64_t kSnapshotBytesPerCell = kBlockCellBytes + kCharaCellBytes + kItemCellBytes;

// What the edit state and the other editors ask of the stage editor: what a layer switch shows on
// it and its palette windows, and the undo step before another window edits the stage's layers.
class cStageEditView {
public:
  virtual ~cStageEditView() = default;
  // The layer's menu check, toolbar buttons and palette windows.
  virtual void ShowLayer(int layer) = 0;
  // The tool buttons of the layer's stage and common palette windows.
  virtual void SyncToolButtons(int tool) = 0;
  // The stage editor's own push of the flagged layers: its undo and redo buttons follow, and memory
  // running out costs the history, not the edit that follows.
  virtual void PushUndo(int flags) = 0;
};

// The brush of a layer while another layer is current.
struct cLayerBrushState {
  int32_t m_nSelIndex = 0;
  int32_t m_nBrushWidth = 1;
  int32_t m_nBrushHeight = 1;
};

// One step of undo or redo: the layers its flags name, as they were.
struct cLayerSnapshot {
  int32_t m_nFlags = 0;
  cStageLayer<cEdBlock> m_Block;
  cStageLayer<cEdChara> m_Chara;
  cStageLayer<cEdItem> m_Item;
};

class cStageEditState {
public:
  cStageEditState();

  void Reset();
  // The rebuild of the editor window: everything as Reset leaves it but the open stage's path and
  // its open and modified flags, which belong to the stage, not to the window.
  void ResetKeepingStage();
  void SetTool(int tool);
  void SetRightClickMode(int mode);
  void ClearClipboard();
  // The palette clipboard's record: ClipboardSet keeps a copy of its own (1); ClipboardGet gives a
  // new copy of the held record of that kind, 0 and the record unchanged when none is held.
  int ClipboardSet(const cEdBlock& record);
  int ClipboardSet(const cEdChara& record);
  int ClipboardSet(const cEdItem& record);
  int ClipboardGet(cEdBlock& record) const;
  int ClipboardGet(cEdChara& record) const;
  int ClipboardGet(cEdItem& record) const;
  void SetLayer(int layer);
  void SwitchLayerKeepPrevious(int layer);
  void CycleLayer();

  // Snapshots. PushUndo keeps the flagged layers of the stage before an edit and empties redo;
  // Undo and Redo swap the stage's layers with the newest step of their stack.
  void PushUndo(int flags, cStageDoc& stage);
  void Undo(cStageDoc& stage);
  void Redo(cStageDoc& stage);
  void ReleaseUndo();
  // Forgets every step but keeps the depth: an edit that ran out of memory goes on without them.
  void DropUndoHistory();
  // Opens depth steps for a stage of this pitch and height, fewer when free memory is short.
  void AllocateUndo(int depth, int pitch, int height);
  static uint64_t EstimateSnapshotBytes(int pitch, int height);
  // The bytes that the undo and redo steps keep apart from the stage's own layers, by the cell
  // sizes EstimateSnapshotBytes counts: what ReleaseUndo gives back.
  uint64_t HistoryBytes(const cStageDoc& stage) const;
  int UndoCount() const { return m_vUndo.Count(); }
  int RedoCount() const { return m_vRedo.Count(); }
  // The steps this session keeps: 0 after ReleaseUndo or when memory allows none.
  int UndoLevels() const { return m_nUndoLevels; }

  cString m_strStagePath;
  int32_t m_bStageOpen = 0;
  int32_t m_bStageModified = 0;
  int32_t m_bCommonModified = 0;
  // Set while the world map may hold changes not yet saved; its editor clears it when it opens.
  int32_t m_bWorldMapModified = 0;
  int32_t m_nLayer = 0;
  int32_t m_nPrevLayer = 0;
  int32_t m_nTool = 0;
  int32_t m_nMode = 0;
  int32_t m_nRightClickMode = 0;
  cVector<cEdBlock> m_vBrushBlock;
  cVector<cEdChara> m_vBrushChara;
  cVector<cEdItem> m_vBrushItem;
  cEdBlock* m_pEditBlock = nullptr;
  cEdChara* m_pEditChara = nullptr;
  cEdItem* m_pEditItem = nullptr;
  // 0 an object placed in the stage, 1 a stage palette entry, 2 a common palette entry, 3 a project
  // default record.
  int32_t m_nEditContext = 0;
  // The palette index of the edited record (contexts 1 and 2), moved by the sheets' previous and
  // next buttons; in context 0 the cell of the placed record, which a sheet writes through the
  // layer after the undo snapshot, so that the snapshot keeps the old record.
  int32_t m_nEditIndex = 0;
  // The data sheet of each kind opened last; opening one clears the other two.
  cBlockDataSheet* m_pBlockSheet = nullptr;
  cCharaDataSheet* m_pCharaSheet = nullptr;
  cItemDataSheet* m_pItemSheet = nullptr;
  // Copy buffers of the data sheets' lists, kept between openings: the condition lists of all
  // three sheets, the flow page's four lists and the item effect page's commands.
  cVector<cCondData> m_vCondClipboard;
  cVector<cFlowData> m_vFlowClipboard;
  cVector<cCondData> m_vFlowCondClipboard;
  cVector<cKeyCondData> m_vKeyCondClipboard;
  cVector<cCommandData> m_vCommandClipboard;
  cVector<cCommandData> m_vItemCommandClipboard;
  // While the flow page runs alone for an item's "フローの変更" command: that command's flows, its
  // operation (0 "追加", 1 "変更", 2 "削除") and its ID choice.
  cVector<cFlowData>* m_pEditFlows = nullptr;
  int32_t m_nFlowOperation = 0;
  int32_t m_nFlowOperationId = 0;
  boost::shared_ptr<cEdBlock> m_spClipBlock;
  boost::shared_ptr<cEdChara> m_spClipChara;
  boost::shared_ptr<cEdItem> m_spClipItem;
  int32_t m_bClipValid = 0;
  int32_t m_nClipIndex = 0;
  int32_t m_nClipPalette = 0;
  int32_t m_bClipCut = 0;
  int32_t m_nSelPalette = 0;
  int32_t m_nSelIndex = 0;
  int32_t m_nSelAnchorX = -1;
  int32_t m_nSelAnchorY = -1;
  int32_t m_nBrushWidth = 1;
  int32_t m_nBrushHeight = 1;
  int32_t m_bDragging = 0;
  int32_t m_nLineStartX = 0;
  int32_t m_nLineStartY = 0;
  int32_t m_nRectAnchorX = 0;
  int32_t m_nRectAnchorY = 0;
  int32_t m_nRectWidth = 0;
  int32_t m_nRectHeight = 0;
  cLayerBrushState m_aLayerBrush[3];
  // The stage editor window while it exists.
  cStageEditView* m_pView = nullptr;

private:
  void SwitchLayer(int layer);
  // Puts the flagged layers on top of a stack, dropping its oldest step when it is full.
  void Push(int flags, cVector<cLayerSnapshot>& stack, cStageDoc& stage);
  // Gives the stage the newest step of one stack, keeping the layers it replaces on the other.
  void Restore(cVector<cLayerSnapshot>& from, cVector<cLayerSnapshot>& to, cStageDoc& stage);

  cVector<cLayerSnapshot> m_vUndo;  // newest first
  cVector<cLayerSnapshot> m_vRedo;
  int32_t m_nUndoLevels = 0;
};

extern cStageEditState g_StageEditState;

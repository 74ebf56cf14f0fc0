#pragma once
// The world map editor's state: edit mode, brush, the event being placed, the event clipboard,
// the tool state of each mode and an undo history of at most three snapshots of the grid and the
// placed events.

#include <cstdint>

#include "app/cVector.h"
#include "project/cWorldMapDoc.h"

// The tool state a mode keeps while the other mode is current.
struct cWorldMapModeState {
  int32_t m_nTool = 0;
  int32_t m_nCaptureState = 0;
  int32_t m_nSelect = 0;
  int32_t m_nPaletteRow = 0;
  int32_t m_nBrushW = 1;
  int32_t m_nBrushH = 1;
};

class cWorldMapEditState {
public:
  enum : int32_t { kModeChips = 0, kModeEvents = 1 };
  static constexpr int kBrushColumns = cWorldMapDoc::kMaxWidth;
  static constexpr int kBrushRows = cWorldMapDoc::kMaxHeight;
  static constexpr int kUndoSteps = 3;
  // A brush cell that paints nothing: taken from beyond the map's last column or row.
  static constexpr int32_t kNoChip = -1;

  int32_t m_nMode = kModeChips;
  int32_t m_nTool = 0;           // 0, the pen, is the only tool
  int32_t m_nCaptureState = 0;   // 1 while a right-button capture runs
  int32_t m_anBrush[kBrushRows][kBrushColumns] = {};
  cWorldEvent m_CurEvent;        // a copy of the template chosen in the event palette
  cWorldEvent* m_pPopupEvent = nullptr;
  int32_t m_bClipboard = 0;
  cWorldEvent m_ClipEvent;
  int32_t m_nSelect = 0;         // chip index in mode 0, template index in mode 1; -1 none
  int32_t m_nPaletteRow = 0;
  int32_t m_nAnchorX = -1;
  int32_t m_nAnchorY = -1;
  int32_t m_nBrushW = 1;
  int32_t m_nBrushH = 1;
  int32_t m_bCaptureActive = 0;
  cWorldMapModeState m_ModeState[2];
  cList<cVector<int32_t>> m_lUndoMap, m_lRedoMap;
  cList<cVector<cWorldEvent>> m_lUndoEvent, m_lRedoEvent;

  // Every opening of the window starts in mode 0 without history; brush and clipboard event stay.
  void Reset(const cWorldMapDoc& doc);
  // Swaps the tool state of the modes; the window then shows the mode's palette.
  void SetMode(int32_t mode);
  void ToggleMode();
  void SetTool(int32_t tool);

  // Bytes one snapshot of the grid and the placed events is reckoned to take.
  static uint64_t SnapshotSize(const cVector<int32_t>& grid, const cVector<cWorldEvent>& events);
  // Appends a snapshot, dropping the oldest beyond three; with too little free memory the whole
  // history is emptied instead and 0 returned.
  int PushSnapshot(cList<cVector<int32_t>>& mapList, cList<cVector<cWorldEvent>>& eventList,
                   const cVector<int32_t>& grid, const cVector<cWorldEvent>& events);
  // The state before a change: a snapshot for undo, and no redo past it.
  int Checkpoint(const cVector<int32_t>& grid, const cVector<cWorldEvent>& events);
  void Undo(cVector<int32_t>& grid, cVector<cWorldEvent>& events);
  void Redo(cVector<int32_t>& grid, cVector<cWorldEvent>& events);
  void ClearUndo();

private:
  // Moves the newest snapshot of one history into the document, keeping the present in the other.
  void Step(cList<cVector<int32_t>>& fromMap, cList<cVector<cWorldEvent>>& fromEvent,
            cList<cVector<int32_t>>& toMap, cList<cVector<cWorldEvent>>& toEvent, cVector<int32_t>& grid,
            cVector<cWorldEvent>& events);
};

extern cWorldMapEditState g_WorldMapEditState;

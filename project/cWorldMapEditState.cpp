#include "project/cWorldMapEditState.h"

#include <utility>

#include "app/cShellSeam.h"

void cWorldMapEditState::Reset(const cWorldMapDoc& doc) {
  m_pPopupEvent = nullptr;
  m_nMode = kModeChips;
  m_nTool = 0;
  m_nCaptureState = 0;
  m_nSelect = 0;
  m_nPaletteRow = 0;
  m_nBrushW = 1;
  m_nBrushH = 1;
  m_nAnchorX = -1;
  m_nAnchorY = -1;
  m_bCaptureActive = 0;
  m_bClipboard = 0;
  cWorldMapModeState& events = m_ModeState[kModeEvents];
  if (!doc.m_vTemplate.empty()) {
    events.m_nSelect = 0;
    events.m_nPaletteRow = 0;
    events.m_nBrushW = 1;
    events.m_nBrushH = 1;
    m_CurEvent = doc.m_vTemplate.At(m_nSelect);
  } else {
    events.m_nSelect = -1;
    events.m_nPaletteRow = -1;
    events.m_nBrushW = 0;
    events.m_nBrushH = 0;
  }
  ClearUndo();
}

void cWorldMapEditState::SetMode(int32_t mode) {
  if (mode != kModeChips && mode != kModeEvents) return;
  if (mode != m_nMode) {
    m_ModeState[m_nMode] = {m_nTool, m_nCaptureState, m_nSelect, m_nPaletteRow, m_nBrushW, m_nBrushH};
    const cWorldMapModeState& next = m_ModeState[mode];
    m_nTool = next.m_nTool;
    m_nCaptureState = next.m_nCaptureState;
    m_nSelect = next.m_nSelect;
    m_nPaletteRow = next.m_nPaletteRow;
    m_nBrushW = next.m_nBrushW;
    m_nBrushH = next.m_nBrushH;
  }
  m_nMode = mode;
}

void cWorldMapEditState::ToggleMode() { SetMode(m_nMode == kModeChips ? kModeEvents : kModeChips); }

void cWorldMapEditState::SetTool(int32_t tool) {
  m_nTool = tool;
  if (tool == 0) m_nCaptureState = 0;
}

uint64_t cWorldMapEditState::SnapshotSize(const cVector<int32_t>& grid, const cVector<cWorldEvent>& events) {
  uint64_t size = 4 * static_cast<uint64_t>(grid.size());
  for (const cWorldEvent& event : events) size += 76 + 16 * static_cast<uint64_t>(event.m_vPage.size());
  return size;
}

int cWorldMapEditState::PushSnapshot(cList<cVector<int32_t>>& mapList, cList<cVector<cWorldEvent>>& eventList,
                                     const cVector<int32_t>& grid, const cVector<cWorldEvent>& events) {
  if (SnapshotSize(grid, events) >= FreePhysicalMemory()) {
    ClearUndo();
    return 0;
  }
  while (mapList.size() >= static_cast<size_t>(kUndoSteps)) {
    mapList.pop_front();
    if (!eventList.empty()) eventList.pop_front();
  }
  mapList.push_back(grid);
  eventList.push_back(events);
  return 1;
}

int cWorldMapEditState::Checkpoint(const cVector<int32_t>& grid, const cVector<cWorldEvent>& events) {
  int pushed = PushSnapshot(m_lUndoMap, m_lUndoEvent, grid, events);
  m_lRedoMap.clear();
  m_lRedoEvent.clear();
  return pushed;
}

void cWorldMapEditState::Step(cList<cVector<int32_t>>& fromMap, cList<cVector<cWorldEvent>>& fromEvent,
                              cList<cVector<int32_t>>& toMap, cList<cVector<cWorldEvent>>& toEvent,
                              cVector<int32_t>& grid, cVector<cWorldEvent>& events) {
  if (fromMap.empty() || fromEvent.empty()) return;
  // A refused snapshot has emptied every history: nothing is left to step to.
  if (!PushSnapshot(toMap, toEvent, grid, events)) return;
  grid = std::move(fromMap.back());
  fromMap.pop_back();
  events = std::move(fromEvent.back());
  fromEvent.pop_back();
}

void cWorldMapEditState::Undo(cVector<int32_t>& grid, cVector<cWorldEvent>& events) {
  Step(m_lUndoMap, m_lUndoEvent, m_lRedoMap, m_lRedoEvent, grid, events);
}

void cWorldMapEditState::Redo(cVector<int32_t>& grid, cVector<cWorldEvent>& events) {
  Step(m_lRedoMap, m_lRedoEvent, m_lUndoMap, m_lUndoEvent, grid, events);
}

void cWorldMapEditState::ClearUndo() {
  m_lUndoMap.clear();
  m_lRedoMap.clear();
  m_lUndoEvent.clear();
  m_lRedoEvent.clear();
}

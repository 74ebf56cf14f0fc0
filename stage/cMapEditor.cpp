#include "stage/cMapEditor.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/MessageBox.h"
#include "app/cStateStack.h"

namespace {

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// The facing of a character that follows its palette entry is the entry's to change.
bool FacingInherited(const cEdChara& chara) { return chara.m_bbInherit.size() > 5 && chara.m_bbInherit[5] != 0; }

}  // namespace

void SetMouseCell(cMapMouse& mouse, int32_t x, int32_t y, int32_t clientWidth, int32_t clientHeight) {
  mouse.m_bInside = x >= 0 && y >= 0 && x < clientWidth && y < clientHeight;
  mouse.m_nViewX = Clamp(x, 0, std::max(clientWidth - 1, 0)) / kCellPixels;
  mouse.m_nViewY = Clamp(y, 0, std::max(clientHeight - 1, 0)) / kCellPixels;
}

void cMapChanges::Add(int32_t x, int32_t y) {
  if (m_nRight < m_nLeft) {
    m_nLeft = m_nRight = x;
    m_nTop = m_nBottom = y;
    return;
  }
  m_nLeft = std::min(m_nLeft, x);
  m_nRight = std::max(m_nRight, x);
  m_nTop = std::min(m_nTop, y);
  m_nBottom = std::max(m_nBottom, y);
}

cMapEditor::cMapEditor(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host)
    : m_Stage(stage),
      m_State(state),
      m_Host(host) {}

void cMapEditor::RunTool(int tool, const cMapMouse& mouse) {
  if (tool == kModeSelect) SelectionTool(mouse);
  else if (tool >= 0 && tool < kToolCount) (this->*m_apfnTool[tool])(mouse);
}

template <class T>
T& cMapEditor::Writable(cStageLayer<T>& layer, int index) {
  try {
    return layer.At(index);
  } catch (const std::bad_alloc&) {
    // The chunk was shared with an undo step; without the steps it is this layer's alone.
    LoseUndoForMemory();
  }
  return layer.At(index);
}

template <class Edit>
void cMapEditor::Guarded(Edit edit) {
  try {
    edit();
  } catch (const std::bad_alloc&) {
    m_State.DropUndoHistory();
    m_Host.UndoChanged();
    m_Changes.AddAll();
    OutOfMemory();
  }
}

int cMapEditor::CursorX() const { return g_StateStack.m_lpCurrent->m_nX; }
int cMapEditor::CursorY() const { return g_StateStack.m_lpCurrent->m_nY; }

void cMapEditor::CellAtCursor(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY) {
  cStateRecord& cursor = *g_StateStack.m_lpCurrent;
  int x = scrollX + mouse.m_nViewX, y = scrollY + mouse.m_nViewY;
  if (mouse.m_bInside) {
    // Below or right of the map the cursor stays where it was.
    if (x >= m_Stage.m_nWidth || y >= m_Stage.m_nHeight) return;
  } else {
    x = std::min(x, m_Stage.m_nWidth - 1);
    y = std::min(y, m_Stage.m_nHeight - 1);
  }
  cursor.m_nX = x;
  cursor.m_nY = y;
  cursor.m_nPixelX = kCellPixels * (x - scrollX);
  cursor.m_nPixelY = kCellPixels * (y - scrollY);
}

void cMapEditor::OnMouse(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY) {
  if (!m_State.m_bStageOpen) return;
  Guarded([&] {
    CellAtCursor(mouse, scrollX, scrollY);
    // Every left press counts as a change, whether or not a cell changes.
    if (mouse.m_nMessage == kLButtonDown) m_State.m_bStageModified = 1;
    if (m_State.m_nMode != kModeSelect && m_State.m_nTool != kModeSelect) RunTool(m_State.m_nTool, mouse);
    if (mouse.m_nMessage == kRButtonDblClk) OpenCellSheet();
    else SelectionTool(mouse);
  });
  if (mouse.m_nMessage == kLButtonDown || mouse.m_nMessage == kRButtonDown) m_Host.TakeFocus();
}

int cMapEditor::OnIdle(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY) {
  if (!m_State.m_bStageOpen || mouse.m_bInside || !m_State.m_bDragging) return kIdleNothing;
  int result = kIdleRepaint;
  Guarded([&] {
    CellAtCursor(mouse, scrollX, scrollY);
    bool selecting = m_State.m_nMode == kModeSelect;
    if (!selecting && m_State.m_nTool != kToolLine && m_State.m_nTool != kToolRect) return;
    // A press outside the view while dragging means the release was missed: the drag ends.
    if (selecting ? mouse.m_bRPressed : mouse.m_bLPressed) {
      m_State.m_bDragging = 0;
      result = kIdleNothing;
      return;
    }
    int tool = selecting ? kModeSelect : m_State.m_nTool;
    cMapMouse step = mouse;
    if (selecting ? mouse.m_bRDown : mouse.m_bLDown) {
      step.m_nMessage = kMouseMove;
      RunTool(tool, step);
    }
    if (selecting ? mouse.m_bRReleased : mouse.m_bLReleased) {
      step.m_nMessage = selecting ? kRButtonUp : kLButtonUp;
      RunTool(tool, step);
    }
  });
  if (result == kIdleRepaint && (mouse.m_bLDown || mouse.m_bRDown)) result = kIdleDragScroll;
  return result;
}

void cMapEditor::PushUndo(int flags) {
  try {
    m_State.PushUndo(flags, m_Stage);
  } catch (const std::bad_alloc&) {
    LoseUndoForMemory();
  }
  m_Host.UndoChanged();
}

void cMapEditor::ClearUndo() {
  m_State.ReleaseUndo();
  m_Host.UndoChanged();
}

void cMapEditor::Undo() {
  Guarded([&] { m_State.Undo(m_Stage); });
  m_Changes.AddAll();
  m_Host.UndoChanged();
}

void cMapEditor::Redo() {
  Guarded([&] { m_State.Redo(m_Stage); });
  m_Changes.AddAll();
  m_Host.UndoChanged();
}

void cMapEditor::ClearLayers(int flags) {
  PushUndo(flags);
  if (flags & kLayerFlagBlock) m_Stage.m_vBlockLayer.Reset(m_Stage.m_vBlockLayer.Count());
  if (flags & kLayerFlagChara) m_Stage.m_vCharaLayer.Reset(m_Stage.m_vCharaLayer.Count());
  if (flags & kLayerFlagItem) m_Stage.m_vItemLayer.Reset(m_Stage.m_vItemLayer.Count());
  m_State.m_bStageModified = 1;
  m_Changes.AddAll();
}

void cMapEditor::PushUndoForEdit(int shift) {
  if (shift) PushUndo(kLayerFlagAll);
  else PushUndoForLayer(m_State.m_nLayer);
}

void cMapEditor::PushUndoForLayer(int layer) {
  if (layer >= 0 && layer < 3) PushUndo(1 << layer);
}

void cMapEditor::LoseUndoForMemory() {
  ErrorBox(kOutOfMemoryText);
  m_State.DropUndoHistory();
  m_Host.UndoChanged();
}

void cMapEditor::PlaceBrushEntry(int x, int y, int k, int shift) {
  int layer = m_State.m_nLayer;
  if ((shift || layer == 0) && k < m_State.m_vBrushBlock.Count()) PlaceRecord(m_Stage.m_vBlockLayer, x, y, m_State.m_vBrushBlock[k]);
  if ((shift || layer == 1) && k < m_State.m_vBrushChara.Count()) PlaceChara(x, y, m_State.m_vBrushChara[k]);
  if ((shift || layer == 2) && k < m_State.m_vBrushItem.Count()) PlaceRecord(m_Stage.m_vItemLayer, x, y, m_State.m_vBrushItem[k]);
}

template <class T>
void cMapEditor::PlaceRecord(cStageLayer<T>& layer, int x, int y, const T& record) {
  int index = m_Stage.CellIndex(x, y);
  // A pen dragged over its own strokes writes nothing again, and copies no shared chunk.
  if (layer.Get(index) == record) return;
  Writable(layer, index) = record;
  m_Changes.Add(x, y);
}

void cMapEditor::PlaceChara(int x, int y, cEdChara& chara) {
  int index = m_Stage.CellIndex(x, y);
  const cEdChara& cell = m_Stage.m_vCharaLayer.Get(index);
  if (cell == chara) return;
  // A player placed or replaced moves or removes the player elsewhere on the map.
  if (cell.m_cControl == 0 || chara.m_cControl == 0) m_Changes.AddAll();
  m_Changes.Add(x, y);
  Writable(m_Stage.m_vCharaLayer, index);
  m_Stage.PutChara(index, chara);
}

template <class T>
void cMapEditor::ClearCell(cStageLayer<T>& layer, int x, int y) {
  int index = m_Stage.CellIndex(x, y);
  if (layer.Get(index).m_nGraphic == 0) return;
  T& cell = Writable(layer, index);
  cell.SetDefaults();
  cell.m_nGraphic = 0;
  m_Changes.Add(x, y);
}

void cMapEditor::PenTool(const cMapMouse& mouse) {
  if (mouse.m_nMessage == kLButtonDown) PushUndo(kLayerFlagAll);
  else if (mouse.m_nMessage != kMouseMove) return;
  if (!mouse.m_bLDown) return;
  int x = CursorX(), y = CursorY(), width = m_State.m_nBrushWidth;
  for (int j = 0; j < m_State.m_nBrushHeight && y + j < m_Stage.m_nHeight; ++j)
    for (int i = 0; i < width && x + i < m_Stage.m_nWidth; ++i) PlaceBrushEntry(x + i, y + j, j * width + i, mouse.m_bShift);
  m_Host.RepaintPaletteWindows();
}

void cMapEditor::LineTool(const cMapMouse& mouse) {
  if (mouse.m_nMessage == kLButtonDown) {
    m_State.m_nLineStartX = CursorX();
    m_State.m_nLineStartY = CursorY();
    m_State.m_bDragging = 1;
    return;
  }
  if (mouse.m_nMessage != kLButtonUp || !m_State.m_bDragging) return;
  m_Host.SetBusy(1);
  PushUndoForEdit(mouse.m_bShift);
  WalkLine(m_State.m_nLineStartX, m_State.m_nLineStartY, CursorX(), CursorY(), m_State.m_nBrushWidth,
           [&](int x, int y, int column) {
             if (Inside(x, y)) PlaceBrushEntry(x, y, column, mouse.m_bShift);
           });
  m_Host.RepaintPaletteWindows();
  m_State.m_bDragging = 0;
  m_Host.SetBusy(0);
}

void cMapEditor::RectTool(const cMapMouse& mouse) {
  cStageEditState& s = m_State;
  if (mouse.m_nMessage == kLButtonDown) {
    s.m_nRectAnchorX = CursorX();
    s.m_nRectAnchorY = CursorY();
    s.m_bDragging = 1;
  }
  if ((mouse.m_nMessage == kLButtonDown || mouse.m_nMessage == kMouseMove) && mouse.m_bLDown && s.m_bDragging) {
    s.m_nRectWidth = std::abs(CursorX() - s.m_nRectAnchorX) + 1;
    s.m_nRectHeight = std::abs(CursorY() - s.m_nRectAnchorY) + 1;
  }
  if (mouse.m_nMessage != kLButtonUp || !s.m_bDragging) return;
  m_Host.SetBusy(1);
  PushUndoForEdit(mouse.m_bShift);
  // The anchor keeps the smaller corner, so a rectangle paints the same cells whichever way it was drawn.
  s.m_nRectWidth = std::abs(CursorX() - s.m_nRectAnchorX) + 1;
  s.m_nRectHeight = std::abs(CursorY() - s.m_nRectAnchorY) + 1;
  s.m_nRectAnchorX = std::min(s.m_nRectAnchorX, CursorX());
  s.m_nRectAnchorY = std::min(s.m_nRectAnchorY, CursorY());
  int brushWidth = std::max(s.m_nBrushWidth, 1), brushHeight = std::max(s.m_nBrushHeight, 1);
  for (int r = 0; r < s.m_nRectHeight && s.m_nRectAnchorY + r < m_Stage.m_nHeight; ++r)
    for (int c = 0; c < s.m_nRectWidth && s.m_nRectAnchorX + c < m_Stage.m_nWidth; ++c)
      PlaceBrushEntry(s.m_nRectAnchorX + c, s.m_nRectAnchorY + r, (r % brushHeight) * brushWidth + c % brushWidth,
                      mouse.m_bShift);
  m_Host.RepaintPaletteWindows();
  s.m_bDragging = 0;
  m_Host.SetBusy(0);
}

void cMapEditor::FillTool(const cMapMouse& mouse) {
  if (mouse.m_nMessage != kLButtonDown) return;
  m_Host.SetBusy(1);
  PushUndoForLayer(m_State.m_nLayer);
  int x = CursorX(), y = CursorY();
  switch (m_State.m_nLayer) {
    case 0:
      Fill(m_Stage.m_vBlockLayer, m_State.m_vBrushBlock, x, y);
      break;
    case 1:
      if (Fill(m_Stage.m_vCharaLayer, m_State.m_vBrushChara, x, y)) {
        m_Stage.RemoveExtraPlayers();
        m_Changes.AddAll();
      }
      break;
    case 2:
      Fill(m_Stage.m_vItemLayer, m_State.m_vBrushItem, x, y);
      break;
  }
  m_Host.RepaintPaletteWindows();
  m_Host.SetBusy(0);
}

template <class T>
int cMapEditor::Fill(cStageLayer<T>& layer, const cVector<T>& brush, int startX, int startY) {
  std::vector<uint8_t> visited;
  try {
    visited.assign(static_cast<size_t>(layer.Count()), 0);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
    return 0;
  }
  const T compare = layer.Get(m_Stage.CellIndex(startX, startY));
  int brushWidth = std::max(m_State.m_nBrushWidth, 1), brushHeight = std::max(m_State.m_nBrushHeight, 1);
  // Depth first, left, right, up, down, each branch at most kFillDepthLimit calls deep: the frames
  // of that recursion, kept on a stack of our own.
  struct cFrame {
    int x, y, bx, by, next;
  };
  std::vector<cFrame> frames;
  auto enter = [&](int x, int y, int bx, int by) {
    int index = m_Stage.CellIndex(x, y);
    if (visited[index] || frames.size() >= static_cast<size_t>(kFillDepthLimit) || layer.Get(index) != compare) return;
    // A brush shorter than its size places nothing for the elements it lacks.
    int k = by * brushWidth + bx;
    if (k < brush.Count() && layer.Get(index) != brush[k]) {
      Writable(layer, index) = brush[k];
      m_Changes.Add(x, y);
    }
    visited[index] = 1;
    frames.push_back({x, y, bx, by, 0});
  };
  enter(startX, startY, 0, 0);
  while (!frames.empty()) {
    cFrame f = frames.back();
    frames.back().next++;
    switch (f.next) {
      case 0:
        if (f.x - 1 >= 0) enter(f.x - 1, f.y, f.bx - 1 < 0 ? brushWidth - 1 : f.bx - 1, f.by);
        break;
      case 1:
        if (f.x + 1 < m_Stage.m_nWidth) enter(f.x + 1, f.y, f.bx + 1 >= brushWidth ? 0 : f.bx + 1, f.by);
        break;
      case 2:
        if (f.y - 1 >= 0) enter(f.x, f.y - 1, f.bx, f.by - 1 < 0 ? brushHeight - 1 : f.by - 1);
        break;
      case 3:
        if (f.y + 1 < m_Stage.m_nHeight) enter(f.x, f.y + 1, f.bx, f.by + 1 >= brushHeight ? 0 : f.by + 1);
        break;
      default:
        frames.pop_back();
    }
  }
  return 1;
}

void cMapEditor::EditTool(const cMapMouse& mouse) {
  if (mouse.m_nMessage == kLButtonDown) OpenCellSheet();
}

void cMapEditor::OpenCellSheet() {
  int x = CursorX(), y = CursorY(), layer = m_State.m_nLayer;
  if (!Inside(x, y) || layer < 0 || layer > 2) return;
  int index = m_Stage.CellIndex(x, y);
  int used[3] = {m_Stage.m_vBlockLayer.Get(index).m_nGraphic != 0, m_Stage.m_vCharaLayer.Get(index).m_nGraphic != 0,
                 m_Stage.m_vItemLayer.Get(index).m_nGraphic != 0};
  // The current layer first, then the others in the order that layer looks for them.
  static const int kOrder[3][3] = {{0, 1, 2}, {1, 2, 0}, {2, 1, 0}};
  int kind = -1;
  for (int candidate : kOrder[layer])
    if (used[candidate]) {
      kind = candidate;
      break;
    }
  if (kind < 0) return;
  if (kind != layer) m_State.SwitchLayerKeepPrevious(kind);
  m_State.m_nEditContext = 0;
  m_State.m_nEditIndex = index;
  m_State.m_pEditBlock = nullptr;
  m_State.m_pEditChara = nullptr;
  m_State.m_pEditItem = nullptr;
  if (kind == 0) m_State.m_pEditBlock = &Writable(m_Stage.m_vBlockLayer, index);
  if (kind == 1) m_State.m_pEditChara = &Writable(m_Stage.m_vCharaLayer, index);
  if (kind == 2) m_State.m_pEditItem = &Writable(m_Stage.m_vItemLayer, index);
  m_Host.OpenDataSheet(kind);
}

void cMapEditor::SelectionTool(const cMapMouse& mouse) {
  cStageEditState& s = m_State;
  switch (mouse.m_nMessage) {
    case kRButtonDown:
      s.m_nSelAnchorX = CursorX();
      s.m_nSelAnchorY = CursorY();
      s.m_nMode = kModeSelect;
      s.m_nSelIndex = -1;  // the brush is no palette entry any more
      s.m_bDragging = 1;
      [[fallthrough]];
    case kMouseMove:
      if (s.m_nMode == kModeSelect && s.m_bDragging) {
        s.m_nBrushWidth = std::abs(CursorX() - s.m_nSelAnchorX) + 1;
        s.m_nBrushHeight = std::abs(CursorY() - s.m_nSelAnchorY) + 1;
      }
      break;
    case kRButtonUp:
      if (s.m_nMode == kModeSelect && s.m_bDragging) {
        CopySelectionToBrush(mouse.m_bShift);
        EndSelection();
      }
      break;
  }
}

void cMapEditor::EndSelection() {
  m_State.SetTool(m_State.m_nTool);
  m_State.m_bDragging = 0;
  m_Host.RepaintPaletteWindows();
}

int cMapEditor::OnSelectionKey(int key, int shift) {
  if (!m_State.m_bStageOpen || m_State.m_nMode != kModeSelect || !m_State.m_bDragging) return 0;
  if (key != 'D' && key != 'Q' && key != 'R') return 0;
  Guarded([&] {
    PushUndoForEdit(shift);
    if (key == 'D') {
      CopySelectionToBrush(shift);
      ClearSelection(shift);
      EndSelection();
    } else if (key == 'Q') {
      ClearSelection(shift);
    } else {
      TurnSelection(shift);
    }
  });
  m_State.m_bStageModified = 1;
  return 1;
}

void cMapEditor::SelectionOrigin(int& left, int& top) const {
  left = std::min(m_State.m_nSelAnchorX, CursorX());
  top = std::min(m_State.m_nSelAnchorY, CursorY());
}

void cMapEditor::CopySelectionToBrush(int shift) {
  if (m_State.m_nMode != kModeSelect) return;
  m_Host.SetBusy(1);
  cStageEditState& s = m_State;
  int left, top;
  SelectionOrigin(left, top);
  int width = std::abs(CursorX() - s.m_nSelAnchorX) + 1, height = std::abs(CursorY() - s.m_nSelAnchorY) + 1;
  s.m_nBrushWidth = width;
  s.m_nBrushHeight = height;
  bool blocks = shift || s.m_nLayer == 0, charas = shift || s.m_nLayer == 1, items = shift || s.m_nLayer == 2;
  size_t count = static_cast<size_t>(width) * height;
  if (blocks) s.m_vBrushBlock.resize(count);
  if (charas) s.m_vBrushChara.resize(count);
  if (items) s.m_vBrushItem.resize(count);
  for (int j = 0; j < height && top + j < m_Stage.m_nHeight; ++j)
    for (int i = 0; i < width && left + i < m_Stage.m_nWidth; ++i) {
      int index = m_Stage.CellIndex(left + i, top + j), k = j * width + i;
      if (blocks) s.m_vBrushBlock[k] = m_Stage.m_vBlockLayer.Get(index);
      if (charas) s.m_vBrushChara[k] = m_Stage.m_vCharaLayer.Get(index);
      if (items) s.m_vBrushItem[k] = m_Stage.m_vItemLayer.Get(index);
    }
  m_Host.SetBusy(0);
}

void cMapEditor::ClearSelection(int shift) {
  if (m_State.m_nMode != kModeSelect) return;
  m_Host.SetBusy(1);
  int left, top, layer = m_State.m_nLayer;
  SelectionOrigin(left, top);
  for (int j = 0; j < m_State.m_nBrushHeight && top + j < m_Stage.m_nHeight; ++j)
    for (int i = 0; i < m_State.m_nBrushWidth && left + i < m_Stage.m_nWidth; ++i) {
      if (shift || layer == 0) ClearCell(m_Stage.m_vBlockLayer, left + i, top + j);
      if (shift || layer == 1) ClearCell(m_Stage.m_vCharaLayer, left + i, top + j);
      if (shift || layer == 2) ClearCell(m_Stage.m_vItemLayer, left + i, top + j);
    }
  m_Host.SetBusy(0);
}

void cMapEditor::TurnSelection(int shift) {
  if (m_State.m_nMode != kModeSelect || !(shift || m_State.m_nLayer == 1)) return;
  m_Host.SetBusy(1);
  int left, top;
  SelectionOrigin(left, top);
  for (int j = 0; j < m_State.m_nBrushHeight && top + j < m_Stage.m_nHeight; ++j)
    for (int i = 0; i < m_State.m_nBrushWidth && left + i < m_Stage.m_nWidth; ++i) {
      int index = m_Stage.CellIndex(left + i, top + j);
      const cEdChara& chara = m_Stage.m_vCharaLayer.Get(index);
      if (chara.m_nGraphic == 0 || FacingInherited(chara)) continue;
      cEdChara& turned = Writable(m_Stage.m_vCharaLayer, index);
      turned.m_bFaceRight = turned.m_bFaceRight ? 0 : 1;
      m_Changes.Add(left + i, top + j);
    }
  m_Host.SetBusy(0);
}

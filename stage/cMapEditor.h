#pragma once
// The map of the stage editor under the mouse: the pen, line, rectangle, fill and parameter-edit
// tools, the right-button selection that becomes the brush and the keys that cut, clear and turn
// it, and the window's undo operations around them.
//
// The window turns each mouse message into a cMapMouse (the view cell under the cursor and the
// button state) and hands it over; everything else happens here. Every cell an edit writes is
// noted in the changes, from which the view repaints just those cells.

#include <cstdint>
#include <new>

#include "app/StepPoint.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditorHost.h"

// The mouse messages, with the numbers the platform gives them.
enum : uint32_t {
  kMouseMove = 0x0200,
  kLButtonDown = 0x0201,
  kLButtonUp = 0x0202,
  kLButtonDblClk = 0x0203,
  kRButtonDown = 0x0204,
  kRButtonUp = 0x0205,
  kRButtonDblClk = 0x0206,
};
// The tools and drawing modes of the edit state.
enum : int32_t { kToolPen, kToolLine, kToolRect, kToolFill, kToolEdit, kToolCount };
enum : int32_t { kModePen, kModeLine, kModeRect, kModeCell, kModeSelect = 5 };
constexpr int kCellPixels = 32;
// What an idle tick asks of the window: nothing, a repaint, or a repaint after drag-scrolling.
enum : int { kIdleNothing, kIdleRepaint, kIdleDragScroll };
// A fill goes this many steps away from its start along one path, a line this many cells.
constexpr int kFillDepthLimit = 5000;
constexpr int kLineCellLimit = 200;

// One mouse message as the map sees it.
struct cMapMouse {
  uint32_t m_nMessage = kMouseMove;
  // The view cell under the cursor (client pixel / 32), the cursor first pulled into the client area.
  int32_t m_nViewX = 0;
  int32_t m_nViewY = 0;
  int32_t m_bInside = 1;  // the cursor lies inside the client area
  // The buttons as the window's mouse state has them: held, just pressed (the press latch), just released.
  int32_t m_bLDown = 0;
  int32_t m_bRDown = 0;
  int32_t m_bLPressed = 0;
  int32_t m_bRPressed = 0;
  int32_t m_bLReleased = 0;
  int32_t m_bRReleased = 0;
  int32_t m_bShift = 0;
};

// Fills the view cell and the inside flag of a mouse record from a client pixel.
void SetMouseCell(cMapMouse& mouse, int32_t x, int32_t y, int32_t clientWidth, int32_t clientHeight);

// Map cells written since the view last painted: their bounding rectangle, or the whole map.
struct cMapChanges {
  int32_t m_nLeft = 0, m_nTop = 0, m_nRight = -1, m_nBottom = -1;  // inclusive; empty when right < left
  int32_t m_bAll = 0;

  void Add(int32_t x, int32_t y);
  void AddAll() { m_bAll = 1; }
  int Empty() const { return !m_bAll && m_nRight < m_nLeft; }
  void Clear() { *this = cMapChanges(); }
};

class cMapEditor {
public:
  cMapEditor(cStageDoc& stage, cStageEditState& state, cStageEditorHost& host);

  // A mouse message of the map view, with the view scrolled to (scrollX, scrollY).
  void OnMouse(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY);
  // An idle tick while a drag may have left the view, with the mouse state forced from outside it.
  // 1 when the view must drag-scroll (a button is held).
  int OnIdle(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY);
  // The keys D (cut), Q (clear) and R (turn) while a selection is dragged; 1 when one acted.
  int OnSelectionKey(int key, int shift);
  // The three "clear all" commands: the flagged layers become empty, after one undo step.
  void ClearLayers(int flags);

  void PushUndo(int flags);
  void ClearUndo();
  void Undo();
  void Redo();
  int CanUndo() const { return m_State.UndoCount() > 0; }
  int CanRedo() const { return m_State.RedoCount() > 0; }

  cMapChanges& Changes() { return m_Changes; }

private:
  void CellAtCursor(const cMapMouse& mouse, int32_t scrollX, int32_t scrollY);
  int CursorX() const;
  int CursorY() const;
  int Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_Stage.m_nWidth && y < m_Stage.m_nHeight; }

  // The tool's handler (kModeSelect: the selection's).
  void RunTool(int tool, const cMapMouse& mouse);
  void PenTool(const cMapMouse& mouse);
  void LineTool(const cMapMouse& mouse);
  void RectTool(const cMapMouse& mouse);
  void FillTool(const cMapMouse& mouse);
  void EditTool(const cMapMouse& mouse);
  void SelectionTool(const cMapMouse& mouse);
  void OpenCellSheet();
  void EndSelection();

  void PushUndoForEdit(int shift);
  void PushUndoForLayer(int layer);
  // Brush element k at a cell of the current layer, or of all three with Shift.
  void PlaceBrushEntry(int x, int y, int k, int shift);
  template <class T>
  void PlaceRecord(cStageLayer<T>& layer, int x, int y, const T& record);
  void PlaceChara(int x, int y, cEdChara& chara);
  template <class T>
  void ClearCell(cStageLayer<T>& layer, int x, int y);
  template <class T>
  int Fill(cStageLayer<T>& layer, const cVector<T>& brush, int x, int y);

  void CopySelectionToBrush(int shift);
  void ClearSelection(int shift);
  void TurnSelection(int shift);
  // The selection rectangle: from the smaller corner, of the brush's size.
  void SelectionOrigin(int& left, int& top) const;

  // A cell of the layer ready to be written: a chunk it shares with an undo step is copied first.
  // When that copy finds no memory, the undo steps are given up (with a message) and the edit goes on.
  template <class T>
  T& Writable(cStageLayer<T>& layer, int index);
  void LoseUndoForMemory();
  // Runs an edit; memory that runs out beyond what Writable can free stops it with the message.
  template <class Edit>
  void Guarded(Edit edit);

  cStageDoc& m_Stage;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;
  cMapChanges m_Changes;
  // The handlers of the five tools, by the edit state's tool number.
  void (cMapEditor::*m_apfnTool[kToolCount])(const cMapMouse& mouse) = {
      &cMapEditor::PenTool, &cMapEditor::LineTool, &cMapEditor::RectTool, &cMapEditor::FillTool, &cMapEditor::EditTool};
};

// The cells a line from the centre of the start cell to the target visits, in order, at most
// kLineCellLimit of them: visit(x, y, brush column) for each, with the brush column wrapping at
// brushWidth. Shared by the line tool and its preview.
template <class Visit>
void WalkLine(int startX, int startY, int targetX, int targetY, int brushWidth, Visit visit) {
  double x = startX + 0.5, y = startY + 0.5;
  int column = 0, reached = 0;
  for (int n = 0; n < kLineCellLimit; ++n) {
    visit(static_cast<int>(x), static_cast<int>(y), column);
    if (reached) return;
    reached = StepPointToward(x, y, targetX, targetY, 1.0);
    if (++column >= brushWidth) column = 0;
  }
}

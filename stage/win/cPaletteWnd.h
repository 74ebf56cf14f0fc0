#pragma once
// A palette window: one list of the common palette or of the stage palette as a grid of pictures,
// with its menu (168), the drawing tools and right-click modes on its toolbar, the entry menu (179)
// and a status bar naming the selected entry. Its logic is a cPalettePane of the stage editor
// window, which owns the six windows; the window feeds the pane the user's clicks, keys, commands
// and scrolling, and draws what the pane lists as changed.

#include "stage/cPalettePane.h"
#include "ui/win/cDialog.h"
#include "ui/win/cPopupMenu.h"

class cStageEditorWnd;

class cPaletteWnd : public cDialog {
public:
  // Template 103, owned by the editor window; placed as the pane's saved placement says, or beside
  // the editor (a stage window below its twin's frame of twinFrameHeight pixels).
  cPaletteWnd(cStageEditorWnd& editor, cModelessList* manager, cPalettePane& pane, int32_t twinFrameHeight);
  ~cPaletteWnd() override;

  void OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Draws what changed since the last paint: the frames of a new selection, or the whole grid.
  void OnPaint() override;
  void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

  // The largest height and the scroll bar after the number of entries changed.
  void UpdateSize();
  // The tool and right-click buttons as the edit state has them.
  void SyncToolbar();
  cPalettePane& Pane() { return m_Pane; }
  // Caption, menu bar and borders: how far its twin lies below it.
  int32_t FrameHeight() const { return m_nBorderTop + m_nBorderBottom; }

private:
  template <int N>
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static const DLGPROC s_apfnProc[kPaletteWndCount];
  static cPaletteWnd* s_apInstance[kPaletteWndCount];

  void SetUpGeometry(int32_t twinFrameHeight);
  // The largest grid height the list fills, within the desktop's work area.
  int32_t LargestViewHeight() const;
  void CreateToolbarButtons();
  void LayoutView();
  // A mouse message's pixel of the grid, counted from its top-left corner below the toolbar.
  int32_t GridX(LPARAM lParam) const { return static_cast<int16_t>(LOWORD(lParam)) - m_nViewX; }
  int32_t GridY(LPARAM lParam) const { return static_cast<int16_t>(HIWORD(lParam)) - m_nViewY; }
  void OnKeyDown(WPARAM key);
  void OnRightClick();
  void OnDestroy(HWND window);
  void PaintTwin();

  cStageEditorWnd& m_Editor;
  cPalettePane& m_Pane;
  cPopupMenu m_EntryMenu;
  cSheetExtents m_Extents;
  cPalettePaint m_Paint;
  int m_nSizedCount = -1;  // the number of entries the window's largest height was made for
};

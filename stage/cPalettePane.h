#pragma once
// The palette windows' logic, without the windows. Six windows show the block, character and item
// lists of the common palette and of the stage palette as grids of 8 entries a row, 32 x 32 pixels
// each. A left click makes an entry the selected one and the brush of the drawing tools; a right
// click opens the entry's data sheet or the entry menu (cut, copy, paste, insert, delete), as the
// right-click mode says; the window's menu changes the number of entries and moves runs of them.
//
// Each window (cPaletteWnd) owns nothing of this: cPalettePanes holds the six panes, so that a pane
// reaches its twin (the other palette's window of the same kind), and every pane works on the
// documents and the edit state directly. Everything that takes a window goes through the stage
// editor's host; what to draw comes back as paint lists (cMapView's operations), only for what
// changed since the window last painted.
//
// References are indexes and are never renumbered: whatever follows entry k of a list follows the
// entry that has the number k after an edit, and a number past the end falls back to none.

#include <cstdint>
#include <memory>
#include <vector>

#include "app/cEditConfig.h"
#include "app/cString.h"
#include "stage/cMapView.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"
#include "stage/cStageEditor.h"
#include "stage/cStageEditorHost.h"

// Template 103 with the grid's picture control and scroll bar, the window's menu 168, the entry
// menu 179 (its first submenu), the toolbar and the status bar.
enum : int {
  kPaletteTemplate = 103,
  kPaletteMenu = 168,
  kPaletteEntryMenu = 179,
  kPaletteAccelerators = 105,
  kIdcPaletteToolbar = 122,
  kIdcPaletteStatus = 1,
  kIdcPaletteCanvas = 1006,
  kIdcPaletteScroll = 1009,
};

// The commands of a palette window: its toolbar (kIdt), menu 168 and the entry menu (kIdm).
enum : uint16_t {
  kIdtToolPen = 40044,
  kIdtToolLine = 40045,
  kIdtToolRect = 40046,
  kIdtToolFill = 40047,
  kIdtToolEdit = 40087,
  kIdtRightClickSheet = 40139,
  kIdtRightClickMenu = 40140,
  kIdmEntryCount = 40088,
  kIdmDataMove = 40089,
  kIdmEntryEdit = 40141,
  kIdmEntryCut = 40142,
  kIdmEntryCopy = 40143,
  kIdmEntryPaste = 40144,
  kIdmEntryDelete = 40145,
  kIdmEntryInsertNew = 40146,
  kIdmEntryInsertCopied = 40147,
  kIdmEntryAppendCopied = 40151,
  kIdmEntryAppendNew = 40152,
};

// The grid: entries in rows of 8, 32 x 32 pixels each; the window's client is 256 wide and between
// 32 and 960 high; the entries a new entry is inserted before by the two "at the end" commands.
constexpr int32_t kPaletteColumns = 8;
constexpr int32_t kPaletteClientWidth = 256;
constexpr int32_t kPaletteMinClientHeight = 32;
constexpr int32_t kPaletteMaxClientHeight = 960;
constexpr int kPaletteAppendIndex = 999;
// "データ数" asks for 1 to 999 entries besides entry 0.
constexpr int32_t kPaletteMaxEntryCount = 999;
constexpr uint32_t kColourPaletteFrame = Rgb(255, 255, 255);

// The six windows, in the order of cPalettePanes: common blocks, characters, items, then the stage's.
enum : int { kPaletteWndCount = 6 };
struct cPaletteWndInfo {
  int32_t m_bStagePalette;
  int32_t m_nKind;
  const char* m_pTitle;
  cWindowPlacement cEditConfig::*m_pPlacement;
};
extern const cPaletteWndInfo kPaletteWindows[kPaletteWndCount];
inline int PaletteWndIndex(int stagePalette, int kind) { return (stagePalette ? 3 : 0) + kind; }
inline int TwinPaletteWnd(int index) { return (index + 3) % kPaletteWndCount; }

// The windows beside the stage editor that the layers show: the six palette windows and, last, the
// character group window; and the order the stage editor creates them in.
enum : int { kGroupWnd = kPaletteWndCount, kLayerWindowCount = kPaletteWndCount + 1 };
extern const int kLayerWindowCreationOrder[kLayerWindowCount];
// Whether each window shows: without an open stage none; with one, the current layer's palette
// windows (and in the character layer the group window) as their saved flags say, the others not.
// Creation, a layer switch, the view toggles and the restore of the editor windows all show this.
void LayerWindowsShown(const cStageEditState& state, const cEditConfig& config, int32_t shown[kLayerWindowCount]);

// The toolbar (control 122), in order: image -1 is the separator; bitmap 0 ToolBar_Pen, 1 ToolBar_PltEdit.
struct cPaletteToolButton {
  int32_t m_nImage;
  uint16_t m_nCommand;
  int32_t m_nBitmap;
  const char* m_pTip;
};
extern const cPaletteToolButton kPaletteToolButtons[8];
extern const char* const kPaletteToolBitmaps[2];
// A toolbar button's state from the edit state: the tool's and the right-click mode's buttons are
// checked. Both windows of a kind show the same state, so that twins stay in step.
cCommandState PaletteToolbarState(int id, const cStageEditState& state);

// What a key pressed in a palette window does in the stage editor window: a command to send to it
// (F5, F7) or the key itself to pass on (Space); both 0 for any other key.
struct cPaletteKey {
  int32_t m_nCommand = 0;
  int32_t m_nKey = 0;
};
cPaletteKey PaletteKeyAction(int key);

// Where a palette window starts: its saved place and size when it has one; otherwise 256 x 960
// beside the stage editor window (8 pixels to its right), a common window 8 pixels below its top,
// a stage window below its twin's caption and menu (twinFrameHeight).
struct cPaletteGeometry {
  int32_t m_nX = 0, m_nY = 0, m_nClientWidth = 0, m_nClientHeight = 0;
};
cPaletteGeometry PaletteStartGeometry(int index, const cEditConfig& config, int32_t editorX, int32_t editorY,
                                      int32_t editorWidth, int32_t twinFrameHeight);
// The largest client height of a list of count entries: its rows with the toolbar and status bar,
// at most down to the bottom of the desktop work area. A window above the screen comes down to y 8.
int32_t PaletteLargestHeight(int count, int32_t toolbarHeight, int32_t statusHeight, int32_t workAreaBottom);
int32_t PaletteWindowTop(int32_t y);

// The grid's rows for count entries, and the cell of an entry with the given row at the top.
int32_t PaletteRows(int count);
void PaletteCell(int entry, int32_t topRow, int32_t& x, int32_t& y);

// What a command did: nothing (not a palette window's), done, or to be sent unchanged to the stage
// editor window (its accelerators).
enum : int { kPaletteCmdNone = 0, kPaletteCmdDone = 1, kPaletteCmdForward = 2 };

// The entry menu's items, in the menu's order, and their states for one right click.
extern const uint16_t kEntryMenuItems[9];
struct cEntryMenu {
  int32_t m_bOpen = 0;
  cCommandState m_aItem[9];  // in the order of kEntryMenuItems
  cCommandState State(int id) const;
};

// What a window has to do to show the pane as it is now: the areas to repaint, the status text when
// it changed, and whether the scroll bar and the largest height must follow the list.
struct cPalettePaint {
  std::vector<cPaintList> m_vLists;
  int32_t m_bStatus = 0;
  cString m_strStatus;
  int32_t m_bLayout = 0;
};

class cPalettePanes;

class cPalettePane {
public:
  cPalettePane(cPalettePanes& panes, int index);
  cPalettePane(const cPalettePane&) = delete;
  cPalettePane& operator=(const cPalettePane&) = delete;

  int Index() const { return m_nIndex; }
  int32_t StagePalette() const { return m_bStagePalette; }
  int32_t Kind() const { return m_nKind; }
  const char* Title() const { return kPaletteWindows[m_nIndex].m_pTitle; }
  cWindowPlacement& Placement(cEditConfig& config) const { return config.*kPaletteWindows[m_nIndex].m_pPlacement; }
  int GetEntryCount() const;
  // WM_DESTROY: the window's place and size kept in its placement record, and the editor
  // configuration saved; 1 when saved.
  int SavePlacement(cEditConfig& config, int32_t x, int32_t y, int32_t width, int32_t height) const;

  // The entry under a client pixel of the grid (below the toolbar); it may lie past the list.
  int EntryAt(int32_t x, int32_t y) const;
  // The scroll bar: rows 0 .. rows - 1, a page of the whole rows the grid shows, the top row.
  int32_t TopRow() const { return m_nTopRow; }
  int32_t ScrollMaximum() const { return PaletteRows(GetEntryCount()) - 1; }
  int32_t ScrollPage() const { return m_nClientHeight / kCellPixels; }
  // WM_SIZE: the grid's height; the rows below the list's end are taken back.
  void SetClientHeight(int32_t height);
  // WM_VSCROLL: the scroll bar's new position, kept inside its range.
  void SetTopRow(int32_t row);
  // WM_MOUSEWHEEL: a signed delta, notch by notch; 1 when the grid moved.
  int OnWheel(int32_t delta);
  // After the number of entries changed: the top row kept inside the new range.
  void UpdateSize();

  // The mouse, at client pixels of the grid. A right click in mode 1 sets the modified flag at the
  // press and opens the entry menu at the release (OnRightClick gives its states).
  void OnLButtonDown(int32_t x, int32_t y);
  void OnRButtonDown(int32_t x, int32_t y);
  cEntryMenu OnRightClick(int32_t x, int32_t y);
  // WM_COMMAND: kPaletteCmdNone, kPaletteCmdDone or kPaletteCmdForward.
  int RunCommand(int id);

  void SelectAtCursor(int32_t x, int32_t y);
  // The brush becomes the selected entry of this list, following it as the project's case for its
  // palette says; past the end it becomes entry 0 as it is.
  void SetBrushFromSelection();
  // Entry index in its data sheet, the brush a plain copy of it; 0 for an index outside the list.
  int OpenDataSheet(int index);

  // The entry operations; an index below 1 does nothing (entry 0 is never removed or overwritten).
  void CopyEntry(int index);
  void PasteEntry(int index);
  // Returns where the new entry lies.
  int InsertNewEntry(int index);
  void InsertCopiedEntry(int index);
  void DeleteEntry(int index);

  // "%d : %s" with the selected entry while it lies in this list; empty otherwise.
  cString StatusText() const;
  // The next paint repaints everything (shown again, entries edited elsewhere).
  void InvalidateAll() { m_bAll = 1; }
  void TakePaint(const cSheetExtents& sheets, cPalettePaint& out);
  // Everything the grid shows inside one area of the client.
  void Paint(cPaintList& list, const cSheetExtents& sheets, int32_t x, int32_t y, int32_t width, int32_t height) const;

private:
  // The selected entry while it lies in this list, with a frame; -1 otherwise.
  int SelectedHere() const;
  // The clipboard's source entry while it lies in this list; -1 otherwise.
  int ClipSourceHere() const;
  // The selected entry as a command's target: 1 .. count - 1 in this list, or -1.
  int CommandTarget() const;
  // The commands, one each.
  void OnRightClickSheet();
  void OnRightClickMenu();
  void ChangeEntryCount();
  void RunDataMove();
  void OnEdit();
  void OnCut();
  void OnCopy();
  void OnPaste();
  void OnInsertCopied();
  void OnInsertNew();
  void OnDelete();
  void OnAppendCopied();
  void OnAppendNew();
  void CutOrCopy(int cut);
  // After paste, insert, delete, a count change and a data move: resolve (paste, insert, delete),
  // validate, size, repaint the map, and the brush when the selection lies in this list.
  void AfterChange(int refresh, int brush);
  void MarkModified();
  void AddCellArea(cPalettePaint& out, const cSheetExtents& sheets, int entry) const;

  template <class Visit>
  void VisitList(Visit visit) const;

  cPalettePanes& m_Panes;
  int m_nIndex;
  int32_t m_bStagePalette;
  int32_t m_nKind;
  int32_t m_nTopRow = 0;
  int32_t m_nClientHeight = kPaletteMaxClientHeight;
  cWheelStep m_Wheel;
  // What the window shows from its last paint.
  int32_t m_bAll = 1;
  int32_t m_nPaintedSel = -1;
  int32_t m_nPaintedClip = -1;
  int32_t m_nPaintedCount = -1;
  int32_t m_nPaintedTop = -1;
  int32_t m_nPaintedHeight = -1;
  cString m_strPaintedStatus;
};

class cPalettePanes {
public:
  cPalettePanes(cStageDoc& stage, cPaletteDoc& common, cStageEditState& state, cStageEditorHost& host);

  cPalettePane& Pane(int index) { return *m_vPane[static_cast<size_t>(index)]; }
  cPalettePane& PaneOf(int stagePalette, int kind) { return Pane(PaletteWndIndex(stagePalette, kind)); }
  cPalettePane& Twin(const cPalettePane& pane) { return Pane(TwinPaletteWnd(pane.Index())); }

  cStageDoc& m_Stage;
  cPaletteDoc& m_Common;
  cStageEditState& m_State;
  cStageEditorHost& m_Host;

private:
  std::vector<std::unique_ptr<cPalettePane>> m_vPane;
};

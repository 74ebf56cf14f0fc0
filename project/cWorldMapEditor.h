#pragma once
// What the world map window does to the world map and its edit state, apart from the window
// itself: painting chips with the brush, taking the brush by a right drag, placing and editing
// events, the popup commands, the clear commands, undo and redo, the modes, saving and the close
// prompt. The window feeds it the picture's size, the scroll positions, one cWorldMapMouse per
// mouse message and idle tick, and its command ids; every call answers with the refreshes the
// window then carries out (kWm... flags).

#include <cstdint>

#include "app/cStateStack.h"
#include "app/cString.h"
#include "project/cWorldMapDoc.h"
#include "project/cWorldMapEditState.h"

class cEditConfig;

// Command ids of the world map window's menu, toolbar, shared accelerators and event popup.
enum : int {
  kCmdWorldMapSaveKey = 40005,  // Ctrl+S of the shared accelerator table
  kCmdWorldMapSave = 40015,
  kCmdWorldMapRedoKey = 40010,
  kCmdWorldMapUndoKey = 40011,
  kCmdWorldMapUndo = 40052,
  kCmdWorldMapRedo = 40053,
  kCmdWorldMapExit = 40055,
  kCmdWorldMapSettings = 40056,
  kCmdWorldMapClearChips = 40066,
  kCmdWorldMapClearEvents = 40068,
  kCmdWorldMapChipButton = 40071,
  kCmdWorldMapEventButton = 40072,
  kCmdWorldMapChipMenu = 40073,
  kCmdWorldMapEventMenu = 40050,
  kCmdWorldEventEdit = 50059,
  kCmdWorldEventCut = 40038,
  kCmdWorldEventCopy = 40039,
  kCmdWorldEventPaste = 40040,
  kCmdWorldEventNew = 40028,
  kCmdWorldEventDelete = 40043,
};

// The mode menu items and toolbar buttons that are checked for each mode.
constexpr int kWorldMapModeMenuItems[2] = {kCmdWorldMapChipMenu, kCmdWorldMapEventMenu};
constexpr int kWorldMapModeButtons[2] = {kCmdWorldMapChipButton, kCmdWorldMapEventButton};

// What the window does after a call.
enum : unsigned {
  kWmHandled = 1u << 0,        // the command id was the editor's
  kWmRepaint = 1u << 1,        // the map picture and the status text
  kWmUndoButtons = 1u << 2,    // undo 40052 and redo 40053 (buttons and menu items) from CanUndo, CanRedo
  kWmModeShown = 1u << 3,      // mode checks (40073/40071 or 40050/40072) and the palette of Mode()
  kWmFocus = 1u << 4,          // the world map window takes the focus
  kWmChipPalette = 1u << 5,    // repaint the map chip palette
  kWmEventList = 1u << 6,      // redraw the event palette's template list
  kWmTemplateCopy = 1u << 7,   // the template list's copy buffer becomes the one event ClipEvent()
  kWmScrollRanges = 1u << 8,   // both scroll ranges from the map size, as on WM_SIZE
  kWmDragScroll = 1u << 9,     // scroll toward the mouse outside the picture, then SetScroll
};

// Run flags of the world event dialog.
enum : int { kWorldEventRunHideOthers = 2, kWorldEventRunDisableOthers = 4 };

// One mouse message or idle tick, as the window's mouse state records it before the message.
struct cWorldMapMouse {
  enum : int { kMove, kLeftDown, kLeftUp, kRightDown, kRightUp, kIdle };
  int m_nEvent = kMove;
  int32_t m_nX = 0;  // relative to the picture's top-left corner; may lie outside it
  int32_t m_nY = 0;
  int32_t m_bLeftHeld = 0;  // held during this message (a press holds it, its release clears it)
  int32_t m_bRightHeld = 0;
  int32_t m_bRightPressed = 0;   // edges since the previous update, read by the idle tick
  int32_t m_bRightReleased = 0;
};

// A scroll bar's range and page, in cells.
struct cScrollRange {
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  int32_t m_nPage = 0;
};

// Which popup items are enabled; "新規作成" always is.
struct cWorldEventPopup {
  int32_t m_bEdit = 0;  // also cut, copy and delete: an event stands on the cell
  int32_t m_bPaste = 0;
};

// The cursor frame in picture pixels and its pen colour.
struct cWorldMapFrame {
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  uint8_t m_byRed = 0;
  uint8_t m_byGreen = 0;
  uint8_t m_byBlue = 0;
};

// Where a placed event is drawn: a half-size cell of the event sheet with its number beside it.
struct cWorldEventMarker {
  int32_t m_bShown = 0;  // the event has a page and its cell lies in the picture
  int32_t m_nX = 0;  // corner of the 16 x 16 picture and its outline
  int32_t m_nY = 0;
  int32_t m_nSheetX = 0;  // the 32 x 32 cell of the event sheet
  int32_t m_nSheetY = 0;
  int32_t m_bNumber = 0;  // draw m_nNumber with "%d" at (m_nTextX, m_nY)
  int32_t m_nNumber = 0;
  int32_t m_nTextX = 0;
};

// The window's side of the modal world event dialog.
class cWorldMapView {
public:
  virtual ~cWorldMapView() = default;
  // Runs the dialog on the event; 1 for OK. Its OK goes through cWorldMapEditor::CommitEventEdit.
  virtual int RunEventDialog(cWorldEvent& event, int runFlags) = 0;
};

class cWorldMapEditor {
public:
  static constexpr int32_t kCellPixels = 32;

  // modified is the flag of unsaved world map changes; it is cleared here, as each opening starts.
  cWorldMapEditor(cWorldMapDoc& doc, cWorldMapEditState& state, cEditConfig& config, int32_t& modified,
                  cWorldMapView& view);

  // The picture's client size in pixels and the scroll bars' positions.
  void SetPictureSize(int32_t width, int32_t height);
  void SetScroll(int32_t x, int32_t y);
  int32_t ScrollX() const { return m_nScrollX; }
  int32_t ScrollY() const { return m_nScrollY; }
  cScrollRange HorizontalRange() const;
  cScrollRange VerticalRange() const;

  // The cursor cell of a picture position (clamped into the picture first) and its pixel corner.
  void SetCursor(int32_t x, int32_t y);
  const cStateRecord& Cursor() const { return m_Cursor; }
  int IsOutside(int32_t x, int32_t y) const;

  unsigned OnMouse(const cWorldMapMouse& mouse);
  // Follows a capture while the mouse is outside the picture.
  unsigned OnIdle(const cWorldMapMouse& mouse);
  // On a right click in mode 1: keeps the cell and its event for the popup; 0 in mode 0.
  int OpenPopup(cWorldEventPopup& popup);
  unsigned OnCommand(int id);

  unsigned Save();
  unsigned Undo();
  unsigned Redo();
  unsigned ClearChips();
  unsigned ClearEvents();
  unsigned SetMode(int32_t mode);
  unsigned ToggleMode();
  unsigned EditPopupEvent();
  unsigned CutPopupEvent();
  unsigned CopyPopupEvent();
  unsigned PastePopupEvent();
  unsigned NewPopupEvent();
  unsigned DeletePopupEvent();
  // After OK of the settings dialog: the size changed, so the history no longer fits.
  unsigned SettingsApplied();

  // Writes data\WorldMap.dat; a failure is told by path and leaves the modified flag set.
  int SaveMap();
  // The close prompt: 1 to close, 0 to stay open.
  int AskSave();

  // The state before a change, for undo.
  void Checkpoint();
  // The world event dialog's OK: a checkpoint, then the edited copy becomes the target.
  void CommitEventEdit(cWorldEvent& target, const cWorldEvent& edited);
  // The refreshes a dialog or palette run from outside the editor's calls left to do.
  unsigned TakeRefresh();

  int CanUndo() const;
  int CanRedo() const;
  int32_t Mode() const { return m_State.m_nMode; }
  const cWorldEvent& ClipEvent() const { return m_State.m_ClipEvent; }
  // "座標 (%d,%d)" with the cursor cell.
  cString StatusText() const;
  cWorldMapFrame CursorFrame() const;
  // The marker of a placed event, relative to the picture.
  cWorldEventMarker EventMarker(const cWorldEvent& event) const;

  cWorldMapDoc& Doc() { return m_Doc; }
  cWorldMapEditState& State() { return m_State; }
  cWorldMapView& View() { return m_View; }
  void SetModified() { m_bModified = 1; }

  void* m_pOwner = nullptr;  // the window that owns the editor's boxes
  cWorldEvent m_NewEvent;    // the event being placed or created

private:
  using tCommand = unsigned (cWorldMapEditor::*)();
  struct cCommand {
    int m_nId;
    tCommand m_pRun;
  };
  static const cCommand kCommands[];

  unsigned ChipMode() { return SetMode(cWorldMapEditState::kModeChips); }
  unsigned EventMode() { return SetMode(cWorldMapEditState::kModeEvents); }
  void PaintBrush();
  void PlaceAtCursor();
  void PlaceOnCell(int32_t x, int32_t y);
  void PrepareNewEvent(const cWorldEvent& source, int32_t x, int32_t y);
  void BeginCapture();
  void FinishCapture();
  void EndCapture();
  // The event under the popup while it is still one of the placed events.
  cWorldEvent* PopupEvent();
  unsigned EndPopup(unsigned refresh);
  int AskYesNo(const char* question);

  cWorldMapDoc& m_Doc;
  cWorldMapEditState& m_State;
  cEditConfig& m_Config;
  int32_t& m_bModified;
  cWorldMapView& m_View;
  int32_t m_nPictureWidth = 0;
  int32_t m_nPictureHeight = 0;
  int32_t m_nScrollX = 0;
  int32_t m_nScrollY = 0;
  cStateRecord m_Cursor;
  cStateRecord m_PopupCell;  // the cell the popup commands act on
  // The cell of a left stroke in mode 1 that was placed last: each cell is placed once a stroke.
  int32_t m_bStroke = 0;
  int32_t m_nStrokeX = 0;
  int32_t m_nStrokeY = 0;
  unsigned m_nRefresh = 0;  // refreshes collected since the last call returned
};

// The close prompt's texts and the clear commands' questions.
extern const char* const kWorldMapSaveQuestion;
extern const char* const kWorldMapSaveCaption;
extern const char* const kWorldMapClearChipsQuestion;
extern const char* const kWorldMapClearEventsQuestion;
extern const char* const kWorldMapClearCaption;

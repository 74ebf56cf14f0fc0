#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MessageBox.h"
#include "app/cEditConfig.h"
#include "project/cWorldMapEditor.h"
#include "project/cWorldMapPalettes.h"
#include "tests/support/TestSupport.h"

namespace {

using M = cWorldMapMouse;

// The world event dialog as a user answers it: OK commits the edited copy as the dialog's OK does.
class cFakeView : public cWorldMapView {
public:
  struct cRun {
    std::string m_strName;
    int32_t m_nX, m_nY;
    int m_nFlags;
  };
  cWorldMapEditor* m_pEditor = nullptr;
  std::vector<int> m_vAnswers;  // 1 OK, 0 Cancel; OK when empty
  std::function<void(cWorldEvent&)> m_fnEdit;
  std::vector<cRun> m_vRuns;

  int RunEventDialog(cWorldEvent& event, int runFlags) override {
    m_vRuns.push_back({event.m_strName, event.m_nX, event.m_nY, runFlags});
    int ok = 1;
    if (!m_vAnswers.empty()) {
      ok = m_vAnswers.front();
      m_vAnswers.erase(m_vAnswers.begin());
    }
    if (ok) {
      cWorldEvent edited = event;
      if (m_fnEdit) m_fnEdit(edited);
      m_pEditor->CommitEventEdit(event, edited);
    }
    return ok;
  }
};

class WorldMapEditor : public ::testing::Test {
protected:
  WorldMapEditor() {
    m_Doc.m_vTemplate[0].m_strName = "tmpl";
    State().Reset(m_Doc);
    m_View.m_pEditor = &m_Editor;
    m_Editor.SetPictureSize(640, 480);
    m_Config.m_bEditIfPlaced = 0;
    m_Config.m_bEditBeforePlacing = 0;
    m_Config.m_bAutoWorldNo = 0;
  }
  cWorldMapEditState& State() { return *m_pState; }

  unsigned Mouse(int event, int32_t x, int32_t y, int32_t left = 0, int32_t right = 0) {
    M mouse;
    mouse.m_nEvent = event;
    mouse.m_nX = x;
    mouse.m_nY = y;
    mouse.m_bLeftHeld = left;
    mouse.m_bRightHeld = right;
    return m_Editor.OnMouse(mouse);
  }
  // Pixel at the middle of a cell of the unscrolled picture.
  static int32_t Px(int32_t cell) { return cell * 32 + 16; }
  void LeftClick(int32_t x, int32_t y) {
    Mouse(M::kLeftDown, Px(x), Px(y), 1);
    Mouse(M::kLeftUp, Px(x), Px(y));
  }
  void RightDrag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    Mouse(M::kRightDown, Px(fromX), Px(fromY), 0, 1);
    Mouse(M::kMove, Px(toX), Px(toY), 0, 1);
    Mouse(M::kRightUp, Px(toX), Px(toY));
  }
  void Popup(int32_t x, int32_t y, cWorldEventPopup* popup = nullptr) {
    Mouse(M::kMove, Px(x), Px(y));
    cWorldEventPopup shown;
    ASSERT_EQ(m_Editor.OpenPopup(shown), 1);
    if (popup) *popup = shown;
  }
  static cWorldEvent World(const char* name, int32_t number) {
    cWorldEvent event;
    event.m_strName = name;
    event.m_vPage[0].m_nWorldNo = number;
    return event;
  }
  int32_t NumberAt(int32_t x, int32_t y) {
    cWorldEvent* event = m_Doc.FindEventAt(x, y);
    return event ? event->m_vPage[0].m_nWorldNo : -1;
  }

  cFakeShell m_Shell;
  cWorldMapDoc m_Doc;
  // The brush makes the state large: keep it off the stack.
  std::unique_ptr<cWorldMapEditState> m_pState = std::make_unique<cWorldMapEditState>();
  cEditConfig m_Config;
  int32_t m_bModified = 1;
  cFakeView m_View;
  cWorldMapEditor m_Editor{m_Doc, *m_pState, m_Config, m_bModified, m_View};
  cEventPaletteRules m_Palette{m_Editor};
};

class WorldMapEditorFile : public WorldMapEditor {
protected:
  void SetUp() override { std::filesystem::create_directory("data"); }
  cScratchFolder m_Folder;
};

}  // namespace

TEST_F(WorldMapEditor, OpeningClearsTheModifiedFlag) { EXPECT_EQ(m_bModified, 0); }

TEST_F(WorldMapEditor, CursorCellFollowsScrollAndClampsToThePicture) {
  struct cRow {
    int32_t m_nScrollX, m_nScrollY, m_nX, m_nY;
    int32_t m_nCellX, m_nCellY, m_nPixelX, m_nPixelY;
    int m_bOutside;
  };
  const cRow rows[] = {
      {0, 0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 31, 33, 0, 1, 0, 32, 0},
      {5, 3, 100, 70, 8, 5, 96, 64, 0},
      {0, 0, 639, 479, 19, 14, 608, 448, 0},
      {0, 0, -10, 500, 0, 14, 0, 448, 1},
      {2, 1, 700, -5, 21, 1, 608, 0, 1},
      // Scrolled to the end, cells beyond the map are possible.
      {19, 14, 639, 479, 38, 28, 608, 448, 0},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nX);
    m_Editor.SetScroll(row.m_nScrollX, row.m_nScrollY);
    m_Editor.SetCursor(row.m_nX, row.m_nY);
    EXPECT_EQ(m_Editor.Cursor().m_nX, row.m_nCellX);
    EXPECT_EQ(m_Editor.Cursor().m_nY, row.m_nCellY);
    EXPECT_EQ(m_Editor.Cursor().m_nPixelX, row.m_nPixelX);
    EXPECT_EQ(m_Editor.Cursor().m_nPixelY, row.m_nPixelY);
    EXPECT_EQ(m_Editor.IsOutside(row.m_nX, row.m_nY), row.m_bOutside);
  }
  EXPECT_EQ(m_Editor.StatusText(), "座標 (38,28)");
}

TEST_F(WorldMapEditor, ScrollRangesFollowTheMapSize) {
  m_Doc.SetSize(40, 30);
  m_Editor.SetPictureSize(200, 100);
  cScrollRange h = m_Editor.HorizontalRange(), v = m_Editor.VerticalRange();
  EXPECT_EQ(h.m_nMin, 0);
  EXPECT_EQ(h.m_nMax, 39);
  EXPECT_EQ(h.m_nPage, 6);
  EXPECT_EQ(v.m_nMax, 29);
  EXPECT_EQ(v.m_nPage, 3);
}

TEST_F(WorldMapEditor, PaintingTakesOneCheckpointPerStroke) {
  cMapChipPaletteRules::Select(State(), 7);
  unsigned refresh = Mouse(M::kLeftDown, Px(1), Px(1), 1);
  EXPECT_EQ(m_bModified, 1);
  EXPECT_TRUE(refresh & kWmUndoButtons);
  EXPECT_TRUE(refresh & kWmFocus);
  EXPECT_TRUE(refresh & kWmChipPalette);
  Mouse(M::kMove, Px(2), Px(1), 1);
  Mouse(M::kMove, Px(3), Px(2), 1);
  Mouse(M::kLeftUp, Px(3), Px(2));
  Mouse(M::kMove, Px(5), Px(5));
  EXPECT_EQ(m_Doc.ChipAt(1, 1), 7);
  EXPECT_EQ(m_Doc.ChipAt(2, 1), 7);
  EXPECT_EQ(m_Doc.ChipAt(3, 2), 7);
  EXPECT_EQ(m_Doc.ChipAt(5, 5), 0) << "a move without the button paints nothing";
  EXPECT_EQ(State().m_lUndoMap.size(), 1u);
  m_Editor.OnCommand(kCmdWorldMapUndo);
  EXPECT_EQ(m_Doc.ChipAt(1, 1), 0);
  EXPECT_EQ(m_Doc.ChipAt(3, 2), 0);
  // A chip past the table (the palette's empty cells) paints nothing.
  cMapChipPaletteRules::Select(State(), 12);
  LeftClick(4, 4);
  EXPECT_EQ(m_Doc.ChipAt(4, 4), 0);
}

TEST_F(WorldMapEditor, RightDragTakesTheBrush) {
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 5; ++x) m_Doc.ChipAt(x, y) = (x + y) % 10;
  cMapChipPaletteRules::Select(State(), 7);
  Mouse(M::kRightDown, Px(2), Px(3), 0, 1);
  EXPECT_EQ(State().m_nSelect, -1) << "the palette shows no selection";
  EXPECT_EQ(State().m_nCaptureState, 1);
  Mouse(M::kMove, Px(0), Px(1), 0, 1);
  cWorldMapFrame frame = m_Editor.CursorFrame();
  EXPECT_EQ(frame.m_nX, 0);
  EXPECT_EQ(frame.m_nY, 32);
  EXPECT_EQ(frame.m_nWidth, 96);
  EXPECT_EQ(frame.m_nHeight, 96);
  EXPECT_EQ(frame.m_byRed, 255);
  EXPECT_EQ(frame.m_byBlue, 128);
  Mouse(M::kRightUp, Px(0), Px(1));
  EXPECT_EQ(State().m_nBrushW, 3);
  EXPECT_EQ(State().m_nBrushH, 3);
  EXPECT_EQ(State().m_bCaptureActive, 0);
  EXPECT_EQ(State().m_nCaptureState, 0);
  for (int32_t r = 0; r < 3; ++r)
    for (int32_t c = 0; c < 3; ++c) EXPECT_EQ(State().m_anBrush[r][c], (c + 1 + r) % 10) << c << "," << r;
  frame = m_Editor.CursorFrame();
  EXPECT_EQ(frame.m_nWidth, 96);
  EXPECT_EQ(frame.m_byRed, 128);
  LeftClick(10, 10);
  for (int32_t r = 0; r < 3; ++r)
    for (int32_t c = 0; c < 3; ++c) EXPECT_EQ(m_Doc.ChipAt(10 + c, 10 + r), (c + 1 + r) % 10);
}

TEST_F(WorldMapEditor, CaptureBeyondTheMapPaintsOnlyItsMapCells) {
  m_Doc.ChipAt(18, 0) = 3;
  m_Doc.ChipAt(19, 1) = 4;
  m_Editor.SetScroll(10, 0);
  // Cells 18 .. 21 of rows 0 and 1: columns 20 and 21 lie beyond the map.
  RightDrag(8, 0, 11, 1);
  ASSERT_EQ(State().m_nBrushW, 4);
  ASSERT_EQ(State().m_nBrushH, 2);
  EXPECT_EQ(State().m_anBrush[0][2], cWorldMapEditState::kNoChip);
  EXPECT_EQ(State().m_anBrush[1][3], cWorldMapEditState::kNoChip);
  m_Editor.SetScroll(0, 0);
  for (int32_t x = 0; x < 4; ++x) m_Doc.ChipAt(x, 5) = 9;
  LeftClick(0, 5);
  EXPECT_EQ(m_Doc.ChipAt(0, 5), 3);
  EXPECT_EQ(m_Doc.ChipAt(1, 6), 4);
  EXPECT_EQ(m_Doc.ChipAt(2, 5), 9) << "brush cells from beyond the map leave the cell alone";
  EXPECT_EQ(m_Doc.ChipAt(3, 6), 0);
  EXPECT_EQ(m_Doc.ChipAt(3, 5), 9);
}

TEST_F(WorldMapEditor, BrushNeverOutgrowsItsCells) {
  m_Doc.SetSize(200, 150);
  m_Editor.SetPictureSize(640, 480);
  m_Editor.SetScroll(199, 149);
  Mouse(M::kRightDown, Px(19), Px(14), 0, 1);
  m_Editor.SetScroll(0, 0);
  Mouse(M::kRightUp, 0, 0);
  EXPECT_EQ(State().m_nBrushW, cWorldMapEditState::kBrushColumns);
  EXPECT_EQ(State().m_nBrushH, cWorldMapEditState::kBrushRows);
  LeftClick(0, 0);
  EXPECT_EQ(m_Doc.m_vMap.size(), 256u * 150);
}

TEST_F(WorldMapEditor, CaptureOutsideThePictureFollowsTheIdleTick) {
  M outside;
  outside.m_nEvent = M::kIdle;
  outside.m_nX = 700;
  outside.m_nY = 40;
  outside.m_bRightHeld = 1;
  EXPECT_EQ(m_Editor.OnIdle(outside), 0u) << "no capture, nothing to follow";
  m_Doc.ChipAt(19, 1) = 6;
  Mouse(M::kRightDown, Px(18), Px(1), 0, 1);
  EXPECT_EQ(m_Editor.OnIdle(outside), kWmDragScroll | kWmRepaint);
  EXPECT_EQ(m_Editor.Cursor().m_nX, 19);
  outside.m_bRightHeld = 0;
  outside.m_bRightReleased = 1;
  EXPECT_EQ(m_Editor.OnIdle(outside), unsigned{kWmRepaint});
  EXPECT_EQ(State().m_bCaptureActive, 0);
  EXPECT_EQ(State().m_nBrushW, 2);
  EXPECT_EQ(State().m_anBrush[0][1], 6);
  // A new press outside ends a capture without taking anything.
  Mouse(M::kRightDown, Px(0), Px(0), 0, 1);
  outside.m_bRightReleased = 0;
  outside.m_bRightPressed = 1;
  m_Editor.OnIdle(outside);
  EXPECT_EQ(State().m_bCaptureActive, 0);
  EXPECT_EQ(State().m_nBrushW, 2);
  // Inside the picture the mouse messages do the work.
  Mouse(M::kRightDown, Px(0), Px(0), 0, 1);
  outside.m_nX = 20;
  EXPECT_EQ(m_Editor.OnIdle(outside), 0u);
}

TEST_F(WorldMapEditor, PlacingFollowsTheEventPaletteOptions) {
  struct cRow {
    const char* m_pWhat;
    int32_t m_bEditIfPlaced, m_bEditBeforePlacing, m_bAuto, m_bEventOnCell, m_bAnswer;
    size_t m_nDialogs, m_nCheckpoints;
    const char* m_pNameOnCell;  // after the click
    int32_t m_nNumberOnCell;
  };
  const cRow rows[] = {
      {"plain", 0, 0, 0, 0, 1, 0, 1, "tmpl", 0},
      {"plain over an event", 0, 0, 0, 1, 1, 0, 1, "tmpl", 0},
      {"automatic number", 0, 0, 1, 0, 1, 0, 1, "tmpl", 2},
      {"automatic number leaves out the cell's event", 0, 0, 1, 1, 1, 0, 1, "tmpl", 2},
      {"edit before placing", 0, 1, 0, 0, 1, 1, 1, "tmpl*", 0},
      {"edit before placing, cancelled", 0, 1, 0, 0, 0, 1, 0, nullptr, 0},
      {"edit before placing over an event, cancelled", 0, 1, 0, 1, 0, 1, 0, "old", 2},
      {"edit if placed on an empty cell", 1, 0, 0, 0, 1, 0, 1, "tmpl", 0},
      {"edit if placed", 1, 0, 0, 1, 1, 1, 1, "old*", 2},
      {"edit if placed, cancelled", 1, 1, 1, 1, 0, 1, 0, "old", 2},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_pWhat);
    m_Doc.m_vEvent.clear();
    cWorldEvent elsewhere = World("other", 1);
    m_Doc.PlaceEvent(elsewhere, 0, 0);
    if (row.m_bEventOnCell) {
      cWorldEvent old = World("old", 2);
      m_Doc.PlaceEvent(old, 4, 5);
    }
    m_Config.m_bEditIfPlaced = row.m_bEditIfPlaced;
    m_Config.m_bEditBeforePlacing = row.m_bEditBeforePlacing;
    m_Config.m_bAutoWorldNo = row.m_bAuto;
    State().ClearUndo();
    m_View.m_vRuns.clear();
    m_View.m_vAnswers = {row.m_bAnswer};
    m_View.m_fnEdit = [](cWorldEvent& event) { event.m_strName += "*"; };
    State().SetMode(1);
    m_bModified = 0;
    LeftClick(4, 5);
    EXPECT_EQ(m_bModified, 1);
    ASSERT_EQ(m_View.m_vRuns.size(), row.m_nDialogs);
    if (row.m_nDialogs) {
      EXPECT_EQ(m_View.m_vRuns[0].m_nFlags, kWorldEventRunDisableOthers);
    }
    EXPECT_EQ(State().m_lUndoMap.size(), row.m_nCheckpoints);
    cWorldEvent* onCell = m_Doc.FindEventAt(4, 5);
    if (!row.m_pNameOnCell) {
      EXPECT_EQ(onCell, nullptr);
      continue;
    }
    ASSERT_NE(onCell, nullptr);
    EXPECT_EQ(onCell->m_strName, row.m_pNameOnCell);
    EXPECT_EQ(onCell->m_vPage[0].m_nWorldNo, row.m_nNumberOnCell);
    EXPECT_EQ(m_Doc.m_vEvent.size(), 2u);
  }
}

TEST_F(WorldMapEditor, DraggingPlacesOnceOnEveryCellPassed) {
  m_Config.m_bAutoWorldNo = 1;
  m_Editor.OnCommand(kCmdWorldMapEventButton);
  Mouse(M::kLeftDown, Px(1), Px(1), 1);
  Mouse(M::kMove, Px(1) + 5, Px(1), 1);
  Mouse(M::kMove, Px(2), Px(1), 1);
  Mouse(M::kMove, Px(2) + 3, Px(1) + 3, 1);
  Mouse(M::kMove, Px(3), Px(2), 1);
  Mouse(M::kLeftUp, Px(3), Px(2));
  ASSERT_EQ(m_Doc.m_vEvent.size(), 3u);
  EXPECT_EQ(NumberAt(1, 1), 1);
  EXPECT_EQ(NumberAt(2, 1), 2);
  EXPECT_EQ(NumberAt(3, 2), 3);
  EXPECT_EQ(State().m_lUndoMap.size(), 1u) << "one checkpoint for the stroke";
  // A new stroke on a placed cell places there again, replacing its event.
  LeftClick(2, 1);
  EXPECT_EQ(m_Doc.m_vEvent.size(), 3u);
  EXPECT_EQ(NumberAt(2, 1), 2);
  // With edit-before-placing, a button still held after the dialog does not reopen it in that cell.
  m_Config.m_bEditBeforePlacing = 1;
  Mouse(M::kLeftDown, Px(6), Px(6), 1);
  Mouse(M::kMove, Px(6) + 9, Px(6) + 9, 1);
  EXPECT_EQ(m_View.m_vRuns.size(), 1u);
  Mouse(M::kMove, Px(7), Px(6), 1);
  EXPECT_EQ(m_View.m_vRuns.size(), 2u);
  EXPECT_EQ(m_View.m_vRuns[1].m_nX, 7);
  Mouse(M::kLeftUp, Px(7), Px(6));
  EXPECT_EQ(NumberAt(7, 6), 5);
}

TEST_F(WorldMapEditor, NothingIsPlacedWithoutATemplateOrBeyondTheMap) {
  m_Editor.SetMode(1);
  State().m_nSelect = -1;
  unsigned refresh = Mouse(M::kLeftDown, Px(1), Px(1), 1);
  EXPECT_TRUE(refresh & kWmEventList);
  EXPECT_EQ(m_Doc.m_vEvent.size(), 0u);
  State().m_nSelect = 0;
  m_Editor.SetScroll(10, 10);
  LeftClick(15, 12);
  EXPECT_EQ(m_Doc.m_vEvent.size(), 0u) << "cell (25, 22) lies beyond the map";
}

TEST_F(WorldMapEditor, PopupCommandsActOnTheClickedCell) {
  m_Config.m_bAutoWorldNo = 1;
  m_Editor.SetMode(1);
  cWorldMapEditState& state = State();
  cWorldEventPopup popup;
  ASSERT_NO_FATAL_FAILURE(Popup(3, 3, &popup));
  EXPECT_EQ(popup.m_bEdit, 0);
  EXPECT_EQ(popup.m_bPaste, 0);
  cWorldEvent placed = World("placed", 1);
  m_Doc.PlaceEvent(placed, 3, 3);
  ASSERT_NO_FATAL_FAILURE(Popup(3, 3, &popup));
  EXPECT_EQ(popup.m_bEdit, 1);
  // The mouse moves on while the menu is open: the command keeps the clicked cell.
  Mouse(M::kMove, Px(8), Px(8));
  unsigned refresh = m_Editor.OnCommand(kCmdWorldEventCopy);
  EXPECT_TRUE(refresh & kWmHandled);
  EXPECT_TRUE(refresh & kWmTemplateCopy);
  EXPECT_EQ(state.m_bClipboard, 1);
  EXPECT_EQ(m_Editor.ClipEvent().m_strName, "placed");
  EXPECT_EQ(state.m_pPopupEvent, nullptr);
  ASSERT_NO_FATAL_FAILURE(Popup(5, 4, &popup));
  EXPECT_EQ(popup.m_bPaste, 1);
  m_bModified = 0;
  m_Editor.OnCommand(kCmdWorldEventPaste);
  EXPECT_EQ(m_bModified, 1);
  ASSERT_NE(m_Doc.FindEventAt(5, 4), nullptr);
  EXPECT_EQ(m_Doc.FindEventAt(5, 4)->m_strName, "placed");
  EXPECT_EQ(NumberAt(5, 4), 2) << "a pasted world gets the free number";
  ASSERT_NO_FATAL_FAILURE(Popup(3, 3));
  refresh = m_Editor.OnCommand(kCmdWorldEventCut);
  EXPECT_TRUE(refresh & kWmTemplateCopy);
  EXPECT_EQ(m_Doc.FindEventAt(3, 3), nullptr);
  EXPECT_EQ(state.m_lUndoMap.size(), 2u);
  ASSERT_NO_FATAL_FAILURE(Popup(5, 4));
  m_Editor.OnCommand(kCmdWorldEventDelete);
  EXPECT_EQ(m_Doc.m_vEvent.size(), 0u);
  EXPECT_EQ(state.m_lUndoMap.size(), 3u);
  m_Editor.OnCommand(kCmdWorldMapUndo);
  m_Editor.OnCommand(kCmdWorldMapUndo);
  EXPECT_NE(m_Doc.FindEventAt(3, 3), nullptr) << "undo brings the cut event back";
  // Deleting on an empty cell takes no checkpoint.
  size_t redo = state.m_lRedoMap.size();
  ASSERT_NO_FATAL_FAILURE(Popup(9, 9));
  m_Editor.OnCommand(kCmdWorldEventDelete);
  EXPECT_EQ(state.m_lRedoMap.size(), redo);
}

TEST_F(WorldMapEditor, PopupEditAndNewRunTheDialog) {
  m_Config.m_bAutoWorldNo = 1;
  m_Editor.SetMode(1);
  cWorldEvent placed = World("placed", 1);
  m_Doc.PlaceEvent(placed, 2, 2);
  m_View.m_fnEdit = [](cWorldEvent& event) { event.m_strName = "edited"; };
  ASSERT_NO_FATAL_FAILURE(Popup(2, 2));
  m_View.m_vAnswers = {0};
  m_Editor.OnCommand(kCmdWorldEventEdit);
  EXPECT_EQ(m_Doc.FindEventAt(2, 2)->m_strName, "placed") << "Cancel leaves the event";
  EXPECT_EQ(State().m_lUndoMap.size(), 0u) << "and takes no checkpoint";
  ASSERT_NO_FATAL_FAILURE(Popup(2, 2));
  m_bModified = 0;
  unsigned refresh = m_Editor.OnCommand(kCmdWorldEventEdit);
  EXPECT_TRUE(refresh & kWmUndoButtons);
  EXPECT_EQ(m_Doc.FindEventAt(2, 2)->m_strName, "edited");
  EXPECT_EQ(State().m_lUndoMap.size(), 1u);
  EXPECT_EQ(m_bModified, 1);
  // "新規作成": a default event on the cell with the free number; Cancel still counts as a change.
  ASSERT_NO_FATAL_FAILURE(Popup(6, 1));
  m_View.m_vAnswers = {0};
  m_bModified = 0;
  m_Editor.OnCommand(kCmdWorldEventNew);
  EXPECT_EQ(m_Doc.FindEventAt(6, 1), nullptr);
  EXPECT_EQ(m_bModified, 1);
  ASSERT_NO_FATAL_FAILURE(Popup(6, 1));
  m_View.m_fnEdit = nullptr;
  m_Editor.OnCommand(kCmdWorldEventNew);
  ASSERT_EQ(m_View.m_vRuns.size(), 4u);
  EXPECT_EQ(m_View.m_vRuns[3].m_strName, "");
  EXPECT_EQ(m_View.m_vRuns[3].m_nX, 6);
  EXPECT_EQ(NumberAt(6, 1), 2);
}

TEST_F(WorldMapEditor, APopupOnlyOpensInEventMode) {
  cWorldEventPopup popup;
  EXPECT_EQ(m_Editor.OpenPopup(popup), 0);
  // Without an open popup the commands find no event.
  m_Editor.OnCommand(kCmdWorldEventDelete);
  m_Editor.OnCommand(kCmdWorldEventEdit);
  EXPECT_EQ(m_View.m_vRuns.size(), 0u);
}

TEST_F(WorldMapEditor, ATemplateCopiedInThePalettePastesOnTheMap) {
  m_Editor.SetMode(1);
  m_Palette.TakeListCopy(m_Doc.m_vTemplate[0]);
  ASSERT_NO_FATAL_FAILURE(Popup(7, 2));
  m_Editor.OnCommand(kCmdWorldEventPaste);
  ASSERT_NE(m_Doc.FindEventAt(7, 2), nullptr);
  EXPECT_EQ(m_Doc.FindEventAt(7, 2)->m_strName, "tmpl");
}

TEST_F(WorldMapEditor, ClearCommandsAskFirst) {
  struct cRow {
    int m_nCommand;
    const char* m_pQuestion;
    int m_nAnswer;
    int32_t m_nChipAfter;
    size_t m_nEventsAfter;
  };
  const cRow rows[] = {
      {kCmdWorldMapClearChips, "全てのマップチップをクリアしますか？", kIdNo, 5, 1},
      {kCmdWorldMapClearChips, "全てのマップチップをクリアしますか？", kIdYes, 0, 1},
      {kCmdWorldMapClearEvents, "全てのイベントをクリアしますか？", kIdNo, 5, 1},
      {kCmdWorldMapClearEvents, "全てのイベントをクリアしますか？", kIdYes, 5, 0},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_pQuestion);
    m_Doc.ChipAt(1, 2) = 5;
    m_Doc.PlaceEvent(m_Doc.m_vTemplate[0], 1, 2);
    State().ClearUndo();
    m_bModified = 0;
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {row.m_nAnswer};
    m_Editor.OnCommand(row.m_nCommand);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, row.m_pQuestion);
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "データクリアの確認");
    EXPECT_EQ(m_Shell.m_vBoxes[0].m_nType, unsigned{kMbYesNo});
    EXPECT_EQ(m_Doc.ChipAt(1, 2), row.m_nChipAfter);
    EXPECT_EQ(m_Doc.m_vEvent.size(), row.m_nEventsAfter);
    int yes = row.m_nAnswer == kIdYes;
    EXPECT_EQ(m_bModified, yes);
    EXPECT_EQ(m_Editor.CanUndo(), yes);
  }
}

TEST_F(WorldMapEditor, UndoAndRedoCommands) {
  m_bModified = 0;
  unsigned refresh = m_Editor.OnCommand(kCmdWorldMapUndoKey);
  EXPECT_EQ(m_bModified, 1) << "undo counts as a change even with nothing to undo";
  EXPECT_TRUE(refresh & kWmUndoButtons);
  EXPECT_EQ(m_Editor.CanUndo(), 0);
  cMapChipPaletteRules::Select(State(), 1);
  for (int32_t x = 0; x < 4; ++x) LeftClick(x, 0);
  EXPECT_EQ(m_Editor.CanUndo(), 1);
  const int undo[] = {kCmdWorldMapUndo, kCmdWorldMapUndoKey, kCmdWorldMapUndo, kCmdWorldMapUndo};
  for (int command : undo) m_Editor.OnCommand(command);
  EXPECT_EQ(m_Doc.ChipAt(0, 0), 1) << "three steps only";
  EXPECT_EQ(m_Doc.ChipAt(1, 0), 0);
  EXPECT_EQ(m_Editor.CanUndo(), 0);
  EXPECT_EQ(m_Editor.CanRedo(), 1);
  m_Editor.OnCommand(kCmdWorldMapRedo);
  m_Editor.OnCommand(kCmdWorldMapRedoKey);
  EXPECT_EQ(m_Doc.ChipAt(2, 0), 1);
  EXPECT_EQ(m_Doc.ChipAt(3, 0), 0);
  EXPECT_EQ(m_Editor.OnCommand(kCmdWorldMapSettings), 0u) << "the window runs the settings itself";
}

TEST_F(WorldMapEditor, ModeCommandsKeepEachModesBrush) {
  struct cRow {
    int m_nCommand;
    int32_t m_nMode;
  };
  const cRow rows[] = {{kCmdWorldMapEventButton, 1}, {kCmdWorldMapChipMenu, 0}, {kCmdWorldMapEventMenu, 1},
                       {kCmdWorldMapChipButton, 0}};
  for (const cRow& row : rows) {
    unsigned refresh = m_Editor.OnCommand(row.m_nCommand);
    EXPECT_EQ(m_Editor.Mode(), row.m_nMode);
    int checked[] = {kWorldMapModeMenuItems[row.m_nMode], kWorldMapModeButtons[row.m_nMode]};
    EXPECT_TRUE(checked[0] == row.m_nCommand || checked[1] == row.m_nCommand);
    EXPECT_EQ(refresh & (kWmHandled | kWmModeShown | kWmFocus), kWmHandled | kWmModeShown | kWmFocus);
  }
  RightDrag(0, 0, 2, 1);
  m_Editor.ToggleMode();
  EXPECT_EQ(State().m_nBrushW, 1) << "mode 1 keeps its own brush";
  m_Editor.ToggleMode();
  EXPECT_EQ(State().m_nBrushW, 3);
  // A mode change in the middle of a capture ends it.
  Mouse(M::kRightDown, Px(4), Px(4), 0, 1);
  m_Editor.SetMode(1);
  EXPECT_EQ(State().m_bCaptureActive, 0);
  m_Editor.SetMode(0);
  EXPECT_EQ(State().m_nCaptureState, 0);
  EXPECT_EQ(State().m_nBrushW, 3);
}

TEST_F(WorldMapEditor, EventMarkers) {
  struct cRow {
    int32_t m_nX, m_nY, m_nType, m_nNumber, m_nGraphic;
    int32_t m_bShown, m_nMarkX, m_nMarkY, m_nSheetX, m_nSheetY, m_bNumber, m_nTextX;
  };
  const cRow rows[] = {
      {3, 2, 0, 7, 2, 1, 96 + 15 - 32, 64 + 1 - 32, 0, 64, 1, 96 + 15 - 32 + 4},
      {3, 2, 0, 42, 0, 1, 79, 33, 0, 0, 1, 79},
      {3, 2, 0, 999, 0, 1, 79, 33, 0, 0, 1, 71},
      {3, 2, 0, 0, 1, 1, 79, 33, 32, 32, 0, 83},
      {3, 2, 1, 5, 0, 1, 79, 33, 0, 0, 0, 83},
      {0, 5, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0},
      {21, 16, 0, 5, 0, 1, 20 * 32 + 15, 15 * 32 + 1, 0, 0, 1, 20 * 32 + 19},
      {22, 5, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0},
  };
  m_Editor.SetScroll(1, 1);
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nNumber);
    cWorldEvent event;
    event.m_nX = row.m_nX;
    event.m_nY = row.m_nY;
    event.m_vPage[0].m_nType = row.m_nType;
    event.m_vPage[0].m_nWorldNo = row.m_nNumber;
    event.m_vPage[0].m_nGraphic = row.m_nGraphic;
    cWorldEventMarker marker = m_Editor.EventMarker(event);
    EXPECT_EQ(marker.m_bShown, row.m_bShown);
    if (!row.m_bShown) continue;
    EXPECT_EQ(marker.m_nX, row.m_nMarkX);
    EXPECT_EQ(marker.m_nY, row.m_nMarkY);
    EXPECT_EQ(marker.m_nSheetX, row.m_nSheetX);
    EXPECT_EQ(marker.m_nSheetY, row.m_nSheetY);
    EXPECT_EQ(marker.m_bNumber, row.m_bNumber);
    EXPECT_EQ(marker.m_nTextX, row.m_nTextX);
  }
  cWorldEvent pageless;
  pageless.m_vPage.clear();
  pageless.m_nX = 2;
  pageless.m_nY = 2;
  EXPECT_EQ(m_Editor.EventMarker(pageless).m_bShown, 0);
}

TEST_F(WorldMapEditor, SettingsAppliedPullsTheMapTogether) {
  ASSERT_EQ(m_Doc.SetSize(200, 150), 1);
  EXPECT_EQ(m_Doc.m_nPitch, 256);
  m_Doc.m_nStartX = 199;
  m_Doc.m_nStartY = 149;
  m_Editor.SettingsApplied();
  EXPECT_EQ(m_Doc.m_nStartX, 199);
  cWorldEvent far = World("far", 1), near = World("near", 2);
  m_Doc.PlaceEvent(far, 150, 3);
  m_Doc.PlaceEvent(near, 19, 14);
  LeftClick(0, 0);
  ASSERT_EQ(m_Editor.CanUndo(), 1);
  ASSERT_EQ(m_Doc.SetSize(20, 15), 1);
  m_bModified = 0;
  unsigned refresh = m_Editor.SettingsApplied();
  EXPECT_EQ(m_Doc.m_nStartX, 19);
  EXPECT_EQ(m_Doc.m_nStartY, 14);
  ASSERT_EQ(m_Doc.m_vEvent.size(), 1u);
  EXPECT_EQ(m_Doc.m_vEvent[0].m_strName, "near");
  EXPECT_EQ(m_Editor.CanUndo(), 0) << "the history does not fit the new size";
  EXPECT_EQ(m_bModified, 1);
  unsigned expected = kWmScrollRanges | kWmUndoButtons | kWmChipPalette | kWmEventList;
  EXPECT_EQ(refresh & expected, expected);
}

TEST_F(WorldMapEditorFile, SaveClearsTheFlagOnlyWhenTheFileIsWritten) {
  m_Doc.ChipAt(2, 2) = 4;
  m_bModified = 1;
  m_Editor.OnCommand(kCmdWorldMapSaveKey);
  EXPECT_EQ(m_bModified, 0);
  cWorldMapDoc saved;
  ASSERT_EQ(saved.LoadFile("data\\WorldMap.dat"), 1);
  EXPECT_EQ(saved.ChipAt(2, 2), 4);
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
  // A save that cannot be written is told by path and leaves the flag set.
  std::filesystem::create_directory(HostPath("data\\WorldMap.dat.~tmp"));
  m_Doc.ChipAt(2, 2) = 5;
  m_bModified = 1;
  m_Editor.OnCommand(kCmdWorldMapSave);
  EXPECT_EQ(m_bModified, 1);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText,
            "ワールドマップ data\\WorldMap.dat の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  ASSERT_EQ(saved.LoadFile("data\\WorldMap.dat"), 1);
  EXPECT_EQ(saved.ChipAt(2, 2), 4);
}

TEST_F(WorldMapEditorFile, ClosePrompt) {
  struct cRow {
    const char* m_pWhat;
    int32_t m_bModified;
    int m_nAnswer;
    int m_bSaveFails;
    int m_nClose;
    size_t m_nBoxes;
    int32_t m_nChipInMemory, m_nChipInFile, m_bModifiedAfter;
  };
  const cRow rows[] = {
      {"unchanged", 0, 0, 0, 1, 0, 6, 1, 0},
      {"yes saves", 1, kIdYes, 0, 1, 1, 6, 6, 0},
      {"yes with a failed save stays", 1, kIdYes, 1, 0, 2, 6, 1, 1},
      {"no reloads the file", 1, kIdNo, 0, 1, 1, 1, 1, 1},
      {"cancel stays", 1, kIdCancel, 0, 0, 1, 6, 1, 1},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_pWhat);
    std::filesystem::remove_all(HostPath("data\\WorldMap.dat.~tmp"));
    m_Doc.ChipAt(0, 0) = 1;
    ASSERT_EQ(m_Doc.SaveFile("data\\WorldMap.dat"), 1);
    m_Doc.ChipAt(0, 0) = 6;
    if (row.m_bSaveFails) std::filesystem::create_directory(HostPath("data\\WorldMap.dat.~tmp"));
    m_bModified = row.m_bModified;
    m_Shell.m_vBoxes.clear();
    m_Shell.m_vAnswers = {row.m_nAnswer};
    EXPECT_EQ(m_Editor.AskSave(), row.m_nClose);
    ASSERT_EQ(m_Shell.m_vBoxes.size(), row.m_nBoxes);
    if (row.m_nBoxes) {
      EXPECT_EQ(m_Shell.m_vBoxes[0].m_strText, "ワールドマップが変更された可能性があります。\n保存しますか？");
      EXPECT_EQ(m_Shell.m_vBoxes[0].m_strCaption, "保存確認");
      EXPECT_EQ(m_Shell.m_vBoxes[0].m_nType, unsigned{kMbYesNoCancel});
    }
    EXPECT_EQ(m_Doc.ChipAt(0, 0), row.m_nChipInMemory);
    cWorldMapDoc file;
    ASSERT_EQ(file.LoadFile("data\\WorldMap.dat"), 1);
    EXPECT_EQ(file.ChipAt(0, 0), row.m_nChipInFile);
    EXPECT_EQ(m_bModified, row.m_bModifiedAfter);
  }
}

TEST_F(WorldMapEditorFile, ANoWhoseReloadFailsIsTold) {
  m_Doc.ChipAt(0, 0) = 6;
  m_bModified = 1;
  m_Shell.m_vAnswers = {kIdNo};
  EXPECT_EQ(m_Editor.AskSave(), 1);
  ASSERT_EQ(m_Shell.m_vBoxes.size(), 2u);
  EXPECT_EQ(m_Shell.m_vBoxes[1].m_strText.rfind("data\\WorldMap.dat の読み込みに失敗しました！", 0), 0u);
  EXPECT_EQ(m_Doc.ChipAt(0, 0), 6) << "a failed load keeps the document";
}

TEST(MapChipPalette, ClickArithmetic) {
  struct cRow {
    int32_t m_nX, m_nY, m_nScrollRow, m_nChip;
  };
  const cRow rows[] = {
      {0, 0, 0, 0}, {31, 31, 0, 0}, {32, 0, 0, 1}, {159, 0, 0, 4}, {0, 32, 0, 5},
      {100, 40, 0, 8}, {100, 40, 1, 13}, {170, 0, 0, 4},  // right of the fifth column stays in the row
  };
  for (const cRow& row : rows)
    EXPECT_EQ(cMapChipPaletteRules::ChipAt(row.m_nX, row.m_nY, row.m_nScrollRow), row.m_nChip) << row.m_nX;
  int32_t x = 0, y = 0;
  cMapChipPaletteRules::FrameAt(7, 0, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
  cMapChipPaletteRules::FrameAt(7, 1, x, y);
  EXPECT_EQ(y, 0);
  ChipSheetCell(7, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
}

TEST(MapChipPalette, SelectionMakesASingleChipBrushAndItsStatus) {
  cWorldMapDoc doc;
  auto state = std::make_unique<cWorldMapEditState>();
  state->m_nBrushW = 3;
  state->m_nBrushH = 2;
  cMapChipPaletteRules::Select(*state, cMapChipPaletteRules::ChipAt(70, 40, 0));
  EXPECT_EQ(state->m_nSelect, 7);
  EXPECT_EQ(state->m_anBrush[0][0], 7);
  EXPECT_EQ(state->m_nBrushW, 1);
  EXPECT_EQ(state->m_nBrushH, 1);
  struct cRow {
    int32_t m_nSelect;
    const char* m_pText;
  };
  const cRow rows[] = {{7, "7 : 通行可"}, {0, "0 : 通行不可"}, {9, "9 : 通行可"}, {10, ""}, {-1, ""}};
  for (const cRow& row : rows) EXPECT_EQ(cMapChipPaletteRules::StatusText(doc, row.m_nSelect), row.m_pText);
  EXPECT_EQ(cMapChipPaletteRules::RowCount(doc), 2);
  doc.m_vChipDef.resize(11);
  EXPECT_EQ(cMapChipPaletteRules::RowCount(doc), 3);
}

TEST_F(WorldMapEditor, EventPaletteTemplateCountStaysWithinOneAndNinetyNine) {
  EXPECT_EQ(m_Palette.Delete(0), 0);
  EXPECT_EQ(m_Shell.m_nBeeps, 1) << "the last template only beeps";
  EXPECT_EQ(m_Doc.m_vTemplate.size(), 1u);
  struct cRow {
    int m_nCount, m_nResult;
    size_t m_nSize;
  };
  const cRow rows[] = {{0, 0, 1}, {99, 1, 99}, {100, 0, 99}, {-1, 0, 99}, {1, 1, 1}, {3, 1, 3}};
  for (const cRow& row : rows) {
    EXPECT_EQ(m_Palette.SetCount(row.m_nCount), row.m_nResult) << row.m_nCount;
    EXPECT_EQ(m_Doc.m_vTemplate.size(), row.m_nSize) << row.m_nCount;
  }
  EXPECT_EQ(m_Doc.m_vTemplate[0].m_strName, "tmpl");
  EXPECT_EQ(m_Doc.m_vTemplate[2].m_strName, "") << "new rows are default events";
  EXPECT_EQ(m_Doc.m_vTemplate[2].m_vPage.size(), 1u);
  EXPECT_EQ(m_Palette.Insert(1), 1);
  EXPECT_EQ(m_Palette.Insert(50), 4) << "past the end appends";
  EXPECT_EQ(m_Palette.Delete(4), 1);
  EXPECT_EQ(m_Palette.Delete(7), 0);
  EXPECT_EQ(m_Shell.m_nBeeps, 2);
  m_Palette.SetCount(99);
  EXPECT_EQ(m_Palette.Insert(0), -1);
  EXPECT_EQ(m_Shell.m_nBeeps, 3);
  EXPECT_EQ(m_Doc.m_vTemplate.size(), 99u);
  EXPECT_EQ(cEventPaletteRules::RowText(m_Doc.m_vTemplate[0]), "tmpl");
}

TEST_F(WorldMapEditor, EventPaletteInsertingEditsTheNewTemplate) {
  m_View.m_fnEdit = [](cWorldEvent& event) { event.m_strName = "edited"; };
  m_View.m_vAnswers = {0};
  EXPECT_EQ(m_Palette.InsertAndEdit(0), -1);
  ASSERT_EQ(m_Doc.m_vTemplate.size(), 1u) << "a cancelled insert leaves the list as it was";
  EXPECT_EQ(m_Doc.m_vTemplate[0].m_strName, "tmpl");
  EXPECT_EQ(m_Palette.InsertAndEdit(0), 0);
  ASSERT_EQ(m_Doc.m_vTemplate.size(), 2u);
  EXPECT_EQ(m_Doc.m_vTemplate[0].m_strName, "edited");
  ASSERT_EQ(m_View.m_vRuns.size(), 2u);
  EXPECT_EQ(m_View.m_vRuns[0].m_nFlags, kWorldEventRunHideOthers);
  EXPECT_EQ(m_View.m_vRuns[1].m_nFlags, kWorldEventRunHideOthers);
  EXPECT_EQ(m_bModified, 1) << "the dialog's OK";
  EXPECT_TRUE(m_Editor.TakeRefresh() & kWmUndoButtons) << "left for the palette to hand on";
  EXPECT_EQ(m_Editor.CanUndo(), 1) << "and its checkpoint";
  EXPECT_EQ(m_Palette.Edit(1), 1);
  EXPECT_EQ(m_Doc.m_vTemplate[1].m_strName, "edited");
  EXPECT_EQ(m_Palette.Edit(-1), 0);
  EXPECT_EQ(m_View.m_vRuns.size(), 3u);
}

TEST_F(WorldMapEditor, EventPaletteSelectionBecomesTheCurrentEvent) {
  m_Palette.SetCount(3);
  m_Doc.m_vTemplate[2].m_strName = "third";
  m_Palette.UpdateSelection(2);
  EXPECT_EQ(State().m_nPaletteRow, 2);
  EXPECT_EQ(State().m_nSelect, 2);
  EXPECT_EQ(State().m_CurEvent.m_strName, "third");
  EXPECT_EQ(State().m_nBrushW, 1);
  EXPECT_EQ(m_bModified, 1) << "every palette action counts as a change";
  m_bModified = 0;
  m_Palette.UpdateSelection(-1);
  EXPECT_EQ(State().m_nSelect, -1);
  EXPECT_EQ(State().m_nPaletteRow, -1);
  EXPECT_EQ(State().m_nBrushW, 0);
  EXPECT_EQ(State().m_nBrushH, 0);
  EXPECT_EQ(State().m_CurEvent.m_strName, "third");
  EXPECT_EQ(m_bModified, 1);
  m_Palette.TakeListCopy(m_Doc.m_vTemplate[2]);
  EXPECT_EQ(State().m_bClipboard, 1);
  EXPECT_EQ(State().m_ClipEvent.m_strName, "third");
}

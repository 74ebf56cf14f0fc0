// A data sheet's edit of a placed object in the real stage editor: its undo step is the editor's,
// so the editor's undo and redo menu items and toolbar buttons follow it at once.

#include <string>

#include "stage/cStageEditor.h"
#include "tests/editors/win/EditorWndTest.h"

namespace {

class SheetUndoWndTest : public EditorWndTest {
protected:
  // "U+R-": undo enabled, redo grayed; each as its menu item and its toolbar button show it, or
  // "?" where the two disagree.
  std::string UndoRedo() {
    std::string text;
    for (int id : {int(kIdmUndo), int(kIdmRedo)}) {
      bool item = !(GetMenuState(Editor().m_hMenu, id, MF_BYCOMMAND) & MF_GRAYED);
      bool button = SendMessageA(Editor().m_hWndToolbar, TB_ISBUTTONENABLED, id, 0) != 0;
      text += id == kIdmUndo ? "U" : "R";
      text += item != button ? "?" : item ? "+" : "-";
    }
    return text;
  }
  // The sheet of the block at the cell, its name typed, then Apply or OK.
  void RenameBlock(int x, int y, const char* name, int button) {
    g_StageEditState.SetLayer(0);
    ClickCell(x, y);
    ASSERT_NE(BlockSheet(), nullptr);
    Type(PageOf(BlockSheet(), 0), 1002, name);
    PressOn(BlockSheet(), button);
  }
  const cString& BlockName(int x, int y) { return g_StageDoc.m_vBlockLayer.Get(g_StageDoc.CellIndex(x, y)).m_strName; }
};

}  // namespace

TEST_F(SheetUndoWndTest, ASheetsEditOfAPlacedObjectRefreshesUndoAndRedo) {
  Place(2, 1, Named<cEdBlock>("岩"));
  EXPECT_EQ(UndoRedo(), "U-R-");
  RenameBlock(2, 1, "砂", PSBTN_APPLYNOW);
  EXPECT_EQ(BlockName(2, 1), "砂");
  EXPECT_EQ(UndoRedo(), "U+R-") << "Apply took a step, with the sheet still open";
  PressOn(BlockSheet(), PSBTN_CANCEL);  // keeps what Apply wrote, and adds no step
  EXPECT_EQ(BlockSheet(), nullptr);
  EXPECT_EQ(UndoRedo(), "U+R-");

  Command(Editor().m_hWnd, kIdmUndo);
  EXPECT_EQ(BlockName(2, 1), "岩");
  EXPECT_EQ(UndoRedo(), "U-R+");
  // A new edit empties redo: the sheet's OK leaves nothing to redo.
  RenameBlock(2, 1, "泥", PSBTN_OK);
  EXPECT_EQ(BlockName(2, 1), "泥");
  EXPECT_EQ(UndoRedo(), "U+R-");
  Command(Editor().m_hWnd, kIdmUndo);
  EXPECT_EQ(BlockName(2, 1), "岩");
}

// The graphic cell picker opened from the graphic page's "一覧", and the character group window of
// the stage editor.

#include "app/cEditConfig.h"
#include "editors/CharaGroupRules.h"
#include "editors/win/cDlgGraphicPick.h"
#include "stage/cStageEditor.h"
#include "tests/editors/win/EditorWndTest.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {
using PickerWndTest = EditorWndTest;
using GroupWndTest = EditorWndTest;

bool White(const cCanvas& canvas, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) return false;
  const uint8_t* pixel = canvas.Image().At(x, y);
  return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
}

// The cells whose four edges carry the white outline at their middles (the test sheets hold no
// white); a pen of two pixels lies within a pixel of the edge.
std::vector<int> OutlinedCells(const cCanvas& canvas) {
  auto edge = [&](int32_t x, int32_t y, int32_t dx, int32_t dy) {
    for (int32_t d = -1; d <= 1; ++d)
      if (White(canvas, x + d * dx, y + d * dy)) return true;
    return false;
  };
  std::vector<int> cells;
  for (int cell = 0; cell < kSheetCells; ++cell) {
    int32_t x = 0, y = 0;
    CellOrigin(cell, x, y);
    int32_t mid = kCellSize / 2;
    if (edge(x, y + mid, 1, 0) && edge(x + kCellSize - 1, y + mid, 1, 0) && edge(x + mid, y, 0, 1) &&
        edge(x + mid, y + kCellSize - 1, 0, 1))
      cells.push_back(cell);
  }
  return cells;
}

cEdChara Grouped(int group, int hasGroup) {
  cEdChara chara = NamedChara("群");
  chara.m_bHasGroup = static_cast<int8_t>(hasGroup);
  chara.m_nGroupNo = static_cast<int16_t>(group);
  return chara;
}
}  // namespace

TEST_F(PickerWndTest, TheOutlineFollowsTheMouseAndAClickPicksTheCellUnderIt) {
  Place(1, 1, NamedChara("歩兵"));
  ASSERT_NE(OpenPlaced(1, 1), nullptr);
  HWND graphic = Page(1);
  POINT before = {};
  GetCursorPos(&before);
  RECT client = {};
  std::vector<std::vector<int>> outlined;
  bool closedByTheClick = false;
  cDialogScript script({[&](HWND picker) {
    GetClientRect(picker, &client);
    for (int cell : {1, 37, 15}) {
      MoveCursorTo(PickerCellCentre(picker, cell));
      PumpFor(30, &g_ModelessList);
      outlined.push_back(OutlinedCells(cDlgGraphicPick::Running()->Canvas()));
    }
    PressButton(VK_LBUTTON);
    PumpFor(30, &g_ModelessList);
    closedByTheClick = !IsWindowVisible(picker);
    ReleaseButton(VK_LBUTTON);
  }});
  Click(graphic, 1446);
  MoveCursorTo(before);
  EXPECT_EQ(script.Captions(), (std::vector<std::string>{"グラフィック"}));
  EXPECT_EQ(client.right, 256);
  EXPECT_EQ(client.bottom, 480);
  EXPECT_EQ(outlined, (std::vector<std::vector<int>>{{1}, {37}, {15}})) << "the cell under the mouse, and it alone";
  EXPECT_TRUE(closedByTheClick);
  EXPECT_EQ(Text(graphic, 1036), "15") << "the second column's top cell is 15";
  cDialogScript close({[](HWND picker) { PostMessageA(picker, WM_CLOSE, 0, 0); }});
  Click(graphic, 1445);
  EXPECT_EQ(close.Ran(), 1);
  EXPECT_EQ(Text(graphic, 11040), "0") << "closing the picker leaves the mark number";
  Press(PSBTN_OK);
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(1, 1)).m_nGraphic, 15);
}

TEST_F(PickerWndTest, TheDedicatedBitmapsHaveNoPicker) {
  int16_t cell = 7;
  cDialogScript script({});
  EXPECT_EQ(PickGraphicCell(&cell, 4, nullptr, nullptr), 0);
  PumpMessages();
  EXPECT_TRUE(script.Captions().empty());
  EXPECT_EQ(cell, 7);
}

TEST_F(GroupWndTest, TheButtonsShowTheGroupsThePlacedCharactersUse) {
  ASSERT_NE(Editor().m_pGroupWnd, nullptr);
  HWND group = Editor().m_pGroupWnd->m_hWnd;
  ASSERT_TRUE(IsWindow(group));
  Place(0, 0, Grouped(0, 1));
  Place(1, 0, Grouped(59, 1));
  Place(2, 0, Grouped(5, 0));
  Editor().m_pGroupWnd->OnPaint();
  EXPECT_EQ(Text(group, kCharaGroupButtons[0]), "0");
  EXPECT_EQ(Text(group, kCharaGroupButtons[59]), "59");
  std::string checked;
  for (int g = 0; g < kCharaGroupCount; ++g)
    if (Checked(group, kCharaGroupButtons[g])) checked += std::to_string(g) + " ";
  EXPECT_EQ(checked, "0 59 ") << "a group number without the has-group flag checks nothing";
  Click(group, kCharaGroupButtons[10]);
  EXPECT_FALSE(Checked(group, kCharaGroupButtons[10])) << "a click does not change a button";
  SendMessageA(group, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(group)) << "the window closes only with the stage editor";
}

TEST_F(GroupWndTest, TheEditorsShortcutsAndSpaceReachTheStageEditor) {
  HWND group = Editor().m_pGroupWnd->m_hWnd;
  Place(3, 3, NamedChara("前"));
  Editor().PushUndo(kLayerFlagChara);
  Place(3, 3, NamedChara("後"));
  Command(group, kIdaUndo);
  Pump();
  EXPECT_EQ(g_StageDoc.m_vCharaLayer.Get(g_StageDoc.CellIndex(3, 3)).m_strName, "前");
  int layer = g_StageEditState.m_nLayer;
  SendMessageA(group, WM_KEYDOWN, VK_SPACE, 0);
  Pump();
  EXPECT_EQ(g_StageEditState.m_nLayer, (layer + 1) % 3) << "Space goes on by one layer";
}

TEST_F(GroupWndTest, ItsPlaceIsKeptWhenTheEditorCloses) {
  HWND group = Editor().m_pGroupWnd->m_hWnd;
  SetWindowPos(group, nullptr, 123, 145, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  RECT rect = {};
  GetWindowRect(group, &rect);
  SafeDelete(g_MainFrame.m_lpStageEditor);
  const cWindowPlacement& placement = EditConfig.m_wpCharaGroup;
  EXPECT_EQ(placement.m_bValid, 1);
  EXPECT_EQ(placement.m_nX, 123);
  EXPECT_EQ(placement.m_nY, 145);
  EXPECT_EQ(placement.m_nWidth, rect.right - rect.left + 1);
  EXPECT_TRUE(FileThere("e_data\\EditConfig.dat"));
  // The next editor opens it there.
  g_MainFrame.CreateStageEditor();
  g_MainFrame.m_lpStageEditor->CreatePaletteWindows();
  GetWindowRect(Editor().m_pGroupWnd->m_hWnd, &rect);
  EXPECT_EQ(rect.left, 123);
  EXPECT_EQ(rect.top, 145);
}

// The world map window as the stage editor opens it: its template, menus, toolbar, status bar and
// geometry, the other windows while it runs, chip painting, the brush capture, undo and redo, the
// clear commands, the modes, the close prompt and the placements it keeps.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cEditConfig.h"
#include "app/win/cMainFrame.h"
#include "stage/cStageEditState.h"
#include "tests/support/RefusedAllocation.h"
#include "tests/project/win/WorldMapFixture.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/ProgramMinimise.h"
#include "ui/win/cModelessList.h"

namespace {

struct cMenuRow {
  int m_nId;
  const char* m_pText;
  const char* m_pPath;
};
const cMenuRow kMenuRows[] = {
    {40015, "上書き保存(&S)\tCtrl+S", "ファイル(&F)>"},
    {40055, "終了(&E)", "ファイル(&F)>"},
    {40052, "元に戻す(&U)\tCtrl+Z", "編集(&E)>"},
    {40053, "やり直し(&R)\tCtrl+Y", "編集(&E)>"},
    {40073, "マップチップ(&M)", "編集(&E)>パレット変更(&P)>"},
    {40050, "イベント(&E)", "編集(&E)>パレット変更(&P)>"},
    {40066, "全てのマップチップをクリア(&M)", "編集(&E)>配置データのクリア(&C)>"},
    {40068, "全てのイベントをクリア(&V)", "編集(&E)>配置データのクリア(&C)>"},
    {40056, "ワールドマップの設定(&W)", "設定(&S)>"},
};

std::string PathOf(HMENU menu, int id, const std::string& prefix = "") {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    if (HMENU sub = GetSubMenu(menu, i)) {
      std::string found = PathOf(sub, id, prefix + text + ">");
      if (!found.empty()) return found;
    } else if (static_cast<int>(GetMenuItemID(menu, i)) == id) {
      return prefix;
    }
  }
  return "";
}

struct cButtonRow {
  int m_nId;  // 0: a separator
  const char* m_pTip;
};
const cButtonRow kToolbarRows[] = {
    {40015, "上書き保存"}, {0, nullptr}, {40052, "元に戻す"}, {40053, "やり直し"}, {0, nullptr},
    {40071, "マップチップパレット"}, {40072, "イベントパレット"},
};

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

SCROLLINFO ScrollInfo(HWND bar) {
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  return info;
}

}  // namespace

TEST_F(WorldMapWndTest, StageEditorCommandOpensTheWindowOfTemplate152WithItsBars) {
  HWND stage = g_pStageEditorWnd->m_hWnd;
  RECT stageRect = WindowRect(stage);
  OpenWorldMap();
  char name[32] = {};
  GetClassNameA(Window(), name, sizeof name);
  EXPECT_STREQ(name, "#32770");
  char caption[64] = {};
  GetWindowTextA(Window(), caption, sizeof caption);
  EXPECT_STREQ(caption, "ワールドマップ");
  EXPECT_EQ(GetWindow(Window(), GW_OWNER), stage);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_EQ(g_ModelessList.IsRegistered(&Map()), 1);
  EXPECT_EQ(g_MainFrame.m_nEditorKind, 1) << "the shell's current editor";
  EXPECT_FALSE(IsWindowVisible(stage)) << "the other registered windows are hidden";
  EXPECT_FALSE(IsWindowEnabled(stage)) << "and disabled";
  EXPECT_EQ(Map().PictureWindow(), GetDlgItem(Window(), 1006));
  EXPECT_NE(GetDlgItem(Window(), 1008), nullptr);
  EXPECT_NE(GetDlgItem(Window(), 1009), nullptr);

  HMENU menu = GetMenu(Window());
  for (const cMenuRow& row : kMenuRows) {
    EXPECT_EQ(MenuText(row.m_nId), row.m_pText) << row.m_nId;
    EXPECT_EQ(PathOf(menu, row.m_nId), row.m_pPath) << row.m_nId;
  }
  EXPECT_TRUE(MenuChecked(40073));
  EXPECT_FALSE(MenuChecked(40050));
  EXPECT_FALSE(MenuEnabled(40052)) << "nothing to undo yet";
  EXPECT_FALSE(MenuEnabled(40053));

  HWND toolbar = Map().m_hWndToolbar;
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(GetDlgCtrlID(toolbar), 132);
  const int count = sizeof kToolbarRows / sizeof kToolbarRows[0];
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), count);
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, kToolbarRows[i].m_nId) << i;
    EXPECT_EQ((button.fsStyle & TBSTYLE_SEP) != 0, kToolbarRows[i].m_nId == 0) << i;
  }
  TBBUTTON chips = {}, events = {}, save = {};
  SendMessageA(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&save));
  SendMessageA(toolbar, TB_GETBUTTON, 5, reinterpret_cast<LPARAM>(&chips));
  SendMessageA(toolbar, TB_GETBUTTON, 6, reinterpret_cast<LPARAM>(&events));
  EXPECT_EQ(save.iBitmap, STD_FILESAVE);
  EXPECT_EQ(chips.fsStyle & TBSTYLE_CHECKGROUP, TBSTYLE_CHECKGROUP);
  EXPECT_EQ(events.iBitmap, chips.iBitmap + 1) << "the two pictures of e_bmp\\ToolBar_WorldPalette.bmp";
  EXPECT_GT(chips.iBitmap, STD_FILESAVE);
  EXPECT_EQ(SendMessageA(Map().m_hWndToolTip, TTM_GETTOOLCOUNT, 0, 0), 5);
  EXPECT_TRUE(ButtonChecked(40071));
  EXPECT_FALSE(ButtonChecked(40072));
  EXPECT_FALSE(ButtonEnabled(40052));
  EXPECT_FALSE(ButtonEnabled(40053));
  EXPECT_TRUE(ButtonEnabled(40015));

  ASSERT_NE(Map().m_hWndStatus, nullptr);
  EXPECT_EQ(StatusText(Map().m_hWndStatus), "座標 (0,0)");
  ASSERT_EQ(Map().m_AccelList.size(), 1u);
  EXPECT_NE(Map().m_AccelList.front().m_hAccel, nullptr);

  // Without a saved place: a 640 x 480 picture at the stage editor window's corner.
  EXPECT_EQ(Map().m_nViewWidth, 640);
  EXPECT_EQ(Map().m_nViewHeight, 480);
  RECT mapRect = WindowRect(Window());
  EXPECT_EQ(mapRect.left, stageRect.left);
  EXPECT_EQ(mapRect.top, stageRect.top);
  RECT picture = WindowRect(Map().PictureWindow());
  EXPECT_EQ(picture.right - picture.left, 640);
  EXPECT_EQ(picture.bottom - picture.top, 480);
  SCROLLINFO horizontal = ScrollInfo(GetDlgItem(Window(), 1008));
  SCROLLINFO vertical = ScrollInfo(GetDlgItem(Window(), 1009));
  EXPECT_EQ(horizontal.nMax, 19);
  EXPECT_EQ(horizontal.nPage, 20u);
  EXPECT_EQ(vertical.nMax, 14);
  EXPECT_EQ(vertical.nPage, 15u);

  // The map chip palette of mode 0, to the right of the window, 10 pixels below its top.
  ASSERT_NE(ChipPalette(), nullptr);
  EXPECT_EQ(EventPalette(), nullptr);
  RECT paletteRect = WindowRect(ChipPalette()->m_hWnd);
  EXPECT_EQ(paletteRect.left, mapRect.right);
  EXPECT_EQ(paletteRect.top, mapRect.top + 10);
  EXPECT_EQ(ChipPalette()->m_nViewWidth, 160);
  EXPECT_EQ(ChipPalette()->m_nViewHeight, 64);
  EXPECT_EQ(GetWindow(ChipPalette()->m_hWnd, GW_OWNER), Window());
  EXPECT_TRUE(IsWindowVisible(ChipPalette()->m_hWnd));
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 0) << "opening clears the flag";
}

TEST_F(WorldMapWndTest, ClosingRestoresTheOtherWindowsAndKeepsThePlacements) {
  EditConfig.m_wpWorldMap.Set(100, 80, 320, 224);
  OpenWorldMap();
  HWND stage = g_pStageEditorWnd->m_hWnd;
  EXPECT_EQ(WindowRect(Window()).left, 100);
  EXPECT_EQ(WindowRect(Window()).top, 80);
  EXPECT_EQ(Map().m_nViewWidth, 320);
  EXPECT_EQ(Map().m_nViewHeight, 224);
  EXPECT_EQ(ScrollInfo(GetDlgItem(Window(), 1008)).nPage, 10u);
  EXPECT_EQ(ScrollInfo(GetDlgItem(Window(), 1009)).nPage, 7u);
  MoveWindow(ChipPalette()->m_hWnd, 500, 60, WindowRect(ChipPalette()->m_hWnd).right - WindowRect(ChipPalette()->m_hWnd).left,
             WindowRect(ChipPalette()->m_hWnd).bottom - WindowRect(ChipPalette()->m_hWnd).top, TRUE);
  MoveWindow(Window(), 120, 90, WindowRect(Window()).right - WindowRect(Window()).left,
             WindowRect(Window()).bottom - WindowRect(Window()).top, TRUE);

  Command(40055);  // 終了: nothing changed, so no question
  EXPECT_EQ(Map().m_hWnd, nullptr);
  EXPECT_EQ(g_ModelessList.IsRegistered(&Map()), 0);
  EXPECT_EQ(g_MainFrame.m_nEditorKind, 0);
  EXPECT_TRUE(IsWindowVisible(stage));
  EXPECT_TRUE(IsWindowEnabled(stage));
  EXPECT_EQ(EditConfig.m_wpWorldMap.m_nX, 120);
  EXPECT_EQ(EditConfig.m_wpWorldMap.m_nY, 90);
  EXPECT_EQ(EditConfig.m_wpWorldMap.m_nWidth, 320);
  EXPECT_EQ(EditConfig.m_wpWorldMap.m_nHeight, 224);
  EXPECT_EQ(EditConfig.m_wpMapChipPalette.m_bValid, 1);
  EXPECT_EQ(EditConfig.m_wpMapChipPalette.m_nX, 500);
  EXPECT_EQ(EditConfig.m_wpMapChipPalette.m_nY, 60);
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()), 1) << "saved to e_data\\EditConfig.dat";
  EXPECT_EQ(saved.m_wpWorldMap.m_nX, 120);
  EXPECT_EQ(saved.m_wpMapChipPalette.m_nY, 60);

  // The next opening takes both places; a damaged size keeps to the limits.
  EditConfig.m_wpWorldMap.m_nWidth = 5000;
  EditConfig.m_wpWorldMap.m_nHeight = 10;
  OpenWorldMap();
  EXPECT_EQ(WindowRect(Window()).left, 120);
  EXPECT_EQ(WindowRect(ChipPalette()->m_hWnd).left, 500);
  EXPECT_EQ(Map().m_nViewWidth, 640);
  EXPECT_EQ(Map().m_nViewHeight, 160);
}

TEST_F(WorldMapWndTest, PaintingWithTheChosenChipTakesOneUndoStepAStroke) {
  OpenWorldMap();
  ClickChip(7);
  EXPECT_EQ(StatusText(ChipPalette()->m_hWndStatus), "7 : 通行可");
  EXPECT_EQ(State().m_nSelect, 7);
  MouseAtCell(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 2, 1, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 3, 2, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 3, 2, 0);
  MouseAtCell(WM_MOUSEMOVE, 5, 2, 0);
  EXPECT_EQ(Chips(6, 3), "000000/077000/000700");
  EXPECT_EQ(StatusText(Map().m_hWndStatus), "座標 (5,2)");
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
  EXPECT_TRUE(ButtonEnabled(40052));
  EXPECT_TRUE(MenuEnabled(40052));
  EXPECT_EQ(State().m_lUndoMap.size(), 1u) << "one checkpoint for the whole stroke";
  // The picture: chip 7's cell of the chip sheet (column 2, row 1) where it was painted.
  EXPECT_EQ(PicturePixel(32 + 10, 32 + 10), TestSheetColour(1, 2, 1));
  EXPECT_EQ(PicturePixel(4 * 32 + 10, 32 + 10), TestSheetColour(1, 0, 0));
  Command(40052);
  EXPECT_EQ(Chips(6, 3), "000000/000000/000000");
  EXPECT_FALSE(ButtonEnabled(40052));
  EXPECT_TRUE(ButtonEnabled(40053));
}

TEST_F(WorldMapWndTest, AMoveInsideTheCursorCellLeavesThePictureAsItIs) {
  OpenWorldMap();
  Mouse(WM_MOUSEMOVE, 3 * 32 + 4, 3 * 32 + 4, 0);
  // A mark no painting of the map would draw: it stays until the picture is painted again.
  const COLORREF mark = RGB(1, 2, 3);
  uint8_t* pixel = Map().PictureCanvas().Image().At(600, 400);
  pixel[0] = 3, pixel[1] = 2, pixel[2] = 1;
  Mouse(WM_MOUSEMOVE, 3 * 32 + 28, 3 * 32 + 20, 0);
  EXPECT_EQ(PicturePixel(600, 400), mark) << "same cell, nothing held: no repaint";
  Mouse(WM_MOUSEMOVE, 4 * 32 + 4, 3 * 32 + 4, 0);
  EXPECT_NE(PicturePixel(600, 400), mark) << "another cell: the cursor moves";
  EXPECT_EQ(StatusText(Map().m_hWndStatus), "座標 (4,3)");
  EXPECT_EQ(PicturePixel(4 * 32, 3 * 32 + 10), RGB(128, 0, 255)) << "the cursor frame at its new cell";
  pixel[0] = 3, pixel[1] = 2, pixel[2] = 1;
  Mouse(WM_MOUSEMOVE, 4 * 32 + 20, 3 * 32 + 4, MK_LBUTTON);
  EXPECT_NE(PicturePixel(600, 400), mark) << "a held button paints, so the picture follows";
}

TEST_F(WorldMapWndTest, RightDragTakesTheBrushFromTheMap) {
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) g_WorldMap.ChipAt(x, y) = (x + 3 * y) % 10;
  OpenWorldMap();
  ClickChip(4);
  MouseAtCell(WM_RBUTTONDOWN, 2, 3, MK_RBUTTON);
  EXPECT_EQ(State().m_nSelect, -1) << "the palette shows no selection";
  EXPECT_EQ(StatusText(ChipPalette()->m_hWndStatus), "");
  MouseAtCell(WM_MOUSEMOVE, 0, 1, MK_RBUTTON);
  MouseAtCell(WM_RBUTTONUP, 0, 1, 0);
  EXPECT_EQ(State().m_nBrushW, 3);
  EXPECT_EQ(State().m_nBrushH, 3);
  ClickCell(10, 5);
  std::string painted;
  for (int y = 5; y < 8; ++y)
    for (int x = 10; x < 13; ++x) painted += static_cast<char>('0' + g_WorldMap.ChipAt(x, y));
  EXPECT_EQ(painted, "345678901") << "the cells (0, 1) .. (2, 3)";
}

TEST_F(WorldMapWndTest, ABrushTakenBeyondTheMapPaintsNothingThere) {
  g_WorldMap.SetSize(30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) g_WorldMap.ChipAt(x, y) = 6;
  // A picture one pixel short of whole cells leaves a part of a cell beyond the map's last column.
  EditConfig.m_wpWorldMap.Set(40, 40, 639, 479);
  OpenWorldMap();
  SendMessageA(Window(), WM_HSCROLL, SB_RIGHT, reinterpret_cast<LPARAM>(GetDlgItem(Window(), 1008)));
  SendMessageA(Window(), WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(GetDlgItem(Window(), 1009)));
  ASSERT_EQ(Editor().ScrollX(), 11);
  ASSERT_EQ(Editor().ScrollY(), 6);
  MouseAtCell(WM_RBUTTONDOWN, 18, 13, MK_RBUTTON);
  MouseAtCell(WM_RBUTTONUP, 19, 14, 0);
  ASSERT_EQ(State().m_nBrushW, 2);
  ASSERT_EQ(State().m_nBrushH, 2);
  EXPECT_EQ(StatusText(Map().m_hWndStatus), "座標 (30,20)");
  SendMessageA(Window(), WM_HSCROLL, SB_LEFT, reinterpret_cast<LPARAM>(GetDlgItem(Window(), 1008)));
  SendMessageA(Window(), WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(GetDlgItem(Window(), 1009)));
  g_WorldMap.ChipAt(0, 0) = 1;
  g_WorldMap.ChipAt(1, 0) = 2;
  g_WorldMap.ChipAt(0, 1) = 3;
  g_WorldMap.ChipAt(1, 1) = 4;
  ClickCell(0, 0);
  EXPECT_EQ(Chips(3, 2), "626/346") << "only the brush cell taken inside the map paints";
}

TEST_F(WorldMapWndTest, UndoAndRedoKeepThreeStepsThroughTheToolbarAndTheKeys) {
  OpenWorldMap();
  for (int chip = 1; chip <= 4; ++chip) {
    ClickChip(chip);
    ClickCell(chip, 0);
  }
  ASSERT_EQ(Chips(5, 1), "01234");
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  Command(40052);
  EXPECT_EQ(Chips(5, 1), "01230");
  PressKeyWith(VK_CONTROL, 'Z', &g_ModelessList);
  EXPECT_EQ(Chips(5, 1), "01200") << "Ctrl+Z";
  Command(40011);
  EXPECT_EQ(Chips(5, 1), "01000");
  EXPECT_FALSE(ButtonEnabled(40052)) << "three steps kept";
  g_StageEditState.m_bWorldMapModified = 0;
  Command(40052);
  EXPECT_EQ(Chips(5, 1), "01000") << "a fourth undo does nothing";
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1) << "but still counts as a change";
  PressKeyWith(VK_CONTROL, 'Y', &g_ModelessList);
  EXPECT_EQ(Chips(5, 1), "01200") << "Ctrl+Y";
  Command(40053);
  EXPECT_EQ(Chips(5, 1), "01230");
  EXPECT_TRUE(MenuEnabled(40053));
  ClickCell(9, 0);
  EXPECT_FALSE(ButtonEnabled(40053)) << "a new step empties the redo list";
  EXPECT_FALSE(MenuEnabled(40053));
}

TEST_F(WorldMapWndTest, ClearCommandsAskFirst) {
  g_WorldMap.ChipAt(2, 2) = 5;
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 3, 3);
  OpenWorldMap();
  {
    cBoxAnswerer answers({IDNO, IDYES});
    Command(40066);
    EXPECT_EQ(g_WorldMap.ChipAt(2, 2), 5) << "No";
    Command(40066);
    EXPECT_EQ(g_WorldMap.ChipAt(2, 2), 0) << "Yes";
    ASSERT_EQ(answers.Seen().size(), 2u);
    EXPECT_EQ(answers.Seen()[0].m_strText, "全てのマップチップをクリアしますか？");
    EXPECT_EQ(answers.Seen()[0].m_strCaption, "データクリアの確認");
    EXPECT_EQ(answers.Seen()[0].m_hOwner, Window());
  }
  {
    cBoxAnswerer answers({IDYES});
    Command(40068);
    EXPECT_EQ(Events(), "");
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].m_strText, "全てのイベントをクリアしますか？");
  }
  Command(40052);
  EXPECT_EQ(Events(), "村@3,3#0");
  Command(40052);
  EXPECT_EQ(g_WorldMap.ChipAt(2, 2), 5);
}

TEST_F(WorldMapWndTest, SpaceAndTheModeCommandsSwitchPalettes) {
  OpenWorldMap();
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  PressKey(VK_SPACE, false, &g_ModelessList);
  EXPECT_EQ(Editor().Mode(), 1) << "one press, one switch";
  EXPECT_EQ(ChipPalette(), nullptr);
  ASSERT_NE(EventPalette(), nullptr);
  EXPECT_TRUE(IsWindowVisible(EventPalette()->m_hWnd));
  EXPECT_TRUE(ButtonChecked(40072));
  EXPECT_FALSE(ButtonChecked(40071));
  EXPECT_TRUE(MenuChecked(40050));
  EXPECT_FALSE(MenuChecked(40073));
  EXPECT_EQ(GetActiveWindow(), Window()) << "the window keeps the focus";
  PressKey(VK_SPACE, false, &g_ModelessList);
  EXPECT_EQ(Editor().Mode(), 0);
  ASSERT_NE(ChipPalette(), nullptr);
  EXPECT_EQ(EventPalette(), nullptr);
  for (int id : {40072, 40073, 40050, 40071}) {
    Command(id);
    EXPECT_EQ(Editor().Mode(), id == 40072 || id == 40050 ? 1 : 0) << id;
  }
}

TEST_F(WorldMapWndTest, TheClosePromptSavesReloadsOrStays) {
  OpenWorldMap();
  ClickChip(3);
  ClickCell(4, 4);
  {
    cBoxAnswerer answers({IDCANCEL});
    Command(40055);
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].m_strText, "ワールドマップが変更された可能性があります。\n保存しますか？");
    EXPECT_EQ(answers.Seen()[0].m_strCaption, "保存確認");
    EXPECT_NE(Window(), nullptr) << "Cancel stays";
  }
  {
    cBoxAnswerer answers({IDNO});
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Map().m_hWnd, nullptr);
    EXPECT_EQ(g_WorldMap.ChipAt(4, 4), 0) << "No reloads the file";
  }
  OpenWorldMap();
  ClickChip(3);
  ClickCell(4, 4);
  {
    cBoxAnswerer answers({IDYES});
    Command(40055);
    EXPECT_EQ(Map().m_hWnd, nullptr);
  }
  cWorldMapDoc saved;
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathWorldMap].GetStr()), 1);
  EXPECT_EQ(saved.ChipAt(4, 4), 3) << "Yes saves data\\WorldMap.dat";
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 0);
}

TEST_F(WorldMapWndTest, SavingThroughTheMenuAndTheKeyAndAFailedSave) {
  OpenWorldMap();
  ClickChip(2);
  ClickCell(1, 1);
  Command(40015);
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 0);
  cWorldMapDoc saved;
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathWorldMap].GetStr()), 1);
  EXPECT_EQ(saved.ChipAt(1, 1), 2);
  ClickCell(2, 1);
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  PressKeyWith(VK_CONTROL, 'S', &g_ModelessList);
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 0) << "Ctrl+S";
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathWorldMap].GetStr()), 1);
  EXPECT_EQ(saved.ChipAt(2, 1), 2);

  // A file that cannot be written: told by its path, the flag kept, the window kept open.
  ClickCell(3, 1);
  ASSERT_TRUE(DeleteFileA("data\\WorldMap.dat"));
  ASSERT_TRUE(CreateDirectoryA("data\\WorldMap.dat", nullptr));
  cBoxAnswerer answers({IDOK, IDYES, IDOK});
  Command(40015);
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
  Command(40055);
  EXPECT_NE(Map().m_hWnd, nullptr) << "a failed save at the prompt keeps the window";
  ASSERT_EQ(answers.Seen().size(), 3u);
  EXPECT_EQ(answers.Seen()[0].m_strText,
            "ワールドマップ data\\WorldMap.dat の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  EXPECT_EQ(answers.Seen()[1].m_strCaption, "保存確認");
  EXPECT_EQ(answers.Seen()[2].m_strText, answers.Seen()[0].m_strText);
  RemoveDirectoryA("data\\WorldMap.dat");
}

TEST_F(WorldMapWndTest, EachOpeningStartsInMode0WithoutHistory) {
  OpenWorldMap();
  ClickCell(1, 1);
  Command(40072);
  {
    cBoxAnswerer answers({IDNO});
    Command(40055);
  }
  OpenWorldMap();
  EXPECT_EQ(Editor().Mode(), 0);
  EXPECT_FALSE(ButtonEnabled(40052));
  EXPECT_NE(ChipPalette(), nullptr);
}

TEST_F(WorldMapWndTest, AWindowWithoutMemoryIsNotRun) {
  cBoxAnswerer answers;
  RefuseNothrowAllocation(1);
  SendMessageA(g_pStageEditorWnd->m_hWnd, WM_COMMAND, 40064, 0);
  RefuseNothrowAllocation(0);
  EXPECT_EQ(g_pStageEditorWnd->m_pWorldMapWnd, nullptr);
  ASSERT_EQ(answers.Seen().size(), 1u);
  EXPECT_EQ(answers.Seen()[0].m_strText, "メモリが不足しています！");
  EXPECT_EQ(g_MainFrame.m_nEditorKind, 0);
  EXPECT_TRUE(IsWindowVisible(g_pStageEditorWnd->m_hWnd));
  EXPECT_TRUE(IsWindowEnabled(g_pStageEditorWnd->m_hWnd));
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, g_hMainWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "the main window is asked to close";
}

TEST_F(WorldMapWndTest, PalettesStayAndTheWindowIsNotMinimised) {
  RECT stageRect = WindowRect(g_pStageEditorWnd->m_hWnd);
  OpenWorldMap();
  SendMessageA(ChipPalette()->m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(ChipPalette()->m_hWnd)) << "the user cannot close a palette";
  SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(IsIconic(Window()));
  EXPECT_TRUE(IsWindowVisible(Window()));
  Command(40072);
  ASSERT_NE(EventPalette(), nullptr);
  HWND events = EventPalette()->m_hWnd;
  SendMessageA(events, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(events));
  // Without a saved place the event palette opens beside the stage editor window.
  RECT eventRect = WindowRect(events);
  EXPECT_EQ(eventRect.left, stageRect.right);
  EXPECT_EQ(eventRect.top, stageRect.top + 10);
  MoveWindow(events, 700, 120, eventRect.right - eventRect.left, eventRect.bottom - eventRect.top, TRUE);
  Command(40071);
  EXPECT_FALSE(IsWindow(events)) << "the palette goes with its mode";
  EXPECT_EQ(EditConfig.m_wpEventPalette.m_nX, 700);
  EXPECT_EQ(EditConfig.m_wpEventPalette.m_nY, 120);
  Command(40072);
  EXPECT_EQ(WindowRect(EventPalette()->m_hWnd).left, 700);
}

TEST_F(WorldMapWndTest, MinimisingTheProgramHidesTheMapAndItsPaletteUntilItIsRestored) {
  OpenWorldMap();
  HWND stage = g_pStageEditorWnd->m_hWnd;
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    Command(mode ? 40072 : 40071);
    HWND palette = mode ? EventPalette()->m_hWnd : ChipPalette()->m_hWnd;
    ASSERT_TRUE(IsWindowVisible(palette));
    SetForegroundWindow(Window());
    // The window itself cannot be minimised: the program goes by the taskbar button.
    ExpectTaskbarRoundTripKeepsTheWindows(g_hMainWnd, [this] { Pump(); });
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(IsWindowVisible(palette));
    EXPECT_FALSE(IsWindowVisible(stage)) << "the stage editor waits for the world map to close";
    EXPECT_EQ(g_pStageEditorWnd->m_bMinimised, 0);
  }
  // The settings dialog in front of the map and its palette, which it hides while it runs.
  cModalDriver settings([&](HWND dialog) {
    ExpectTaskbarRoundTripKeepsTheWindows(g_hMainWnd, [this] { Pump(); });
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(IsWindowVisible(Window())) << "the map waits for its dialog to close";
    EXPECT_FALSE(IsWindowVisible(stage));
    PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
  });
  Command(40056);
  EXPECT_TRUE(settings.Ran());
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_FALSE(IsWindowVisible(stage));
}

TEST_F(WorldMapWndTest, ARightDragBeyondThePictureScrollsAndTakesTheBrushWhenLetGo) {
  g_WorldMap.SetSize(40, 15);
  OpenWorldMap();
  SetForegroundWindow(Window());
  SetActiveWindow(Window());
  auto screen = [&](int x, int y) {
    POINT point = {Map().m_nViewX + x, Map().m_nViewY + y};
    ClientToScreen(Window(), &point);
    return point;
  };
  MoveCursorTo(screen(18 * 32 + 16, 5 * 32 + 16));
  Pump();
  PressButton(VK_RBUTTON);
  Pump();
  ASSERT_EQ(State().m_bCaptureActive, 1);
  // Far beyond the picture's right edge: the idle tick scrolls one column a tick.
  MoveCursorTo(screen(640 + 60, 5 * 32 + 16));
  Pump();
  for (int tick = 0; tick < 4; ++tick) Map().OnIdle();
  EXPECT_EQ(Editor().ScrollX(), 4);
  EXPECT_EQ(State().m_bCaptureActive, 1);
  ReleaseButton(VK_RBUTTON);
  Map().OnIdle();
  EXPECT_EQ(State().m_bCaptureActive, 0) << "let go outside, the capture ends there";
  EXPECT_EQ(State().m_nBrushW, 6) << "columns 18 .. 23, the last one at the picture's edge";
  EXPECT_EQ(State().m_nBrushH, 1);
  Pump();
}

TEST_F(WorldMapWndTest, OpeningAndClosingManyTimesLeavesNoObjectsBehind) {
  auto round = [&] {
    OpenWorldMap();
    Command(40072);  // opening the event palette counts as a change: the prompt follows
    Command(40071);
    cBoxAnswerer answers({IDNO});
    Command(40055);
    Pump();
  };
  round();  // the first opening loads what the process keeps: fonts, classes, images, tables
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 5; ++i) round();
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(g_ModelessList.m_Windows.size(), 1u) << "only the stage editor window stays registered";
}

// The six palette windows: their titles, menus, toolbars, status bars, places and grids; showing
// them by layer and by the view toggles; choosing an entry, the right click in both modes, the
// entry menu; the commands through menu ids; keys, the wheel and the scroll bar; what a click
// repaints; the place kept when the window goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/cEditConfig.h"
#include "app/win/ProjectSheets.h"
#include "tests/stage/win/PaletteWndTest.h"
#include "tests/support/win/GuiObjects.h"
#include "tests/support/win/ProbeDialog.h"
#include "tests/support/win/UserInput.h"
#include "ui/win/cModelessList.h"

namespace {

const char* const kTitles[kPaletteWndCount] = {
    "[コモン]ブロックパレット",   "[コモン]キャラパレット",   "[コモン]アイテムパレット",
    "[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット",
};

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string MenuString(HMENU menu, int id, UINT by = MF_BYCOMMAND) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(id), text, sizeof text, by);
  return text;
}

SCROLLINFO ScrollOf(cPaletteWnd& window) {
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(window.m_cgVScroll.m_Ctrl.m_hWnd, SB_CTL, &info);
  return info;
}

// The pixels of one image of a toolbar's image list, drawn over white.
std::vector<COLORREF> ToolImage(HWND toolbar, int index) {
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kToolImageWidth, kToolImageHeight);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PatBlt(dc, 0, 0, kToolImageWidth, kToolImageHeight, WHITENESS);
  ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < kToolImageHeight; ++y)
    for (int x = 0; x < kToolImageWidth; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

TEST_F(PaletteWndTest, SixWindowsWithTheirTitlesMenusToolbarsStatusBarsAndPlaces) {
  EditConfig.m_wpStageEditor.Set(10, 10, 384, 300);
  OpenPalettes();
  RECT editor = {};
  GetWindowRect(Window(), &editor);
  std::vector<COLORREF> images[7];
  for (int index = 0; index < kPaletteWndCount; ++index) {
    SCOPED_TRACE(kTitles[index]);
    cPaletteWnd& window = *Editor().PaletteWnd(index);
    EXPECT_EQ(&window.Pane(), &Editor().Palettes().Pane(index));
    EXPECT_EQ(TextOf(window.m_hWnd), kTitles[index]);
    EXPECT_EQ(GetWindow(window.m_hWnd, GW_OWNER), Window());

    HMENU menu = GetMenu(window.m_hWnd);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(MenuString(menu, 0, MF_BYPOSITION), "データ(&D)");
    EXPECT_EQ(MenuString(menu, 40088), "データ数の変更(&C)");
    EXPECT_EQ(MenuString(menu, 40089), "データの移動(&M)");

    HWND toolbar = window.m_hWndToolbar;
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(toolbar), 122);
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 8);
    const int ids[8] = {40044, 40045, 40046, 40047, 40087, 0, 40139, 40140};
    for (int i = 0; i < 8; ++i) {
      TBBUTTON button = {};
      SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      EXPECT_EQ(button.idCommand, ids[i]) << i;
      EXPECT_EQ(button.fsStyle, ids[i] ? 6 : 1) << i;
      if (!ids[i]) continue;
      EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << i;
      // The tool and the right-click mode of the edit state: the pen and the data sheets.
      EXPECT_EQ(ToolChecked(window, ids[i]), ids[i] == 40044 || ids[i] == 40139) << i;
      images[i - (i > 5)] = ToolImage(toolbar, button.iBitmap);
    }
    EXPECT_EQ(GetDlgCtrlID(window.m_hWndStatus), 1);

    // Beside the editor, a stage window below the caption and menu bar of its twin.
    RECT rect = {};
    GetWindowRect(window.m_hWnd, &rect);
    EXPECT_EQ(rect.left, editor.right + 8);
    int below = index < 3 ? 0 : Editor().PaletteWnd(index - 3)->FrameHeight();
    EXPECT_EQ(rect.top, editor.top + below + 8);
    EXPECT_EQ(window.m_nViewWidth, 256);
    // Seven (five) entries make one row: the window is no taller than its list.
    EXPECT_EQ(window.m_nViewHeight, 32);
    SCROLLINFO scroll = ScrollOf(window);
    EXPECT_EQ(scroll.nMin, 0);
    EXPECT_EQ(scroll.nMax, 0);
    EXPECT_EQ(scroll.nPage, 1u);
  }
  // Seven pictures of the two files, each drawn and each its own.
  for (int i = 0; i < 7; ++i) {
    EXPECT_NE(std::count(images[i].begin(), images[i].end(), RGB(255, 255, 255)), kToolImageWidth * kToolImageHeight)
        << "image " << i << " is blank";
    for (int j = 0; j < i; ++j) EXPECT_NE(images[i], images[j]) << i << " and " << j;
  }
}

TEST_F(PaletteWndTest, TheGridOfALongerListAndItsScrollRange) {
  g_StageDoc.SetSize(4, 1, 0, 0);
  g_CommonPalette.m_vBlock.resize(17, Record<cEdBlock>(1));
  g_CommonPalette.m_vBlock[16].m_strName = "最後";
  g_StageEditState.m_bStageOpen = 1;
  MakeWindow();
  cPaletteWnd& window = Common(0);
  // Three rows: the last shows one entry.
  EXPECT_EQ(window.m_nViewHeight, 96);
  SCROLLINFO scroll = ScrollOf(window);
  EXPECT_EQ(scroll.nMax, 2);
  EXPECT_EQ(scroll.nPage, 3u);
  const cCanvas& grid = GridCanvas(window);
  EXPECT_EQ(PixelAt(grid, 16, 64 + 16), SheetColour(1, 0, 1)) << "entry 16, graphic 1 of the block sheet";
  EXPECT_EQ(PixelAt(grid, 32 + 16, 64 + 16), RGB(0, 0, 0)) << "nothing past the end";
  EXPECT_EQ(PixelAt(grid, 32 + 16, 16), SheetColour(1, 0, 1));
  // A click in the free part of the last row selects nothing.
  Click(window, 17);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, 0);
  Click(window, 16);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, 16);
  EXPECT_EQ(PaletteStatus(window), "16 : 最後");
}

TEST_F(PaletteWndTest, LayersAndViewTogglesShowTheWindows) {
  OpenPalettes();
  auto shown = [&] {
    std::string text;
    for (int index = 0; index < kPaletteWndCount; ++index)
      text += IsWindowVisible(Editor().PaletteWnd(index)->m_hWnd) ? "1" : "0";
    return text;
  };
  EXPECT_EQ(shown(), "100100") << "the block layer";
  SetActiveWindow(Window());
  Command(40055);
  EXPECT_EQ(shown(), "010010") << "the character layer";
  EXPECT_EQ(GetActiveWindow(), Window()) << "the windows shown leave the editor active";
  Command(40148);
  EXPECT_EQ(shown(), "000010") << "the common palette's windows hidden";
  EXPECT_EQ(EditConfig.m_wpCommonItems.m_bShown, 0);
  Command(40050);
  EXPECT_EQ(shown(), "000001") << "the item layer follows the toggle";
  Command(40149);
  EXPECT_EQ(shown(), "000000");
  Command(40148);
  EXPECT_EQ(shown(), "001000");
  // Space in a palette window goes on to the editor, which goes on by one layer.
  SendMessageA(Common(2).m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(g_StageEditState.m_nLayer, 0);
  EXPECT_EQ(shown(), "100000");
  // The editor's minimise takes every window along; the restore brings back those it took.
  SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(shown(), "000000");
  SendMessageA(g_hMainWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(shown(), "100000");
  // Without a stage none shows.
  Command(40130);
  EXPECT_TRUE(RebuildPosted());
  SendMessageA(g_hMainWnd, WM_USER, 1, 0);
  EXPECT_EQ(g_StageEditState.m_bStageOpen, 0);
  EXPECT_EQ(shown(), "000000");
}

TEST_F(PaletteWndTest, AClickMakesTheEntryTheBrushWithTheCaseOfItsPalette) {
  OpenPalettes();
  cProjectSettings& options = g_ProjectSettings;
  options.m_nDefInheritPal[1][0] = kPaletteCommon;
  options.m_bbDefInherit[1][0].assign(options.m_bbDefInherit[1][0].size(), 1);
  options.m_nDefInheritPal[2][0] = kPaletteNone;
  const cEdBlock& brush = g_StageEditState.m_vBrushBlock[0];
  Click(Common(0), 2);
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[B<c2] clip[-] sel[c2] mod[-]");
  EXPECT_EQ(std::vector<int8_t>(brush.m_bbInherit.begin(), brush.m_bbInherit.end()),
            std::vector<int8_t>(options.m_bbDefInherit[1][0].begin(), options.m_bbDefInherit[1][0].end()));
  EXPECT_EQ(PaletteStatus(Common(0)), "2 : B");
  EXPECT_EQ(PaletteStatus(Stage(0)), "");
  Click(Stage(0), 3);
  EXPECT_EQ(EntryText(brush), "r") << "the stage palette's case names no source";
  options.m_nDefInheritPal[2][0] = kPaletteStage;
  Click(Stage(0), 2);
  EXPECT_EQ(EntryText(brush), "C<s2");
  EXPECT_EQ(PaletteStatus(Common(0)), "");
  EXPECT_EQ(PaletteStatus(Stage(0)), "2 : C");
  EXPECT_EQ(g_StageEditState.m_nBrushWidth, 1);
  EXPECT_EQ(g_StageEditState.m_nBrushHeight, 1);
  // Past the end of the list nothing changes.
  Click(Stage(0), 6);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, 2);
  EXPECT_EQ(EntryText(brush), "C<s2");
  // The selection is framed in white in its own window only.
  EXPECT_EQ(PixelAt(GridCanvas(Stage(0)), 64 + 16, 0), RGB(255, 255, 255));
  EXPECT_NE(PixelAt(GridCanvas(Common(0)), 64 + 16, 0), RGB(255, 255, 255));
}

TEST_F(PaletteWndTest, ARightClickOpensTheSheetInMode0AndTheEntryMenuInMode1) {
  OpenPalettes();
  cStageEditState& state = g_StageEditState;
  // Mode 0: the entry's data sheet, asked of the element editors.
  Click(Stage(0), 2, WM_RBUTTONDOWN);
  EXPECT_EQ(SheetRequests(), std::vector<int>{0});
  EXPECT_EQ(state.m_pEditBlock, &g_StageDoc.m_vStageBlock[2]);
  EXPECT_EQ(state.m_nEditContext, 1);
  EXPECT_EQ(state.m_nSelPalette, 1);
  EXPECT_EQ(state.m_nSelIndex, 2);
  state.m_pEditBlock = nullptr;
  Click(Stage(0), 0, WM_RBUTTONDOWN);
  EXPECT_EQ(SheetRequests(), std::vector<int>{0}) << "entry 0 has no sheet";
  EXPECT_EQ(state.m_pEditBlock, nullptr);

  // Mode 1 from the toolbar; the twin's toolbar follows.
  PaletteCommand(Stage(0), 40140);
  EXPECT_EQ(state.m_nRightClickMode, 1);
  EXPECT_TRUE(ToolChecked(Common(0), 40140));
  EXPECT_FALSE(ToolChecked(Common(0), 40139));
  state.m_bStageModified = 0;
  {
    cEntryMenuWatch watch;
    RightClickEntry(Stage(0), 0);
    ASSERT_EQ(watch.Opened(), 1);
    EXPECT_EQ(watch.States(), "--------+") << "only a new entry at the end for entry 0";
  }
  EXPECT_EQ(state.m_bStageModified, 1) << "the press marks the palette";
  {
    cEntryMenuWatch watch(40143);  // "コピー"
    RightClickEntry(Stage(0), 3);
    EXPECT_EQ(watch.States(), "+++--++-+");
  }
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C D E F] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[r<s3] clip[copy s3] sel[s3] mod[s]");
  {
    cEntryMenuWatch watch(40144);  // "貼り付け"
    RightClickEntry(Stage(0), 1);
    EXPECT_EQ(watch.States(), "+++++++++");
  }
  EXPECT_EQ(PaletteStateText(0),
            "C[_ A B C D E F] S[_ r C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[r<s1] clip[copy s3] sel[s1] mod[s]");
  PaletteCommand(Stage(0), 40142);  // cut entry 1
  {
    cEntryMenuWatch watch;
    RightClickEntry(Common(0), 4);
    EXPECT_EQ(watch.States(), "+++-+++++") << "a pending cut is inserted, not pasted";
  }
  {
    cEntryMenuWatch watch;
    RightClickEntry(Common(0), 7);
    EXPECT_EQ(watch.Opened(), 0) << "no menu past the end of the list";
  }
}

TEST_F(PaletteWndTest, EntryCommandsThroughTheMenuIdsKeepEveryReference) {
  const struct {
    const char* m_pName;
    std::vector<std::string> m_vSteps;
    const char* m_pState;
    int m_nCommonCount;  // the entries of the common list, entry 0 among them
  } rows[] = {
      {"cut 5 and insert it before 2 of the same list", {"c5", "c:40142", "c2", "c:40147"},
       "C[_ A E B C D F] S[_ p B<c3 r s<s1] M[r<s3 D<c5 B<s2 x] brush[E<c2] clip[-] sel[c2] mod[c]", 7},
      {"cut a stage entry and insert it into the common palette", {"s3", "s:40142", "c4", "c:40147"},
       "C[_ A B C r D E F] S[_ p C<c3 s<s1] M[s<s3 D<c5 C<s2 x] brush[r<c4] clip[-] sel[c4] mod[cs]", 8},
      {"a new stage entry follows the common entry of its number", {"s4", "s:40146"},
       "C[_ A B C D E F] S[_ p C<c3 r D<c4 s<s1] M[r<s3 E<c5 C<s2 x] brush[D<s4] clip[-] sel[s4] mod[s]", 7},
      {"a copy at the end of the other palette", {"c3", "c:40143", "s:40151"},
       "C[_ A B C D E F] S[_ p C<c3 r s<s1 C] M[r<s3 E<c5 C<s2 x] brush[C<c3] clip[copy c3] sel[c3] mod[s]", 7},
      {"a new entry at the end", {"c:40152"},
       "C[_ A B C D E F 新] S[_ p C<c3 r s<s1] M[r<s3 E<c5 C<s2 x] brush[_] clip[-] sel[c0] mod[c]", 8},
      {"the selected entry deleted", {"c2", "c:40145"},
       "C[_ A C D E F] S[_ p D<c3 r s<s1] M[r<s3 F<c5 D<s2 x] brush[_<c0] clip[-] sel[c0] mod[c]", 6},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_pName);
    TearDown();
    SetUp();
    OpenPalettes();
    // "c5" ("s5"): a click on entry 5 of the common (stage) window; "c:ID" ("s:ID"): a command of it.
    for (const std::string& step : row.m_vSteps) {
      cPaletteWnd& window = step[0] == 's' ? Stage(0) : Common(0);
      if (step[1] == ':') PaletteCommand(window, std::stoi(step.substr(2)));
      else Click(window, std::stoi(step.substr(1)));
    }
    EXPECT_EQ(PaletteStateText(0), row.m_pState);
    // Both windows show their lists as they are now.
    EXPECT_EQ(Common(0).Pane().GetEntryCount(), row.m_nCommonCount);
    EXPECT_EQ(ScrollOf(Stage(0)).nMax, PaletteRows(g_StageDoc.m_vStageBlock.Count()) - 1);
  }
}

TEST_F(PaletteWndTest, TheClipboardsSourceHasADottedFrame) {
  OpenPalettes();
  Click(Common(0), 5);
  PaletteCommand(Common(0), 40142);
  Click(Common(0), 2);
  const cCanvas& grid = GridCanvas(Common(0));
  int white = 0;
  for (int x = 5 * 32; x < 6 * 32; ++x) white += PixelAt(grid, x, 0) == RGB(255, 255, 255);
  EXPECT_GT(white, 4) << "a frame around entry 5";
  EXPECT_LT(white, 30) << "dotted, not solid";
  for (int x = 2 * 32 + 2; x < 3 * 32 - 2; ++x) EXPECT_EQ(PixelAt(grid, x, 0), RGB(255, 255, 255)) << x;
}

TEST_F(PaletteWndTest, AClickRepaintsOnlyTheFramesThatMoved) {
  OpenPalettes(40);
  ASSERT_EQ(Common(0).m_nViewHeight, 5 * 32);
  Click(Common(0), 9);
  // A mark the window never drew: any repaint of the whole grid would cover it.
  cCanvas& grid = Common(0).m_cgView.m_Ctrl.m_Back;
  SetPixel(grid.Dc(), 6 * 32 + 16, 3 * 32 + 16, RGB(255, 0, 255));
  SetPixel(GridCanvas(Stage(0)).Dc(), 3 * 32 + 16, 16, RGB(255, 0, 255));
  Click(Common(0), 10);
  Click(Stage(0), 1);
  Click(Common(0), 11);
  // A stroke of the pen on the map repaints the palette windows of its layer.
  g_StageEditState.SetTool(0);
  MouseAtCell(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 1, 0, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 1, 0, 0);
  EXPECT_EQ(PixelAt(grid, 6 * 32 + 16, 3 * 32 + 16), RGB(255, 0, 255));
  EXPECT_EQ(PixelAt(GridCanvas(Stage(0)), 3 * 32 + 16, 16), RGB(255, 0, 255));
  EXPECT_EQ(PixelAt(grid, 3 * 32 + 16, 32), RGB(255, 255, 255)) << "the frame of entry 11";
  EXPECT_EQ(PixelAt(grid, 1 * 32 + 16, 32), SheetColour(1, 0, 1)) << "entry 9 without its frame";
  EXPECT_EQ(PixelAt(grid, 2 * 32 + 16, 32), SheetColour(1, 0, 1)) << "entry 10 without its frame";
  // Entries changed elsewhere: the whole grid again.
  Editor().Revalidate();
  EXPECT_EQ(PixelAt(grid, 6 * 32 + 16, 3 * 32 + 16), SheetColour(1, 0, 1));
}

TEST_F(PaletteWndTest, TheWheelAndTheScrollBarMoveTheGridByRows) {
  EditConfig.m_wpCommonBlocks.Set(500, 40, 256, 64);
  g_StageDoc.SetSize(4, 1, 0, 0);
  g_CommonPalette.m_vBlock.resize(40, Record<cEdBlock>(1));
  for (int i = 0; i < 40; ++i) g_CommonPalette.m_vBlock[static_cast<size_t>(i)].m_nGraphic = static_cast<int16_t>(i);
  g_StageEditState.m_bStageOpen = 1;
  MakeWindow();
  cPaletteWnd& window = Common(0);
  ASSERT_EQ(window.m_nViewHeight, 64);
  EXPECT_EQ(ScrollOf(window).nMax, 4);
  EXPECT_EQ(ScrollOf(window).nPage, 2u);
  auto wheel = [&](int delta) {
    SendMessageA(window.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
  };
  const struct {
    int m_nDelta, m_nTop;
  } steps[] = {
      {-120, 1},  // one notch toward the user: one row down
      {-360, 3},  // three notches, kept within the range
      {240, 1},   // two notches away: two rows up
      {-60, 1},   // half a notch waits for the other half
      {-60, 2},
      {360, 0},
  };
  for (const auto& step : steps) {
    wheel(step.m_nDelta);
    EXPECT_EQ(window.Pane().TopRow(), step.m_nTop) << step.m_nDelta;
    EXPECT_EQ(ScrollOf(window).nPos, step.m_nTop) << step.m_nDelta;
    // The grid shows the top row's first entry at its corner: graphic 8 x the row.
    int graphic = 8 * step.m_nTop;
    EXPECT_EQ(PixelAt(GridCanvas(window), 16, 16), graphic ? SheetColour(1, graphic / 15, graphic % 15) : RGB(0, 0, 0))
        << step.m_nDelta;
  }
  HWND bar = window.m_cgVScroll.m_Ctrl.m_hWnd;
  SendMessageA(window.m_hWnd, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  SendMessageA(window.m_hWnd, WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(window.Pane().TopRow(), 3);
  // A click below the top row picks the entry of the row shown there.
  Click(window, 3 * 8 + 2);
  EXPECT_EQ(g_StageEditState.m_nSelIndex, 26);
}

TEST_F(PaletteWndTest, TwinsToolbarsStayInStepWithTheEditState) {
  OpenPalettes();
  PaletteCommand(Common(0), 40046);
  EXPECT_EQ(g_StageEditState.m_nTool, 2);
  for (int index = 0; index < kPaletteWndCount; ++index) {
    cPaletteWnd& window = *Editor().PaletteWnd(index);
    EXPECT_TRUE(ToolChecked(window, 40046)) << index;
    EXPECT_FALSE(ToolChecked(window, 40044)) << index;
  }
  PaletteCommand(Stage(0), 40087);
  EXPECT_EQ(g_StageEditState.m_nTool, 4);
  EXPECT_TRUE(ToolChecked(Common(0), 40087));
  EXPECT_FALSE(ToolChecked(Common(0), 40046));
  // The map's tool changes from the editor too (a right-drag returns to the tool): the layer's
  // windows show it when they are shown.
  g_StageEditState.SetTool(1);
  Command(40049);
  EXPECT_TRUE(ToolChecked(Common(1), 40045));
  EXPECT_TRUE(ToolChecked(Stage(1), 40045));
}

TEST_F(PaletteWndTest, KeysAndTheEditorsAcceleratorsReachTheEditor) {
  OpenPalettes();
  cPaletteWnd& window = Stage(0);
  SetActiveWindow(window.m_hWnd);
  std::string title;
  cModalDriver driver([&](HWND dialog) {
    title = TextOf(dialog);
    PostMessageA(dialog, WM_COMMAND, kIdcCancel, 0);
  });
  // Ctrl+N as the main loop meets it: the key's message with Ctrl held, offered to the accelerators
  // of the active window. (Keys through the system's input queue get lost while other test
  // programs send theirs.)
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(window.m_hWnd, WM_KEYDOWN, 'N', 0);
  PumpFor(300, &g_ModelessList);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(driver.Ran()) << "Ctrl+N in a palette window opens the new-stage dialog";
  EXPECT_EQ(title, "ステージの新規作成");
  // Ctrl+Z: undo of the editor.
  g_StageEditState.SetTool(0);
  Click(Common(0), 1);
  MouseAtCell(WM_LBUTTONDOWN, 3, 0, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 3, 0, 0);
  EXPECT_EQ(EntryText(g_StageDoc.m_vBlockLayer.Get(3)), "A<c1");
  PaletteCommand(window, 40011);
  EXPECT_EQ(EntryText(g_StageDoc.m_vBlockLayer.Get(3)), "x");
  // The window cannot be closed by the user.
  SendMessageA(window.m_hWnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window.m_hWnd));
}

TEST_F(PaletteWndTest, AWindowKeepsItsPlaceWhenTheEditorIsRebuilt) {
  OpenPalettes();
  g_CommonPalette.m_vChara.resize(30, Record<cEdChara>(1));
  Command(40055);
  cPaletteWnd& window = Common(1);
  window.UpdateSize();
  // The user moves the window and drags its lower edge down to show three of the four rows.
  SetWindowPos(window.m_hWnd, nullptr, 300, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  window.SetClientSize(window.m_rcClient.right, window.m_nViewY + 96 + g_nStatusBarHeight);
  ASSERT_EQ(window.m_nViewHeight, 96);
  EXPECT_EQ(ScrollOf(window).nMax, 3);
  EXPECT_EQ(ScrollOf(window).nPage, 3u);
  SendMessageA(g_hMainWnd, WM_USER, 1, 0);
  const cWindowPlacement& placement = EditConfig.m_wpCommonCharas;
  EXPECT_EQ(placement.m_bValid, 1);
  EXPECT_EQ(placement.m_nX, 300);
  EXPECT_EQ(placement.m_nY, 40);
  EXPECT_EQ(placement.m_nHeight, 96);
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile(g_DataPaths[kPathEditConfig].GetStr()), 1);
  EXPECT_EQ(saved.m_wpCommonCharas.m_nHeight, 96);
  RECT rect = {};
  GetWindowRect(Common(1).m_hWnd, &rect);
  EXPECT_EQ(rect.left, 300);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(Common(1).m_nViewHeight, 96);
}

TEST_F(PaletteWndTest, RebuildingTheWindowsLeavesNoHandles) {
  OpenPalettes();
  SendMessageA(g_hMainWnd, WM_USER, 1, 0);  // the first run loads what the process keeps
  PumpMessages(&g_ModelessList);
  cGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 5; ++i) {
    SendMessageA(g_hMainWnd, WM_USER, 1, 0);
    PumpMessages(&g_ModelessList);
  }
  EXPECT_EQ(CountGuiObjects(), before);
  EXPECT_EQ(g_ModelessList.m_Windows.size(), 1u + kPaletteWndCount);
}

namespace {
// The pixels of an entry's cell that are not the black of the grid's background.
int InkOfCell(const cCanvas& grid, int entry) {
  int ink = 0;
  for (int y = 4; y < 28; ++y)
    for (int x = 4; x < 28; ++x) ink += PixelAt(grid, entry % 8 * 32 + x, entry / 8 * 32 + y) != RGB(0, 0, 0);
  return ink;
}

template <class T>
T FactoryEntry(int sheet, int graphic, const char* name) {
  T record = Record<T>(graphic);
  record.m_cGraphicSheet = static_cast<int8_t>(sheet);
  record.m_strName.Format("%s%d", name, graphic);
  return record;
}
}  // namespace

// The editor with its palette windows on the factory project's sheets, a selection and a cut
// pending: what tests/stage/win/palette-screenshot.sh takes pictures of (the block layer, then the
// character layer), held on the screen when asked.
TEST_F(PaletteWndTest, ThePaletteWindowsOnTheFactorySheets) {
  std::filesystem::copy(BuildTreePath("project\\bmp"), "bmp", std::filesystem::copy_options::recursive);
  cBoxAnswerer answerer;
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases("", ""), 1);
  g_StageDoc.SetSize(30, 15, 0, 0);
  g_CommonPalette.m_vBlock.resize(1);
  for (int graphic = 1; graphic <= 29; ++graphic)
    g_CommonPalette.m_vBlock.push_back(FactoryEntry<cEdBlock>(0, graphic, "ブロック"));
  g_CommonPalette.m_vChara.resize(1);
  for (int graphic = 1; graphic <= 12; ++graphic)
    g_CommonPalette.m_vChara.push_back(FactoryEntry<cEdChara>(1, graphic, "キャラ"));
  g_CommonPalette.m_vItem.resize(1);
  for (int graphic = 1; graphic <= 9; ++graphic)
    g_CommonPalette.m_vItem.push_back(FactoryEntry<cEdItem>(2, graphic, "アイテム"));
  g_StageDoc.m_vStageBlock.resize(1);
  for (int graphic : {5, 6, 7, 8, 1, 2}) g_StageDoc.m_vStageBlock.push_back(FactoryEntry<cEdBlock>(0, graphic, "壁"));
  g_StageDoc.m_vStageChara.resize(1);
  for (int graphic : {2, 3, 4}) g_StageDoc.m_vStageChara.push_back(FactoryEntry<cEdChara>(1, graphic, "敵"));
  // Ground and a few characters in the rows the map shows first.
  for (int x = 0; x < 30; ++x) g_StageDoc.m_vBlockLayer.At(g_StageDoc.CellIndex(x, 7)) = g_CommonPalette.m_vBlock[5];
  for (int x : {2, 5, 9}) g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(x, 6)) = g_CommonPalette.m_vChara[x];
  g_StageEditState.m_bStageOpen = 1;
  g_StageEditState.m_strStagePath = "data\\stg4\\見本.stg4_771";
  EditConfig.m_wpStageEditor.Set(10, 10, 384, 300);
  MakeWindow();
  Click(Common(0), 12);
  Click(Stage(0), 3);
  PaletteCommand(Stage(0), 40142);
  Click(Common(0), 5);
  EXPECT_EQ(PaletteStatus(Common(0)), "5 : ブロック5");
  for (int entry : {1, 11, 29}) EXPECT_GT(InkOfCell(GridCanvas(Common(0)), entry), 50) << entry;
  EXPECT_EQ(InkOfCell(GridCanvas(Common(0)), 30), 0) << "past the end";
  EXPECT_GT(InkOfCell(GridCanvas(Stage(0)), 2), 50);
  // The user drags each stage window below its twin, which it covers at first.
  for (int kind = 0; kind < 3; ++kind) {
    RECT common = {};
    GetWindowRect(Common(kind).m_hWnd, &common);
    SetWindowPos(Stage(kind).m_hWnd, nullptr, common.left, common.bottom + 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  int hold = HoldMilliseconds();
  HoldForShot(2, hold, &g_ModelessList);
  Command(40055);
  Click(Stage(1), 2);
  EXPECT_EQ(PaletteStatus(Stage(1)), "2 : 敵3");
  EXPECT_GT(InkOfCell(GridCanvas(Common(1)), 4), 50) << "character 4";
  HoldForShot(3, hold, &g_ModelessList);
  EXPECT_TRUE(answerer.Seen().empty());
}

// Events on the world map: placing with the event palette's three options, the popup menu's
// commands, the template list of the event palette, and the map chip palette.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/cEditConfig.h"
#include "stage/cStageEditState.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/WorldMapFixture.h"
#include "ui/win/cModelessList.h"

namespace {

// A check box of a window as a click leaves it.
void ClickCheck(HWND window, int id, bool on) {
  HWND box = GetDlgItem(window, id);
  SendMessageA(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

void SetText(HWND dialog, int id, const char* text) { SetDlgItemTextA(dialog, id, text); }

class WorldMapEventsTest : public WorldMapWndTest {
protected:
  void EventMode() {
    OpenWorldMap();
    Command(40072);
    ASSERT_NE(EventPalette(), nullptr);
  }
  HWND Palette() { return EventPalette()->m_hWnd; }
  // Selects the template rows as a click on the list does.
  void SelectTemplate(int row) {
    HWND list = EventPalette()->List().m_hWnd;
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, row, 0);
    SendMessageA(Palette(), WM_COMMAND, MAKEWPARAM(1241, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  // A command of the template list while it has the focus (its keys and popup menu).
  void ListCommand(int id) {
    SetFocus(EventPalette()->List().m_hWnd);
    SendMessageA(Palette(), WM_COMMAND, id, 0);
  }
  std::string TemplateNames() {
    std::string names;
    for (const cWorldEvent& event : g_WorldMap.m_vTemplate) names += (names.empty() ? "" : " ") + std::string(event.m_strName.GetStr());
    return names;
  }
};

}  // namespace

TEST_F(WorldMapEventsTest, WithoutOptionsTheTemplateIsPlacedOnEveryCellTheMousePasses) {
  g_WorldMap.m_vTemplate[0].m_vPage[0].m_nWorldNo = 5;
  EventMode();
  EXPECT_EQ(State().m_nSelect, 0) << "template 0 is current";
  MouseAtCell(WM_LBUTTONDOWN, 3, 2, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 4, 2, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 4, 2, MK_LBUTTON);
  MouseAtCell(WM_MOUSEMOVE, 5, 3, MK_LBUTTON);
  MouseAtCell(WM_LBUTTONUP, 5, 3, 0);
  EXPECT_EQ(Events(), "村@3,2#5 村@4,2#5 村@5,3#5");
  EXPECT_EQ(State().m_lUndoMap.size(), 1u);
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
  // The marker: the event sheet's row 0, numbered picture, at half size at (15, 1) of its cell.
  EXPECT_EQ(PicturePixel(3 * 32 + 15 + 8, 2 * 32 + 1 + 12), TestSheetColour(2, 0, 0));
  EXPECT_EQ(PicturePixel(3 * 32 + 15, 2 * 32 + 1 + 8), RGB(255, 255, 0)) << "its yellow outline";
  ClickCell(4, 2);
  EXPECT_EQ(Events(), "村@3,2#5 村@5,3#5 村@4,2#5") << "a placement replaces the event of the cell";
  Command(40052);
  Command(40052);
  EXPECT_EQ(Events(), "");
}

TEST_F(WorldMapEventsTest, AutomaticNumbersTakeTheFreeNumberOncePerPlacement) {
  EventMode();
  ClickCheck(Palette(), 1036, true);
  EXPECT_EQ(EditConfig.m_bAutoWorldNo, 1) << "stored at once";
  ClickCell(1, 1);
  ClickCell(2, 1);
  ClickCell(3, 1);
  EXPECT_EQ(Events(), "村@1,1#1 村@2,1#2 村@3,1#3");
  ClickCell(2, 1);
  EXPECT_EQ(Events(), "村@1,1#1 村@3,1#3 村@2,1#2") << "the event replaced gives its number up";
  ClickCheck(Palette(), 1036, false);
  EXPECT_EQ(EditConfig.m_bAutoWorldNo, 0);
  ClickCell(6, 1);
  EXPECT_EQ(Events(), "村@1,1#1 村@3,1#3 村@2,1#2 村@6,1#0");
}

TEST_F(WorldMapEventsTest, EditBeforePlacingOpensTheDialogOnACopyAndCancelPlacesNothing) {
  EventMode();
  ClickCheck(Palette(), 1035, true);
  EXPECT_EQ(EditConfig.m_bEditBeforePlacing, 1);
  {
    cModalDriver driver([](HWND dialog) { SendMessageA(dialog, WM_COMMAND, 1001, 0); });
    ClickCell(2, 2);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "");
  EXPECT_EQ(State().m_lUndoMap.size(), 0u) << "no checkpoint without a placement";
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "城");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    ClickCell(2, 2);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "城@2,2#0");
  EXPECT_EQ(g_WorldMap.m_vTemplate[0].m_strName, "村") << "the template stays";
  EXPECT_EQ(State().m_lUndoMap.size(), 1u) << "the dialog's OK took the checkpoint";
  Command(40052);
  EXPECT_EQ(Events(), "");
}

TEST_F(WorldMapEventsTest, EditIfPlacedOpensThePlacedEvent) {
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 4, 4);
  EventMode();
  ClickCheck(Palette(), 1037, true);
  g_StageEditState.m_bWorldMapModified = 0;
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "塔");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    ClickCell(4, 4);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "塔@4,4#0");
  EXPECT_EQ(State().m_lUndoMap.size(), 1u);
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
  ClickCell(5, 4);
  EXPECT_EQ(Events(), "塔@4,4#0 村@5,4#0") << "an empty cell is placed on";
  // The option is kept with the editor configuration.
  ClickCheck(Palette(), 1035, true);
  Command(40071);
  cEditConfig saved;
  ASSERT_EQ(saved.LoadFile("e_data\\EditConfig.dat"), 1);
  EXPECT_EQ(saved.m_bEditIfPlaced, 1);
  EXPECT_EQ(saved.m_bEditBeforePlacing, 1);
  Command(40072);
  EXPECT_EQ(SendMessageA(GetDlgItem(Palette(), 1037), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(WorldMapEventsTest, ThePopupCutsCopiesPastesCreatesAndDeletes) {
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 2, 2);
  g_WorldMap.m_vEvent[0].m_strName = "港";
  EventMode();
  PopupCommand(6, 6, 0);
  EXPECT_EQ(m_vPopupEnabled, (std::vector<int>{0, 0, 0, 0, 1, 0})) << "an empty cell, an empty clipboard";
  PopupCommand(2, 2, 40039);
  EXPECT_EQ(m_vPopupEnabled, (std::vector<int>{1, 1, 1, 0, 1, 1}));
  EXPECT_EQ(State().m_bClipboard, 1);
  ASSERT_EQ(EventPalette()->List().m_vCopyBuf.size(), 1u) << "the template list may paste it too";
  EXPECT_EQ(EventPalette()->List().m_vCopyBuf[0].m_strName, "港");
  PopupCommand(5, 5, 40040);
  EXPECT_EQ(Events(), "港@2,2#0 港@5,5#0");
  PopupCommand(2, 2, 40038);
  EXPECT_EQ(Events(), "港@5,5#0");
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "新");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    PopupCommand(7, 7, 40028);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "港@5,5#0 新@7,7#0");
  PopupCommand(5, 5, 40043);
  EXPECT_EQ(Events(), "新@7,7#0");
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "都");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    PopupCommand(7, 7, 50059);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "都@7,7#0");
  Command(40052);
  EXPECT_EQ(Events(), "新@7,7#0") << "the edit is one undo step";
}

TEST_F(WorldMapEventsTest, ACopiedTemplateIsPastedOnTheMapAndACutEventIntoTheTemplates) {
  g_WorldMap.m_vTemplate.push_back(NamedEvent("森", 0));
  EventMode();
  SelectTemplate(1);
  ListCommand(40001);  // Ctrl+C of the list
  EXPECT_EQ(State().m_bClipboard, 1);
  EXPECT_EQ(State().m_ClipEvent.m_strName, "森");
  PopupCommand(4, 4, 40040);
  EXPECT_EQ(Events(), "森@4,4#0");
  PopupCommand(4, 4, 40038);
  EXPECT_EQ(Events(), "");
  SelectTemplate(0);
  ListCommand(40007);  // Ctrl+V of the list
  EXPECT_EQ(TemplateNames(), "森 村 森");
}

TEST_F(WorldMapEventsTest, TheTemplateListInsertsEditsDeletesAndCounts) {
  EventMode();
  EXPECT_EQ(TemplateRows(), (std::vector<std::string>{"1 村", std::string(64, '-')}));
  // Insert, cancelled: the list stays as it was.
  {
    cModalDriver driver([](HWND dialog) { SendMessageA(dialog, WM_COMMAND, 1001, 0); });
    ClickButton(Palette(), 1066);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(TemplateNames(), "村");
  // Insert, confirmed: the new template before the current row.
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "山");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    ClickButton(Palette(), 1066);
  }
  EXPECT_EQ(TemplateNames(), "山 村");
  EXPECT_EQ(TemplateRows()[0], "1 山");
  SelectTemplate(1);
  EXPECT_EQ(State().m_CurEvent.m_strName, "村") << "the current event follows the list";
  {
    cModalDriver driver([](HWND dialog) {
      SetText(dialog, 1002, "里");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    ClickButton(Palette(), 1226);
  }
  EXPECT_EQ(TemplateNames(), "山 里");
  EXPECT_EQ(TemplateRows()[1], "2 里");
  EXPECT_EQ(State().m_CurEvent.m_strName, "里");
  ClickButton(Palette(), 1067);
  EXPECT_EQ(TemplateNames(), "山");
  m_Shell.m_nBeeps = 0;
  ClickButton(Palette(), 1067);
  EXPECT_EQ(TemplateNames(), "山") << "the last template stays";
  EXPECT_EQ(m_Shell.m_nBeeps, 1) << "and only beeps";
  // "ﾃﾞｰﾀ数": the value dialog "データ数" within 1 .. 99.
  std::string caption;
  {
    cModalDriver driver([&](HWND dialog) {
      char text[64] = {};
      GetWindowTextA(dialog, text, sizeof text);
      caption = text;
      SetDlgItemTextA(dialog, 1003, "150");
      SendMessageA(dialog, WM_COMMAND, 1000, 0);
    });
    ClickButton(Palette(), 11071);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(caption, "データ数");
  EXPECT_EQ(g_WorldMap.m_vTemplate.Count(), 99);
  // The extra row after the last template: no template is current, placing places nothing.
  SelectTemplate(99);
  EXPECT_EQ(State().m_nSelect, -1);
  EXPECT_EQ(State().m_nBrushW, 0);
  ClickCell(1, 1);
  EXPECT_EQ(Events(), "");
}

TEST_F(WorldMapEventsTest, TheMapChipPaletteShowsTheChipsAndTheSelection) {
  for (int i = 0; i < 2; ++i) {
    cMapChipDef chip;
    chip.SetDefaults(5);
    chip.m_strName = i ? "橋" : "森";
    chip.m_nGraphic = 10 + i;
    g_WorldMap.m_vChipDef.push_back(chip);
  }
  OpenWorldMap();
  cMapChipPaletteWnd& palette = *ChipPalette();
  EXPECT_EQ(StatusText(palette.m_hWndStatus), "0 : 通行不可");
  const cCanvas& canvas = palette.PictureCanvas();
  auto pixel = [&](int x, int y) {
    const uint8_t* at = canvas.Image().At(x, y);
    return RGB(at[2], at[1], at[0]);
  };
  EXPECT_EQ(pixel(3 * 32 + 10, 32 + 10), TestSheetColour(1, 3, 1)) << "chip 8";
  EXPECT_EQ(pixel(3 * 32, 32 + 10), TestSheetColour(1, 3, 1));
  ClickChip(8);
  EXPECT_EQ(StatusText(palette.m_hWndStatus), "8 : 通行可");
  EXPECT_EQ(pixel(3 * 32, 32 + 10), RGB(127, 0, 255)) << "the selection frame";
  // Twelve chips take three rows; scrolled by one, the first row shows chips 5 .. 9.
  HWND bar = GetDlgItem(palette.m_hWnd, 1009);
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  EXPECT_EQ(info.nMax, 2);
  EXPECT_EQ(info.nPage, 2u);
  SendMessageA(palette.m_hWnd, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(palette.m_nScrollRow, 1);
  ClickChip(11);
  EXPECT_EQ(StatusText(palette.m_hWndStatus), "11 : 橋");
  EXPECT_EQ(pixel(32 + 10, 32 + 10), TestSheetColour(1, 1, 2)) << "chip 11 shows cell 11 of the sheet";
  ClickCell(0, 0);
  EXPECT_EQ(g_WorldMap.ChipAt(0, 0), 11);
  // A click past the last chip keeps the index; the pen then paints nothing.
  ClickChip(13);
  EXPECT_EQ(StatusText(palette.m_hWndStatus), "");
  ClickCell(0, 0);
  EXPECT_EQ(g_WorldMap.ChipAt(0, 0), 11);
}

TEST_F(WorldMapEventsTest, ARightClickOnTheTemplateListShowsItsPopupMenu) {
  g_WorldMap.m_vTemplate.push_back(NamedEvent("森", 0));
  EventMode();
  cEventPaletteWnd::tList& list = EventPalette()->List();
  SetForegroundWindow(Palette());
  SetActiveWindow(Palette());
  RECT item = {};
  SendMessageA(list.m_hWnd, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  POINT point = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list.m_hWnd, &point);
  MoveCursorTo(point);
  Pump();
  std::vector<std::string> items;
  ChooseFromMenus([&] {
    HMENU popup = list.m_hPopupMenu;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      char text[64] = {};
      GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
      items.push_back(text);
    }
    ClickMenuItem(popup, 40039);  // コピー
  });
  PressButton(VK_RBUTTON);
  Pump();
  ReleaseButton(VK_RBUTTON);
  Pump();
  StopChoosingFromMenus();
  Pump();
  EXPECT_EQ(items, (std::vector<std::string>{"切り取り", "コピー", "貼り付け", "", "新規挿入", "", "削除"}));
  EXPECT_EQ(State().m_bClipboard, 1);
  EXPECT_EQ(State().m_ClipEvent.m_strName, "森") << "the row under the click";
}

// The world event dialog "イベント" and the world map settings dialog "ワールドマップの設定" as the world
// map window and its event palette run them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/ProgramPalette.h"
#include "app/cEditConfig.h"
#include "app/cValInfoData.h"
#include "app/win/FileDialogs.h"
#include "stage/cStageEditState.h"
#include "tests/project/win/FileAnswer.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/WorldMapFixture.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/win/DialogItems.h"
#include "tests/support/win/LabelFit.h"

namespace {

int Chosen(HWND dialog, int id) { return static_cast<int>(SendMessageA(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0)); }

std::string ComboRow(HWND dialog, int id, int row) {
  char text[256] = {};
  SendMessageA(GetDlgItem(dialog, id), CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::string> ListRows(HWND dialog, int id) {
  HWND list = GetDlgItem(dialog, id);
  std::vector<std::string> rows;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

// A real click on a row of a list box.
void ClickRow(HWND dialog, int id, int row) { ClickListBoxRow(GetDlgItem(dialog, id), row); }

// Makes a row of a multi-selection list the only selected one, as a click on it does.
void SelectRow(HWND dialog, int id, int row) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  SendMessageA(list, LB_SETSEL, TRUE, row);
  SendMessageA(list, LB_SETCARETINDEX, row, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::string Caption(HWND window) {
  char text[128] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}


// The open-file dialog answered with a path; what it was asked with is kept.

class WorldMapDialogsTest : public WorldMapWndTest {
protected:
  // A template of two pages: a world numbered 3 and a road.
  void TwoPageTemplate() {
    cWorldEvent& event = g_WorldMap.m_vTemplate[0];
    event.m_vPage[0].m_nWorldNo = 3;
    event.m_vPage[0].m_strWorldName = "はじまりの村";
    cWorldEventPage road;
    road.m_nType = cWorldEventPage::kTypeRoad;
    road.m_nGraphic = 2;
    event.m_vPage.push_back(road);
  }
  // The world event dialog on the current template, from the event palette's "編集".
  void EditTemplate(std::function<void(HWND)> action) {
    if (!EventPalette()) Command(40072);
    cModalDriver driver(std::move(action));
    SendMessageA(EventPalette()->m_hWnd, WM_COMMAND, MAKEWPARAM(1226, BN_CLICKED), 0);
    EXPECT_TRUE(driver.Ran());
  }
  void Settings(std::function<void(HWND)> action) {
    cModalDriver driver(std::move(action));
    Command(40056);
    EXPECT_TRUE(driver.Ran());
  }
};

}  // namespace

TEST_F(WorldMapDialogsTest, TheEventDialogShowsThePagesAndFollowsTheTypeRules) {
  TwoPageTemplate();
  OpenWorldMap();
  EditTemplate([&](HWND dialog) {
    EXPECT_EQ(Caption(dialog), "イベント");
    ExpectLabelsInside(dialog);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 1075)));
    EXPECT_EQ(ListRows(dialog, 1254), (std::vector<std::string>{"1 ワールド番号 3", "2 ワールド番号 0", std::string(64, '-')}));
    EXPECT_EQ(ItemText(dialog, 1002), "村");
    EXPECT_EQ(ItemText(dialog, 1245), "3");
    EXPECT_EQ(ItemText(dialog, 1255), "はじまりの村");
    EXPECT_EQ(ComboRow(dialog, 1033, 1), "道");
    EXPECT_EQ(ComboRow(dialog, 1244, 2), "タイトルへ戻る");
    EXPECT_EQ(ComboRow(dialog, 1253, 6), "の倍数である");
    EXPECT_EQ(ComboRow(dialog, 1249, 0), "変数条件なし");
    EXPECT_EQ(ComboRow(dialog, 1249, 1), "001 ");
    EXPECT_EQ(ComboRow(dialog, 1258, 0), "001 ");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1032), CB_GETCOUNT, 0, 0), 4) << "the event sheet is 128 pixels high";
    EXPECT_EQ(ComboRow(dialog, 1032, 3), "4");
    EXPECT_FALSE(Enabled(dialog, 1251)) << "no variable condition";
    EXPECT_FALSE(Enabled(dialog, 1253));
    EXPECT_TRUE(Enabled(dialog, 1245));
    EXPECT_FALSE(Enabled(dialog, 1258)) << "no variation";

    // The preview: the sheet's numbered picture (column 0) of the page's row, numberless for 0.
    auto preview = [&] {
      const uint8_t* pixel = Map().m_pEventDlg->PreviewCanvas()->Image().At(16, 16);
      return RGB(pixel[2], pixel[1], pixel[0]);
    };
    EXPECT_EQ(preview(), TestSheetColour(2, 0, 0));
    ChooseRow(dialog, 1032, 2);
    EXPECT_EQ(preview(), TestSheetColour(2, 0, 2));
    EnterText(dialog, 1245, "0");
    EXPECT_EQ(preview(), TestSheetColour(2, 1, 2));
    ChooseRow(dialog, 1032, 0);
    EnterText(dialog, 1245, "3");
    ChooseRow(dialog, 1033, 1);  // 道
    EXPECT_EQ(ItemText(dialog, 1245), "0");
    for (int id : {1245, 1255, 1247, 1038, 1036, 1037, 1244, 1258, 1259, 1260})
      EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(ListRows(dialog, 1254)[0], "1 ワールド番号 0");
    ChooseRow(dialog, 1033, 0);  // ワールド again: the number stays 0
    EXPECT_EQ(ItemText(dialog, 1245), "0");
    for (int id : {1245, 1255, 1247, 1038, 1036, 1037, 1244}) EXPECT_TRUE(Enabled(dialog, id)) << id;
    EnterText(dialog, 1245, "12");
    EXPECT_EQ(ListRows(dialog, 1254)[0], "1 ワールド番号 12");
    SetCheckAsUser(dialog, 1038, true);
    EXPECT_TRUE(Enabled(dialog, 1258));
    EXPECT_TRUE(Enabled(dialog, 1260));
    ChooseRow(dialog, 1249, 5);
    EXPECT_TRUE(Enabled(dialog, 1251));
    EXPECT_TRUE(Enabled(dialog, 1253));
    EnterText(dialog, 1002, "城下町");

    SelectRow(dialog, 1254, 1);
    EXPECT_EQ(Chosen(dialog, 1033), 1) << "page 2, the road";
    EXPECT_EQ(Chosen(dialog, 1032), 2);
    EXPECT_FALSE(Enabled(dialog, 1245));
    ClickButton(dialog, 1066);  // a new page before page 2
    EXPECT_EQ(ListRows(dialog, 1254).size(), 4u);
    EXPECT_EQ(Chosen(dialog, 1033), 0) << "a default page";
    EXPECT_EQ(Chosen(dialog, 1258), 0) << "its variation variable 1";
    EXPECT_TRUE(Enabled(dialog, 1245));
    ClickButton(dialog, 1000);
  });
  const cWorldEvent& edited = g_WorldMap.m_vTemplate[0];
  EXPECT_EQ(edited.m_strName, "城下町");
  ASSERT_EQ(edited.m_vPage.Count(), 3);
  EXPECT_EQ(edited.m_vPage[0].m_nWorldNo, 12);
  EXPECT_EQ(edited.m_vPage[0].m_bVariation, 1);
  EXPECT_EQ(edited.m_vPage[0].m_nCondVar, 5);
  EXPECT_EQ(edited.m_vPage[1].m_nVariationVar, 1);
  EXPECT_EQ(edited.m_vPage[2].m_nType, cWorldEventPage::kTypeRoad);
  EXPECT_EQ(State().m_CurEvent.m_strName, "城下町") << "the current event is the edited template";
  EXPECT_EQ(TemplateRows()[0], "1 城下町");
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
}

// Pages stored with a world number on a road or a wall (an older file, another tool): the page
// shown loses it, in the edit, in its row and, on OK, in the event.
TEST_F(WorldMapDialogsTest, ARoadOrWallPageShownLosesItsStoredWorldNumber) {
  cWorldEvent& event = g_WorldMap.m_vTemplate[0];
  event.m_vPage[0].m_nType = cWorldEventPage::kTypeRoad;
  event.m_vPage[0].m_nWorldNo = 7;
  for (int32_t type : {cWorldEventPage::kTypeWall, cWorldEventPage::kTypeWorld}) {
    cWorldEventPage page;
    page.m_nType = type;
    page.m_nWorldNo = 4 + type;
    event.m_vPage.push_back(page);
  }
  OpenWorldMap();
  std::vector<std::string> opened, shown;
  std::string first, second, third;
  EditTemplate([&](HWND dialog) {
    first = ItemText(dialog, 1245);
    opened = ListRows(dialog, 1254);
    ClickRow(dialog, 1254, 1);
    second = ItemText(dialog, 1245);
    ClickRow(dialog, 1254, 2);
    third = ItemText(dialog, 1245);
    shown = ListRows(dialog, 1254);
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(first, "0");
  EXPECT_EQ(opened[0], "1 ワールド番号 0");
  EXPECT_EQ(opened[1], "2 ワールド番号 6") << "a page not shown yet keeps its number";
  EXPECT_EQ(second, "0");
  EXPECT_EQ(third, "4") << "a world keeps its number";
  EXPECT_EQ(shown, (std::vector<std::string>{"1 ワールド番号 0", "2 ワールド番号 0", "3 ワールド番号 4",
                                             std::string(64, '-')}));
  const cWorldEvent& edited = g_WorldMap.m_vTemplate[0];
  ASSERT_EQ(edited.m_vPage.Count(), 3);
  EXPECT_EQ(edited.m_vPage[0].m_nWorldNo, 0);
  EXPECT_EQ(edited.m_vPage[1].m_nWorldNo, 0);
  EXPECT_EQ(edited.m_vPage[2].m_nWorldNo, 4);
}

// A page whose graphic row lies beyond the rows of the event sheet (a shorter picture put in its
// place) shows no row and keeps its row through a store and OK.
TEST_F(WorldMapDialogsTest, AGraphicRowBeyondTheSheetIsKept) {
  g_WorldMap.m_vTemplate[0].m_vPage[0].m_nGraphic = 6;  // the sheet has rows 0..3
  OpenWorldMap();
  EditTemplate([&](HWND dialog) {
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1032), CB_GETCOUNT, 0, 0), 4);
    EnterText(dialog, 1002, "城");
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(g_WorldMap.m_vTemplate[0].m_strName, "城");
  EXPECT_EQ(g_WorldMap.m_vTemplate[0].m_vPage[0].m_nGraphic, 6);
}

// A right click on another page row whose popup menu is dismissed shows that page: OK then keeps
// both pages as they were, none written with the controls of the other.
TEST_F(WorldMapDialogsTest, ADismissedPopupMenuLeavesTheRightClickedPageShownAndKept) {
  TwoPageTemplate();
  OpenWorldMap();
  int menus = 0;
  int typeShown = -1;
  std::string numberShown;
  EditTemplate([&](HWND dialog) {
    cPopupMenuWatch watch([&](HWND) {
      ++menus;
      TypeKey(VK_ESCAPE);
    });
    ClickListBoxRow(GetDlgItem(dialog, 1254), 1, VK_RBUTTON);
    PumpFor(50);
    typeShown = Chosen(dialog, 1033);
    numberShown = ItemText(dialog, 1245);
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(menus, 1);
  EXPECT_EQ(typeShown, 1) << "the road page is shown";
  EXPECT_EQ(numberShown, "0");
  const cWorldEvent& edited = g_WorldMap.m_vTemplate[0];
  ASSERT_EQ(edited.m_vPage.Count(), 2);
  EXPECT_EQ(edited.m_vPage[0].m_nType, cWorldEventPage::kTypeWorld);
  EXPECT_EQ(edited.m_vPage[0].m_nWorldNo, 3);
  EXPECT_EQ(edited.m_vPage[0].m_strWorldName, "はじまりの村");
  EXPECT_EQ(edited.m_vPage[1].m_nType, cWorldEventPage::kTypeRoad);
  EXPECT_EQ(edited.m_vPage[1].m_nGraphic, 2);
  EXPECT_EQ(edited.m_vPage[1].m_strWorldName, "");
}

TEST_F(WorldMapDialogsTest, CancelLeavesTheEventAsItWasAndTakesNoCheckpoint) {
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 2, 2);
  EditConfig.m_bEditIfPlaced = 1;
  OpenWorldMap();
  Command(40072);
  {
    cModalDriver driver([](HWND dialog) {
      EnterText(dialog, 1002, "別名");
      ChooseRow(dialog, 1033, 2);
      ClickButton(dialog, 1001);
    });
    ClickCell(2, 2);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(Events(), "村@2,2#0");
  EXPECT_EQ(g_WorldMap.m_vEvent[0].m_vPage[0].m_nType, cWorldEventPage::kTypeWorld);
  EXPECT_EQ(State().m_lUndoMap.size(), 0u);
}

TEST_F(WorldMapDialogsTest, TheStartStageIsStoredRelativeToTheWorkingFolder) {
  OpenWorldMap();
  EditTemplate([&](HWND dialog) {
    {
      cOpenFileAnswer choice("Q:\\elsewhere\\far.stg4_771");
      ClickButton(dialog, 1248);
      EXPECT_EQ(ItemText(dialog, 1247), "") << "another drive is not taken";
      EXPECT_EQ(choice.m_strFolder, "data\\stg4");
      EXPECT_EQ(choice.m_strTitle, "ステージファイルの選択");
      EXPECT_EQ(choice.m_strFilter, "StageFile ( *.stg4_* )|*.stg4_*");
    }
    cOpenFileAnswer choice(Here() + "\\data\\stg4\\first.stg4_771");
    ClickButton(dialog, 1248);
    EXPECT_EQ(ItemText(dialog, 1247), ".\\data\\stg4\\first.stg4_771") << "as the shell makes it relative";
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(g_WorldMap.m_vTemplate[0].m_vPage[0].m_strStartStage, ".\\data\\stg4\\first.stg4_771");
}

TEST_F(WorldMapDialogsTest, RenamingACommonVariableSavesTheNamesAtOnce) {
  OpenWorldMap();
  EditTemplate([&](HWND dialog) {
    m_Shell.m_nBeeps = 0;
    ClickButton(dialog, 1250);
    EXPECT_EQ(m_Shell.m_nBeeps, 1) << "変数条件なし has no name";
    ChooseRow(dialog, 1249, 3);
    std::string caption;
    {
      cModalDriver names([&](HWND input) {
        caption = Caption(input);
        EnterText(input, 1003, "難易度");
        ClickButton(input, 1000);
      });
      ClickButton(dialog, 1250);
      EXPECT_TRUE(names.Ran());
    }
    EXPECT_EQ(caption, "変数名の入力");
    EXPECT_EQ(ComboRow(dialog, 1249, 3), "003 難易度");
    EXPECT_EQ(ComboRow(dialog, 1258, 2), "003 難易度");
    EXPECT_EQ(Chosen(dialog, 1249), 3) << "the choice stays";
    ClickButton(dialog, 1001);
  });
  EXPECT_EQ(g_vValInfo[3].m_strName, "難易度");
  EXPECT_TRUE(FileThere("data\\GValInfo.dat")) << "saved even though the dialog was cancelled";
}

TEST_F(WorldMapDialogsTest, DialogsHoldOnlyTheWorldMapWindows) {
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 2, 2);
  EditConfig.m_bEditIfPlaced = 1;
  OpenWorldMap();
  Command(40072);
  HWND stage = g_pStageEditorWnd->m_hWnd;
  HWND palette = EventPalette()->m_hWnd;
  bool mapShown = false, paletteShown = false, mapEnabled = true;
  // From the palette: the map's windows hidden meanwhile.
  EditTemplate([&](HWND dialog) {
    mapShown = IsWindowVisible(Window());
    paletteShown = IsWindowVisible(palette);
    ClickButton(dialog, 1001);
  });
  EXPECT_FALSE(mapShown);
  EXPECT_FALSE(paletteShown);
  // From the map: its windows disabled meanwhile.
  {
    cModalDriver driver([&](HWND dialog) {
      mapEnabled = IsWindowEnabled(Window()) || IsWindowEnabled(palette);
      mapShown = IsWindowVisible(Window());
      ClickButton(dialog, 1001);
    });
    ClickCell(2, 2);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_FALSE(mapEnabled);
  EXPECT_TRUE(mapShown);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_TRUE(IsWindowVisible(palette));
  EXPECT_TRUE(IsWindowEnabled(palette));
  EXPECT_FALSE(IsWindowVisible(stage)) << "the stage editor stays as the opening left it";
  EXPECT_FALSE(IsWindowEnabled(stage));
}

TEST_F(WorldMapDialogsTest, TheSettingsDialogResizesTheMapAndEmptiesTheHistory) {
  g_ProgramPalette.m_Pal[207] = cColourEntry{30, 200, 10, 0};
  OpenWorldMap();
  ClickCell(1, 1);
  ASSERT_TRUE(MenuEnabled(40052));
  HWND palette = ChipPalette()->m_hWnd;
  bool hidden = false, disabled = false;
  Settings([&](HWND dialog) {
    EXPECT_EQ(Caption(dialog), "ワールドマップの設定");
    ExpectLabelsInside(dialog);
    hidden = !IsWindowVisible(Window()) && !IsWindowVisible(palette);
    disabled = !IsWindowEnabled(Window()) && !IsWindowEnabled(palette);
    EXPECT_EQ(ItemText(dialog, 11210), "20");
    EXPECT_EQ(ItemText(dialog, 11211), "15");
    EXPECT_EQ(ItemText(dialog, 1213), "9");
    EXPECT_EQ(ItemText(dialog, 1215), "7");
    EXPECT_EQ(ItemText(dialog, 1257), "16");
    EnterText(dialog, 11210, "40");
    EnterText(dialog, 11211, "30");
    EnterText(dialog, 1257, "300");
    EXPECT_EQ(ItemText(dialog, 1257), "207") << "held to 16 .. 207 while typed";
    const uint8_t* pixel = Map().m_pSettingsDlg->PreviewCanvas()->Image().At(10, 10);
    const cColourEntry& entry = g_ProgramPalette.m_Pal[207];
    EXPECT_EQ(RGB(pixel[2], pixel[1], pixel[0]), RGB(entry.m_nRed, entry.m_nGreen, entry.m_nBlue)) << "the preview";
    ClickButton(dialog, 1000);
  });
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(disabled);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_TRUE(IsWindowEnabled(Window()));
  EXPECT_TRUE(IsWindowVisible(palette));
  EXPECT_EQ(g_WorldMap.m_nWidth, 40);
  EXPECT_EQ(g_WorldMap.m_nHeight, 30);
  EXPECT_EQ(g_WorldMap.m_nPitch, 64);
  EXPECT_EQ(g_WorldMap.m_vMap.Count(), 1920);
  EXPECT_EQ(g_WorldMap.m_nBackColor, 207);
  SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(GetDlgItem(Window(), 1008), SB_CTL, &info);
  EXPECT_EQ(info.nMax, 39);
  GetScrollInfo(GetDlgItem(Window(), 1009), SB_CTL, &info);
  EXPECT_EQ(info.nMax, 29);
  EXPECT_FALSE(MenuEnabled(40052)) << "the history no longer fits the map";
  EXPECT_EQ(g_StageEditState.m_bWorldMapModified, 1);
}

TEST_F(WorldMapDialogsTest, ShrinkingPullsTheStartInAndDropsTheEventsOutside) {
  OpenWorldMap();
  Settings([](HWND dialog) {
    EnterText(dialog, 11210, "200");
    EnterText(dialog, 11211, "150");
    EnterText(dialog, 1213, "199");
    EnterText(dialog, 1215, "149");
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(g_WorldMap.m_nPitch, 256);
  EXPECT_EQ(g_WorldMap.m_nStartX, 199);
  EXPECT_EQ(g_WorldMap.m_nStartY, 149);
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 30, 20);
  g_WorldMap.PlaceEvent(g_WorldMap.m_vTemplate[0], 19, 14);
  Settings([](HWND dialog) {
    EnterText(dialog, 11210, "20");
    EnterText(dialog, 11211, "15");
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(g_WorldMap.m_nStartX, 19);
  EXPECT_EQ(g_WorldMap.m_nStartY, 14);
  EXPECT_EQ(Events(), "村@19,14#0");
  Settings([](HWND dialog) {
    EnterText(dialog, 11210, "35");
    ClickButton(dialog, 1001);
  });
  EXPECT_EQ(g_WorldMap.m_nWidth, 20) << "Cancel";
}

TEST_F(WorldMapDialogsTest, TheBackgroundPictureIsStoredAtOnceAndReloadedByOk) {
  cBmpFields fields;
  fields.m_nWidth = 64;
  fields.m_nHeight = 48;
  fields.m_nBitCount = 24;
  fields.m_Pixels = Bytes(64 * 3 * 48, 0x50);
  WriteFileBytes("bmp\\WorldBackTest.bmp", BmpFile(fields));
  OpenWorldMap();
  Settings([&](HWND dialog) {
    cOpenFileAnswer choice(Here() + "\\bmp\\WorldBackTest.bmp");
    ClickButton(dialog, 1256);
    EXPECT_EQ(ItemText(dialog, 1255), ".\\bmp\\WorldBackTest.bmp");
    EXPECT_EQ(choice.m_strFolder, "bmp\\");
    EXPECT_EQ(choice.m_strTitle, "背景画像の選択");
    EXPECT_EQ(choice.m_strExtension, "bmp");
    EXPECT_EQ(choice.m_strFilter, "BitmapFile ( *.bmp )|*.bmp");
    ClickButton(dialog, 1001);
  });
  EXPECT_EQ(g_WorldMap.m_strBackImage, ".\\bmp\\WorldBackTest.bmp") << "kept although cancelled";
  EXPECT_EQ(g_aSheetCanvas[kSheetWorldBack].Width(), 0) << "the picture itself waits for OK";
  Settings([](HWND dialog) {
    SetCheckAsUser(dialog, 1035, true);
    ClickButton(dialog, 1000);
  });
  EXPECT_EQ(g_WorldMap.m_bUseBackImage, 1);
  EXPECT_EQ(g_aSheetCanvas[kSheetWorldBack].Width(), 64) << "sheet canvas 23 reloaded";
  EXPECT_EQ(g_aSheetCanvas[kSheetWorldBack].Height(), 48);
}

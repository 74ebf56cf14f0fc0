// The world map editor on the factory project's own pictures: what tests/project/win/worldmap-
// screenshot.sh photographs (the window, both palettes, both dialogs). With VX_SCREENSHOT_HOLD_MS
// set each window stays on screen that long, announced by a file "shot-N.ready".
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "app/win/ProjectSheets.h"
#include "tests/project/win/WorldMapFixture.h"
#include "tests/support/win/LabelFit.h"
#include "ui/win/cModelessList.h"

namespace fs = std::filesystem;

namespace {

cWorldEvent World(const char* name, int32_t number, int32_t graphic, int32_t type = cWorldEventPage::kTypeWorld) {
  cWorldEvent event = NamedEvent(name, number);
  event.m_vPage[0].m_nGraphic = graphic;
  event.m_vPage[0].m_nType = type;
  return event;
}

}  // namespace

TEST_F(WorldMapWndTest, FactoryWorldMapWithEvents) {
  int hold = HoldMilliseconds();
  fs::remove("bmp");  // the fixture's empty folder, taken by the factory one
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  cBoxAnswerer answerer;
  ASSERT_EQ(LoadProgramPalettes(), 1);
  ASSERT_EQ(LoadSheetCanvases("", ""), 1);
  // An island of passable land in the sea, a road across it.
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) {
      bool land = (x - 9) * (x - 9) / 2 + (y - 7) * (y - 7) < 30;
      g_WorldMap.ChipAt(x, y) = land ? 5 + (x + y) % 3 : 0;
    }
  for (int x = 4; x < 15; ++x) g_WorldMap.ChipAt(x, 7) = 8;
  cWorldEvent worlds[] = {World("草原", 1, 0), World("洞窟", 2, 1), World("城", 12, 2), World("橋", 0, 3, 1),
                          World("塔", 105, 4)};
  int cells[][2] = {{4, 7}, {8, 7}, {14, 7}, {11, 7}, {9, 3}};
  for (int i = 0; i < 5; ++i) g_WorldMap.PlaceEvent(worlds[i], cells[i][0], cells[i][1]);
  g_WorldMap.m_vTemplate[0].m_strName = "ワールド";
  g_WorldMap.m_vTemplate.push_back(World("道", 0, 3, 1));
  g_WorldMapEditState.Reset(g_WorldMap);
  EditConfig.m_wpWorldMap.Set(40, 40, 640, 480);
  OpenWorldMap();
  MouseAtCell(WM_MOUSEMOVE, 6, 9, 0);
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_NE(PicturePixel(6 * 32 + 10, 9 * 32 + 10), PicturePixel(0, 0)) << "land and sea from the chip sheet";
  ExpectLabelsInside(ChipPalette()->m_hWnd);
  HoldForShot(0, hold, &g_ModelessList);

  Command(40072);
  ASSERT_NE(EventPalette(), nullptr);
  ExpectLabelsInside(EventPalette()->m_hWnd);
  HoldForShot(1, hold, &g_ModelessList);

  {
    cModalDriver event([&](HWND dialog) {
      HoldForShot(2, hold, &g_ModelessList);
      SendMessageA(dialog, WM_COMMAND, 1001, 0);
    });
    SendMessageA(EventPalette()->m_hWnd, WM_COMMAND, MAKEWPARAM(1226, BN_CLICKED), 0);
    EXPECT_TRUE(event.Ran());
  }
  cModalDriver settings([&](HWND dialog) {
    HoldForShot(3, hold, &g_ModelessList);
    SendMessageA(dialog, WM_COMMAND, 1001, 0);
  });
  Command(40056);
  EXPECT_TRUE(settings.Ran());
}

// Every window of the world map, the system settings, the project options and the stage editor's
// tools that shows a stored record, as one table: the record seeded with values at the ends of
// their own ranges (and beyond the rows a combo holds, where the stored value may be so), each way
// it comes to be shown, each store the user then triggers; the record must come out byte for byte
// as it was stored.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/cEditConfig.h"
#include "database/cDatabaseSet.h"
#include "project/ProjectOptionsPages.h"
#include "project/StageOptions.h"
#include "project/SystemSettingsPages.h"
#include "project/cWorldEventRules.h"
#include "project/cWorldMapSettings.h"
#include "project/win/RunToolDialog.h"
#include "project/win/cDlgBmpConvert.h"
#include "project/win/cOptionDialogs.h"
#include "stage/cStageDoc.h"
#include "tests/project/win/PageInput.h"
#include "tests/project/win/ProjectOptionsFixture.h"
#include "tests/project/win/SystemSheetFixture.h"
#include "tests/project/win/WorldMapFixture.h"
#include "tests/support/BmpFixture.h"
#include "tests/support/win/ShownRecordInput.h"
#include "tests/support/win/UserInput.h"

namespace {

// The world event dialog over the current template and the world map settings dialog.
class ShownWorldMapRecordsTest : public WorldMapWndTest {
protected:
  void SetUp() override {
    WorldMapWndTest::SetUp();
    SeedTemplate(g_WorldMap.m_vTemplate[0]);
    ASSERT_EQ(g_WorldMap.SetSize(cWorldMapDoc::kMaxWidth, cWorldMapDoc::kMaxHeight), 1);
    g_WorldMap.m_nStartX = cWorldMapDoc::kMaxWidth - 1;
    g_WorldMap.m_nStartY = cWorldMapDoc::kMaxHeight - 1;
    g_WorldMap.m_nBackColor = cWorldMapSettings::kBackColor.m_nMax;
    g_WorldMap.m_bUseBackImage = 1;
    g_WorldMap.m_strBackImage = ".\\bmp\\WorldBack.bmp";
    cBmpFields picture;
    picture.m_nWidth = 32;
    picture.m_nHeight = 32;
    picture.m_nBitCount = 24;
    picture.m_Pixels = Bytes(32 * 3 * 32, 0x40);
    WriteFileBytes("bmp\\WorldBack.bmp", BmpFile(picture));
    g_WorldMapEditState.Reset(g_WorldMap);
    OpenWorldMap();
    Command(40072);  // the event palette
  }

  // Three pages of three types, each field at an end of its range: a world, then a road and a wall
  // whose conditions, variation and world fields (disabled for their type, or without a variable)
  // hold other ends; the world's and the wall's graphic rows lie beyond the event sheet's four.
  static void SeedTemplate(cWorldEvent& event) {
    event.m_strName = FullText("城", cWorldEventRules::kNameLimit, 1);
    cWorldEventPage& world = event.m_vPage[0];
    world.m_nType = cWorldEventPage::kTypeWorld;
    world.m_nGraphic = 6;
    world.m_nWorldNo = cWorldMapDoc::kMaxWorldNo;
    world.m_bPassWithoutClear = 1;
    world.m_bPlayAfterClear = 1;
    world.m_nGameClear = 2;  // the last action
    world.m_nNeedClearWorld = cWorldMapDoc::kMaxWorldNo;
    world.m_nCondVar = 999;
    world.m_nCondValue = -999999;
    world.m_nCondCompare = 7;  // the last comparison
    world.m_nTotalScore = -999999;
    world.m_bVariation = 1;
    world.m_nVariationVar = 999;
    world.m_nVariationValue = 999999;
    world.m_strWorldName = FullText("村", cWorldEventRules::kWorldNameLimit, 1);
    world.m_strStartStage = FullText("", cWorldEventRules::kStartStageLimit - 1, 0);
    cWorldEventPage road;
    road.m_nType = cWorldEventPage::kTypeRoad;
    road.m_nGraphic = 3;
    road.m_nCondValue = 999999;  // kept without a variable to compare it with
    road.m_nCondCompare = 7;
    road.m_nTotalScore = 999999;
    road.m_nVariationVar = 1;
    road.m_nVariationValue = -999999;
    event.m_vPage.push_back(road);
    cWorldEventPage wall;
    wall.m_nType = cWorldEventPage::kTypeWall;
    wall.m_nGraphic = 9;
    wall.m_nCondVar = 1;
    wall.m_nCondValue = -999999;
    wall.m_nNeedClearWorld = 1;
    event.m_vPage.push_back(wall);
  }

  // The type of the page the dialog shows: that the showing showed the page it names.
  static void ExpectTypeShown(HWND dialog, int32_t type) {
    EXPECT_EQ(SendDlgItemMessageA(dialog, kIdcEventType, CB_GETCURSEL, 0, 0), type);
  }

  cShownRecordRow EventRow() {
    auto run = [this] { SendMessageA(EventPalette()->m_hWnd, WM_COMMAND, MAKEWPARAM(1226, BN_CLICKED), 0); };
    cModalScript& s = m_Script;
    HWND (*list)(HWND) = [](HWND dialog) { return GetDlgItem(dialog, kIdcPageList); };
    return {"cDlgWorldEvent",
            [&s] { s.Reset(); },
            {s.Step("the first showing", [](HWND) {}),
             s.Step("a click on the road's row",
                    [list](HWND d) {
                      ClickListBoxRow(list(d), 1);
                      ExpectTypeShown(d, cWorldEventPage::kTypeRoad);
                    }),
             s.Step("clicks on the wall's row and the world's",
                    [list](HWND d) {
                      ClickListBoxRow(list(d), 2);
                      ExpectTypeShown(d, cWorldEventPage::kTypeWall);
                      ClickListBoxRow(list(d), 0);
                      ExpectTypeShown(d, cWorldEventPage::kTypeWorld);
                    }),
             s.Step("keys Down, Down, Up in the list",
                    [](HWND d) {
                      FocusItem(d, kIdcPageList);
                      for (WORD key : {VK_DOWN, VK_DOWN, VK_UP}) PressKey(key);
                      ExpectTypeShown(d, cWorldEventPage::kTypeRoad);
                    }),
             s.Step("a page inserted before the world's and deleted",
                    [list](HWND d) {
                      ClickItem(d, kIdcPageInsert);
                      EXPECT_EQ(SendMessageA(list(d), LB_GETCOUNT, 0, 0), 5) << "four pages and the extra row";
                      ClickItem(d, kIdcPageDelete);
                    }),
             s.Step("the road's page copied, pasted before it and deleted with keys",
                    [list](HWND d) {
                      ClickListBoxRow(list(d), 1);
                      for (WORD key : {'C', 'V'}) PressKeyWith(VK_CONTROL, key);
                      EXPECT_EQ(SendMessageA(list(d), LB_GETCOUNT, 0, 0), 5) << "four pages and the extra row";
                      PressKey(VK_DELETE);
                    }),
             s.Step("the road's page cut and pasted back with keys",
                    [list](HWND d) {
                      ClickListBoxRow(list(d), 1);
                      PressKeyWith(VK_CONTROL, 'X');
                      ExpectTypeShown(d, cWorldEventPage::kTypeWall);
                      PressKeyWith(VK_CONTROL, 'V');
                    }),
             s.Step("a dismissed popup menu on the road's row",
                    [](HWND d) {
                      DismissPopupOnRow(d, kIdcPageList, 1);
                      ExpectTypeShown(d, cWorldEventPage::kTypeRoad);
                    })},
            {s.Store("typing in the event's name, then OK",
                     [](HWND d) {
                       RetypeLastChar(d, kIdcEventName);
                       ClickItem(d, kIdcOk);
                     },
                     run),
             s.Store("OK", [](HWND d) { ClickItem(d, kIdcOk); }, run)},
            [] { return RecordBytes(g_WorldMap.m_vTemplate[0]); },
            [] {}};
  }

  cShownRecordRow SettingsRow() {
    auto run = [this] { Command(40056); };
    cModalScript& s = m_Script;
    return {"cDlgWorldMapSettings",
            [&s] { s.Reset(); },
            {s.Step("the first showing", [](HWND) {})},
            {s.Store("typing in the picture's path, then OK",
                     [](HWND d) {
                       RetypeLastChar(d, kIdcMapBackImage);
                       ClickItem(d, kIdcOk);
                     },
                     run),
             s.Store("OK", [](HWND d) { ClickItem(d, kIdcOk); }, run)},
            [] { return RecordBytes(g_WorldMap); },
            [] {}};
  }

  cModalScript m_Script;
  cBoxAnswerer m_Boxes;
};

TEST_F(ShownWorldMapRecordsTest, ShowingTheWorldMapDialogsKeepsTheRecord) {
  for (const cShownRecordRow& row : {EventRow(), SettingsRow()}) ExpectShowingKeepsTheRecord(row);
  EXPECT_TRUE(m_Boxes.Seen().empty()) << m_Boxes.Seen()[0].m_strText;
}

// The pages of the system settings sheet, each over every field of the record at the end of its
// range. A BGM slot beyond the BGM table is no stored value: the record's save clears it.
class ShownSystemRecordsTest : public SystemSheetTest {
protected:
  ShownSystemRecordsTest() {
    g_DatabaseSet.SetDefaults();
    g_DatabaseSet.m_vBgm.resize(3);
  }
  ~ShownSystemRecordsTest() override { g_DatabaseSet.SetDefaults(); }

  // Every field at the upper end of its range, or at the lower one.
  static void SeedRecord(bool upper) {
    for (int page = 0; page < kSysPageCount; ++page) {
      cSysRows rows;
      BuildSysPageRows(page, S, rows);
      for (const cSysCtrlRow& row : rows.Rows()) Seed(row, upper);
    }
    // Lives not shared across the story, with the two story boxes that only shared lives enable
    // still on: a user's unchecking of the shared lives clears them, their showing does not.
    S.m_bStoryShareLives = 0;
    S.m_nBitmapFormat = 0;  // 256 colours: the transparent colour's edits disabled over their values
  }

  static void Seed(const cSysCtrlRow& row, bool upper) {
    int32_t end = upper ? row.m_nMax : row.m_nMin;
    switch (row.m_nKind) {
      case kSysCheck: *std::get<int32_t*>(row.m_Member) = 1; break;
      case kSysByteCheck: *std::get<char*>(row.m_Member) = 1; break;
      case kSysNumber: *std::get<int32_t*>(row.m_Member) = end; break;
      case kSysByteNumber: *std::get<uint8_t*>(row.m_Member) = static_cast<uint8_t>(end); break;
      case kSysText: *std::get<cString*>(row.m_Member) = FullText("剣", row.m_nMax, row.m_bCharMode); break;
      case kSysCombo: *std::get<int32_t*>(row.m_Member) = LastRow(row.m_pRows); break;
      default: break;
    }
  }
  // The last row of a fixed row list; the BGM rows the page builds are three here.
  static int32_t LastRow(const cString* rows) {
    if (!rows) return 2;
    int32_t count = 0;
    while (!rows[count].IsEmpty()) ++count;
    return count - 1;
  }

  cShownRecordRow PageRow(int page) {
    int next = (page + 1) % kSysPageCount;
    return {"system settings page " + std::to_string(page + 1),
            [this] { ASSERT_EQ(Open(), 1); },
            {{"the tab shown", [this, page] { ShowPage(page); }},
             {"the tab shown again after the next one",
              [this, page, next] {
                ShowPage(page);
                ShowPage(next);
                ShowPage(page);
              }}},
            {{"Apply", [this] { PressApply(); }},
             {"a change of tab, then Apply",
              [this, next] {
                ShowPage(next);
                PressApply();
              }},
             {"typing in the game title, then OK",
              [this] {
                RetypeLastChar(ShowPage(kSysPageGeneral), kIdcGameTitle, &m_List);
                EndSheet(PSBTN_OK);
              }},
             {"OK", [this] { EndSheet(PSBTN_OK); }}},
            [] { return RecordBytes(S); },
            [this] { CloseSheet(); }};
  }
};

TEST_F(ShownSystemRecordsTest, ShowingTheSystemSettingsPagesKeepsTheRecord) {
  for (bool upper : {true, false}) {
    SCOPED_TRACE(upper ? "the upper ends" : "the lower ends");
    SeedRecord(upper);
    for (int page = 0; page < kSysPageCount; ++page) ExpectShowingKeepsTheRecord(PageRow(page));
  }
}

// The pages of the project options sheet over options at the ends of their ranges.
class ShownProjectOptionsTest : public ProjectOptionsTest {
protected:
  ShownProjectOptionsTest() {
    for (int situation = 0; situation < cProjectSettings::kSituations; ++situation)
      for (int kind = 0; kind < cProjectSettings::kKinds; ++kind) {
        P.m_nDefInheritPal[situation][kind] = situation == 2 ? 2 : 1;
        cVector<int8_t>& flags = P.m_bbDefInherit[situation][kind];
        for (int group = 0; group < flags.Count(); ++group) flags[group] = static_cast<int8_t>((group + kind) % 2);
      }
    P.m_bAutoGameProgram = 0;
    P.m_strGameProgram = FullText("", kGameProgramPathLength, 0);
    P.m_nOldStageMode = cProjectSettings::kOldStageDelete;
  }

  cShownRecordRow PageRow(int page) {
    int other = 1 - page;
    return {page == cProjectOptionSheet::kPageGeneral ? "cPrjPageGeneral" : "cPrjPageInheritDefaults",
            [this] { ASSERT_EQ(Open(), 1); },
            {{"the tab shown", [this, page] { ShowPage(page); }},
             {"the tab shown again after the other",
              [this, page, other] {
                ShowPage(page);
                ShowPage(other);
                ShowPage(page);
              }}},
            {{"Apply", [this] { PressApply(); }},
             {"a change of tab, then Apply",
              [this, other] {
                ShowPage(other);
                PressApply();
              }},
             {"typing in the game program's path, then OK",
              [this] {
                RetypeLastChar(ShowPage(cProjectOptionSheet::kPageGeneral), kIdcGameProgram, &m_List);
                EndSheet(PSBTN_OK);
              }},
             {"OK", [this] { EndSheet(PSBTN_OK); }}},
            [] { return RecordBytes(P); },
            [this] { CloseSheet(); }};
  }
};

TEST_F(ShownProjectOptionsTest, ShowingTheProjectOptionsPagesKeepsTheRecord) {
  for (int page : {cProjectOptionSheet::kPageGeneral, cProjectOptionSheet::kPageInherit})
    ExpectShowingKeepsTheRecord(PageRow(page));
}

// The stage options over the stage document and the bitmap tool over the editor configuration, as
// the stage editor window runs them.
class ShownToolRecordsTest : public cWindowTest {
protected:
  ShownToolRecordsTest() {
    g_StageDoc.SetSize(64, 48, 0, 0);
    g_StageDoc.m_nUndoDepth = kMaxUndoDepth;
    g_StageDoc.m_nWheelAxis = 1;
    m_SavedConfig = EditConfig;
    EditConfig = cEditConfig();
    EditConfig.m_bBmpTransparent = 0;  // the index edit disabled over its stored index
    EditConfig.m_nBmpTransparentIndex = 255;
    EditConfig.m_bBmpReplaceLine = 1;
    EditConfig.m_nBmpLineFrom = 255;
    EditConfig.m_nBmpLineTo = 0;
    EditConfig.m_bBmpOverwrite = 0;  // the output folder can be typed in
    EditConfig.m_strBmpOutDir = FullText("", kConvOutputFolderLength, 0);
    m_Owner.Create(0, 1);
  }
  ~ShownToolRecordsTest() override {
    EditConfig = m_SavedConfig;
    g_StageDoc.m_nUndoDepth = 0;
    g_StageDoc.m_nWheelAxis = 0;
  }

  cShownRecordRow StageOptionsRow() {
    auto run = [this] { RunToolDialog(m_pStageOptions, &m_Owner, &m_List); };
    cModalScript& s = m_Script;
    return {"cDlgStageOptions",
            [&s] { s.Reset(); },
            {s.Step("the first showing", [](HWND) {})},
            {s.Store("OK", [](HWND d) { ClickItem(d, kIdcOk); }, run)},
            // The wheel axis is no part of the stage file but is the document's too.
            [] { return Cat({RecordBytes(g_StageDoc), U32(static_cast<uint32_t>(g_StageDoc.m_nWheelAxis))}); },
            [] {}};
  }

  cShownRecordRow BmpConvertRow() {
    auto run = [this] { RunToolDialog(m_pBmpConvert, &m_Owner, &m_List); };
    cModalScript& s = m_Script;
    auto close = [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); };
    return {"cDlgBmpConvert",
            [&s] { s.Reset(); },
            {s.Step("the first showing", [](HWND) {})},
            {s.Store("typing in the output folder, then closing",
                     [close](HWND d) {
                       RetypeLastChar(d, kIdcConvOutputFolder);
                       close(d);
                     },
                     run),
             s.Store("two clicks on the overwrite box, then closing",
                     [close](HWND d) {
                       ClickItem(d, kIdcConvOverwrite);
                       ClickItem(d, kIdcConvOverwrite);
                       close(d);
                     },
                     run)},
            [] { return RecordBytes(EditConfig); },
            [] {}};
  }

  cFakeShell m_Shell;
  cProbeDialog<66> m_Owner{kIddTestOwner, nullptr, &m_List};
  cDlgStageOptions* m_pStageOptions = nullptr;
  cDlgBmpConvert* m_pBmpConvert = nullptr;
  cModalScript m_Script;
  cEditConfig m_SavedConfig;
};

TEST_F(ShownToolRecordsTest, ShowingTheStageOptionsAndTheBitmapToolKeepsTheRecord) {
  for (const cShownRecordRow& row : {StageOptionsRow(), BmpConvertRow()}) ExpectShowingKeepsTheRecord(row);
}

}  // namespace

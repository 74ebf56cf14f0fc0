#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "app/DataPaths.h"
#include "project/ProjectOptionsPages.h"
#include "stage/cStageEditState.h"
#include "tests/project/FakeShown.h"
#include "tests/support/TestSupport.h"
#include "ui/ComboItems.h"

TEST(ProjectOptionsPagesTest, EveryInheritanceFlagHasItsOwnCheckBox) {
  cFakeShell shell;
  cProjectSettings settings;
  cVector<cInheritCheck> checks;
  ASSERT_EQ(BuildInheritChecks(settings, checks), 1);
  ASSERT_EQ(checks.Count(), 183);
  // A box of each run of the id table: kind, situation, group and its id.
  struct cCase {
    int m_nKind, m_nSituation, m_nGroup;
    uint16_t m_nId;
  } cases[] = {
      {0, 0, 0, 1257},  {0, 0, 8, 1265},  {0, 0, 9, 11301}, {0, 0, 10, 1366}, {0, 1, 9, 1328},
      {0, 1, 10, 1367}, {0, 2, 0, 1188},  {0, 2, 9, 11300}, {0, 2, 10, 1365}, {1, 0, 0, 1268},
      {1, 0, 31, 1299}, {1, 0, 32, 1301}, {1, 0, 33, 1303}, {1, 0, 36, 1375}, {1, 1, 19, 1349},
      {1, 1, 20, 1316}, {1, 1, 31, 1327}, {1, 1, 32, 1329}, {1, 1, 36, 1376}, {1, 2, 0, 1197},
      {1, 2, 32, 1300}, {1, 2, 35, 1372}, {1, 2, 36, 1377}, {2, 0, 0, 1229},  {2, 0, 1, 1243},
      {2, 0, 12, 1363}, {2, 1, 0, 1350},  {2, 1, 12, 1364}, {2, 2, 0, 1242},  {2, 2, 1, 1231},
      {2, 2, 11, 1241}, {2, 2, 12, 1362},
  };
  std::map<uint16_t, const int8_t*> byId;
  for (const cInheritCheck& check : checks) byId[check.m_nId] = check.m_pFlag;
  for (const cCase& c : cases)
    EXPECT_EQ(byId[c.m_nId], &settings.m_bbDefInherit[c.m_nSituation][c.m_nKind][c.m_nGroup])
        << "kind " << c.m_nKind << " situation " << c.m_nSituation << " group " << c.m_nGroup;
  // No id serves two boxes or a box and a combo box.
  std::set<uint16_t> ids;
  for (const cInheritCheck& check : checks) ids.insert(check.m_nId);
  for (const auto& kind : kIdcInheritPalette)
    for (uint16_t id : kind) ids.insert(id);
  EXPECT_EQ(ids.size(), 183u + 9u);
  EXPECT_TRUE(shell.m_vBoxes.empty());
}

TEST(ProjectOptionsPagesTest, FlagsThatDoNotMatchTheBoxesAreReportedAndEndTheProgram) {
  struct cCase {
    const char* m_pWhat;
    int m_nSituation, m_nKind, m_nCount;
  } cases[] = {{"a character vector one short", 1, 1, 36}, {"an item vector one long", 2, 2, 14},
               {"an empty block vector", 0, 0, 0}};
  for (const cCase& c : cases) {
    cScratchFolder folder;
    cTestReportLog log;
    cFakeShell shell;
    cProjectSettings settings;
    settings.m_bbDefInherit[c.m_nSituation][c.m_nKind].resize(static_cast<size_t>(c.m_nCount), 1);
    cVector<cInheritCheck> checks;
    EXPECT_EQ(BuildInheritChecks(settings, checks), 0) << c.m_pWhat;
    ASSERT_EQ(shell.m_vBoxes.size(), 1u) << c.m_pWhat;
    EXPECT_EQ(shell.m_vBoxes[0].m_strText, "継承データの数が一致しません！(バグかデータファイルが破損しているかどちらか)");
    EXPECT_EQ(shell.m_vBoxes[0].m_strCaption, "エラー");
    EXPECT_EQ(shell.m_nDestroys, 1) << c.m_pWhat;
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"継承データの数が一致しません！"}) << c.m_pWhat;
  }
}

TEST(ProjectOptionsPagesTest, SituationTwoStoresTheStagePaletteAsTwo) {
  struct cCase {
    int32_t m_nStored;
    int m_nRow;
  } cases[] = {{0, 0}, {2, 1}, {1, -1}};
  for (const cCase& c : cases) EXPECT_EQ(ComboDataToPos<int32_t>(c.m_nStored, 0, &kInheritSourceStageTable), c.m_nRow);
  int32_t overrun = 0;
  EXPECT_EQ(ComboPosToData<int32_t>(1, 0, &kInheritSourceStageTable, &overrun), 2);
  EXPECT_EQ(ComboPosToData<int32_t>(0, 0, &kInheritSourceStageTable, &overrun), 0);
  EXPECT_EQ(CountComboItems(kInheritSourceNamesStage), 2);
  EXPECT_EQ(kInheritSourceNamesStage[1], "ステージパレット");
  EXPECT_EQ(CountComboItems(kInheritSourceNames), 2);
  EXPECT_EQ(CountComboItems(kOldStageModeNames), 3);
}

TEST(ProjectOptionsPagesTest, ThePathEditFollowsTheAutomaticSearch) {
  struct cCase {
    bool m_bAutomatic;
    int m_nEnabled;
  } cases[] = {{true, 0}, {false, 1}};
  for (const cCase& c : cases) {
    cCtrlStates states;
    PrjGeneralStates(cFakeShown(c.m_bAutomatic ? std::set<uint16_t>{kIdcAutoGameProgram} : std::set<uint16_t>{}),
                     states);
    EXPECT_EQ(states.Enabled(kIdcGameProgram), c.m_nEnabled);
  }
}

TEST(ProjectOptionsPagesTest, SaveWritesTheFileOrNamesItWhenItCannot) {
  cScratchFolder folder;
  cFakeShell shell;
  std::filesystem::create_directories("data");
  cProjectSettings settings;
  settings.m_strGameProgram = ".\\game\\Game.exe";
  settings.m_nOldStageMode = cProjectSettings::kOldStageDelete;
  ASSERT_EQ(SaveProjectSettings(settings), 1);
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), Cat({U32(771), SavedBytes(settings)}));
  EXPECT_TRUE(shell.m_vBoxes.empty());

  Bytes before = ReadFileBytes("data/PrjOption.dat");
  std::filesystem::create_directories("data/PrjOption.dat.~tmp");  // the save's temporary cannot be made
  settings.m_nOldStageMode = cProjectSettings::kOldStageKeep;
  EXPECT_EQ(SaveProjectSettings(settings), 0);
  ASSERT_EQ(shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText,
            std::string(g_DataPaths[kPathProjectOptions].GetStr()) +
                " の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
  EXPECT_EQ(ReadFileBytes("data/PrjOption.dat"), before);
}

TEST(ProjectOptionsPagesTest, ADefaultRecordsSheetEditsTheRecordOfItsKindInTheProjectContext) {
  cProjectSettings settings;
  struct cCase {
    int m_nKind;
    const void* m_pRecord;
  } cases[] = {{cProjectSettings::kKindBlock, &settings.m_DefBlock},
               {cProjectSettings::kKindChara, &settings.m_DefChara},
               {cProjectSettings::kKindItem, &settings.m_DefItem}};
  for (const cCase& c : cases) {
    cStageEditState state;
    state.m_nEditContext = 1;
    PointAtDefaultRecord(state, settings, c.m_nKind);
    EXPECT_EQ(state.m_nEditContext, 3);
    const void* pointed[] = {state.m_pEditBlock, state.m_pEditChara, state.m_pEditItem};
    for (int kind = 0; kind < 3; ++kind)
      EXPECT_EQ(pointed[kind], kind == c.m_nKind ? c.m_pRecord : nullptr) << c.m_nKind << " " << kind;
  }
}

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "app/DataPaths.h"
#include "project/SystemSettingsPages.h"
#include "tests/project/FakeShown.h"
#include "tests/support/TestSupport.h"
#include "ui/ComboItems.h"

namespace {

int CountRows(int page, cSystemSettings& settings) {
  cSysRows rows;
  BuildSysPageRows(page, settings, rows);
  return rows.Rows().Count();
}

// 1 when the member of the row lies inside the record or one of its lists' storage.
template <class T>
bool PointsInto(const cSysCtrlRow& row, const cVector<T>& list) {
  const void* member = std::visit([](auto pointer) { return static_cast<const void*>(pointer); }, row.m_Member);
  const char* begin = reinterpret_cast<const char*>(list.data());
  const char* p = static_cast<const char*>(member);
  return p >= begin && p < begin + list.size() * sizeof(T);
}

}  // namespace

TEST(SystemSettingsPagesTest, EveryPageBindsOneRowPerControlOfTheFactorySettings) {
  cSystemSettings settings;
  struct cCase {
    int m_nPage;
    int m_nRows;
  } cases[] = {
      {kSysPageGeneral, 13},
      {kSysPageMode, 3 * 8 + 8 + 6 + 2},
      {kSysPageSound, 25 * 2 + 17 + 4 * 2 + 4},
      {kSysPageStatus, 5 * 3 + 3 + 6 + 2 * (7 + 4 + 6) + 1 + 4},
      {kSysPageTerm, 29},
      {kSysPageIni, 10 * 2 + 2},
      {kSysPageCompat, 17},
      {kSysPageCompat2, 1},
  };
  for (const cCase& c : cases) EXPECT_EQ(CountRows(c.m_nPage, settings), c.m_nRows) << "page " << c.m_nPage + 1;
}

TEST(SystemSettingsPagesTest, ControlIdsOfAPageAreUnique) {
  cSystemSettings settings;
  for (int page = 0; page < kSysPageCount; ++page) {
    cSysRows rows;
    BuildSysPageRows(page, settings, rows);
    std::set<uint16_t> ids;
    for (const cSysCtrlRow& row : rows.Rows()) {
      EXPECT_TRUE(ids.insert(row.m_nId).second) << "page " << page + 1 << " id " << row.m_nId;
      if (row.m_nSpinId) {
        EXPECT_TRUE(ids.insert(row.m_nSpinId).second) << "page " << page + 1 << " spin " << row.m_nSpinId;
      }
    }
  }
}

// A damaged or foreign file may hold fewer entries than the pages address: no row then points past
// the end of a list, and each control whose entry is missing is simply left out.
TEST(SystemSettingsPagesTest, ShortListsBindOnlyTheEntriesTheyHold) {
  cSystemSettings settings;
  settings.m_vbStockTarget.resize(3);
  settings.m_vbStockReset.clear();
  settings.m_vnInitialLives.resize(1);
  settings.m_vRanking.resize(2);
  settings.m_vRanking[1].m_vbItem.resize(2);
  settings.m_vStatusItem.resize(2);
  settings.m_vTitleMenu.resize(6);
  settings.m_vTerm.resize(16);
  settings.m_vIniEntry.resize(8);
  settings.m_vSoundFile.resize(0);
  settings.m_vnBgm.resize(1);

  cSysRows sound, mode, status, term, ini;
  BuildSysPageRows(kSysPageSound, settings, sound);
  BuildSysPageRows(kSysPageMode, settings, mode);
  BuildSysPageRows(kSysPageStatus, settings, status);
  BuildSysPageRows(kSysPageTerm, settings, term);
  BuildSysPageRows(kSysPageIni, settings, ini);

  EXPECT_NE(sound.Find(kIdcStockTarget[2]), nullptr);
  EXPECT_EQ(sound.Find(kIdcStockTarget[3]), nullptr);
  EXPECT_EQ(sound.Find(kIdcStockReset[0]), nullptr);
  EXPECT_EQ(sound.Find(kIdcSoundFile[0]), nullptr);
  EXPECT_NE(sound.Find(kIdcBgm[0]), nullptr);
  EXPECT_EQ(sound.Find(kIdcBgm[1]), nullptr);
  EXPECT_NE(sound.Find(kIdcBgmLoop[3]), nullptr);
  EXPECT_EQ(CountRows(kSysPageSound, settings), 3 + 1 + 4 + 1 + 3);

  EXPECT_NE(mode.Find(kSysModeIds[0].m_nLives), nullptr);
  EXPECT_EQ(mode.Find(kSysModeIds[1].m_nLives), nullptr);
  EXPECT_NE(mode.Find(kSysModeIds[1].m_anItems[1]), nullptr);
  EXPECT_EQ(mode.Find(kSysModeIds[1].m_anItems[2]), nullptr);
  EXPECT_EQ(mode.Find(kSysModeIds[2].m_nRanking), nullptr);
  EXPECT_NE(mode.Find(kSysModeIds[2].m_nInfinite), nullptr);

  EXPECT_NE(status.Find(kSysStatusIds[1].m_nLabel), nullptr);
  EXPECT_EQ(status.Find(kSysStatusIds[2].m_nShow), nullptr);
  EXPECT_EQ(status.Find(kIdcHpThreshold), nullptr);
  EXPECT_EQ(status.Find(kIdcSpUnit), nullptr);
  EXPECT_NE(status.Find(kIdcTitleMenu[5].m_nEdit), nullptr);
  EXPECT_EQ(status.Find(kIdcTitleMenu[6].m_nCheck), nullptr);
  EXPECT_EQ(term.Rows().Count(), 16);
  EXPECT_EQ(ini.Find(kSysIniIds[8].m_nKey), nullptr);
  EXPECT_NE(ini.Find(kIdcBppDD), nullptr);

  for (const cSysCtrlRow& row : sound.Rows())
    if (row.m_nKind == kSysByteCheck && row.m_nId < kIdcStockReset[0] && row.m_nId != kIdcBgmLoop[0]) {
      bool inTargets = PointsInto(row, settings.m_vbStockTarget) || PointsInto(row, settings.m_vbBgmLoop);
      EXPECT_TRUE(inTargets) << row.m_nId;
    }
  for (const cSysCtrlRow& row : term.Rows()) EXPECT_TRUE(PointsInto(row, settings.m_vTerm)) << row.m_nId;
}

// The value edit of an ini entry follows the entry's type; other mixes than the factory one bind
// as they come, and an unknown type binds no value edit.
TEST(SystemSettingsPagesTest, IniValueEditsFollowEachEntrysType) {
  cSystemSettings settings;
  settings.m_vIniEntry[0].SetString("Direct3D", "yes");
  settings.m_vIniEntry[8].SetInt("FreeStage", 3);
  settings.m_vIniEntry[9].m_nType = 7;
  cSysRows rows;
  BuildSysPageRows(kSysPageIni, settings, rows);
  struct cCase {
    int m_nEntry;
    int m_nKind;  // -1: no value edit
    int32_t m_nMax;
  } cases[] = {{0, kSysText, kIniValueLength}, {1, kSysNumber, kIniValueMax}, {8, kSysNumber, kIniValueMax},
               {9, -1, 0}};
  for (const cCase& c : cases) {
    const cSysIniIds& ids = kSysIniIds[c.m_nEntry];
    const cSysCtrlRow* key = rows.Find(ids.m_nKey);
    ASSERT_NE(key, nullptr) << c.m_nEntry;
    EXPECT_EQ(key->m_nMax, kIniKeyLength);
    EXPECT_EQ(key->m_bCharMode, 0) << "the key's length only bounds what is read back";
    const cSysCtrlRow* value = rows.Find(ids.m_nValue);
    if (c.m_nKind < 0) {
      EXPECT_EQ(value, nullptr) << c.m_nEntry;
      continue;
    }
    ASSERT_NE(value, nullptr) << c.m_nEntry;
    EXPECT_EQ(value->m_nKind, c.m_nKind) << c.m_nEntry;
    EXPECT_EQ(value->m_nMax, c.m_nMax) << c.m_nEntry;
    if (c.m_nKind == kSysNumber) {
      EXPECT_EQ(value->m_nSpinId, ids.m_nSpin) << c.m_nEntry;
    }
  }
}

TEST(SystemSettingsPagesTest, EnableRulesFollowWhatThePageShows) {
  struct cCase {
    const char* m_pWhy;
    int m_nPage;
    std::set<uint16_t> m_Checked;
    std::map<uint16_t, int> m_Rows;
    std::map<uint16_t, int> m_Enabled;  // id -> expected enable state
    std::map<uint16_t, int> m_Checks;   // id -> expected check decision (-1 none)
    uint16_t m_nChanged = 0;            // the control the user changed; 0: the page shown
  } cases[] = {
      {"general, both boxes on", kSysPageGeneral, {kIdcClear1Up, kIdcInvincibleEffect}, {},
       {{kIdcScorePer1Up, 1}, {kIdcEffectSpeed, 1}}, {}},
      {"general, both boxes off", kSysPageGeneral, {}, {}, {{kIdcScorePer1Up, 0}, {kIdcEffectSpeed, 0}}, {}},
      {"mode, infinite lives of story and free", kSysPageMode, {1327, 1344, kIdcShareLives}, {},
       {{1321, 0}, {1330, 1}, {1337, 0}, {kIdcDeathToMap, 1}, {kIdcLivesOnMap, 1}},
       {{kIdcDeathToMap, -1}, {kIdcLivesOnMap, -1}}},
      {"mode, lives no longer shared", kSysPageMode, {kIdcDeathToMap, kIdcLivesOnMap}, {},
       {{kIdcDeathToMap, 0}, {kIdcLivesOnMap, 0}, {1321, 1}}, {{kIdcDeathToMap, 0}, {kIdcLivesOnMap, 0}},
       kIdcShareLives},
      {"mode, lives not shared as shown", kSysPageMode, {kIdcDeathToMap, kIdcLivesOnMap}, {},
       {{kIdcDeathToMap, 0}, {kIdcLivesOnMap, 0}}, {{kIdcDeathToMap, -1}, {kIdcLivesOnMap, -1}}},
      {"mode, lives not shared, another box clicked", kSysPageMode, {kIdcDeathToMap}, {}, {},
       {{kIdcDeathToMap, -1}, {kIdcLivesOnMap, -1}}, kIdcStoryHighScore},
      {"mode, ranking of challenge only", kSysPageMode, {1335}, {},
       {{1326, 0}, {1351, 0}, {1332, 1}, {1353, 1}, {1339, 0}, {1355, 0}}, {}},
      {"sound, 256 colours", kSysPageSound, {kIdcStockTarget[0], kIdcStockTarget[24]}, {{kIdcBitmapFormat, 0}},
       {{kIdcTransR, 0}, {kIdcTransG, 0}, {kIdcTransB, 0}, {kIdcStockReset[0], 1}, {kIdcStockReset[1], 0},
        {kIdcStockReset[24], 1}},
       {}},
      {"sound, 24-bit", kSysPageSound, {}, {{kIdcBitmapFormat, 1}},
       {{kIdcTransR, 1}, {kIdcTransB, 1}, {kIdcStockReset[22], 0}}, {}},
      {"status, shown without symbols", kSysPageStatus, {1358, 1361, 1364, 1370, kIdcRankingMenu, 1374}, {},
       {{1359, 1}, {1002, 1}, {1360, 1}, {1363, 1}, {1004, 1}, {1372, 1}, {1368, 0}, {1005, 0}, {1024, 1},
        {1027, 1}, {1007, 1}, {1008, 0}, {kIdcHpThreshold, -1}, {kIdcHpShowValue, -1}},
       {}},
      {"status, symbols and hidden items", kSysPageStatus, {1358, 1359, 1364, 1365, 1390}, {},
       {{1002, 0}, {1360, 1}, {1003, 0}, {1362, 0}, {1363, 0}, {1004, 0}, {1020, 0}, {1023, 1}, {1024, 0}}, {}},
      {"terms have no rules", kSysPageTerm, {}, {}, {{1375, -1}}, {}},
      {"ini has no rules", kSysPageIni, {}, {}, {{1423, -1}, {1466, -1}}, {}},
      {"compatibility has no rules", kSysPageCompat, {}, {}, {{1358, -1}}, {}},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    SysPageStates(c.m_nPage, cFakeShown(c.m_Checked, c.m_Rows), states, c.m_nChanged);
    for (const auto& [id, enabled] : c.m_Enabled) EXPECT_EQ(states.Enabled(id), enabled) << c.m_pWhy << " id " << id;
    for (const auto& [id, checked] : c.m_Checks) EXPECT_EQ(states.Checked(id), checked) << c.m_pWhy << " id " << id;
  }
}

TEST(SystemSettingsPagesTest, ComboSourcesHoldTheirRows) {
  EXPECT_EQ(CountComboItems(kFontFaceNames), kFontFaceCount);
  EXPECT_EQ(kFontFaceNames[0], "System");
  EXPECT_EQ(kFontFaceNames[60], "ＭＳ Ｐゴシック");
  EXPECT_EQ(kFontFaceNames[89], "HG丸ｺﾞｼｯｸM-PRO");
  EXPECT_EQ(kFontFaceNames[121], "Sydnie");
  EXPECT_EQ(CountComboItems(kBitmapFormatNames), 2);
  EXPECT_EQ(CountComboItems(kBppD3DNames), 2);
  EXPECT_EQ(CountComboItems(kBppDDNames), 3);
  EXPECT_EQ(kBppDDNames[2], "8bit(256色)");
  EXPECT_EQ(CountComboItems(kBarUnitNames), 2);
  EXPECT_EQ(kBarUnitNames[0], "  ");

  cVector<cBgmData> bgm(3);
  bgm[1].m_strName = "草原";
  bgm[2].m_strName = "洞窟";
  std::vector<cString> labels;
  MakeBgmLabels(labels, bgm);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0], "なし");
  EXPECT_EQ(labels[1], "001 草原");
  EXPECT_EQ(labels[2], "002 洞窟");
}

TEST(SystemSettingsPagesTest, SaveWritesTheFileOrNamesThePathThatFailed) {
  cScratchFolder folder;
  cFakeShell shell;
  std::filesystem::create_directories("data");
  cSystemSettings settings;
  settings.m_strGameTitle = "勇者の旅";
  ASSERT_EQ(SaveSystemSettings(settings), 1);
  EXPECT_EQ(ReadFileBytes("data/System.dat"), [&] {
    cWriteStream out;
    out.WriteU32(771);
    settings.Save(out);
    return out.Bytes();
  }());
  EXPECT_TRUE(shell.m_vBoxes.empty());

  std::filesystem::remove("data/System.dat");
  std::filesystem::create_directories("data/System.dat");  // a folder in the file's place
  EXPECT_EQ(SaveSystemSettings(settings), 0);
  ASSERT_EQ(shell.m_vBoxes.size(), 1u);
  EXPECT_EQ(shell.m_vBoxes[0].m_strText,
            std::string(g_DataPaths[kPathSystem].GetStr()) +
                " の保存に失敗しました！\n保存前のファイルはそのまま残っています。");
}

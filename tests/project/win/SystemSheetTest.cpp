// The system settings sheet as a user meets it: opened over an owner window, driven through its
// controls and its buttons, checked against the global settings and data\System.dat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "app/DataPaths.h"
#include "app/ReportLog.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "app/win/FileDialogs.h"
#include "database/cDatabaseSet.h"
#include "project/win/cSysPages.h"
#include "project/win/cSystemSettingsSheet.h"
#include "tests/project/win/SystemSheetFixture.h"
#include "tests/support/FakeSound.h"
#include "tests/support/win/GuiObjects.h"

namespace {

// A numeric edit: what typed text below, inside and above its range stores.
struct cNumRow {
  int m_nPage;
  uint16_t m_nId;
  std::function<int32_t()> m_Member;
  int32_t m_nMin;
  int32_t m_nMax;
};

std::vector<cNumRow> NumberRows() {
  auto lives = [](int mode) { return [mode] { return S.m_vnInitialLives[mode]; }; };
  auto item = [](int index, int32_t cStatusItem::*member) {
    return [index, member] { return S.m_vStatusItem[index].*member; };
  };
  std::vector<cNumRow> rows = {
      {kSysPageGeneral, 1327, [] { return S.m_nScorePer1Up; }, 1, 999999},
      {kSysPageGeneral, 1329, [] { return S.m_nEffectSpeed; }, 1, 32},
      {kSysPageMode, 1321, lives(0), 1, 99},
      {kSysPageMode, 1330, lives(1), 1, 99},
      {kSysPageMode, 1337, lives(2), 1, 99},
      {kSysPageMode, 1336, [] { return S.m_nChallengeWorlds; }, 1, 99},
      {kSysPageSound, 1410, [] { return int32_t(S.m_byTransR); }, 0, 255},
      {kSysPageSound, 1412, [] { return int32_t(S.m_byTransG); }, 0, 255},
      {kSysPageSound, 1414, [] { return int32_t(S.m_byTransB); }, 0, 255},
      {kSysPageStatus, 1360, item(0, &cStatusItem::m_nDigits), 1, 9},
      {kSysPageStatus, 1363, item(1, &cStatusItem::m_nDigits), 1, 9},
      {kSysPageStatus, 1372, item(4, &cStatusItem::m_nDigits), 1, 2},
      {kSysPageStatus, 1392, item(2, &cStatusItem::m_nBarThreshold), 0, 999999},
      {kSysPageStatus, 1393, item(3, &cStatusItem::m_nBarThreshold), 0, 999999},
  };
  const uint16_t iniValues[] = {1423, 1426, 1428, 1430, 1425, 1433, 1436, 1439, 1445};
  const int iniEntries[] = {0, 1, 2, 3, 4, 5, 6, 7, 9};
  for (int i = 0; i < 9; ++i) {
    int entry = iniEntries[i];
    rows.push_back({kSysPageIni, iniValues[i], [entry] { return S.m_vIniEntry[entry].m_nValue; }, 0, 99});
  }
  return rows;
}

// A check box and the flag it stores (a 32-bit member or an 8-bit list entry).
struct cCheckRow {
  int m_nPage;
  uint16_t m_nId;
  std::function<int32_t()> m_Member;
};

std::vector<cCheckRow> CheckRows() {
  auto i32 = [](int32_t cSystemSettings::*member) { return [member] { return S.*member; }; };
  std::vector<cCheckRow> rows = {
      {kSysPageGeneral, 1318, i32(&cSystemSettings::m_bHideObjectsOnPause)},
      {kSysPageGeneral, 1319, i32(&cSystemSettings::m_bSymbolImage)},
      {kSysPageGeneral, 1349, i32(&cSystemSettings::m_bEvenCharSpacing)},
      {kSysPageGeneral, 1360, i32(&cSystemSettings::m_bDeathEffectByCommand)},
      {kSysPageGeneral, 1357, i32(&cSystemSettings::m_bStageClear1Up)},
      {kSysPageGeneral, 1344, i32(&cSystemSettings::m_bTestFlowsAlways)},
      {kSysPageGeneral, 1356, i32(&cSystemSettings::m_bReplaySaveKeys)},
      {kSysPageGeneral, 1361, i32(&cSystemSettings::m_bInvincibleEffect)},
      {kSysPageGeneral, 1362, i32(&cSystemSettings::m_bColorAnime256)},
      // The two story boxes before the box that rules them.
      {kSysPageMode, 1356, i32(&cSystemSettings::m_bStoryDeathToMap)},
      {kSysPageMode, 1358, i32(&cSystemSettings::m_bStoryShowLivesOnMap)},
      {kSysPageMode, 1320, i32(&cSystemSettings::m_bStoryShareLives)},
      {kSysPageMode, 1345, i32(&cSystemSettings::m_bStoryShowHighScore)},
      {kSysPageMode, 1346, i32(&cSystemSettings::m_bStoryShowTotalScore)},
      {kSysPageMode, 1349, i32(&cSystemSettings::m_bStoryResetVarsOnMap)},
      {kSysPageMode, 1361, i32(&cSystemSettings::m_bStoryRetryCleared)},
      {kSysPageMode, 1363, i32(&cSystemSettings::m_bStoryMapFromPause)},
      {kSysPageMode, 1329, i32(&cSystemSettings::m_bChallengeAllWorlds)},
      {kSysPageMode, 1347, i32(&cSystemSettings::m_bChallengeShowHighScore)},
      {kSysPageMode, 1348, i32(&cSystemSettings::m_bChallengeShowTotalScore)},
      {kSysPageMode, 1357, i32(&cSystemSettings::m_bChallengeResetVarsOnDeath)},
      {kSysPageMode, 1362, i32(&cSystemSettings::m_bChallengeRetryCleared)},
      {kSysPageMode, 1359, i32(&cSystemSettings::m_bFreeResetVarsOnDeath)},
      {kSysPageMode, 1360, i32(&cSystemSettings::m_bTestResetVarsOnDeath)},
      {kSysPageStatus, 1366, i32(&cSystemSettings::m_bTitleImage)},
      {kSysPageStatus, 1369, [] { return S.m_vStatusItem[2].m_bShowValue; }},
      {kSysPageStatus, 1391, [] { return S.m_vStatusItem[3].m_bShowValue; }},
      {kSysPageCompat2, 1485, i32(&cSystemSettings::m_bCompat759Move)},
  };
  const uint16_t infinite[] = {1327, 1328, 1344}, ranking[] = {1325, 1335, 1342};
  const uint16_t items[3][5] = {{1326, 1323, 1324, 1350, 1351}, {1332, 1333, 1334, 1352, 1353}, {1339, 1340, 1341, 1354, 1355}};
  for (int mode = 0; mode < 3; ++mode) {
    rows.push_back({kSysPageMode, infinite[mode], [mode] { return S.m_vbInfiniteLives[mode]; }});
    for (int i = 0; i < 5; ++i)
      rows.push_back({kSysPageMode, items[mode][i], [mode, i] { return int32_t(S.m_vRanking[mode].m_vbItem[i]); }});
    rows.push_back({kSysPageMode, ranking[mode], [mode] { return S.m_vRanking[mode].m_bRanking; }});
  }
  for (int i = 0; i < 22; ++i) rows.push_back({kSysPageSound, uint16_t(1327 + i), [i] { return int32_t(S.m_vbStockTarget[i]); }});
  const uint16_t lastTargets[] = {1408, 1416, 1417};
  for (int i = 22; i < 25; ++i) rows.push_back({kSysPageSound, lastTargets[i - 22], [i] { return int32_t(S.m_vbStockTarget[i]); }});
  for (int i = 0; i < 25; ++i) rows.push_back({kSysPageSound, uint16_t(1457 + i), [i] { return int32_t(S.m_vbStockReset[i]); }});
  for (int i = 0; i < 4; ++i) rows.push_back({kSysPageSound, uint16_t(1453 + i), [i] { return int32_t(S.m_vbBgmLoop[i]); }});
  const uint16_t shows[] = {1358, 1361, 1364, 1367, 1370}, symbols[] = {1359, 1362, 1365, 1368, 1371};
  for (int i = 0; i < 5; ++i) {
    rows.push_back({kSysPageStatus, symbols[i], [i] { return S.m_vStatusItem[i].m_bSymbol; }});
    rows.push_back({kSysPageStatus, shows[i], [i] { return S.m_vStatusItem[i].m_bShow; }});
  }
  auto menu = [&rows](cVector<cMenuEntry>& list, std::vector<uint16_t> ids) {
    for (size_t i = 0; i < ids.size(); ++i) rows.push_back({kSysPageStatus, ids[i], [&list, i] { return list[int(i)].m_bEnable; }});
  };
  menu(S.m_vTitleMenu, {1374, 1375, 1376, 1377, 1378, 1379, 1383});
  menu(S.m_vWorldMenu, {1380, 1381, 1382, 1390});
  menu(S.m_vOptionMenu, {1384, 1385, 1386, 1387, 1388, 1389});
  int32_t* compat[] = {&S.m_bCompat212, &S.m_bCompat260, &S.m_bCompat523, &S.m_bCompat554, &S.m_bCompat616,
                       &S.m_bCompat668, &S.m_bCompat676, &S.m_bCompat694, &S.m_bCompat696, &S.m_bCompat720,
                       &S.m_bCompat722, &S.m_bCompat732, &S.m_bCompat734, &S.m_bCompat747, &S.m_bCompat751,
                       &S.m_bCompat759Damage, &S.m_bCompat759Shot};
  const uint16_t compatIds[] = {1358, 1359, 1364, 1365, 1366, 1367, 1368, 1369, 1370,
                                1371, 1372, 1373, 1374, 1375, 1376, 1377, 1378};
  for (int i = 0; i < 17; ++i) rows.push_back({kSysPageCompat, compatIds[i], [p = compat[i]] { return *p; }});
  return rows;
}

// A text edit, its member and its limit; in character mode a double-byte character counts one.
struct cTextRow {
  int m_nPage;
  uint16_t m_nId;
  std::function<cString()> m_Member;
  int m_nLimit;
  bool m_bChars;
};

std::vector<cTextRow> TextRows() {
  std::vector<cTextRow> rows = {{kSysPageGeneral, 1317, [] { return S.m_strGameTitle; }, 30, true}};
  const uint16_t sounds[] = {1355, 1358, 1361, 1364, 1367, 1370, 1373, 1376, 1379,
                             1382, 1385, 1388, 1391, 1394, 1397, 1400, 1405};
  for (int i = 0; i < 17; ++i) rows.push_back({kSysPageSound, sounds[i], [i] { return S.m_vSoundFile[i]; }, 260, false});
  for (int i = 0; i < 5; ++i)
    rows.push_back({kSysPageStatus, uint16_t(1002 + i), [i] { return S.m_vStatusItem[i].m_strLabel; }, 5, true});
  auto menu = [&rows](cVector<cMenuEntry>& list, std::vector<uint16_t> ids) {
    for (size_t i = 0; i < ids.size(); ++i)
      rows.push_back({kSysPageStatus, ids[i], [&list, i] { return list[int(i)].m_strText; }, 8, true});
  };
  menu(S.m_vTitleMenu, {1007, 1008, 1009, 1010, 1011, 1012, 1016});
  menu(S.m_vWorldMenu, {1013, 1014, 1015, 1023});
  menu(S.m_vOptionMenu, {1017, 1018, 1019, 1020, 1021, 1022});
  for (int i = 0; i < 4; ++i)
    rows.push_back({kSysPageStatus, uint16_t(1024 + i), [i] { return S.m_vRankingKindName[i]; }, 16, true});
  const int lengths[29] = {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 12, 12, 12, 12, 12, 12, 24, 12, 12, 12, 12, 12, 12, 12, 12, 16, 16, 16, 16};
  for (int i = 0; i < 29; ++i)
    rows.push_back({kSysPageTerm, uint16_t(1375 + i), [i] { return S.m_vTerm[i]; }, lengths[i], true});
  const uint16_t keys[] = {1418, 1419, 1420, 1421, 1422, 1432, 1435, 1438, 1441, 1444};
  for (int i = 0; i < 10; ++i) rows.push_back({kSysPageIni, keys[i], [i] { return S.m_vIniEntry[i].m_strKey; }, 64, false});
  rows.push_back({kSysPageIni, 1442, [] { return S.m_vIniEntry[8].m_strValue; }, 260, false});
  return rows;
}

struct cComboRow {
  int m_nPage;
  uint16_t m_nId;
  std::function<int32_t()> m_Member;
  int m_nRows;
};

std::string Repeat(const char* piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += piece;
  return text;
}

// "０" … "９" for the digits of a number.
std::string FullWidthDigits(const std::string& digits) {
  static const char* const kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string text;
  for (char digit : digits) text += kDigits[digit - '0'];
  return text;
}

}  // namespace

// Each table is typed in whole and applied once (an apply writes data\System.dat to disk); the
// values differ from row to row, so that a control bound to another row's member is seen.
TEST_F(SystemSheetTest, NumericEditsStoreTypedValuesHeldToTheirRanges) {
  Open();
  std::vector<cNumRow> rows = NumberRows();
  enum { kBelow, kInside, kAbove };
  for (int pass : {kBelow, kInside, kAbove}) {
    std::vector<int32_t> stored;
    for (size_t i = 0; i < rows.size(); ++i) {
      const cNumRow& row = rows[i];
      int64_t span = int64_t(row.m_nMax) - row.m_nMin + 1;
      int64_t typed = pass == kBelow ? int64_t(row.m_nMin) - 1
                      : pass == kAbove ? int64_t(row.m_nMax) + 1
                                       : row.m_nMin + int64_t(i) % span;
      stored.push_back(pass == kBelow ? row.m_nMin : pass == kAbove ? row.m_nMax : int32_t(typed));
      EnterText(ShowPage(row.m_nPage), row.m_nId, std::to_string(typed).c_str());
    }
    PressApply();
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(rows[i].m_Member(), stored[i]) << "page " << rows[i].m_nPage + 1 << " id " << rows[i].m_nId << " pass " << pass;
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

// Each apply flips the boxes whose row number (from 1) has one bit set, so that every two rows
// differ in some apply and every box is flipped at least once.
TEST_F(SystemSheetTest, CheckBoxesStoreWhatTheyShow) {
  Open();
  std::vector<cCheckRow> rows = CheckRows();
  for (const cCheckRow& row : rows) ShowPage(row.m_nPage);
  for (size_t bit = 1; bit <= rows.size(); bit <<= 1) {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (((i + 1) & bit) == 0) continue;
      HWND page = ShowPage(rows[i].m_nPage);
      SetCheckAsUser(page, rows[i].m_nId, IsDlgButtonChecked(page, rows[i].m_nId) != BST_CHECKED);
    }
    std::vector<int32_t> shown;
    for (const cCheckRow& row : rows)
      shown.push_back(IsDlgButtonChecked(Sheet()->m_apPages[row.m_nPage]->m_hWnd, row.m_nId) == BST_CHECKED ? 1 : 0);
    PressApply();
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(rows[i].m_Member(), shown[i]) << "page " << rows[i].m_nPage + 1 << " id " << rows[i].m_nId << " bit " << bit;
  }
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());
}

TEST_F(SystemSheetTest, TextEditsKeepTheirLimitsInCharactersOrBytes) {
  Open();
  std::vector<cTextRow> rows = TextRows();
  std::vector<std::string> stored;
  for (size_t i = 0; i < rows.size(); ++i) {
    const cTextRow& row = rows[i];
    HWND page = ShowPage(row.m_nPage);
    std::string number = std::to_string(i);
    if (row.m_bChars) {
      // Double-byte characters up to the limit go in whole; one more is refused.
      std::string full = FullWidthDigits(number) + Repeat("あ", row.m_nLimit - int(number.size()));
      EnterText(page, row.m_nId, full.c_str());
      EnterText(page, row.m_nId, (full + "い").c_str());
      stored.push_back(full);
    } else {
      // The length bounds only what is read back.
      std::string longer = number + Repeat("w", row.m_nLimit + 10 - int(number.size()));
      EnterText(page, row.m_nId, longer.c_str());
      stored.push_back(longer.substr(0, row.m_nLimit));
    }
  }
  PressApply();
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(std::string(rows[i].m_Member().GetStr()), stored[i]) << "page " << rows[i].m_nPage + 1 << " id " << rows[i].m_nId;
}

TEST_F(SystemSheetTest, CombosStoreTheChosenRow) {
  cVector<cBgmData>& bgm = g_DatabaseSet.m_vBgm;
  bgm.resize(3);
  Open();
  std::vector<cComboRow> rows = {
      {kSysPageGeneral, 1454, [] { return S.m_nFont; }, 122},
      {kSysPageSound, 1409, [] { return S.m_nBitmapFormat; }, 2},
      {kSysPageStatus, 1463, [] { return S.m_vStatusItem[2].m_nBarUnit; }, 2},
      {kSysPageStatus, 1464, [] { return S.m_vStatusItem[3].m_nBarUnit; }, 2},
      {kSysPageIni, 1466, [] { return S.m_nBppD3D; }, 2},
      {kSysPageIni, 1467, [] { return S.m_nBppDD; }, 3},
  };
  const uint16_t bgmIds[] = {1349, 1352, 1354, 1404};
  for (int i = 0; i < 4; ++i) rows.push_back({kSysPageSound, bgmIds[i], [i] { return S.m_vnBgm[i]; }, 3});
  for (const cComboRow& row : rows) {
    HWND page = ShowPage(row.m_nPage);
    EXPECT_EQ(SendDlgItemMessageA(page, row.m_nId, CB_GETCOUNT, 0, 0), row.m_nRows) << row.m_nId;
    for (int chosen : {row.m_nRows - 1, 0}) {
      ChooseRow(page, row.m_nId, chosen);
      PressApply();
      EXPECT_EQ(row.m_Member(), chosen) << "page " << row.m_nPage + 1 << " id " << row.m_nId;
    }
  }
}

TEST_F(SystemSheetTest, EachPageFollowsItsEnableRules) {
  Open();
  struct cStep {
    int m_nPage;
    uint16_t m_nClick;
    std::vector<std::pair<uint16_t, bool>> m_Enabled;
    std::vector<std::pair<uint16_t, bool>> m_Checked;
  } steps[] = {
      {kSysPageGeneral, 1357, {{1327, true}, {1328, true}}, {}},
      {kSysPageGeneral, 1357, {{1327, false}, {1328, false}}, {}},
      {kSysPageGeneral, 1361, {{1329, true}, {1330, true}}, {}},
      {kSysPageMode, 1327, {{1321, true}, {1322, true}}, {}},
      {kSysPageMode, 1320, {{1356, false}, {1358, false}}, {{1356, false}, {1358, false}}},
      {kSysPageMode, 1320, {{1356, true}, {1358, true}}, {{1356, false}, {1358, false}}},
      {kSysPageMode, 1335, {{1332, false}, {1353, false}, {1326, true}}, {}},
      {kSysPageSound, 1329, {{1459, true}}, {}},
      {kSysPageSound, 1327, {{1457, false}}, {}},
      {kSysPageStatus, 1362, {{1003, true}, {1363, true}}, {}},
      {kSysPageStatus, 1361, {{1362, false}, {1003, false}, {1363, false}}, {}},
      {kSysPageStatus, 1365, {{1004, true}, {1369, true}}, {}},
      {kSysPageStatus, 1387, {{1020, false}, {1024, false}, {1027, false}}, {}},
      {kSysPageStatus, 1374, {{1007, false}, {1008, true}}, {}},
  };
  // The factory settings as shown: lives shared, rankings on, "∞" checked, 256 colours.
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(ShowPage(kSysPageMode), 1321)));
  HWND sound = ShowPage(kSysPageSound);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sound, 1410))) << "256 colours: no transparent colour";
  ChooseRow(sound, 1409, 1);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sound, 1410)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sound, 1415)));
  for (const cStep& step : steps) {
    HWND page = ShowPage(step.m_nPage);
    SendDlgItemMessageA(page, step.m_nClick, BM_CLICK, 0, 0);
    for (auto [id, on] : step.m_Enabled)
      EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, id)) != 0, on) << "after " << step.m_nClick << ", id " << id;
    for (auto [id, on] : step.m_Checked)
      EXPECT_EQ(IsDlgButtonChecked(page, id) == BST_CHECKED, on) << "after " << step.m_nClick << ", id " << id;
  }
  PressApply();
  EXPECT_EQ(S.m_bStoryDeathToMap, 0) << "unchecked on screen, stored at the apply";
  EXPECT_EQ(S.m_bStoryShowLivesOnMap, 0);
  EXPECT_EQ(S.m_vbInfiniteLives[0], 0);
}

TEST_F(SystemSheetTest, ApplyWritesTheDocumentsOwnSaveAndTheOwnerRevalidatesOnClose) {
  Open();
  ShowPage(kSysPageMode);
  ShowPage(kSysPageCompat);
  HWND general = ShowPage(kSysPageGeneral);
  EnterText(general, kIdcGameTitle, "勇者の大冒険");
  EndSheet(PSBTN_OK);
  EXPECT_EQ(m_pSheet, nullptr) << "the window list ended the sheet";
  EXPECT_EQ(S.m_strGameTitle, "勇者の大冒険");
  EXPECT_EQ(ReadFileBytes("data/System.dat"), SavedFile(S));
  EXPECT_EQ(m_nRevalidates, 3) << "pages 1, 2 and 7 were shown";
  EXPECT_TRUE(m_Shell.m_vBoxes.empty());

  // Opened again, the new pages show the record as it is now.
  Open();
  char title[64] = {};
  GetDlgItemTextA(ShowPage(kSysPageGeneral), kIdcGameTitle, title, sizeof title);
  EXPECT_STREQ(title, "勇者の大冒険");
  EndSheet(PSBTN_CANCEL);
  EXPECT_EQ(m_nRevalidates, 4) << "page 1 only";
}

TEST_F(SystemSheetTest, TermsRoundTripWholeThroughTheFile) {
  Open();
  HWND terms = ShowPage(kSysPageTerm);
  const char* message = "保存先が不明です！一度は「セーブ」して下さい！";
  EnterText(terms, 1391, message);
  EnterText(terms, 1379, "トータルスコア");
  PressApply();
  CloseSheet();
  S.m_vTerm[16] = "";
  S.m_vTerm[4] = "";
  ASSERT_EQ(S.LoadFile(g_DataPaths[kPathSystem].GetStr()), 1);
  EXPECT_EQ(S.m_vTerm[16], message);
  EXPECT_EQ(S.m_vTerm[4], "トータルスコア");
  Open();
  terms = ShowPage(kSysPageTerm);
  char shown[128] = {};
  GetDlgItemTextA(terms, 1391, shown, sizeof shown);
  EXPECT_STREQ(shown, message);
  GetDlgItemTextA(terms, 1379, shown, sizeof shown);
  EXPECT_STREQ(shown, "トータルスコア");
}

TEST_F(SystemSheetTest, IniPageEditsEachEntryByItsTypeAndTheSwitchesReachTheFile) {
  S.m_vIniEntry[1].SetString("WindowMode", "yes");
  S.m_vIniEntry[3].m_nType = 5;
  S.m_vIniEntry[3].m_nValue = 7;
  Open();
  HWND ini = ShowPage(kSysPageIni);
  EnterText(ini, 1418, "UseDirect3D");
  EnterText(ini, 1423, "150");
  EnterText(ini, 1426, "no");
  EnterText(ini, 1442, "data\\stg4\\草原.stg4_771");
  EnterText(ini, 1430, "42");
  HWND compat = ShowPage(kSysPageCompat);
  SendDlgItemMessageA(compat, 1376, BM_CLICK, 0, 0);
  PressApply();
  EXPECT_EQ(S.m_vIniEntry[0].m_strKey, "UseDirect3D");
  EXPECT_EQ(S.m_vIniEntry[0].m_nValue, 99) << "held to 99";
  EXPECT_EQ(S.m_vIniEntry[1].m_strValue, "no") << "a string entry";
  EXPECT_EQ(S.m_vIniEntry[3].m_nValue, 7) << "an entry of no known type binds no value edit";
  EXPECT_EQ(S.m_vIniEntry[8].m_strValue, "data\\stg4\\草原.stg4_771");
  EXPECT_EQ(S.m_bCompat751, 1);
  CloseSheet();
  S.m_bCompat751 = 0;
  ASSERT_EQ(S.LoadFile(g_DataPaths[kPathSystem].GetStr()), 1);
  EXPECT_EQ(S.m_bCompat751, 1) << "the code checker reads the switch from the loaded settings";
  EXPECT_EQ(S.m_vIniEntry[1].m_strValue, "no");
}

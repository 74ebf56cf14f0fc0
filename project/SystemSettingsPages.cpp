#include "project/SystemSettingsPages.h"

#include "app/DataFile.h"
#include "app/DataPaths.h"
#include "ui/ComboItems.h"

const uint16_t kSysPageTemplates[kSysPageCount] = {kIddSysGeneral, kIddSysMode,   kIddSysSound,  kIddSysStatus,
                                                   kIddSysTerm,    kIddSysIni,    kIddSysCompat, kIddSysCompat2};

const cSysModeIds kSysModeIds[kSysRankedModes] = {
    {1321, 1322, 1327, 1325, {1326, 1323, 1324, 1350, 1351}},
    {1330, 1331, 1328, 1335, {1332, 1333, 1334, 1352, 1353}},
    {1337, 1338, 1344, 1342, {1339, 1340, 1341, 1354, 1355}},
};

const uint16_t kIdcStockTarget[cSystemSettings::kStockTargets] = {
    1327, 1328, 1329, 1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339,
    1340, 1341, 1342, 1343, 1344, 1345, 1346, 1347, 1348, 1408, 1416, 1417};
const uint16_t kIdcStockReset[cSystemSettings::kStockTargets] = {
    1457, 1458, 1459, 1460, 1461, 1462, 1463, 1464, 1465, 1466, 1467, 1468, 1469,
    1470, 1471, 1472, 1473, 1474, 1475, 1476, 1477, 1478, 1479, 1480, 1481};
const uint16_t kIdcSoundFile[cSystemSettings::kSoundFiles] = {1355, 1358, 1361, 1364, 1367, 1370, 1373, 1376, 1379,
                                                              1382, 1385, 1388, 1391, 1394, 1397, 1400, 1405};
const uint16_t kIdcSoundBrowse[cSystemSettings::kSoundFiles] = {1356, 1359, 1362, 1365, 1368, 1371, 1374, 1377, 1380,
                                                                1383, 1386, 1389, 1392, 1395, 1398, 1401, 1406};
const uint16_t kIdcSoundPlay[cSystemSettings::kSoundFiles] = {1357, 1360, 1363, 1366, 1369, 1372, 1375, 1378, 1381,
                                                              1384, 1387, 1390, 1393, 1396, 1399, 1402, 1407};
const uint16_t kIdcBgm[cSystemSettings::kBgmSlots] = {1349, 1352, 1354, 1404};
const uint16_t kIdcBgmPlay[cSystemSettings::kBgmSlots] = {1350, 1351, 1353, 1403};
const uint16_t kIdcBgmLoop[cSystemSettings::kBgmSlots] = {1453, 1454, 1455, 1456};

const cSysStatusIds kSysStatusIds[cSystemSettings::kStatusItems] = {
    {1358, 1359, 1002, 1360, 1373, 9}, {1361, 1362, 1003, 1363, 1323, 9}, {1364, 1365, 1004, 0, 0, 0},
    {1367, 1368, 1005, 0, 0, 0},       {1370, 1371, 1006, 1372, 1326, 2},
};
const cSysMenuIds kIdcTitleMenu[cSystemSettings::kTitleMenu] = {
    {1374, 1007}, {1375, 1008}, {1376, 1009}, {1377, 1010}, {1378, 1011}, {1379, 1012}, {1383, 1016}};
const cSysMenuIds kIdcWorldMenu[cSystemSettings::kWorldMenu] = {{1380, 1013}, {1381, 1014}, {1382, 1015}, {1390, 1023}};
const cSysMenuIds kIdcOptionMenu[cSystemSettings::kOptionMenu] = {{1384, 1017}, {1385, 1018}, {1386, 1019},
                                                                  {1387, 1020}, {1388, 1021}, {1389, 1022}};
const uint16_t kIdcRankingKind[cSystemSettings::kRankingKinds] = {1024, 1025, 1026, 1027};

const cSysTermIds kSysTermIds[cSystemSettings::kTerms] = {
    {1375, 8},  {1376, 8},  {1377, 8},  {1378, 8},  {1379, 8},  {1380, 8},  {1381, 8},  {1382, 8},
    {1383, 8},  {1384, 8},  {1385, 12}, {1386, 12}, {1387, 12}, {1388, 12}, {1389, 12}, {1390, 12},
    {1391, 24}, {1392, 12}, {1393, 12}, {1394, 12}, {1395, 12}, {1396, 12}, {1397, 12}, {1398, 12},
    {1399, 12}, {1400, 16}, {1401, 16}, {1402, 16}, {1403, 16},
};

const cSysIniIds kSysIniIds[cSystemSettings::kIniEntries] = {
    {1418, 1423, 1424}, {1419, 1426, 1427}, {1420, 1428, 1429}, {1421, 1430, 1431}, {1422, 1425, 1434},
    {1432, 1433, 1437}, {1435, 1436, 1440}, {1438, 1439, 1443}, {1441, 1442, 0},    {1444, 1445, 1446},
};

const uint16_t kIdcCompat[kSysCompatSwitches] = {1358, 1359, 1364, 1365, 1366, 1367, 1368, 1369, 1370,
                                                 1371, 1372, 1373, 1374, 1375, 1376, 1377, 1378};

const cString kFontFaceNames[kFontFaceCount + 1] = {
    "System", "Terminal", "FixedSys", "Roman", "Script", "Modern", "Small Fonts", "MS Serif", "WST_Czec",
    "WST_Engl", "WST_Fren", "WST_Germ", "WST_Ital", "WST_Span", "WST_Swed", "Courier", "MS Sans Serif",
    "Marlett", "Arial", "Arial CE", "Arial CYR", "Arial Greek", "Arial TUR", "Arial Baltic", "Courier New",
    "Courier New CE", "Courier New CYR", "Courier New Greek", "Courier New TUR", "Courier New Baltic",
    "Lucida Console", "Lucida Sans Unicode", "Times New Roman", "Times New Roman CE", "Times New Roman CYR",
    "Times New Roman Greek", "Times New Roman TUR", "Times New Roman Baltic", "Wingdings", "Symbol", "Verdana",
    "Arial Black", "Comic Sans MS", "Impact", "Georgia", "Franklin Gothic Medium", "Palatino Linotype", "Tahoma",
    "Trebuchet MS", "Webdings", "Estrangelo Edessa", "Gautami", "Latha", "Mangal", "MV Boli", "Raavi", "Shruti",
    "Tunga", "Sylfaen", "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS UI Gothic", "ＭＳ 明朝", "ＭＳ Ｐ明朝",
    "Microsoft Sans Serif", "Gulim", "GulimChe", "Dotum", "DotumChe", "Batang", "BatangChe", "Gungsuh",
    "GungsuhChe", "SimSun", "NSimSun", "SimSun-PUA", "SimHei", "MingLiU", "PMingLiU", "Arial Narrow",
    "Book Antiqua", "Bookman Old Style", "Century", "Century Gothic", "Garamond", "MS Outlook", "HGｺﾞｼｯｸE",
    "HGPｺﾞｼｯｸE", "HGSｺﾞｼｯｸE", "HG丸ｺﾞｼｯｸM-PRO", "HG創英角ｺﾞｼｯｸUB", "HGP創英角ｺﾞｼｯｸUB", "HGS創英角ｺﾞｼｯｸUB",
    "HG創英角ﾎﾟｯﾌﾟ体", "HGP創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体", "HG正楷書体-PRO", "InMusicSym", "Kartika", "Vrinda",
    "メイリオ", "MT Extra", "HGｺﾞｼｯｸM", "HGPｺﾞｼｯｸM", "HGSｺﾞｼｯｸM", "HG行書体", "HGP行書体", "HGS行書体",
    "HG教科書体", "HGP教科書体", "HGS教科書体", "HG明朝B", "HGP明朝B", "HGS明朝B", "HG明朝E", "HGP明朝E",
    "HGS明朝E", "HG創英ﾌﾟﾚｾﾞﾝｽEB", "HGP創英ﾌﾟﾚｾﾞﾝｽEB", "HGS創英ﾌﾟﾚｾﾞﾝｽEB", "OCRB", "Sydnie", ""};
const cString kBitmapFormatNames[] = {"256色(8bit) カラーパレットあり", "1677万色(24bit) カラーパレットなし", ""};
const cString kBppD3DNames[] = {"32bit(1677万色)", "16bit(32768色)", ""};
const cString kBppDDNames[] = {"32bit(1677万色)", "16bit(32768色)", "8bit(256色)", ""};
const cString kBarUnitNames[] = {"  ", "％", ""};

void cSysRows::Add(const cSysCtrlRow& row) { m_vRows.push_back(row); }

void cSysRows::Check(uint16_t id, int32_t* member) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysCheck;
  row.m_nId = id;
  row.m_Member = member;
  Add(row);
}

void cSysRows::ByteCheck(uint16_t id, char* member) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysByteCheck;
  row.m_nId = id;
  row.m_Member = member;
  Add(row);
}

void cSysRows::Number(uint16_t id, int32_t* member, int32_t min, int32_t max, uint16_t spin) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysNumber;
  row.m_nId = id;
  row.m_nSpinId = spin;
  row.m_Member = member;
  row.m_nMin = min;
  row.m_nMax = max;
  Add(row);
}

void cSysRows::ByteNumber(uint16_t id, uint8_t* member, int32_t min, int32_t max, uint16_t spin) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysByteNumber;
  row.m_nId = id;
  row.m_nSpinId = spin;
  row.m_Member = member;
  row.m_nMin = min;
  row.m_nMax = max;
  Add(row);
}

void cSysRows::Text(uint16_t id, cString* member, int32_t maxLength, int32_t charMode) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysText;
  row.m_nId = id;
  row.m_Member = member;
  row.m_nMax = maxLength;
  row.m_bCharMode = charMode;
  Add(row);
}

void cSysRows::Combo(uint16_t id, int32_t* member, const cString* rows) {
  if (!member) return;
  cSysCtrlRow row;
  row.m_nKind = kSysCombo;
  row.m_nId = id;
  row.m_Member = member;
  row.m_pRows = rows;
  Add(row);
}

const cSysCtrlRow* cSysRows::Find(uint16_t id) const {
  for (const cSysCtrlRow& row : m_vRows)
    if (row.m_nId == id) return &row;
  return nullptr;
}

namespace {

void GeneralRows(cSystemSettings& s, cSysRows& rows) {
  rows.Text(kIdcGameTitle, &s.m_strGameTitle, 30, 1);
  rows.Check(kIdcHideOnPause, &s.m_bHideObjectsOnPause);
  rows.Check(kIdcSymbolImage, &s.m_bSymbolImage);
  rows.Combo(kIdcFont, &s.m_nFont, kFontFaceNames);
  rows.Check(kIdcEvenSpacing, &s.m_bEvenCharSpacing);
  rows.Check(kIdcDeathEffect, &s.m_bDeathEffectByCommand);
  rows.Check(kIdcClear1Up, &s.m_bStageClear1Up);
  rows.Number(kIdcScorePer1Up, &s.m_nScorePer1Up, 1, 999999, kIdcScorePer1UpSpin);
  rows.Check(kIdcTestFlows, &s.m_bTestFlowsAlways);
  rows.Check(kIdcReplayKeys, &s.m_bReplaySaveKeys);
  rows.Check(kIdcInvincibleEffect, &s.m_bInvincibleEffect);
  rows.Number(kIdcEffectSpeed, &s.m_nEffectSpeed, 1, 32, kIdcEffectSpeedSpin);
  rows.Check(kIdcColorAnime, &s.m_bColorAnime256);
}

// The lives, the infinite-lives box and the ranking of one mode.
void ModeBlockRows(cSystemSettings& s, int mode, cSysRows& rows) {
  const cSysModeIds& ids = kSysModeIds[mode];
  rows.Number(ids.m_nLives, Entry(s.m_vnInitialLives, mode), 1, 99, ids.m_nLivesSpin);
  rows.Check(ids.m_nInfinite, Entry(s.m_vbInfiniteLives, mode));
  cRankingSetting* ranking = Entry(s.m_vRanking, mode);
  rows.Check(ids.m_nRanking, Field(ranking, &cRankingSetting::m_bRanking));
  for (int item = 0; item < kRankingItems; ++item)
    rows.ByteCheck(ids.m_anItems[item], ranking ? Entry(ranking->m_vbItem, item) : nullptr);
}

void ModeRows(cSystemSettings& s, cSysRows& rows) {
  ModeBlockRows(s, 0, rows);
  rows.Check(kIdcShareLives, &s.m_bStoryShareLives);
  rows.Check(kIdcDeathToMap, &s.m_bStoryDeathToMap);
  rows.Check(kIdcLivesOnMap, &s.m_bStoryShowLivesOnMap);
  rows.Check(kIdcStoryHighScore, &s.m_bStoryShowHighScore);
  rows.Check(kIdcStoryTotalScore, &s.m_bStoryShowTotalScore);
  rows.Check(kIdcStoryResetVars, &s.m_bStoryResetVarsOnMap);
  rows.Check(kIdcStoryRetry, &s.m_bStoryRetryCleared);
  rows.Check(kIdcStoryMapFromPause, &s.m_bStoryMapFromPause);
  ModeBlockRows(s, 1, rows);
  rows.Number(kIdcChallengeWorlds, &s.m_nChallengeWorlds, 1, 99, kIdcChallengeWorldsSpin);
  rows.Check(kIdcChallengeAllWorlds, &s.m_bChallengeAllWorlds);
  rows.Check(kIdcChallengeHighScore, &s.m_bChallengeShowHighScore);
  rows.Check(kIdcChallengeTotalScore, &s.m_bChallengeShowTotalScore);
  rows.Check(kIdcChallengeResetVars, &s.m_bChallengeResetVarsOnDeath);
  rows.Check(kIdcChallengeRetry, &s.m_bChallengeRetryCleared);
  ModeBlockRows(s, 2, rows);
  rows.Check(kIdcFreeResetVars, &s.m_bFreeResetVarsOnDeath);
  rows.Check(kIdcTestResetVars, &s.m_bTestResetVarsOnDeath);
}

void SoundRows(cSystemSettings& s, cSysRows& rows) {
  for (int i = 0; i < cSystemSettings::kStockTargets; ++i) {
    rows.ByteCheck(kIdcStockTarget[i], Entry(s.m_vbStockTarget, i));
    rows.ByteCheck(kIdcStockReset[i], Entry(s.m_vbStockReset, i));
  }
  for (int i = 0; i < cSystemSettings::kSoundFiles; ++i)
    rows.Text(kIdcSoundFile[i], Entry(s.m_vSoundFile, i), kSoundPathLength, 0);
  for (int i = 0; i < cSystemSettings::kBgmSlots; ++i) {
    rows.Combo(kIdcBgm[i], Entry(s.m_vnBgm, i), nullptr);
    rows.ByteCheck(kIdcBgmLoop[i], Entry(s.m_vbBgmLoop, i));
  }
  rows.Combo(kIdcBitmapFormat, &s.m_nBitmapFormat, kBitmapFormatNames);
  rows.ByteNumber(kIdcTransR, &s.m_byTransR, 0, 255, kIdcTransRSpin);
  rows.ByteNumber(kIdcTransG, &s.m_byTransG, 0, 255, kIdcTransGSpin);
  rows.ByteNumber(kIdcTransB, &s.m_byTransB, 0, 255, kIdcTransBSpin);
}

void MenuRows(cVector<cMenuEntry>& menu, const cSysMenuIds* ids, int count, cSysRows& rows) {
  for (int i = 0; i < count; ++i) {
    cMenuEntry* entry = Entry(menu, i);
    rows.Check(ids[i].m_nCheck, Field(entry, &cMenuEntry::m_bEnable));
    rows.Text(ids[i].m_nEdit, Field(entry, &cMenuEntry::m_strText), kMenuTextLength, 1);
  }
}

void StatusRows(cSystemSettings& s, cSysRows& rows) {
  for (int i = 0; i < cSystemSettings::kStatusItems; ++i) {
    const cSysStatusIds& ids = kSysStatusIds[i];
    cStatusItem* item = Entry(s.m_vStatusItem, i);
    rows.Check(ids.m_nShow, Field(item, &cStatusItem::m_bShow));
    rows.Check(ids.m_nSymbol, Field(item, &cStatusItem::m_bSymbol));
    rows.Text(ids.m_nLabel, Field(item, &cStatusItem::m_strLabel), kStatusLabelLength, 1);
    if (ids.m_nDigits)
      rows.Number(ids.m_nDigits, Field(item, &cStatusItem::m_nDigits), 1, ids.m_nMaxDigits, ids.m_nDigitsSpin);
  }
  cStatusItem* hp = Entry(s.m_vStatusItem, 2);
  cStatusItem* sp = Entry(s.m_vStatusItem, 3);
  rows.Check(kIdcHpShowValue, Field(hp, &cStatusItem::m_bShowValue));
  rows.Check(kIdcSpShowValue, Field(sp, &cStatusItem::m_bShowValue));
  rows.Number(kIdcHpThreshold, Field(hp, &cStatusItem::m_nBarThreshold), 0, 999999, kIdcHpThresholdSpin);
  rows.Combo(kIdcHpUnit, Field(hp, &cStatusItem::m_nBarUnit), kBarUnitNames);
  rows.Number(kIdcSpThreshold, Field(sp, &cStatusItem::m_nBarThreshold), 0, 999999, kIdcSpThresholdSpin);
  rows.Combo(kIdcSpUnit, Field(sp, &cStatusItem::m_nBarUnit), kBarUnitNames);
  MenuRows(s.m_vTitleMenu, kIdcTitleMenu, cSystemSettings::kTitleMenu, rows);
  rows.Check(kIdcTitleImage, &s.m_bTitleImage);
  MenuRows(s.m_vWorldMenu, kIdcWorldMenu, cSystemSettings::kWorldMenu, rows);
  MenuRows(s.m_vOptionMenu, kIdcOptionMenu, cSystemSettings::kOptionMenu, rows);
  for (int i = 0; i < cSystemSettings::kRankingKinds; ++i)
    rows.Text(kIdcRankingKind[i], Entry(s.m_vRankingKindName, i), kRankingKindLength, 1);
}

void TermRows(cSystemSettings& s, cSysRows& rows) {
  for (int i = 0; i < cSystemSettings::kTerms; ++i)
    rows.Text(kSysTermIds[i].m_nId, Entry(s.m_vTerm, i), kSysTermIds[i].m_nLength, 1);
}

// The value edit of an entry follows the entry's type as loaded; an unknown type binds none.
void IniRows(cSystemSettings& s, cSysRows& rows) {
  for (int i = 0; i < cSystemSettings::kIniEntries; ++i) {
    const cSysIniIds& ids = kSysIniIds[i];
    cIniEntry* entry = Entry(s.m_vIniEntry, i);
    if (!entry) continue;
    rows.Text(ids.m_nKey, &entry->m_strKey, kIniKeyLength, 0);
    if (entry->m_nType == cIniEntry::kTypeInt)
      rows.Number(ids.m_nValue, &entry->m_nValue, 0, kIniValueMax, ids.m_nSpin);
    else if (entry->m_nType == cIniEntry::kTypeString)
      rows.Text(ids.m_nValue, &entry->m_strValue, kIniValueLength, 0);
  }
  rows.Combo(kIdcBppD3D, &s.m_nBppD3D, kBppD3DNames);
  rows.Combo(kIdcBppDD, &s.m_nBppDD, kBppDDNames);
}

void CompatRows(cSystemSettings& s, cSysRows& rows) {
  int32_t* members[kSysCompatSwitches] = {
      &s.m_bCompat212, &s.m_bCompat260, &s.m_bCompat523, &s.m_bCompat554, &s.m_bCompat616, &s.m_bCompat668,
      &s.m_bCompat676, &s.m_bCompat694, &s.m_bCompat696, &s.m_bCompat720, &s.m_bCompat722, &s.m_bCompat732,
      &s.m_bCompat734, &s.m_bCompat747, &s.m_bCompat751, &s.m_bCompat759Damage, &s.m_bCompat759Shot};
  for (int i = 0; i < kSysCompatSwitches; ++i) rows.Check(kIdcCompat[i], members[i]);
}

void GeneralStates(const cShownCtrls& shown, cCtrlStates& states) {
  states.Enable(kIdcScorePer1Up, shown.Checked(kIdcClear1Up));
  states.Enable(kIdcEffectSpeed, shown.Checked(kIdcInvincibleEffect));
}

void ModeStates(const cShownCtrls& shown, cCtrlStates& states, uint16_t changedId) {
  for (const cSysModeIds& ids : kSysModeIds) states.Enable(ids.m_nLives, !shown.Checked(ids.m_nInfinite));
  bool shared = shown.Checked(kIdcShareLives);
  for (uint16_t id : {kIdcDeathToMap, kIdcLivesOnMap}) {
    states.Enable(id, shared);
    if (!shared && changedId == kIdcShareLives) states.Check(id, false);
  }
  for (const cSysModeIds& ids : kSysModeIds)
    states.EnableAll(ids.m_anItems, kRankingItems, shown.Checked(ids.m_nRanking));
}

void SoundStates(const cShownCtrls& shown, cCtrlStates& states) {
  bool trueColour = shown.Row(kIdcBitmapFormat) == 1;
  for (uint16_t id : {kIdcTransR, kIdcTransG, kIdcTransB}) states.Enable(id, trueColour);
  for (int i = 0; i < cSystemSettings::kStockTargets; ++i)
    states.Enable(kIdcStockReset[i], shown.Checked(kIdcStockTarget[i]));
}

void MenuStates(const cShownCtrls& shown, const cSysMenuIds* ids, int count, cCtrlStates& states) {
  for (int i = 0; i < count; ++i) states.Enable(ids[i].m_nEdit, shown.Checked(ids[i].m_nCheck));
}

void StatusStates(const cShownCtrls& shown, cCtrlStates& states) {
  for (const cSysStatusIds& ids : kSysStatusIds) {
    bool show = shown.Checked(ids.m_nShow);
    states.Enable(ids.m_nSymbol, show);
    states.Enable(ids.m_nLabel, show && !shown.Checked(ids.m_nSymbol));
    if (ids.m_nDigits) states.Enable(ids.m_nDigits, show);
  }
  MenuStates(shown, kIdcTitleMenu, cSystemSettings::kTitleMenu, states);
  MenuStates(shown, kIdcWorldMenu, cSystemSettings::kWorldMenu, states);
  MenuStates(shown, kIdcOptionMenu, cSystemSettings::kOptionMenu, states);
  states.EnableAll(kIdcRankingKind, cSystemSettings::kRankingKinds, shown.Checked(kIdcRankingMenu));
}

}  // namespace

void BuildSysPageRows(int page, cSystemSettings& settings, cSysRows& rows) {
  switch (page) {
    case kSysPageGeneral: return GeneralRows(settings, rows);
    case kSysPageMode: return ModeRows(settings, rows);
    case kSysPageSound: return SoundRows(settings, rows);
    case kSysPageStatus: return StatusRows(settings, rows);
    case kSysPageTerm: return TermRows(settings, rows);
    case kSysPageIni: return IniRows(settings, rows);
    case kSysPageCompat: return CompatRows(settings, rows);
    case kSysPageCompat2: return rows.Check(kIdcCompat759Move, &settings.m_bCompat759Move);
    default: return;
  }
}

void SysPageStates(int page, const cShownCtrls& shown, cCtrlStates& states, uint16_t changedId) {
  switch (page) {
    case kSysPageGeneral: return GeneralStates(shown, states);
    case kSysPageMode: return ModeStates(shown, states, changedId);
    case kSysPageSound: return SoundStates(shown, states);
    case kSysPageStatus: return StatusStates(shown, states);
    default: return;  // the other pages have no enable rules
  }
}

void MakeBgmLabels(std::vector<cString>& labels, const cVector<cBgmData>& table) {
  MakeComboLabels(labels, table, "なし", 0, 3, 0);
}

int SaveSystemSettings(cSystemSettings& settings) {
  return SaveFileReported(settings, g_DataPaths[kPathSystem].GetStr());
}

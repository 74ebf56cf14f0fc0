#include "project/cSystemSettings.h"

#include <algorithm>

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"

namespace {

// Grows a list to n default entries or cuts it to n.
template <class T>
void Resize(cVector<T>& list, int count) {
  list.resize(static_cast<size_t>(count));
}

// Moves entries index .. count - 2 up by one place (the last one is lost) and leaves the entry at
// the index for the caller to set.
template <class T>
void OpenSlot(cVector<T>& list, int index) {
  for (int i = list.Count() - 1; i > index; --i) list[i] = list[i - 1];
}

template <class T>
void Insert(cVector<T>& list, int index, const T& value) {
  if (index >= list.Count()) return;
  OpenSlot(list, index);
  list[index] = value;
}

void InsertIniInt(cVector<cIniEntry>& list, int index, const char* key, int32_t value) {
  if (index >= list.Count()) return;
  OpenSlot(list, index);
  list[index].SetInt(key, value);
}

template <class T>
void GrowTo(cVector<T>& list, const cVector<T>& defaults) {
  for (size_t i = list.size(); i < defaults.size(); ++i) list.push_back(defaults[i]);
}

}  // namespace

cMenuEntry::cMenuEntry() {
  RegisterFields(kDataVersion);
  Clear();
  m_bEnable = 1;
}

cMenuEntry::cMenuEntry(const char* text) : cMenuEntry() { m_strText = text; }

void cMenuEntry::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_bEnable);
  RegisterString(&m_strText);
}

cStatusItem::cStatusItem() { RegisterFields(kDataVersion); }

cStatusItem::cStatusItem(int32_t digits, const char* label) : cStatusItem() {
  m_bShow = 1;
  m_bSymbol = 1;
  m_nDigits = digits;
  m_strLabel = label;
}

void cStatusItem::RegisterFields(uint32_t version) {
  ClearFields();
  RegisterInt(&m_bShow);
  RegisterInt(&m_bSymbol);
  RegisterInt(&m_nDigits);
  if (version >= 204) RegisterInt(&m_bShowValue);
  if (version >= 587) {
    RegisterInt(&m_nBarThreshold);
    RegisterInt(&m_nBarUnit);
  }
  RegisterString(&m_strLabel);
}

void cStatusItem::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (VersionRead() < 204) m_bShowValue = 1;
}

cRankingSetting::cRankingSetting() : m_vbItem(kItemCount, 0) { RegisterFields(kDataVersion); }

void cRankingSetting::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_bRanking);
}

void cRankingSetting::Load(cReadStream& stream) {
  cDataRecord::Load(stream);
  if (!stream.Failed()) m_vbItem.Load(stream);
}

void cRankingSetting::Save(cWriteStream& stream) {
  cDataRecord::Save(stream);
  m_vbItem.Save(stream);
}

cIniEntry::cIniEntry() { RegisterFields(kDataVersion); }

void cIniEntry::RegisterFields(uint32_t) {
  ClearFields();
  RegisterInt(&m_nType);
  RegisterInt(&m_nValue);
  RegisterString(&m_strKey);
  RegisterString(&m_strValue);
}

void cIniEntry::SetInt(const char* key, int32_t value) {
  m_strKey = key;
  m_nType = kTypeInt;
  m_nValue = value;
}

void cIniEntry::SetString(const char* key, const char* value) {
  m_strKey = key;
  m_nType = kTypeString;
  m_strValue = value;
}

cSystemSettings::cSystemSettings() {
  RegisterFields(kDataVersion);
  SetDefaults();
}

void cSystemSettings::SetDefaults() {
  Clear();
  m_nScorePer1Up = 100;
  m_bHideObjectsOnPause = 1;
  m_nFont = 60;  // "ＭＳ Ｐゴシック"
  m_bReplaySaveKeys = 1;
  m_bTitleImage = 1;
  m_bStoryShareLives = 1;
  m_bStoryDeathToMap = 1;
  m_bStoryShowLivesOnMap = 1;
  m_nChallengeWorlds = 40;
  m_bChallengeAllWorlds = 1;
  m_bStoryShowHighScore = 1;
  m_bStoryShowTotalScore = 1;
  m_bStoryResetVarsOnMap = 1;
  m_bStoryRetryCleared = 1;
  m_bChallengeShowHighScore = 1;
  m_bChallengeShowTotalScore = 1;
  m_bChallengeResetVarsOnDeath = 1;
  m_bChallengeRetryCleared = 1;
  m_bFreeResetVarsOnDeath = 1;
  m_nEffectSpeed = 16;
  m_bStoryMapFromPause = 1;
  m_nBppDD = 2;

  m_vbStockTarget.assign(kStockTargets, 0);
  for (int kept : {0, 1, 13, 14, 16, 17, 19, 20, 21}) m_vbStockTarget[kept] = 1;
  m_vbStockReset.assign(kStockTargets, 0);
  m_vbStockReset[11] = m_vbStockReset[12] = 1;  // remaining HP and SP
  m_vStatusItem = {cStatusItem(4, "スコア"), cStatusItem(3, "スコア"), cStatusItem(0, "HP"), cStatusItem(0, "SP"),
                   cStatusItem(2, "人")};
  m_vTitleMenu = {cMenuEntry("はじめから"), cMenuEntry("つづきから"), cMenuEntry("チャレンジ"), cMenuEntry("フリー"),
                  cMenuEntry("リプレイ"),   cMenuEntry("オプション"), cMenuEntry("しゅうりょう")};
  m_vWorldMenu = {cMenuEntry("セーブ"), cMenuEntry("オートセーブ"), cMenuEntry("もどる"), cMenuEntry("タイトルへ")};
  // Five texts for six entries, from the first on: the game expects them so.
  m_vOptionMenu = {cMenuEntry("BGM"),    cMenuEntry("SE"), cMenuEntry("ランキング登録"), cMenuEntry("ランキング登録名"),
                   cMenuEntry("もどる"), cMenuEntry("")};
  m_vRankingKindName = {"手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）",
                        "自動登録（登録名固定）"};
  m_vnInitialLives = {5, 5, 5, 99};
  m_vbInfiniteLives = {1, 1, 1, 1};
  m_vRanking.Reset(kPlayModes);
  for (int mode = 0; mode < 3; ++mode) {
    m_vRanking[mode].m_bRanking = 1;
    m_vRanking[mode].m_vbItem.Fill(1);
  }
  m_vSoundFile.Reset(kSoundFiles);
  m_vnBgm.assign(kBgmSlots, 0);
  m_vbBgmLoop.assign(kBgmSlots, 1);
  m_vTerm = {"ワールド",
             "ステージ",
             "スコア",
             "ハイスコア",
             "トータルスコア",
             "スコア",
             "残り時間",
             "クリア時間",
             "残りHP",
             "残りSP",
             "ステージに挑む",
             "やっぱりやめる",
             "セーブする",
             "やっぱりやめる",
             "オートセーブＯＮ",
             "オートセーブＯＦＦ",
             "保存先が不明です！一度は「セーブ」して下さい！",
             "タイトルへ戻る",
             "やっぱりやめる",
             "しゅうりょう",
             "つづける",
             "リトライ",
             "",
             "リトライ",
             "マップへ戻る",
             "Vキーでジャンルの切り替え",
             "スペースキーでタイトルへ戻る",
             "スペースキーで終了",
             "F3キーでランキングへ登録"};
  m_vIniEntry.Reset(kIniEntries);
  m_vIniEntry[0].SetInt("Direct3D", 2);
  m_vIniEntry[1].SetInt("WindowMode", 0);
  m_vIniEntry[2].SetInt("Bpp", 0);
  m_vIniEntry[3].SetInt("VSync", 2);
  m_vIniEntry[4].SetInt("D3D_FontCache", 0);
  m_vIniEntry[5].SetInt("DD_FontCache", 1);
  m_vIniEntry[6].SetInt("DD_VideoStretch", 0);
  m_vIniEntry[7].SetInt("ShowFps", 1);
  m_vIniEntry[8].SetString("FreeStage", "");
  m_vIniEntry[9].SetInt("English", 0);
}

void cSystemSettings::RegisterFields(uint32_t version) {
  ClearFields();
  auto from = [&](uint32_t first, int32_t* member) {
    if (version >= first) RegisterInt(member);
  };
  from(185, &m_bStageClear1Up);
  from(0, &m_nScorePer1Up);
  from(0, &m_bHideObjectsOnPause);
  from(0, &m_bSymbolImage);
  from(205, &m_nFont);
  from(170, &m_bEvenCharSpacing);
  from(113, &m_bTestFlowsAlways);
  from(184, &m_bReplaySaveKeys);
  from(157, &m_bTitleImage);
  from(0, &m_bStoryShareLives);
  from(191, &m_bStoryDeathToMap);
  from(191, &m_bStoryShowLivesOnMap);
  from(0, &m_nChallengeWorlds);
  from(0, &m_bChallengeAllWorlds);
  from(167, &m_bStoryShowHighScore);
  from(167, &m_bStoryShowTotalScore);
  from(188, &m_bStoryResetVarsOnMap);
  from(224, &m_bStoryRetryCleared);
  from(167, &m_bChallengeShowHighScore);
  from(167, &m_bChallengeShowTotalScore);
  from(188, &m_bChallengeResetVarsOnDeath);
  from(224, &m_bChallengeRetryCleared);
  from(188, &m_bFreeResetVarsOnDeath);
  from(192, &m_bTestResetVarsOnDeath);
  from(187, &m_nBitmapFormat);
  if (version >= 187) {
    RegisterChar(&m_byTransR);
    RegisterChar(&m_byTransG);
    RegisterChar(&m_byTransB);
  }
  from(214, &m_bCompat212);
  // A field that only versions 221 to 259 wrote.
  if (version >= 221 && version <= 259) RegisterDiscard(4);
  from(261, &m_bCompat260);
  from(272, &m_bDeathEffectByCommand);
  from(287, &m_bInvincibleEffect);
  from(515, &m_nEffectSpeed);
  from(289, &m_bColorAnime256);
  from(757, &m_bStoryMapFromPause);
  from(525, &m_bCompat523);
  from(555, &m_bCompat554);
  from(637, &m_bCompat616);
  from(669, &m_bCompat668);
  from(677, &m_bCompat676);
  from(695, &m_bCompat694);
  from(696, &m_bCompatUnlisted);
  from(697, &m_bCompat696);
  from(721, &m_bCompat720);
  from(728, &m_bCompat722);
  from(733, &m_bCompat732);
  from(744, &m_bCompat734);
  from(749, &m_bCompat747);
  from(752, &m_bCompat751);
  from(763, &m_bCompat759Damage);
  from(763, &m_bCompat759Shot);
  from(768, &m_bCompat759Move);
  from(670, &m_nBppD3D);
  from(670, &m_nBppDD);
  RegisterString(&m_strGameTitle);
}

void cSystemSettings::Load(cReadStream& stream) {
  uint32_t version = VersionRead();
  cDataRecord::Load(stream);
  // Each list is read only when the file's version holds it; a failed read ends the load.
  bool ok = !stream.Failed() && m_vbStockTarget.Load(stream) && (version < 501 || m_vbStockReset.Load(stream)) &&
            LoadList(m_vStatusItem, stream) && m_vnInitialLives.Load(stream) &&
            (version < 191 || m_vbInfiniteLives.Load(stream)) && (version < 186 || LoadList(m_vRanking, stream)) &&
            m_vTerm.Load(stream) && m_vSoundFile.Load(stream) && m_vnBgm.Load(stream) &&
            (version < 202 || m_vbBgmLoop.Load(stream)) && LoadList(m_vTitleMenu, stream) &&
            LoadList(m_vWorldMenu, stream) && LoadList(m_vOptionMenu, stream) &&
            (version < 674 || m_vRankingKindName.Load(stream)) && LoadList(m_vIniEntry, stream);
  if (!ok || stream.Failed()) return;
  if (version < kDataVersion) Upgrade(version);
  GrowToDefaults();
  ClampBgm();
}

void cSystemSettings::Save(cWriteStream& stream) {
  ClampBgm();
  cDataRecord::Save(stream);
  m_vbStockTarget.Save(stream);
  m_vbStockReset.Save(stream);
  SaveList(m_vStatusItem, stream);
  m_vnInitialLives.Save(stream);
  m_vbInfiniteLives.Save(stream);
  SaveList(m_vRanking, stream);
  m_vTerm.Save(stream);
  m_vSoundFile.Save(stream);
  m_vnBgm.Save(stream);
  m_vbBgmLoop.Save(stream);
  SaveList(m_vTitleMenu, stream);
  SaveList(m_vWorldMenu, stream);
  SaveList(m_vOptionMenu, stream);
  m_vRankingKindName.Save(stream);
  SaveList(m_vIniEntry, stream);
}

void cSystemSettings::ClampBgm() {
  uint32_t records = static_cast<uint32_t>(g_DatabaseSet.m_vBgm.size());
  for (int32_t& slot : m_vnBgm)
    if (static_cast<uint32_t>(slot) >= records) slot = 0;
}

void cSystemSettings::GrowToDefaults() {
  cSystemSettings defaults;
  GrowTo(m_vbStockTarget, defaults.m_vbStockTarget);
  GrowTo(m_vbStockReset, defaults.m_vbStockReset);
  GrowTo(m_vStatusItem, defaults.m_vStatusItem);
  GrowTo(m_vTitleMenu, defaults.m_vTitleMenu);
  GrowTo(m_vWorldMenu, defaults.m_vWorldMenu);
  GrowTo(m_vOptionMenu, defaults.m_vOptionMenu);
  GrowTo(m_vRankingKindName, defaults.m_vRankingKindName);
  GrowTo(m_vnInitialLives, defaults.m_vnInitialLives);
  GrowTo(m_vbInfiniteLives, defaults.m_vbInfiniteLives);
  GrowTo(m_vRanking, defaults.m_vRanking);
  GrowTo(m_vSoundFile, defaults.m_vSoundFile);
  GrowTo(m_vnBgm, defaults.m_vnBgm);
  GrowTo(m_vbBgmLoop, defaults.m_vbBgmLoop);
  GrowTo(m_vTerm, defaults.m_vTerm);
  GrowTo(m_vIniEntry, defaults.m_vIniEntry);
  const cRankingSetting unranked;
  for (int i = 0; i < m_vRanking.Count(); ++i)
    GrowTo(m_vRanking[i].m_vbItem, i < kPlayModes ? defaults.m_vRanking[i].m_vbItem : unranked.m_vbItem);
}

void cSystemSettings::Upgrade(uint32_t v) {
  // Each step gives what a version added the value that keeps the older game's behaviour.
  if (v < 113) m_bTestFlowsAlways = 0;
  if (v < 157) m_bTitleImage = 0;
  if (v < 167) m_bStoryShowHighScore = m_bStoryShowTotalScore = m_bChallengeShowHighScore = m_bChallengeShowTotalScore = 1;
  if (v < 168) {  // stock target: defence
    Resize(m_vbStockTarget, kStockTargets);
    Insert(m_vbStockTarget, 16, char(1));
  }
  if (v < 169) {  // auto-save in the world map menu and its terms
    Resize(m_vWorldMenu, kWorldMenu);
    Insert(m_vWorldMenu, 1, cMenuEntry("オートセーブ"));
    Resize(m_vTerm, kTerms);
    Insert(m_vTerm, 12, cString("保存先が不明です！一度は「セーブ」して下さい！"));
    Insert(m_vTerm, 12, cString("オートセーブＯＦＦ"));
    Insert(m_vTerm, 12, cString("オートセーブＯＮ"));
  }
  if (v < 170) m_bEvenCharSpacing = 0;
  if (v < 181) {  // ranking of remaining HP and SP
    for (int i = 0; i < std::min(m_vRanking.Count(), int(kPlayModes)); ++i) {
      cVector<char>& items = m_vRanking[i].m_vbItem;
      Resize(items, cRankingSetting::kItemCount);
      items[3] = items[4] = 0;
    }
    Resize(m_vTerm, kTerms);
    Insert(m_vTerm, 8, cString("残りHP"));
    Insert(m_vTerm, 9, cString("残りSP"));
  }
  if (v < 184) m_bReplaySaveKeys = 1;
  if (v < 185) m_bStageClear1Up = 1;
  if (v < 187) {
    m_nBitmapFormat = 0;
    m_byTransR = 0;
    m_byTransG = 177;
    m_byTransB = 0;
  }
  if (v < 188) m_bStoryResetVarsOnMap = m_bChallengeResetVarsOnDeath = m_bFreeResetVarsOnDeath = 1;
  if (v < 191) {  // infinite lives per mode
    m_vbInfiniteLives = {0, 0, 0, 1};
    m_bStoryDeathToMap = 0;
    m_bStoryShowLivesOnMap = 0;
  }
  if (v < 192) m_bTestResetVarsOnDeath = 1;
  if (v < 193) {  // the after-death menu
    Resize(m_vTerm, kTerms);
    Insert(m_vTerm, 22, cString("リトライ"));
    Insert(m_vTerm, 23, cString("マップへ戻る"));
  }
  if (v < 201) {  // stock target: body-hit range
    Resize(m_vbStockTarget, kStockTargets);
    Insert(m_vbStockTarget, 14, char(0));
  }
  if (v < 202) {  // BGM loop flags
    Resize(m_vbBgmLoop, kBgmSlots);
    m_vbBgmLoop.Fill(1);
  }
  if (v < 205) m_nFont = 60;
  if (v < 210) {  // stock target: synchronisation with auto-scroll
    Resize(m_vbStockTarget, kStockTargets);
    Insert(m_vbStockTarget, 9, char(0));
  }
  if (v < 214) m_bCompat212 = 1;
  if (v < 224) m_bStoryRetryCleared = m_bChallengeRetryCleared = 0;
  if (v < 261) m_bCompat260 = 1;
  if (v < 272) m_bDeathEffectByCommand = 0;
  if (v < 286) {  // the Direct3D key, and no vertical sync mode above 2
    Resize(m_vIniEntry, kIniEntries);
    InsertIniInt(m_vIniEntry, 0, "Direct3D", 1);
    if (m_vIniEntry[3].m_nValue >= 3) m_vIniEntry[3].m_nValue = 2;
  }
  if (v < 287) m_bInvincibleEffect = 0;
  if (v < 289) m_bColorAnime256 = m_nBitmapFormat == 0 ? 1 : 0;
  if (v < 501) {  // reset of kept properties after death
    Resize(m_vbStockReset, kStockTargets);
    m_vbStockReset.Fill(0);
  }
  if (v < 515) m_nEffectSpeed = 16;
  if (v < 525) m_bCompat523 = 1;
  if (v < 555) m_bCompat554 = 1;
  if (v < 567) {
    Resize(m_vIniEntry, kIniEntries);
    InsertIniInt(m_vIniEntry, 4, "DD_VideoStretch", 0);
  }
  if (v < 568) {
    Resize(m_vIniEntry, kIniEntries);
    InsertIniInt(m_vIniEntry, 4, "D3D_FontCache", 0);
    InsertIniInt(m_vIniEntry, 5, "DD_FontCache", 1);
  }
  if (v < 587) {  // HP and SP bars change colour at a third
    Resize(m_vStatusItem, kStatusItems);
    for (int item : {2, 3}) {
      m_vStatusItem[item].m_nBarThreshold = 33;
      m_vStatusItem[item].m_nBarUnit = 1;
    }
  }
  if (v < 637) m_bCompat616 = v <= 616 ? 1 : 0;
  if (v < 669) m_bCompat668 = 1;
  if (v < 670) {
    m_nBppD3D = 0;
    m_nBppDD = 2;
  }
  if (v < 672) {
    Resize(m_vIniEntry, kIniEntries);
    m_vIniEntry[9].SetInt("English", 0);
  }
  if (v < 677) m_bCompat676 = 1;
  if (v < 695) m_bCompat694 = 1;
  if (v < 696) m_bCompatUnlisted = 1;
  if (v < 697) m_bCompat696 = 1;
  if (v < 721) m_bCompat720 = 1;
  if (v < 728) m_bCompat722 = 1;
  if (v < 733) m_bCompat732 = 1;
  if (v < 744) m_bCompat734 = 1;
  if (v < 749) m_bCompat747 = 1;
  if (v < 752) m_bCompat751 = 1;
  if (v < 756) {  // the pause menu's return to the map
    Resize(m_vTerm, kTerms);
    Insert(m_vTerm, 22, cString("マップへ戻る"));
  }
  if (v < 757) m_bStoryMapFromPause = 0;
  if (v < 763) m_bCompat759Damage = m_bCompat759Shot = 1;
  if (v < 768) m_bCompat759Move = 1;
}

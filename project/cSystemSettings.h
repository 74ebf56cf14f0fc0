#pragma once
// The game's system settings: title and font, general switches, the rules of the play modes, the
// ranking, stock targets, system sounds and BGM, bitmap format, status window, menu texts, terms,
// the System.ini keys with their defaults and the compatibility switches. The editor stores them
// in data\System.dat; the game program reads the same file.

#include <cstdint>

#include "app/cDataRecord.h"
#include "app/cString.h"
#include "app/cVector.h"

// One entry of a game menu.
class cMenuEntry : public cDataRecord {
public:
  int32_t m_bEnable = 1;
  cString m_strText;

  cMenuEntry();
  explicit cMenuEntry(const char* text);
  void RegisterFields(uint32_t version) override;
};

// One item of the in-game status window.
class cStatusItem : public cDataRecord {
public:
  int32_t m_bShow = 0;
  int32_t m_bSymbol = 0;
  int32_t m_nDigits = 0;
  int32_t m_bShowValue = 0;
  int32_t m_nBarThreshold = 0;
  int32_t m_nBarUnit = 0;  // 0 absolute, 1 percent
  cString m_strLabel;

  cStatusItem();
  cStatusItem(int32_t digits, const char* label);
  void RegisterFields(uint32_t version) override;
  // Before 204 the value was always shown.
  void Load(cReadStream& stream) override;
};

// The ranking of one play mode; its item flags follow its body in the file.
class cRankingSetting : public cDataRecord {
public:
  enum { kItemCount = 5 };
  int32_t m_bRanking = 0;
  cVector<char> m_vbItem;  // score, remaining time, clear time, remaining HP, remaining SP

  cRankingSetting();
  void RegisterFields(uint32_t version) override;
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
};

// One key of the game's System.ini and the value the game uses when the key is missing.
class cIniEntry : public cDataRecord {
public:
  enum : int32_t { kTypeInt = 0, kTypeString = 1 };
  int32_t m_nType = 0;
  int32_t m_nValue = 0;
  cString m_strKey;
  cString m_strValue;

  cIniEntry();
  void RegisterFields(uint32_t version) override;
  void SetInt(const char* key, int32_t value);
  void SetString(const char* key, const char* value);
};

class cSystemSettings : public cDataRecord {
public:
  // The counts the constructor creates; the pages address the entries by these indices.
  enum {
    kStockTargets = 25,
    kStatusItems = 5,
    kTitleMenu = 7,
    kWorldMenu = 4,
    kOptionMenu = 6,
    kRankingKinds = 4,
    kPlayModes = 4,
    kSoundFiles = 17,
    kBgmSlots = 4,
    kTerms = 29,
    kIniEntries = 10,
  };

  int32_t m_bStageClear1Up = 0;
  int32_t m_nScorePer1Up = 0;
  int32_t m_bHideObjectsOnPause = 0;
  int32_t m_bSymbolImage = 0;
  int32_t m_nFont = 0;
  int32_t m_bEvenCharSpacing = 0;
  int32_t m_bTestFlowsAlways = 0;
  int32_t m_bReplaySaveKeys = 0;
  int32_t m_bTitleImage = 0;
  int32_t m_bStoryShareLives = 0;
  int32_t m_bStoryDeathToMap = 0;
  int32_t m_bStoryShowLivesOnMap = 0;
  int32_t m_nChallengeWorlds = 0;
  int32_t m_bChallengeAllWorlds = 0;
  int32_t m_bStoryShowHighScore = 0;
  int32_t m_bStoryShowTotalScore = 0;
  int32_t m_bStoryResetVarsOnMap = 0;
  int32_t m_bStoryRetryCleared = 0;
  int32_t m_bChallengeShowHighScore = 0;
  int32_t m_bChallengeShowTotalScore = 0;
  int32_t m_bChallengeResetVarsOnDeath = 0;
  int32_t m_bChallengeRetryCleared = 0;
  int32_t m_bFreeResetVarsOnDeath = 0;
  int32_t m_bTestResetVarsOnDeath = 0;
  int32_t m_nBitmapFormat = 0;  // 0 256 colours, 1 24-bit
  uint8_t m_byTransR = 0;       // transparent colour of 24-bit bitmaps
  uint8_t m_byTransG = 0;
  uint8_t m_byTransB = 0;
  int32_t m_bCompat212 = 0;
  int32_t m_bCompat260 = 0;
  int32_t m_bDeathEffectByCommand = 0;
  int32_t m_bInvincibleEffect = 0;
  int32_t m_nEffectSpeed = 0;
  int32_t m_bColorAnime256 = 0;
  int32_t m_bStoryMapFromPause = 0;
  int32_t m_bCompat523 = 0;
  int32_t m_bCompat554 = 0;
  int32_t m_bCompat616 = 0;
  int32_t m_bCompat668 = 0;
  int32_t m_bCompat676 = 0;
  int32_t m_bCompat694 = 0;
  int32_t m_bCompatUnlisted = 0;
  int32_t m_bCompat696 = 0;
  int32_t m_bCompat720 = 0;
  int32_t m_bCompat722 = 0;
  int32_t m_bCompat732 = 0;
  int32_t m_bCompat734 = 0;
  int32_t m_bCompat747 = 0;
  int32_t m_bCompat751 = 0;
  int32_t m_bCompat759Damage = 0;
  int32_t m_bCompat759Shot = 0;
  int32_t m_bCompat759Move = 0;
  int32_t m_nBppD3D = 0;
  int32_t m_nBppDD = 0;
  cString m_strGameTitle;

  cVector<char> m_vbStockTarget;
  cVector<char> m_vbStockReset;
  cVector<cStatusItem> m_vStatusItem;
  cVector<cMenuEntry> m_vTitleMenu;
  cVector<cMenuEntry> m_vWorldMenu;
  cVector<cMenuEntry> m_vOptionMenu;
  cVector<cString> m_vRankingKindName;
  cVector<int32_t> m_vnInitialLives;
  cVector<int32_t> m_vbInfiniteLives;
  cVector<cRankingSetting> m_vRanking;
  cVector<cString> m_vSoundFile;
  cVector<int32_t> m_vnBgm;  // rows of the BGM table, 0 none
  cVector<char> m_vbBgmLoop;
  cVector<cString> m_vTerm;
  cVector<cIniEntry> m_vIniEntry;

  cSystemSettings();
  void SetDefaults();
  void RegisterFields(uint32_t version) override;
  // Reads the lists the file's version holds, brings older data up to date, fills lists cut
  // short from the defaults and drops BGM slots the table no longer has.
  void Load(cReadStream& stream) override;
  void Save(cWriteStream& stream) override;
  // A slot naming no record of the database's BGM table becomes 0.
  void ClampBgm();

private:
  void Upgrade(uint32_t version);
  void GrowToDefaults();
};

extern cSystemSettings g_SystemSettings;

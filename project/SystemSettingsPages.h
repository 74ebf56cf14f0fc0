#pragma once
// The eight pages of the system settings sheet apart from any window: their control ids, the
// controls each page binds to the settings record (id, member, limits, rows), the enable rules
// over what the page shows, and the save of the apply. A page binds its wrappers from these rows;
// a row whose list entry the record does not hold is never made, so a short list binds no control.

#include <cstdint>
#include <variant>
#include <vector>

#include "app/cString.h"
#include "app/cVector.h"
#include "database/cDatabaseSet.h"
#include "editors/CtrlStates.h"
#include "project/cSystemSettings.h"

// The pages in tab order; the index is the page's place in the sheet.
enum : int32_t {
  kSysPageGeneral,
  kSysPageMode,
  kSysPageSound,
  kSysPageStatus,
  kSysPageTerm,
  kSysPageIni,
  kSysPageCompat,
  kSysPageCompat2,
  kSysPageCount,
};

// Template ids of the pages, in tab order.
extern const uint16_t kSysPageTemplates[kSysPageCount];

// Page 1, general.
enum : uint16_t {
  kIddSysGeneral = 248,
  kIdcGameTitle = 1317,
  kIdcHideOnPause = 1318,
  kIdcSymbolImage = 1319,
  kIdcFont = 1454,
  kIdcFontPreview = 1076,
  kIdcEvenSpacing = 1349,
  kIdcDeathEffect = 1360,
  kIdcClear1Up = 1357,
  kIdcScorePer1Up = 1327,
  kIdcScorePer1UpSpin = 1328,
  kIdcTestFlows = 1344,
  kIdcReplayKeys = 1356,
  kIdcInvincibleEffect = 1361,
  kIdcEffectSpeed = 1329,
  kIdcEffectSpeedSpin = 1330,
  kIdcColorAnime = 1362,
};

// Page 2, play modes: one block per mode (story, challenge, free), then the single-stage test.
enum : uint16_t {
  kIddSysMode = 277,
  kIdcShareLives = 1320,
  kIdcDeathToMap = 1356,
  kIdcLivesOnMap = 1358,
  kIdcStoryHighScore = 1345,
  kIdcStoryTotalScore = 1346,
  kIdcStoryResetVars = 1349,
  kIdcStoryRetry = 1361,
  kIdcStoryMapFromPause = 1363,
  kIdcChallengeWorlds = 1336,
  kIdcChallengeWorldsSpin = 1343,
  kIdcChallengeAllWorlds = 1329,
  kIdcChallengeHighScore = 1347,
  kIdcChallengeTotalScore = 1348,
  kIdcChallengeResetVars = 1357,
  kIdcChallengeRetry = 1362,
  kIdcFreeResetVars = 1359,
  kIdcTestResetVars = 1360,
};
constexpr int kSysRankedModes = 3;
constexpr int kRankingItems = cRankingSetting::kItemCount;
struct cSysModeIds {
  uint16_t m_nLives, m_nLivesSpin, m_nInfinite, m_nRanking;
  uint16_t m_anItems[kRankingItems];
};
extern const cSysModeIds kSysModeIds[kSysRankedModes];

// Page 3, stock targets, sound effects, BGM and bitmap format.
enum : uint16_t {
  kIddSysSound = 249,
  kIdcBitmapFormat = 1409,
  kIdcTransR = 1410,
  kIdcTransRSpin = 1411,
  kIdcTransG = 1412,
  kIdcTransGSpin = 1413,
  kIdcTransB = 1414,
  kIdcTransBSpin = 1415,
};
extern const uint16_t kIdcStockTarget[cSystemSettings::kStockTargets];
extern const uint16_t kIdcStockReset[cSystemSettings::kStockTargets];
extern const uint16_t kIdcSoundFile[cSystemSettings::kSoundFiles];
extern const uint16_t kIdcSoundBrowse[cSystemSettings::kSoundFiles];
extern const uint16_t kIdcSoundPlay[cSystemSettings::kSoundFiles];
extern const uint16_t kIdcBgm[cSystemSettings::kBgmSlots];
extern const uint16_t kIdcBgmPlay[cSystemSettings::kBgmSlots];
extern const uint16_t kIdcBgmLoop[cSystemSettings::kBgmSlots];
constexpr int32_t kSoundPathLength = 260;

// Page 4, status window, menus and ranking kinds.
enum : uint16_t {
  kIddSysStatus = 250,
  kIdcTitleImage = 1366,
  kIdcHpShowValue = 1369,
  kIdcSpShowValue = 1391,
  kIdcHpThreshold = 1392,
  kIdcHpThresholdSpin = 1327,
  kIdcSpThreshold = 1393,
  kIdcSpThresholdSpin = 1328,
  kIdcHpUnit = 1463,
  kIdcSpUnit = 1464,
  kIdcRankingMenu = 1387,  // the option menu's "ランキング登録" entry
};
struct cSysStatusIds {
  uint16_t m_nShow, m_nSymbol, m_nLabel, m_nDigits, m_nDigitsSpin;  // no digits edit: 0
  int32_t m_nMaxDigits;
};
extern const cSysStatusIds kSysStatusIds[cSystemSettings::kStatusItems];
struct cSysMenuIds {
  uint16_t m_nCheck, m_nEdit;
};
extern const cSysMenuIds kIdcTitleMenu[cSystemSettings::kTitleMenu];
extern const cSysMenuIds kIdcWorldMenu[cSystemSettings::kWorldMenu];
extern const cSysMenuIds kIdcOptionMenu[cSystemSettings::kOptionMenu];
extern const uint16_t kIdcRankingKind[cSystemSettings::kRankingKinds];
constexpr int32_t kStatusLabelLength = 5;
constexpr int32_t kMenuTextLength = 8;
constexpr int32_t kRankingKindLength = 16;

// Page 5, the terms: an edit and its limit in characters per term.
enum : uint16_t { kIddSysTerm = 251 };
struct cSysTermIds {
  uint16_t m_nId;
  int32_t m_nLength;
};
extern const cSysTermIds kSysTermIds[cSystemSettings::kTerms];

// Page 6, System.ini entries and the full-screen colour depth.
enum : uint16_t {
  kIddSysIni = 272,
  kIdcBppD3D = 1466,
  kIdcBppDD = 1467,
};
struct cSysIniIds {
  uint16_t m_nKey, m_nValue, m_nSpin;  // no up-down: 0
};
extern const cSysIniIds kSysIniIds[cSystemSettings::kIniEntries];
constexpr int32_t kIniKeyLength = 64;
constexpr int32_t kIniValueLength = 260;
constexpr int32_t kIniValueMax = 99;

// Pages 7 and 8, compatibility switches.
enum : uint16_t {
  kIddSysCompat = 278,
  kIddSysCompat2 = 282,
  kIdcCompat759Move = 1485,
};
constexpr int kSysCompatSwitches = 17;
extern const uint16_t kIdcCompat[kSysCompatSwitches];

// Row sources of the combo boxes, each ending with an empty entry.
constexpr int kFontFaceCount = 122;
extern const cString kFontFaceNames[kFontFaceCount + 1];
extern const cString kBitmapFormatNames[];
extern const cString kBppD3DNames[];
extern const cString kBppDDNames[];
extern const cString kBarUnitNames[];

// How a control shows its member.
enum : int32_t {
  kSysCheck,       // check box over a 32-bit flag
  kSysByteCheck,   // check box over an 8-bit flag
  kSysNumber,      // numeric edit over a 32-bit value
  kSysByteNumber,  // numeric edit over an unsigned 8-bit value
  kSysText,        // text edit
  kSysCombo,       // combo box over a 32-bit value, the row is the value
};

// One control of a page and the member it shows.
struct cSysCtrlRow {
  int32_t m_nKind = kSysCheck;
  uint16_t m_nId = 0;
  uint16_t m_nSpinId = 0;
  std::variant<int32_t*, char*, uint8_t*, cString*> m_Member;
  int32_t m_nMin = 0;  // numbers
  int32_t m_nMax = 0;  // numbers; texts: the maximum length
  int32_t m_bCharMode = 0;  // texts: the length counts characters
  const cString* m_pRows = nullptr;  // combos: the row names; null: rows the page builds
};

// Builds the rows of one page over a record. Adding a row with a null member adds nothing, so the
// page functions hand in list entries through Entry, which is null past a list's end.
class cSysRows {
public:
  void Check(uint16_t id, int32_t* member);
  void ByteCheck(uint16_t id, char* member);
  void Number(uint16_t id, int32_t* member, int32_t min, int32_t max, uint16_t spin);
  void ByteNumber(uint16_t id, uint8_t* member, int32_t min, int32_t max, uint16_t spin);
  void Text(uint16_t id, cString* member, int32_t maxLength, int32_t charMode);
  void Combo(uint16_t id, int32_t* member, const cString* rows);

  const cVector<cSysCtrlRow>& Rows() const { return m_vRows; }
  // The row of a control id; null when the page has none.
  const cSysCtrlRow* Find(uint16_t id) const;

private:
  void Add(const cSysCtrlRow& row);
  cVector<cSysCtrlRow> m_vRows;
};

// The entry of a list, null when the list is too short.
template <class T>
T* Entry(cVector<T>& list, int index) {
  return index >= 0 && index < list.Count() ? &list[index] : nullptr;
}
// A member of a list entry that may be missing.
template <class R, class M>
M* Field(R* record, M R::*member) {
  return record ? &(record->*member) : nullptr;
}

// Every control a page binds, in the page's order.
void BuildSysPageRows(int page, cSystemSettings& settings, cSysRows& rows);

// The enable rules of a page over what it shows; changedId is the control the user has just
// changed, 0 while the page is only being shown. Page 2 also unchecks the two story boxes that
// only lives shared across the story allow, when the user unchecks the shared lives: a record
// shown with them on keeps them.
void SysPageStates(int page, const cShownCtrls& shown, cCtrlStates& states, uint16_t changedId);

// The BGM combo rows: "なし", then the numbered BGM records; the row is the table index.
void MakeBgmLabels(std::vector<cString>& labels, const cVector<cBgmData>& table);

// Saves the record to data\System.dat; a failed write is told with its path. 1 when saved.
int SaveSystemSettings(cSystemSettings& settings);

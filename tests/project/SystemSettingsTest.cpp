#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/cApplication.h"
#include "database/cDatabaseSet.h"
#include "project/cSystemSettings.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TestSupport.h"

namespace {

const char* kSystemPath = "data\\System.dat";
constexpr int32_t kDepends = -99999;  // the value an old file ends with depends on other fields

// The stored fields in file order: the first version holding each, and what an older file ends
// with after the upgrade.
struct cField {
  const char* m_pName;
  uint32_t m_nFirst;
  int32_t cSystemSettings::*m_pInt;
  uint8_t cSystemSettings::*m_pByte;
  int32_t m_nOld;
};
#define INT_FIELD(name, first, old) {#name, first, &cSystemSettings::name, nullptr, old}
#define BYTE_FIELD(name, first, old) {#name, first, nullptr, &cSystemSettings::name, old}
const cField kFields[] = {
    INT_FIELD(m_bStageClear1Up, 185, 1),
    INT_FIELD(m_nScorePer1Up, 0, 0),
    INT_FIELD(m_bHideObjectsOnPause, 0, 0),
    INT_FIELD(m_bSymbolImage, 0, 0),
    INT_FIELD(m_nFont, 205, 60),
    INT_FIELD(m_bEvenCharSpacing, 170, 0),
    INT_FIELD(m_bTestFlowsAlways, 113, 0),
    INT_FIELD(m_bReplaySaveKeys, 184, 1),
    INT_FIELD(m_bTitleImage, 157, 0),
    INT_FIELD(m_bStoryShareLives, 0, 0),
    INT_FIELD(m_bStoryDeathToMap, 191, 0),
    INT_FIELD(m_bStoryShowLivesOnMap, 191, 0),
    INT_FIELD(m_nChallengeWorlds, 0, 0),
    INT_FIELD(m_bChallengeAllWorlds, 0, 0),
    INT_FIELD(m_bStoryShowHighScore, 167, 1),
    INT_FIELD(m_bStoryShowTotalScore, 167, 1),
    INT_FIELD(m_bStoryResetVarsOnMap, 188, 1),
    INT_FIELD(m_bStoryRetryCleared, 224, 0),
    INT_FIELD(m_bChallengeShowHighScore, 167, 1),
    INT_FIELD(m_bChallengeShowTotalScore, 167, 1),
    INT_FIELD(m_bChallengeResetVarsOnDeath, 188, 1),
    INT_FIELD(m_bChallengeRetryCleared, 224, 0),
    INT_FIELD(m_bFreeResetVarsOnDeath, 188, 1),
    INT_FIELD(m_bTestResetVarsOnDeath, 192, 1),
    INT_FIELD(m_nBitmapFormat, 187, 0),
    BYTE_FIELD(m_byTransR, 187, 0),
    BYTE_FIELD(m_byTransG, 187, 177),
    BYTE_FIELD(m_byTransB, 187, 0),
    INT_FIELD(m_bCompat212, 214, 1),
    INT_FIELD(m_bCompat260, 261, 1),
    INT_FIELD(m_bDeathEffectByCommand, 272, 0),
    INT_FIELD(m_bInvincibleEffect, 287, 0),
    INT_FIELD(m_nEffectSpeed, 515, 16),
    INT_FIELD(m_bColorAnime256, 289, kDepends),
    INT_FIELD(m_bStoryMapFromPause, 757, 0),
    INT_FIELD(m_bCompat523, 525, 1),
    INT_FIELD(m_bCompat554, 555, 1),
    INT_FIELD(m_bCompat616, 637, kDepends),
    INT_FIELD(m_bCompat668, 669, 1),
    INT_FIELD(m_bCompat676, 677, 1),
    INT_FIELD(m_bCompat694, 695, 1),
    INT_FIELD(m_bCompatUnlisted, 696, 1),
    INT_FIELD(m_bCompat696, 697, 1),
    INT_FIELD(m_bCompat720, 721, 1),
    INT_FIELD(m_bCompat722, 728, 1),
    INT_FIELD(m_bCompat732, 733, 1),
    INT_FIELD(m_bCompat734, 744, 1),
    INT_FIELD(m_bCompat747, 749, 1),
    INT_FIELD(m_bCompat751, 752, 1),
    INT_FIELD(m_bCompat759Damage, 763, 1),
    INT_FIELD(m_bCompat759Shot, 763, 1),
    INT_FIELD(m_bCompat759Move, 768, 1),
    INT_FIELD(m_nBppD3D, 670, 0),
    INT_FIELD(m_nBppDD, 670, 2),
};
#undef INT_FIELD
#undef BYTE_FIELD

// The value a fixture stores in field i.
int32_t FileValue(size_t i, bool byte) { return byte ? int32_t(100 + i) : int32_t(1000 + i); }

// The record body a file of version v holds, with distinct values in every field.
Bytes BodyFor(uint32_t v) {
  Bytes fields;
  uint32_t count = 0;
  for (size_t i = 0; i < std::size(kFields); ++i) {
    const cField& field = kFields[i];
    if (field.m_nFirst > v) continue;
    if (field.m_pByte) fields.push_back(static_cast<unsigned char>(FileValue(i, true)));
    else fields = Cat({fields, I32s({FileValue(i, false)})});
    ++count;
    if (field.m_pInt == &cSystemSettings::m_bCompat212 && v >= 221 && v <= 259) {
      fields = Cat({fields, U32(0xDEADBEEF)});  // read and dropped
      ++count;
    }
  }
  return Cat({U32(count), fields, U32(1), StoredString("title")});
}

Bytes Repeat(const Bytes& one, int count) {
  Bytes all = U32(static_cast<uint32_t>(count));
  for (int i = 0; i < count; ++i) all = Cat({all, one});
  return all;
}

Bytes StatusItemBody(uint32_t v, int32_t show) {
  if (v >= 587) return Body({show, 0, 2, 0, 50, 0}, {"L"});
  if (v >= 204) return Body({show, 0, 2, 0}, {"L"});
  return Body({show, 0, 2}, {"L"});
}

// The lists a file of version v holds, in their current counts.
Bytes ListsFor(uint32_t v) {
  Bytes b = Repeat(Hex("00"), 25);
  if (v >= 501) b = Cat({b, Repeat(Hex("00"), 25)});
  b = Cat({b, Repeat(StatusItemBody(v, 1), 5), Repeat(I32s({3}), 4)});
  if (v >= 191) b = Cat({b, Repeat(I32s({1}), 4)});
  if (v >= 186) b = Cat({b, Repeat(Cat({Body({1}, {}), ByteList({1, 1, 1, 1, 1})}), 4)});
  b = Cat({b, Repeat(StoredString("t"), 29), Repeat(StoredString(""), 17), Repeat(I32s({0}), 4)});
  if (v >= 202) b = Cat({b, Repeat(Hex("01"), 4)});
  b = Cat({b, Repeat(Body({1}, {"m"}), 7), Repeat(Body({1}, {"m"}), 4), Repeat(Body({1}, {"m"}), 6)});
  if (v >= 674) b = Cat({b, Repeat(StoredString("k"), 4)});
  return Cat({b, Repeat(Body({0, 1}, {"key", ""}), 10)});
}

Bytes SettingsFile(uint32_t v) { return Cat({U32(v), BodyFor(v), ListsFor(v)}); }

Bytes Terms(std::initializer_list<const char*> texts) {
  Bytes b = U32(static_cast<uint32_t>(texts.size()));
  for (const char* text : texts) b = Cat({b, StoredString(text)});
  return b;
}

// A file of version v whose lists are the given ones in file order, with v's record body.
Bytes FileWithLists(uint32_t v, const Bytes& lists) { return Cat({U32(v), BodyFor(v), lists}); }

class SystemSettingsFile : public ::testing::Test {
protected:
  void SetUp() override { std::filesystem::create_directory("data"); }
  void TearDown() override { g_DatabaseSet.m_vBgm = m_vBgm; }
  cVector<cBgmData> m_vBgm = g_DatabaseSet.m_vBgm;
  cScratchFolder m_Folder;
  cFakeShell m_Shell;
  cVersionReadGuard m_Guard;
};

std::vector<std::string> TermTexts(const cSystemSettings& s) { return {s.m_vTerm.begin(), s.m_vTerm.end()}; }

}  // namespace

TEST_F(SystemSettingsFile, DefaultFileBytes) {
  cSystemSettings settings;
  ASSERT_EQ(settings.SaveFile(kSystemPath), 1);
  Bytes expected = Cat({U32(771), U32(54),
                        I32s({0, 100, 1, 0, 60, 0, 0, 1, 1, 1, 1, 1, 40, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}),
                        Hex("00 00 00"),
                        I32s({0, 0, 0, 0, 16, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}),
                        U32(1), StoredString("")});
  expected = Cat({expected, ByteList({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0}),
                  ByteList({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), U32(5),
                  Body({1, 1, 4, 0, 0, 0}, {"スコア"}), Body({1, 1, 3, 0, 0, 0}, {"スコア"}),
                  Body({1, 1, 0, 0, 0, 0}, {"HP"}), Body({1, 1, 0, 0, 0, 0}, {"SP"}), Body({1, 1, 2, 0, 0, 0}, {"人"}),
                  U32(4), I32s({5, 5, 5, 99}), U32(4), I32s({1, 1, 1, 1}), U32(4)});
  for (int mode = 0; mode < 4; ++mode) {
    int on = mode < 3 ? 1 : 0;
    expected = Cat({expected, Body({on}, {}), ByteList({on, on, on, on, on})});
  }
  expected = Cat({expected,
                  Terms({"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間",
                         "クリア時間", "残りHP", "残りSP", "ステージに挑む", "やっぱりやめる", "セーブする",
                         "やっぱりやめる", "オートセーブＯＮ", "オートセーブＯＦＦ",
                         "保存先が不明です！一度は「セーブ」して下さい！", "タイトルへ戻る", "やっぱりやめる",
                         "しゅうりょう", "つづける", "リトライ", "", "リトライ", "マップへ戻る",
                         "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
                         "F3キーでランキングへ登録"}),
                  Repeat(U32(1), 17), U32(4), I32s({0, 0, 0, 0}), ByteList({1, 1, 1, 1}), U32(7)});
  for (const char* text : {"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"})
    expected = Cat({expected, Body({1}, {text})});
  expected = Cat({expected, U32(4)});
  for (const char* text : {"セーブ", "オートセーブ", "もどる", "タイトルへ"}) expected = Cat({expected, Body({1}, {text})});
  expected = Cat({expected, U32(6)});
  for (const char* text : {"BGM", "SE", "ランキング登録", "ランキング登録名", "もどる", ""})
    expected = Cat({expected, Body({1}, {text})});
  expected = Cat({expected,
                  Terms({"手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）",
                         "自動登録（登録名固定）"}),
                  U32(10), Body({0, 2}, {"Direct3D", ""}), Body({0, 0}, {"WindowMode", ""}), Body({0, 0}, {"Bpp", ""}),
                  Body({0, 2}, {"VSync", ""}), Body({0, 0}, {"D3D_FontCache", ""}), Body({0, 1}, {"DD_FontCache", ""}),
                  Body({0, 0}, {"DD_VideoStretch", ""}), Body({0, 1}, {"ShowFps", ""}), Body({1, 0}, {"FreeStage", ""}),
                  Body({0, 0}, {"English", ""})});
  Bytes written = ReadFileBytes(kSystemPath);
  EXPECT_EQ(ToHex(written), ToHex(expected));
  EXPECT_EQ(ToHex(Bytes(written.begin() + 4, written.begin() + 8)), "36 00 00 00");
}

TEST_F(SystemSettingsFile, SaveLoadSaveIsByteIdentical) {
  cSystemSettings settings;
  settings.m_strGameTitle = "ゲーム";
  settings.m_byTransG = 200;
  settings.m_bCompat759Move = 1;
  settings.m_vTerm[22] = "マップへ";
  settings.m_vIniEntry[8].m_strValue = "data\\stg4\\x.stg4_771";
  settings.m_vRanking[1].m_vbItem[4] = 0;
  settings.m_vStatusItem[2].m_nBarThreshold = 999999;
  ASSERT_EQ(settings.SaveFile(kSystemPath), 1);
  Bytes first = ReadFileBytes(kSystemPath);
  cSystemSettings again;
  ASSERT_EQ(again.LoadFile(kSystemPath), 1);
  EXPECT_EQ(again.m_byTransG, 200);
  EXPECT_EQ(again.m_vRanking[1].m_vbItem[4], 0);
  ASSERT_EQ(again.SaveFile(kSystemPath), 1);
  EXPECT_EQ(ToHex(ReadFileBytes(kSystemPath)), ToHex(first));
}

TEST_F(SystemSettingsFile, FieldsOfEveryVersionLoadAndUpgrade) {
  std::set<uint32_t> versions = {50, 168, 169, 181, 193, 201, 210, 220, 221, 259, 260, 286, 567, 568, 616, 617,
                                 672, 756, 770, 771};
  for (const cField& field : kFields)
    if (field.m_nFirst) versions.insert({field.m_nFirst - 1, field.m_nFirst});
  for (uint32_t list : {186u, 191u, 202u, 204u, 501u, 587u, 674u}) versions.insert({list - 1, list});
  for (uint32_t v : versions) {
    SCOPED_TRACE(v);
    WriteFileBytes(kSystemPath, SettingsFile(v));
    cSystemSettings settings;
    for (const cField& field : kFields) {
      if (field.m_pInt) settings.*field.m_pInt = 7777;
      else settings.*field.m_pByte = 77;
    }
    ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
    for (size_t i = 0; i < std::size(kFields); ++i) {
      const cField& field = kFields[i];
      int32_t expected = FileValue(i, field.m_pByte != nullptr);
      if (v < field.m_nFirst) expected = field.m_nOld;
      if (expected == kDepends && field.m_pInt == &cSystemSettings::m_bColorAnime256)
        expected = v < 187 ? 1 : 0;  // 1 only for the 256-colour format; the fixture's is not 0
      if (expected == kDepends && field.m_pInt == &cSystemSettings::m_bCompat616) expected = v <= 616 ? 1 : 0;
      int32_t actual = field.m_pInt ? settings.*field.m_pInt : settings.*field.m_pByte;
      EXPECT_EQ(actual, expected) << field.m_pName;
    }
    EXPECT_EQ(settings.m_strGameTitle, "title");
    EXPECT_EQ(settings.m_vbStockTarget.size(), 25u);
    EXPECT_EQ(settings.m_vbStockReset.size(), 25u);
    EXPECT_EQ(settings.m_vStatusItem.size(), 5u);
    EXPECT_EQ(settings.m_vStatusItem[0].m_bShowValue, v < 204 ? 1 : 0);
    EXPECT_EQ(settings.m_vTerm.size(), 29u);
    EXPECT_EQ(settings.m_vIniEntry.size(), 10u);
    EXPECT_EQ(settings.m_vRanking.size(), 4u);
    for (const cRankingSetting& ranking : settings.m_vRanking) EXPECT_EQ(ranking.m_vbItem.size(), 5u);
  }
}

TEST_F(SystemSettingsFile, StockTargetsGetTheirNewSlots) {
  // Version 160: 22 flags; 1 opens at 16, 0 at 14, 0 at 9, and the resized tail is lost.
  Bytes lists = ListsFor(160);
  Bytes stock = ByteList({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
  lists.erase(lists.begin(), lists.begin() + 4 + 25);
  WriteFileBytes(kSystemPath, FileWithLists(160, Cat({stock, lists})));
  cSystemSettings settings;
  ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
  std::vector<int> flags(settings.m_vbStockTarget.begin(), settings.m_vbStockTarget.end());
  // The three new flags land where today's layout has them: 9, 15 and 18 (defence).
  EXPECT_EQ(flags, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10, 11, 12, 13, 14, 0, 15, 16, 1, 17, 18, 19, 20, 21,
                                     22}));
}

TEST_F(SystemSettingsFile, TermsOfVersion160EndInTheCurrentLayout) {
  cSystemSettings defaults;
  // The 21 terms of that time: today's without the 8 that later versions inserted.
  std::vector<std::string> old;
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 17, 18, 19, 20, 21, 25, 26, 27, 28})
    old.push_back(defaults.m_vTerm[i]);
  Bytes terms = U32(21);
  for (const std::string& text : old) terms = Cat({terms, StoredString(text)});
  Bytes lists = Cat({Repeat(Hex("00"), 25), Repeat(StatusItemBody(160, 1), 5), Repeat(I32s({3}), 4), terms,
                     Repeat(StoredString(""), 17), Repeat(I32s({0}), 4), Repeat(Body({1}, {"m"}), 7),
                     Repeat(Body({1}, {"w"}), 3), Repeat(Body({1}, {"m"}), 6), Repeat(Body({0, 1}, {"key", ""}), 5)});
  WriteFileBytes(kSystemPath, FileWithLists(160, lists));
  cSystemSettings settings;
  ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
  std::vector<std::string> expected = TermTexts(defaults);
  expected[22] = "マップへ戻る";  // the pause menu's return, which today starts empty
  EXPECT_EQ(TermTexts(settings), expected);
  // The world map menu of three entries gets the auto-save entry at 1.
  ASSERT_EQ(settings.m_vWorldMenu.size(), 4u);
  EXPECT_EQ(settings.m_vWorldMenu[1].m_strText, "オートセーブ");
  EXPECT_EQ(settings.m_vWorldMenu[1].m_bEnable, 1);
  EXPECT_EQ(settings.m_vWorldMenu[2].m_strText, "w");
  EXPECT_EQ(settings.m_vWorldMenu[3].m_strText, "w");
}

TEST_F(SystemSettingsFile, TermsOfVersion755GetThePauseReturn) {
  struct cRow {
    int m_nCount;
    const char* m_pLast;
  };
  for (cRow row : {cRow{28, "t27"}, cRow{29, "t27"}}) {
    Bytes terms = U32(static_cast<uint32_t>(row.m_nCount));
    for (int i = 0; i < row.m_nCount; ++i) terms = Cat({terms, StoredString("t" + std::to_string(i))});
    Bytes lists = ListsFor(755);
    size_t at = 4 + 25 + 4 + 25 + 4 + 5 * StatusItemBody(755, 1).size() + 4 + 16 + 4 + 16 + 4 + 4 * (12 + 4 + 5);
    lists.erase(lists.begin() + at, lists.begin() + at + 4 + 29 * 6);
    lists.insert(lists.begin() + at, terms.begin(), terms.end());
    WriteFileBytes(kSystemPath, FileWithLists(755, lists));
    cSystemSettings settings;
    ASSERT_EQ(settings.LoadFile(kSystemPath), 1) << row.m_nCount;
    ASSERT_EQ(settings.m_vTerm.size(), 29u);
    EXPECT_EQ(settings.m_vTerm[21], "t21");
    EXPECT_EQ(settings.m_vTerm[22], "マップへ戻る");
    EXPECT_EQ(settings.m_vTerm[23], "t22");
    EXPECT_EQ(settings.m_vTerm[28], row.m_pLast) << row.m_nCount;
  }
}

TEST_F(SystemSettingsFile, IniEntriesOfVersion285EndInTheCurrentLayout) {
  struct cRow {
    int32_t m_nVSync, m_nExpected;
  };
  for (cRow row : {cRow{3, 2}, cRow{7, 2}, cRow{2, 2}, cRow{1, 1}}) {
    Bytes ini = Cat({U32(5), Body({0, 1}, {"WindowMode", "w"}), Body({0, 0}, {"Bpp", ""}),
                     Body({0, row.m_nVSync}, {"VSync", ""}), Body({0, 1}, {"ShowFps", ""}),
                     Body({1, 0}, {"FreeStage", "s.stg"})});
    Bytes lists = ListsFor(285);
    lists.resize(lists.size() - Repeat(Body({0, 1}, {"key", ""}), 10).size());
    WriteFileBytes(kSystemPath, FileWithLists(285, Cat({lists, ini})));
    cSystemSettings settings;
    ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
    const char* keys[] = {"Direct3D",        "WindowMode", "Bpp",       "VSync",  "D3D_FontCache", "DD_FontCache",
                          "DD_VideoStretch", "ShowFps",    "FreeStage", "English"};
    const int32_t values[] = {1, 1, 0, row.m_nExpected, 0, 1, 0, 1, 0, 0};
    ASSERT_EQ(settings.m_vIniEntry.size(), 10u);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(settings.m_vIniEntry[i].m_strKey, keys[i]) << i;
      EXPECT_EQ(settings.m_vIniEntry[i].m_nValue, values[i]) << i;
    }
    EXPECT_EQ(settings.m_vIniEntry[8].m_nType, cIniEntry::kTypeString);
    EXPECT_EQ(settings.m_vIniEntry[8].m_strValue, "s.stg");
    EXPECT_EQ(settings.m_vIniEntry[0].m_strValue, "w") << "an inserted key keeps the string the slot held";
  }
}

TEST_F(SystemSettingsFile, ListsMissingFromOldFilesAreUpgraded) {
  cSystemSettings settings;
  settings.m_vbStockReset.Fill(1);
  settings.m_vbBgmLoop.Fill(0);
  settings.m_vbInfiniteLives.Fill(7);
  settings.m_vRankingKindName[0] = "keep";
  WriteFileBytes(kSystemPath, SettingsFile(180));
  ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
  EXPECT_EQ(std::vector<int>(settings.m_vbStockReset.begin(), settings.m_vbStockReset.end()), std::vector<int>(25, 0));
  EXPECT_EQ(std::vector<int>(settings.m_vbBgmLoop.begin(), settings.m_vbBgmLoop.end()), std::vector<int>(4, 1));
  EXPECT_EQ(std::vector<int>(settings.m_vbInfiniteLives.begin(), settings.m_vbInfiniteLives.end()),
            (std::vector<int>{0, 0, 0, 1}));
  EXPECT_EQ(settings.m_vRankingKindName[0], "keep") << "a list the file lacks keeps what it held";
  // The constructor's rankings lose the HP and SP items.
  EXPECT_EQ(std::vector<int>(settings.m_vRanking[0].m_vbItem.begin(), settings.m_vRanking[0].m_vbItem.end()),
            (std::vector<int>{1, 1, 1, 0, 0}));
  // HP and SP bars of items read before 587 change colour at a third.
  EXPECT_EQ(settings.m_vStatusItem[2].m_nBarThreshold, 33);
  EXPECT_EQ(settings.m_vStatusItem[3].m_nBarUnit, 1);
  EXPECT_EQ(settings.m_vStatusItem[1].m_nBarThreshold, 0);
}

TEST_F(SystemSettingsFile, ColourAnimationFollowsTheBitmapFormat) {
  for (int32_t format : {0, 1}) {
    Bytes file = SettingsFile(288);
    // m_nBitmapFormat is field 25 of the body.
    size_t at = 4 + 4 + 24 * 4;
    Bytes value = U32(static_cast<uint32_t>(format));
    std::copy(value.begin(), value.end(), file.begin() + at);
    WriteFileBytes(kSystemPath, file);
    cSystemSettings settings;
    ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
    EXPECT_EQ(settings.m_nBitmapFormat, format);
    EXPECT_EQ(settings.m_bColorAnime256, format == 0 ? 1 : 0);
  }
}

TEST_F(SystemSettingsFile, ShortListsGrowFromTheDefaultsAndLongOnesStay) {
  cSystemSettings defaults;
  Bytes lists = Cat({ByteList({0, 0, 0}), ByteList({}), U32(1), StatusItemBody(771, 0), Repeat(I32s({3}), 2),
                     Repeat(I32s({0}), 4), U32(2), Body({0}, {}), ByteList({0, 0}), Body({0}, {}), ByteList({}),
                     Repeat(StoredString("t"), 31), Repeat(StoredString(""), 3), Repeat(I32s({0}), 1), ByteList({0}),
                     Repeat(Body({0}, {"m"}), 2), Repeat(Body({1}, {"m"}), 0), Repeat(Body({1}, {"m"}), 6),
                     Repeat(StoredString("k"), 1), Repeat(Body({0, 1}, {"key", ""}), 3)});
  WriteFileBytes(kSystemPath, FileWithLists(771, lists));
  cSystemSettings settings;
  ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
  EXPECT_EQ(settings.m_vbStockTarget.size(), 25u);
  EXPECT_EQ(settings.m_vbStockTarget[0], 0) << "read entries stay";
  EXPECT_EQ(settings.m_vbStockTarget[13], 1) << "missing entries come from the defaults";
  EXPECT_EQ(settings.m_vbStockReset[11], 1);
  ASSERT_EQ(settings.m_vStatusItem.size(), 5u);
  EXPECT_EQ(settings.m_vStatusItem[0].m_bShow, 0);
  EXPECT_EQ(settings.m_vStatusItem[4].m_strLabel, "人");
  EXPECT_EQ(std::vector<int>(settings.m_vnInitialLives.begin(), settings.m_vnInitialLives.end()),
            (std::vector<int>{3, 3, 5, 99}));
  ASSERT_EQ(settings.m_vRanking.size(), 4u);
  EXPECT_EQ(std::vector<int>(settings.m_vRanking[0].m_vbItem.begin(), settings.m_vRanking[0].m_vbItem.end()),
            (std::vector<int>{0, 0, 1, 1, 1}));
  EXPECT_EQ(settings.m_vRanking[2].m_bRanking, 1);
  EXPECT_EQ(settings.m_vTerm.size(), 31u) << "a longer list is kept as read";
  EXPECT_EQ(settings.m_vSoundFile.size(), 17u);
  EXPECT_EQ(settings.m_vnBgm.size(), 4u);
  EXPECT_EQ(settings.m_vbBgmLoop[3], 1);
  EXPECT_EQ(settings.m_vTitleMenu[6].m_strText, "しゅうりょう");
  EXPECT_EQ(settings.m_vTitleMenu[1].m_bEnable, 0);
  EXPECT_EQ(settings.m_vWorldMenu.size(), 4u);
  EXPECT_EQ(settings.m_vRankingKindName[3], defaults.m_vRankingKindName[3]);
  EXPECT_EQ(settings.m_vIniEntry[9].m_strKey, "English");
}

TEST_F(SystemSettingsFile, BgmSlotsStayInsideTheTable) {
  g_DatabaseSet.m_vBgm.Reset(5);
  cSystemSettings settings;
  settings.m_vnBgm = {4, 5, -1, 1};
  ASSERT_EQ(settings.SaveFile(kSystemPath), 1);
  EXPECT_EQ(std::vector<int>(settings.m_vnBgm.begin(), settings.m_vnBgm.end()), (std::vector<int>{4, 0, 0, 1}));
  g_DatabaseSet.m_vBgm.Reset(2);
  ASSERT_EQ(settings.LoadFile(kSystemPath), 1);
  EXPECT_EQ(std::vector<int>(settings.m_vnBgm.begin(), settings.m_vnBgm.end()), (std::vector<int>{0, 0, 0, 1}));
}



TEST(SystemSettings, NewSubRecordsStartAtZero) {
  cStatusItem item;
  cIniEntry entry;
  cRankingSetting ranking;
  cMenuEntry menu;
  EXPECT_EQ(item.m_bShow | item.m_bSymbol | item.m_nDigits | item.m_bShowValue | item.m_nBarThreshold | item.m_nBarUnit,
            0);
  EXPECT_EQ(entry.m_nType | entry.m_nValue, 0);
  EXPECT_EQ(ranking.m_bRanking, 0);
  EXPECT_EQ(std::vector<int>(ranking.m_vbItem.begin(), ranking.m_vbItem.end()), std::vector<int>(5, 0));
  EXPECT_EQ(menu.m_bEnable, 1);
}

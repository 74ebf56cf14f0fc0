#include <array>
#include <vector>

#include "database/cAnimeData.h"
#include "tests/database/RecordFixture.h"

namespace {

// A motion as the anime set files hold it: graphic 1 of the character sheet, no frames.
Bytes Motion(const char* name) {
  return Cat({Hex("03000000 0100 01 0000 01000000"), StoredString(name), Hex("00000000")});
}

using AnimeSetTest = RecordTest;
using AnimeTest = RecordTest;

}  // namespace

TEST_F(AnimeTest, FrameBodyIsThreeInts) {
  Bytes body = Hex("03000000 07000000 0F270000 01000000 00000000");
  cAnimeFrameData frame = LoadBody<cAnimeFrameData>(kDataVersion, body);
  EXPECT_EQ(frame.m_nCell, 7);
  EXPECT_EQ(frame.m_nTime, 9999);
  EXPECT_EQ(frame.m_bRunCommand, 1);
  EXPECT_EQ(ToHex(SavedBytes(frame)), ToHex(body));
}

TEST_F(AnimeTest, BodiesOfEveryVersion) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    const char* m_pName;
    int16_t m_nGraphic;
    uint8_t m_cSheet;
    int16_t m_nStart;
    std::vector<std::array<int32_t, 3>> m_vFrames;
    Bytes m_Saved;  // empty: the body itself
  };
  Bytes frame351 = Hex("03000000 03000000 05000000 01000000 00000000");
  std::vector<cRow> rows = {
      // Before 55 an anime has no graphic fields: they keep their defaults.
      {54, Cat({Hex("00000000 01000000"), StoredString("歩き"), Hex("01000000"), frame351}), "歩き", 0, 1, 0,
       {{3, 5, 1}}, Cat({Hex("03000000 0000 01 0000 01000000"), StoredString("歩き"), Hex("01000000"), frame351})},
      {55, Hex("03000000 7700 04 EF00 01000000 01000000 00000000"), "", 119, 4, 239, {}, {}},
      {kDataVersion,
       Cat({Hex("03000000 0500 00 0200 01000000"), StoredString("アクションA"), Hex("02000000"),
            Hex("03000000 00000000 01000000 00000000 00000000"), frame351}),
       "アクションA", 5, 0, 2, {{0, 1, 0}, {3, 5, 1}}, {}},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cAnimeData anime = LoadBody<cAnimeData>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(anime.m_strName, row.m_pName);
    EXPECT_EQ(anime.m_nGraphic, row.m_nGraphic);
    EXPECT_EQ(anime.m_cGraphicSheet, row.m_cSheet);
    EXPECT_EQ(anime.m_nStartCell, row.m_nStart);
    ASSERT_EQ(anime.m_vFrame.size(), row.m_vFrames.size());
    for (size_t i = 0; i < row.m_vFrames.size(); ++i) {
      EXPECT_EQ(anime.m_vFrame[i].m_nCell, row.m_vFrames[i][0]);
      EXPECT_EQ(anime.m_vFrame[i].m_nTime, row.m_vFrames[i][1]);
      EXPECT_EQ(anime.m_vFrame[i].m_bRunCommand, row.m_vFrames[i][2]);
    }
    EXPECT_EQ(ToHex(SavedBytes(anime)), ToHex(row.m_Saved.empty() ? row.m_Body : row.m_Saved));
  }
}

TEST_F(AnimeTest, DefaultAnimeHasOneFrameOfTheCharacterSheet) {
  cAnimeData anime;
  EXPECT_EQ(ToHex(SavedBytes(anime)),
            "03 00 00 00 00 00 01 00 00 01 00 00 00 01 00 00 00 "
            "01 00 00 00 03 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00");

  anime.m_strName = "x";
  anime.m_nGraphic = 9;
  anime.m_vFrame.resize(3);
  anime.SetDefaults();
  EXPECT_TRUE(anime.m_strName.empty());
  EXPECT_EQ(anime.m_nGraphic, 0);
  EXPECT_EQ(anime.m_cGraphicSheet, 1);
  ASSERT_EQ(anime.m_vFrame.size(), 1u);
  EXPECT_EQ(anime.m_vFrame[0].m_nTime, 1);
}

TEST_F(AnimeSetTest, BodiesOfEveryVersionHoldFourMotions) {
  struct cRow {
    uint32_t m_nVersion;
    Bytes m_Body;
    std::array<int32_t, 3> m_anShifts;
    std::array<const char*, 4> m_apNames;
    std::array<int16_t, 4> m_anGraphics;  // 0 for a motion that the load appended
    bool m_bSavedAsRead;
  };
  Bytes two = Cat({U32(2), Motion("a"), Motion("b")});
  Bytes four = Cat({U32(4), Motion("a"), Motion("b"), Motion("c"), Motion("d")});
  Bytes five = Cat({U32(5), Motion("a"), Motion("b"), Motion("c"), Motion("d"), Motion("e")});
  Bytes shifts2 = Hex("02000000 05000000 06000000");
  Bytes shifts3 = Hex("03000000 05000000 06000000 07000000");
  Bytes name = Cat({U32(1), StoredString("剣士")});
  std::vector<cRow> rows = {
      // Before 119 there is no flying shift; before 128 the set is fitted to four motions and the
      // flying ones are renamed.
      {118, Cat({shifts2, name, two}), {5, 6, 0}, {"a", "b", "飛行", "飛行移動"}, {1, 1, 0, 0}, false},
      {119, Cat({shifts3, name, two}), {5, 6, 7}, {"a", "b", "飛行", "飛行移動"}, {1, 1, 0, 0}, false},
      {127, Cat({shifts3, name, five}), {5, 6, 7}, {"a", "b", "飛行", "飛行移動"}, {1, 1, 1, 1}, false},
      {128, Cat({shifts3, name, four}), {5, 6, 7}, {"a", "b", "c", "d"}, {1, 1, 1, 1}, true},
      // From 128 on the stored names stay; a set that holds more or fewer still gets four.
      {130, Cat({shifts3, name, two}), {5, 6, 7}, {"a", "b", "飛行", "飛行移動"}, {1, 1, 0, 0}, false},
      {kDataVersion, Cat({shifts3, name, five}), {5, 6, 7}, {"a", "b", "c", "d"}, {1, 1, 1, 1}, false},
      {kDataVersion, Cat({shifts3, name, Cat({U32(0)})}), {5, 6, 7}, {"立ち", "立ち移動", "飛行", "飛行移動"}, {0, 0, 0, 0},
       false},
      {kDataVersion, Cat({shifts3, name, four}), {5, 6, 7}, {"a", "b", "c", "d"}, {1, 1, 1, 1}, true},
  };
  for (const cRow& row : rows) {
    SCOPED_TRACE(row.m_nVersion);
    cAnimeSetData set = LoadBody<cAnimeSetData>(row.m_nVersion, row.m_Body);
    EXPECT_EQ(set.m_strName, "剣士");
    EXPECT_EQ(set.m_nShiftInvincible, row.m_anShifts[0]);
    EXPECT_EQ(set.m_nShiftBlock, row.m_anShifts[1]);
    EXPECT_EQ(set.m_nShiftFly, row.m_anShifts[2]);
    ASSERT_EQ(set.m_vMotion.size(), 4u);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(set.m_vMotion[i].m_strName, row.m_apNames[i]) << i;
      EXPECT_EQ(set.m_vMotion[i].m_nGraphic, row.m_anGraphics[i]) << i;
    }
    if (row.m_bSavedAsRead) {
      EXPECT_EQ(ToHex(SavedBytes(set)), ToHex(row.m_Body));
    }
    ExpectStableSave(set);
  }
}

TEST_F(AnimeSetTest, DefaultsAndResetKeepMotionContent) {
  cAnimeSetData set;
  EXPECT_EQ(set.m_nShiftInvincible, 4);
  EXPECT_EQ(set.m_nShiftBlock, 8);
  EXPECT_EQ(set.m_nShiftFly, 0);
  ASSERT_EQ(set.m_vMotion.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(set.m_vMotion[i].m_strName, kMotionNames[i]);
    EXPECT_EQ(set.m_vMotion[i].m_vFrame.size(), 1u);
  }

  set.m_strName = "剣士";
  set.m_nShiftInvincible = set.m_nShiftBlock = set.m_nShiftFly = 99;
  set.m_vMotion[2].m_strName = "x";
  set.m_vMotion[2].m_nGraphic = 12;
  set.m_vMotion[2].m_vFrame.resize(5);
  set.m_vMotion.resize(6);
  set.SetDefaults();
  EXPECT_TRUE(set.m_strName.empty());
  EXPECT_EQ(set.m_nShiftInvincible, 4);
  EXPECT_EQ(set.m_nShiftBlock, 8);
  EXPECT_EQ(set.m_nShiftFly, 0);
  ASSERT_EQ(set.m_vMotion.size(), 4u);
  EXPECT_EQ(set.m_vMotion[2].m_strName, "飛行");
  EXPECT_EQ(set.m_vMotion[2].m_nGraphic, 12);
  EXPECT_EQ(set.m_vMotion[2].m_vFrame.size(), 5u);
}

TEST_F(AnimeSetTest, CopyIsDeep) {
  cAnimeSetData source;
  source.m_strName = "剣士";
  source.m_vMotion[1].m_vFrame.resize(3);
  source.m_vMotion[1].m_vFrame[2].m_nCell = 17;
  Bytes before = SavedBytes(source);

  cAnimeSetData copy(source);
  cAnimeSetData assigned;
  assigned = source;
  for (cAnimeSetData* target : {&copy, &assigned}) {
    EXPECT_EQ(ToHex(SavedBytes(*target)), ToHex(before));
    EXPECT_TRUE(cDataRecord::Equal(*target, source));
    target->m_vMotion[1].m_vFrame[2].m_nCell = 1;
    target->m_vMotion[3].m_strName = "y";
    target->m_strName = "z";
    EXPECT_FALSE(cDataRecord::Equal(*target, source));
  }
  EXPECT_EQ(ToHex(SavedBytes(source)), ToHex(before));
}

// References into the database tables, repaired whenever a record loads or saves.
#include "database/cDatabaseSet.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "tests/model/ModelTest.h"

namespace {

// Every table with the given number of entries for one test; the set is restored after it.
class cDatabaseScope {
public:
  explicit cDatabaseScope(int count) {
    cDatabaseSet& db = g_DatabaseSet;
    db.m_vAnimeSet.Reset(count);
    db.m_vAnime.Reset(count);
    db.m_vCharaExc.Reset(count);
    db.m_vSwordType.Reset(count);
    db.m_vEffect.Reset(count);
    db.m_vCharaEffect.Reset(count);
    db.m_vScrEffect.Reset(count);
    db.m_vPicture.Reset(count);
    db.m_vSound.Reset(count);
    db.m_vBgm.Reset(count);
  }
  ~cDatabaseScope() { g_DatabaseSet = m_Saved; }

private:
  cDatabaseSet m_Saved = g_DatabaseSet;
};

cCommandData Validated(int set, int kind, const cVector<int32_t>& params) {
  cCommandData command;
  command.m_cSet = static_cast<int8_t>(set);
  command.m_cKind = static_cast<int8_t>(kind);
  command.m_vParam = params;
  command.Validate();
  return command;
}

void SetSwordTimes(int type, const std::vector<int32_t>& times) {
  cVector<cSwordPosData>& positions = g_DatabaseSet.m_vSwordType[type].m_vPos;
  positions.Reset(static_cast<int>(times.size()));
  for (size_t i = 0; i < times.size(); ++i) positions[i].m_nTime = times[i];
}

}  // namespace

TEST(DatabaseRefs, CommandSoundAnimeAndFirstParameter) {
  cDatabaseScope db(3);
  cCommandData command;
  command.m_nSound = -1;
  command.m_nAnime = 3;
  cCommandData saved;
  ASSERT_TRUE(LoadBytes(saved, kDataVersion, SavedBytes(command)));
  EXPECT_EQ(saved.m_nSound, 0);
  EXPECT_EQ(saved.m_nAnime, 0);
  command.m_nSound = command.m_nAnime = 2;
  command.Validate();
  EXPECT_EQ(command.m_nSound, 2);
  EXPECT_EQ(command.m_nAnime, 2);

  struct Row {
    int m_nSet, m_nKind, m_nFallback;
  } rows[] = {{0, kCmdAnimeSet, 0}, {1, 12, 0},         {0, kCmdAnime, 1}, {1, 13, 1},  {0, kCmdEffect, 1},
              {1, 14, 1},         {0, kCmdCharaEffect, 1}, {1, 15, 1},     {0, kCmdScrEffect, 1}, {1, 16, 1},
              {0, kCmdPicture, 1}, {1, 17, 1},         {0, kCmdSound, 1}, {1, 20, 1}, {0, kCmdBgm, 1},
              {1, 21, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.m_nSet << "/" << row.m_nKind);
    EXPECT_EQ(Validated(row.m_nSet, row.m_nKind, {3}).m_vParam[0], row.m_nFallback);
    EXPECT_EQ(Validated(row.m_nSet, row.m_nKind, {-1}).m_vParam[0], row.m_nFallback);
    EXPECT_EQ(Validated(row.m_nSet, row.m_nKind, {2}).m_vParam[0], 2);
  }
  // Other kinds leave their first parameter alone, and are sized by their set.
  EXPECT_EQ(Validated(0, kCmdScreenColour, {99}).m_vParam[0], 99);
  EXPECT_EQ(Validated(0, kCmdWait, {1, 2}).m_vParam.size(), 0u);
  EXPECT_EQ(Validated(0, kCmdMessage, {4, 5, 6}).m_vParam, cVector<int32_t>({4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Validated(0, kCmdLoop, {1, 2, 3, 4, 5}).m_vParam, cVector<int32_t>({1, 2}));
}

TEST(DatabaseRefs, SwordTypeAndTime) {
  cDatabaseScope db(2);
  SetSwordTimes(0, {1});
  SetSwordTimes(1, {5, 7});
  cCommandData sword;
  sword.m_cKind = kCmdSword;
  sword.m_pShot.Create();
  sword.m_pShot->m_cMoveType = 1;
  sword.Validate();
  EXPECT_EQ(sword.m_nTime, 12);

  SetSwordTimes(1, {5000, 5000, 3});
  sword.Validate();
  EXPECT_EQ(sword.m_nTime, 9999);

  sword.m_pShot->m_cMoveType = 2;  // outside: the first sword type
  sword.Validate();
  EXPECT_EQ(sword.m_pShot->m_cMoveType, 0);
  EXPECT_EQ(sword.m_nTime, 1);

  // Without any sword type the time stays as it is.
  g_DatabaseSet.m_vSwordType.clear();
  sword.m_pShot->m_cMoveType = 1;
  sword.m_nTime = 40;
  sword.Validate();
  EXPECT_EQ(sword.m_pShot->m_cMoveType, 0);
  EXPECT_EQ(sword.m_nTime, 40);

  // A sword command of a file without its shot block gets one and is timed.
  cDatabaseScope again(1);
  SetSwordTimes(0, {3, 4});
  cCommandData loaded;
  ASSERT_TRUE(LoadBytes(loaded, kDataVersion,
                        Hex("08000000 00 0C 0000 0000 00 0000 01 0000 01000000 01000000 "
                            "00000000 00000000 00000000 00000000 00000000")));
  ASSERT_TRUE(loaded.m_pShot);
  EXPECT_EQ(loaded.m_nTime, 7);
}

TEST(DatabaseRefs, ShotBlock) {
  cDatabaseScope db(4);
  struct Row {
    int m_nGiant, m_nEffect, m_nExpectGiant, m_nExpectEffect;
  } rows[] = {{0, 4, 1, 0}, {-3, -1, 1, 0}, {10, 3, 10, 3}, {1, 0, 1, 0}};
  for (const Row& row : rows) {
    cEdShot shot;
    shot.m_cGiant = static_cast<int8_t>(row.m_nGiant);
    shot.m_nEffect = static_cast<int16_t>(row.m_nEffect);
    cEdShot saved;
    ASSERT_TRUE(LoadBytes(saved, kDataVersion, SavedBytes(shot)));
    EXPECT_EQ(saved.m_cGiant, row.m_nExpectGiant);
    EXPECT_EQ(saved.m_nEffect, row.m_nExpectEffect);
  }
}

TEST(DatabaseRefs, CharacterAndItem) {
  cDatabaseScope db(3);
  cEdChara chara;
  chara.m_nGraphic = 3;
  chara.m_cGraphicSheet = 4;
  chara.m_nAnimeSet = 3;
  chara.m_nStartEffect = -1;
  chara.m_nDeathEffect = 2;
  chara.m_nBodyEffect = 5;
  chara.Validate();
  EXPECT_EQ(chara.m_nGraphic, 1);  // the first dedicated bitmap, not the empty character
  EXPECT_EQ(chara.m_nAnimeSet, 0);
  EXPECT_EQ(chara.m_nStartEffect, 0);
  EXPECT_EQ(chara.m_nDeathEffect, 2);
  EXPECT_EQ(chara.m_nBodyEffect, 0);
  chara.m_cGraphicSheet = 1;
  chara.m_nGraphic = 30;
  chara.Validate();
  EXPECT_EQ(chara.m_nGraphic, 30);

  cEdItem item;
  item.m_nSound = 3;
  cEdItem saved;
  ASSERT_TRUE(LoadBytes(saved, kDataVersion, SavedBytes(item)));
  EXPECT_EQ(saved.m_nSound, 0);
  item.m_nSound = 2;
  item.ValidateRefs();
  EXPECT_EQ(item.m_nSound, 2);
}

TEST(ShotParamTables, LabelFormationsAndMovementTypes) {
  EXPECT_EQ(FormationParamTable[3 * 2].m_strLabel, "角度");
  EXPECT_EQ(FormationParamTable[3 * 2].m_nDefault, 30);
  EXPECT_EQ(FormationParamTable[3 * 3 + 1].m_strLabel, "列の数");
  EXPECT_EQ(FormationParamTable[3 * 3 + 1].m_nMin, 1);
  EXPECT_TRUE(FormationParamTable[3 * 4].m_strLabel.empty());
  EXPECT_EQ(FormationParamTable[3 * 5].m_nDefault, 6);
  EXPECT_EQ(ShotMoveParamTable[3 * 5 + 2].m_strLabel, "対象勢力");
  EXPECT_EQ(ShotMoveParamTable[3 * 6 + 1].m_nMax, 999);
  EXPECT_EQ(ShotMoveParamTable[3 * 8 + 2].m_nMax, 359);
  EXPECT_TRUE(ShotMoveParamTable[3 * 9 + 1].m_strLabel.empty());
  EXPECT_EQ(ShotMoveParamTable[3 * 9 + 1].m_nMax, 0);
}

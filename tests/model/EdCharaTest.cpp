#include "model/cEdChara.h"

#include "tests/model/CharaFixture.h"
#include "tests/model/ModelTest.h"

TEST(EdChara, NewCharacterAndItsBody) {
  cEdChara chara;
  EXPECT_EQ(chara.m_cControl, 1);
  EXPECT_EQ(chara.m_cFaction, 1);
  EXPECT_EQ(chara.m_cZ, 3);
  EXPECT_EQ(chara.m_nHp, 10);
  EXPECT_EQ(chara.m_nStopEase, 10);
  EXPECT_EQ(chara.m_cGiant, 1);
  EXPECT_EQ(chara.m_bFixedFacing, 1);
  EXPECT_EQ(chara.m_bHoldItem, 1);
  EXPECT_EQ(chara.m_bStartEffectLoop, 1);
  EXPECT_EQ(chara.m_cGraphicSheet, 1);
  EXPECT_EQ(chara.m_bbInherit.size(), 37u);
  EXPECT_TRUE(chara.m_vFlow.empty());
  // 53 fields, 86 bytes of them.
  Bytes body = SavedBytes(chara);
  EXPECT_EQ(ToHex(body), ToHex(CharaBody({}, {}, CharaTail(Bytes(37, 0)))));
  EXPECT_EQ(body.size(), 4 + 82 + 4 + 4 + 8 + 4 + 37 + 8u);
}

TEST(EdChara, LoadsEveryVersionAndUpgrades) {
  using Row = cLoadRow<cEdChara>;
  Bytes numbered(36);
  for (int i = 0; i < 36; ++i) numbered[i] = static_cast<unsigned char>(i + 1);
  RunLoadRows<cEdChara>({
      // 168, 196, 201, 210, 285: new fields at their old meaning, three groups followed.
      Row{150, CharaBody(kBefore168, {{"ser", "02"}, {"def", "05000000"}}, CharaTail(Bytes(34, 0))),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_nDefence, 0);
            EXPECT_EQ(c.m_cStartEffectRun, 0);
            EXPECT_EQ(c.m_cDeathEffectRun, 0);
            EXPECT_EQ(c.m_cBodyHitRange, 0);
            EXPECT_EQ(c.m_bScrollSync, 0);
            EXPECT_EQ(c.m_cInvincibleEffect, 1);
            ASSERT_EQ(c.m_bbInherit.size(), 37u);
            for (int i = 0; i < 37; ++i) EXPECT_EQ(c.m_bbInherit[i], i == 21 || i == 25 || i == 29 ? 1 : 0) << i;
          }},
      Row{168, CharaBody(kBefore196, {{"def", "05000000"}}, CharaTail(Bytes(35, 0))),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_nDefence, 5);
            for (int i = 0; i < 37; ++i) EXPECT_EQ(c.m_bbInherit[i], i == 21 || i == 25 ? 1 : 0) << i;
          }},
      Row{196, CharaBody({"ie", "ss", "bhr"}, {{"ser", "02"}, {"der", "01"}}, CharaTail(Bytes(35, 0))),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_cStartEffectRun, 2);
            EXPECT_EQ(c.m_cDeathEffectRun, 1);
          }},
      // 206: a body hit range inserted at 2.
      Row{203, CharaBody(kBefore210, {{"bhr", "02"}}, CharaTail(Bytes(36, 0))),
          [](const cEdChara& c) { EXPECT_EQ(c.m_cBodyHitRange, 3); }},
      Row{203, CharaBody(kBefore210, {{"bhr", "01"}}, CharaTail(Bytes(36, 0))),
          [](const cEdChara& c) { EXPECT_EQ(c.m_cBodyHitRange, 1); }},
      Row{206, CharaBody(kBefore210, {{"bhr", "02"}}, CharaTail(Bytes(36, 0))),
          [](const cEdChara& c) { EXPECT_EQ(c.m_cBodyHitRange, 2); }},
      // 210 alone: old flags 21 to 35 move up one.
      Row{205, CharaBody(kBefore210, {}, CharaTail(numbered)),
          [](const cEdChara& c) {
            ASSERT_EQ(c.m_bbInherit.size(), 37u);
            for (int i = 0; i < 21; ++i) EXPECT_EQ(c.m_bbInherit[i], i + 1) << i;
            EXPECT_EQ(c.m_bbInherit[21], 1);
            for (int i = 22; i < 37; ++i) EXPECT_EQ(c.m_bbInherit[i], i) << i;
          }},
      // 219: the shot sheet.
      Row{218, CharaBody(kBefore285, {{"gs", "03"}, {"g", "0500"}}, CharaTail(Bytes(37, 0))),
          [](const cEdChara& c) { EXPECT_EQ(c.m_nGraphic, 6); }},
      Row{219, CharaBody(kBefore285, {{"gs", "03"}, {"g", "0500"}}, CharaTail(Bytes(37, 0))),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_nGraphic, 5);
            EXPECT_EQ(c.m_cInvincibleEffect, 1);
          }},
      Row{285, CharaBody({}, {{"ie", "00"}, {"ss", "01"}}, CharaTail(Bytes(37, 0))),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_cInvincibleEffect, 0);
            EXPECT_EQ(c.m_bScrollSync, 1);
          }},
      Row{771,
          CharaBody({}, {{"ox", "80FD"}, {"hp", "3F420F00"}, {"sc", "C1BDF0FF"}, {"gn", "3B00"}, {"acj", "02"}},
                    Cat({Hex("0100 0200 FFFFFFFF"), U32(37), Bytes(37, 1), U32(0), U32(0)}), "敵"),
          [](const cEdChara& c) {
            EXPECT_EQ(c.m_nOffsetX, -640);
            EXPECT_EQ(c.m_nHp, 999999);
            EXPECT_EQ(c.m_nScore, -999999);
            EXPECT_EQ(c.m_nGroupNo, 59);
            EXPECT_EQ(c.m_cActJudge, 2);
            EXPECT_EQ(c.m_strName, "敵");
            EXPECT_EQ(c.m_nCellX, 1);
            EXPECT_EQ(c.m_nCellY, 2);
            EXPECT_EQ(c.m_nHeldItem, -1);
            EXPECT_EQ(c.m_bbInherit[36], 1);
          }},
  });
}

TEST(EdChara, ValidateRepairsAndDropsEmptyFlows) {
  cVector<cEdChara> commonCharas(2);
  cPaletteScope common(kPaletteCommon, {nullptr, &commonCharas, nullptr});
  cEdChara chara;
  chara.m_nGraphic = 3;
  chara.m_cControl = 0;
  chara.m_cCloneCount = 5;
  chara.m_bBlock = 1;
  chara.m_cGiant = -3;
  chara.m_cInheritPalette = 1;
  chara.m_nInheritIndex = 2;
  chara.m_vFlow.resize(4);
  chara.m_vFlow[1].m_strMemo = "メモ";
  chara.m_vFlow[3].m_cTrigger = 1;
  cEdChara loaded;
  ASSERT_TRUE(LoadBytes(loaded, kDataVersion, SavedBytes(chara)));
  EXPECT_EQ(loaded.m_cCloneCount, 0);
  EXPECT_EQ(loaded.m_bBlock, 0);
  EXPECT_EQ(loaded.m_cGiant, 1);
  EXPECT_EQ(loaded.m_cInheritPalette, 0);
  EXPECT_EQ(loaded.m_nInheritIndex, 0);
  // Two adjacent empty flows go; the memo and the trigger keep theirs.
  ASSERT_EQ(loaded.m_vFlow.size(), 2u);
  EXPECT_EQ(loaded.m_vFlow[0].m_strMemo, "メモ");
  EXPECT_EQ(loaded.m_vFlow[1].m_cTrigger, 1);
  EXPECT_EQ(chara.m_vFlow.size(), 2u);

  chara.m_cInheritPalette = 1;
  chara.m_nInheritIndex = 1;
  chara.Validate();
  EXPECT_EQ(chara.m_cInheritPalette, 1);
}

TEST(EdChara, CopyEqualityAndRoundTrip) {
  cEdChara chara;
  chara.m_nGraphic = 12;
  chara.m_strName = "キャラ";
  chara.m_nHeldItem = 4;
  chara.m_bbInherit[36] = 1;
  chara.m_vAppearCond.resize(1);
  chara.m_vFlow.resize(1);
  chara.m_vFlow[0].m_cTrigger = 3;
  cCommandData move;
  move.m_cKind = kCmdStraightMove;
  move.m_pMove.Create();
  chara.m_vFlow[0].m_vCommand = {move};
  ExpectRoundTrip(chara);

  cEdChara copy = chara;
  EXPECT_EQ(copy.m_nHeldItem, 4);
  EXPECT_TRUE(copy == chara);
  copy.m_nCellX = 5;
  copy.m_nHeldItem = 0;
  EXPECT_TRUE(copy == chara);
  copy.m_vFlow[0].m_vCommand[0].m_pMove->m_nSpeed = 1;
  EXPECT_EQ(chara.m_vFlow[0].m_vCommand[0].m_pMove->m_nSpeed, 10);
  EXPECT_TRUE(copy != chara);

  cEdChara a, b;
  b.m_vFlow.resize(1);
  b.m_vFlow[0].m_cTrigger = 1;
  EXPECT_TRUE(a == b);  // both empty

  chara.SetDefaults();
  EXPECT_EQ(chara.m_nHeldItem, 0);
  EXPECT_EQ(chara.m_nGraphic, 0);
  EXPECT_EQ(chara.m_bbInherit[36], 0);
  EXPECT_EQ(chara.m_vFlow.size(), 1u);
}

TEST(EdChara, DamagedBodiesFail) {
  ExpectPrefixesFail<cEdChara>(CharaBody({}, {}, CharaTail(Bytes(37, 0)), "x"));
  cEdChara chara;
  EXPECT_FALSE(LoadBytes(chara, kDataVersion, CharaBody({}, {}, Hex("0000 0000 00000000 00000000 00000000 FFFFFFFF"))));
}

TEST(EdChara, OptionTables) {
  EXPECT_EQ(GiantNames[9], "×100");
  EXPECT_EQ(GiantSizeNames[0], "×4");
  EXPECT_EQ(FlyingNames[3], "ON (ブロックに当たると即死)");
  EXPECT_EQ(BodyHitRangeNames[3], "32×32");
  EXPECT_TRUE(ActJudgeNames[3].empty());
}

TEST(EdChara, EveryVersionGateOnBothSides) {
  const struct {
    uint32_t m_nFrom;
    const char* m_pField;
    const char* m_pValue;
    int (*m_pfnGet)(const cEdChara&);
    int m_nValue, m_nOld;
  } gates[] = {
      {168, "def", "05000000", [](const cEdChara& c) { return static_cast<int>(c.m_nDefence); }, 5, 0},
      {196, "ser", "02", [](const cEdChara& c) { return static_cast<int>(c.m_cStartEffectRun); }, 2, 0},
      {201, "bhr", "01", [](const cEdChara& c) { return static_cast<int>(c.m_cBodyHitRange); }, 1, 0},
      {210, "ss", "01", [](const cEdChara& c) { return static_cast<int>(c.m_bScrollSync); }, 1, 0},
      {285, "ie", "00", [](const cEdChara& c) { return static_cast<int>(c.m_cInvincibleEffect); }, 0, 1},
  };
  for (const auto& gate : gates) {
    for (uint32_t version : {gate.m_nFrom - 1, gate.m_nFrom}) {
      SCOPED_TRACE(testing::Message() << gate.m_pField << " at version " << version);
      cEdChara chara;
      ASSERT_TRUE(LoadBytes(chara, version,
                            CharaBody(CharaFieldsAbsentAt(version), {{gate.m_pField, gate.m_pValue}, {"acj", "02"}},
                                      CharaTail(Bytes(CharaFlagCountAt(version), 0)))));
      EXPECT_EQ(gate.m_pfnGet(chara), version >= gate.m_nFrom ? gate.m_nValue : gate.m_nOld);
      EXPECT_EQ(chara.m_cActJudge, 2) << "the last field is read from its own place";
    }
  }
}

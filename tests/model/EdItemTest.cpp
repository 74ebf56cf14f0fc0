#include "model/cEdItem.h"

#include "tests/model/ModelTest.h"

namespace {

// The 17 fields as their 28 bytes, the name, then cell, flags, conditions and effects.
Bytes ItemBody(const char* fields, const std::string& name, const Bytes& tail) {
  return Cat({U32(17), Hex(fields), U32(1), StoredString(name), tail});
}
Bytes Tail(const char* effects = "00000000") {
  return Cat({Hex("0000 0000"), U32(13), Bytes(13, 0), U32(0), Hex(effects)});
}

//                     ip ii   aj ao ox   oy   gr   gs gf   z  tr ms mk   sh tm gi so
const char* kNewItem = "00 0000 00 00 0000 0000 0000 02 0000 06 00 00 0000 01 00 01 0000";

}  // namespace

TEST(EdItem, NewItemAndItsBody) {
  cEdItem item;
  EXPECT_EQ(item.m_cGraphicSheet, 2);
  EXPECT_EQ(item.m_cZ, 6);
  EXPECT_EQ(item.m_bShowOnTake, 1);
  EXPECT_EQ(item.m_cGiant, 1);
  EXPECT_EQ(item.m_bbInherit.size(), 13u);
  EXPECT_TRUE(item.m_vEffect.empty());
  Bytes body = SavedBytes(item);
  EXPECT_EQ(ToHex(body), ToHex(ItemBody(kNewItem, "", Tail())));
  // The show-above-head flag is stored before the take mode.
  item.m_cTakeMode = 2;
  body = SavedBytes(item);
  EXPECT_EQ(body[23], 1);
  EXPECT_EQ(body[24], 2);
}

TEST(EdItem, LoadsAndUpgradesTheShotSheet) {
  using Row = cLoadRow<cEdItem>;
  RunLoadRows<cEdItem>({
      Row{200, ItemBody("00 0000 00 00 0000 0000 2800 03 0000 06 00 00 0000 01 00 01 0000", "", Tail()),
          [](const cEdItem& i) { EXPECT_EQ(i.m_nGraphic, 41); }},
      Row{219, ItemBody("00 0000 00 00 0000 0000 2800 03 0000 06 00 00 0000 01 00 01 0000", "", Tail()),
          [](const cEdItem& i) { EXPECT_EQ(i.m_nGraphic, 40); }},
      // Effect commands load with their own upgrades: item kind 9 of 733 becomes 10.
      Row{733,
          ItemBody("00 0000 01 01 80FD 8002 0100 00 0300 07 01 02 0500 00 02 0A 0000", "薬",
                   Tail("01000000 08000000 01 09 0000 0000 00 0000 01 0000 01000000 01000000 00000000 00000000 "
                        "00000000 02000000 01000000 02000000")),
          [](const cEdItem& i) {
            EXPECT_EQ(i.m_cAppearJudge, 1);
            EXPECT_EQ(i.m_bAppearOnce, 1);
            EXPECT_EQ(i.m_nOffsetX, -640);
            EXPECT_EQ(i.m_nOffsetY, 640);
            EXPECT_EQ(i.m_nGraphicFrame, 3);
            EXPECT_EQ(i.m_cZ, 7);
            EXPECT_EQ(i.m_bTransparent, 1);
            EXPECT_EQ(i.m_cMarkShow, 2);
            EXPECT_EQ(i.m_nMark, 5);
            EXPECT_EQ(i.m_bShowOnTake, 0);
            EXPECT_EQ(i.m_cTakeMode, 2);
            EXPECT_EQ(i.m_cGiant, 10);
            EXPECT_EQ(i.m_strName, "薬");
            ASSERT_EQ(i.m_vEffect.size(), 1u);
            EXPECT_EQ(i.m_vEffect[0].m_cKind, 10);
          }},
  });
}

TEST(EdItem, CopyEqualityValidationAndRoundTrip) {
  cEdItem item;
  item.m_nGraphic = 4;
  item.m_cGiant = 0;
  cCommandData effect;
  effect.m_cSet = 1;
  effect.m_cKind = kItemCmdFlowChange;
  effect.m_vFlow.resize(1);
  effect.m_vFlow[0].m_cTrigger = 2;
  item.m_vEffect = {effect};
  ExpectRoundTrip(item);
  EXPECT_EQ(item.m_cGiant, 1);
  EXPECT_EQ(item.m_vEffect[0].m_vParam.size(), 2u);

  cEdItem copy = item;
  EXPECT_TRUE(copy == item);
  copy.m_vEffect[0].m_vFlow[0].m_cTrigger = 3;
  EXPECT_TRUE(copy != item);
  copy.m_nGraphic = item.m_nGraphic = 0;
  EXPECT_TRUE(copy == item);

  item.SetDefaults();
  EXPECT_EQ(item.m_cZ, 6);
  EXPECT_EQ(item.m_vEffect.size(), 1u);
  ExpectPrefixesFail<cEdItem>(ItemBody(kNewItem, "x", Tail()));
}

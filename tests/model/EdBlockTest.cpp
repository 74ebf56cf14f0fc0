#include "model/cEdBlock.h"

#include "model/cPaletteLists.h"
#include "tests/model/ModelTest.h"

namespace {

// The 18 fields as their 30 bytes, the name, then cell, flags and conditions.
Bytes BlockBody(const char* fields, const std::string& name, const char* tail) {
  return Cat({U32(18), Hex(fields), U32(1), StoredString(name), Hex(tail)});
}

//                   ip ii   aj ao gr   gs gf   fr tr ms mk   bt df ac ax       ip ii   nbs
const char* kEmpty = "00 0000 00 00 0000 00 0000 00 00 00 0000 00 FF 00 00000000 00 0000 00";
const char* kTail = "0000 0000 0B000000 0000000000000000000000 00000000";

}  // namespace

TEST(EdBlock, NewBlockAndItsBody) {
  cEdBlock block;
  EXPECT_EQ(block.m_cBlockType, 1);
  EXPECT_EQ(block.m_cDisabledFaction, -1);
  EXPECT_EQ(block.m_bbInherit.size(), 11u);
  for (int8_t flag : block.m_bbInherit) EXPECT_EQ(flag, 0);
  EXPECT_EQ(block.m_nGraphic, 0);
  EXPECT_TRUE(block.m_strName.empty());
  EXPECT_TRUE(block.m_vAppearCond.empty());
  // An empty block is saved with block type 0; an empty name is the length 1 alone, and the cell
  // position follows it directly.
  block.m_nCellX = 2;
  block.m_nCellY = 0x0102;
  EXPECT_EQ(ToHex(SavedBytes(block)),
            ToHex(BlockBody(kEmpty, "", "0200 0201 0B000000 0000000000000000000000 00000000")));
  EXPECT_EQ(block.m_cBlockType, 0);
}

TEST(EdBlock, LoadsAndUpgradesTheShotSheet) {
  using Row = cLoadRow<cEdBlock>;
  //                                 ip ii   aj ao gr   gs gf   fr tr ms mk   bt df ac ax       ip ii   nbs
  const char* kShot119 = "00 0000 00 00 7700 03 0000 00 00 00 0000 01 FF 00 00000000 00 0000 00";
  const char* kShot5 = "00 0000 00 00 0500 03 0000 00 00 00 0000 01 FF 00 00000000 00 0000 00";
  const char* kFull = "02 0500 01 01 0500 01 0200 01 01 02 7700 02 07 05 19FCFFFF 01 0300 01";
  RunLoadRows<cEdBlock>({
      Row{218, BlockBody(kShot119, "", "0000 0000 00000000 00000000"),
          [](const cEdBlock& b) {
            EXPECT_EQ(b.m_nGraphic, 119);
            EXPECT_TRUE(b.m_bbInherit.empty());
          }},
      Row{218, BlockBody(kShot5, "", "0000 0000 00000000 00000000"),
          [](const cEdBlock& b) { EXPECT_EQ(b.m_nGraphic, 6); }},
      Row{219, BlockBody(kShot5, "", "0000 0000 00000000 00000000"),
          [](const cEdBlock& b) { EXPECT_EQ(b.m_nGraphic, 5); }},
      Row{771, BlockBody(kFull, "岩", "0300 0400 02000000 0100 01000000 11000000 01 00000000 00000000 00000000 00 00 00 00 0000 00 00 00 00 0000 00 00 00 00000000"),
          [](const cEdBlock& b) {
            // No stage palette here: resolving drops the palette kind and keeps the index.
            EXPECT_EQ(b.m_cInheritPalette, 0);
            EXPECT_EQ(b.m_nInheritIndex, 5);
            EXPECT_EQ(b.m_strName, "岩");
            EXPECT_EQ(b.m_cAppearJudge, 1);
            EXPECT_EQ(b.m_bAppearOnce, 1);
            EXPECT_EQ(b.m_nGraphic, 5);
            EXPECT_EQ(b.m_cGraphicSheet, 1);
            EXPECT_EQ(b.m_nGraphicFrame, 2);
            EXPECT_EQ(b.m_bFront, 1);
            EXPECT_EQ(b.m_bTransparent, 1);
            EXPECT_EQ(b.m_cMarkShow, 2);
            EXPECT_EQ(b.m_nMark, 119);
            EXPECT_EQ(b.m_cBlockType, 2);
            EXPECT_EQ(b.m_cDisabledFaction, 7);
            EXPECT_EQ(b.m_cAction, 5);
            EXPECT_EQ(b.m_nActionX, -999);
            EXPECT_EQ(b.m_cItemPalette, 1);
            EXPECT_EQ(b.m_nItemIndex, 3);
            EXPECT_EQ(b.m_bNoBlockSummon, 1);
            EXPECT_EQ(b.m_nCellX, 3);
            EXPECT_EQ(b.m_nCellY, 4);
            EXPECT_EQ(b.m_bbInherit.size(), 2u);
            EXPECT_EQ(b.m_bbInherit[0], 1);
            EXPECT_EQ(b.m_bbInherit[1], 0);
            ASSERT_EQ(b.m_vAppearCond.size(), 1u);
            EXPECT_EQ(b.m_vAppearCond[0].m_cKind, 1);
          }},
  });
}

TEST(EdBlock, RoundTripsEvenWithSurplusFlags) {
  cEdBlock block;
  block.m_nGraphic = 7;
  block.m_strName = "ブロック";
  block.m_nActionX = -5;
  block.m_bbInherit[10] = 1;
  block.m_vAppearCond.resize(2);
  block.m_vAppearCond[1].m_nValue = 3;
  ExpectRoundTrip(block);

  // A damaged file may hold more flags than groups: they are kept as read.
  block.m_bbInherit.resize(40);
  block.m_bbInherit[39] = 1;
  ExpectRoundTrip(block);
  cEdBlock copy = block;
  EXPECT_EQ(copy.m_bbInherit.size(), 40u);
  copy.m_bbInherit.resize(11);
  EXPECT_TRUE(copy != block);
  EXPECT_EQ(block.m_bbInherit[39], 1);
}

TEST(EdBlock, ValidateDropsSourcesOutsideThePalette) {
  cVector<cEdBlock> stageBlocks(3);
  cPaletteScope stage(kPaletteStage, {&stageBlocks, nullptr, nullptr});
  cPaletteScope common(kPaletteCommon);
  struct Case {
    int8_t m_cPalette;
    int16_t m_nIndex;
    int8_t m_cExpectPalette;
    int16_t m_nExpectIndex;
  } cases[] = {{2, 2, 2, 2}, {2, 3, 0, 0}, {2, -1, 0, 0}, {1, 1, 0, 0}, {5, 9, 5, 9}, {0, 4, 0, 4}};
  for (const Case& c : cases) {
    cEdBlock block;
    block.m_cInheritPalette = c.m_cPalette;
    block.m_nInheritIndex = c.m_nIndex;
    block.Validate();
    EXPECT_EQ(block.m_cInheritPalette, c.m_cExpectPalette) << int(c.m_cPalette) << "/" << c.m_nIndex;
    EXPECT_EQ(block.m_nInheritIndex, c.m_nExpectIndex) << int(c.m_cPalette) << "/" << c.m_nIndex;
  }
}

TEST(EdBlock, EqualityAndDefaults) {
  cEdBlock a, b;
  a.m_strName = "a";
  b.m_strName = "b";
  EXPECT_TRUE(a == b);  // both empty
  a.m_nGraphic = b.m_nGraphic = 1;
  EXPECT_TRUE(a != b);
  b.m_strName = "a";
  b.m_nCellX = 9;
  EXPECT_TRUE(a == b);  // the cell takes no part
  b.m_bbInherit[3] = 1;
  EXPECT_TRUE(a != b);
  b.m_bbInherit[3] = 0;
  b.m_vAppearCond.resize(1);
  EXPECT_TRUE(a != b);

  // SetDefaults keeps the conditions and the cell.
  b.m_cBlockType = 2;
  b.m_bbInherit.resize(3);
  b.SetDefaults();
  EXPECT_EQ(b.m_cBlockType, 1);
  EXPECT_EQ(b.m_cDisabledFaction, -1);
  EXPECT_EQ(b.m_nGraphic, 0);
  EXPECT_TRUE(b.m_strName.empty());
  EXPECT_EQ(b.m_bbInherit.size(), 11u);
  EXPECT_EQ(b.m_vAppearCond.size(), 1u);
  EXPECT_EQ(b.m_nCellX, 9);
}

TEST(EdBlock, DamagedBodiesFail) {
  ExpectPrefixesFail<cEdBlock>(BlockBody(kEmpty, "x", kTail));
  cEdBlock block;
  // Flag and condition counts beyond the bytes left.
  EXPECT_FALSE(LoadBytes(block, kDataVersion, BlockBody(kEmpty, "", "0000 0000 FFFFFFFF 00")));
  EXPECT_FALSE(LoadBytes(block, kDataVersion, BlockBody(kEmpty, "", "0000 0000 00000000 FFFFFF7F 00")));
}

TEST(EdBlock, OptionTables) {
  EXPECT_EQ(GraphicSheetNames[4], "専用bmp");
  EXPECT_EQ(FactionNames[0], "なし");
  EXPECT_EQ(FactionNames[8], "7");
  EXPECT_TRUE(FactionNames[9].empty());
  EXPECT_EQ(BlockActionNames[5], "右移動 X=移動速度");
  EXPECT_TRUE(ItemPaletteNamesCommon[2].empty());
}

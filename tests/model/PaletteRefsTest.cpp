// References into the common and the stage palette, repaired once every palette is present.
#include "model/cEdBlock.h"
#include "model/cEdChara.h"
#include "model/cEdItem.h"
#include "tests/model/ModelTest.h"

namespace {

// Common palette: 2 blocks, 2 characters, 2 items; stage palette: 3 of each.
struct cPalettes {
  cVector<cEdBlock> m_vCommonBlock = cVector<cEdBlock>(2), m_vStageBlock = cVector<cEdBlock>(3);
  cVector<cEdChara> m_vCommonChara = cVector<cEdChara>(2), m_vStageChara = cVector<cEdChara>(3);
  cVector<cEdItem> m_vCommonItem = cVector<cEdItem>(2), m_vStageItem = cVector<cEdItem>(3);
  cPaletteScope m_Common{kPaletteCommon, {&m_vCommonBlock, &m_vCommonChara, &m_vCommonItem}};
  cPaletteScope m_Stage{kPaletteStage, {&m_vStageBlock, &m_vStageChara, &m_vStageItem}};
};

cCommandData ShotCommand(int kind, int itemPalette, int itemIndex, int summonPalette, int summonIndex) {
  cCommandData command;
  command.m_cKind = static_cast<int8_t>(kind);
  command.m_pShot.Create();
  command.m_pShot->m_cItemPalette = static_cast<int8_t>(itemPalette);
  command.m_pShot->m_nItemIndex = static_cast<int16_t>(itemIndex);
  command.m_pShot->m_cSummonPalette = static_cast<int8_t>(summonPalette);
  command.m_pShot->m_nSummonIndex = static_cast<int16_t>(summonIndex);
  return command;
}

}  // namespace

TEST(PaletteRefs, BlockObtainedItem) {
  cPalettes palettes;
  struct Case {
    int m_nPalette, m_nIndex, m_nExpectPalette, m_nExpectIndex;
  } cases[] = {{1, 1, 1, 1}, {1, 2, 0, 0}, {2, 2, 2, 2}, {2, 3, 0, 0}, {2, -1, 0, 0}, {0, 7, 0, 7}, {3, 7, 3, 7}};
  for (const Case& c : cases) {
    cEdBlock block;
    block.m_nGraphic = 1;
    block.m_cItemPalette = static_cast<int8_t>(c.m_nPalette);
    block.m_nItemIndex = static_cast<int16_t>(c.m_nIndex);
    // Loading keeps the reference: only the documents know when every palette is there.
    ASSERT_TRUE(LoadBytes(block, kDataVersion, SavedBytes(block)));
    EXPECT_EQ(block.m_nItemIndex, c.m_nIndex);
    block.ValidateItemRef();
    EXPECT_EQ(block.m_cItemPalette, c.m_nExpectPalette) << c.m_nPalette << "/" << c.m_nIndex;
    EXPECT_EQ(block.m_nItemIndex, c.m_nExpectIndex) << c.m_nPalette << "/" << c.m_nIndex;
  }
}

TEST(PaletteRefs, CommandsOfShotsSummonsAndTakenItems) {
  cPalettes palettes;
  struct Case {
    cCommandData m_Command;
    int m_nItemPalette, m_nItemIndex, m_nSummonIndex;
  } cases[] = {
      {ShotCommand(kCmdShot, 2, 5, 0, 0), 0, 0, 0},     {ShotCommand(kCmdSword, 1, 1, 0, 0), 1, 1, 0},
      {ShotCommand(kCmdShot, 1, 2, 0, 0), 0, 0, 0},     {ShotCommand(kCmdShot, 3, 9, 0, 0), 3, 9, 0},
      {ShotCommand(kCmdBlockSummon, 0, 0, 0, 5), 0, 0, 1}, {ShotCommand(kCmdBlockSummon, 0, 0, 1, 2), 0, 0, 2},
      {ShotCommand(kCmdCharaSummon, 0, 0, 1, 3), 0, 0, 1}, {ShotCommand(kCmdCharaSummon, 0, 0, 0, 1), 0, 0, 1},
      {ShotCommand(kCmdItemSummon, 0, 0, 1, -2), 0, 0, 1}, {ShotCommand(kCmdItemSummon, 0, 0, 2, 9), 0, 0, 9},
      // The item palette of a summon and the summon of a shot are not references.
      {ShotCommand(kCmdBlockSummon, 2, 9, 0, 0), 2, 9, 0}, {ShotCommand(kCmdShot, 0, 0, 0, 9), 0, 0, 9},
  };
  for (Case& c : cases) {
    c.m_Command.ValidatePaletteRefs();
    SCOPED_TRACE(testing::Message() << "kind " << int(c.m_Command.m_cKind));
    EXPECT_EQ(c.m_Command.m_pShot->m_cItemPalette, c.m_nItemPalette);
    EXPECT_EQ(c.m_Command.m_pShot->m_nItemIndex, c.m_nItemIndex);
    EXPECT_EQ(c.m_Command.m_pShot->m_nSummonIndex, c.m_nSummonIndex);
  }

  struct Take {
    int m_nSet, m_nKind, m_nPalette, m_nIndex, m_nExpect;
  } takes[] = {{0, kCmdTakeItem, 0, 2, 1}, {0, kCmdTakeItem, 0, 1, 1}, {0, kCmdTakeItem, 1, 2, 2},
               {1, 10, 1, 3, 1},           {1, 10, 5, 9, 9},           {0, kCmdLoop, 0, 9, 9}};
  for (const Take& t : takes) {
    cCommandData command;
    command.m_cSet = static_cast<int8_t>(t.m_nSet);
    command.m_cKind = static_cast<int8_t>(t.m_nKind);
    command.m_vParam = {t.m_nPalette, t.m_nIndex};
    command.ValidatePaletteRefs();
    EXPECT_EQ(command.m_vParam[1], t.m_nExpect) << t.m_nSet << "/" << t.m_nKind << "/" << t.m_nPalette;
  }
}

TEST(PaletteRefs, ReachEveryNestedCommand) {
  cPalettes palettes;
  cEdChara chara;
  chara.m_vFlow.resize(1);
  chara.m_vFlow[0].m_vCommand = {ShotCommand(kCmdCharaSummon, 0, 0, 0, 7)};
  chara.ValidatePaletteRefs();
  EXPECT_EQ(chara.m_vFlow[0].m_vCommand[0].m_pShot->m_nSummonIndex, 1);

  cEdItem item;
  cCommandData effect;
  effect.m_cSet = 1;
  effect.m_cKind = kItemCmdFlowChange;
  effect.m_vFlow = chara.m_vFlow;
  effect.m_vFlow[0].m_vCommand[0].m_pShot->m_nSummonIndex = 8;
  item.m_vEffect = {effect};
  item.ValidatePaletteRefs();
  EXPECT_EQ(item.m_vEffect[0].m_vFlow[0].m_vCommand[0].m_pShot->m_nSummonIndex, 1);
}

// The stage document in memory: size and resizing, the one-player rule, hit levels, normalising
// and the inheritance passes.
#include <map>
#include <utility>

#include "tests/stage/StageTest.h"

namespace {

using Cells = std::map<std::pair<int, int>, int>;

// The non-empty cells of the block layer: (column, row) -> graphic.
Cells Blocks(const cStageDoc& stage) {
  Cells cells;
  for (int y = 0; y < stage.m_nHeight; ++y)
    for (int x = 0; x < stage.m_nWidth; ++x)
      if (int graphic = stage.m_vBlockLayer.Get(stage.CellIndex(x, y)).m_nGraphic) cells[{x, y}] = graphic;
  return cells;
}

void PutBlocks(cStageDoc& stage, const Cells& cells) {
  for (const auto& cell : cells) stage.m_vBlockLayer.At(stage.CellIndex(cell.first.first, cell.first.second)).m_nGraphic = static_cast<int16_t>(cell.second);
}

cEdChara Character(int graphic, int control) {
  cEdChara chara;
  chara.m_nGraphic = static_cast<int16_t>(graphic);
  chara.m_cControl = static_cast<int8_t>(control);
  return chara;
}

// The characters by cell: graphic * 10 + control.
Cells Charas(const cStageDoc& stage) {
  Cells cells;
  for (int y = 0; y < stage.m_nHeight; ++y)
    for (int x = 0; x < stage.m_nWidth; ++x) {
      const cEdChara& chara = stage.m_vCharaLayer.Get(stage.CellIndex(x, y));
      if (chara.m_nGraphic) cells[{x, y}] = chara.m_nGraphic * 10 + chara.m_cControl;
    }
  return cells;
}

}  // namespace

using StageDoc = StageTest;

TEST_F(StageDoc, NewStage) {
  cStageDoc& stage = g_StageDoc;
  EXPECT_EQ(stage.m_nWidth, 20);
  EXPECT_EQ(stage.m_nHeight, 15);
  EXPECT_EQ(stage.m_nWidthPx, 640);
  EXPECT_EQ(stage.m_nHeightPx, 480);
  EXPECT_EQ(stage.m_vBlockLayer.Count(), 32 * 15);
  EXPECT_EQ(stage.m_vBlockLayer.StoredChunks(), 0);  // no cell costs anything yet
  EXPECT_EQ(stage.m_vStageChara.Count(), 1);
  ASSERT_EQ(stage.m_vBackground.Count(), 1);
  EXPECT_EQ(stage.m_vBackground[0].m_bUseColor, 1);
  EXPECT_EQ(stage.m_vRankingItem, cVector<int32_t>(5, 1));
  EXPECT_EQ(stage.m_vStageVarName.Count(), 1000);
  EXPECT_EQ(stage.m_aAutoVanish[kVanishEnemy].m_bLeft, 0);
  EXPECT_EQ(stage.m_aAutoVanish[kVanishPlayerShot].m_bBottom, 1);
  EXPECT_EQ(stage.m_aAutoVanish[kVanishPlayerShot].m_nBottom, 0);
  EXPECT_EQ(stage.m_aAutoVanish[kVanishEnemyShot].m_nTop, 10);
  EXPECT_EQ(stage.m_nHitEnWalkCharaW, 12);
  EXPECT_EQ(stage.m_nHitEnShotH, 30);
  EXPECT_EQ(stage.m_nHitPlShotH, 8);
  EXPECT_EQ(stage.m_nHitPlWalkBlockPos, 1);
  EXPECT_EQ(stage.m_nUndoDepth, 1);
  EXPECT_EQ(stage.m_nFrameRate, 60);
  EXPECT_EQ(stage.m_dGravity, 0.4);
  EXPECT_EQ(stage.m_bShowReady, 1);
  EXPECT_EQ(stage.m_nHitSteps, 0);  // derived only by Normalise
}

TEST_F(StageDoc, PitchFollowsTheWidth) {
  struct Case {
    int m_nWidth, m_nPitch, m_nShift;
  } cases[] = {{20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {1, 1, 0}, {2, 2, 1}, {512, 512, 9}};
  for (const Case& c : cases) {
    ASSERT_TRUE(g_StageDoc.SetSize(c.m_nWidth, 7, 0, 0));
    EXPECT_EQ(g_StageDoc.m_nPitch, c.m_nPitch) << c.m_nWidth;
    EXPECT_EQ(g_StageDoc.m_nPitch_Shift, c.m_nShift) << c.m_nWidth;
    EXPECT_EQ(g_StageDoc.m_vItemLayer.Count(), c.m_nPitch * 7);
  }
  // Sizes outside 1..512 change nothing.
  PutBlocks(g_StageDoc, {{{3, 3}, 5}});
  for (auto size : {std::make_pair(0, 10), std::make_pair(10, 0), std::make_pair(513, 10), std::make_pair(-4, 10)}) {
    EXPECT_FALSE(g_StageDoc.SetSize(size.first, size.second, 0, 0));
    EXPECT_EQ(g_StageDoc.m_nWidth, 512);
    EXPECT_EQ(g_StageDoc.m_nHeight, 7);
    EXPECT_EQ(Blocks(g_StageDoc), (Cells{{{3, 3}, 5}}));
  }
}

TEST_F(StageDoc, ResizingKeepsTheAnchoredSide) {
  const Cells start = {{{0, 0}, 1}, {{9, 4}, 2}, {{10, 0}, 3}, {{19, 14}, 4}};
  struct Case {
    const char* m_pName;
    int m_nWidth, m_nHeight, m_nAnchorX, m_nAnchorY;
    Cells m_Expected;
  } cases[] = {
      {"grow right", 30, 15, 0, 0, start},
      {"grow left", 30, 15, 1, 0, {{{10, 0}, 1}, {{19, 4}, 2}, {{20, 0}, 3}, {{29, 14}, 4}}},
      {"shrink right", 10, 15, 0, 0, {{{0, 0}, 1}, {{9, 4}, 2}}},
      {"shrink left", 10, 15, 1, 0, {{{0, 0}, 3}, {{9, 14}, 4}}},
      {"grow top", 20, 20, 0, 1, {{{0, 5}, 1}, {{9, 9}, 2}, {{10, 5}, 3}, {{19, 19}, 4}}},
      {"shrink top", 20, 10, 0, 1, {{{19, 9}, 4}}},
      {"shrink bottom and left", 15, 5, 1, 0, {{{4, 4}, 2}, {{5, 0}, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    PutBlocks(g_StageDoc, start);
    ASSERT_TRUE(g_StageDoc.SetSize(c.m_nWidth, c.m_nHeight, c.m_nAnchorX, c.m_nAnchorY));
    EXPECT_EQ(Blocks(g_StageDoc), c.m_Expected);
  }
  // Growing on the left and shrinking back on the left gives the stage back.
  g_StageDoc.SetDefaults();
  PutBlocks(g_StageDoc, start);
  g_StageDoc.SetSize(30, 15, 1, 0);
  g_StageDoc.SetSize(20, 15, 1, 0);
  EXPECT_EQ(Blocks(g_StageDoc), start);
}

TEST_F(StageDoc, ResizingKeepsThePlayer) {
  struct Case {
    const char* m_pName;
    int m_nPlayerX, m_nPlayerY, m_nWidth, m_nAnchorX;
    Cells m_Expected;
  } cases[] = {
      // Dropped on the right: the player replaces the character at (0, 0).
      {"right", 15, 2, 10, 0, {{{0, 0}, 10}, {{4, 4}, 31}}},
      // Dropped on the left: the player comes to the new (0, 0), not to a cell that is dropped.
      {"left", 2, 2, 10, 1, {{{0, 0}, 10}}},
      // Kept on the left side although its column is beyond the new width: it moves with the map.
      {"kept", 15, 2, 10, 1, {{{5, 2}, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    g_StageDoc.SetDefaults();
    g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(c.m_nPlayerX, c.m_nPlayerY)) = Character(1, 0);
    g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(0, 0)) = Character(2, 1);
    g_StageDoc.m_vCharaLayer.At(g_StageDoc.CellIndex(4, 4)) = Character(3, 1);
    ASSERT_TRUE(g_StageDoc.SetSize(c.m_nWidth, 15, c.m_nAnchorX, 0));
    EXPECT_EQ(Charas(g_StageDoc), c.m_Expected);
  }
}

TEST_F(StageDoc, ScrollLimitsStayInsideTheMap) {
  g_StageDoc.m_nLimitLeft = 492;
  g_StageDoc.m_nLimitRight = 3;
  g_StageDoc.m_nLimitTop = 497;
  g_StageDoc.m_nLimitBottom = 511;
  ASSERT_TRUE(g_StageDoc.SetSize(25, 20, 0, 0));
  EXPECT_EQ(g_StageDoc.m_nLimitLeft, 5);
  EXPECT_EQ(g_StageDoc.m_nLimitRight, 3);
  EXPECT_EQ(g_StageDoc.m_nLimitTop, 5);
  EXPECT_EQ(g_StageDoc.m_nLimitBottom, 19);
}

TEST_F(StageDoc, HitLevels) {
  struct Case {
    int m_nLevel, m_nStored, m_nSteps;
    double m_dMaxSpeed, m_dPerStep, m_dGravityPerStep;
  } cases[] = {
      {10, 10, 10, 60, 6, 0.4 / 100}, {13, 13, 3, 60, 20, 0.4 / 9}, {1, 1, 1, 6, 6, 0.4},
      {19, 19, 9, 60, 60.0 / 9, 0.4 / 81}, {11, 11, 1, 60, 60, 0.4},
      // Damaged files: the level comes back into 1..19 before anything divides by it.
      {0, 1, 1, 6, 6, 0.4},             {-3, 1, 1, 6, 6, 0.4}, {40, 19, 9, 60, 60.0 / 9, 0.4 / 81},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m_nLevel);
    g_StageDoc.SetHitLevel(c.m_nLevel);
    EXPECT_EQ(g_StageDoc.m_nHitLevel, c.m_nStored);
    EXPECT_EQ(g_StageDoc.m_nHitSteps, c.m_nSteps);
    EXPECT_EQ(g_StageDoc.m_dHitSteps, c.m_nSteps);
    EXPECT_EQ(g_StageDoc.m_dHitStepsSq, c.m_nSteps * c.m_nSteps);
    EXPECT_EQ(g_StageDoc.m_nHitSteps8, c.m_nSteps * 8);
    EXPECT_DOUBLE_EQ(g_StageDoc.m_dMaxSpeed, c.m_dMaxSpeed);
    EXPECT_DOUBLE_EQ(g_StageDoc.m_dMaxSpeedPerStep, c.m_dPerStep);
    EXPECT_DOUBLE_EQ(g_StageDoc.m_dGravityPerStep, c.m_dGravityPerStep);
  }
}

TEST_F(StageDoc, OnePlayer) {
  cStageDoc& stage = g_StageDoc;
  cEdChara empty = Character(0, 1);
  empty.m_strName = "空";
  stage.m_vStageChara = {empty};
  struct Case {
    const char* m_pName;
    Cells m_Before;
    int m_nX, m_nY;
    cEdChara m_Placed;
    Cells m_After;
  } cases[] = {
      {"a player where an enemy stands", {{{4, 0}, 10}, {{1, 1}, 21}}, 1, 1, Character(3, 0), {{{1, 1}, 30}}},
      {"an enemy on the player", {{{0, 0}, 21}, {{2, 0}, 10}}, 2, 0, Character(5, 1), {{{0, 0}, 21}, {{1, 0}, 10}, {{2, 0}, 51}}},
      {"a player on the player", {{{2, 0}, 10}}, 2, 0, Character(6, 0), {{{2, 0}, 60}}},
      {"an enemy elsewhere", {{{2, 0}, 10}}, 5, 5, Character(7, 1), {{{2, 0}, 10}, {{5, 5}, 71}}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.m_pName);
    stage.SetDefaults();
    stage.m_vStageChara = {empty};
    for (const auto& cell : c.m_Before)
      stage.m_vCharaLayer.At(stage.CellIndex(cell.first.first, cell.first.second)) = Character(cell.second / 10, cell.second % 10);
    c.m_Placed.m_bbInherit[1] = 1;
    stage.PutChara(stage.CellIndex(c.m_nX, c.m_nY), c.m_Placed);
    EXPECT_EQ(c.m_Placed.m_bbInherit[1], 0);  // the caller's record loses the control group's flag
    EXPECT_EQ(Charas(stage), c.m_After);
  }
  // The replaced player became the stage palette's entry 0.
  stage.SetDefaults();
  stage.m_vStageChara = {empty};
  stage.m_vCharaLayer.At(stage.CellIndex(4, 0)) = Character(1, 0);
  cEdChara player = Character(3, 0);
  stage.PutChara(stage.CellIndex(1, 1), player);
  EXPECT_EQ(stage.m_vCharaLayer.Get(stage.CellIndex(4, 0)).m_strName, "空");

  int x, y;
  stage.FindPlayer(x, y);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(1, 1));
  EXPECT_TRUE(stage.HasPlayer());
  stage.SetDefaults();
  stage.FindPlayer(x, y);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(-1, -1));
  EXPECT_FALSE(stage.HasPlayer());
}

TEST_F(StageDoc, OnlyTheLastPlayerStays) {
  cStageDoc& stage = g_StageDoc;
  for (auto cell : {std::make_pair(3, 1), std::make_pair(0, 2), std::make_pair(5, 7)})
    stage.m_vCharaLayer.At(stage.CellIndex(cell.first, cell.second)) = Character(1, 0);
  stage.m_vCharaLayer.At(stage.CellIndex(6, 1)) = Character(2, 1);
  stage.RemoveExtraPlayers();
  EXPECT_EQ(Charas(stage), (Cells{{{5, 7}, 10}, {{6, 1}, 21}}));
}

TEST_F(StageDoc, NormaliseRepairsReferences) {
  cStageDoc& stage = g_StageDoc;
  stage.m_nBgm = 3;  // the table has 3 entries
  stage.m_nHitLevel = 0;
  stage.m_nLimitRight = 400;
  cEdBlock chest;
  chest.m_nGraphic = 4;
  chest.m_cItemPalette = kPaletteStage;
  chest.m_nItemIndex = 2;  // the stage palette will have two items
  stage.m_vBlockLayer.At(stage.CellIndex(1, 1)) = chest;
  stage.Normalise();
  EXPECT_EQ(stage.m_nBgm, 0);
  EXPECT_EQ(stage.m_nHitLevel, 1);
  EXPECT_EQ(stage.m_nLimitRight, 19);
  EXPECT_EQ(stage.m_vBlockLayer.Get(stage.CellIndex(1, 1)).m_cItemPalette, 0);
  stage.m_nBgm = 2;
  stage.Normalise();
  EXPECT_EQ(stage.m_nBgm, 2);
}

TEST_F(StageDoc, ShortStagePaletteListsGainTheProjectDefault) {
  // New stage entries follow the common palette's entry of the same number, in their name.
  g_ProjectSettings.m_DefItem.m_strName = "既定";
  g_ProjectSettings.m_DefItem.m_nGraphic = 7;
  g_ProjectSettings.m_DefItem.m_cZ = 2;
  g_ProjectSettings.m_nDefInheritPal[0][cProjectSettings::kKindItem] = kPaletteCommon;
  cVector<int8_t>& flags = g_ProjectSettings.m_bbDefInherit[0][cProjectSettings::kKindItem];
  flags.assign(13, 0);
  flags[0] = 1;
  g_CommonPalette.m_vItem.resize(2);
  g_CommonPalette.m_vItem[1].m_nGraphic = 3;
  g_CommonPalette.m_vItem[1].m_strName = "共";
  g_ProjectSettings.m_DefBlock.m_strName = "岩";

  cStageDoc& stage = g_StageDoc;
  stage.m_vStageItem.clear();
  stage.Normalise();
  ASSERT_EQ(stage.m_vStageItem.Count(), 2);
  const cEdItem& entry = stage.m_vStageItem[1];
  EXPECT_EQ(entry.m_cInheritPalette, kPaletteCommon);
  EXPECT_EQ(entry.m_nInheritIndex, 1);
  EXPECT_EQ(entry.m_strName, "共");
  EXPECT_EQ(entry.m_nGraphic, 7);
  EXPECT_EQ(entry.m_cZ, 2);
  EXPECT_TRUE(std::equal(flags.begin(), flags.end(), entry.m_bbInherit.begin(), entry.m_bbInherit.end()));
  // The default case names no palette: entry 1 is the default record with no source.
  ASSERT_EQ(stage.m_vStageBlock.Count(), 2);
  EXPECT_EQ(stage.m_vStageBlock[1].m_strName, "岩");
  EXPECT_EQ(stage.m_vStageBlock[1].m_cInheritPalette, 0);
  // A list of two or more keeps its entry 1.
  stage.m_vStageItem[1].m_strName = "自分";
  stage.m_vStageItem[1].m_bbInherit[0] = 0;
  stage.Normalise();
  EXPECT_EQ(stage.m_vStageItem[1].m_strName, "自分");
}

TEST_F(StageDoc, PaletteChangesReachTheMap) {
  cStageDoc& stage = g_StageDoc;
  g_CommonPalette.m_vBlock.resize(2);
  g_CommonPalette.m_vBlock[1].m_nGraphic = 5;
  g_CommonPalette.m_vBlock[1].m_strName = "共";
  // Stage entry 1 follows common entry 1's name; one placed block follows each palette.
  stage.m_vStageBlock.resize(2);
  cEdBlock& entry = stage.m_vStageBlock[1];
  entry.m_nGraphic = 6;
  entry.m_cInheritPalette = kPaletteCommon;
  entry.m_nInheritIndex = 1;
  entry.m_bbInherit[0] = 1;
  cEdBlock viaStage;
  viaStage.m_nGraphic = 7;
  viaStage.m_cInheritPalette = kPaletteStage;
  viaStage.m_nInheritIndex = 1;
  viaStage.m_bbInherit[0] = 1;
  cEdBlock viaCommon = viaStage;
  viaCommon.m_cInheritPalette = kPaletteCommon;
  cEdBlock alone = viaStage;
  alone.m_cInheritPalette = 0;
  alone.m_strName = "独";
  stage.m_vBlockLayer.At(0) = viaStage;
  stage.m_vBlockLayer.At(1) = viaCommon;
  stage.m_vBlockLayer.At(2) = alone;

  stage.RefreshBlocksFromCommon();
  EXPECT_EQ(entry.m_strName, "共");
  EXPECT_EQ(stage.m_vBlockLayer.Get(0).m_strName, "共");
  EXPECT_EQ(stage.m_vBlockLayer.Get(1).m_strName, "共");
  EXPECT_EQ(stage.m_vBlockLayer.Get(2).m_strName, "独");

  entry.m_bbInherit[0] = 0;
  entry.m_strName = "段";
  stage.RefreshBlocksFromStage();
  EXPECT_EQ(stage.m_vBlockLayer.Get(0).m_strName, "段");
  EXPECT_EQ(stage.m_vBlockLayer.Get(1).m_strName, "共");
}

TEST_F(StageDoc, ValidateAllAfterEntriesWereRemoved) {
  cStageDoc& stage = g_StageDoc;
  stage.m_vStageItem.resize(3);
  stage.m_vStageChara.resize(3);
  cEdBlock chest;
  chest.m_nGraphic = 2;
  chest.m_cItemPalette = kPaletteStage;
  chest.m_nItemIndex = 2;
  cEdChara follower;
  follower.m_nGraphic = 3;
  follower.m_cInheritPalette = kPaletteStage;
  follower.m_nInheritIndex = 2;
  stage.m_vStageBlock = {cEdBlock(), chest};
  stage.m_vBlockLayer.At(7) = chest;
  stage.m_vCharaLayer.At(8) = follower;
  stage.ValidateAll();
  EXPECT_EQ(stage.m_vBlockLayer.Get(7).m_nItemIndex, 2);
  EXPECT_EQ(stage.m_vCharaLayer.Get(8).m_nInheritIndex, 2);
  // The palette window removed the last item and character.
  stage.m_vStageItem.resize(2);
  stage.m_vStageChara.resize(2);
  stage.ValidateAll();
  EXPECT_EQ(stage.m_vStageBlock[1].m_cItemPalette, 0);
  EXPECT_EQ(stage.m_vBlockLayer.Get(7).m_cItemPalette, 0);
  EXPECT_EQ(stage.m_vBlockLayer.Get(7).m_nItemIndex, 0);
  EXPECT_EQ(stage.m_vCharaLayer.Get(8).m_cInheritPalette, 0);
  EXPECT_EQ(stage.m_vCharaLayer.Get(8).m_nInheritIndex, 0);
}

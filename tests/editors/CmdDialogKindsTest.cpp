// The rules of the moving, shooting, summoning, status, stage, picking, effect and look dialogs as
// tables: what each choice enables, checks and derives.
#include "editors/EffectCommandRules.h"
#include "editors/LookCommandRules.h"
#include "editors/MediaCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/OtherMoveRules.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/StatusOpRules.h"
#include "model/cEdChara.h"
#include "tests/editors/EditorTest.h"

namespace {
cVector<int32_t> Op(std::initializer_list<std::pair<int, int32_t>> values) {
  cVector<int32_t> params(kOpParamCount, 0);
  for (const auto& value : values) params[value.first] = value.second;
  return params;
}

cVector<int32_t> Picture(int32_t row, int32_t position, int32_t duration, int32_t instant, int32_t hasId) {
  cVector<int32_t> params(15, 0);
  params[kPicRow] = row;
  params[kPicPosition] = position;
  params[kPicDuration] = duration;
  params[kPicInstant] = instant;
  params[kPicHasId] = hasId;
  params[kPicTime] = 30;
  params[kPicPause] = 7;
  return params;
}
}  // namespace

TEST(CmdDialogKinds, TheCircleMoveTakesTimeOrAngleSpeed) {
  cCommandData command;
  command.m_pMove.Create();
  for (int mode : {0, 1, 4}) {
    command.m_pMove->m_cTimeMode = static_cast<int8_t>(mode);
    command.m_pMove->m_bNoMoveAnime = static_cast<int8_t>(mode == 1);
    cCtrlStates states;
    CircleMoveStates(command, states);
    EXPECT_EQ(EnabledOf(states, {kIdcCmdTime, kIdcCmdTimeClone, kIdcMoveSpeed, kIdcMoveCloneSpeed, kIdcCmdAnime}),
              mode == 0 ? "11000" : (mode == 1 ? "00111" : "00110"));
  }
}

TEST(CmdDialogKinds, TheFormationDecidesTheAimTheTargetNumberAndTheOffset) {
  struct cCase {
    int m_nFormation;
    int32_t m_nAim, m_nSubject;
    int32_t m_nAimAfter;
    const char* m_pEnabled;  // aim, target number, offset by angle, subject
    int m_nChecked;          // the aim's check decision
  };
  const cCase cases[] = {
      {0, 0, 0, 0, "1010", -1}, {0, 1, 0, 1, "1110", -1}, {1, 1, 2, 1, "1100", -1},
      {2, 0, 1, 0, "1010", -1}, {3, 0, 0, 1, "0101", 1},  {3, 0, 1, 1, "0001", 1},
      {4, 1, 0, 0, "0000", 0},  {5, 0, 0, 1, "0101", 1},  {5, 1, 2, 1, "0001", 1},
  };
  for (const cCase& c : cases) {
    int32_t aim = FormationAim(c.m_nFormation, c.m_nAim);
    EXPECT_EQ(aim, c.m_nAimAfter) << c.m_nFormation;
    cCtrlStates states;
    ShotFormationStates(c.m_nFormation, aim, c.m_nSubject, states);
    EXPECT_EQ(EnabledOf(states, {kIdcShotAimAngle, kIdcShotTargetNo, kIdcShotAngleOffset, kIdcShotAimSubject}),
              c.m_pEnabled)
        << c.m_nFormation << " aim " << c.m_nAim << " subject " << c.m_nSubject;
    EXPECT_EQ(states.Checked(kIdcShotAimAngle), c.m_nChecked) << c.m_nFormation;
  }
  for (int row : {-1, 6, 127}) EXPECT_EQ(ShotFormationRow(row), 0);
  for (int row : {-5, 10, 100}) EXPECT_EQ(ShotMoveRow(row), 0);
  EXPECT_EQ(FormationParams(9), FormationParams(0));
  EXPECT_EQ(MoveTypeParams(8)[0].m_strLabel, "波の最大(hbl)");
}

TEST(CmdDialogKinds, TheParametersShowTheirLabelsAndLimits) {
  cCtrlStates states;
  ShotParamStates(FormationParams(3), kFormParamEdits, kFormParamLabels, states);
  EXPECT_EQ(*states.Text(1152), "列の数");
  int32_t min = 0, max = 0;
  ASSERT_EQ(states.Range(1042, min, max), 1);
  EXPECT_EQ(min, 1);
  EXPECT_EQ(max, 50);
  EXPECT_EQ(EnabledOf(states, {1041, 1042, 1043}), "111");
  cCtrlStates blast;
  ShotParamStates(FormationParams(4), kFormParamEdits, kFormParamLabels, blast);
  EXPECT_EQ(EnabledOf(blast, {1041, 1042, 1043}), "000");
  EXPECT_EQ(*blast.Text(1151), "");
  EXPECT_EQ(blast.Range(1041, min, max), 0) << "an unused parameter keeps its limits";
}

TEST(CmdDialogKinds, TheShotsAndTheSummonsDependentControls) {
  for (int type = 0; type < 10; ++type) {
    cCtrlStates states;
    ShotMoveTypeStates(type, states);
    EXPECT_EQ(states.Enabled(kIdcShotMoveTargetNo), type == 3 || type == 6 ? 1 : 0) << type;
  }
  const std::initializer_list<uint16_t> ids = {
      kIdcShotFaction, kIdcShotAccel,     kIdcShotAccelClone,  kIdcShotRange,  kIdcShotRangeClone, kIdcShotKeepAtEnd,
      kIdcShotLife,    kIdcShotLifeClone, kIdcShotVanishValue, kIdcShotFlowId, kIdcShotItem};
  cEdShot shot;
  cCtrlStates off;
  ShotStates(shot, off);
  EXPECT_EQ(EnabledOf(off, ids), "00000000000");
  shot.m_bUserFaction = 0;
  shot.m_bUseAccel = shot.m_bUseRange = shot.m_bUseLife = shot.m_bVanishByShot = shot.m_bAttack = 1;
  shot.m_cItemPalette = 2;
  cCtrlStates on;
  ShotStates(shot, on);
  EXPECT_EQ(EnabledOf(on, ids), "11111111111");
  shot.m_cItemPalette = 3;
  ShotStates(shot, on);
  EXPECT_EQ(on.Enabled(kIdcShotItem), 0);

  struct cCase {
    int m_nKind, m_nFormation;
    int32_t m_nSubject;
    const char* m_pEnabled;  // subject, target number
  };
  // "包囲" aimed at "主人公": the target number is off for a character summon only.
  const cCase cases[] = {
      {kCmdCharaSummon, 5, 1, "10"}, {kCmdBlockSummon, 5, 1, "11"}, {kCmdItemSummon, 5, 1, "11"},
      {kCmdCharaSummon, 3, 0, "11"}, {kCmdCharaSummon, 0, 0, "00"}, {kCmdBlockSummon, 2, 0, "00"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    SummonFormationStates(c.m_nKind, c.m_nFormation, c.m_nSubject, states);
    EXPECT_EQ(EnabledOf(states, {kIdcShotAimSubject, kIdcShotTargetNo}), c.m_pEnabled) << c.m_nKind;
  }
  cEdShot summon;
  for (int mode : {0, 1, 2}) {
    summon.m_cBlockMode = static_cast<int8_t>(mode);
    cCtrlStates states;
    SummonStates(kCmdBlockSummon, summon, states);
    EXPECT_EQ(EnabledOf(states, {kIdcSummonPalette, kIdcSummonIndex, kIdcSummonFailOnPlayer, kIdcSummonFailOnEnemy}),
              mode == 1 ? "0000" : "1111");
  }
  summon.m_cFactionMode = 1;
  summon.m_bUseRange = 1;
  cCtrlStates chara;
  SummonStates(kCmdCharaSummon, summon, chara);
  EXPECT_EQ(EnabledOf(chara, {kIdcSummonLife, kIdcShotFaction, kIdcShotFlowId}), "100");
  int32_t x = 0, y = 0;
  ShotPreviewOrigin(61, x, y);
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 16);
  ShotPreviewOrigin(120, x, y);
  EXPECT_EQ(x, 128);
  EXPECT_EQ(y, 0);
}

TEST(CmdDialogKinds, TheStatusOperationsSidesFollowTheirTypes) {
  struct cCase {
    cVector<int32_t> m_vParams;
    const char* m_pLeft;   // subject, status, scope, variable, rename, invincible
    const char* m_pRight;  // constant, random min, random max, subject, status, scope, variable, rename
  };
  const cCase cases[] = {
      {Op({}), "110101", "10000000"},
      {Op({{kOpLeftSubject, 5}}), "110000", "10000000"},
      {Op({{kOpLeftStatus, 3}}), "110001", "10000000"},
      {Op({{kOpLeftType, 1}, {kOpRightType, 1}}), "001110", "01100000"},
      {Op({{kOpLeftType, 1}, {kOpLeftScope, 1}, {kOpRightType, 2}}), "001110", "00011010"},
      {Op({{kOpRightType, 2}, {kOpRightStatus, 4}}), "110101", "00011000"},
      {Op({{kOpRightType, 3}, {kOpRightScope, 1}}), "110101", "00000111"},
      {Op({{kOpLeftType, 4}, {kOpRightType, 9}}), "000000", "00000000"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    StatusOpStates(c.m_vParams, states);
    EXPECT_EQ(EnabledOf(states, {kIdcStatSubject, kIdcStatStatus, kIdcStatLeftScope, kIdcStatLeftVar,
                                 kIdcStatLeftRename, kIdcStatInvincible}),
              c.m_pLeft)
        << c.m_pRight;
    EXPECT_EQ(EnabledOf(states, {kIdcStatValue, kIdcStatRandMin, kIdcStatRandMax, kIdcStatRightSubject,
                                 kIdcStatRightStatus, kIdcStatRightScope, kIdcStatRightVar, kIdcStatRightRename}),
              c.m_pRight)
        << c.m_pLeft;
  }
  EXPECT_EQ(StatusOpLeftPicker(Op({})), kVarPickerCharaVar);
  EXPECT_EQ(StatusOpLeftPicker(Op({{kOpLeftType, 1}, {kOpLeftScope, 1}})), kVarPickerStage);
  EXPECT_EQ(StatusOpRightPicker(Op({{kOpRightType, 3}})), kVarPickerCommon);
  EXPECT_EQ(StatusOpRightPicker(Op({{kOpRightType, 2}, {kOpRightSubject, 5}})), kVarPickerOff);
}

TEST(CmdDialogKinds, ALeftStatusGivesItsOperandRangeAndItsPercentOptions) {
  struct cCase {
    cVector<int32_t> m_vParams;
    uint16_t m_nEdit;  // the edit that takes the range (0: none)
    int32_t m_nMin, m_nMax;
    const char* m_pEnabled;  // percent, calculation mode, bar
  };
  const cCase cases[] = {
      {Op({{kOpLeftStatus, 1}}), kIdcStatValue, -999999, 999999, "011"},
      {Op({{kOpLeftStatus, 2}, {kOpLeftSubject, 4}}), kIdcStatValue, -999999, 999999, "011"},
      {Op({{kOpLeftStatus, 1}, {kOpLeftSubject, 5}}), kIdcStatValue, -480, 480, "100"},
      {Op({{kOpLeftSubject, 5}}), kIdcStatValue, -999, 999, "100"},
      {Op({{kOpLeftStatus, 6}, {kOpRightType, 1}}), kIdcStatRandMax, -8, 8, "000"},
      {Op({{kOpLeftStatus, 5}, {kOpRightType, 2}}), 0, 0, 0, "000"},
      {Op({{kOpLeftStatus, 12}, {kOpRightType, 3}}), 0, 0, 0, "100"},
      {Op({{kOpLeftStatus, 8}}), kIdcStatValue, -40, 40, "100"},
      {Op({{kOpLeftType, 1}, {kOpLeftStatus, 1}}), 0, 0, 0, "-00"},
      {Op({{kOpLeftStatus, 15}}), 0, 0, 0, "---"},
      {Op({{kOpLeftSubject, 6}}), 0, 0, 0, "---"},
  };
  for (const cCase& c : cases) {
    cCtrlStates states;
    StatusOpLeftStates(c.m_vParams, states);
    int32_t min = 0, max = 0;
    EXPECT_EQ(states.Range(kIdcStatValue, min, max) || states.Range(kIdcStatRandMax, min, max), c.m_nEdit != 0)
        << c.m_pEnabled;
    if (c.m_nEdit) {
      EXPECT_EQ(states.Range(c.m_nEdit, min, max), 1);
      EXPECT_EQ(min, c.m_nMin);
      EXPECT_EQ(max, c.m_nMax);
    }
    EXPECT_EQ(EnabledOf(states, {kIdcStatPercent, kIdcStatCalcMode, kIdcStatBar}), c.m_pEnabled);
  }
}

TEST_F(EditorTest, TheSecondStatusOperationsStatusesAndOptions) {
  FillScrollStatusTable(ScrollStatusTable, ScrollKindNames);
  EXPECT_EQ(StatusOp2StatusRows(0).Count(), 7);
  EXPECT_EQ(StatusOp2StatusRows(4)[0], "消滅");
  EXPECT_EQ(StatusOp2StatusRows(5), (cVector<cString>{"横スクロール", "縦スクロール"}));
  EXPECT_TRUE(StatusOp2StatusRows(6).empty());
  EXPECT_EQ(StatusOp2Status(0, 7), nullptr);
  EXPECT_EQ(StatusOp2Status(5, 2), nullptr);
  EXPECT_EQ(StatusOp2Status(-1, 0), nullptr);
  ASSERT_NE(StatusOp2Status(3, 5), nullptr);
  EXPECT_EQ(StatusOp2Status(3, 5)->m_nMin, 1);
}

TEST(CmdDialogKinds, StageClearWarpTargetAndVanishEnables) {
  struct cClear {
    int32_t m_nMode, m_bMoveMap, m_bForceStart;
    const char* m_pEnabled;  // number, path, browse, map X, map Y, start X, start Y, facing
  };
  const cClear clears[] = {
      {0, 0, 0, "00000000"}, {1, 0, 0, "10000000"}, {2, 1, 0, "01111000"}, {3, 0, 1, "00000111"}, {9, 1, 1, "00011111"},
  };
  for (const cClear& c : clears) {
    cCtrlStates states;
    StageClearStates(c.m_nMode, c.m_bMoveMap, c.m_bForceStart, states);
    EXPECT_EQ(EnabledOf(states, {kIdcClearNumber, kIdcClearPath, kIdcClearBrowse, kIdcClearMapX, kIdcClearMapY,
                                 kIdcClearStartX, kIdcClearStartY, kIdcClearFacing}),
              c.m_pEnabled)
        << c.m_nMode;
  }
  struct cWarp {
    int32_t m_nMode, m_nTargetMode;
    const char* m_pEnabled;  // direction, distance, clone, target mode, X, X dot, mirror X, Y, Y dot, mirror Y
    int m_bCleared;
  };
  const cWarp warps[] = {
      {0, 1, "1110000000", 0}, {4, 2, "1110000000", 0}, {5, 0, "0001111111", 0},
      {5, 1, "0001110110", 1}, {5, 2, "0001110110", 1}, {6, 1, "1110000000", 0},
  };
  for (const cWarp& c : warps) {
    cCtrlStates states;
    WarpStates(c.m_nMode, c.m_nTargetMode, states);
    EXPECT_EQ(EnabledOf(states, {kIdcWarpDirection, kIdcWarpDistance, kIdcWarpDistanceClone, kIdcWarpTargetMode,
                                 kIdcWarpTargetX, kIdcWarpTargetDotX, kIdcWarpMirrorX, kIdcWarpTargetY,
                                 kIdcWarpTargetDotY, kIdcWarpMirrorY}),
              c.m_pEnabled)
        << c.m_nMode << " " << c.m_nTargetMode;
    EXPECT_EQ(WarpMirrorsCleared(c.m_nMode, c.m_nTargetMode), c.m_bCleared);
  }
  struct cTarget {
    int32_t m_nWhom, m_bAll, m_bId, m_bVar;
    // range, faction, all factions, use id, id, use variable, variable, value, compare, the four
    // exclusions, none found
    const char* m_pEnabled;
  };
  const cTarget targets[] = {
      {0, 0, 0, 0, "00000000000001"}, {1, 1, 1, 1, "00000000000001"},  {4, 0, 0, 0, "00000000000001"},
      {5, 0, 0, 0, "00000000000001"}, {7, 0, 0, 0, "00000000000001"},  {10, 0, 0, 0, "00000000000001"},
      {2, 0, 0, 0, "11110100011111"}, {2, 1, 1, 1, "10111111111111"},  {3, 0, 1, 0, "01111100011111"},
      {6, 1, 0, 1, "00110111111111"}, {11, 0, 0, 0, "00000000000001"},
  };
  for (const cTarget& c : targets) {
    cCtrlStates states;
    TargetStates(c.m_nWhom, c.m_bAll, c.m_bId, c.m_bVar, states);
    EXPECT_EQ(
        EnabledOf(states, {kIdcTargetRange, kIdcTargetFaction, kIdcTargetAllFactions, kIdcTargetUseId, kIdcTargetId,
                           kIdcTargetUseVar, kIdcTargetVar, kIdcTargetVarValue, kIdcTargetVarCompare, kIdcTargetNotSelf,
                           kIdcTargetNotInvincible, kIdcTargetNotPassing, kIdcTargetNotBlock, kIdcTargetNone}),
        c.m_pEnabled)
        << c.m_nWhom << " " << c.m_bAll << c.m_bId << c.m_bVar;
  }
  for (int target = 0; target < 6; ++target) {
    cCtrlStates states;
    VanishStates(target, states);
    EXPECT_EQ(EnabledOf(states, {kIdcVanishRange, kIdcVanishFaction}), target < 2 ? "11" : "00") << target;
  }
}

TEST(CmdDialogKinds, ThePictureFollowsItsRowPositionAndDuration) {
  struct cCase {
    cVector<int32_t> m_vParams;
    // position, X, Y, shift X, shift Y, front, follow, scale, duration, time, instant, pause, ID
    const char* m_pEnabled;
    int32_t m_nPause, m_nTime;
  };
  const cCase cases[] = {
      {Picture(0, 3, 2, 1, 0), "0000000000000", 7, 30}, {Picture(0, 3, 2, 0, 1), "0000000000001", 7, 30},
      {Picture(1, 0, 0, 0, 0), "1001110110000", 1, 30}, {Picture(1, 3, 1, 0, 0), "1111111110000", 0, 30},
      {Picture(2, 4, 2, 0, 0), "1111111111110", 7, 30}, {Picture(2, 2, 2, 1, 1), "1001111110111", 7, 1},
      {Picture(2, 1, 5, 0, 0), "100111-11---0", 7, 30},
  };
  for (const cCase& c : cases) {
    cVector<int32_t> params = c.m_vParams;
    ApplyPictureRules(params);
    cCtrlStates states;
    PictureStates(params, states);
    EXPECT_EQ(EnabledOf(states, {kIdcShowPosition, kIdcShowX, kIdcShowY, kIdcShowShiftX, kIdcShowShiftY, kIdcShowFront,
                                 kIdcShowFollow, kIdcShowScale, kIdcShowDuration, kIdcShowTime, kIdcShowInstant,
                                 kIdcShowPause, kIdcShowId}),
              c.m_pEnabled)
        << c.m_pEnabled;
    EXPECT_EQ(params[kPicPause], c.m_nPause) << c.m_pEnabled;
    EXPECT_EQ(params[kPicTime], c.m_nTime) << c.m_pEnabled;
  }
  const std::initializer_list<uint16_t> ids = {kIdcShowPosition, kIdcShowX,     kIdcShowY,    kIdcShowShiftX,
                                               kIdcShowShiftY,   kIdcShowScale, kIdcShowPause};
  cVector<int32_t> effect(8, 0);
  cCtrlStates removed;
  EffectStates(effect, removed);
  EXPECT_EQ(EnabledOf(removed, ids), "0000000");
  effect[kEffRow] = 2;
  effect[kEffPosition] = 3;
  cCtrlStates shown;
  EffectStates(effect, shown);
  EXPECT_EQ(EnabledOf(shown, ids), "1111111");
  effect[kEffPosition] = 2;
  EffectStates(effect, shown);
  EXPECT_EQ(EnabledOf(shown, {kIdcShowX, kIdcShowY}), "00");
  EXPECT_EQ(ParallelOfPause(0), 1);
  EXPECT_EQ(ParallelOfPause(1), 0);
}

TEST(CmdDialogKinds, TheGraphicSheetAndTheScreenColour) {
  struct cGraphic {
    int32_t m_nKind;
    int32_t m_nNumberMax;
    const char* m_pEnabled;  // shift, picker
    int32_t m_nShiftMax;     // 0: the shift keeps its limits
  };
  const cGraphic graphics[] = {
      {1, 119, "11", 19}, {4, 3, "10", 239}, {0, 119, "01", 0}, {2, 119, "01", 0}, {3, 119, "01", 0}, {9, 119, "01", 0},
  };
  for (const cGraphic& c : graphics) {
    cCtrlStates states;
    GraphicStates(c.m_nKind, 4, states);
    int32_t min = 0, max = 0;
    ASSERT_EQ(states.Range(kIdcGraphicNumber, min, max), 1);
    EXPECT_EQ(max, c.m_nNumberMax) << c.m_nKind;
    EXPECT_EQ(EnabledOf(states, {kIdcGraphicShift, kIdcGraphicPick}), c.m_pEnabled) << c.m_nKind;
    EXPECT_EQ(states.Range(kIdcGraphicShift, min, max), c.m_nShiftMax != 0);
    if (c.m_nShiftMax) {
      EXPECT_EQ(max, c.m_nShiftMax);
    }
  }
  cEdChara chara = GraphicPreviewChara(2, 40, -3);
  EXPECT_EQ(chara.m_cGraphicSheet, 2);
  EXPECT_EQ(chara.m_nGraphic, 40);
  EXPECT_EQ(chara.m_nGraphicFrame, -3);
  EXPECT_EQ(chara.m_cFaction + chara.m_cMarkShow + chara.m_cFlying + chara.m_cInvincible + chara.m_bBlock, 0);

  struct cColour {
    int32_t m_bRestore, m_bInstant;
    const char* m_pEnabled;  // red, green, blue, strength, instant, count
    int32_t m_nInstantAfter;
  };
  const cColour colours[] = {{0, 0, "111110", 0}, {0, 1, "111111", 1}, {1, 1, "000000", 0}, {1, 0, "000000", 0}};
  for (const cColour& c : colours) {
    cCtrlStates states;
    ScreenColourStates(c.m_bRestore, c.m_bInstant, states);
    EXPECT_EQ(EnabledOf(states, {kIdcColourRed, kIdcColourGreen, kIdcColourBlue, kIdcColourStrength, kIdcColourInstant,
                                 kIdcColourInstantCount}),
              c.m_pEnabled);
    EXPECT_EQ(ScreenColourInstant(c.m_bRestore, c.m_bInstant), c.m_nInstantAfter);
    EXPECT_EQ(states.Enabled(kIdcColourTime), -1) << "the time is always usable";
  }
}

// A command is inside a flow on the character sheet's flow page, or on the item command's own flow
// page ("フローデータ") while the item sheet is in use.
TEST(CmdDialogKinds, TheItemNoteIsForCommandsInsideAFlow) {
  struct cCase {
    int m_bChara, m_bItem, m_bEditFlows, m_bShown;
  };
  const cCase cases[] = {
      {1, 0, 0, 1}, {0, 1, 1, 1}, {0, 1, 0, 0}, {1, 1, 1, 1}, {0, 0, 1, 0}, {0, 0, 0, 0},
  };
  for (const cCase& c : cases) {
    cOpenSheets sheets;
    sheets.m_bChara = c.m_bChara;
    sheets.m_bItem = c.m_bItem;
    sheets.m_bEditFlows = c.m_bEditFlows;
    EXPECT_EQ(ItemGetNoteShown(sheets), c.m_bShown) << c.m_bChara << c.m_bItem << c.m_bEditFlows;
  }
}

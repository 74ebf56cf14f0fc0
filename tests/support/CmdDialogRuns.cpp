#include "tests/support/CmdDialogRuns.h"

#include "app/cValInfoData.h"
#include "database/cDatabaseSet.h"
#include "editors/CmdEffectDialogs.h"
#include "editors/CmdLookDialogs.h"
#include "editors/CmdMoveDialogs.h"
#include "editors/CmdPickDialogs.h"
#include "editors/CmdShotDialogs.h"
#include "editors/CmdStageDialogs.h"
#include "editors/CmdStatusDialogs.h"
#include "editors/StatusCondRules.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"

cCmdInput TypeNumber(uint16_t id, const char* text) { return {id, kInType, 0, text}; }
cCmdInput TypeText(uint16_t id, const char* text) { return {id, kInText, 0, text}; }
cCmdInput Choose(uint16_t id, int row) { return {id, kInRow, row, nullptr}; }
cCmdInput Tick(uint16_t id, int checked) { return {id, kInCheck, checked, nullptr}; }
cCmdInput Slide(uint16_t id, int position) { return {id, kInSlide, position, nullptr}; }
cCmdInput Click(uint16_t id) { return {id, kInClick, 0, nullptr}; }
cCmdStored Holds(tCmdRef ref, double value) { return {ref, value, nullptr}; }
cCmdStored HoldsText(const char* text) { return {&cCommandData::m_strText, 0, text}; }

namespace {
using C = cCommandData;
using M = cEdMove;
using S = cEdShot;

template <class T>
void Named(cVector<T>& table, std::initializer_list<const char*> names) {
  table.clear();
  for (const char* name : names) {
    T record;
    record.m_strName = name;
    table.push_back(record);
  }
}

cSwordTypeData SwordType(const char* name, std::initializer_list<int32_t> times) {
  cSwordTypeData type;
  type.m_strName = name;
  type.m_vPos.clear();
  for (int32_t time : times) {
    cSwordPosData pos;
    pos.m_nTime = time;
    type.m_vPos.push_back(pos);
  }
  return type;
}

tCmdRef P(int index) { return ParamRef(index); }

// Stored values of existing commands.
void MoveAt50(C& c) {
  c.m_pMove.Create();
  c.m_nTime = 5;
  c.m_pMove->m_nSpeed = 50;
}
void ShotOutsideTables(C& c) {
  c.m_pShot.Create();
  c.m_nTime = 3;
  c.m_pShot->m_cFormation = 9;
  c.m_pShot->m_cMoveType = 12;
  c.m_pShot->m_nFormParam[0] = 50;
  c.m_pShot->m_nFormParam[1] = 60;
  c.m_pShot->m_nFormParam[2] = 70;
}
void ShotLightning99(C& c) {
  c.m_pShot.Create();
  c.m_nTime = 3;
  c.m_pShot->m_cFormation = 3;
  for (int16_t& param : c.m_pShot->m_nFormParam) param = 99;
}
void SwordTime50(C& c) {
  c.m_pShot.Create();
  c.m_nTime = 50;
}
void SummonEntry7(C& c) {
  c.m_pShot.Create();
  c.m_nTime = 1;
  c.m_pShot->m_nSummonIndex = 7;
  c.m_nSound = 9;
}
void SummonEntry2(C& c) {
  c.m_pShot.Create();
  c.m_nTime = 1;
  c.m_pShot->m_nSummonIndex = 2;
}
void GiantZero(C& c) { c.m_vParam = {0, 5, 0}; }
void WarpMirrored(C& c) {
  c.m_pMove.Create();
  c.m_pMove->m_bMirrorX = 1;
  c.m_pMove->m_bMirrorY = 1;
}
void RunType7(C& c) { c.m_vParam = {2, 7, 1}; }
void BgmPast(C& c) { c.m_vParam = {40, 1}; }
}  // namespace

const std::vector<cCmdRun>& CmdDialogRuns() {
  static const std::vector<cCmdRun> runs = {
      // Movement.
      {"ground: a new command", 0, kCmdGroundMove, 1, nullptr, {}, kEndOk,
       {Holds(&C::m_nTime, 1), Holds(&M::m_nMaxSpeed, 200), Holds(&M::m_nSpeed, 10), Holds(&M::m_nDistance, 1),
        Holds(&M::m_dTurnRate, 1.0), Holds(&M::m_bUseTargetX, 1)}},
      {"ground: speed and distance 1 hbl at 161 refused", 0, kCmdGroundMove, 1, nullptr,
       {Choose(1126, 2), TypeNumber(1122, "1"), TypeNumber(1118, "161")}, kEndRefused,
       {Holds(&M::m_cTimeMode, 0), Holds(&M::m_nSpeed, 10)}},
      {"ground: speed and distance 1 hbl at 160 stored", 0, kCmdGroundMove, 1, nullptr,
       {Choose(1126, 2), TypeNumber(1122, "1"), TypeNumber(1118, "160")}, kEndOk,
       {Holds(&M::m_cTimeMode, 2), Holds(&M::m_nSpeed, 160), Holds(&M::m_nDistance, 1)}},
      {"homing: 1 dot at -10 stored", 0, kCmdHomingMove, 1, nullptr,
       {Choose(1126, 2), Choose(1131, 1), TypeNumber(1122, "1"), TypeNumber(1118, "-10"), TypeNumber(1169, "4")},
       kEndOk,
       {Holds(&M::m_cUnit, 1), Holds(&M::m_nSpeed, -10), Holds(&M::m_nHoming, 4), Holds(&M::m_nMaxSpeed, 200)}},
      {"charge: speed 0 by speed and distance refused", 0, kCmdChargeMove, 1, nullptr,
       {Choose(1126, 2), TypeNumber(1118, "0")}, kEndRefused, {Holds(&M::m_cTimeMode, 0)}},
      {"charge: time and speed take speed 0; target 4", 0, kCmdChargeMove, 1, nullptr,
       {Choose(1126, 0), TypeNumber(1118, "0"), Choose(1483, 3), TypeNumber(1130, "8000")}, kEndOk,
       {Holds(&M::m_nSpeed, 0), Holds(&M::m_cTarget, 3), Holds(&M::m_nAngle, 7200)}},
      {"circle: a new command", 0, kCmdCircleMove, 1, nullptr, {}, kEndOk,
       {Holds(&C::m_nTime, 1), Holds(&M::m_cTimeMode, 1), Holds(&M::m_nSpeed, 20), Holds(&M::m_nAngle, 0),
        Holds(&M::m_nDistance, 360), Holds(&M::m_nHoming, 6), Holds(&M::m_nMaxSpeed, 0)}},
      {"circle: speed 0 and 200 held to 180", 0, kCmdCircleMove, 1, nullptr,
       {TypeNumber(1118, "0"), TypeNumber(1120, "200"), Choose(1264, 3)}, kEndOk,
       {Holds(&M::m_nSpeed, 0), Holds(&M::m_nCloneSpeed, 180), Holds(&M::m_cDirection, 3)}},
      {"stop: OK clears what the class binds", 0, kCmdStopMove, 1, nullptr, {TypeNumber(1113, "30")}, kEndOk,
       {Holds(&C::m_nTime, 30), Holds(&C::m_nAnime, 0), Holds(&M::m_nMaxSpeed, 0), Holds(&M::m_dTurnRate, 0),
        Holds(&M::m_nSpeed, 0), Holds(&M::m_nDistance, 0), Holds(&M::m_bUseTargetX, 1)}},
      {"avoid: direction and facing", 0, kCmdEvadeMove, 1, nullptr, {Choose(1128, 12), Tick(1399, 1)}, kEndOk,
       {Holds(&M::m_cDirection, 12), Holds(&M::m_bKeepFacing, 1)}},
      {"ground: cancel keeps the stored speed", 0, kCmdGroundMove, 0, MoveAt50, {TypeNumber(1118, "20")}, kEndCancel,
       {Holds(&M::m_nSpeed, 50), Holds(&C::m_nTime, 5)}},
      {"ground: the turn rate in tenths, held to 9.9", 0, kCmdGroundMove, 1, nullptr,
       {Tick(1143, 1), TypeNumber(1141, "2.5")}, kEndOk, {Holds(&M::m_bInertia, 1), Holds(&M::m_dTurnRate, 2.5)}},
      {"ground: a turn rate of 12 held to 9.9", 0, kCmdGroundMove, 1, nullptr, {TypeNumber(1141, "12")}, kEndOk,
       {Holds(&M::m_dTurnRate, 9.9)}},
      {"ground: the close box stores nothing", 0, kCmdGroundMove, 0, MoveAt50, {TypeNumber(1118, "20")}, kEndClose,
       {Holds(&M::m_nSpeed, 50)}},

      // Shot, sword and summons.
      {"shot: a new command", 0, kCmdShot, 1, nullptr, {}, kEndOk,
       {Holds(&S::m_nGraphic, 1), Holds(&C::m_nTime, 1), Holds(&S::m_nSpeed, 20), Holds(&S::m_nPower, 1),
        Holds(&S::m_bPassBlock, 1), Holds(&S::m_cZ, 3), Holds(&C::m_nAnime, 1), Holds(&C::m_nSound, 1),
        Holds(&S::m_nEffect, 1), Holds(&S::m_cCount, 1), Holds(&S::m_cGiant, 1), Holds(&S::m_bUserFaction, 1),
        Holds(&S::m_bMirrorRotate, 1), Holds(&S::m_bMirrorX, 1), Holds(&S::m_cVanishValue, 1),
        Holds(&S::m_nLife, 1)}},
      {"shot: formation 落雷", 0, kCmdShot, 1, nullptr, {Choose(12641, 3)}, kEndOk,
       {Holds(&S::m_cFormation, 3), Holds(FormParamRef(0), 0), Holds(FormParamRef(1), 1), Holds(FormParamRef(2), 0),
        Holds(&S::m_bAimAngle, 1)}},
      {"shot: formation 爆発 clears the aim", 0, kCmdShot, 1, nullptr, {Tick(1063, 1), Choose(12641, 4)}, kEndOk,
       {Holds(&S::m_cFormation, 4), Holds(&S::m_bAimAngle, 0)}},
      {"shot: formation 拡散, then an angle of 200", 0, kCmdShot, 1, nullptr,
       {Choose(12641, 2), TypeNumber(1041, "200")}, kEndOk, {Holds(FormParamRef(0), 180)}},
      {"shot: move type ウェーブ", 0, kCmdShot, 1, nullptr, {Choose(1265, 8)}, kEndOk,
       {Holds(&S::m_cMoveType, 8), Holds(MoveParamRef(0), 4), Holds(MoveParamRef(1), 4), Holds(MoveParamRef(2), 0)}},
      {"shot: a formation and a move type outside their tables become 0", 0, kCmdShot, 0, ShotOutsideTables, {},
       kEndOk,
       {Holds(&S::m_cFormation, 0), Holds(&S::m_cMoveType, 0), Holds(FormParamRef(0), 40),
        Holds(FormParamRef(1), 60), Holds(FormParamRef(2), 70)}},
      {"shot: stored parameters held to their formation", 0, kCmdShot, 0, ShotLightning99, {}, kEndOk,
       {Holds(FormParamRef(0), 40), Holds(FormParamRef(1), 50), Holds(FormParamRef(2), 40)}},
      {"shot: cancel keeps parameters outside their limits", 0, kCmdShot, 0, ShotLightning99, {Choose(12641, 0)},
       kEndCancel, {Holds(&S::m_cFormation, 3), Holds(FormParamRef(0), 99), Holds(FormParamRef(2), 99)}},
      {"shot: an item of the common palette, power held", 0, kCmdShot, 1, nullptr,
       {Choose(1270, 1), Choose(12640, 2), TypeNumber(1065, "1234567")}, kEndOk,
       {Holds(&S::m_cItemPalette, 1), Holds(&S::m_nItemIndex, 3), Holds(&S::m_nPower, 999999)}},
      {"shot: the picked cell", 0, kCmdShot, 1, nullptr, {Click(1446)}, kEndOk, {Holds(&S::m_nGraphic, 37)}, "37"},
      {"sword: a new command", 0, kCmdSword, 1, nullptr, {}, kEndOk,
       {Holds(&C::m_nTime, 7), Holds(&S::m_cMoveType, 0), Holds(&S::m_nPower, 10), Holds(&S::m_cZ, 3),
        Holds(&S::m_bPassBlock, 1), Holds(&S::m_bPassChara, 1), Holds(&S::m_bVanishByShot, 0),
        Holds(&C::m_nAnime, 1), Holds(&C::m_nSound, 1), Holds(&S::m_nEffect, 1)}},
      {"sword: a type of more than 9999", 0, kCmdSword, 1, nullptr, {Choose(1221, 1)}, kEndOk,
       {Holds(&C::m_nTime, 9999), Holds(&S::m_cMoveType, 1)}},
      {"sword: cancel keeps the stored time", 0, kCmdSword, 0, SwordTime50, {}, kEndCancel,
       {Holds(&C::m_nTime, 50)}},
      {"sword: OK takes the type's time", 0, kCmdSword, 0, SwordTime50, {}, kEndOk, {Holds(&C::m_nTime, 7)}},
      {"chara summon: a new command", 0, kCmdCharaSummon, 1, nullptr, {}, kEndOk,
       {Holds(&S::m_nSummonIndex, 1), Holds(&S::m_cSummonPalette, 0), Holds(&S::m_bNoScore, 1),
        Holds(&S::m_bUseRange, 1), Holds(&S::m_nRange, 100), Holds(&C::m_nTime, 1), Holds(&C::m_nAnime, 1),
        Holds(&C::m_nSound, 1), Holds(&S::m_cCount, 1)}},
      {"block summon: a new command", 0, kCmdBlockSummon, 1, nullptr, {}, kEndOk,
       {Holds(&S::m_bFailOnPlayer, 0), Holds(&S::m_bFailOnEnemy, 1), Holds(&S::m_bMirrorX, 1),
        Holds(&S::m_nSummonIndex, 1)}},
      {"item summon: a new command", 0, kCmdItemSummon, 1, nullptr, {}, kEndOk,
       {Holds(&S::m_bMirrorX, 1), Holds(&S::m_bNoScore, 1), Holds(&S::m_bUseRange, 1), Holds(&S::m_nRange, 100)}},
      {"chara summon: an entry past the palette and a sound past its table stay", 0, kCmdCharaSummon, 0,
       SummonEntry7, {}, kEndOk, {Holds(&S::m_nSummonIndex, 7), Holds(&C::m_nSound, 9)}},
      {"chara summon: the stage palette keeps entry 2", 0, kCmdCharaSummon, 0, SummonEntry2,
       {Choose(1379, 1)}, kEndOk, {Holds(&S::m_cSummonPalette, 1), Holds(&S::m_nSummonIndex, 2)}},
      {"block summon: the stage palette holds entry 2 to its one block", 0, kCmdBlockSummon, 0, SummonEntry2,
       {Choose(1379, 1)}, kEndOk, {Holds(&S::m_cSummonPalette, 1), Holds(&S::m_nSummonIndex, 1)}},
      {"chara summon: a faction by number", 0, kCmdCharaSummon, 1, nullptr, {Choose(1129, 2), TypeNumber(1261, "9")},
       kEndOk, {Holds(&S::m_cFactionMode, 2), Holds(&S::m_cFaction, 8)}},

      // Status operations.
      {"status: a new command", 0, kCmdStatus, 1, nullptr, {}, kEndOk,
       {Holds(P(2), 1), Holds(P(11), 1), Holds(P(16), 1), Holds(&C::m_nTime, 0), Holds(&C::m_bParallel, 1)}},
      {"status: the system time takes constants of -999 to 999", 0, kCmdStatus, 1, nullptr,
       {Choose(1400, 5), Choose(1401, 0), TypeNumber(1403, "5000")}, kEndOk,
       {Holds(P(3), 5), Holds(P(4), 0), Holds(P(7), 999)}},
      {"status: a random number within the Z range", 0, kCmdStatus, 1, nullptr,
       {Choose(11177, 1), Choose(1401, 6), TypeNumber(1048, "-20"), TypeNumber(1054, "20")}, kEndOk,
       {Holds(P(6), 1), Holds(P(4), 6), Holds(P(8), -8), Holds(P(9), 8)}},
      {"status: the item effect set sizes 18 parameters", 1, 7, 1, nullptr, {Choose(1174, 3)}, kEndOk,
       {Holds(P(5), 3), Holds(P(17), 0), Holds(P(16), 1)}},
      {"status2: a new command", 0, kCmdStatus2, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 0), Holds(P(1), 0), Holds(P(2), 0), Holds(&C::m_bParallel, 1)}},
      {"status2: 巨大化 holds 1 even after cancel", 0, kCmdStatus2, 0, GiantZero, {}, kEndCancel, {Holds(P(2), 1)}},
      {"status2: the system's scroll statuses", 0, kCmdStatus2, 1, nullptr,
       {Choose(1173, 3), Choose(1397, 3), Choose(11174, 5)}, kEndOk,
       {Holds(P(0), 5), Holds(P(1), 1), Holds(P(2), 1)}},

      // Stage clear, game wait, warp, target, vanish.
      {"stage clear: a new command", 0, kCmdStageClear, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 0), Holds(P(1), 1), Holds(P(8), 1), Holds(&C::m_nTime, 0), Holds(&C::m_bParallel, 0),
        HoldsText("")}},
      {"stage clear: a file in data\\stg4 by its relative path", 0, kCmdStageClear, 1, nullptr,
       {Choose(1313, 2), Click(1248)}, kEndOk, {Holds(P(0), 2), HoldsText(".\\data\\stg4\\stage-2.stg4_0")},
       "{cwd}\\data\\stg4\\stage-2.stg4_0"},
      {"stage clear: a file on another drive changes nothing", 0, kCmdStageClear, 1, nullptr,
       {Choose(1313, 2), TypeText(1247, "a.stg4_1"), Click(1248)}, kEndOk, {HoldsText("a.stg4_1")}, "{other}"},
      {"stage clear: number and positions held", 0, kCmdStageClear, 1, nullptr,
       {Choose(1313, 1), TypeNumber(1314, "150"), Tick(1438, 1), TypeNumber(1320, "1200"), Choose(1324, 2)}, kEndOk,
       {Holds(P(1), 99), Holds(P(5), 1), Holds(P(6), 999), Holds(P(8), 2)}},
      {"game wait: a new command", 0, kCmdGameWait, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 20), Holds(&C::m_nTime, 0), Holds(&C::m_bParallel, 0)}},
      {"game wait: an item effect held to 999", 1, kCmdGameWait - kItemCmdOffset, 1, nullptr,
       {TypeNumber(1113, "1000")}, kEndOk, {Holds(P(0), 999)}},
      {"warp: a new command", 0, kCmdWarp, 1, nullptr, {}, kEndOk,
       {Holds(&M::m_cSetType, 0), Holds(&M::m_nDistance, 2), Holds(&M::m_bMirrorX, 0), Holds(&C::m_bParallel, 1)}},
      {"warp: absolute target coordinates clear both mirrors", 0, kCmdWarp, 0, WarpMirrored,
       {Choose(1127, 5), Choose(1129, 1)}, kEndOk,
       {Holds(&M::m_cSetType, 5), Holds(&M::m_cTargetType, 1), Holds(&M::m_bMirrorX, 0), Holds(&M::m_bMirrorY, 0)}},
      {"warp: relative coordinates keep them", 0, kCmdWarp, 0, WarpMirrored, {Choose(1127, 5)}, kEndOk,
       {Holds(&M::m_bMirrorX, 1), Holds(&M::m_bMirrorY, 1)}},
      {"target: a new command", 0, kCmdSetTarget, 1, nullptr, {}, kEndOk,
       {Holds(P(5), 1), Holds(P(7), 1), Holds(P(12), 1), Holds(&C::m_bParallel, 1), Holds(&C::m_nTime, 0)}},
      {"target: the nearest character by variable", 0, kCmdSetTarget, 1, nullptr,
       {Choose(1390, 2), Tick(1398, 1), Choose(1429, 7), TypeNumber(1477, "-5"), Choose(1479, 2), Choose(1399, 1)},
       kEndOk,
       {Holds(P(1), 2), Holds(P(11), 1), Holds(P(12), 8), Holds(P(13), -5), Holds(P(14), 2), Holds(P(15), 1)}},
      {"vanish: a new command", 0, kCmdVanish, 1, nullptr, {Choose(11175, 3), TypeNumber(1261, "9")}, kEndOk,
       {Holds(P(0), 3), Holds(P(1), 7), Holds(&C::m_bParallel, 1)}},

      // Items, animes, sounds, BGM, backgrounds.
      {"item: a new command", 0, kCmdTakeItem, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 0), Holds(P(1), 1), Holds(&C::m_bParallel, 1)}},
      {"item: the stage palette's item", 0, kCmdTakeItem, 1, nullptr, {Choose(1408, 1), Choose(1409, 0)}, kEndOk,
       {Holds(P(0), 1), Holds(P(1), 1)}},
      {"item: a common palette entry's command", 0, kCmdTakeItem, 1, nullptr, {Choose(1409, 2)}, kEndOk,
       {Holds(P(0), 0), Holds(P(1), 3)}, nullptr, 2},
      {"anime set: the second set", 0, kCmdAnimeSet, 1, nullptr, {Choose(1223, 1)}, kEndOk, {Holds(P(0), 1)}},
      {"anime: row 2 is anime 3", 0, kCmdAnime, 1, nullptr, {Choose(1263, 2)}, kEndOk, {Holds(P(0), 3)}},
      {"sound: row 1 is sound 2, heard at once", 0, kCmdSound, 1, nullptr, {Choose(1131, 1), Tick(1435, 0)}, kEndOk,
       {Holds(P(0), 2), Holds(&C::m_bMuteOffScreen, 0)}},
      {"BGM: played, then stopped by OK", 0, kCmdBgm, 1, nullptr, {Click(1309), Tick(1168, 1)}, kEndOk,
       {Holds(P(0), 1), Holds(P(1), 1)}},
      {"BGM: a BGM past the table stays", 0, kCmdBgm, 0, BgmPast, {}, kEndOk, {Holds(P(0), 40)}},
      {"background: number held to 8", 0, kCmdBackground, 1, nullptr, {TypeNumber(1259, "9"), Choose(1261, 2)}, kEndOk,
       {Holds(P(0), 8), Holds(P(1), 2)}},

      // Effects and pictures.
      {"effect: a new command", 0, kCmdEffect, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 1), Holds(P(6), 100), Holds(&C::m_bParallel, 1), Holds(&C::m_nTime, 0)}},
      {"effect: paused is not parallel", 0, kCmdEffect, 1, nullptr, {Tick(1231, 1)}, kEndOk,
       {Holds(P(7), 1), Holds(&C::m_bParallel, 0)}},
      {"chara effect: a run type outside its table is stored as 0", 0, kCmdCharaEffect, 0, RunType7, {}, kEndOk,
       {Holds(P(0), 2), Holds(P(1), 0), Holds(P(2), 1)}},
      {"screen effect: a new command", 0, kCmdScrEffect, 1, nullptr, {Choose(1178, 2)}, kEndOk,
       {Holds(P(0), 1), Holds(P(1), 2)}},
      {"picture: a new command", 0, kCmdPicture, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 1), Holds(P(6), 1), Holds(P(7), 100), Holds(P(8), 0), Holds(P(9), 10), Holds(P(10), 1),
        Holds(&C::m_bParallel, 0)}},
      {"picture: until the stage ends runs in parallel", 0, kCmdPicture, 1, nullptr, {Choose(1233, 1)}, kEndOk,
       {Holds(P(8), 1), Holds(P(10), 0), Holds(&C::m_bParallel, 1)}},
      {"picture: an instant takes time 1", 0, kCmdPicture, 1, nullptr,
       {Choose(1233, 2), TypeNumber(1113, "50"), Tick(1239, 1)}, kEndOk, {Holds(P(9), 1), Holds(P(14), 1)}},

      // Graphic and screen colour.
      {"graphic: a new command", 0, kCmdGraphic, 1, nullptr, {}, kEndOk,
       {Holds(P(0), 1), Holds(P(1), 1), Holds(P(2), 0), Holds(&C::m_bParallel, 1)}},
      {"graphic: the shift held to the character sheet", 0, kCmdGraphic, 1, nullptr, {TypeNumber(1038, "30")}, kEndOk,
       {Holds(P(2), 19)}},
      {"graphic: a dedicated bitmap past the table", 0, kCmdGraphic, 1, nullptr,
       {TypeNumber(1036, "50"), Choose(1254, 4), TypeNumber(1038, "200")}, kEndOk,
       {Holds(P(0), 4), Holds(P(1), 3), Holds(P(2), 200)}},
      {"graphic: a picked item cell", 0, kCmdGraphic, 1, nullptr, {Choose(1254, 2), Click(1446)}, kEndOk,
       {Holds(P(0), 2), Holds(P(1), 12)}, "12"},
      {"screen colour: a new command stores count 1", 0, kCmdScreenColour, 1, nullptr, {Slide(1245, 255)}, kEndOk,
       {Holds(P(0), 255), Holds(P(7), 1), Holds(&C::m_bParallel, 1)}},
      {"screen colour: restoring clears the instant", 0, kCmdScreenColour, 1, nullptr,
       {Tick(1248, 1), TypeNumber(1208, "5"), Tick(1241, 1)}, kEndOk, {Holds(P(4), 1), Holds(P(6), 0), Holds(P(7), 5)}},
  };
  return runs;
}

void SetUpCmdDialogWorld() {
  cDatabaseSet& db = g_DatabaseSet;
  Named(db.m_vAnime, {"なし", "歩く", "走る", "跳ぶ"});
  Named(db.m_vSound, {"なし", "ジャンプ音", "爆発音"});
  db.m_vSound[1].m_strPath = "wave\\jump.wav";
  db.m_vSound[2].m_strPath = "wave\\bomb.wav";
  Named(db.m_vEffect, {"なし", "火花", "煙"});
  Named(db.m_vPicture, {"なし", "看板", "地図"});
  Named(db.m_vCharaEffect, {"なし", "点滅", "揺れ"});
  Named(db.m_vScrEffect, {"なし", "暗転", "地震"});
  Named(db.m_vAnimeSet, {"勇者", "兵士"});
  Named(db.m_vBgm, {"なし", "草原", "洞窟"});
  db.m_vBgm[1].m_strPath = "bgm\\field.ogg";
  db.m_vBgm[2].m_strPath = "bgm\\cave.mid";
  Named(db.m_vCharaExc, {"なし", "巨人", "竜", "鳥"});
  db.m_vSwordType = {SwordType("短剣", {3, 4}), SwordType("大剣", {5000, 5000, 2})};
  g_CommonPalette.m_vBlock.Reset(3);
  g_CommonPalette.m_vChara.Reset(3);
  g_CommonPalette.m_vItem.Reset(4);
  g_StageDoc.m_vStageBlock.Reset(2);
  g_StageDoc.m_vStageChara.Reset(4);
  g_StageDoc.m_vStageItem.Reset(2);
  g_vValInfo.Reset(1000);
  g_StageDoc.m_vStageVarName.Reset(1000);
  g_vValInfo[1].m_strName = "所持金";
  RegisterVariableNames(kVarScopeCommon, &g_vValInfo);
  RegisterVariableNames(kVarScopeStage, &g_StageDoc.m_vStageVarName);
  FillScrollStatusTable(ScrollStatusTable, ScrollKindNames);
  g_StatusOpMemory.Forget();
}

cCommandData CmdRunCommand(const cCmdRun& run) {
  cCommandData command;
  command.m_cSet = run.m_nSet;
  command.m_cKind = run.m_nKind;
  if (run.m_pSetup) run.m_pSetup(command);
  return command;
}

std::string CmdRunPath(const char* answer, const std::string& workingFolder, const std::string& otherDrive) {
  std::string path = answer ? answer : "";
  if (path == "{other}") return otherDrive;
  const std::string cwd = "{cwd}";
  if (path.compare(0, cwd.size(), cwd) == 0) path = workingFolder + path.substr(cwd.size());
  return path;
}

#include "tests/support/CmdDialogRows.h"

#include <cmath>
#include <sstream>

#include "app/cValInfoData.h"
#include "database/cDatabaseSet.h"
#include "editors/CodeArrangeLoopRules.h"
#include "editors/EffectCommandRules.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/LookCommandRules.h"
#include "editors/MediaCommandRules.h"
#include "editors/MessageCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/OtherMoveRules.h"
#include "editors/ShotCommandRules.h"
#include "editors/StageCommandRules.h"
#include "editors/StatusCondRules.h"
#include "editors/StatusOpRules.h"
#include "editors/WaitTurnJumpRules.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"

namespace {
using C = cCommandData;
using M = cEdMove;

const cStoredValue kNoMoveFields[] = {
    Stored(&M::m_cTimeMode, 0), Stored(&M::m_cDirection, 0), Stored(&M::m_nSpeed, 0),
    Stored(&M::m_nCloneSpeed, 0), Stored(&M::m_nDistance, 0), Stored(&M::m_nCloneDistance, 0),
    Stored(&M::m_cUnit, 0),      Stored(&M::m_bKeepFacing, 0), Stored(&M::m_bInertia, 0),
    Stored(&M::m_nMaxSpeed, 0),  StoredDouble(&M::m_dTurnRate, 0.0), Stored(&M::m_bNoMoveAnime, 0),
    Stored(&C::m_nAnime, 0),
};

std::vector<cStoredValue> WithZeroedMove(std::vector<cStoredValue> values) {
  values.insert(values.end(), std::begin(kNoMoveFields), std::end(kNoMoveFields));
  return values;
}

void ParallelCircleMove(C& command) {
  command.m_pMove.Create();
  command.m_pMove->m_cTimeMode = 1;
  command.m_bParallel = 1;
}

void StoppedMoveWithSpeedMode(C& command) {
  command.m_pMove.Create();
  command.m_pMove->m_cTimeMode = 2;
  command.m_pMove->m_nSpeed = 0;
  command.m_pMove->m_nDistance = 3;
  command.m_pMove->m_cDirection = 5;
  command.m_nAnime = 3;
  command.m_nTime = 12;
}

void MoveOutsideItsTables(C& command) {
  command.m_pMove.Create();
  command.m_pMove->m_cTimeMode = 7;
  command.m_pMove->m_cSetType = -2;
  command.m_pMove->m_cUnit = 9;
  command.m_pMove->m_nSpeed = 0;
  command.m_nTime = 5;
}

void ShortJump(C& command) { command.m_vParam.assign(1, 2); }

void QuietMessage(C& command) {
  command.m_vParam.assign(18, 0);
  command.m_vParam[kMsgDuration] = 2;
  command.m_vParam[kMsgTime] = 40;
  command.m_strText = "前の文";
}


using S = cEdShot;

// Stored values of existing commands of the kinds that create, move, pick and show.
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

const std::vector<cCmdDialogRow> kRows = {
    // ウエイト
    {"new wait stores time, clone and parallel", 0, kCmdWait, 1, nullptr, 0,
     {Set(kIdcCmdTime, 25), Set(kIdcCmdTimeClone, -3), Set(kIdcCmdParallel, 1)}, 1, {},
     {Stored(&C::m_nTime, 25), Stored(&C::m_nCloneTime, -3), Stored(&C::m_bParallel, 1)}},
    {"wait edits hold their limits", 0, kCmdWait, 1, nullptr, 0,
     {Set(kIdcCmdTime, 0), Set(kIdcCmdTimeClone, 900)}, 1, {},
     {Stored(&C::m_nTime, 1), Stored(&C::m_nCloneTime, 500), Stored(&C::m_bParallel, 0)}},

    // 直線移動
    {"new straight move keeps its defaults", 0, kCmdStraightMove, 1, nullptr, 0, {}, 1, {},
     {Stored(&C::m_nTime, 1), Stored(&M::m_nSpeed, 10), Stored(&M::m_nMaxSpeed, 200), Stored(&M::m_bUseTargetX, 1),
      Stored(&M::m_bUseTargetY, 1), Stored(&M::m_bUntilTarget, 1), Stored(&M::m_bMirrorRotate, 1),
      Stored(&M::m_bMirrorX, 1), Stored(&M::m_bMirrorY, 0), Stored(&M::m_bReverseOnTurn, 1),
      StoredDouble(&M::m_dTurnRate, 1.0)}},
    {"speed and distance, 1 hbl at speed 160, is accepted", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 160)}, 1, {},
     {Stored(&M::m_cTimeMode, 2), Stored(&M::m_nDistance, 1), Stored(&M::m_nSpeed, 160)}},
    {"speed and distance, 1 hbl at speed 161, is refused", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 161)}, 0, {kMoveRatioRefusal},
     {Stored(&M::m_cTimeMode, 0), Stored(&M::m_nDistance, 0), Stored(&M::m_nSpeed, 10)}},
    {"speed and distance, 1 hbl at speed -160, is accepted", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, -160)}, 1, {},
     {Stored(&M::m_nSpeed, -160)}},
    {"speed and distance, 1 dot at speed 10, is accepted", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveUnit, 1), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 10)}, 1, {},
     {Stored(&M::m_cUnit, 1), Stored(&M::m_nDistance, 1), Stored(&M::m_nSpeed, 10)}},
    {"speed and distance, 1 dot at speed 11, is refused", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveUnit, 1), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 11)}, 0,
     {kMoveRatioRefusal}, {Stored(&M::m_cUnit, 0)}},
    {"speed and distance at speed 0 is refused", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveSpeed, 0)}, 0, {kMoveRatioRefusal}, {Stored(&M::m_nSpeed, 10)}},
    {"time and speed accepts speed 0", 0, kCmdStraightMove, 1, nullptr, 0, {Set(kIdcMoveSpeed, 0)}, 1, {},
     {Stored(&M::m_nSpeed, 0)}},
    {"time and distance keeps the disabled speed", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 1), Refused(kIdcMoveSpeed, 0), Set(kIdcMoveDistance, 70)}, 1, {},
     {Stored(&M::m_cTimeMode, 1), Stored(&M::m_nSpeed, 10), Stored(&M::m_nDistance, 64)}},
    {"an absolute target clears both mirror checks", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveDirMode, 1), Set(kIdcMoveMirrorY, 1), Set(kIdcMoveTargetMode, 2), Refused(kIdcMoveMirrorX, 1)}, 1,
     {},
     {Stored(&M::m_cSetType, 1), Stored(&M::m_cTargetType, 2), Stored(&M::m_bMirrorX, 0),
      Stored(&M::m_bMirrorY, 0)}},
    {"targets are edited by target coordinates only", 0, kCmdStraightMove, 1, nullptr, 0,
     {Refused(kIdcMoveTargetX, 5), Set(kIdcMoveDirMode, 1), Set(kIdcMoveTargetX, 5), Set(kIdcMoveTargetDotX, -700),
      Set(kIdcMoveUseTargetY, 0), Refused(kIdcMoveTargetY, 3), Refused(kIdcMoveDir, 4)},
     1, {},
     {Stored(&M::m_nTargetX, 5), Stored(&M::m_nTargetDotX, -640), Stored(&M::m_bUseTargetY, 0),
      Stored(&M::m_nTargetY, 0), Stored(&M::m_cDirection, 0)}},
    {"the input direction has no mirrored rotation", 0, kCmdStraightMove, 1, nullptr, 0,
     {Set(kIdcMoveDir, 12), Refused(kIdcMoveMirrorRotate, 0), Set(kIdcMoveAngle, -8000)}, 1, {},
     {Stored(&M::m_cDirection, 12), Stored(&M::m_bMirrorRotate, 1), Stored(&M::m_nAngle, -7200)}},
    {"inertia enables its speed and turn rate", 0, kCmdStraightMove, 1, nullptr, 0,
     {Refused(kIdcMoveMaxSpeed, 100), Set(kIdcMoveInertia, 1), Set(kIdcMoveMaxSpeed, 150),
      Type(kIdcMoveTurnRate, "2.5"), Set(kIdcMoveNoMoveAnime, 1)},
     1, {},
     {Stored(&M::m_bInertia, 1), Stored(&M::m_nMaxSpeed, 150), StoredDouble(&M::m_dTurnRate, 2.5),
      Stored(&M::m_bNoMoveAnime, 1)}},
    {"a setting type outside its table counts as time and speed", 0, kCmdStraightMove, 0, MoveOutsideItsTables, 0,
     {}, 1, {},
     {Stored(&M::m_cTimeMode, 0), Stored(&M::m_cSetType, 0), Stored(&M::m_cUnit, 0), Stored(&M::m_nSpeed, 0),
      Stored(&C::m_nTime, 5)}},

    // 移動の無効化
    {"a new stop move stores zeros for every movement control its template lacks", 0, kCmdStopMove, 1, nullptr, 0,
     {Set(kIdcCmdTime, 4), Set(kIdcCmdParallel, 1), Refused(kIdcMoveSpeed, 20), Refused(kIdcMoveTimeMode, 2)}, 1, {},
     WithZeroedMove({Stored(&C::m_nTime, 4), Stored(&C::m_bParallel, 1)})},
    {"an existing stop move is never refused", 0, kCmdStopMove, 0, StoppedMoveWithSpeedMode, 0, {}, 1, {},
     WithZeroedMove({Stored(&C::m_nTime, 12)})},

    // 向き変更
    {"new turn faces away from the last block", 0, kCmdTurn, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 11), Stored(&C::m_nTime, 1), Stored(&C::m_bParallel, 0)}},
    {"turn stores its facing", 0, kCmdTurn, 1, nullptr, 0, {Set(kIdcTurnFacing, 4), Refused(kIdcTurnFacing, 12)}, 1,
     {}, {Stored(Param(0), 4)}},

    // ジャンプ
    {"new jump opens with its heights", 0, kCmdJump, 1, nullptr, 0,
     {Refused(kIdcJumpHighSpeed, 50), Refused(kIdcJumpLowHeight, 9), Set(kIdcJumpHighHeight, 21)}, 1, {},
     {Stored(Param(0), 0), Stored(Param(1), 100), Stored(Param(2), 20), Stored(Param(3), 0), Stored(Param(4), 4),
      Stored(&C::m_nTime, 1), Stored(&C::m_bParallel, 1), Stored(&C::m_bMuteOffScreen, 1)}},
    {"a jump by speed edits every height", 0, kCmdJump, 1, nullptr, 0,
     {Set(kIdcJumpType, 2), Set(kIdcJumpHighSpeed, 250), Set(kIdcJumpLowSpeed, 20), Set(kIdcJumpLowHeight, 0),
      Set(kIdcCmdSoundInView, 0)},
     1, {},
     {Stored(Param(0), 2), Stored(Param(1), 200), Stored(Param(3), 20), Stored(Param(4), 1),
      Stored(&C::m_bMuteOffScreen, 0)}},
    {"a short jump is lengthened and its heights held to their limits", 0, kCmdJump, 0, ShortJump, 0, {}, 1, {},
     {Stored(Param(0), 2), Stored(Param(1), 0), Stored(Param(2), 1), Stored(Param(3), 0), Stored(Param(4), 1),
      Stored(&C::m_nTime, 0)}},

    // フローの操作
    {"new flow operation", 0, kCmdFlowOp, 1, nullptr, 0, {Refused(kIdcFlowOpId, 3), Refused(kIdcFlowOpJudge, 1)}, 1,
     {},
     {Stored(Param(0), 0), Stored(Param(1), 0), Stored(Param(2), 0), Stored(Param(3), 0), Stored(&C::m_nTime, 0),
      Stored(&C::m_bParallel, 1), Stored(&cCondList::m_bHasCond, 0), Stored(&cCondList::m_cJudge, 0)}},
    {"another character's flows are chosen by ID", 0, kCmdFlowOp, 1, nullptr, 0,
     {Set(kIdcFlowOpTarget, 2), Refused(kIdcFlowOpScope, 0), Set(kIdcFlowOpId, 5), Set(kIdcFlowOpOperation, 5)}, 1,
     {}, {Stored(Param(3), 2), Stored(Param(1), 2), Stored(Param(2), 5), Stored(Param(0), 5)}},
    {"back to itself the ID scope stays until changed", 0, kCmdFlowOp, 1, nullptr, 0,
     {Set(kIdcFlowOpTarget, 2), Set(kIdcFlowOpTarget, 0), Set(kIdcFlowOpId, 4), Set(kIdcFlowOpScope, 1),
      Refused(kIdcFlowOpId, 6)},
     1, {}, {Stored(Param(3), 0), Stored(Param(1), 1), Stored(Param(2), 4)}},
    {"conditions take their judge type once ticked", 0, kCmdFlowOp, 1, nullptr, 0,
     {Set(kIdcFlowOpHasCond, 1), Set(kIdcFlowOpJudge, 1)}, 1, {},
     {Stored(&cCondList::m_bHasCond, 1), Stored(&cCondList::m_cJudge, 1)}},

    // メッセージ
    {"new message pauses and is not parallel", 0, kCmdMessage, 1, nullptr, 0,
     {Refused(kIdcMsgPause, 0), Refused(kIdcMsgTime, 5), Refused(kIdcMsgX, 3), Type(kIdcMsgText, "こんにちは")},
     1,
     {},
     {Stored(Param(kMsgPos), 0), Stored(Param(kMsgAutoFit), 1), Stored(Param(kMsgDuration), 0),
      Stored(Param(kMsgTime), 30), Stored(Param(kMsgPause), 1), Stored(Param(kMsgWindow), 1),
      Stored(Param(kMsgInterval), 1), Stored(Param(kMsgClear), 0), Stored(&C::m_bParallel, 0),
      Stored(&C::m_nTime, 0), StoredText(&C::m_strText, "こんにちは")}},
    {"until the stage ends the message does not pause and runs in parallel", 0, kCmdMessage, 1, nullptr, 0,
     {Set(kIdcMsgDuration, 1), Set(kIdcMsgFollow, 1)}, 1, {},
     {Stored(Param(kMsgDuration), 1), Stored(Param(kMsgPause), 0), Stored(Param(kMsgFollow), 1),
      Stored(&C::m_bParallel, 1)}},
    {"an instant message by time shows time 1", 0, kCmdMessage, 1, nullptr, 0,
     {Set(kIdcMsgDuration, 2), Set(kIdcMsgTime, 80), Set(kIdcMsgInstant, 1), Refused(kIdcMsgTime, 50)}, 1, {},
     {Stored(Param(kMsgTime), 1), Stored(Param(kMsgInstant), 1), Stored(Param(kMsgPause), 1),
      Stored(&C::m_bParallel, 0)}},
    {"a message by time without pause is parallel", 0, kCmdMessage, 1, nullptr, 0,
     {Set(kIdcMsgDuration, 2), Set(kIdcMsgTime, 80), Set(kIdcMsgPause, 0)}, 1, {},
     {Stored(Param(kMsgTime), 80), Stored(Param(kMsgPause), 0), Stored(&C::m_bParallel, 1)}},
    {"clearing a message leaves only its ID", 0, kCmdMessage, 1, nullptr, 0,
     {Set(kIdcMsgClear, 1), RefusedText(kIdcMsgText, "x"), Refused(kIdcMsgDuration, 1), Set(kIdcMsgHasId, 1),
      Set(kIdcMsgId, 1200)},
     1, {},
     {Stored(Param(kMsgClear), 1), Stored(Param(kMsgHasId), 1), Stored(Param(kMsgId), 999),
      Stored(Param(kMsgDuration), 0), StoredText(&C::m_strText, "")}},
    {"screen coordinates are given by the position", 0, kCmdMessage, 1, nullptr, 0,
     {Set(kIdcMsgPos, 7), Set(kIdcMsgX, 25), Set(kIdcMsgY, 3), Set(kIdcMsgOffsetX, -1000)}, 1, {},
     {Stored(Param(kMsgPos), 7), Stored(Param(kMsgX), 20), Stored(Param(kMsgY), 3), Stored(Param(kMsgOffsetX), -999)}},
    {"variables refresh at an interval only when both are ticked", 0, kCmdMessage, 1, nullptr, 0,
     {Refused(kIdcMsgAutoUpdate, 1), Set(kIdcMsgShowVars, 1), Refused(kIdcMsgInterval, 9), Set(kIdcMsgAutoUpdate, 1),
      Set(kIdcMsgInterval, 9)},
     1, {}, {Stored(Param(kMsgShowVars), 1), Stored(Param(kMsgAutoUpdate), 1), Stored(Param(kMsgInterval), 9)}},
    {"a message text is stored as typed", 0, kCmdMessage, 1, nullptr, 0, {Type(kIdcMsgText, "100% %s %n\r\n#C1.")}, 1,
     {}, {StoredText(&C::m_strText, "100% %s %n\r\n#C1.")}},
    {"an existing quiet message becomes parallel on OK", 0, kCmdMessage, 0, QuietMessage, 0, {}, 1, {},
     {Stored(Param(kMsgTime), 40), Stored(&C::m_bParallel, 1), StoredText(&C::m_strText, "前の文")}},
    {"an item effect message has the same dialog", 1, 4, 1, nullptr, 0, {Set(kIdcMsgDuration, 1)}, 1, {},
     {Stored(Param(kMsgDuration), 1), Stored(Param(kMsgPause), 0), Stored(&C::m_bParallel, 1)}},

    // コードの実行
    {"a new empty code is accepted", 0, kCmdCode, 1, nullptr, 0, {}, 1, {},
     {StoredText(&C::m_strText, ""), Stored(&C::m_nTime, 0), Stored(&C::m_bParallel, 1)}},
    {"code the checker reads is stored", 0, kCmdCode, 1, nullptr, 0, {Type(kIdcCodeText, "hp = hp + 10")}, 1, {},
     {StoredText(&C::m_strText, "hp = hp + 10")}},
    {"an operator touching its operands is refused", 0, kCmdCode, 1, nullptr, 0, {Type(kIdcCodeText, "hp=hp+10")}, 0,
     {"定数 \"hp=hp+10\" が認識できません！"}, {StoredText(&C::m_strText, "")}},
    {"code holding % is reported as typed", 0, kCmdCode, 1, nullptr, 0, {Type(kIdcCodeText, "C1 = %s%n")}, 0,
     {"定数 \"%s%n\" が認識できません！"}, {StoredText(&C::m_strText, "")}},
    {"without the compatibility switch a parenthesised 0 divides", 0, kCmdCode, 1, nullptr, 0,
     {Type(kIdcCodeText, "C1 = 5 / (1 + 2 - 3)")}, 0, {"0除算が行われました！(C1 = 5 / 0)"}, {}},
    {"with the compatibility switch the same code passes", 0, kCmdCode, 1, nullptr, 1,
     {Type(kIdcCodeText, "C1 = 5 / (1 + 2 - 3)")}, 1, {}, {StoredText(&C::m_strText, "C1 = 5 / (1 + 2 - 3)")}},
    {"an item effect code is the same dialog", 1, 22, 1, nullptr, 0, {Type(kIdcCodeText, "sys.time = tg1.v3")}, 1,
     {}, {StoredText(&C::m_strText, "sys.time = tg1.v3"), Stored(&C::m_bParallel, 1)}},

    // アレンジ
    {"new arrange targets the straight move's first setting", 0, kCmdArrange, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 2), Stored(Param(1), 0), Stored(Param(2), 0), Stored(Param(3), 0), Stored(Param(4), 1),
      Stored(&C::m_nTime, 0), Stored(&C::m_bParallel, 1)}},
    {"a target without settings locks the variable controls", 0, kCmdArrange, 1, nullptr, 0,
     {Set(kIdcArrangeParam, 4), Set(kIdcArrangeKind, 1), Refused(kIdcArrangeOperation, 2),
      Refused(kIdcArrangeScope, 1)},
     1, {}, {Stored(Param(0), 1), Stored(Param(1), 0), Stored(Param(2), 0), Stored(Param(3), 0)}},
    {"character variables are eight", 0, kCmdArrange, 1, nullptr, 0,
     {Set(kIdcArrangeVar, 500), Set(kIdcArrangeScope, 2), Refused(kIdcArrangeVar, 9), Set(kIdcArrangeOperation, 6)}, 1,
     {}, {Stored(Param(3), 2), Stored(Param(4), 8), Stored(Param(2), 6)}},
    {"the chosen setting stays on the new target's rows", 0, kCmdArrange, 1, nullptr, 0,
     {Set(kIdcArrangeParam, 5), Set(kIdcArrangeKind, 12), Refused(kIdcArrangeParam, 4)}, 1, {},
     {Stored(Param(0), 12), Stored(Param(1), 3)}},

    // ループ
    {"new loop repeats the next command twice", 0, kCmdLoop, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(1), 1), Stored(Param(0), 2), Stored(&C::m_nTime, 0), Stored(&C::m_bParallel, 1)}},
    {"loop counts hold their limits", 0, kCmdLoop, 1, nullptr, 0,
     {Set(kIdcLoopCommands, 1000), Set(kIdcLoopTimes, 0)}, 1, {}, {Stored(Param(1), 999), Stored(Param(0), 1)}},
    {"an item effect loop", 1, 24, 1, nullptr, 0, {Set(kIdcLoopTimes, 99)}, 1, {},
     {Stored(Param(1), 1), Stored(Param(0), 99)}},

    // フローの変更
    {"a new flow change adds flows", 1, kItemCmdFlowChange, 1, nullptr, 0, {Refused(kIdcItemFlowDeleteId, 3)}, 1, {},
     {Stored(Param(0), 0), Stored(Param(1), 0), Stored(&C::m_nTime, 0), Stored(&C::m_bParallel, 0)}},
    {"a flow change deletes by ID", 1, kItemCmdFlowChange, 1, nullptr, 0,
     {Set(kIdcItemFlowOperation, 2), Set(kIdcItemFlowDeleteId, 26)}, 1, {},
     {Stored(Param(0), 2), Stored(Param(1), 26)}},

    // 地上折り返し移動, 円移動, 突撃移動, 誘導移動, 画面外回避移動
    {"new ground move", 0, kCmdGroundMove, 1, nullptr, 0, {}, 1, {},
     {Stored(&C::m_nTime, 1), Stored(&M::m_nMaxSpeed, 200), Stored(&M::m_nSpeed, 10), Stored(&M::m_nDistance, 1),
      StoredDouble(&M::m_dTurnRate, 1.0), Stored(&M::m_bUseTargetX, 1)}},
    {"ground move refuses 1 hbl at speed 161", 0, kCmdGroundMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 161)}, 0, {kMoveRatioRefusal},
     {Stored(&M::m_cTimeMode, 0), Stored(&M::m_nSpeed, 10)}},
    {"ground move takes 1 hbl at speed 160", 0, kCmdGroundMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, 160)}, 1, {},
     {Stored(&M::m_cTimeMode, 2), Stored(&M::m_nSpeed, 160), Stored(&M::m_nDistance, 1)}},
    {"ground move's turn rate in tenths, held to 9.9", 0, kCmdGroundMove, 1, nullptr, 0,
     {Refused(kIdcMoveMaxSpeed, 5), Set(kIdcMoveInertia, 1), Type(kIdcMoveTurnRate, "12")}, 1, {},
     {Stored(&M::m_bInertia, 1), StoredDouble(&M::m_dTurnRate, 9.9)}},
    {"ground move of an existing command", 0, kCmdGroundMove, 0, MoveAt50, 0, {Set(kIdcMoveInertia, 1)}, 1, {},
     {Stored(&M::m_nSpeed, 50), Stored(&C::m_nTime, 5), Stored(&M::m_bInertia, 1)}},
    {"homing move, 1 dot at speed -10", 0, kCmdHomingMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveUnit, 1), Set(kIdcMoveDistance, 1), Set(kIdcMoveSpeed, -10),
      Set(kIdcMoveHoming, 4)},
     1, {},
     {Stored(&M::m_cUnit, 1), Stored(&M::m_nSpeed, -10), Stored(&M::m_nHoming, 4), Stored(&M::m_nMaxSpeed, 200)}},
    {"charge move refuses speed 0 by speed and distance", 0, kCmdChargeMove, 1, nullptr, 0,
     {Set(kIdcMoveTimeMode, 2), Set(kIdcMoveSpeed, 0)}, 0, {kMoveRatioRefusal}, {Stored(&M::m_cTimeMode, 0)}},
    {"charge move by time and speed takes speed 0", 0, kCmdChargeMove, 1, nullptr, 0,
     {Set(kIdcMoveSpeed, 0), Set(kIdcMoveTarget, 3), Set(kIdcMoveAngle, 8000), Refused(kIdcMoveDistance, 5)}, 1, {},
     {Stored(&M::m_nSpeed, 0), Stored(&M::m_cTarget, 3), Stored(&M::m_nAngle, 7200)}},
    {"new circle move", 0, kCmdCircleMove, 1, nullptr, 0, {Refused(kIdcCmdTime, 5)}, 1, {},
     {Stored(&C::m_nTime, 1), Stored(&M::m_cTimeMode, 1), Stored(&M::m_nSpeed, 20), Stored(&M::m_nAngle, 0),
      Stored(&M::m_nDistance, 360), Stored(&M::m_nHoming, 6), Stored(&M::m_nMaxSpeed, 0)}},
    {"circle move takes speed 0 and holds 200 to 180", 0, kCmdCircleMove, 1, nullptr, 0,
     {Set(kIdcMoveSpeed, 0), Set(kIdcMoveCloneSpeed, 200), Set(kIdcMoveRotation, 3)}, 1, {},
     {Stored(&M::m_nSpeed, 0), Stored(&M::m_nCloneSpeed, 180), Stored(&M::m_cDirection, 3)}},
    {"a circle move has no parallel box and keeps its parallel flag", 0, kCmdCircleMove, 0, ParallelCircleMove, 0,
     {Refused(kIdcCmdParallel, 0)}, 1, {}, {Stored(&C::m_bParallel, 1)}},
    {"avoid move", 0, kCmdEvadeMove, 1, nullptr, 0, {Set(kIdcMoveDir, 12), Set(kIdcMoveKeepFacing, 1)}, 1, {},
     {Stored(&M::m_cDirection, 12), Stored(&M::m_bKeepFacing, 1), Stored(&M::m_nMaxSpeed, 200)}},

    // ショット, ソード, 召喚
    {"new shot", 0, kCmdShot, 1, nullptr, 0, {}, 1, {},
     {Stored(&S::m_nGraphic, 1), Stored(&C::m_nTime, 1), Stored(&S::m_nSpeed, 20), Stored(&S::m_nPower, 1),
      Stored(&S::m_bPassBlock, 1), Stored(&S::m_cZ, 3), Stored(&C::m_nAnime, 1), Stored(&C::m_nSound, 1),
      Stored(&S::m_nEffect, 1), Stored(&S::m_cCount, 1), Stored(&S::m_cGiant, 1), Stored(&S::m_bUserFaction, 1),
      Stored(&S::m_bMirrorRotate, 1), Stored(&S::m_bMirrorX, 1), Stored(&S::m_cVanishValue, 1),
      Stored(&S::m_nLife, 1)}},
    {"shot formation 落雷 takes its defaults and the aim", 0, kCmdShot, 1, nullptr, 0,
     {Set(kIdcShotFormation, 3), Refused(kIdcShotAimAngle, 0)}, 1, {},
     {Stored(&S::m_cFormation, 3), Stored(FormParamSlot(0), 0), Stored(FormParamSlot(1), 1),
      Stored(FormParamSlot(2), 0), Stored(&S::m_bAimAngle, 1)}},
    {"shot formation 爆発 clears the aim", 0, kCmdShot, 1, nullptr, 0,
     {Set(kIdcShotAimAngle, 1), Set(kIdcShotFormation, 4), Refused(1041, 3)}, 1, {},
     {Stored(&S::m_cFormation, 4), Stored(&S::m_bAimAngle, 0)}},
    {"shot formation 拡散 holds its angle to 180", 0, kCmdShot, 1, nullptr, 0,
     {Set(kIdcShotFormation, 2), Set(1041, 200)}, 1, {}, {Stored(FormParamSlot(0), 180)}},
    {"shot move type ウェーブ", 0, kCmdShot, 1, nullptr, 0, {Set(kIdcShotMoveType, 8)}, 1, {},
     {Stored(&S::m_cMoveType, 8), Stored(MoveParamSlot(0), 4), Stored(MoveParamSlot(1), 4),
      Stored(MoveParamSlot(2), 0)}},
    {"shot formation and move type outside their tables", 0, kCmdShot, 0, ShotOutsideTables, 0, {}, 1, {},
     {Stored(&S::m_cFormation, 0), Stored(&S::m_cMoveType, 0), Stored(FormParamSlot(0), 50),
      Stored(FormParamSlot(1), 60), Stored(FormParamSlot(2), 70)}},
    {"shot parameters beyond their formation's limits stay until a formation is chosen", 0, kCmdShot, 0,
     ShotLightning99, 0, {}, 1, {},
     {Stored(FormParamSlot(0), 99), Stored(FormParamSlot(1), 99), Stored(FormParamSlot(2), 99)}},
    {"shot item of the common palette, power held", 0, kCmdShot, 1, nullptr, 0,
     {Refused(kIdcShotItem, 2), Set(kIdcShotItemPalette, 1), Set(kIdcShotItem, 3), Set(kIdcShotPower, 1234567)}, 1,
     {}, {Stored(&S::m_cItemPalette, 1), Stored(&S::m_nItemIndex, 3), Stored(&S::m_nPower, 999999)}},
    {"shot graphic of the picker", 0, kCmdShot, 1, nullptr, 0, {Set(kIdcShotGraphic, 37)}, 1, {},
     {Stored(&S::m_nGraphic, 37)}},
    {"new sword takes its type's time", 0, kCmdSword, 1, nullptr, 0, {Refused(kIdcCmdTime, 30)}, 1, {},
     {Stored(&C::m_nTime, 7), Stored(&S::m_cMoveType, 0), Stored(&S::m_nPower, 10), Stored(&S::m_cZ, 3),
      Stored(&S::m_bPassBlock, 1), Stored(&S::m_bPassChara, 1), Stored(&S::m_bVanishByShot, 0),
      Stored(&C::m_nAnime, 1), Stored(&C::m_nSound, 1), Stored(&S::m_nEffect, 1)}},
    {"sword of a type longer than 9999", 0, kCmdSword, 1, nullptr, 0, {Set(kIdcSwordType, 1)}, 1, {},
     {Stored(&C::m_nTime, 9999), Stored(&S::m_cMoveType, 1)}},
    {"existing sword takes its type's time", 0, kCmdSword, 0, SwordTime50, 0, {}, 1, {}, {Stored(&C::m_nTime, 7)}},
    {"new character summon", 0, kCmdCharaSummon, 1, nullptr, 0, {Refused(kIdcShotFaction, 3)}, 1, {},
     {Stored(&S::m_nSummonIndex, 1), Stored(&S::m_cSummonPalette, 0), Stored(&S::m_bNoScore, 1),
      Stored(&S::m_bUseRange, 1), Stored(&S::m_nRange, 100), Stored(&C::m_nTime, 1), Stored(&C::m_nAnime, 1),
      Stored(&C::m_nSound, 1), Stored(&S::m_cCount, 1)}},
    {"new block summon", 0, kCmdBlockSummon, 1, nullptr, 0, {}, 1, {},
     {Stored(&S::m_bFailOnPlayer, 0), Stored(&S::m_bFailOnEnemy, 1), Stored(&S::m_bMirrorX, 1),
      Stored(&S::m_nSummonIndex, 1)}},
    {"block summon that removes blocks", 0, kCmdBlockSummon, 1, nullptr, 0,
     {Set(kIdcSummonMode, 1), Refused(kIdcSummonFailOnEnemy, 0)}, 1, {},
     {Stored(&S::m_cBlockMode, 1), Stored(&S::m_bFailOnEnemy, 1)}},
    {"new item summon", 0, kCmdItemSummon, 1, nullptr, 0, {}, 1, {},
     {Stored(&S::m_bMirrorX, 1), Stored(&S::m_bNoScore, 1), Stored(&S::m_bUseRange, 1), Stored(&S::m_nRange, 100)}},
    {"summoned entry past the palette and sound past its table stay", 0, kCmdCharaSummon, 0, SummonEntry7, 0, {}, 1,
     {}, {Stored(&S::m_nSummonIndex, 7), Stored(&C::m_nSound, 9)}},
    {"character summon keeps entry 2 in the stage palette", 0, kCmdCharaSummon, 0, SummonEntry2, 0,
     {Set(kIdcSummonPalette, 1)}, 1, {}, {Stored(&S::m_cSummonPalette, 1), Stored(&S::m_nSummonIndex, 2)}},
    {"block summon holds entry 2 to the stage palette's one block", 0, kCmdBlockSummon, 0, SummonEntry2, 0,
     {Set(kIdcSummonPalette, 1)}, 1, {}, {Stored(&S::m_cSummonPalette, 1), Stored(&S::m_nSummonIndex, 1)}},
    {"character summon's faction by number", 0, kCmdCharaSummon, 1, nullptr, 0,
     {Set(kIdcSummonMode, 2), Set(kIdcShotFaction, 9)}, 1, {},
     {Stored(&S::m_cFactionMode, 2), Stored(&S::m_cFaction, 8)}},

    // ステータスの操作, ステータスの操作2
    {"new status operation", 0, kCmdStatus, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(2), 1), Stored(Param(11), 1), Stored(Param(16), 1), Stored(&C::m_nTime, 0),
      Stored(&C::m_bParallel, 1)}},
    {"the system's time takes constants of -999 to 999", 0, kCmdStatus, 1, nullptr, 0,
     {Set(kIdcStatSubject, 5), Set(kIdcStatStatus, 0), Set(kIdcStatValue, 5000)}, 1, {},
     {Stored(Param(3), 5), Stored(Param(4), 0), Stored(Param(7), 999)}},
    {"a random number within the Z range", 0, kCmdStatus, 1, nullptr, 0,
     {Set(kIdcStatRightType, 1), Set(kIdcStatStatus, 6), Set(kIdcStatRandMin, -20), Set(kIdcStatRandMax, 20),
      Refused(kIdcStatValue, 1)},
     1, {}, {Stored(Param(6), 1), Stored(Param(4), 6), Stored(Param(8), -8), Stored(Param(9), 8)}},
    {"an item effect status operation sizes 18 parameters", 1, 7, 1, nullptr, 0, {Set(kIdcStatOperation, 3)}, 1, {},
     {Stored(Param(5), 3), Stored(Param(17), 0), Stored(Param(16), 1)}},
    {"new status operation 2", 0, kCmdStatus2, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 0), Stored(Param(1), 0), Stored(Param(2), 0), Stored(&C::m_bParallel, 1)}},
    {"巨大化 stored as 0 holds 1", 0, kCmdStatus2, 0, GiantZero, 0, {Refused(kIdcStat2Option, 0)}, 1, {},
     {Stored(Param(2), 1)}},
    {"the system's scroll statuses", 0, kCmdStatus2, 1, nullptr, 0,
     {Set(kIdcStat2Status, 3), Set(kIdcStat2Option, 3), Set(kIdcStat2Subject, 5)}, 1, {},
     {Stored(Param(0), 5), Stored(Param(1), 1), Stored(Param(2), 1)}},

    // ステージクリア, ゲームウエイト, ワープ, ターゲットの設定, 消滅
    {"new stage clear", 0, kCmdStageClear, 1, nullptr, 0, {Refused(kIdcClearNumber, 3)}, 1, {},
     {Stored(Param(0), 0), Stored(Param(1), 1), Stored(Param(8), 1), Stored(&C::m_nTime, 0),
      Stored(&C::m_bParallel, 0), StoredText(&C::m_strText, "")}},
    {"stage clear by a path the browse made relative", 0, kCmdStageClear, 1, nullptr, 0,
     {Set(kIdcClearMode, 2), Type(kIdcClearPath, ".\\data\\stg4\\stage-2.stg4_0")}, 1, {},
     {Stored(Param(0), 2), StoredText(&C::m_strText, ".\\data\\stg4\\stage-2.stg4_0")}},
    {"stage clear's number and positions held", 0, kCmdStageClear, 1, nullptr, 0,
     {Set(kIdcClearMode, 1), Set(kIdcClearNumber, 150), Set(kIdcClearForceStart, 1), Set(kIdcClearStartX, 1200),
      Set(kIdcClearFacing, 2)},
     1, {}, {Stored(Param(1), 99), Stored(Param(5), 1), Stored(Param(6), 999), Stored(Param(8), 2)}},
    {"new game wait", 0, kCmdGameWait, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 20), Stored(&C::m_nTime, 0), Stored(&C::m_bParallel, 0)}},
    {"an item effect game wait held to 999", 1, kCmdGameWait - kItemCmdOffset, 1, nullptr, 0,
     {Set(kIdcGameWaitTime, 1000)}, 1, {}, {Stored(Param(0), 999)}},
    {"new warp", 0, kCmdWarp, 1, nullptr, 0, {Refused(kIdcWarpTargetX, 3)}, 1, {},
     {Stored(&M::m_cSetType, 0), Stored(&M::m_nDistance, 2), Stored(&M::m_bMirrorX, 0), Stored(&C::m_bParallel, 1)}},
    {"warp to absolute coordinates clears both mirrors", 0, kCmdWarp, 0, WarpMirrored, 0,
     {Set(kIdcWarpMode, 5), Set(kIdcWarpTargetMode, 1), Refused(kIdcWarpMirrorX, 1)}, 1, {},
     {Stored(&M::m_cSetType, 5), Stored(&M::m_cTargetType, 1), Stored(&M::m_bMirrorX, 0), Stored(&M::m_bMirrorY, 0)}},
    {"warp to relative coordinates keeps them", 0, kCmdWarp, 0, WarpMirrored, 0, {Set(kIdcWarpMode, 5)}, 1, {},
     {Stored(&M::m_bMirrorX, 1), Stored(&M::m_bMirrorY, 1)}},
    {"new target setting", 0, kCmdSetTarget, 1, nullptr, 0, {Refused(kIdcTargetRange, 1)}, 1, {},
     {Stored(Param(5), 1), Stored(Param(7), 1), Stored(Param(12), 1), Stored(&C::m_bParallel, 1),
      Stored(&C::m_nTime, 0)}},
    {"the nearest character by a variable", 0, kCmdSetTarget, 1, nullptr, 0,
     {Set(kIdcTargetWhom, 2), Set(kIdcTargetUseVar, 1), Set(kIdcTargetVar, 8), Set(kIdcTargetVarValue, -5),
      Set(kIdcTargetVarCompare, 2), Set(kIdcTargetNone, 1)},
     1, {},
     {Stored(Param(1), 2), Stored(Param(11), 1), Stored(Param(12), 8), Stored(Param(13), -5), Stored(Param(14), 2),
      Stored(Param(15), 1)}},
    {"vanish of the children's shots", 0, kCmdVanish, 1, nullptr, 0,
     {Set(kIdcVanishFaction, 9), Set(kIdcVanishTarget, 3), Refused(kIdcVanishRange, 1)}, 1, {},
     {Stored(Param(0), 3), Stored(Param(1), 7), Stored(&C::m_bParallel, 1)}},

    // アイテムの取得, アニメ, 効果音, BGM, 背景
    {"new item taking", 0, kCmdTakeItem, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 0), Stored(Param(1), 1), Stored(&C::m_bParallel, 1)}},
    {"item of the stage palette", 0, kCmdTakeItem, 1, nullptr, 0,
     {Set(kIdcItemGetItem, 3), Set(kIdcItemGetPalette, 1), Refused(kIdcItemGetItem, 2)}, 1, {},
     {Stored(Param(0), 1), Stored(Param(1), 1)}},
    {"the second anime set", 0, kCmdAnimeSet, 1, nullptr, 0, {Set(kIdcAnimeSet, 1)}, 1, {}, {Stored(Param(0), 1)}},
    {"anime 3", 0, kCmdAnime, 1, nullptr, 0, {Refused(kIdcAnimeRun, 0), Set(kIdcAnimeRun, 3)}, 1, {},
     {Stored(Param(0), 3)}},
    {"sound 2, heard on screen only", 0, kCmdSound, 1, nullptr, 0,
     {Set(kIdcSoundPlay, 2), Set(kIdcCmdSoundInView, 0)}, 1, {},
     {Stored(Param(0), 2), Stored(&C::m_bMuteOffScreen, 0)}},
    {"BGM looped", 0, kCmdBgm, 1, nullptr, 0, {Set(kIdcBgmLoop, 1)}, 1, {}, {Stored(Param(0), 1), Stored(Param(1), 1)}},
    {"a BGM past its table stays", 0, kCmdBgm, 0, BgmPast, 0, {}, 1, {}, {Stored(Param(0), 40)}},
    {"background number held to 8", 0, kCmdBackground, 1, nullptr, 0,
     {Set(kIdcBackgroundNumber, 9), Set(kIdcBackgroundShow, 2)}, 1, {}, {Stored(Param(0), 8), Stored(Param(1), 2)}},

    // エフェクト, キャラエフェクト, 画面エフェクト, ピクチャー
    {"new effect", 0, kCmdEffect, 1, nullptr, 0, {Refused(kIdcShowX, 3)}, 1, {},
     {Stored(Param(0), 1), Stored(Param(6), 100), Stored(&C::m_bParallel, 1), Stored(&C::m_nTime, 0)}},
    {"a paused effect is not parallel", 0, kCmdEffect, 1, nullptr, 0, {Set(kIdcShowPause, 1)}, 1, {},
     {Stored(Param(7), 1), Stored(&C::m_bParallel, 0)}},
    {"character effect's run type outside its table", 0, kCmdCharaEffect, 0, RunType7, 0, {}, 1, {},
     {Stored(Param(0), 2), Stored(Param(1), 0), Stored(Param(2), 1)}},
    {"new screen effect", 0, kCmdScrEffect, 1, nullptr, 0, {Set(kIdcEffectRunType, 2)}, 1, {},
     {Stored(Param(0), 1), Stored(Param(1), 2)}},
    {"new picture pauses until the key", 0, kCmdPicture, 1, nullptr, 0, {Refused(kIdcShowPause, 0)}, 1, {},
     {Stored(Param(0), 1), Stored(Param(6), 1), Stored(Param(7), 100), Stored(Param(8), 0), Stored(Param(9), 10),
      Stored(Param(10), 1), Stored(&C::m_bParallel, 0)}},
    {"a picture until the stage ends runs in parallel", 0, kCmdPicture, 1, nullptr, 0, {Set(kIdcShowDuration, 1)}, 1,
     {}, {Stored(Param(8), 1), Stored(Param(10), 0), Stored(&C::m_bParallel, 1)}},
    {"an instant picture takes time 1", 0, kCmdPicture, 1, nullptr, 0,
     {Set(kIdcShowDuration, 2), Set(kIdcShowTime, 50), Set(kIdcShowInstant, 1), Refused(kIdcShowTime, 20)}, 1, {},
     {Stored(Param(9), 1), Stored(Param(14), 1)}},

    // グラフィックの変更, 画面の色を変更
    {"new graphic", 0, kCmdGraphic, 1, nullptr, 0, {}, 1, {},
     {Stored(Param(0), 1), Stored(Param(1), 1), Stored(Param(2), 0), Stored(&C::m_bParallel, 1)}},
    {"graphic shift held to the character sheet", 0, kCmdGraphic, 1, nullptr, 0, {Set(kIdcGraphicShift, 30)}, 1, {},
     {Stored(Param(2), 19)}},
    {"graphic of a dedicated bitmap past the table", 0, kCmdGraphic, 1, nullptr, 0,
     {Set(kIdcGraphicNumber, 50), Set(kIdcGraphicKind, 4), Set(kIdcGraphicShift, 200)}, 1, {},
     {Stored(Param(0), 4), Stored(Param(1), 3), Stored(Param(2), 200)}},
    {"graphic of an item cell", 0, kCmdGraphic, 1, nullptr, 0,
     {Set(kIdcGraphicKind, 2), Set(kIdcGraphicNumber, 12), Refused(kIdcGraphicShift, 5)}, 1, {},
     {Stored(Param(0), 2), Stored(Param(1), 12)}},
    {"new screen colour stores count 1", 0, kCmdScreenColour, 1, nullptr, 0, {Set(kIdcColourRed, 300)}, 1, {},
     {Stored(Param(0), 255), Stored(Param(7), 1), Stored(&C::m_bParallel, 1)}},
    {"restoring the colour clears the instant", 0, kCmdScreenColour, 1, nullptr, 0,
     {Set(kIdcColourInstant, 1), Set(kIdcColourInstantCount, 5), Set(kIdcColourRestore, 1),
      Refused(kIdcColourRed, 3)},
     1, {}, {Stored(Param(4), 1), Stored(Param(6), 0), Stored(Param(7), 5)}},
};

std::string Describe(const tCmdSlot& slot) {
  std::ostringstream text;
  text << "slot " << slot.index();
  if (const auto* param = std::get_if<cParamSlot>(&slot)) text << " parameter " << param->m_nIndex;
  return text.str();
}
}  // namespace

const std::vector<cCmdDialogRow>& CmdDialogRows() { return kRows; }

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
}


cCommandData RowCommand(const cCmdDialogRow& row) {
  cCommandData command;
  command.m_cSet = row.m_nSet;
  command.m_cKind = row.m_nKind;
  if (row.m_pfnExisting) row.m_pfnExisting(command);
  return command;
}

std::string StoredDifferences(const cCommandData& command, const cCmdDialogRow& row) {
  std::ostringstream differences;
  for (const cStoredValue& value : row.m_vStored) {
    if (IsTextSlot(value.m_Slot)) {
      cString text = ReadCmdSlotText(command, value.m_Slot);
      if (text != value.m_pText) differences << Describe(value.m_Slot) << ": \"" << text << "\"\n";
    } else if (IsDoubleSlot(value.m_Slot)) {
      double stored = ReadCmdSlotDouble(command, value.m_Slot);
      if (std::fabs(stored - value.m_dValue) > 1e-9) differences << Describe(value.m_Slot) << ": " << stored << "\n";
    } else {
      int32_t stored = ReadCmdSlot(command, value.m_Slot);
      if (stored != value.m_nValue)
        differences << Describe(value.m_Slot) << ": " << stored << " not " << value.m_nValue << "\n";
    }
  }
  return differences.str();
}

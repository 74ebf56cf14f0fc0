#include "tests/support/CmdDialogRows.h"

#include <cmath>
#include <sstream>

#include "editors/CodeArrangeLoopRules.h"
#include "editors/FlowOpCommandRules.h"
#include "editors/ItemCommandChooser.h"
#include "editors/MessageCommandRules.h"
#include "editors/MoveCommandRules.h"
#include "editors/WaitTurnJumpRules.h"

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
};

std::string Describe(const tCmdSlot& slot) {
  std::ostringstream text;
  text << "slot " << slot.index();
  if (const auto* param = std::get_if<cParamSlot>(&slot)) text << " parameter " << param->m_nIndex;
  return text.str();
}
}  // namespace

const std::vector<cCmdDialogRow>& CmdDialogRows() { return kRows; }

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

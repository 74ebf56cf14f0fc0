#pragma once
// The dialog of "メッセージ" (kind 19, and 4 of the item effect set; template 239,
// cDlgCommandMessage): the text with its line limits, eighteen parameters, the two variable pickers
// with their rename buttons, what each choice enables, and the parallel flag that OK derives from
// "一時停止".

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcMsgText = 1002,
  kIdcMsgPos = 1232,
  kIdcMsgX = 1206,
  kIdcMsgY = 1210,
  kIdcMsgOffsetX = 1040,
  kIdcMsgOffsetY = 1048,
  kIdcMsgAutoFit = 1234,
  kIdcMsgDuration = 1233,
  kIdcMsgTime = 1113,
  kIdcMsgPause = 1231,
  kIdcMsgShowVars = 1235,
  kIdcMsgFollow = 1456,
  kIdcMsgAutoUpdate = 1236,
  kIdcMsgHasId = 1457,
  kIdcMsgId = 1458,
  kIdcMsgWindow = 1238,
  kIdcMsgClear = 1237,
  kIdcMsgInterval = 1115,
  kIdcMsgInstant = 1239,
  kIdcMsgCommonVar = 1046,
  kIdcMsgCommonRename = 1378,
  kIdcMsgStageVar = 1050,
  kIdcMsgStageRename = 1051,
};

// The parameters, by index.
enum : int16_t {
  kMsgPos = 0,
  kMsgX,
  kMsgY,
  kMsgOffsetX,
  kMsgOffsetY,
  kMsgAutoFit,
  kMsgDuration,
  kMsgTime,
  kMsgPause,
  kMsgShowVars,
  kMsgFollow,
  kMsgAutoUpdate,
  kMsgHasId,
  kMsgId,
  kMsgWindow,
  kMsgClear,
  kMsgInterval,
  kMsgInstant,
};
// The text edit: 29 lines of 39 characters.
constexpr int32_t kMsgLineChars = 39;
constexpr int32_t kMsgLines = 29;

extern const cCmdCtrl kMessageCtrls[21];
extern const cCmdDialogDesc kMessageDialog;

// The controls that other controls set: the duration ticks "一時停止" (until a key is pressed) or
// clears it (until the stage ends), and "瞬間表示" shows a time of 1; "メッセージの消去" sets none.
void ApplyMessageRules(cCommandData& shown);
// "メッセージの消去" disables everything that describes the message to show; the variables' refresh,
// the coordinates, the duration's controls and the ID follow their choices.
void MessageStates(const cCommandData& shown, cCtrlStates& states);
// A message that pauses the game is never a parallel command, and one that does not always is.
void DeriveMessageParallel(cCommandData& shown);

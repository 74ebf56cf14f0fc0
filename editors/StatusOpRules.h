#pragma once
// The status operation dialogs "ステータスの操作" (kind 22, item kind 7; template 215,
// cDlgCommandStatus) and "ステータスの操作2" (23 and 8; template 266, cDlgCommandStatus2): the two
// sides by their types, the status and variable lists that follow them, the limits and percent
// options a left status gives, and the flag or scroll status with its options.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"
#include "model/FlowVocabulary.h"

enum : uint16_t {
  kIdcStatOperation = 1174,
  kIdcStatCalcMode = 11180,
  kIdcStatBar = 1398,
  kIdcStatInvincible = 1399,
};

// Parameters of "ステータスの操作".
enum : int16_t {
  kOpLeftType = 0,
  kOpLeftScope = 1,
  kOpLeftVar = 2,
  kOpLeftSubject = 3,
  kOpLeftStatus = 4,
  kOpOperation = 5,
  kOpRightType = 6,
  kOpConstant = 7,
  kOpRandMin = 8,
  kOpRandMax = 9,
  kOpRightScope = 10,
  kOpRightVar = 11,
  kOpRightSubject = 12,
  kOpRightStatus = 13,
  kOpPercent = 14,
  kOpCalcMode = 15,
  kOpBar = 16,
  kOpInvincible = 17,
  kOpParamCount = 18,
};

// The variable pickers of the two sides (kVarPicker... of editors/StatusCondRules.h): a
// character's "キャラ変数" status lists the character variables, the type "変数" the common or
// stage variables of its scope.
int StatusOpLeftPicker(const cVector<int32_t>& params);
int StatusOpRightPicker(const cVector<int32_t>& params);
// The left side by its type, the invincibility check for a character's status, the right side's
// controls by its type, and both pickers with their rename buttons.
void StatusOpStates(const cVector<int32_t>& params, cCtrlStates& states);
// What a left status allows while the left side is a status: its operand range on the value edits
// the right type uses; the calculation mode and the bar for a character's HP and SP only, where
// "％で指定" is disabled (its check stays); elsewhere "％で指定" as the status allows a percentage.
// With the left side a variable, neither the calculation mode nor the bar.
void StatusOpLeftStates(const cVector<int32_t>& params, cCtrlStates& states);

// "ステータスの操作2": the status rows of a subject (all seven flag statuses, "消滅" included, for
// subjects 0-4, the two scroll statuses for 5; none for another subject), and the status itself
// (null when subject and status name none).
cVector<cString> StatusOp2StatusRows(int subject);
const cOptionStatusDesc* StatusOp2Status(int subject, int status);

extern const cCmdDialogDesc kStatusOpDialog;
extern const cCmdDialogDesc kStatusOp2Dialog;

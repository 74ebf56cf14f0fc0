#pragma once
// The status operation dialogs "ステータスの操作" (215) and "ステータスの操作2" (266): which status and
// variable lists, value limits and percent options follow the chosen sides, and the flag or scroll
// status with its options.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogCore.h"
#include "editors/CtrlStates.h"
#include "model/FlowVocabulary.h"

enum : uint16_t {
  kIdcStatOperation = 1174,
  kIdcStatCalcMode = 11180,
  kIdcStatBar = 1398,
  kIdcStatInvincible = 1399,
};

// Parameters of "ステータスの操作".
enum : int {
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

// The variable pickers of the two sides (kVarPicker*): a character's "キャラ変数" status lists the
// character variables, the type "変数" the common or stage variables of its scope.
int StatusOpLeftPicker(const cVector<int32_t>& params);
int StatusOpRightPicker(const cVector<int32_t>& params);
// UpdateControls apart from the rows: the left side by its type, the invincibility check for a
// character's status, the right side's controls by its type, and both pickers.
void StatusOpStates(const cVector<int32_t>& params, cCtrlStates& states);
// What a left status allows: the operand range its descriptor gives to the value edits the right
// type uses (returned); the calculation mode and the bar for a character's HP and SP only, where
// "％で指定" is disabled (its check stays); elsewhere "％で指定" as the descriptor allows a
// percentage. Nothing for a subject and status that name no status.
struct cStatusOpLimits {
  int32_t m_nEdits = 0;
  uint16_t m_aEdit[2] = {};
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
};
cStatusOpLimits StatusOpLeftStates(const cVector<int32_t>& params, cCtrlStates& states);

// The left status picked last in a "ステータスの操作" dialog during this run of the editor; none at
// start, and only picks made after a dialog initialised count.
class cStatusOpMemory {
public:
  // Remembers the pick; 1 when the value edits re-apply their limits (another status than the one
  // remembered).
  int NotePick(int status);
  void Forget() { m_nLast = -1; }

private:
  int m_nLast = -1;
};
extern cStatusOpMemory g_StatusOpMemory;

// "ステータスの操作2": the status rows of a subject (all seven flag statuses, "消滅" included, for
// subjects 0-4, the two scroll statuses for 5; 0 for another subject) and the status itself (null
// when subject and status name none).
int StatusOp2StatusRows(int subject, cVector<cString>& rows);
const cOptionStatusDesc* StatusOp2Status(int subject, int status);

extern const cCmdDialogSpec kStatusDialogs[2];

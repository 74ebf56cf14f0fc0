#pragma once
// The dialog of "フローの操作" (kind 16, template 225, cDlgCommandFlowOp): its four choices, its own
// condition list with "条件あり" and the judge type, the defaults of a new command, and the rule
// that another character's flows can be operated on only by ID letter.

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CondDialogRules.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcFlowOpHasCond = 1482,
  kIdcFlowOpCondList = 1044,
  kIdcFlowOpCondInsert = 1041,
  kIdcFlowOpCondEdit = 1042,
  kIdcFlowOpCondDelete = 1043,
  kIdcFlowOpJudge = 1255,
  kIdcFlowOpTarget = 11174,
  kIdcFlowOpScope = 11175,
  kIdcFlowOpId = 1096,
  kIdcFlowOpOperation = 1178,
};

// The parameters: the operation, which flows, the ID letter, whose flows.
enum : int16_t { kFlowOpOperationParam = 0, kFlowOpScopeParam = 1, kFlowOpIdParam = 2, kFlowOpTargetParam = 3 };
constexpr int32_t kFlowOpScopeById = 2;  // "指定IDのフロー"

extern const cCmdCtrl kFlowOpCtrls[6];
extern const cCmdDialogDesc kFlowOpDialog;

// A target ("ターゲット1" .. "ターゲット4") sets "指定IDのフロー".
void ApplyFlowOpRules(cCommandData& shown);
// The list, its buttons and the judge type follow "条件あり"; the scope is fixed for a target, and
// the ID letter is used for a target or with "指定IDのフロー".
void FlowOpStates(const cCommandData& shown, cCtrlStates& states);

// The condition editor of a row of this list: the flow-operation command's conditions (list kind
// 2), where every kind may be chosen and a pasted distance condition is accepted.
cCondEditContext FlowOpCondContext(cCondData* cond, int inserted);

#pragma once
// The dialogs of "ウエイト" (kind 1, template 207, cDlgCommandWait), "向き変更" (kind 9, template 263,
// cDlgCommandTurn) and "ジャンプ" (kind 10, template 243, cDlgCommandJump): their controls, the
// defaults of a new command, and the jump's edits that follow its type.

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcTurnFacing = 1127,
  kIdcJumpType = 1178,
  kIdcJumpHighSpeed = 1309,
  kIdcJumpHighHeight = 1305,
  kIdcJumpLowSpeed = 1311,
  kIdcJumpLowHeight = 1307,
};

// The jump type that takes its height from the inertia speed ("慣性移動速度に応じて高さを決定").
constexpr int32_t kJumpBySpeed = 2;

extern const cCmdCtrl kWaitCtrls[3];
extern const cCmdCtrl kTurnCtrls[6];
extern const cCmdCtrl kJumpCtrls[8];
extern const cCmdDialogDesc kWaitDialog;
extern const cCmdDialogDesc kTurnDialog;
extern const cCmdDialogDesc kJumpDialog;

// The speed edits and the low jump's height are used only by the jump type that follows the speed;
// the high jump's height always is.
void JumpStates(const cCommandData& shown, cCtrlStates& states);

#pragma once
// The other movement dialogs: "地上折り返し移動" (kind 3, template 259, cDlgCommandMoveGround),
// "円移動" (4, 260, cDlgCommandMoveCircle), "突撃移動" (5, 261, cDlgCommandMoveCharge), "誘導移動"
// (6, 214, cDlgCommandMoveHoming) and "画面外回避移動" (7, 262, cDlgCommandMoveAvoid, the class of
// "移動の無効化"). All but "円移動" take the shared time, speed and distance group, its ratio check
// and the inertia and anime groups of editors/MoveCommandRules.h.

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcMoveRotation = 1264,
  kIdcMoveStartAngle = 1382,
  kIdcMoveEndAngle = 1124,
  kIdcMoveRadius = 1183,
  kIdcMoveTarget = 1483,
  kIdcMoveHoming = 1169,
};

// "円移動": "時間を指定" takes the time, any other setting type the angle speed; the anime follows
// "移動アニメにしない".
void CircleMoveStates(const cCommandData& shown, cCtrlStates& states);

extern const cCmdDialogDesc kMoveGroundDialog;
extern const cCmdDialogDesc kMoveCircleDialog;
extern const cCmdDialogDesc kMoveChargeDialog;
extern const cCmdDialogDesc kMoveHomingDialog;
extern const cCmdDialogDesc kMoveAvoidDialog;

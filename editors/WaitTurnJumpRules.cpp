#include "editors/WaitTurnJumpRules.h"

#include "model/cEdMove.h"

namespace {
constexpr int32_t kFacingAwayFromLastBlock = 11;  // "最後にブロックが当たった方の逆を向く"

void WriteWaitDefaults(cCommandData& command) { command.m_nTime = 1; }

void WriteTurnDefaults(cCommandData& command) {
  command.m_nTime = 1;
  WriteCmdSlot(command, cParamSlot{0}, kFacingAwayFromLastBlock);
}

// The jump has no time or parallel control: a new one keeps these for good.
void WriteJumpDefaults(cCommandData& command) {
  command.m_nTime = 1;
  command.m_bParallel = 1;
  const int32_t values[] = {100, 7, 0, 4};
  for (int16_t i = 0; i < 4; ++i) WriteCmdSlot(command, cParamSlot{static_cast<int16_t>(i + 1)}, values[i]);
}

const uint16_t kJumpBySpeedCtrls[] = {kIdcJumpHighSpeed, kIdcJumpLowSpeed, kIdcJumpLowHeight};
}  // namespace

const cCmdCtrl kWaitCtrls[3] = {
    CommonCmdCtrl(kIdcCmdParallel),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
};

const cCmdCtrl kTurnCtrls[6] = {
    CommonCmdCtrl(kIdcCmdParallel),
    CommonCmdCtrl(kIdcCmdTime),
    CommonCmdCtrl(kIdcCmdTimeClone),
    ComboCtrl(kIdcTurnFacing, cParamSlot{0}, FacingNames, 0),
    CommonCmdCtrl(kIdcCmdAnime),
    CommonCmdCtrl(kIdcCmdSound),
};

const cCmdCtrl kJumpCtrls[8] = {
    ComboCtrl(kIdcJumpType, cParamSlot{0}, JumpHeightNames, 0),
    NumCtrl(kIdcJumpHighSpeed, 1310, cParamSlot{1}, 0, 200),
    NumCtrl(kIdcJumpHighHeight, 1306, cParamSlot{2}, 1, 20),
    NumCtrl(kIdcJumpLowSpeed, 1312, cParamSlot{3}, 0, 200),
    NumCtrl(kIdcJumpLowHeight, 1308, cParamSlot{4}, 1, 20),
    CommonCmdCtrl(kIdcCmdAnime),
    CommonCmdCtrl(kIdcCmdSound),
    CommonCmdCtrl(kIdcCmdSoundInView),
};

void JumpStates(const cCommandData& shown, cCtrlStates& states) {
  bool bySpeed = ReadCmdSlot(shown, cParamSlot{0}) == kJumpBySpeed;
  states.EnableAll(kJumpBySpeedCtrls, 3, bySpeed);
  states.Enable(kIdcJumpHighHeight, true);
}

const cCmdDialogDesc kWaitDialog =
    CmdDialog(0, kCmdWait, 207, "cDlgCommandWait").Ctrls(kWaitCtrls).Defaults(WriteWaitDefaults);

const cCmdDialogDesc kTurnDialog = CmdDialog(0, kCmdTurn, 263, "cDlgCommandTurn")
                                   .Ctrls(kTurnCtrls)
                                   .Defaults(WriteTurnDefaults)
                                   .SoundPreview(kIdcCmdSound);

const cCmdDialogDesc kJumpDialog = CmdDialog(0, kCmdJump, 243, "cDlgCommandJump")
                                   .Ctrls(kJumpCtrls)
                                   .Defaults(WriteJumpDefaults)
                                   .States(JumpStates)
                                   .SoundPreview(kIdcCmdSound);

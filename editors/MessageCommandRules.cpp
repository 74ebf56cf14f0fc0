#include "editors/MessageCommandRules.h"

#include "editors/VariableRename.h"
#include "model/FlowVocabulary.h"
#include "model/VariableNames.h"

namespace {
constexpr int32_t kDurationUntilKey = 0;
constexpr int32_t kDurationUntilStageEnd = 1;
constexpr int32_t kPosScreen = 7;  // "画面座標で指定"; 8 "ステージ座標で指定" gives coordinates too

int32_t P(const cCommandData& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
void SetP(cCommandData& command, int16_t index, int32_t value) { WriteCmdSlot(command, cParamSlot{index}, value); }

void WriteMessageDefaults(cCommandData& command) {
  command.m_nTime = 0;
  command.m_bParallel = 0;
  command.m_strText.clear();
  const std::pair<int16_t, int32_t> values[] = {
      {kMsgPos, 0},      {kMsgAutoFit, 1}, {kMsgDuration, 0}, {kMsgTime, 30},   {kMsgPause, 1},
      {kMsgFollow, 0},   {kMsgAutoUpdate, 0}, {kMsgHasId, 0}, {kMsgId, 0},      {kMsgWindow, 1},
      {kMsgClear, 0},    {kMsgInterval, 1},  {kMsgInstant, 0},
  };
  for (const auto& value : values) SetP(command, value.first, value.second);
}

// What describes the message to show, off while the command clears one.
const uint16_t kShowCtrls[] = {kIdcMsgText,   kIdcMsgShowVars, kIdcMsgAutoUpdate, kIdcMsgInterval,
                               kIdcMsgWindow, kIdcMsgPos,      kIdcMsgX,          kIdcMsgY,
                               kIdcMsgOffsetX, kIdcMsgOffsetY, kIdcMsgAutoFit,    kIdcMsgFollow,
                               kIdcMsgDuration, kIdcMsgTime,   kIdcMsgInstant,    kIdcMsgPause};
const uint16_t kAlwaysShownCtrls[] = {kIdcMsgText,    kIdcMsgShowVars, kIdcMsgWindow, kIdcMsgPos,
                                      kIdcMsgOffsetX, kIdcMsgOffsetY,  kIdcMsgAutoFit, kIdcMsgDuration};

const uint16_t kMessageButtons[] = {kIdcMsgCommonRename, kIdcMsgStageRename};
const cRenameButton kMessageRenames[] = {
    {kIdcMsgCommonRename, kIdcMsgCommonVar, kRenameMessage, kVarScopeCommon},
    {kIdcMsgStageRename, kIdcMsgStageVar, kRenameMessage, kVarScopeStage},
};
}  // namespace

const cCmdCtrl kMessageCtrls[21] = {
    LinesCtrl(kIdcMsgText, &cCommandData::m_strText, kMsgLineChars, kMsgLines),
    ComboCtrl(kIdcMsgPos, cParamSlot{kMsgPos}, MessagePosNames, 0),
    NumCtrl(kIdcMsgX, 1207, cParamSlot{kMsgX}, 0, 20),
    NumCtrl(kIdcMsgY, 1211, cParamSlot{kMsgY}, 0, 15),
    NumCtrl(kIdcMsgOffsetX, 1045, cParamSlot{kMsgOffsetX}, -999, 999),
    NumCtrl(kIdcMsgOffsetY, 1049, cParamSlot{kMsgOffsetY}, -999, 999),
    CheckCtrl(kIdcMsgAutoFit, cParamSlot{kMsgAutoFit}),
    ComboCtrl(kIdcMsgDuration, cParamSlot{kMsgDuration}, MessageDurNames, 0),
    NumCtrl(kIdcMsgTime, 1114, cParamSlot{kMsgTime}, 1, 9999),
    CheckCtrl(kIdcMsgPause, cParamSlot{kMsgPause}),
    CheckCtrl(kIdcMsgShowVars, cParamSlot{kMsgShowVars}),
    CheckCtrl(kIdcMsgFollow, cParamSlot{kMsgFollow}),
    CheckCtrl(kIdcMsgAutoUpdate, cParamSlot{kMsgAutoUpdate}),
    CheckCtrl(kIdcMsgHasId, cParamSlot{kMsgHasId}),
    NumCtrl(kIdcMsgId, 1459, cParamSlot{kMsgId}, 0, 999),
    CheckCtrl(kIdcMsgWindow, cParamSlot{kMsgWindow}),
    CheckCtrl(kIdcMsgClear, cParamSlot{kMsgClear}),
    NumCtrl(kIdcMsgInterval, 1116, cParamSlot{kMsgInterval}, 1, 9999),
    CheckCtrl(kIdcMsgInstant, cParamSlot{kMsgInstant}),
    RowsCtrl(kIdcMsgCommonVar, cDialogSlot{0}, kRowsCommonVars, 1),
    RowsCtrl(kIdcMsgStageVar, cDialogSlot{1}, kRowsStageVars, 1),
};

void ApplyMessageRules(cCommandData& shown) {
  if (P(shown, kMsgClear) != 0) return;
  int32_t duration = P(shown, kMsgDuration);
  if (duration == kDurationUntilKey) SetP(shown, kMsgPause, 1);
  else if (duration == kDurationUntilStageEnd) SetP(shown, kMsgPause, 0);
  else if (P(shown, kMsgInstant) != 0) SetP(shown, kMsgTime, 1);
}

void MessageStates(const cCommandData& shown, cCtrlStates& states) {
  states.Enable(kIdcMsgId, P(shown, kMsgHasId) != 0);
  if (P(shown, kMsgClear) != 0) {
    states.EnableAll(kShowCtrls, 16, false);
    return;
  }
  states.EnableAll(kAlwaysShownCtrls, 8, true);
  bool vars = P(shown, kMsgShowVars) != 0;
  states.Enable(kIdcMsgAutoUpdate, vars);
  states.Enable(kIdcMsgInterval, vars && P(shown, kMsgAutoUpdate) != 0);
  bool coordinates = P(shown, kMsgPos) >= kPosScreen && P(shown, kMsgPos) <= kPosScreen + 1;
  states.Enable(kIdcMsgX, coordinates);
  states.Enable(kIdcMsgY, coordinates);
  int32_t duration = P(shown, kMsgDuration);
  // A duration no row shows counts as "時間で指定", which leaves every control usable.
  bool byTime = duration != kDurationUntilKey && duration != kDurationUntilStageEnd;
  states.Enable(kIdcMsgFollow, duration != kDurationUntilKey);
  states.Enable(kIdcMsgInstant, byTime);
  states.Enable(kIdcMsgTime, byTime && P(shown, kMsgInstant) == 0);
  states.Enable(kIdcMsgPause, byTime);
}

void DeriveMessageParallel(cCommandData& shown) { shown.m_bParallel = P(shown, kMsgPause) != 0 ? 0 : 1; }

const cCmdDialogDesc kMessageDialog = CmdDialog(0, kCmdMessage, 239, "cDlgCommandMessage")
                                      .Ctrls(kMessageCtrls)
                                      .Buttons(kMessageButtons)
                                      .Renames(kMessageRenames)
                                      .Defaults(WriteMessageDefaults)
                                      .Apply(ApplyMessageRules)
                                      .States(MessageStates)
                                      .Derive(DeriveMessageParallel);

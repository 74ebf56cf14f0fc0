#include "editors/FlowOpCommandRules.h"

#include "model/FlowVocabulary.h"
#include "model/cCondData.h"

namespace {
constexpr int32_t kListKindFlowOp = 2;

int32_t Param(const cCommandData& command, int16_t index) { return ReadCmdSlot(command, cParamSlot{index}); }
bool IsTarget(int32_t target) { return target >= 1 && target <= 4; }

void WriteFlowOpDefaults(cCommandData& command) {
  command.m_nTime = 0;
  command.m_bParallel = 1;
}

const uint16_t kCondCtrls[] = {kIdcFlowOpCondList, kIdcFlowOpJudge, kIdcFlowOpCondInsert, kIdcFlowOpCondEdit,
                               kIdcFlowOpCondDelete};
const uint16_t kFlowOpButtons[] = {kIdcFlowOpCondInsert, kIdcFlowOpCondEdit, kIdcFlowOpCondDelete};
}  // namespace

const cCmdCtrl kFlowOpCtrls[6] = {
    CheckCtrl(kIdcFlowOpHasCond, &cCondList::m_bHasCond),
    ComboCtrl(kIdcFlowOpJudge, &cCondList::m_cJudge, CondJudgeNames, 0),
    ComboCtrl(kIdcFlowOpTarget, cParamSlot{kFlowOpTargetParam}, FlowOpTargetNames, 0),
    ComboCtrl(kIdcFlowOpScope, cParamSlot{kFlowOpScopeParam}, FlowOpScopeNames, 0),
    ComboCtrl(kIdcFlowOpId, cParamSlot{kFlowOpIdParam}, FlowIdNames, 0),
    ComboCtrl(kIdcFlowOpOperation, cParamSlot{kFlowOpOperationParam}, FlowOpNames, 0),
};

void ApplyFlowOpRules(cCommandData& shown) {
  if (IsTarget(Param(shown, kFlowOpTargetParam))) WriteCmdSlot(shown, cParamSlot{kFlowOpScopeParam}, kFlowOpScopeById);
}

void FlowOpStates(const cCommandData& shown, cCtrlStates& states) {
  const cCondList* conditions = shown.m_pCondList.Get();
  states.EnableAll(kCondCtrls, 5, conditions && conditions->m_bHasCond != 0);
  bool target = IsTarget(Param(shown, kFlowOpTargetParam));
  states.Enable(kIdcFlowOpScope, !target);
  states.Enable(kIdcFlowOpId, target || Param(shown, kFlowOpScopeParam) == kFlowOpScopeById);
}

cCondEditContext FlowOpCondContext(cCondData* cond, int inserted) {
  cCondEditContext context;
  context.m_pCond = cond;
  context.m_bNew = inserted;
  context.m_nListKind = kListKindFlowOp;
  return context;
}

const cCmdDialogDesc kFlowOpDialog = CmdDialog(0, kCmdFlowOp, 225, "cDlgCommandFlowOp")
                                     .Ctrls(kFlowOpCtrls)
                                     .Buttons(kFlowOpButtons)
                                     .CondList(kIdcFlowOpCondList)
                                     .Defaults(WriteFlowOpDefaults)
                                     .Apply(ApplyFlowOpRules)
                                     .States(FlowOpStates);

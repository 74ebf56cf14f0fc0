#include "editors/ItemCommandChooser.h"

#include "model/FlowVocabulary.h"
#include "model/cCommandData.h"
#include "stage/cStageEditState.h"

const cCmdSelectEntry kItemCmdSelectEntries[kCmdSelectEntryCount] = {
    {0, 0, 0},
    {1267, 217, 1}, {1268, 245, 1}, {1269, 244, 1}, {1270, 239, 1}, {1271, 264, 1},  // 1-5
    {1272, 265, 1}, {1273, 215, 1}, {1274, 266, 1}, {1275, 281, 1}, {1276, 268, 1},  // 6-10
    {1277, 232, 1}, {1278, 230, 1}, {1279, 227, 1}, {1280, 234, 1}, {1281, 213, 1},  // 11-15
    {1282, 231, 1}, {1283, 233, 1}, {1284, 238, 1}, {1285, 240, 1}, {1286, 228, 1},  // 16-20
    {1287, 229, 1}, {1288, 252, 1}, {1289, 279, 1}, {1290, 280, 1},                  // 21-24
    {1291, 0, 0}, {1292, 0, 0}, {1293, 0, 0}, {1294, 0, 0}, {1295, 0, 0}, {1296, 0, 0}, {1297, 0, 0},
    {1298, 0, 0}, {1300, 0, 0}, {1301, 0, 0}, {1302, 0, 0}, {1303, 0, 0}, {1304, 0, 0}, {1305, 0, 0},
    {1306, 0, 0}, {1307, 0, 0}, {1308, 0, 0}, {1309, 0, 0}, {1310, 0, 0}, {1311, 0, 0}, {1312, 0, 0},  // spare, no 1299
};

const cCmdSelectTable kItemCmdSelect = {kItemCmdSelectEntries, 1, kItemCmdSelectTemplate};

const cCmdCtrl kItemFlowOpCtrls[2] = {
    ComboCtrl(kIdcItemFlowOperation, cParamSlot{0}, FlowChangeOpNames, 0),
    ComboCtrl(kIdcItemFlowDeleteId, cParamSlot{1}, FlowChangeIdNames, 0),
};

namespace {
const uint16_t kItemFlowOpButtons[] = {kIdcItemFlowSetting};
}  // namespace

void ItemFlowOpStates(const cCommandData& shown, cCtrlStates& states) {
  int32_t operation = ReadCmdSlot(shown, cParamSlot{0});
  states.Enable(kIdcItemFlowDeleteId, operation != kItemFlowAdd);
  states.Enable(kIdcItemFlowSetting, operation != kItemFlowDelete);
}

cVector<cFlowData>* BeginItemFlowSetting(cCommandData& command, const cCommandData& shown, cStageEditState& state) {
  state.m_pEditFlows = &command.m_vFlow;
  state.m_nFlowOperation = ReadCmdSlot(shown, cParamSlot{0});
  state.m_nFlowOperationId = ReadCmdSlot(shown, cParamSlot{1});
  if (command.m_vFlow.empty()) command.m_vFlow.push_back(cFlowData());
  return &command.m_vFlow;
}

void EndItemFlowSetting(cStageEditState& state) { state.m_pEditFlows = nullptr; }

// "フローの変更" writes nothing into a new command but the two parameters its sizing gives.
const cCmdDialogDesc kItemFlowOpDialog = CmdDialog(1, kItemCmdFlowChange, 217, "cDlgItemFlowOp")
                                         .Ctrls(kItemFlowOpCtrls)
                                         .Buttons(kItemFlowOpButtons)
                                         .States(ItemFlowOpStates);

#pragma once
// The item effect command chooser (template 216, "コマンド") apart from its window: its 46-row
// button table over the 24 kinds of the item effect set, the run of a kind's dialog, and the dialog
// of the item-only kind "フローの変更" (template 217, cDlgItemFlowOp) with its "フローの設定", which
// opens the flow editor alone on the flows nested in the command.

#include <cstdint>

#include "editors/CmdDialogDesc.h"
#include "editors/CommandChooser.h"
#include "editors/CtrlStates.h"
#include "editors/OpenSheets.h"

class cStageEditState;

constexpr uint16_t kItemCmdSelectTemplate = 216;
extern const cCmdSelectEntry kItemCmdSelectEntries[kCmdSelectEntryCount];
extern const cCmdSelectTable kItemCmdSelect;

// Presses a button of the item effect chooser: an offered kind is written into the command as a
// kind of the item effect set, then its dialog runs through run(kind, template id) and its result
// is returned; -1 for any other button. With no item sheet in use no dialog can be created: the
// result is then 0, so that the page removes a row it inserted for the choice.
template <class Run>
int PressItemCommandButton(cCommandData& command, uint16_t button, const cOpenSheets& sheets, Run run) {
  return PressCommandButton(kItemCmdSelect, command, button,
                            [&](int kind, uint16_t templateId) { return sheets.m_bItem ? run(kind, templateId) : 0; });
}

enum : uint16_t {
  kIdcItemFlowOperation = 1178,
  kIdcItemFlowDeleteId = 1096,
  kIdcItemFlowSetting = 1179,
};
// The operations of "フローの変更".
enum : int32_t { kItemFlowAdd = 0, kItemFlowChange = 1, kItemFlowDelete = 2 };

extern const cCmdCtrl kItemFlowOpCtrls[2];
extern const cCmdDialogDesc kItemFlowOpDialog;
// "追加" has no ID to delete, "削除" no flows to set.
void ItemFlowOpStates(const cCommandData& shown, cCtrlStates& states);

// "フローの設定": points the edit state at the command's own nested flows with the operation and ID
// the dialog shows, and gives the command a default flow when it has none. The flow editor then
// writes the flows into the command itself, so they, and the flow added here, stay even when the
// dialog is cancelled. Returns the flows to edit.
cVector<cFlowData>* BeginItemFlowSetting(cCommandData& command, const cCommandData& shown, cStageEditState& state);
// After the flow editor: the edit state no longer names the flows.
void EndItemFlowSetting(cStageEditState& state);

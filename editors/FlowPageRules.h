#pragma once
// The flow editor page apart from its window: its controls as data, the ids by which it inserts
// into its inner lists, and the rules that enable its controls and follow the trigger. Its four
// lists are kListFlows, kListFlowConditions, kListKeyConditions and kListFlowCommands
// (listctrl/ListInstances.h), their rows FlowRowLabel and its neighbours (editors/ElementRowLabels.h).

#include <cstdint>

#include "app/cString.h"
#include "editors/CharaPageRules.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "model/cEdChara.h"
#include "model/cFlowData.h"

enum : uint16_t {
  kIdcFlowInherit = 1024,
  kIdcFlowList = 1082,
  kIdcFlowInsert = 1066,
  kIdcFlowDelete = 1067,
  kIdcFlowMemo = 1468,
  kIdcFlowId = 1096,
  kIdcFlowGroup = 1097,
  kIdcFlowTestPlayOnly = 1416,
  kIdcFlowCondList = 1086,
  kIdcFlowJudge = 1087,
  kIdcFlowOnce = 1088,
  kIdcFlowTrigger = 1089,
  kIdcFlowTargetCheck = 1418,
  kIdcFlowTarget = 1098,
  kIdcFlowKeyEase = 1081,
  kIdcFlowHoldRepeat = 1433,
  kIdcFlowKeyList = 1094,
  kIdcFlowCommandList = 1095,
  kIdcFlowNote = 1417,
  kIdcFlowTestButton = 1046,
};

extern const cTextField<cFlowData> kFlowTextFields[1];
extern const cComboField<cFlowData> kFlowComboFields[5];
extern const cCheckField<cFlowData> kFlowCheckFields[4];
extern const cNumField<cFlowData> kFlowNumFields[1];
// Every control of the flow editor, disabled together while the flows are inherited.
extern const uint16_t kFlowEditorCtrls[26];
// The inheritance group of the flows (the "継承" check).
constexpr int kFlowInheritGroup = 36;

// The page's own ids of insert-then-edit (accelerator key, menu item) of the three lists whose rows
// a dialog edits; their command sets leave insert out, so that the list does not insert as well.
extern const uint16_t kFlowCondInsertIds[2];
extern const uint16_t kFlowKeyCondInsertIds[2];
extern const uint16_t kFlowCommandInsertIds[2];

// The page's modes: a page of the character sheet, or the modal "フローデータ" of an item's
// "フローの変更" command.
enum : int32_t { kFlowModeSheet = 0, kFlowModeStandalone = 1 };

struct cFlowPageView {
  int32_t m_nMode = kFlowModeSheet;
  // The item command's operation (0 "追加", 1 "変更", 2 "削除"), standalone mode only.
  int32_t m_nFlowOperation = 0;
  cCharaPageView m_Page;
};

// The trigger's note: the P-0 note for "死亡した時", the P- note for "ステージ開始前", else one blank.
cString TriggerNote(int trigger);
// 1 for the triggers that involve another character, whose "ターゲットX" can be set.
int TriggerHasTarget(int trigger);
// The trigger rules on the shown flow (on a trigger change and every refresh): unless the flows are
// inherited, a trigger other than "常時" resets the group to "-", and one without a target clears
// the target-X check.
void ApplyTriggerRule(cFlowData& flow, bool inherited);
// The whole refresh of the page for the shown flow of a character (sheet mode) or of the nested
// flows (standalone, where chara only holds them).
void FlowPageStates(const cFlowData& shown, const cEdChara& chara, const cFlowPageView& view, cCtrlStates& states);

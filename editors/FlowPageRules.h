#pragma once
// The flow editor page apart from its window: its controls as data, its four lists, the rules that
// enable its controls and follow the trigger, which mode it runs in, which flow page other editors
// mean, and the flow list's row text. The other three lists' rows are CondRowText,
// KeyCondRowText (editors/CondRowText.h) and FormatCommandLine (model/CommandLineText.h).

#include <cstdint>

#include "app/cString.h"
#include "editors/CharaPageRules.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "editors/OpenSheets.h"
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

// One of the page's four lists: its maximum rows, accelerator table and popup menu with their
// command ids (in the order cut, copy, paste, insert, delete), its buttons (0: none) and the
// template of the dialog that edits a row (0: none).
struct cFlowListForm {
  uint16_t m_nId;
  int32_t m_nMaxRows;
  uint16_t m_nAccelTable;
  uint16_t m_aAccelIds[5];
  uint16_t m_nMenu;
  uint16_t m_aMenuIds[5];
  uint16_t m_nInsertButton;
  uint16_t m_nEditButton;
  uint16_t m_nDeleteButton;
  uint16_t m_nEditorTemplate;
};
enum { kFlowListFlows = 0, kFlowListConds = 1, kFlowListKeys = 2, kFlowListCommands = 3 };
extern const cFlowListForm kFlowListForms[4];

// The page's modes: a page of the character sheet, or the modal "フローデータ" of an item's
// "フローの変更" command.
enum : int32_t { kFlowModeSheet = 0, kFlowModeStandalone = 1 };
// The mode from the edit state: the project options page holding a character sheet, or the
// character layer outside context 3, means the sheet; the item layer outside context 3, or the
// options page holding an item sheet, means standalone. Any other state counts as the sheet.
int FlowPageMode(int context, int layer, int optionsHoldChara, int optionsHoldItem);

// Which flow page another editor means.
enum : int32_t { kFlowPageNone = 0, kFlowPageOfCharaSheet = 1, kFlowPageStandalone = 2 };
// For the command chooser and the command dialogs: the standalone page while the item sheet is in
// use and its flows are edited, else the character sheet's fourth page.
int FlowPageForCommands(const cOpenSheets& sheets);
// For the command row text: the character sheet's page first, else the standalone page.
int FlowPageForRowText(const cOpenSheets& sheets);

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

// "×%d %s %s": the command count, the ID letter and the group letter.
void FlowRowText(cString& text, const cFlowData& flow);

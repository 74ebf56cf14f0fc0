#pragma once
// The condition kind chooser (template 170, "条件") and the condition dialogs apart from their
// windows: the seven kinds with their buttons, templates and controls as data, the chooser's enable
// rule, which list a kind dialog is placed by, the subject names of the status dialogs, the
// defaults of a new row, and the variable rows of the variable pickers.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "editors/OpenSheets.h"
#include "editors/RecordEdit.h"
#include "model/cCondData.h"

// The edit context: the condition (a row of the list's working vector), whether the row was just
// inserted, and which list calls (0 the block, item and character basic pages, 1 the flow page,
// 2 the flow-operation command).
struct cCondEditContext {
  cCondData* m_pCond = nullptr;
  int32_t m_bNew = 0;
  int32_t m_nListKind = 0;
};

enum : int32_t {
  kCondCommonVar = 1,
  kCondStageVar = 2,
  kCondCharaVar = 3,
  kCondStatus = 4,
  kCondStatus2 = 5,
  kCondStatus3 = 6,
  kCondDistance = 7,
};
constexpr int kCondKindCount = 8;  // row 0 stands for no kind

// One kind: its chooser button, its dialog's template, and the controls of the dialogs of this
// core's kinds 1, 2, 3, 6 and 7 (kinds 4 and 5: editors/StatusCondRules.h). Its caption is
// CondKindNames[kind].
struct cDlgCondKindEntry {
  uint16_t m_nButton;
  uint16_t m_nTemplate;
  const cNumField<cCondData>* m_pNum;
  int m_nNum;
  const cComboField<cCondData>* m_pCombo;
  int m_nCombo;
  const cCheckField<cCondData>* m_pCheck;
  int m_nCheck;
};
extern const cDlgCondKindEntry kCondKindEntries[kCondKindCount];

enum : uint16_t {
  kIdcCondDistanceButton = 1273,
  kIdcCondRename = 1050,
  kIdcCondRangeShow = 1475,
  kIdcCondRangeColour = 1476,
  kIdcCondShowUnborn = 1474,
  kIdcCondShowTransparent = 1477,
};

// The button that runs the dialog of an existing condition's kind before the chooser shows; 0 for
// kind 0 and any stored kind outside 1-7, for which the chooser shows itself.
uint16_t CondKindButton(int kind);
// The kind a button stands for; 0 for any other id.
int CondKindOfButton(uint16_t id);
// The chooser's buttons: the texts of CondKindNames, and the distance button disabled for the
// block, item and character basic lists (list kind 0) unless the stage editor shows the character
// layer (1).
void CondChooserStates(int listKind, int layer, cCtrlStates& states);

// The list a kind dialog is placed by, from the data sheet in use.
enum : int32_t {
  kCondAnchorNone = 0,
  kCondAnchorBlockPage,       // the block page's conditions
  kCondAnchorCharaBasicPage,  // the character basic page's appearance conditions (first page)
  kCondAnchorCharaFlowPage,   // the flow page's conditions (any other page)
  kCondAnchorItemPage,        // the item first page's conditions
  kCondAnchorItemFlowPage,    // the conditions of the item command's flow page
};
int CondKindDialogAnchor(const cOpenSheets& sheets);

// Presses a kind button: writes the kind into the condition (kept when the dialog is cancelled),
// then runs its dialog through run(kind, template id, anchor) and returns its result. With no data
// sheet in use no dialog can run and the result is 0, so that the calling list removes an inserted
// row. -1 for a button of no kind, which does nothing.
template <class Run>
int PressCondKindButton(cCondData& cond, uint16_t button, const cOpenSheets& sheets, Run run) {
  int kind = CondKindOfButton(button);
  if (!kind) return -1;
  cond.m_cKind = static_cast<int8_t>(kind);
  int anchor = CondKindDialogAnchor(sheets);
  return anchor == kCondAnchorNone ? 0 : run(kind, kCondKindEntries[kind].m_nTemplate, anchor);
}

// The subjects the status dialogs offer: "主人公" first for the block sheet and for the item sheet's
// own conditions, "自分" first for the character sheet and for the flows of an item's "フローの変更"
// command (the item sheet's second page with its effect chooser running); then "ターゲット1" ..
// "ターゲット4", and "システム" as subject 5 when asked for. Empty with no sheet in use.
void BuildSubjectNames(cVector<cString>& list, int withSystem, const cOpenSheets& sheets);

// What a kind dialog writes into a new row of its kind when it opens.
void WriteCondDefaults(cCondData& cond);

// A condition dialog: a new row receives its kind's defaults (kept on cancel, the calling list
// removes the row), then the controls work on a copy that only OK stores.
class cCondEdit : public cRecordEdit<cCondData> {
public:
  explicit cCondEdit(const cCondEditContext& context);
  const cCondEditContext& Context() const { return m_Context; }

private:
  cCondEditContext m_Context;
};

// The distance dialog's dependent controls: the colour and both display checks follow "範囲の表示".
void DistanceCondStates(const cCondData& shown, cCtrlStates& states);

// The 999 rows of a variable picker of scope 0 (common) or 1 (stage): "%03d %s" of variables
// 1 .. 999 and their names; row r stands for variable r + 1.
constexpr int kVariableRowCount = 999;
cVector<cString> VariableRows(int scope);

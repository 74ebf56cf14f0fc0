#pragma once
// The command choosers apart from their windows: the character command chooser (template 205,
// "コマンド") and the item effect command chooser (template 216, editors/ItemCommandChooser.h),
// each a 46-row button table; which buttons show which kind, and the button a chooser presses at
// once for an existing command.

#include <cstdint>

#include "editors/CtrlStates.h"

class cCommandData;

// One row: the button, the template of the kind's dialog (0: none), and whether it is offered.
// Row k stands for kind k of the chooser's command set; row 0 for no kind.
struct cCmdSelectEntry {
  uint16_t m_nCtrlId;
  uint16_t m_nTemplateId;
  int32_t m_bEnabled;
};
constexpr int kCmdSelectEntryCount = 46;
constexpr int kCmdSelectButtonCount = kCmdSelectEntryCount - 1;
extern const cCmdSelectEntry kCmdSelectEntries[kCmdSelectEntryCount];

// A chooser: its rows and the command set its kinds belong to.
struct cCmdSelectTable {
  const cCmdSelectEntry* m_pEntries;  // kCmdSelectEntryCount rows
  int8_t m_nSet;
  uint16_t m_nTemplate;
};
extern const cCmdSelectTable kCharaCmdSelect;

// The button that runs the dialog of an existing command's kind before the chooser shows; 0 for a
// kind that has no dialog (0, the spare rows, and anything beyond the table), for which the chooser
// shows itself.
uint16_t CmdSelectButtonOfKind(const cCmdSelectTable& table, int kind);
// The kind an offered button stands for; 0 for a spare button or any other id.
int CmdSelectKindOfButton(const cCmdSelectTable& table, uint16_t id);
// The buttons as the chooser shows them: each offered button with its kind's name from the
// chooser's command set, every spare one hidden.
void CmdSelectStates(const cCmdSelectTable& table, cCtrlStates& states);
// What pressing a kind's button leaves in the command, whatever its dialog returns.
void ChooseCommandKind(const cCmdSelectTable& table, cCommandData& command, int kind);

// The character chooser's.
inline uint16_t CmdSelectButtonOfKind(int kind) { return CmdSelectButtonOfKind(kCharaCmdSelect, kind); }
inline int CmdSelectKindOfButton(uint16_t id) { return CmdSelectKindOfButton(kCharaCmdSelect, id); }
inline void CmdSelectStates(cCtrlStates& states) { CmdSelectStates(kCharaCmdSelect, states); }
inline void ChooseCommandKind(cCommandData& command, int kind) { ChooseCommandKind(kCharaCmdSelect, command, kind); }

// Presses a button: for an offered kind, writes the kind into the command and returns what
// run(kind, template id) returns, the result of the kind's dialog, which the chooser closes with;
// -1 for any other button, which does nothing.
template <class Run>
int PressCommandButton(const cCmdSelectTable& table, cCommandData& command, uint16_t button, Run run) {
  int kind = CmdSelectKindOfButton(table, button);
  if (!kind) return -1;
  ChooseCommandKind(table, command, kind);
  return run(kind, table.m_pEntries[kind].m_nTemplateId);
}
template <class Run>
int PressCommandButton(cCommandData& command, uint16_t button, Run run) {
  return PressCommandButton(kCharaCmdSelect, command, button, run);
}

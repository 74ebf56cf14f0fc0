#pragma once
// The command chooser (template 205, "コマンド") apart from its window: its 46-row button table,
// which buttons show which kind, and the button it presses at once for an existing command.

#include <cstdint>

#include "editors/CtrlStates.h"

class cCommandData;

// One row: the button, the template of the kind's dialog (0: none), and whether it is offered.
// Row k stands for kind k of the character command set; row 0 for no kind.
struct cCmdSelectEntry {
  uint16_t m_nCtrlId;
  uint16_t m_nTemplateId;
  int32_t m_bEnabled;
};
constexpr int kCmdSelectEntryCount = 46;
constexpr int kCmdSelectButtonCount = kCmdSelectEntryCount - 1;
extern const cCmdSelectEntry kCmdSelectEntries[kCmdSelectEntryCount];

// The button that runs the dialog of an existing command's kind before the chooser shows; 0 for a
// kind that has no dialog (0, the spare rows 40-45, and anything beyond the table), for which the
// chooser shows itself.
uint16_t CmdSelectButtonOfKind(int kind);
// The kind an offered button stands for; 0 for a spare button or any other id.
int CmdSelectKindOfButton(uint16_t id);
// The buttons as the chooser shows them: each offered button with its kind's name from the
// character command set, every spare one hidden.
void CmdSelectStates(cCtrlStates& states);
// What pressing a kind's button leaves in the command, whatever its dialog returns.
void ChooseCommandKind(cCommandData& command, int kind);

// Presses a button: for an offered kind, writes the kind into the command and returns what
// run(kind, template id) returns, the result of the kind's dialog, which the chooser closes with;
// -1 for any other button, which does nothing.
template <class Run>
int PressCommandButton(cCommandData& command, uint16_t button, Run run) {
  int kind = CmdSelectKindOfButton(button);
  if (!kind) return -1;
  ChooseCommandKind(command, kind);
  return run(kind, kCmdSelectEntries[kind].m_nTemplateId);
}

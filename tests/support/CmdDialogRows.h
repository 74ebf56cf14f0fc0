#pragma once
// The command dialogs' runner rows: a command of a set and kind, new or existing, the values the
// user gives its dialog's controls, and what OK then stores, or the message with which OK refuses
// (the command then still holds what opening left in it). The native tests play every row through
// cCmdDialogModel; a Windows runner plays the same rows on the real dialogs: it creates the
// kind's dialog on RowCommand(row), gives each control its input (a combo the row input - the
// control's offset, an edit the number or text, a check box its state), checks that an input the
// row marks refused meets a disabled control, presses OK, answers and compares the boxes, and
// reports StoredDifferences. Extending the runner to another kind is adding rows here once its
// dialog has a description (editors/CmdDialogDesc.h).

#include <cstdint>
#include <string>
#include <vector>

#include "editors/CmdDialogDesc.h"
#include "model/cCommandData.h"

// One input: a value (a combo's stored value, row + offset; a check box 0 or 1; a numeric edit the
// number typed) or a text (a text edit; a double edit the number typed). A refused input meets a
// control the user cannot change now (disabled, hidden or missing) and changes nothing.
struct cCtrlInput {
  uint16_t m_nId;
  int32_t m_nValue;
  const char* m_pText;
  int8_t m_bRefused;
};
inline cCtrlInput Set(uint16_t id, int32_t value) { return {id, value, nullptr, 0}; }
inline cCtrlInput Type(uint16_t id, const char* text) { return {id, 0, text, 0}; }
inline cCtrlInput Refused(uint16_t id, int32_t value) { return {id, value, nullptr, 1}; }
inline cCtrlInput RefusedText(uint16_t id, const char* text) { return {id, 0, text, 1}; }

// A value the command holds after the run.
struct cStoredValue {
  tCmdSlot m_Slot;
  int32_t m_nValue;
  const char* m_pText;  // text slots
  double m_dValue;      // double slots
};
inline cStoredValue Stored(tCmdSlot slot, int32_t value) { return {slot, value, nullptr, 0.0}; }
inline cStoredValue StoredText(tCmdSlot slot, const char* text) { return {slot, 0, text, 0.0}; }
inline cStoredValue StoredDouble(tCmdSlot slot, double value) { return {slot, 0, nullptr, value}; }
inline tCmdSlot Param(int16_t index) { return cParamSlot{index}; }

struct cCmdDialogRow {
  const char* m_pName;
  int8_t m_nSet;
  int8_t m_nKind;
  int8_t m_bNew;
  // What an existing command holds besides its set and kind (null: nothing more).
  void (*m_pfnExisting)(cCommandData& command);
  // The system settings' compatibility switch of the code checker during the run.
  int8_t m_bCompat751;
  std::vector<cCtrlInput> m_vInput;
  // 1: OK stores and closes; 0: OK refuses and the dialog stays open.
  int8_t m_nResult;
  std::vector<std::string> m_vMessages;
  std::vector<cStoredValue> m_vStored;
};

const std::vector<cCmdDialogRow>& CmdDialogRows();

// The world every row opens in: database tables with names, sword types, both palettes, named
// variables and the scroll statuses. The caller puts the globals back afterwards (the variable
// names registered here included).
void SetUpCmdDialogWorld();

// The command a row's dialog opens on.
cCommandData RowCommand(const cCmdDialogRow& row);
// The values that differ from the row's expectations, one line each; empty when all agree.
std::string StoredDifferences(const cCommandData& command, const cCmdDialogRow& row);

#pragma once
// Runs of the command parameter dialogs as a user makes them: a command of a kind (new, or with
// stored values), the controls set one after the other, how the dialog ends, and what the command
// holds afterwards. The native tests replay every run through the dialogs' portable core; the
// Windows tests replay the same rows on the real dialogs, over the same world of database tables,
// palettes and variable names.
//
// A run's answer is what the window's host gives when the dialog asks: the picked cell of the
// graphic picker (a number), the file chosen in the open-file dialog, or the new name of the
// string input dialog. In a file path "{cwd}" stands for the working folder and "{other}" for a
// file on another drive. A null answer cancels whatever is asked.

#include <cstdint>
#include <string>
#include <vector>

#include "editors/CmdDialogCore.h"

// What a user does to a control.
enum : uint8_t {
  kInType,   // types m_pText into a numeric edit
  kInText,   // types m_pText into a text edit
  kInRow,    // chooses row m_nValue of a combo box
  kInCheck,  // sets a check box to m_nValue
  kInSlide,  // moves a slider to m_nValue
  kInClick,  // clicks a button
};
struct cCmdInput {
  uint16_t m_nId;
  uint8_t m_nAct;
  int32_t m_nValue;
  const char* m_pText;
};
cCmdInput TypeNumber(uint16_t id, const char* text);
cCmdInput TypeText(uint16_t id, const char* text);
cCmdInput Choose(uint16_t id, int row);
cCmdInput Tick(uint16_t id, int checked);
cCmdInput Slide(uint16_t id, int position);
cCmdInput Click(uint16_t id);

// How the run ends: OK that stores and closes, OK that the dialog refuses (it stays open, and the
// run then cancels), "ｷｬﾝｾﾙ", the close box.
enum : uint8_t { kEndOk, kEndRefused, kEndCancel, kEndClose };

// A value the command holds after the run; m_pText for the text member.
struct cCmdStored {
  tCmdRef m_Ref;
  double m_dValue;
  const char* m_pText;
};
cCmdStored Holds(tCmdRef ref, double value);
cCmdStored HoldsText(const char* text);

struct cCmdRun {
  const char* m_pName;
  int8_t m_nSet;
  int8_t m_nKind;
  int32_t m_bNew;
  // The stored values of an existing command of the kind (its payload block included); null: none.
  void (*m_pSetup)(cCommandData& command);
  std::vector<cCmdInput> m_vInput;
  uint8_t m_nEnd;
  std::vector<cCmdStored> m_vStored;
  const char* m_pAnswer = nullptr;
  // The stage editor's edit context the dialog opens in (2: an entry of the common palette).
  int32_t m_nEditContext = 0;
};

const std::vector<cCmdRun>& CmdDialogRuns();

// The world every run opens in: database tables, both palettes and the variable names, with the
// scroll statuses filled. The caller puts the globals back afterwards.
void SetUpCmdDialogWorld();
// The command a run opens: its set and kind, and its stored values.
cCommandData CmdRunCommand(const cCmdRun& run);
// A path answer with its placeholders replaced.
std::string CmdRunPath(const char* answer, const std::string& workingFolder, const std::string& otherDrive);

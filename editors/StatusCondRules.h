#pragma once
// The two status condition dialogs apart from their windows: "ステータス条件" (kind 4, template
// 269), whose status lists, variable pickers and value limits follow its other controls, and
// "ステータス条件2" (kind 5, template 274), whose status and option lists follow the subject.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "model/FlowVocabulary.h"
#include "model/cCondData.h"

enum : uint16_t {
  kIdcStatLeftType = 11175,
  kIdcStatSubject = 1400,
  kIdcStatStatus = 1401,
  kIdcStatLeftScope = 11176,
  kIdcStatLeftVar = 1402,
  kIdcStatLeftRename = 1405,
  kIdcStatCompare = 1407,
  kIdcStatRightType = 11177,
  kIdcStatValue = 1403,
  kIdcStatRandMin = 1048,
  kIdcStatRandMax = 1054,
  kIdcStatRightSubject = 11178,
  kIdcStatRightStatus = 1176,
  kIdcStatRightScope = 11179,
  kIdcStatRightVar = 1051,
  kIdcStatRightRename = 1052,
  kIdcStatPercent = 1175,
  kIdcStat2Subject = 11174,
  kIdcStat2Status = 1173,
  kIdcStat2Option = 1397,
  kIdcStat2Compare = 1048,
};

// Kind 4. Rows given at run time: subjects (BuildSubjectNames with "システム"), statuses
// (StatusRows), variables (VarPickerRows).
extern const cComboField<cCondData> kStatusCondCombos[11];
extern const cNumField<cCondData> kStatusCondNums[3];
extern const cCheckField<cCondData> kStatusCondChecks[1];
// Kind 5. The status and option combos take their rows and offsets from Status2StatusRows and
// Status2OptionRows.
extern const cComboField<cCondData> kStatus2CondCombos[4];

// The status table of a subject: the 15 character statuses for subjects 0-4, the 5 system
// statuses for subject 5; none for another subject (count 0).
const cStatusDesc* StatusTableOf(int subject, int& count);
cVector<cString> StatusRows(int subject);
// A status of a subject's table; null outside it.
const cStatusDesc* StatusDescOf(int subject, int status);

// What a variable picker (1402 or 1051) lists, with its rename button enabled for the last two.
enum : int32_t { kVarPickerOff = 0, kVarPickerCharaVar, kVarPickerCommon, kVarPickerStage };
// What a side of a status comparison or operation lists: its status type with a character's
// status 0 ("キャラ変数") lists the character variables; its variable type lists the common or
// stage variables by scope; anything else turns the picker off.
int StatusVarPicker(int type, int statusType, int varType, int subject, int status, int scope);
// The picker enabled unless off, its rename button only for the common and stage variables.
void VarPickerStates(int picker, uint16_t combo, uint16_t rename, cCtrlStates& states);
// Left: StatusVarPicker with the left type 0 ("ステータス") and 1 ("変数").
int LeftVarPicker(const cCondData& shown);
// Right: the same with the right type 2 ("ステータス") and 3 ("変数").
int RightVarPicker(const cCondData& shown);
cVector<cString> VarPickerRows(int picker);

// UpdateControls of kind 4: the left side by its type, the status lists by their subjects, the
// right side's controls by the right type, and both variable pickers.
void StatusCondStates(const cCondData& shown, cCtrlStates& states);
// The limits the three value edits (1403, 1048, 1054, in the order of kStatusCondNums) have now:
// their own until a left status sets those of the edits its right type uses.
struct cStatusValueLimits {
  cStatusValueLimits();
  int32_t m_anMin[3];
  int32_t m_anMax[3];
};
// A change of the left status (and initialisation), while the left type is "ステータス": the value
// edits that the right type uses take the status's comparison range, in the limits and the
// states, and "％で指定" is allowed only for a status that can be compared in percent (its check is
// cleared otherwise). With reclamp set the values are held to their edits' limits.
void ApplyLeftStatus(cCondData& shown, cStatusValueLimits& limits, cCtrlStates& states, int reclamp);

// The left status chosen last in a status condition dialog during this run of the editor. The
// value edits re-clamp when, after initialisation, another status is chosen than the last one.
class cStatusCondMemory {
public:
  // Remembers the status; 1 when the edits re-clamp.
  int NoteLeftStatus(int status, int initialised);

private:
  int m_nLast = -1;  // none at start
};
extern cStatusCondMemory g_StatusCondMemory;

// Kind 5: the rows of the status combo and the offset that makes them values: flag statuses 1-6
// (offset 1) for subjects 0-4, the two scroll statuses (offset 0) for subject 5; 0 for any other
// subject, whose rows stay as they are.
int Status2StatusRows(int subject, cVector<cString>& rows, int32_t& offset);
// The option combo's rows and offset (the status's minimum value); 0 when subject and status name
// no status.
int Status2OptionRows(int subject, int status, cVector<cString>& rows, int32_t& offset);
// After the subject changed: the status is kept on one of the new rows (the first or the last when
// it lies outside them), and the option value on one of that status's values.
void FitStatus2(cCondData& shown);

#pragma once
// A command parameter dialog as data: its template, its controls with what each shows and stores
// (a member of the command, of its movement block or condition list, a parameter, or a value of
// the dialog's own), the defaults of a new command, the value rules and enable decisions of every
// refresh, the check OK makes and the fields OK derives. The Windows dialog binds its wrappers
// from the controls, calls the rules on UpdateControls and OK, and so does cCmdDialogModel, which
// plays the dialog without a window for the tests and the runner's rows.
//
// One description per dialog class, found by command set and kind (FindCmdDialogDesc); a kind of
// the item effect set that has a character counterpart uses that kind's dialog.

#include <cstddef>
#include <cstdint>
#include <variant>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/ComboChoice.h"
#include "editors/CommandEdit.h"
#include "editors/CtrlStates.h"
#include "editors/FieldTable.h"
#include "model/cCommandData.h"
#include "ui/CtrlCommand.h"

struct cBrowseForm;
struct cPaintList;
struct cSheetExtents;

// An element of the command's parameters.
struct cParamSlot {
  int16_t m_nIndex;
};
// A value the dialog keeps for itself and never stores (the variable pickers).
struct cDialogSlot {
  int16_t m_nIndex;
};
constexpr int kDialogSlotCount = 2;
// An element of one of the shot block's three-value arrays (formation and move type parameters).
struct cShotArraySlot {
  int16_t (cEdShot::*m_pArray)[3];
  int8_t m_nIndex;
};

// Where a control's value lives. Movement, shot and condition-list members read 0 while the
// command has no such block.
using tCmdSlot = std::variant<int8_t cCommandData::*, int16_t cCommandData::*, int32_t cCommandData::*,
                              cString cCommandData::*, int8_t cEdMove::*, int16_t cEdMove::*, double cEdMove::*,
                              int8_t cCondList::*, cParamSlot, cDialogSlot, int8_t cEdShot::*, int16_t cEdShot::*,
                              int32_t cEdShot::*, cShotArraySlot>;
constexpr tCmdSlot FormParamSlot(int index) { return cShotArraySlot{&cEdShot::m_nFormParam, int8_t(index)}; }
constexpr tCmdSlot MoveParamSlot(int index) { return cShotArraySlot{&cEdShot::m_nMoveParam, int8_t(index)}; }

int32_t ReadCmdSlot(const cCommandData& command, const tCmdSlot& slot);
double ReadCmdSlotDouble(const cCommandData& command, const tCmdSlot& slot);
cString ReadCmdSlotText(const cCommandData& command, const tCmdSlot& slot);
// Writes a value in the slot's own width (a text slot takes text, a double slot value); a missing
// block or parameter and a dialog slot are left alone.
void WriteCmdSlot(cCommandData& command, const tCmdSlot& slot, int32_t value);
void WriteCmdSlotDouble(cCommandData& command, const tCmdSlot& slot, double value);
void WriteCmdSlotText(cCommandData& command, const tCmdSlot& slot, const cString& text);
int IsTextSlot(const tCmdSlot& slot);
int IsDoubleSlot(const tCmdSlot& slot);

// Combo rows built when the dialog opens or refreshes.
enum : int8_t {
  kRowsTable = 0,      // the name table m_pRows
  kRowsAnime,          // "なし", then the anime table (AnimeRows)
  kRowsSound,          // "なし", then the sound table (SoundRows)
  kRowsCommonVars,     // the 999 common variables (VariableRows)
  kRowsStageVars,      // the 999 stage variables
  kRowsCharaKinds,     // the names of character command kinds 1 .. 39
  kRowsArrangeParams,  // the parameter names of the arrange command's target kind
  kRowsArrangeVars,    // the variables of the arrange command's variable kind
};

// Rows a rule builds from the shown command: the rows, the value of the first, and how a stored
// value outside them shows (editors/ComboChoice.h).
struct cCmdRows {
  cVector<cString> m_vRows;
  int32_t m_nOffset = 0;
  cRowNumbering m_Numbering;
};
using tCmdRowsFn = void (*)(const cCommandData& shown, cCmdRows& rows);

// One control. Numeric edits and sliders keep their limits in m_nMin .. m_nMax (a double edit in
// m_dMin .. m_dMax with its step; a slider its value edit in m_nSpinId and its page in m_nPage),
// which the rules may narrow through their states; a text edit keeps its byte limit in m_nMax, or
// in line mode its characters per line in m_nMax and its lines in m_nLines; a combo stores its row
// plus m_nOffset, its rows from a name table, a row kind or a rule (m_pfnRows, which also gives
// the offset). A fitted combo shows, and stores, a value outside its rows as its first row.
struct cCmdCtrl {
  uint16_t m_nId;
  int8_t m_nKind;  // kCtrlEditVal, kCtrlEditText, kCtrlCheck, kCtrlCombo
  tCmdSlot m_Slot;
  uint16_t m_nSpinId;
  int32_t m_nMin;
  int32_t m_nMax;
  int32_t m_nLines;
  double m_dMin;
  double m_dMax;
  double m_dStep;
  const cString* m_pRows;
  int8_t m_nRows;
  int32_t m_nOffset;
  tCmdRowsFn m_pfnRows = nullptr;
  int8_t m_bFit = 0;
  int32_t m_nPage = 0;
};

constexpr cCmdCtrl NumCtrl(uint16_t id, uint16_t spin, tCmdSlot slot, int32_t min, int32_t max) {
  return {id, kCtrlEditVal, slot, spin, min, max, 0, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0};
}
constexpr cCmdCtrl DoubleCtrl(uint16_t id, uint16_t spin, double cEdMove::*member, double min, double max,
                              double step) {
  return {id, kCtrlEditVal, member, spin, 0, 0, 0, min, max, step, nullptr, kRowsTable, 0};
}
constexpr cCmdCtrl CheckCtrl(uint16_t id, tCmdSlot slot) {
  return {id, kCtrlCheck, slot, 0, 0, 1, 0, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0};
}
constexpr cCmdCtrl ComboCtrl(uint16_t id, tCmdSlot slot, const cString* rows, int32_t offset) {
  return {id, kCtrlCombo, slot, 0, 0, 0, 0, 0.0, 0.0, 0.0, rows, kRowsTable, offset};
}
constexpr cCmdCtrl RowsCtrl(uint16_t id, tCmdSlot slot, int8_t rows, int32_t offset) {
  return {id, kCtrlCombo, slot, 0, 0, 0, 0, 0.0, 0.0, 0.0, nullptr, rows, offset};
}
// A single-line text of at most maxBytes bytes.
constexpr cCmdCtrl TextCtrl(uint16_t id, cString cCommandData::*member, int32_t maxBytes) {
  return {id, kCtrlEditText, member, 0, 0, maxBytes, 0, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0};
}
// A multi-line text of lines lines of charsPerLine characters, a double-byte character counting one.
constexpr cCmdCtrl LinesCtrl(uint16_t id, cString cCommandData::*member, int32_t charsPerLine, int32_t lines) {
  return {id, kCtrlEditText, member, 0, 0, charsPerLine, lines, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0};
}
constexpr cCmdCtrl FnRowsCtrl(uint16_t id, tCmdSlot slot, tCmdRowsFn rows) {
  return {id, kCtrlCombo, slot, 0, 0, 0, 0, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0, rows};
}
constexpr cCmdCtrl SliderCtrl(uint16_t id, uint16_t valueEdit, tCmdSlot slot, int32_t min, int32_t max,
                              int32_t page) {
  return {id, kCtrlSlider, slot, valueEdit, min, max, 0, 0.0, 0.0, 0.0, nullptr, kRowsTable, 0, nullptr, 0, page};
}
constexpr cCmdCtrl Fitted(cCmdCtrl ctrl) {
  ctrl.m_bFit = 1;
  return ctrl;
}
// The common controls of every command dialog (editors/CommandEdit.h), by id.
cCmdCtrl CommonCmdCtrl(uint16_t id);

// The rows a combo shows for the shown command, with the value of its first row and how a value
// outside them shows; the rows alone; their number.
cCmdRows CmdCtrlRowSet(const cCmdCtrl& ctrl, const cCommandData& shown);
cVector<cString> CmdCtrlRows(const cCmdCtrl& ctrl, const cCommandData& shown);
int CmdCtrlRowCount(const cCmdCtrl& ctrl, const cCommandData& shown);
int32_t CmdCtrlOffset(const cCmdCtrl& ctrl, const cCommandData& shown);
// What a combo shows of the shown command: its rows, and the one that shows the value (a stored
// value outside them gets a row of its own and stays stored until the user picks a real row).
cComboChoice CmdCtrlChoice(const cCmdCtrl& ctrl, const cCommandData& shown);

// A "_" button that renames the variable chosen in a picker.
constexpr int8_t kRenameScopeByParam = -1;  // the scope is the value of parameter m_nScopeParam
struct cRenameButton {
  uint16_t m_nButton;
  uint16_t m_nPicker;
  int8_t m_nSite;   // kRename... of editors/VariableRename.h
  int8_t m_nScope;  // kVarScopeCommon, kVarScopeStage or kRenameScopeByParam
  int16_t m_nScopeParam = -1;
};

// A picture of the shown values that a dialog keeps current (the graphic, the screen colour, the
// shot): the operations drawn over black on a square bitmap control, 32 x 32 unless it says.
constexpr int kCmdPreviewPixels = 32;
using tCmdPreviewFn = void (*)(const cCommandData& shown, const cSheetExtents& sheets, cPaintList& list);

// A "一覧" button: the graphic cell picker on the sheet of the graphic kind chosen in a combo (or of
// a kind of its own when no combo chooses it), its pick shown in a numeric edit.
struct cCellPickButton {
  uint16_t m_nButton = 0;
  uint16_t m_nKindCtrl = 0;
  uint16_t m_nNumberCtrl = 0;
  int8_t m_nKind = 0;  // without a kind combo
};

// A "参照" button: the open-file dialog with its folder, title and filter; accept makes the chosen file the text
// of an edit, or leaves the edit as it was (0).
struct cBrowseButton {
  uint16_t m_nButton = 0;
  uint16_t m_nTextCtrl = 0;
  const cBrowseForm* m_pForm = nullptr;
  int (*m_pfnAccept)(const cString& chosen, cString& path) = nullptr;
};

// A dialog's description, written as CmdDialog(...) followed by the parts the dialog has, e.g.
// CmdDialog(0, kCmdLoop, 280, "cDlgCommandLoop").Ctrls(kLoopCtrls).Defaults(WriteLoopDefaults).
struct cCmdDialogDesc {
  int8_t m_nSet = 0;  // 0: a character kind (and the item kind of the same name); 1: an item-only kind
  int8_t m_nKind = 0;
  uint16_t m_nTemplate = 0;
  const char* m_pClass = "";
  const cCmdCtrl* m_pCtrls = nullptr;
  int m_nCtrls = 0;
  // A group of controls several dialogs share (the movement dialogs' time, speed and distance).
  const cCmdCtrl* m_pShared = nullptr;
  int m_nShared = 0;
  // Buttons with commands of their own (renames, conditions, flows).
  const uint16_t* m_pButtons = nullptr;
  int m_nButtons = 0;
  const cRenameButton* m_pRenames = nullptr;
  int m_nRenames = 0;
  // The list of the command's own conditions, which the dialog class edits (0: none).
  uint16_t m_nCondList = 0;
  // The controls the template holds when it lacks some bound ones (null: it holds them all). A
  // bound control the template lacks reads 0, so OK stores 0 through it.
  const uint16_t* m_pPresent = nullptr;
  int m_nPresent = 0;
  // The defaults of a new command, after its payload block is created.
  tCommandDefaults m_pfnDefaults = nullptr;
  // A movement type stored outside its table (a damaged or foreign file) shows, and is stored, as
  // the table's first row, so that every rule reads a row the combo really shows.
  int8_t m_bFitMoveTypes = 0;
  // What opening writes into the command itself besides the defaults, kept on cancel (a value the
  // framework raises to a combo's first row at once).
  void (*m_pfnOpening)(cCommandData& command) = nullptr;
  // The value rules of a user's change, from the values before it (not run when the dialog opens):
  // the defaults of a newly chosen formation, a value kept on a newly chosen list.
  void (*m_pfnChange)(cCommandData& shown, const cCommandData& before) = nullptr;
  // The value rules of a refresh: controls that other controls set.
  void (*m_pfnApply)(cCommandData& shown) = nullptr;
  // The enable, show and text decisions of a refresh.
  void (*m_pfnStates)(const cCommandData& shown, cCtrlStates& states) = nullptr;
  // OK's check of the shown values: 0 refuses, its message shown (none: OK accepts).
  int (*m_pfnCheck)(const cCommandData& shown) = nullptr;
  // The fields OK sets from the others before storing.
  void (*m_pfnDerive)(cCommandData& shown) = nullptr;
  // The combo whose choice is played at once (0: none).
  uint16_t m_nSoundPreview = 0;
  // The button that plays the BGM chosen in a combo (0: none); the music stops when the dialog closes.
  uint16_t m_nBgmPlay = 0;
  uint16_t m_nBgmCombo = 0;
  // The bitmap control of the preview and what it draws (0: none).
  uint16_t m_nPreview = 0;
  tCmdPreviewFn m_pfnPreview = nullptr;
  int32_t m_nPreviewPixels = kCmdPreviewPixels;
  cCellPickButton m_CellPick;
  cBrowseButton m_Browse;

  template <size_t N>
  cCmdDialogDesc& Ctrls(const cCmdCtrl (&ctrls)[N]) {
    m_pCtrls = ctrls;
    m_nCtrls = static_cast<int>(N);
    return *this;
  }
  template <size_t N>
  cCmdDialogDesc& Shared(const cCmdCtrl (&ctrls)[N]) {
    m_pShared = ctrls;
    m_nShared = static_cast<int>(N);
    return *this;
  }
  template <size_t N>
  cCmdDialogDesc& Buttons(const uint16_t (&ids)[N]) {
    m_pButtons = ids;
    m_nButtons = static_cast<int>(N);
    return *this;
  }
  template <size_t N>
  cCmdDialogDesc& Renames(const cRenameButton (&renames)[N]) {
    m_pRenames = renames;
    m_nRenames = static_cast<int>(N);
    return *this;
  }
  cCmdDialogDesc& CondList(uint16_t list) {
    m_nCondList = list;
    return *this;
  }
  template <size_t N>
  cCmdDialogDesc& Present(const uint16_t (&ids)[N]) {
    m_pPresent = ids;
    m_nPresent = static_cast<int>(N);
    return *this;
  }
  cCmdDialogDesc& Defaults(tCommandDefaults defaults) {
    m_pfnDefaults = defaults;
    return *this;
  }
  cCmdDialogDesc& FitMoveTypes() {
    m_bFitMoveTypes = 1;
    return *this;
  }
  cCmdDialogDesc& Opening(void (*opening)(cCommandData&)) {
    m_pfnOpening = opening;
    return *this;
  }
  cCmdDialogDesc& Change(void (*change)(cCommandData&, const cCommandData&)) {
    m_pfnChange = change;
    return *this;
  }
  cCmdDialogDesc& Apply(void (*apply)(cCommandData&)) {
    m_pfnApply = apply;
    return *this;
  }
  cCmdDialogDesc& States(void (*states)(const cCommandData&, cCtrlStates&)) {
    m_pfnStates = states;
    return *this;
  }
  cCmdDialogDesc& Check(int (*check)(const cCommandData&)) {
    m_pfnCheck = check;
    return *this;
  }
  cCmdDialogDesc& Derive(void (*derive)(cCommandData&)) {
    m_pfnDerive = derive;
    return *this;
  }
  cCmdDialogDesc& SoundPreview(uint16_t id) {
    m_nSoundPreview = id;
    return *this;
  }
  cCmdDialogDesc& BgmPreview(uint16_t button, uint16_t combo) {
    m_nBgmPlay = button;
    m_nBgmCombo = combo;
    return *this;
  }
  cCmdDialogDesc& Preview(uint16_t bitmap, tCmdPreviewFn draw, int32_t pixels = kCmdPreviewPixels) {
    m_nPreview = bitmap;
    m_pfnPreview = draw;
    m_nPreviewPixels = pixels;
    return *this;
  }
  cCmdDialogDesc& CellPicker(uint16_t button, uint16_t kindCtrl, uint16_t numberCtrl) {
    m_CellPick = {button, kindCtrl, numberCtrl, 0};
    return *this;
  }
  cCmdDialogDesc& CellPickerOfKind(uint16_t button, int8_t kind, uint16_t numberCtrl) {
    m_CellPick = {button, 0, numberCtrl, kind};
    return *this;
  }
  cCmdDialogDesc& Browse(uint16_t button, uint16_t textCtrl, const cBrowseForm& form,
                         int (*accept)(const cString&, cString&)) {
    m_Browse = {button, textCtrl, &form, accept};
    return *this;
  }
};

inline cCmdDialogDesc CmdDialog(int8_t set, int8_t kind, uint16_t templateId, const char* className) {
  cCmdDialogDesc desc;
  desc.m_nSet = set;
  desc.m_nKind = kind;
  desc.m_nTemplate = templateId;
  desc.m_pClass = className;
  return desc;
}

// The dialog of a command kind; null for a kind whose dialog has no description here.
const cCmdDialogDesc* FindCmdDialogDesc(int set, int kind);
// Every description, for the tests and the runner.
const cVector<const cCmdDialogDesc*>& CmdDialogDescs();
// The dialog's caption: the name of its kind.
cString CmdDialogCaption(const cCmdDialogDesc& desc);
const cCmdCtrl* FindCmdCtrl(const cCmdDialogDesc& desc, uint16_t id);
int CmdCtrlPresent(const cCmdDialogDesc& desc, uint16_t id);
// Calls visit(control) for the dialog's own controls, then the shared ones.
template <class Visit>
void ForEachCmdCtrl(const cCmdDialogDesc& desc, Visit visit) {
  for (int i = 0; i < desc.m_nCtrls; ++i) visit(desc.m_pCtrls[i]);
  for (int i = 0; i < desc.m_nShared; ++i) visit(desc.m_pShared[i]);
}
// What opening wrote into a command before its values show: all of a new command's, and the
// parameters that sizing appended to an existing one (those at m_nStoredParams and after).
struct cOpenedValues {
  int32_t m_bNew = 0;
  int32_t m_nStoredParams = 0;
};
// What the controls show of a command when the dialog opens, in the copy they are bound to: a
// control the template lacks reads 0 (so OK stores 0 through it); a value opening wrote is held
// to its control's own limits (a new command's 0 below a minimum of 1 shows, and is stored as, 1;
// a text is cut to its edit); the movement types and the fitted combos are fitted to their rows.
// A stored value shows as stored: the limits of another state, or those the rules narrow, hold it
// only when the user changes what sets them (cCmdDialogModel::Changed).
void OpenCmdDialogValues(const cCmdDialogDesc& desc, cCommandData& shown, const cOpenedValues& opened);

// A command dialog without a window: opening sizes the parameters and writes a new command's
// defaults (kept on cancel), the controls show a copy, a refresh applies the value rules and
// decides the states, and only an accepted OK stores the copy.
class cCmdDialogModel : public cCommandEdit {
public:
  cCmdDialogModel(const cCmdDialogDesc& desc, const cCmdEditContext& context);

  const cCmdDialogDesc& Desc() const { return m_Desc; }
  const cCtrlStates& States() const { return m_States; }

  // What the user can do with a control: 0 when the dialog has no such control, the template
  // lacks it, it is disabled or hidden, or a combo has no such row. A numeric edit holds the value
  // to its limits; a check box stores 0 or 1; a combo takes the stored value (row + offset). Each
  // change refreshes.
  int SetValue(uint16_t id, int32_t value);
  // Text edits (cut to their limits as the edit cuts them) and double edits (the number typed).
  int SetText(uint16_t id, const cString& text);
  // A control's value as it shows it; 0 for an unknown id.
  int32_t Value(uint16_t id) const;
  // The limits a numeric edit or slider has now: those its rules decided, else its own.
  void Range(uint16_t id, int32_t& min, int32_t& max) const;
  int32_t DialogValue(int index) const;
  // Where a window binds a control of a dialog slot (the variable pickers); null outside them.
  int32_t* DialogSlot(int index) { return index >= 0 && index < kDialogSlotCount ? &m_aDialog[index] : nullptr; }

  // Applies the value rules and decides the states again; the values stay as the rules left them.
  void Refresh();
  // The preview of the shown values: black, then what the description draws; 0 (and an empty
  // list) for a dialog without one.
  int Preview(const cSheetExtents& sheets, cPaintList& list) const;
  // OK: 1 when the values were stored (the dialog closes with 1); 0 when the check refused them
  // (the dialog stays open, nothing stored).
  int PressOk();

  // A rename button: the name slot of the chosen variable, with the rename's site and scope;
  // null (and a beep) when no variable is chosen or the button renames nothing now.
  cString* RenameSlot(uint16_t button, int& site, int& scope);
  // The whole rename as the string input dialog's OK makes it; 0 when nothing was renamed.
  int Rename(uint16_t button, const cString& name);

  // After the user changed a control (from the values before): the change rules, a refresh, and
  // every edit whose limits the change moved holds its value to the new ones.
  void Changed(const cCommandData& before);

private:
  cCmdDialogModel(const cCmdDialogDesc& desc, const cCmdEditContext& context, const cOpenedValues& opened);
  void HoldToNewRanges(const cCtrlStates& before);
  int Writable(const cCmdCtrl& ctrl) const;
  int32_t ReadCtrl(const cCmdCtrl& ctrl) const;
  void WriteCtrl(const cCmdCtrl& ctrl, int32_t value);

  const cCmdDialogDesc& m_Desc;
  cCtrlStates m_States;
  int32_t m_aDialog[kDialogSlotCount] = {1, 1};
};

#pragma once
// The parameter dialogs of the command kinds apart from their windows. Each kind declares its
// controls as data (id, kind, where the value lives in the command, limits, rows), the defaults of
// a new command, and rules that decide enables, rows, ranges and derived values from what the
// controls show. One cCmdDialogRun serves one modal run: the window binds its controls to
// Shown(), hands every control's value in through the Read* calls, forwards each WM_COMMAND to
// Command, and applies the decided states; OK stores Shown() into the command, cancel and the close
// box leave it as opening left it.

#include <array>
#include <cstdint>
#include <memory>
#include <variant>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/ComboChoice.h"
#include "editors/CommandEdit.h"
#include "editors/CtrlStates.h"
#include "editors/OpenSheets.h"
#include "model/cCommandData.h"
#include "ui/CtrlCommand.h"

class cEdChara;
struct cBrowseSpec;
class cStageEditState;

// Where a control's value lives: a member of the command, of its movement or shot block, an
// element of one of the shot block's three-value arrays, or a parameter.
struct cShotArrayRef {
  int16_t (cEdShot::*m_pArray)[3];
  int8_t m_nIndex;
};
struct cParamRef {
  int8_t m_nIndex;
};
using tCmdRef = std::variant<std::monostate, int8_t cCommandData::*, int16_t cCommandData::*, int32_t cCommandData::*,
                             cString cCommandData::*, int8_t cEdMove::*, int16_t cEdMove::*, double cEdMove::*,
                             int8_t cEdShot::*, int16_t cEdShot::*, int32_t cEdShot::*, cShotArrayRef, cParamRef>;

constexpr tCmdRef ParamRef(int index) { return cParamRef{static_cast<int8_t>(index)}; }
constexpr tCmdRef FormParamRef(int index) { return cShotArrayRef{&cEdShot::m_nFormParam, static_cast<int8_t>(index)}; }
constexpr tCmdRef MoveParamRef(int index) { return cShotArrayRef{&cEdShot::m_nMoveParam, static_cast<int8_t>(index)}; }

// 0 when the command lacks the block or the parameter the reference names (or it names nothing).
int HasRef(const cCommandData& command, const tCmdRef& ref);
// A number where it lives; 0 when it is absent.
double ReadRef(const cCommandData& command, const tCmdRef& ref);
// Stores a number into the member's own width (rounded for an integer); nothing when absent.
void WriteRef(cCommandData& command, const tCmdRef& ref, double value);

// Control kinds are the framework's (ui/CtrlCommand.h): kCtrlEditVal a numeric edit with its
// up-down in m_nBuddy (a double member makes it an edit of tenths), kCtrlEditText a text edit of at
// most m_dMax bytes, kCtrlSlider a trackbar whose value edit is m_nBuddy and page m_nOffset, and
// kCtrlCheck, kCtrlCombo, kCtrlButton, kCtrlStatic, kCtrlBitmap.

struct cCmdDialogCtrl {
  uint16_t m_nId;
  uint8_t m_nKind;
  uint16_t m_nBuddy;
  tCmdRef m_Ref;
  double m_dMin;
  double m_dMax;
  // Combos: rows of a name table that ends with an empty entry; null when the rules give them.
  const cString* m_pRows;
  // Combos: the value of row 0. Sliders: the page size.
  int32_t m_nOffset;
};

constexpr cCmdDialogCtrl CtrlEdit(uint16_t id, uint16_t spin, tCmdRef ref, int32_t min, int32_t max) {
  return {id, kCtrlEditVal, spin, ref, double(min), double(max), nullptr, 0};
}
constexpr cCmdDialogCtrl CtrlReal(uint16_t id, uint16_t spin, tCmdRef ref, double min, double max) {
  return {id, kCtrlEditVal, spin, ref, min, max, nullptr, 0};
}
constexpr cCmdDialogCtrl CtrlCheck(uint16_t id, tCmdRef ref) { return {id, kCtrlCheck, 0, ref, 0, 1, nullptr, 0}; }
constexpr cCmdDialogCtrl CtrlCombo(uint16_t id, tCmdRef ref, const cString* rows, int32_t offset) {
  return {id, kCtrlCombo, 0, ref, 0, 0, rows, offset};
}
constexpr cCmdDialogCtrl CtrlText(uint16_t id, tCmdRef ref, int32_t maxBytes) {
  return {id, kCtrlEditText, 0, ref, 0, double(maxBytes), nullptr, 0};
}
constexpr cCmdDialogCtrl CtrlSlider(uint16_t id, uint16_t valueEdit, tCmdRef ref, int32_t min, int32_t max,
                                    int32_t page) {
  return {id, kCtrlSlider, valueEdit, ref, double(min), double(max), nullptr, page};
}
constexpr cCmdDialogCtrl CtrlButton(uint16_t id) { return {id, kCtrlButton, 0, tCmdRef(), 0, 0, nullptr, 0}; }
constexpr cCmdDialogCtrl CtrlStatic(uint16_t id) { return {id, kCtrlStatic, 0, tCmdRef(), 0, 0, nullptr, 0}; }
constexpr cCmdDialogCtrl CtrlBitmap(uint16_t id) { return {id, kCtrlBitmap, 0, tCmdRef(), 0, 0, nullptr, 0}; }
// A control of the command dialog base (kIdcCmdParallel, kIdcCmdTime, ...) with its limits.
cCmdDialogCtrl CtrlCommon(uint16_t id);

// A dialog's controls as one array, from the lists its family shares and its own.
template <class... C>
std::array<cCmdDialogCtrl, sizeof...(C)> Ctrls(C... ctrls) {
  return {{ctrls...}};
}
template <size_t A, size_t B>
std::array<cCmdDialogCtrl, A + B> Join(const std::array<cCmdDialogCtrl, A>& first,
                                       const std::array<cCmdDialogCtrl, B>& second) {
  std::array<cCmdDialogCtrl, A + B> all{};
  for (size_t i = 0; i < A; ++i) all[i] = first[i];
  for (size_t i = 0; i < B; ++i) all[A + i] = second[i];
  return all;
}

// Notifications of a WM_COMMAND, as the platform numbers them.
enum : int { kBnClicked = 0, kCbnSelChange = 1, kEnUpdate = 0x0400 };

class cCmdDialogRun;

// The rules of one kind's dialog; one object per run, so that it can keep what it set up last.
class cCmdDialogKind {
public:
  virtual ~cCmdDialogKind() = default;
  // After the controls show the command: the first refresh.
  virtual void Init(cCmdDialogRun& run) { Update(run); }
  // A command from a control once initialised; by default the refresh rule.
  virtual void Command(cCmdDialogRun& run, uint16_t id, int code);
  // UpdateControls: enables, rows and derived texts from what the controls show.
  virtual void Update(cCmdDialogRun&) {}
  // OK's check; 0 refuses with message, and nothing is stored.
  virtual int Check(cCmdDialogRun&, cString&) { return 1; }
  // What OK derives after every control was read.
  virtual void Finish(cCommandData&) {}
  // OK, cancel and the close box, before the dialog closes.
  virtual void Close(cCmdDialogRun&) {}
  // The preview, after every handled message.
  virtual void Paint(cCmdDialogRun&) {}
};

// One kind's dialog: its template, caption, controls, the defaults of a new command (after the
// payload block it works on was created), and its rules.
struct cCmdDialogSpec {
  int m_nKind;  // character command kind
  uint16_t m_nTemplate;
  const char* m_pCaption;
  const cCmdDialogCtrl* m_pCtrl;
  int m_nCtrl;
  tCommandDefaults m_pDefaults;
  std::unique_ptr<cCmdDialogKind> (*m_pNewKind)();
};

template <size_t N>
constexpr cCmdDialogSpec DialogSpec(int kind, uint16_t templateId, const char* caption,
                                    const std::array<cCmdDialogCtrl, N>& ctrls, tCommandDefaults defaults,
                                    std::unique_ptr<cCmdDialogKind> (*newKind)()) {
  return {kind, templateId, caption, ctrls.data(), static_cast<int>(N), defaults, newKind};
}
template <class K>
std::unique_ptr<cCmdDialogKind> NewKind() {
  return std::make_unique<K>();
}

// The dialog of a character command kind (an item effect command uses that of CharaKind()); null
// for a kind whose dialog is not described here.
const cCmdDialogSpec* FindCmdDialog(int charaKind);
// Every kind described here, in kind order.
const cVector<const cCmdDialogSpec*>& CmdDialogSpecs();
const cCmdDialogCtrl* FindDialogCtrl(const cCmdDialogSpec& spec, uint16_t id);

// What a dialog needs to know of where it was opened.
struct cCmdDialogEnv {
  int32_t m_nEditContext = 0;  // the stage editor's edit context; 2 offers the common palette only
  cOpenSheets m_Sheets;
};
cCmdDialogEnv CmdDialogEnvOf(const cStageEditState& state);

// What the rules ask of the dialog's window: previews, pickers and boxes. The base plays sound and
// BGM through the program's players (quietly nothing without a sound device) and answers the rest
// with nothing; the window overrides what it can show.
class cCmdDialogHost {
public:
  virtual ~cCmdDialogHost() = default;
  virtual void PlaySound(const cString& path);
  virtual void PlayBgm(const cString& path);
  virtual void StopBgm();
  // The graphic cell picker on a picker sheet; 1 and the cell when one was picked.
  virtual int PickCell(int sheet, int32_t& cell);
  // The open-file dialog; 1 and the chosen full path.
  virtual int BrowseFile(const cBrowseSpec& spec, cString& path);
  // The string input dialog "変数名の入力" (limit 12) on a name, anchored at a button; 1 after OK.
  virtual int EditVariableName(uint16_t anchor, cString& name);
  virtual void Beep();
  virtual void ShowError(const char* text);
  // Previews on a canvas cleared to black: the 16 x 16 area of the shot sheet at (x, y), a
  // character's plain graphic at full size, a colour.
  virtual void DrawShotCell(int32_t x, int32_t y);
  virtual void DrawChara(const cEdChara& chara);
  virtual void DrawColour(int32_t red, int32_t green, int32_t blue);
};

// How a combo shows a stored value outside its rows: one extra row of the value's number and a
// blank name (digits > 0; the number shown is the value plus shift), "？" (digits 0), or no row at
// all (digits < 0). The value stays stored until the user picks a real row.
struct cRowNumbering {
  int8_t m_nDigits = 0;
  int32_t m_nShift = 0;
};
cComboChoice RowChoice(const cVector<cString>& rows, int32_t value, int32_t offset, cRowNumbering numbering);

// What one call decided for the window: cCtrlStates, the rows of the combos whose rows changed,
// and the controls whose shown value changed.
class cCmdStates : public cCtrlStates {
public:
  struct cRows {
    uint16_t m_nId;
    cComboChoice m_Choice;
  };
  void SetRows(uint16_t id, const cComboChoice& choice);
  const cRows* Rows(uint16_t id) const;
  const cVector<cRows>& AllRows() const { return m_vRows; }
  // Drops the decisions on controls the dialog's template lacks (a class shared by two templates
  // decides for controls only one of them has).
  void KeepOnly(const cCmdDialogSpec& spec);
  void MarkChanged(uint16_t id);
  int Changed(uint16_t id) const;
  const cVector<uint16_t>& AllChanged() const { return m_vChanged; }
  void Clear();

private:
  cVector<cRows> m_vRows;
  cVector<uint16_t> m_vChanged;
};

class cCmdDialogRun {
public:
  // Opens the command: sizes its parameters, gives a new one its kind's payload and defaults, and
  // takes the copy the controls show. A kind without a dialog here leaves Valid() 0.
  cCmdDialogRun(const cCmdEditContext& context, const cCmdDialogEnv& env, cCmdDialogHost& host);
  ~cCmdDialogRun();

  int Valid() const { return m_pKind != nullptr; }
  const cCmdDialogSpec& Spec() const { return *m_pSpec; }
  const cCmdDialogEnv& Env() const { return m_Env; }
  cCmdDialogHost& Host() { return m_Host; }
  cCommandData& Shown() { return m_Edit.Work(); }
  const cCommandData& Stored() const { return m_Edit.Record(); }
  int Initialised() const { return m_bInitialised; }

  // The window's calls, in a run's order. Each of Init, Command and Paint leaves its decisions in
  // States(): Init decides rows and values of every control.
  void Init();
  // What a control shows, read before a command is handled (every bound control, enabled or not).
  void ReadNumber(uint16_t id, double value);  // edits and sliders: held to the current range
  void ReadCheck(uint16_t id, int checked);
  void ReadRow(uint16_t id, int row);  // combos: -1 for no selection
  void ReadText(uint16_t id, const cString& text);
  void Command(uint16_t id, int code);
  // 1: stored, close with 1. 0: refused, the host showed why, the dialog stays open.
  int Ok();
  // Cancel and the close box: close with 0.
  void Cancel();
  void Paint();
  const cCmdStates& States() const { return m_States; }

  // For the rules.
  cCmdStates& Decide() { return m_States; }
  // What a control reads: an edit's value held to its current limits, a combo's stored value.
  double Value(uint16_t id) const;
  int32_t IntValue(uint16_t id) const { return static_cast<int32_t>(Value(id)); }
  void SetValue(uint16_t id, double value);  // shown value, held to the control's range
  // The refresh rule: a command from a bound control (a button click, an edit's update, any check
  // box notification, a combo's selection change).
  int IsRefresh(uint16_t id, int code) const;
  void SetRange(uint16_t id, double min, double max);
  void Range(uint16_t id, double& min, double& max) const;
  // Holds the shown value of an edit to its current range, as its change handler does.
  void Reclamp(uint16_t id);
  // New rows for a combo. Once initialised, rows that differ from the previous ones keep the shown
  // value on one of them (the first or the last).
  void SetComboRows(uint16_t id, const cVector<cString>& rows, cRowNumbering numbering);
  // A new value of row 0; a shown and a stored value below it are raised to it at once.
  void SetComboOffset(uint16_t id, int32_t offset);
  // The rows a combo shows now, with the one that shows the value.
  cComboChoice Choice(uint16_t id) const;
  int32_t ComboOffset(uint16_t id) const;
  // Plays the sound a combo shows (a row of the sound table from 1 on); nothing for any other.
  void PreviewSound(uint16_t id);

private:
  struct cComboState {
    uint16_t m_nId;
    cVector<cString> m_vRows;
    int32_t m_nOffset;
    cRowNumbering m_Numbering;
  };
  struct cRangeState {
    uint16_t m_nId;
    double m_dMin;
    double m_dMax;
  };
  const cCmdDialogCtrl& Ctrl(uint16_t id) const;
  cComboState* Combo(uint16_t id);
  cComboState* ComboOf(int16_t cCommandData::*member);
  const cComboState* Combo(uint16_t id) const;
  cRangeState* RangeOf(uint16_t id);
  const cRangeState* RangeOf(uint16_t id) const;
  // Runs a step of the rules and tells the window what it changed.
  template <class Step>
  void Decided(Step step);

  const cCmdDialogSpec* m_pSpec;
  std::unique_ptr<cCmdDialogKind> m_pKind;
  cCmdDialogEnv m_Env;
  cCmdDialogHost& m_Host;
  cCommandEdit m_Edit;
  cCommandData* m_pCommand;
  cVector<cComboState> m_vCombo;
  cVector<cRangeState> m_vRange;
  cCmdStates m_States;
  int32_t m_bInitialised = 0;
};

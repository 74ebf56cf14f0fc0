#pragma once
// The dialogs of "コードの実行" (kind 37, item kind 22; template 252, cDlgCommandCode), "アレンジ"
// (38 and 23; template 279, cDlgCommandArrange) and "ループ" (39 and 24; template 280,
// cDlgCommandLoop): the code's check on OK with the system settings' compatibility switch, the
// arrange command's rows that follow its target kind and variable kind, and the loop's counts.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CmdDialogDesc.h"
#include "editors/CtrlStates.h"

enum : uint16_t {
  kIdcCodeText = 1377,
  kIdcCodeCommonVar = 1045,
  kIdcCodeCommonRename = 1378,
  kIdcCodeStageVar = 1049,
  kIdcCodeStageRename = 1051,
  kIdcArrangeKind = 1473,
  kIdcArrangeParam = 1470,
  kIdcArrangeOperation = 1174,
  kIdcArrangeScope = 1471,
  kIdcArrangeVar = 1472,
  kIdcArrangeRename = 1050,
  kIdcLoopCommands = 1183,
  kIdcLoopTimes = 1261,
};

// The code text is read from its edit as at most this many bytes.
constexpr int32_t kCodeTextBytes = 100;

// The arrange command's parameters.
enum : int16_t {
  kArrangeKindParam = 0,
  kArrangeParamParam = 1,
  kArrangeOperationParam = 2,
  kArrangeScopeParam = 3,
  kArrangeVarParam = 4,
};
constexpr int32_t kArrangeScopeCharaVar = 2;
extern const char* const kArrangeNoParams;  // "×　非対応"

extern const cCmdCtrl kCodeCtrls[3];
extern const cCmdCtrl kArrangeCtrls[5];
extern const cCmdCtrl kLoopCtrls[2];
extern const cCmdDialogDesc kCodeDialog;
extern const cCmdDialogDesc kArrangeDialog;
extern const cCmdDialogDesc kLoopDialog;

// OK's check of the code text with the compatibility switch of the system settings; the checker
// has shown its messages when it refuses.
int CheckCodeCommand(const cCommandData& shown);

// The names of character command kinds 1 .. 39, the arrange command's targets (also for an item
// effect command).
cVector<cString> CharaKindRows();
// 1 when a kind has parameters an arrange command can change.
int ArrangeKindHasParams(int32_t kind);
// The parameter names of a target kind, or the single row "×　非対応".
cVector<cString> ArrangeParamRows(int32_t kind);
// The variables of a variable kind: the common or stage variables (999 rows), or the eight
// character variables.
cVector<cString> ArrangeVarRows(int32_t scope);
// The chosen parameter and variable stay on rows their combos show, as a refilled combo keeps its
// choice.
void ApplyArrangeRules(cCommandData& shown);
// The operation, the variable kind, the variable and the rename button are used only for a target
// with parameters; the rename button not for a character variable.
void ArrangeStates(const cCommandData& shown, cCtrlStates& states);

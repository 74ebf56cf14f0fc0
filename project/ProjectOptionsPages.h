#pragma once
// The two pages of the project options sheet apart from any window: their control ids, the check
// boxes and combo boxes of the inheritance defaults with the flags they show, the enable rule of
// the general page and the save of the apply.

#include <cstdint>

#include "app/cString.h"
#include "app/cVector.h"
#include "editors/CtrlStates.h"
#include "project/cProjectSettings.h"

class cStageEditState;

// Page 1, "全般".
enum : uint16_t {
  kIddPrjGeneral = 193,
  kIdcDefBlock = 1430,
  kIdcDefChara = 1431,
  kIdcDefItem = 1432,
  kIdcAutoGameProgram = 1373,
  kIdcGameProgram = 1372,
  kIdcGameProgramBrowse = 1371,
  kIdcOldStageMode = 1436,
};
// The game program's path fits the finder's 260-byte buffer, the zero included.
constexpr int32_t kGameProgramPathLength = 259;
extern const cString kOldStageModeNames[];

// Page 2, "継承のデフォルト".
enum : uint16_t { kIddPrjInherit = 146 };
// The check boxes in binding order: the block flags of situations 0, 1 and 2, then the character
// flags, then the item flags; -1 after the last.
constexpr int kInheritCheckCount = 3 * (11 + 37 + 13);
extern const int32_t kIdcInheritChecks[kInheritCheckCount + 1];
// The source palette combo boxes by kind, then situation.
extern const uint16_t kIdcInheritPalette[cProjectSettings::kKinds][cProjectSettings::kSituations];
// Situations 0 and 1 store the row; situation 2 stores the table's value of the row.
extern const cString kInheritSourceNames[];
extern const cString kInheritSourceNamesStage[];
extern const cVector<int32_t> kInheritSourceStageTable;

// One check box of the inheritance defaults and the flag it shows.
struct cInheritCheck {
  uint16_t m_nId = 0;
  int8_t* m_pFlag = nullptr;
};

// The check boxes over the settings' flag vectors, in binding order. When the vectors do not hold
// one flag per box, the user is told, the report log says so, the main window is asked to go, and
// 0 is returned with the boxes that were matched.
int BuildInheritChecks(cProjectSettings& settings, cVector<cInheritCheck>& checks);

// The general page: the path edit only while the automatic search is off.
void PrjGeneralStates(const cShownCtrls& shown, cCtrlStates& states);

// What a data sheet opened on a default record edits: the edit context of the project default
// (3) and the default record of the kind (cProjectSettings::kKindBlock, ...).
constexpr int32_t kEditContextProjectDefault = 3;
void PointAtDefaultRecord(cStageEditState& state, cProjectSettings& settings, int kind);

// Saves the options to data\PrjOption.dat; a failed write is told with its path. 1 when saved.
int SaveProjectSettings(cProjectSettings& settings);

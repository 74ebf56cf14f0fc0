// Every document and service of the editor is one global object, constructed here in one fixed
// order before WinMain and destroyed in the reverse order after it.
#include "app/cApplication.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"
#include "stage/cPaletteDoc.h"
#include "stage/cStageDoc.h"
#include "stage/cStageEditState.h"

cStageEditState g_StageEditState;
cApplication App;
// The stage and the common palette name their lists as the palettes that records refer to.
cStageDoc g_StageDoc(kPaletteStage);
cPaletteDoc g_CommonPalette(kPaletteCommon);
cDatabaseSet g_DatabaseSet;
cBgmManager g_BgmManager;

// Plain data outside the ordered table, enabled by start-up.
cMciSound g_MciSound;
int32_t g_bTestPlayRunning = 0;

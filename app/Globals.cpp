// Every document and service of the editor is one global object, constructed here in one fixed
// order before WinMain and destroyed in the reverse order after it.
#include "app/cApplication.h"
#include "app/cBgmManager.h"
#include "app/cEditConfig.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"
#include "project/cProjectSettings.h"
#include "project/cSystemSettings.h"
#include "project/cWorldMapDoc.h"
#include "project/cWorldMapEditState.h"

cEditConfig EditConfig;
cProjectSettings g_ProjectSettings;
cWorldMapEditState g_WorldMapEditState;
cApplication App;
cWorldMapDoc g_WorldMap;
cSystemSettings g_SystemSettings;
cDatabaseSet g_DatabaseSet;
cBgmManager g_BgmManager;

// Plain data outside the ordered table, enabled by start-up.
cMciSound g_MciSound;

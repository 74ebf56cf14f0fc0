// Every document and service of the editor is one global object, constructed here in one fixed
// order before WinMain and destroyed in the reverse order after it.
#include "app/cApplication.h"
#include "app/cBgmManager.h"
#include "app/cMciSound.h"
#include "database/cDatabaseSet.h"

cApplication App;
cDatabaseSet g_DatabaseSet;
cBgmManager g_BgmManager;

// Plain data outside the ordered table, enabled by start-up.
cMciSound g_MciSound;

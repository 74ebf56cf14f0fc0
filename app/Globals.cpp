// Every document and service of the editor is one global object, constructed here in one fixed
// order before WinMain and destroyed in the reverse order after it.
#include "app/cApplication.h"
#include "app/cEditConfig.h"

cEditConfig EditConfig;
cApplication App;

#include "app/cVector.h"

#include "app/ReportLog.h"
#include "app/cShellSeam.h"

void ReportBadIndex(char kind, int index, int count, int elementSize, bool closeRequest) {
  cString message;
  message.Format("err %c[%d] ( %d , %d )", kind, index, count, elementSize);
  LogError(message.GetStr());
  LogReport("%s", message.GetStr());
  if (closeRequest) Shell().PostCloseRequest();
  else Shell().DestroyMainWindow();
}

#include "app/Fault.h"

#include "app/ReportLog.h"
#include "app/cShellSeam.h"

void ReportFault(const char* boundary, const char* what) {
  LogReport("err %s ( %s )", boundary, what ? what : "");
  Shell().PostCloseRequest();
}

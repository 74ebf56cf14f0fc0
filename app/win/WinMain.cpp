// The editor's entry point.
#include <windows.h>
#include <mmsystem.h>

#include "app/DataFile.h"
#include "app/PathUtil.h"
#include "app/ReportLog.h"
#include "app/cApplication.h"
#include "app/win/SystemReport.h"
#include "app/win/cShellWin.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  App.m_hInstance = instance;
  InstallShellWin();
  timeBeginPeriod(1);
  SetErrorLog(0, "EC_Editor.txt");
  char logPath[kMaxPath] = "Report_Editor.txt";
  MakeAbsolutePath(logPath);
  if (!CreateReportLog(logPath)) return 0;
  cString version;
  version.Format("%u", kDataVersion);
  LogReport("App : ver %s", version.GetStr());
  SystemReport();
  timeEndPeriod(1);
  return 0;
}

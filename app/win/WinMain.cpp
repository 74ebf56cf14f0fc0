// The editor's entry point: prepares the process, lets one editor run at a time unless the user
// insists, and runs start-up, the message loop and shut-down.
#include <windows.h>
#include <mmsystem.h>

#include "app/DataFile.h"
#include "app/MessageBox.h"
#include "app/PathUtil.h"
#include "app/ReportLog.h"
#include "app/cApplication.h"
#include "app/win/AppStartup.h"
#include "app/win/MainLoop.h"
#include "app/win/SystemReport.h"
#include "app/win/cMainFrame.h"
#include "app/win/cShellWin.h"
#include "ui/win/cDialog.h"

namespace {
constexpr uint16_t kDialogHScrollId = 1008;
constexpr uint16_t kDialogVScrollId = 1009;

int WriteReportHead() {
  char logPath[kMaxPath] = "Report_Editor.txt";
  MakeAbsolutePath(logPath);
  if (!CreateReportLog(logPath)) return 0;
  cString version;
  version.Format("%u", kDataVersion);
  LogReport("App : ver %s", version.GetStr());
  SystemReport();
  return 1;
}

// 0 when another editor runs and the user does not want a second; both editors of a confirmed
// second start share the mutex.
int ClaimSingleInstance(HANDLE& mutex) {
  mutex = CreateMutexA(nullptr, FALSE, "エディター");
  if (GetLastError() != ERROR_ALREADY_EXISTS) return 1;
  if (ShowMessageBox(nullptr, "既に起動しています。\n二重起動しますか？  ※非推奨。データの上書き保存に注意！\n",
                     "二重起動", kMbYesNo) == kIdYes)
    return 1;
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InstallShellWin();
  timeBeginPeriod(1);
  SetDialogScrollBarIds(kDialogHScrollId, kDialogVScrollId);
  SetErrorLog(0, "EC_Editor.txt");
  if (!WriteReportHead()) return 0;
  HANDLE mutex = nullptr;
  if (!ClaimSingleInstance(mutex)) return 0;
  App.m_hInstance = instance;
  if (!RegisterMainFrameClass(instance) || !AppStartup()) return 0;
  WPARAM code = RunMessageLoop();
  AppShutdown();
  ReleaseMutex(mutex);
  return static_cast<int>(code);
}

// Speed figures of the Windows side, printed and never asserted: the tests check behaviour, these
// numbers only say how fast this machine ran it. Run by hand (scripts/timing.sh):
//   start-up of the editor on the factory project against a bare window, the processor time of the
//   idle editor over a second, previews paced in a second, and the time Stop takes for a load that
//   looks at its stop flag every millisecond.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FramePacer.h"
#include "app/win/cShellWin.h"
#include "app/win/cWorkerThread.h"
#include "tests/e2e/cProgramRun.h"
#include "tests/support/TestSupport.h"

namespace fs = std::filesystem;

namespace {
constexpr DWORD kWaitMs = 30000;

double FileTimeMs(const FILETIME& time) {
  return static_cast<double>(static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 10000.0;
}

// Processor time a process has used so far, in milliseconds.
double ProcessorMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  return FileTimeMs(kernel) + FileTimeMs(user);
}

// Starts a program, waits for its window and closes it; the milliseconds to the window, and the
// processor time it used over the second after it (idle), when asked.
DWORD StartOnce(const std::string& program, const std::string& folder, const char* windowClass, const char* caption,
                double* idleMs) {
  DWORD start = GetTickCount();
  cProgramRun run(program, folder);
  HWND window = run.WaitWindow(windowClass, caption, kWaitMs);
  DWORD took = GetTickCount() - start;
  if (!window) return 0;
  if (idleMs) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process);
    double before = ProcessorMs(handle);
    Sleep(1000);
    *idleMs = ProcessorMs(handle) - before;
    CloseHandle(handle);
  }
  run.WaitExit(0);
  PostMessageA(window, WM_CLOSE, 0, 0);
  cSeenBox box;
  if (run.WaitBox("終了確認", box, kWaitMs)) run.Answer(box, IDYES);
  run.WaitExit(kWaitMs);
  return took;
}

DWORD MedianStart(const std::string& program, const std::string& folder, const char* windowClass,
                  const char* caption, double* idleMs) {
  std::vector<DWORD> times;
  for (int i = 0; i < 3; ++i) times.push_back(StartOnce(program, folder, windowClass, caption, i == 0 ? idleMs : nullptr));
  std::sort(times.begin(), times.end());
  return times[1];
}

// Previews the pacer lets through in a second of the real clock.
int PacedTicksInASecond() {
  int ticks = 0;
  for (DWORD start = GetTickCount(); GetTickCount() - start < 1000;) {
    while (!WaitFrame(60)) Sleep(1);
    ++ticks;
  }
  return ticks;
}

struct cPollingLoad {
  cWorkerThread* m_pWorker;
  volatile LONG m_bRunning;
};
unsigned __stdcall PollingLoad(void* param) {
  cPollingLoad* load = static_cast<cPollingLoad*>(param);
  load->m_bRunning = 1;
  while (!load->m_pWorker->ShouldStop()) Sleep(1);
  return 1;
}

DWORD StopMs() {
  cWorkerThread worker;
  cPollingLoad load{&worker, 0};
  worker.Start(PollingLoad, &load);
  while (!load.m_bRunning) Sleep(1);
  DWORD start = GetTickCount();
  worker.Stop();
  return GetTickCount() - start;
}
}  // namespace

int main() {
  InstallShellWin();
  cScratchFolder folder;
  fs::copy(BuildTreePath("project\\bmp"), "bmp", fs::copy_options::recursive);
  fs::copy(BuildTreePath("project\\default"), "data", fs::copy_options::recursive);
  double idleMs = -1;
  DWORD bare = MedianStart(BuildTreePath("tests\\BareWindow.exe"), folder.Path(), "BareWindow", "Bare", nullptr);
  DWORD editor = MedianStart(BuildTreePath("tests\\VontarisQuick.exe"), folder.Path(), "#32770", "ヴォンタリス", &idleMs);
  std::printf("start-up to the first window (median of 3): bare window %lu ms, editor %lu ms\n", bare, editor);
  std::printf("processor time of the idle editor over a second: %.1f ms\n", idleMs);
  std::printf("previews paced in a second at 60 a second: %d\n", PacedTicksInASecond());
  std::printf("stop of a load that looks at its flag every millisecond: %lu ms\n", StopMs());
  return 0;
}

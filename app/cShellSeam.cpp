#include "app/cShellSeam.h"

#include <chrono>

#include "app/MessageBox.h"
#include "app/ReportLog.h"

namespace {
cShellSeam g_StandIn;
cShellSeam* g_pShell = &g_StandIn;
}  // namespace

int cShellSeam::ShowBox(void*, const char* text, const char* caption, unsigned type) {
  LogReport("%s : %s", caption ? caption : "", text ? text : "");
  unsigned buttons = type & 0xF;
  if (buttons == kMbYesNo || buttons == kMbYesNoCancel) return kIdYes;
  return kIdOk;
}

uint64_t cShellSeam::FreePhysicalMemory() { return 1ull << 30; }

uint32_t cShellSeam::TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void cShellSeam::FullScreenSize(int32_t& width, int32_t& height) {
  width = 1024;
  height = 768;
}

cShellSeam& Shell() { return *g_pShell; }

void SetShell(cShellSeam* seam) { g_pShell = seam ? seam : &g_StandIn; }

uint64_t FreePhysicalMemory() { return Shell().FreePhysicalMemory(); }

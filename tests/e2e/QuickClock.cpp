// Linked only into the tests' build of the editor: the system report gives a fixed processor clock
// instead of measuring it for a second, so that every start of an end-to-end test is quick.
#include "app/win/SystemReport.h"

namespace {
constexpr double kFixedClockHz = 1.0e9;

double FixedClock() { return kFixedClockHz; }

const bool g_bInstalled = (SetCpuClockMeasure(FixedClock), true);
}  // namespace

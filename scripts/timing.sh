#!/bin/bash
# Speed figures of the Windows side under Wine (start-up, idle processor time, pacing, the worker's
# stop, the record list's fill and selection change); the Windows build that runs on this machine
# is needed (build/win, or build/win64 where 32-bit programs do not run; scripts/test.sh makes it).
# Nothing is asserted.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
source tools/wine/route.sh
win=$top/$VX_WIN_BUILD
cmake --build "$win" --target vx_timing wintest_listctrl >/dev/null || exit 1
mkdir -p "$win/testwork/vx_timing"
(cd "$win/testwork/vx_timing" && "$top/tools/wine/wine-run.sh" "$win/wine" "$win/tests/vx_timing.exe") ||
  exit 1
cd "$win/testwork/wintest_listctrl" &&
  "$top/tools/wine/wine-run.sh" "$win/wine" "$win/tests/wintest_listctrl.exe" \
    --gtest_also_run_disabled_tests --gtest_filter='ListTiming.*' | grep -a '^list speed'

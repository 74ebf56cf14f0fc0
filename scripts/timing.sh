#!/bin/bash
# Speed figures of the Windows side under Wine (start-up, idle processor time, pacing, the worker's
# stop, the record list's fill and selection change); a Windows build in build/win is needed
# (scripts/test.sh makes one). Nothing is asserted.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
cmake --build build/win --target vx_timing wintest_listctrl >/dev/null || exit 1
mkdir -p build/win/testwork/vx_timing
(cd build/win/testwork/vx_timing && "$top/tools/wine/wine-run.sh" "$top/build/win/wine" "$top/build/win/tests/vx_timing.exe") ||
  exit 1
cd build/win/testwork/wintest_listctrl &&
  "$top/tools/wine/wine-run.sh" "$top/build/win/wine" "$top/build/win/tests/wintest_listctrl.exe" \
    --gtest_also_run_disabled_tests --gtest_filter='ListTiming.*' | grep -a '^list speed'

#!/bin/bash
# Installs what is missing, builds both programs and runs every test: native (ASan, UBSan),
# Windows under Wine, and each fuzz target for a few seconds. The Windows tests run on the 32-bit
# program where this machine runs 32-bit programs, else on the 64-bit build (tools/wine/route.sh).
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
source tools/wine/route.sh
jobs=$(nproc)
status=0

build() {  # build DIR CMAKE-ARGS... [-- TARGETS...]
  local dir=$1; shift
  local args=() targets=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && { shift; targets=(--target "$@"); }
  cmake -S . -B "$dir" -G Ninja "${args[@]}" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" "${targets[@]}" 2>&1 | grep -E 'error|warning|FAILED' ; test "${PIPESTATUS[0]}" -eq 0
}

summary() {  # summary NAME DIR PARALLEL
  echo "== $1 tests"
  (cd "$2" && ctest -j "$3" --output-on-failure --timeout 900 2>&1 | tail -n 40 > ../ctest-"$1".log; test "${PIPESTATUS[0]}" -eq 0)
  local rc=$?
  grep -E 'tests passed|tests failed|Total Test time|\*\*\*Failed|Timeout' build/ctest-"$1".log | head -40
  return $rc
}

mkdir -p build
echo "== native build"
build build/native -DCMAKE_BUILD_TYPE=Debug && summary native build/native "$jobs" || status=1

# The factory project of every build that writes one is compared byte for byte with the tested one's.
peers="$top/build/native/project"
if [ $VX_ROUTE = 64 ]; then
  echo "Windows tests on the 64-bit build under 64-bit Wine: $VX_ROUTE_WHY; the 32-bit program is only built"
  echo "== windows build (32-bit program)"
  win32_targets="Vontaris Vox"
  # Where 32-bit programs do run (the route was forced), the 32-bit factory tool writes its project too.
  /usr/lib/wine/wine --version >/dev/null 2>&1 && { win32_targets="$win32_targets factory_project"; peers="$peers;$top/build/win/project"; }
  build build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -- $win32_targets || status=1
else
  echo "Windows tests on the 32-bit program under 32-bit Wine: $VX_ROUTE_WHY"
fi
echo "== windows build ($VX_WIN_BUILD)"
# The screenshot scripts and much of each Wine test wait for windows: more tests than processors.
build "$VX_WIN_BUILD" -DCMAKE_TOOLCHAIN_FILE=$VX_WIN_TOOLCHAIN -DCMAKE_BUILD_TYPE=Release "-DVX_FACTORY_PEERS=$peers" &&
  summary windows "$VX_WIN_BUILD" $((jobs + 3)) || status=1

echo "== fuzz"
if build build/fuzz -DVX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  scripts/fuzz.sh build/fuzz "${VX_FUZZ_SECONDS:-5}" || status=1
else
  status=1
fi

[ $status -eq 0 ] && echo "ALL TESTS PASSED" || echo "SOME TESTS FAILED"
exit $status

#!/bin/bash
# Installs what is missing, builds both programs and runs every test: native (ASan, UBSan),
# Windows under Wine, and each fuzz target for a few seconds.
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
jobs=$(nproc)
status=0

build() {  # build DIR CMAKE-ARGS...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$jobs" 2>&1 | grep -E 'error|warning|FAILED' ; test "${PIPESTATUS[0]}" -eq 0
}

summary() {  # summary NAME DIR
  echo "== $1 tests"
  (cd "$2" && ctest -j "$jobs" --output-on-failure --timeout 900 2>&1 | tail -n 40 > ../ctest-"$1".log; test "${PIPESTATUS[0]}" -eq 0)
  local rc=$?
  grep -E 'tests passed|tests failed|Total Test time|\*\*\*Failed|Timeout' build/ctest-"$1".log | head -40
  return $rc
}

mkdir -p build
echo "== native build"
build build/native -DCMAKE_BUILD_TYPE=Debug && summary native build/native || status=1

echo "== windows build"
build build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release && summary windows build/win || status=1

echo "== fuzz"
if build build/fuzz -DVX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  scripts/fuzz.sh build/fuzz "${VX_FUZZ_SECONDS:-5}" || status=1
else
  status=1
fi

[ $status -eq 0 ] && echo "ALL TESTS PASSED" || echo "SOME TESTS FAILED"
exit $status

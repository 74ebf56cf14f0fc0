#!/bin/bash
# Builds the benchmarks natively without sanitizers and runs them (all, or those matching $1).
set -u
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
scripts/deps.sh || exit 1
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVX_SANITIZE=OFF >build/bench.configure.log 2>&1 \
  || { cat build/bench.configure.log; exit 1; }
targets=$(cmake --build build/bench --target help | grep -o '^bench_[a-z_0-9]*' | sort -u)
cmake --build build/bench -j "$(nproc)" --target $targets >/dev/null || exit 1
cd build/bench
for t in $targets; do
  [ -n "${1:-}" ] && [[ $t != *$1* ]] && continue
  ./bench/$t --benchmark_counters_tabular=true
done

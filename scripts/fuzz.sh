#!/bin/bash
# Runs every fuzz target of a build for a few seconds over its seed corpus; fails on any finding.
set -u
dir=$1; seconds=${2:-5}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
status=0
# The targets write their inputs below TMPDIR and must leave nothing there.
export TMPDIR=$dir/tmp
mkdir -p "$TMPDIR"
for target in "$dir"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  seeds=$top/fuzz/corpus/$name
  work=$dir/corpus-$name
  mkdir -p "$work" "$dir/artifacts"
  if "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$dir/artifacts/$name-" \
       "$work" "$seeds" >"$dir/fuzz-$name.log" 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs' "$dir/fuzz-$name.log" | grep -o '[0-9]*'; true) runs)"
  else
    echo "fuzz $name: FAILED"; tail -n 30 "$dir/fuzz-$name.log"; status=1
  fi
  if [ -n "$(ls -A "$TMPDIR")" ]; then
    echo "fuzz $name: left files behind:"; ls -A "$TMPDIR"; rm -rf "${TMPDIR:?}"/*; status=1
  fi
done
exit $status

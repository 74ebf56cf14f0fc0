#!/bin/bash
# Runs every fuzz target of a build for a few seconds over its seed corpus, as many at a time as
# there are processors; fails on any finding.
set -u
dir=$1; seconds=${2:-5}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# fuzz_one TARGET: one target's run; its verdict in $dir/fuzz-NAME.result, its log beside it.
fuzz_one() {
  local target=$1 name
  name=$(basename "$target"); name=${name#fuzz_}
  local log=$dir/fuzz-$name.log work=$dir/corpus-$name
  # The target writes its inputs below TMPDIR and must leave nothing there.
  local tmp=$dir/tmp/$name
  mkdir -p "$work" "$dir/artifacts" "$tmp"
  local result
  if TMPDIR=$tmp "$target" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$dir/artifacts/$name-" \
       "$work" "$top/fuzz/corpus/$name" >"$log" 2>&1; then
    result="fuzz $name: ok ($(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*'; true) runs)"
  else
    result="fuzz $name: FAILED"$'\n'"$(tail -n 30 "$log")"
  fi
  if [ -n "$(ls -A "$tmp")" ]; then
    result="$result"$'\n'"fuzz $name: left files behind:"$'\n'"$(ls -A "$tmp")"
    rm -rf "${tmp:?}"/*
  fi
  echo "$result" >"$dir/fuzz-$name.result"
}

rm -f "$dir"/fuzz-*.result
for target in "$dir"/fuzz_*; do
  [ -x "$target" ] || continue
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n; done
  fuzz_one "$target" &
done
wait
status=0
for result in "$dir"/fuzz-*.result; do
  cat "$result"
  grep -q -e ': FAILED' -e 'left files behind' "$result" && status=1
done
exit $status

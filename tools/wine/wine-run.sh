#!/bin/bash
# Runs a Windows program under the build tree's own Wine prefix: wine-run.sh WINEDIR PROGRAM [ARGS...]
# The prefix is made once (serialised with flock); a kept-alive wineserver makes later starts cheap.
set -u
root=$1; shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/prefix-setup.sh" "$root" || { echo "wine prefix setup failed" >&2; exit 1; }
source "$here/wine-env.sh" "$root"
wineserver -p10 </dev/null >/dev/null 2>&1 9>&- || true
out=$(mktemp)
# Wine's helper processes inherit our output and outlive the program: collect it in a file instead.
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc

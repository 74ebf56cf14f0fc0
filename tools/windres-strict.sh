#!/bin/bash
# windres that fails on a resource id given twice: windres itself only warns and keeps one of them,
# so a template could silently stand in for another.
out=$(i686-w64-mingw32-windres "$@" 2>&1)
rc=$?
[ -n "$out" ] && echo "$out" >&2
if grep -q 'duplicate value' <<<"$out"; then exit 1; fi
exit $rc

#!/bin/bash
# windres that fails on a resource id given twice: windres itself only warns and keeps one of them,
# so a template could silently stand in for another. "--target=pe-x86-64" (the 64-bit build's flag)
# selects the 64-bit windres, whose 32-bit sibling cannot write that format.
windres=i686-w64-mingw32-windres
for a in "$@"; do [ "$a" = --target=pe-x86-64 ] && windres=x86_64-w64-mingw32-windres; done
out=$($windres "$@" 2>&1)
rc=$?
[ -n "$out" ] && echo "$out" >&2
if grep -q 'duplicate value' <<<"$out"; then exit 1; fi
exit $rc

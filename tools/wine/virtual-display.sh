# Sourced by the screenshot tests: starts a virtual X display of their own (stopped when the script
# exits) and the build tree's Wine server on it. Expects $work (a folder), $build and fail().
# The graphics driver is chosen per server session: the headless session of the other tests ends
# first (the screenshot tests run alone), and this one ends before the next test starts a headless one.
display_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "no virtual display"
export DISPLAY=:$(cat "$work/display")

"$display_tools/prefix-setup.sh" "$build/wine" || fail "wine prefix"
VX_WINE_DISPLAY=$DISPLAY source "$display_tools/wine-env.sh" "$build/wine"
wineserver -k 2>/dev/null; wineserver -w

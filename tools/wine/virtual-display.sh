# Sourced by the screenshot scripts with BUILD_DIR WORK_DIR SIZE (e.g. 1024x768): starts a virtual X
# display of their own, ended when the script exits, and gives the build tree's Wine a server
# session that draws on it. Sets DISPLAY and Wine's environment, or ends the script with FAILED.
vd_build=$1
vd_work=$2
Xvfb -displayfd 5 -screen 0 "$3x24" -nolisten tcp 5>"$vd_work/display" 2>/dev/null &
vd_xvfb=$!
trap 'kill $vd_xvfb 2>/dev/null' EXIT
for _ in $(seq 200); do [ -s "$vd_work/display" ] && break; sleep 0.05; done
[ -s "$vd_work/display" ] || { echo "FAILED: no virtual display"; exit 1; }
export DISPLAY=:$(cat "$vd_work/display")

vd_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$vd_tools/prefix-setup.sh" "$vd_build/wine" || { echo "FAILED: wine prefix"; exit 1; }
VX_WINE_DISPLAY=$DISPLAY source "$vd_tools/wine-env.sh" "$vd_build/wine"
# The graphics driver is chosen per server session: the headless session of the other tests ends
# first (the caller runs alone), and this one ends before the next test starts a headless one.
wineserver -k 2>/dev/null
wineserver -w

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

# The tests behind a picture hold each window until the script says it is taken (tests/support/win's
# HoldForShot); this is only the longest they wait, for a script that stopped.
export VX_SCREENSHOT_HOLD_MS=60000

vd_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The graphics driver is chosen per server session, so the tests on a display have prefixes (and
# servers) of their own beside the headless one, VX_DISPLAY_PREFIX of the build's (CTest gives each
# script one); the scripts on one prefix run one at a time, a session left by the one before ending
# first.
vd_root=$vd_build/wine-display${VX_DISPLAY_PREFIX:-1}
"$vd_tools/prefix-setup.sh" "$vd_root" || { echo "FAILED: wine prefix"; exit 1; }
VX_WINE_DISPLAY=$DISPLAY source "$vd_tools/wine-env.sh" "$vd_root"
wineserver -k 2>/dev/null
wineserver -w

# visible_window TITLE: the id of a mapped window of that title, waiting for it (ten seconds at most,
# as a loaded machine maps and names a window shown just now only a little later); empty if none.
visible_window() {
  local window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.05
  done
  echo "$window"
}

# shoot N TITLE FILE [TITLE2 FILE2]: waits until the test announces window N (a file "shot-N.ready"
# below WORK_DIR; two minutes at most, for a loaded machine), photographs the window of that title into WORK_DIR/FILE (the whole screen for an
# empty title; a second window shown with it into FILE2), and tells the test that it may go on.
shoot() {
  local ready="" window
  for _ in $(seq 2400); do
    ready=$(find "$vd_work" -name "shot-$1.ready" 2>/dev/null | head -n 1)
    [ -n "$ready" ] && break
    sleep 0.05
  done
  [ -n "$ready" ] || { cat "$vd_work/wine.log"; echo "FAILED: window $1 was not announced"; exit 1; }
  sleep 0.5  # its controls are painted after it is shown
  if [ -z "$2" ]; then
    import -window root "$vd_work/$3"
  else
    window=$(visible_window "$2")
    [ -n "$window" ] || { echo "FAILED: the window $2 is not on screen"; exit 1; }
    import -window "$window" "$vd_work/$3"
  fi
  [ $# -ge 5 ] && import -window "$(visible_window "$4")" "$vd_work/$5"
  touch "${ready%.ready}.taken"
}

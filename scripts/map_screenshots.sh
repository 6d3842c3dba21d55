#!/usr/bin/env bash
# Takes the README's pictures of the map window on a 1366x768 screen under Xvfb with openbox:
#   docs/map-figure.png  the map as a figure, enlarged, slant 30°, with the isophote through the
#                        orientation under the pointer and its readout;
#   docs/stereo.png      the same with sources 2 and 3 from «Источники»: the three isophotes
#                        through one orientation and the marks where they cross.
# Given a folder, it also writes there the map at its default size, with two sources, with the
# lit-by-all hatch, and both windows at a screen scale of 1.5.
# Needs a built tree (bash scripts/run.sh or scripts/test.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: bash scripts/setup.sh" >&2; exit 1; }
done
more="${1:-}"
[ -z "$more" ] || mkdir -p "$more"
export DISPLAY=:78
Xvfb "$DISPLAY" -screen 0 1366x768x24 -dpi 96 >/dev/null 2>&1 &
pids=($!)
app=""
trap 'kill ${app:+$app} "${pids[@]}" 2>/dev/null || true' EXIT
sleep 1
openbox --config-file /dev/null >/dev/null 2>&1 &
pids+=($!)
sleep 1

. scripts/find_window.sh
# Rests the pointer at (x, y) of a window: a move, then a small one, so that it settles there.
rest() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool mousemove --window "$1" $(($2 + 1)) "$3"
  sleep 1.2
}
# Starts the program at a screen scale, shades with the slant given and opens the map.
start() {
  QT_SCALE_FACTOR="$1" ./build/bin/gauss-sphere &
  app=$!
  main=$(find_window "Тревелум на сфере Гаусса")
  sleep 1
  xdotool windowactivate --sync "$main"
  # The menu bar takes the top of the client area; the slant box Text4_0 sits at (152, 424) in
  # the form (at scale 1).
  local height menu
  height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  menu=$((height - 505))
  if [ "$2" != 0 ]; then
    xdotool mousemove --window "$main" 152 $((424 + menu)) click 1
    xdotool key ctrl+a type "$2"
  fi
  xdotool key F5
  sleep 0.5
  xdotool key ctrl+g
  map=$(find_window "Карта отражательной способности")
  sleep 1
}
stop() {
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
}

start 1 30
[ -z "$more" ] || { rest "$map" 263 236; import -window "$map" "$more/map-default.png"; }
xdotool windowmove "$map" 330 30
xdotool windowsize "$map" 760 600
sleep 1
rest "$map" 490 420
import -window "$map" docs/map-figure.png
echo "wrote docs/map-figure.png"

# «Источники»: the picture takes the focus, then Tab leads through the panel's controls in order:
# Source2, its slant and tilt, Source3, its slant and tilt, LitByAll.
xdotool mousemove --window "$map" 40 40 click 1
xdotool key ctrl+l
sleep 0.5
xdotool windowmove "$map" 130 30
xdotool key Tab space
sleep 0.3
[ -z "$more" ] || { rest "$map" 445 345; import -window "$map" "$more/stereo-two.png"; }
xdotool key Tab Tab Tab space
sleep 0.3
rest "$map" 445 345
import -window "$map" docs/stereo.png
echo "wrote docs/stereo.png"
if [ -n "$more" ]; then
  xdotool key Tab Tab Tab space
  rest "$map" 445 345
  import -window "$map" "$more/lit-by-all.png"
  stop
  start 1.5 0
  rest "$map" 390 180
  import -window root "$more/scale-1.5.png"
  echo "wrote $more"
fi

#!/usr/bin/env bash
# Takes the README's pictures of the real window under Xvfb:
#   docs/window.png   the window, its menu bar over the form, after a press of "Тонировать";
#   docs/explore.png  then the gradient-space map's window beside it (Ctrl+G) and the readout
#                     under the pointer on the sphere.
# Needs a built tree (bash scripts/run.sh or scripts/test.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v xdotool >/dev/null || apt-get install -y --no-install-recommends xdotool
out="${1:-docs/window.png}"
explore="${2:-docs/explore.png}"
export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 1200x600x24 -dpi 96 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
./build/bin/gauss-sphere &
app=$!
. scripts/find_window.sh
win=$(find_window "Тревелум на сфере Гаусса")
sleep 1
# The menu bar takes the top of the client area and the form starts below it; without a window
# manager the client area starts at the screen's origin. Command1 sits at (432, 312) in the form,
# with size 105x25.
menu=$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
menu=$((menu - 505))
xdotool mousemove --window "$win" 484 $((324 + menu)) click 1
# The arrow blinks once a second from the end of the pass: capture it while it shows.
sleep 0.4
import -window "$win" "$out"
echo "wrote $out"

# The map opens beside the window; rest the pointer on the sphere (Picture1 starts at (16, 8) in
# the form; the sphere's centre is at (212, 176)).
xdotool key --window "$win" ctrl+g
map=$(find_window "Карта отражательной способности")
sleep 0.5
xdotool mousemove 250 $((120 + menu))
sleep 0.2
xdotool mousemove 251 $((121 + menu))
sleep 0.5
import -window root -crop 1130x$((510 + menu))+0+0 +repage "$explore"
echo "wrote $explore"

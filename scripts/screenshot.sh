#!/usr/bin/env bash
# Takes docs/window.png: the real window under Xvfb after a press of "Тонировать".
# Needs a built tree (bash scripts/run.sh or scripts/test.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v xdotool >/dev/null || apt-get install -y --no-install-recommends xdotool
out="${1:-docs/window.png}"
export DISPLAY=:77
Xvfb "$DISPLAY" -screen 0 800x600x24 -dpi 96 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
./build/bin/gauss-sphere &
app=$!
win=""
for _ in $(seq 50); do
  win=$(xdotool search --name "Тревелум на сфере Гаусса" 2>/dev/null | head -n1) && [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || { echo "window not found" >&2; exit 1; }
sleep 1
# Command1 sits at (432, 312) with size 105x25 in the client area; without a window manager the
# client area starts at the screen's origin.
xdotool mousemove --window "$win" 484 324 click 1
# The arrow blinks once a second from the end of the pass: capture it while it shows.
sleep 0.4
import -window "$win" "$out"
echo "wrote $out"

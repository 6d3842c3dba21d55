#!/usr/bin/env bash
# Runs a window test on X11 under a window manager: a private Xvfb screen of 1366x768 (or
# SCREEN_SIZE) with openbox on it. Usage: run_under_window_manager.sh TEST [ARGS...]. Exits 77
# (skipped) when Xvfb or openbox is not installed.
set -euo pipefail
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
dir=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$dir"
}
trap cleanup EXIT
# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE:-1366x768}x24" -dpi 96 -nolisten tcp 3>"$dir/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
[ -s "$dir/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
openbox --config-file /dev/null >/dev/null 2>&1 &
pids+=($!)
sleep 1  # openbox takes over the screen
QT_QPA_PLATFORM=xcb "$@"

# Sourced by the screenshot scripts: find_window NAME prints the id of the first window whose
# title matches NAME, waiting up to 10 s for it to appear; it stops the script if none does.
find_window() {
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && break
    sleep 0.2
  done
  [ -n "$id" ] || { echo "window '$1' not found" >&2; exit 1; }
  echo "$id"
}

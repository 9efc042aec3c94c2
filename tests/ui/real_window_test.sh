#!/usr/bin/env bash
# The real tavrel on a virtual X display: tick the save box, click Calculate,
# type a path into the real save dialog, and compare the file with the batch
# tool's report. Every wait is bounded; the program is killed at the end.
# Usage: real_window_test.sh TAVREL TAVREL_REPORT
set -euo pipefail

if [ -z "${TAVREL_ON_XVFB:-}" ]; then
  if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed; skipping the real-window test"
    exit 77
  fi
  # xvfb-run -a can lose the race for a display number to another X server
  # starting at the same moment; then the test itself never ran, so retry.
  export TAVREL_ON_XVFB=$(mktemp)
  trap 'rm -f "$TAVREL_ON_XVFB"' EXIT
  for attempt in 1 2 3; do
    status=0
    timeout 150 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@" || status=$?
    [ -s "$TAVREL_ON_XVFB" ] && exit "$status"
    echo "real-window test: the virtual display did not start (attempt $attempt)" >&2
    sleep 1
  done
  exit 1
fi
echo started >"$TAVREL_ON_XVFB"

tavrel=$(realpath "$1")
tavrel_report=$(realpath "$2")

work=$(mktemp -d)
app=
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "real-window test: $*" >&2
  echo "windows on the display:" >&2
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  $w $(xdotool getwindowname "$w" 2>/dev/null)" >&2
  done
  echo "keyboard focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
  [ -s "$work/tavrel.log" ] && sed 's/^/tavrel: /' "$work/tavrel.log" >&2
  exit 1
}

# Runs "$@" every 0.2 s until it succeeds, for at most $1 seconds.
within() {
  local seconds=$1; shift
  local tries=$((seconds * 5))
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.2
  done
}

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_named "$1")" ]; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# Qt's own dialog, as a desktop without a platform theme gets it.
unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
export QT_QPA_PLATFORM=xcb

cd "$work"
"$tavrel" >"$work/tavrel.log" 2>&1 &
app=$!

within 20 has_window '^Tavrel$' || fail "the window did not open"
main=$(window_named '^Tavrel$')
xdotool windowfocus "$main" 2>/dev/null || true

# Client coordinates: Check1 at (344,40) 73x17, Command1 at (456,8) 57x25.
xdotool mousemove --window "$main" 352 48 click 1
sleep 0.3
xdotool mousemove --window "$main" 484 20 click 1

within 20 has_window '^Save As$' || fail "the save dialog did not open"
dialog=$(window_named '^Save As$')
xdotool windowfocus "$dialog" 2>/dev/null || true
within 10 has_focus "$dialog" || fail "the save dialog did not take the keyboard focus"
sleep 0.3
target="$work/out/REPORT.TXT"
mkdir -p "$work/out"
# The file name field has the focus and holds the proposed name.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$target"
xdotool key Return

"$tavrel_report" >"$work/expected.txt" || fail "tavrel-report failed"
same_as_expected() { [ -f "$target" ] && cmp -s "$target" "$work/expected.txt"; }
if ! within 20 same_as_expected; then
  [ -f "$target" ] || fail "no report was written to $target"
  cmp "$target" "$work/expected.txt" || true
  fail "the report differs from tavrel-report's"
fi
echo "real-window test: the report matches tavrel-report's, $(wc -c <"$target") bytes"

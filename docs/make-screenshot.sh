#!/usr/bin/env bash
# Makes docs/window.png: tavrel after one Calculate with the initial texts,
# on a virtual X display exactly the window's size. Needs xvfb, xdotool,
# fonts-wqy-microhei and imagemagick (for `import`).
# Usage: docs/make-screenshot.sh [path/to/tavrel]
set -euo pipefail
tavrel=$(realpath "${1:-build/ui/tavrel}")
out=$(realpath "$(dirname "$0")")/window.png

if [ -z "${TAVREL_ON_XVFB:-}" ]; then
  export TAVREL_ON_XVFB=1
  exec timeout 60 xvfb-run -a -s "-screen 0 531x389x24" "$0" "$tavrel"
fi

unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
cd "$work"
"$tavrel" 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT

for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name '^Tavrel$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "${window:-}" ] || { echo "the window did not open" >&2; exit 1; }
sleep 0.5
# Calculate (Command1 at 456,8, 57x25 pixels).
xdotool mousemove --window "$window" 484 20 click 1 mousemove 0 0
sleep 1
import -window root "$out"
echo "wrote $out"

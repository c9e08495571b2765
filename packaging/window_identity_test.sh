#!/usr/bin/env bash
# The running window names the desktop id its menu entry expects (StartupWMClass) and carries an
# icon, so docks and task switchers tie it to its launcher. Runs the real program on an X display
# of its own.
set -euo pipefail
program=$1
desktop_file=$2
library=$3
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb  # the test run may have chosen offscreen for everything else
mkdir "$work/play"
cp "$library" "$work/play/sudoku.xml"
(cd "$work/play" && exec "$program") >/dev/null 2>&1 &
game_pid=$!
window=""
for _ in $(seq 300); do
  window=$(xdotool search --name '^Kvadrix v' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window never appeared"; exit 1; }
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$expected" ] || { echo "the menu entry names no StartupWMClass"; exit 1; }
class=$(xprop -id "$window" WM_CLASS)
echo "$class"
case "$class" in
  *", \"$expected\"") ;;
  *) echo "WM_CLASS does not end in \"$expected\""; exit 1 ;;
esac
# The icon property may follow the window's name by a moment.
for _ in $(seq 300); do
  xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' && { echo "ok"; exit 0; }
  sleep 0.1
done
echo "no window icon"
exit 1

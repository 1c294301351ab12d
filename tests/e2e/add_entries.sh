#!/usr/bin/env bash
# Ctrl+M then Enter on a new list adds three entries to the one it starts
# with; saved, the document holds four entries numbered 1 to 4.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display
folder=$(mktemp -d)
trap 'stop_display; rm -rf "$folder"' EXIT
cp "$binary" "$folder/taskmere"

fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/add_entries-failed.png" || true; exit 1; }
focus() { xdotool windowfocus --sync "$(wait_for_window "$1")"; }

"$folder/taskmere" >"$artifacts/add_entries.log" 2>&1 &
APP_PID=$!
focus '^Untitled - Taskmere$'
xdotool key ctrl+m
focus '^Insert Row$'
sleep 0.3
import -window root "$artifacts/insert-row.png"
xdotool key Return
focus '^Untitled - Taskmere$'
xdotool key ctrl+s
focus '^Save$'
xdotool type --delay 20 "four"
xdotool key Return
wait_for_window '^four - Taskmere$' >/dev/null || fail "the list was not saved as four.tkm"
numbers=$(tail -n +2 "$folder/four.tkm" | cut -d, -f1 | tr -d '\r' | tr '\n' ' ')
[ "$numbers" = "1 2 3 4 " ] || fail "numbers in four.tkm: $numbers"
echo "ok"

#!/usr/bin/env bash
# A second start hands its document to the running program instead of opening a window of its own.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display
printf 'No,Entry Date,Status,Task Description\r\n1,08/12/2026,Not Started,handed over\r\n' >"$HOME/b.tkm"
# Nobody serves the macro yet.
status=0
"$binary" --dde-execute '[Open("x.tkm")]' 2>/dev/null || status=$?
[ "$status" = 1 ] || { echo "--dde-execute without a running program exited $status"; exit 1; }

"$binary" >"$artifacts/open-in-running.log" 2>&1 &
APP_PID=$!
wait_for_window "Untitled - Taskmere" >/dev/null
(cd "$HOME" && "$binary" --open-in-running b.tkm)
wait_for_window "b - Taskmere" >/dev/null
windows=$(xdotool search --onlyvisible --name " - Taskmere" | wc -l)
[ "$windows" = 1 ] || { echo "$windows windows instead of one"; exit 1; }
import -window root "$artifacts/open-in-running.png"
kill -0 "$APP_PID"
echo "ok: b - Taskmere in the running program"

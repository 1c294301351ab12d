#!/usr/bin/env bash
# SIGTERM or SIGHUP a moment after typing (a logout, a closed terminal, a
# system shutdown) loses nothing: the window writes its recovery file before
# it ends as the signal ends it, and the next start offers the entry. (SIGINT
# takes the same way; a script's background job cannot be sent it, since the
# shell starts such jobs with SIGINT ignored.)
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display

fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/termination-failed.png" || true; exit 1; }

for signal in TERM HUP; do
    export XDG_STATE_HOME="$HOME/state-$signal"
    "$binary" >"$artifacts/termination-$signal.log" 2>&1 &
    APP_PID=$!
    xdotool windowfocus --sync "$(wait_for_window '^Untitled - Taskmere$')"
    # Still in the cell editor, long before the recovery file's idle time.
    xdotool type --delay 20 "Call the plumber $signal"
    sleep 0.5
    kill -s "$signal" "$APP_PID"
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "SIG$signal did not end the program"
    status=0
    wait "$APP_PID" || status=$?
    APP_PID=
    [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: exit status $status"
    grep -rqs "Call the plumber $signal" "$XDG_STATE_HOME/Taskmere" ||
        fail "SIG$signal: no recovery file holds the entry"
done

# The next start asks whether to restore it, and Yes brings the entry back.
"$binary" >"$artifacts/termination-next.log" 2>&1 &
APP_PID=$!
xdotool windowfocus --sync "$(wait_for_window '^Confirm$')" || fail "the kept changes were not offered"
sleep 0.3
import -window root "$artifacts/termination-offer.png"
xdotool key Return
wait_for_window '^Untitled - Taskmere$' >/dev/null
# Restored, they are the new run's own until saved.
grep -qs "Call the plumber HUP" "$XDG_STATE_HOME/Taskmere/unsaved-$APP_PID.recovery" ||
    fail "the restored changes are not kept: $(ls "$XDG_STATE_HOME/Taskmere")"
sleep 0.3
import -window root "$artifacts/termination-restored.png"
echo "ok"

#!/usr/bin/env bash
# --help and --version answer without a display; "--" lets a list named
# --help open; Ctrl+Q ends the program as Exit does.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/command_line-failed.png" 2>/dev/null || true; exit 1; }

for option in --help --version; do
    status=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$binary" "$option" 2>"$artifacts/command_line.err") || status=$?
    [ "$status" = 0 ] || fail "$option exited $status: $(cat "$artifacts/command_line.err")"
    [ -s "$artifacts/command_line.err" ] && fail "$option wrote to stderr: $(cat "$artifacts/command_line.err")"
    case "$option" in
    --help) [[ "$out" == "usage: taskmere"* ]] || fail "--help printed: $out" ;;
    --version) [[ "$out" =~ ^taskmere\ \(Taskmere\)\ [0-9] ]] || fail "--version printed: $out" ;;
    esac
done

start_display
status=0
"$binary" --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option exited $status"
printf 'No,Task Description\r\n1,named like an option\r\n' >"$HOME/--help"
(cd "$HOME" && exec "$binary" -- --help) >"$artifacts/command_line.log" 2>&1 &
APP_PID=$!
id=$(wait_for_window '^--help - Taskmere$') || fail "the list named --help did not open"
import -window root "$artifacts/command_line.png"
xdotool windowfocus --sync "$id"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "Ctrl+Q did not end the program"
status=0
wait "$APP_PID" || status=$?
[ "$status" = 0 ] || fail "the program ended with $status after Ctrl+Q"
echo "ok"

#!/usr/bin/env bash
# Saves through the real file dialog and leaves by File > Exit: the dialog asks
# before a typed name without extension replaces a document, and Exit keeps
# the reopen list in TKM.ini beside the program.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display
# A copy of its own, so TKM.ini and the documents go to a folder of this test.
folder=$(mktemp -d)
trap 'stop_display; rm -rf "$folder"' EXIT
cp "$binary" "$folder/taskmere"
printf 'No,Task Description\r\n1,keep me\r\n' > "$folder/bob.tkm"
cp "$folder/bob.tkm" "$folder/bob.expected"

fail() { echo "FAIL: $*" >&2; import -window root "$artifacts/save_and_exit-failed.png" || true; exit 1; }
# Windows whose title (what a window manager shows, _NET_WM_NAME) is exactly "Save".
saves() {
    local count=0 id
    for id in $(xdotool search --onlyvisible --name '^Save' 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = Save ] && count=$((count + 1))
    done
    echo "$count"
}
wait_for_saves() {  # wait_for_saves COUNT
    for _ in $(seq 50); do [ "$(saves)" -eq "$1" ] && return 0; sleep 0.1; done
    fail "expected $1 windows named Save, saw $(saves)"
}
focus_main() { xdotool windowfocus --sync "$(wait_for_window "$1")"; }

"$folder/taskmere" >"$artifacts/save_and_exit.log" 2>&1 &
APP_PID=$!
focus_main '^Untitled - Taskmere$'
xdotool type --delay 20 "Water the plants"
xdotool key ctrl+s
wait_for_saves 1
sleep 0.3
import -window root "$artifacts/save-dialog.png"

xdotool type --delay 20 "bob"
xdotool key Return
wait_for_saves 2  # the dialog asks about bob.tkm
xdotool key Escape
wait_for_saves 1
xdotool key Escape
wait_for_saves 0
cmp -s "$folder/bob.tkm" "$folder/bob.expected" || fail "bob.tkm was replaced"

focus_main '^Untitled - Taskmere$'
xdotool key ctrl+s
wait_for_saves 1
xdotool type --delay 20 "work"
xdotool key Return
focus_main '^work - Taskmere$'
grep -q "Water the plants" "$folder/work.tkm" || fail "work.tkm lacks the entry"

xdotool key alt+f
sleep 0.3
xdotool key Up Return  # the last item of the File menu: Exit
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "Exit did not end the program"
grep -q "^Item_0=$folder/work.tkm" "$folder/TKM.ini" || fail "TKM.ini: $(cat "$folder/TKM.ini" 2>&1)"
echo "ok"

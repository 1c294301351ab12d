#!/usr/bin/env bash
# Walks the running program the way a screen reader does: over its own
# session bus and AT-SPI bus, with pyatspi. A list of three entries must read
# as a table of 4 rows and 14 columns with the header row as its headers,
# the arrow keys must move the focus from cell to cell, the editor must be
# named after its cell and the Insert Row fields after their labels.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display
folder=$(mktemp -d)
cleanup() {
    [ -n "${LAUNCHER_PID:-}" ] && kill "$LAUNCHER_PID" 2>/dev/null || true
    [ -n "${BUS_PID:-}" ] && kill "$BUS_PID" 2>/dev/null || true
    stop_display
    rm -rf "$folder"
}
trap cleanup EXIT
cp "$binary" "$folder/taskmere"

# A session bus of our own, never the desktop's, and the accessibility bus on it.
bus_file="$folder/bus"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$bus_file" &
BUS_PID=$!
for _ in $(seq 50); do [ -s "$bus_file" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$bus_file")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$artifacts/accessibility-bus.log" 2>&1 &
LAUNCHER_PID=$!
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

printf '%s\r\n' \
    'No,Entry Date,Status,Task Description,Priority,Due Date,Due Time,Resources,Total Hours,Cost,Progress,Completion Date,Completion Time,Comment' \
    '1,01/12/2026,Not Started,Water the plants,Normal,03/12/2026,09:00:00,,0,0,0,,,' \
    '2,01/12/2026,In Progress,Call Bob,High,04/12/2026,10:00:00,,1.5,0,40,,,' \
    '3,01/12/2026,Completed,Pay the rent,Low,05/12/2026,11:00:00,,0,120,100,,,' >"$folder/three.tkm"

"$folder/taskmere" "$folder/three.tkm" >"$artifacts/accessibility.log" 2>&1 &
APP_PID=$!
xdotool windowfocus --sync "$(wait_for_window '^three - Taskmere$')"
sleep 0.5
if ! /usr/bin/python3 "$(dirname "$0")/lib/screen_reader_walk.py" "$artifacts"; then
    import -window root "$artifacts/accessibility-failed.png" || true
    exit 1
fi
echo "ok"

#!/usr/bin/env bash
# Starts the real program, reads its title and keeps a screenshot.
set -euo pipefail
. "$(dirname "$0")/lib/xvfb_session.bash" "$@"
start_display
"$binary" >"$artifacts/startup.log" 2>&1 &
APP_PID=$!
window=$(wait_for_window "Taskmere")
title=$(xdotool getwindowname "$window")
[ "$title" = "Untitled - Taskmere" ] || { echo "title was '$title'"; exit 1; }
sleep 0.5
import -window root "$artifacts/startup.png"
# The default entry is being edited: what is typed lands in Task Description.
xdotool type --delay 20 "Water the plants"
sleep 0.3
import -window root "$artifacts/startup-typed.png"
kill -0 "$APP_PID"
echo "ok: $title"

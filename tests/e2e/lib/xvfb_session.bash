# Sourced by the end-to-end tests with their arguments, the program under test
# and the folder for logs and screenshots: a private X display and a throwaway home.
binary=$1
artifacts=$2
mkdir -p "$artifacts"

start_display() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -s "$fd_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$fd_file")"
    rm -f "$fd_file"
    export HOME=$(mktemp -d)
    export XDG_CONFIG_HOME="$HOME/.config" XDG_STATE_HOME="$HOME/.local/state" XDG_RUNTIME_DIR="$HOME/run"
    # The power menu must never reach the real logind: no system bus at all.
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$HOME/no-system-bus"
    # Nor the desktop session of whoever runs the tests (its tray, its notifications).
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$HOME/no-session-bus"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    trap stop_display EXIT
}

stop_display() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$HOME"
}

# Waits until a window whose name matches $1 is mapped; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        local id
        # Under set -e and pipefail a search that finds nothing yet must not end the test.
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    echo "no window named '$1' appeared" >&2
    return 1
}

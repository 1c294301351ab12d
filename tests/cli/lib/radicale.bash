# Sourced after common.bash: a Radicale of the test's own on a free port of
# 127.0.0.1, its storage in the scratch folder, the user alice ("secret");
# stopped on exit. $server is its address.
python=/usr/bin/python3  # Debian's interpreter, which sees Debian's radicale and caldav
"$python" -c 'import radicale, caldav' || fail "radicale or python3-caldav is missing (scripts/deps.sh installs them)"
port=$("$python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'alice:secret\n' > "$dir/users"
cat > "$dir/radicale.conf" <<CONF
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $dir/users
htpasswd_encryption = plain
delay = 0
[rights]
type = owner_only
[storage]
filesystem_folder = $dir/storage
[logging]
level = error
CONF
"$python" -m radicale --config "$dir/radicale.conf" 2>"$dir/radicale.log" &
radicale_pid=$!
trap 'kill $radicale_pid 2>/dev/null; wait $radicale_pid 2>/dev/null; chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
server="http://127.0.0.1:$port/"
for _ in $(seq 100); do
    "$python" -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
    sleep 0.1
done
# Keep the tests away from a proxy of the environment and from any keyring.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/tkm-test-no-session-bus
export XDG_CACHE_HOME="$dir/cache"

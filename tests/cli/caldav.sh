#!/bin/bash
# tkm caldav against a real Radicale: the account's collections, a document
# pushed and pulled back cell for cell, a second push updating rather than
# duplicating, another client's to-do pulled, and a refused password that
# writes nothing.
set -eu
. "$(dirname "$0")/lib/common.bash"
. "$(dirname "$0")/lib/radicale.bash"
pin=(--today 2026-12-07 --now 17:05:09 --date-format dd/mm/yyyy --time-format hh:nn:ss)
export TASKMERE_CALDAV_PASSWORD=secret

list_url=$("$python" - "$server" <<'PY'
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
calendar = client.principal().make_calendar(name="Groceries", supported_calendar_component_set=["VTODO"])
print(calendar.url)
PY
)
"$tkm" caldav list "$server" --user alice > "$dir/list.txt"
grep -qF "$list_url"$'\t'"Groceries" "$dir/list.txt" || fail "the collection is not listed: $(cat "$dir/list.txt")"

{
    printf '%s\r\n' "$header"
    printf '1,07/12/2026,Not Started,Buy milk,High,24/12/2026,09:30:00,"",0,0,0,"","",""\r\n'
    printf '2,07/12/2026,In Progress,"Gr\xc3\xb6\xc3\x9fe, pr\xc3\xbcfen",Normal,"","",Bob,1.5,2.50,40,"","","line one\nline two"\r\n'
    printf '3,07/12/2026,Completed,Send invoice,Low,"","","","","",100,08/12/2026,18:15:00,""\r\n'
} > "$dir/doc.tkm"
"$tkm" caldav push "$dir/doc.tkm" "$list_url" --user alice "${pin[@]}"
XDG_CACHE_HOME="$dir/other-device" "$tkm" caldav pull "$list_url" "$dir/pulled.tkm" --user alice "${pin[@]}"
"$tkm" dump "$dir/doc.tkm" > "$dir/doc.json"
"$tkm" dump "$dir/pulled.tkm" > "$dir/pulled.json"
diff "$dir/doc.json" "$dir/pulled.json" || fail "the pulled document differs from the pushed one"

count_todos() {
    "$python" - "$server" "$list_url" <<'PY'
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
print(len(client.calendar(url=sys.argv[2]).todos(include_completed=True)))
PY
}
sed -i 's/Buy milk,High/Buy oat milk,High/' "$dir/doc.tkm"
"$tkm" caldav push "$dir/doc.tkm" "$list_url" --user alice "${pin[@]}"
[ "$(count_todos)" = 3 ] || fail "a second push duplicated entries: $(count_todos) to-dos"

"$python" - "$server" "$list_url" <<'PY'
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
client.calendar(url=sys.argv[2]).save_todo(
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:python-1\r\n"
    "DTSTAMP:20261207T100000Z\r\nSUMMARY:Added by python\r\nEND:VTODO\r\nEND:VCALENDAR\r\n")
PY
XDG_CACHE_HOME="$dir/other-device" "$tkm" caldav pull "$list_url" "$dir/again.tkm" --user alice "${pin[@]}"
grep -q "Buy oat milk" "$dir/again.tkm" || fail "the second push did not reach the other device"
grep -q "Added by python" "$dir/again.tkm" || fail "another client's to-do was not pulled"
"$tkm" caldav pull "$list_url" "$dir/again.tkm" --user alice 2>/dev/null && fail "pull replaced a file without --force"

set +e
TASKMERE_CALDAV_PASSWORD=wrong "$tkm" caldav pull "$list_url" "$dir/refused.tkm" --user alice 2>"$dir/refused.err"
code=$?
set -e
[ "$code" = 3 ] || fail "a refused password exited $code"
grep -q "401" "$dir/refused.err" || fail "the server's answer is not said: $(cat "$dir/refused.err")"
[ ! -e "$dir/refused.tkm" ] || fail "a refused password wrote a document"
set +e
"$tkm" caldav pull "$list_url" "$dir/x.tkm" 2>/dev/null
code=$?
set -e
[ "$code" = 2 ] || fail "pull without --user exited $code"
echo ok

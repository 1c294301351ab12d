#!/bin/bash
# tkm sort: the Sort By menu's order and renumbering, written in place or to -o.
set -u
. "$(dirname "$0")/lib/common.bash"

printf '%s\r\n' "$header" \
  "1,08/12/2026,Pending,write,High,10/12/2026,17:00:00,,10.5,0.00,0,08/12/2026,10:00:00," \
  "2,08/12/2026,Completed,call,Low,9/12/2026,9:30:00,,9,0.00,100,08/12/2026,10:00:00," \
  "3,08/12/2026,Pending,\"read, twice\",Normal,1/1/2027,08:00:00,,,0.00,0,08/12/2026,10:00:00," >"$dir/list.tkm"

descriptions() { "$tkm" dump "$1" | python3 -c 'import json,sys; print(" ".join(r[0] + ":" + r[3] for r in json.load(sys.stdin)["rows"][1:]))'; }

"$tkm" sort "$dir/list.tkm" --column 8 -o "$dir/hours.tkm" || fail "sort by hours"
[ "$(descriptions "$dir/hours.tkm")" = "1:read, twice 2:call 3:write" ] || fail "hours: $(descriptions "$dir/hours.tkm")"
[ "$(descriptions "$dir/list.tkm")" = "1:write 2:call 3:read, twice" ] || fail "-o changed the input"

"$tkm" sort "$dir/list.tkm" --column 5 --descending --date-format dd/mm/yyyy -o "$dir/due.tkm" || fail "sort by due date"
[ "$(descriptions "$dir/due.tkm")" = "1:read, twice 2:write 3:call" ] || fail "due: $(descriptions "$dir/due.tkm")"

# Statuses in their list's order (Pending before Completed), ties settled by
# the description; the file is sorted in place.
"$tkm" sort "$dir/list.tkm" --column 2 || fail "sort in place"
[ "$(descriptions "$dir/list.tkm")" = "1:read, twice 2:write 3:call" ] || fail "status: $(descriptions "$dir/list.tkm")"

# Times sort as times: 08:00:00, 9:30:00, 17:00:00.
"$tkm" sort "$dir/list.tkm" --column 6 -o "$dir/times.tkm" || fail "sort by time"
[ "$(descriptions "$dir/times.tkm")" = "1:read, twice 2:call 3:write" ] || fail "times: $(descriptions "$dir/times.tkm")"

# Priorities by importance: High, Normal, Low.
"$tkm" sort "$dir/list.tkm" --column 4 -o "$dir/priorities.tkm" || fail "sort by priority"
[ "$(descriptions "$dir/priorities.tkm")" = "1:write 2:read, twice 3:call" ] || fail "priorities: $(descriptions "$dir/priorities.tkm")"

for bad in "--column 0" "--column 14" "--column x" "--column 2 --bogus" ""; do
  # shellcheck disable=SC2086
  "$tkm" sort "$dir/list.tkm" $bad 2>"$dir/err"; [ $? = 2 ] || fail "exit code for '$bad'"
done
grep -q -- "--column" "$dir/err" || fail "missing --column not named"
"$tkm" sort "$dir/missing.tkm" --column 2 2>"$dir/err"; [ $? = 3 ] || fail "missing file exit code"
grep -q missing.tkm "$dir/err" || fail "message does not name the file"
exit 0

#!/bin/bash
# tkm add: Add Multiple Entries from the command line, at the end or before a row, renumbered.
set -u
. "$(dirname "$0")/lib/common.bash"

pin=(--today 2026-12-08 --now 09:30:05 --date-format dd/mm/yyyy --time-format hh:nn:ss --decimal-separator .)
printf '%s\r\n' "$header" \
  "1,08/12/2026,Pending,write,High,10/12/2026,17:00:00,,10.5,0.00,0,08/12/2026,10:00:00," \
  "2,08/12/2026,Completed,call,Low,9/12/2026,,Bob,9,0.00,100,08/12/2026,10:00:00," >"$dir/list.tkm"

rows() { "$tkm" dump "$1" | python3 -c 'import json,sys; [print(",".join(r)) for r in json.load(sys.stdin)["rows"][1:]]'; }

"$tkm" add "$dir/list.tkm" "${pin[@]}" -o "$dir/end.tkm" || fail "add with the defaults"
[ "$(rows "$dir/end.tkm" | sed -n 3p)" = "3,08/12/2026,Not Started,,Normal,08/12/2026,09:30:05,,0.0,0.00,0,08/12/2026,09:30:05," ] ||
  fail "third entry: $(rows "$dir/end.tkm" | sed -n 3p)"
[ "$(rows "$dir/end.tkm" | wc -l)" = 5 ] || fail "three entries expected after two"

"$tkm" add "$dir/list.tkm" "${pin[@]}" --before 2 --count 2 --status Completed --priority High \
  --due-date 24/12/2026 --due-time 17:00 --hours 2 --cost 3.5 --resources Ann || fail "add before row 2"
[ "$(rows "$dir/list.tkm" | cut -d, -f1,3,4,8,9,10,11 | tr '\n' ' ')" = \
  "1,Pending,write,Ann,10.5,0.00,0 2,Completed,,Ann,2.0,3.50,100 3,Completed,,Ann,2.0,3.50,100 4,Completed,call,Bob,9,0.00,100 " ] ||
  fail "before: $(rows "$dir/list.tkm" | cut -d, -f1,3,4,8,9,10,11 | tr '\n' ' ')"
# The old entry's empty Due Time took the given one.
[ "$(rows "$dir/list.tkm" | sed -n 4p | cut -d, -f7)" = "17:00:00" ] || fail "empty due time not filled"

for bad in "--status done" "--priority urgent" "--count 0" "--before 9" "--hours -1" "--due-date 31/02/2026" "--bogus"; do
  # shellcheck disable=SC2086
  "$tkm" add "$dir/list.tkm" $bad 2>"$dir/err"; [ $? = 2 ] || fail "exit code for '$bad'"
  word=${bad#* }; word=${word#--}
  grep -q -- "$word" "$dir/err" || fail "'$bad' not named: $(cat "$dir/err")"
done
"$tkm" add "$dir/missing.tkm" 2>"$dir/err"; [ $? = 3 ] || fail "missing file exit code"
exit 0

#!/bin/bash
# tkm stats: the report's fourteen rows for a pinned day, in two locales.
set -u
. "$(dirname "$0")/lib/common.bash"

expected=$(printf '%s\n' 'Valid Entries	6' 'Due Todays	1' 'Overdues	2' 'Most Important Priority**	0' \
  'High Priority**	1' 'Normal Priority**	1' 'Low Priority**	1' 'Lowest Priority**	0' 'Not Started	1' \
  'In Progress	1' 'Pending	1' 'Completed	1' 'Cancelled	0' 'Postponed	0')

check() {  # picture, then the dates for yesterday, today, tomorrow
  local file=$dir/list.tkm
  printf '%s\r\n' "$header" \
    "1,$3,Not Started,call,Normal,$2,10:00:00,,0.0,0.00,0,$3,10:00:00," \
    "2,$3,Pending,write,High,$3,10:00:00,,0.0,0.00,0,$3,10:00:00," \
    "3,$3,In Progress,read,Low,$4,10:00:00,,0.0,0.00,0,$3,10:00:00," \
    "4,$3,Completed,done,Low,$2,10:00:00,,0.0,0.00,100,$3,10:00:00," \
    "5,$3,Pending,,High,$3,10:00:00,,0.0,0.00,0,$3,10:00:00," \
    "6,$3,unknown,odd,Normal,someday,10:00:00,,0.0,0.00,0,$3,10:00:00," \
    "7,$3,unknown,late,none,$2,10:00:00,,0.0,0.00,0,$3,10:00:00," >"$file"
  out=$("$tkm" stats "$file" --today 2026-12-08 --date-format "$1") || fail "exit $? for $1"
  [ "$out" = "$expected" ] || fail "$1: got
$out"
}
check dd/mm/yyyy 07/12/2026 08/12/2026 09/12/2026
check yyyy-mm-dd 2026-12-07 2026-12-08 2026-12-09

# A header-only list counts nothing.
printf '%s\r\n' "$header" >"$dir/empty.tkm"
out=$("$tkm" stats "$dir/empty.tkm" --today 2026-12-08) || fail "empty list"
[ "$(cut -f2 <<<"$out" | sort -u)" = 0 ] || fail "empty list counts: $out"
[ "$(wc -l <<<"$out")" = 14 ] || fail "empty list rows: $out"

"$tkm" stats "$dir/missing.tkm" 2>"$dir/err"; [ $? = 3 ] || fail "missing file exit code"
grep -q missing.tkm "$dir/err" || fail "message does not name the file"
"$tkm" stats 2>/dev/null; [ $? = 2 ] || fail "missing argument exit code"
"$tkm" stats "$dir/empty.tkm" --bogus 2>/dev/null; [ $? = 2 ] || fail "unknown option exit code"
echo ok

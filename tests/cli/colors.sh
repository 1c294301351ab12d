#!/bin/bash
# tkm colors: each entry row's font, brush and styles for a pinned day.
set -u
. "$(dirname "$0")/lib/common.bash"

file=$dir/list.tkm
{
  printf '%s\r\n' "$header"
  printf '%s\r\n' \
    '1,,In Progress,a,High,2026-12-07' \
    '2,,In Progress,b,High,2026-12-08' \
    '3,,Not Started,c,Normal,2026-12-11' \
    '4,,Completed,d,Most Important,2026-12-01' \
    '5,,Pending,e,Lowest,2026-12-09' \
    '6,,Not Started,f,Most Important,2026-12-09' \
    '7,,Pending,g,Normal,not a date' \
    '8,,Cancelled,h,Low,2026-12-01'
} >"$file"
expected=$(printf '%s\n' \
  '1	#FF0000	#EFE9E0	bold' \
  '2	#000000	#FFF8B3	bold' \
  '3	#008080	-	-' \
  '4	#808080	-	strikeout' \
  '5	#6F6FB7	-	-' \
  '6	#008080	-	bold' \
  '7	#000000	-	-' \
  '8	#808080	-	-')
out=$("$tkm" colors "$file" --today 2026-12-08 --date-format yyyy-mm-dd) || fail "exit $?"
[ "$out" = "$expected" ] || fail "got
$out"

# Under a day-first picture none of these dates read, so nothing is overdue.
out=$("$tkm" colors "$file" --today 2026-12-08 --date-format dd/mm/yyyy) || fail "exit $?"
[ "$(sed -n 1p <<<"$out")" = '1	#000000	#FFF8B3	bold' ] || fail "unreadable date coloured as overdue: $out"

"$tkm" colors "$dir/none.tkm" 2>/dev/null; [ $? = 3 ] || fail "missing file exit code"
echo ok

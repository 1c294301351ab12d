#!/bin/bash
# tkm find: every hit in the order repeated OK presses find them, and the exit codes.
set -u
. "$(dirname "$0")/lib/common.bash"

file=$dir/list.tkm
printf '%s\r\n' "$header" \
  '1,07/12/2026,Not Started,Call Ann,Normal,08/12/2026,10:00:00,,0.0,0.00,0,07/12/2026,10:00:00,report' \
  '2,07/12/2026,Pending,Write report,High,08/12/2026,10:00:00,,0.0,0.00,0,07/12/2026,10:00:00,' \
  '3,07/12/2026,Pending,Report,Low,08/12/2026,10:00:00,,0.0,0.00,0,07/12/2026,10:00:00,<b>Re</b>port' >"$file"

check() {  # expected hits (one per line), then the arguments
  local expected=$1
  shift
  out=$("$tkm" find "$file" "$@") || fail "find $* exited $?"
  [ "$out" = "$expected" ] || fail "find $*: got
$out"
}

check $'3\t2\n3\t3\n13\t1' report
check $'13\t1\n3\t3\n3\t2' report --backward
check $'13\t1\n3\t2\n3\t3' report --along-rows
check $'3\t3\n3\t2\n13\t1' report --along-rows --backward
check $'3\t2\n13\t1' report --match-case
check $'3\t3\n13\t1' report --whole
check $'3\t3\n13\t1' rep --from-start
check $'2\t0' status --fixed --whole
check $'13\t3' '<b>re</b>'  # tags are text here

"$tkm" find "$file" nowhere >"$dir/out"; [ $? = 1 ] || fail "no hit exit code"
[ ! -s "$dir/out" ] || fail "no hit printed something"
"$tkm" find "$file" Status >/dev/null; [ $? = 1 ] || fail "the header row was searched without --fixed"
"$tkm" find "$file" '' >/dev/null; [ $? = 1 ] || fail "an empty text was found"
"$tkm" find "$dir/missing.tkm" x 2>"$dir/err"; [ $? = 3 ] || fail "missing file exit code"
grep -q missing.tkm "$dir/err" || fail "message does not name the file"
"$tkm" find "$file" 2>/dev/null; [ $? = 2 ] || fail "missing text exit code"
"$tkm" find "$file" x --bogus 2>"$dir/err"; [ $? = 2 ] || fail "unknown option exit code"
grep -q -- --bogus "$dir/err" || fail "message does not name the option"
echo ok

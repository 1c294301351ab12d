#!/bin/bash
# Exit codes and messages of the document commands on bad files and bad usage.
set -u
. "$(dirname "$0")/lib/common.bash"

expect() {  # expect CODE TEXT-IN-STDERR COMMAND...
    local code=$1 text=$2
    shift 2
    "$tkm" "$@" > "$dir/out" 2> "$dir/err"
    local got=$?
    [ "$got" -eq "$code" ] || fail "tkm $* exited $got, not $code: $(cat "$dir/err")"
    grep -qF -- "$text" "$dir/err" || fail "tkm $* said '$(cat "$dir/err")', without '$text'"
}

expect 3 "Cannot open file $dir/missing.tkm: No such file or directory" dump "$dir/missing.tkm"
expect 3 "Cannot open file $dir: not a regular file" dump "$dir"
mkfifo "$dir/pipe"
expect 3 "Cannot open file $dir/pipe: not a regular file" dump "$dir/pipe"  # at once, no writer needed
expect 3 "Cannot open file $dir/missing.tkm" resave "$dir/missing.tkm" "$dir/out.tkm"
[ ! -e "$dir/out.tkm" ] || fail "a failed resave wrote its output"
"$tkm" new "$dir/a.tkm" --today 2026-01-02 || fail "new"
expect 3 "Cannot Create file $dir/no/such/b.tkm" resave "$dir/a.tkm" "$dir/no/such/b.tkm"
expect 3 "Cannot Create file $dir" new "$dir"
expect 2 "--count" new "$dir/c.tkm" --count x
expect 2 "--count" new "$dir/c.tkm" --count -3
expect 2 "unknown option --bogus" dump "$dir/a.tkm" --bogus
expect 2 "missing argument" resave "$dir/a.tkm"
expect 2 "unexpected argument" dump "$dir/a.tkm" "$dir/a.tkm"
expect 2 "--today" new "$dir/c.tkm" --today 2026-13-01
expect 2 "bad value for --now: -9:-9:-9" new "$dir/c.tkm" --now -9:-9:-9
expect 2 "bad value for --date-format: the picture is empty" new "$dir/c.tkm" --date-format ""
[ ! -e "$dir/c.tkm" ] || fail "a refused command wrote its output"
cp "$dir/a.tkm" "$dir/kept.tkm"
expect 3 "Cannot Create file $dir/a.tkm: it exists (--force replaces it)" new "$dir/a.tkm" --count 3
cmp -s "$dir/a.tkm" "$dir/kept.tkm" || fail "new replaced a file without --force"
"$tkm" new "$dir/a.tkm" --count 3 --force || fail "new --force"
[ "$("$tkm" dump "$dir/a.tkm" | wc -l)" -gt "$("$tkm" dump "$dir/kept.tkm" | wc -l)" ] || fail "--force did not replace"

# Whatever the bytes, a load never crashes.
head -c 200000 /dev/urandom > "$dir/noise.tkm"
"$tkm" dump "$dir/noise.tkm" > /dev/null || fail "noise did not load"
"$tkm" resave "$dir/noise.tkm" "$dir/noise2.tkm" || fail "noise did not resave"
"$tkm" dump "$dir/noise.tkm" > "$dir/n1"
"$tkm" dump "$dir/noise2.tkm" > "$dir/n2"
cmp -s "$dir/n1" "$dir/n2" || fail "noise did not survive a resave"
echo ok

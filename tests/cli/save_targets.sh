#!/bin/bash
# Where a document can be written: standard output, a pipe, never over a link to nothing.
set -u
. "$(dirname "$0")/lib/common.bash"

"$tkm" new "$dir/list.tkm" --count 3 --today 2026-12-07 || fail "new"
"$tkm" sort "$dir/list.tkm" --column 2 -o "$dir/sorted.tkm" || fail "sort to a file"

(cd "$dir" && "$tkm" sort list.tkm --column 2 -o -) > "$dir/stdout" || fail "sort to standard output"
cmp -s "$dir/stdout" "$dir/sorted.tkm" || fail "-o - wrote other bytes than -o FILE"
[ ! -e "$dir/-" ] || fail "-o - created a file named -"

mkfifo "$dir/pipe"
cat "$dir/pipe" > "$dir/from-pipe" &
"$tkm" resave "$dir/list.tkm" "$dir/pipe" || fail "resave into a pipe"
wait
[ -p "$dir/pipe" ] || fail "the pipe was replaced"
cmp -s "$dir/from-pipe" "$dir/list.tkm" || fail "the pipe carried other bytes"

ln -s missing.tkm "$dir/dangling.tkm"
"$tkm" sort "$dir/list.tkm" --column 2 -o "$dir/dangling.tkm" 2> "$dir/err"
[ $? = 3 ] || fail "a link to nothing was written"
grep -qF "Cannot Create file $dir/dangling.tkm: the link points to nothing" "$dir/err" || fail "said: $(cat "$dir/err")"
[ -L "$dir/dangling.tkm" ] && [ ! -e "$dir/missing.tkm" ] || fail "the link to nothing was followed or replaced"
echo ok

#!/bin/bash
# tkm new, dump and resave on real files: exact bytes in, exact bytes out.
set -eu
. "$(dirname "$0")/lib/common.bash"
pin=(--today 2026-12-07 --now 17:05:09 --date-format dd/mm/yyyy --time-format hh:nn:ss)

"$tkm" new "$dir/new.tkm" --count 2 "${pin[@]}"
entry=',07/12/2026,Not Started,"",Normal,07/12/2026,17:05:09,"",0.0,0.00,0,07/12/2026,17:05:09,""'
printf '%s\r\n1%s\r\n2%s\r\n' "$header" "$entry" "$entry" > "$dir/expected.tkm"
cmp "$dir/new.tkm" "$dir/expected.tkm" || fail "new wrote other bytes"
"$tkm" new "$dir/one.tkm" "${pin[@]}"
[ "$(wc -l < "$dir/one.tkm")" -eq 2 ] || fail "new without --count is not one entry"

# A document written by any plain writer comes back byte for byte.
printf '%s\r\n1,07/12/2026,In Progress,"Buy paper, toner",High,10/12/2026,17:00,Ann,4,120.00,50,"","",""\r\n' \
    "$header" > "$dir/plain.tkm"
"$tkm" resave "$dir/plain.tkm" "$dir/again.tkm"
cmp "$dir/plain.tkm" "$dir/again.tkm" || fail "resave changed a plain document"
"$tkm" resave "$dir/plain.tkm" "$dir/plain.tkm"
cmp "$dir/plain.tkm" "$dir/again.tkm" || fail "resave in place changed a plain document"

# Every cell as stored, invalid UTF-8 as lone surrogates, escaped cells decoded.
printf 'No,Text\r\n1,"caf\xc3\xa9 \xff ""q"" a"\\nb"\r\n' > "$dir/odd.tkm"
"$tkm" dump "$dir/odd.tkm" > "$dir/odd.json"
empty12='"", "", "", "", "", "", "", "", "", "", "", ""'
printf '{"rows": [\n  ["No", "Text", %s],\n  ["1", "caf\xc3\xa9 \\udcff \\"q\\" a\\nb", %s]\n]}\n' \
    "$empty12" "$empty12" > "$dir/odd.expected"
cmp "$dir/odd.json" "$dir/odd.expected" || { diff "$dir/odd.json" "$dir/odd.expected"; fail "dump"; }
"$tkm" resave "$dir/odd.tkm" "$dir/odd2.tkm"
"$tkm" dump "$dir/odd2.tkm" | cmp - "$dir/odd.json" || fail "resave lost an escaped cell"

# Overlong forms, encoded surrogates and cut sequences are escaped byte by byte.
printf 'A,B,C,D,E\r\n\xc0\xaf,\xed\xa0\x80,\xf0\x9f\x98\x80,\xe2\x82,\x01\t\r\n' > "$dir/utf8.tkm"
"$tkm" dump "$dir/utf8.tkm" | sed -n 3p > "$dir/utf8.json"
printf '  ["\\udcc0\\udcaf", "\\udced\\udca0\\udc80", "\xf0\x9f\x98\x80", "\\udce2\\udc82", "\\u0001\\t", %s]\n' \
    '"", "", "", "", "", "", "", "", ""' | cmp - "$dir/utf8.json" || fail "dump of invalid UTF-8: $(cat "$dir/utf8.json")"

# An empty file opens as the window opens it: the titles and one empty entry,
# and that is what a resave writes.
printf '' > "$dir/empty.tkm"
"$tkm" resave "$dir/empty.tkm" "$dir/empty2.tkm"
empty14='"","","","","","","","","","","","","",""'
printf '%s\r\n%s\r\n' "$header" "$empty14" | cmp - "$dir/empty2.tkm" || fail "resave of an empty file: $(cat -A "$dir/empty2.tkm")"
"$tkm" dump "$dir/empty.tkm" | sed -n 3p | grep -qx '  \["", "", "", "", "", "", "", "", "", "", "", "", "", ""\]' ||
    fail "dump of an empty file: $("$tkm" dump "$dir/empty.tkm")"
# The version and the usage go to standard output with exit 0.
[[ "$("$tkm" --version)" =~ ^tkm\ \(Taskmere\)\ [0-9]+\.[0-9]+$ ]] || fail "--version: $("$tkm" --version 2>&1)"
"$tkm" --help | grep -q '^usage: tkm' || fail "--help"
echo ok

#!/bin/bash
# Exports on the command line: the Save As writers, chosen columns, never over a file unasked.
set -u
. "$(dirname "$0")/lib/common.bash"

printf '%s\r\n' "$header" \
    '1,07/12/2026,In Progress,a < b & c,High,10/12/2026,17:00:00,Ann,4,120.00,50,"","",""' > "$dir/list.tkm"

"$tkm" export "$dir/list.tkm" "$dir/list.txt" --type txt --columns 0,2,3 || fail "txt"
printf 'No Status      Task Description \r\n1  In Progress a < b & c        \r\n' | cmp -s - "$dir/list.txt" ||
    fail "txt wrote: $(cat -A "$dir/list.txt")"

"$tkm" export "$dir/list.tkm" "$dir/list.htm" --type htm --columns 3 --today 2026-12-08 --date-format dd/mm/yyyy || fail "htm"
grep -qF '<td nowrap bgcolor="#FFF8B3"><font color="#000000"><b>a &lt; b &amp; c</b></font></td>' "$dir/list.htm" ||
    fail "htm wrote: $(cat "$dir/list.htm")"
"$tkm" export "$dir/list.tkm" "$dir/plain.htm" --type htm --no-colors || fail "htm without colours"
grep -qF '<td nowrap><b>1</b></td>' "$dir/plain.htm" || fail "--no-colors kept the colours"

"$tkm" export "$dir/list.tkm" "$dir/list.txt" --type csv --columns 3 2> "$dir/err"
[ $? = 3 ] || fail "replaced a file without --force"
grep -qF "Cannot Create file $dir/list.txt: it exists (--force replaces it)" "$dir/err" || fail "said: $(cat "$dir/err")"
"$tkm" export "$dir/list.tkm" "$dir/list.txt" --type csv --columns 3 --force || fail "--force"
printf 'Task Description\r\na < b & c\r\n' | cmp -s - "$dir/list.txt" || fail "csv wrote: $(cat -A "$dir/list.txt")"

"$tkm" export "$dir/list.tkm" "$dir/x.txt" --type rtf 2> "$dir/err"
[ $? = 2 ] && grep -qF "bad value for --type: rtf (txt, htm, csv, doc, xls, ods, xlsx, odt, docx, ics, pdf)" "$dir/err" ||
    fail "an unknown type: $(cat "$dir/err")"
"$tkm" export "$dir/list.tkm" "$dir/x.txt" --type txt --columns 3,14 2> /dev/null
[ $? = 2 ] || fail "column 14 was taken"
[ ! -e "$dir/x.txt" ] || fail "a refused export wrote a file"
# The office types reach LibreOffice through the same command.
if command -v soffice >/dev/null; then
    "$tkm" export "$dir/list.tkm" "$dir/list.xlsx" --type xlsx --columns 1,3 || fail "xlsx"
    (cd "$dir" && HOME="$dir" soffice --headless -env:UserInstallation="file://$dir/profile" \
        --convert-to csv list.xlsx >/dev/null 2>&1) || fail "LibreOffice cannot read the xlsx"
    printf 'Entry Date,Task Description\n07/12/2026,a < b & c\n' | cmp -s - "$dir/list.csv" ||
        fail "xlsx holds: $(cat -A "$dir/list.csv")"
fi
echo ok

#!/bin/bash
# tkm export --type pdf: the print job in a PDF file, checked with poppler's tools.
set -u
. "$(dirname "$0")/lib/common.bash"
command -v pdfinfo >/dev/null || fail "pdfinfo missing: install poppler-utils (scripts/deps.sh)"

list=$dir/list.tkm
statuses=("Not Started" "In Progress" "Pending" "Completed" "Cancelled" "Postponed")
priorities=("Most Important" "High" "Normal" "Low" "Lowest")
{
  printf '%s\r\n' "$header"
  for i in $(seq 1 200); do
    printf '%d,2026-11-01,%s,Entry number %d to print,%s,2026-12-%02d,09:00:00,Sam,1.5,20.00,%d,,,note %d\r\n' \
      "$i" "${statuses[i % 6]}" "$i" "${priorities[i % 5]}" $((i % 28 + 1)) $((i % 101)) "$i"
  done
} >"$list"
pin=(--today 2026-12-08 --now 14:05:09 --date-format yyyy-mm-dd)

pdf=$dir/list.pdf
"$tkm" export "$list" "$pdf" --type pdf "${pin[@]}" || fail "export exit $?"
info=$(pdfinfo "$pdf") || fail "pdfinfo cannot read the file"
pages=$(sed -n 's/^Pages: *//p' <<<"$info")
[ "$pages" -ge 3 ] || fail "200 entries on $pages pages"
read -r width height < <(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p' <<<"$info")
awk -v w="$width" -v h="$height" 'BEGIN { exit !(w > h) }' || fail "not landscape: $width x $height"
for page in $(seq 1 "$pages"); do
  text=$(pdftotext -layout -f "$page" -l "$page" "$pdf" -)
  grep -q "Task Description" <<<"$text" || fail "no header row on page $page"
  grep -qE "(^|[^0-9])$page/$pages\s*$" <<<"$text" || fail "no page number $page/$pages on page $page"
done
pdftotext "$pdf" - | grep -q "Entry number 200 to print" || fail "the last entry is missing"

# Chosen columns only, and an existing file is kept without --force.
before=$(cksum <"$pdf")
"$tkm" export "$list" "$pdf" --type pdf --columns 0,3 "${pin[@]}" 2>"$dir/err"
[ $? = 3 ] || fail "replaced an existing file without --force"
grep -qF "$pdf" "$dir/err" || fail "the refusal does not name the file: $(cat "$dir/err")"
[ "$(cksum <"$pdf")" = "$before" ] || fail "the refused export changed the file"
"$tkm" export "$list" "$pdf" --type pdf --columns 0,3 --no-colors --force "${pin[@]}" || fail "--force exit $?"
text=$(pdftotext -layout -f 1 -l 1 "$pdf" -)
grep -q "Task Description" <<<"$text" && ! grep -q "Priority" <<<"$text" || fail "--columns 0,3 printed: $text"

# A print settings file: portrait, a two-line title, page numbers after "Page"
# (portrait splits the columns, so they count page-column groups).
printf '[PRINTSETTINGS]\r\nOrientation=0\r\nTitle=3\r\nTitleLines=Kitchen plan\\nSecond line\\n\r\nPageNr=5\r\nPagePrefix=Page\r\nPageNumSep=" of "\r\n' >"$dir/portrait.ini"
"$tkm" export "$list" "$dir/portrait.pdf" --type pdf --print-settings "$dir/portrait.ini" "${pin[@]}" ||
  fail "--print-settings exit $?"
read -r width height < <(pdfinfo "$dir/portrait.pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p')
awk -v w="$width" -v h="$height" 'BEGIN { exit !(w < h) }' || fail "not portrait: $width x $height"
text=$(pdftotext -layout -f 1 -l 1 "$dir/portrait.pdf" -)
grep -q "Kitchen plan" <<<"$text" && grep -q "Second line" <<<"$text" || fail "no title lines: $text"
grep -qE "Page ?1(-1| of [0-9]+)" <<<"$text" || fail "no page number with the file's prefix: $text"
"$tkm" export "$list" "$dir/y.pdf" --type pdf --print-settings "$dir/none.ini" 2>"$dir/err"
[ $? = 3 ] && grep -qF "$dir/none.ini" "$dir/err" || fail "a missing settings file said: $(cat "$dir/err")"
# Sizes no form gives, from a hand-edited file: printed at the nearest that fit,
# not overflowing the layout (which the sanitized build turns into a failure).
head -n 3 "$list" >"$dir/short.tkm"
printf '[PRINTSETTINGS]\r\nFontSize=2147483647\r\nHeaderFontSize=-12\r\nLeftSize=99999999\r\nColumnSpacing=-5\r\n' >"$dir/huge.ini"
"$tkm" export "$dir/short.tkm" "$dir/huge.pdf" --type pdf --print-settings "$dir/huge.ini" "${pin[@]}" ||
  fail "sizes out of range: exit $?"
pdfinfo "$dir/huge.pdf" >/dev/null || fail "sizes out of range wrote no PDF"
"$tkm" export "$list" "$dir/y.htm" --type htm --print-settings "$dir/portrait.ini" 2>/dev/null
[ $? = 2 ] || fail "--print-settings accepted for htm"

# Bad usage and unwritable places.
"$tkm" export "$list" "$dir/x.pdf" --type pdf --columns 0,14 2>/dev/null
[ $? = 2 ] || fail "column 14 accepted"
"$tkm" export "$list" "$dir/x.pdf" --type pfd 2>/dev/null
[ $? = 2 ] || fail "an unknown type accepted"
"$tkm" export "$list" "$dir/no/such/folder/x.pdf" --type pdf 2>"$dir/err"
[ $? = 3 ] || fail "a missing folder gave exit $?"
grep -qF "$dir/no/such/folder/x.pdf" "$dir/err" || fail "said: $(cat "$dir/err")"
echo ok

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

# Bold red table font, a three-line description, the long date at the top left,
# on the paper asked for; the PDF's title is the document's name.
{
  printf '%s\r\n' "$header"
  # A line break is kept in a document as a lone LF inside quotes.
  printf '1,2026-11-01,In Progress,"Line one\nLine two\nLine three",Normal,2026-12-20,09:00:00,Sam,1,2,0,,,\r\n'
  for i in $(seq 2 100); do
    printf '%d,2026-11-01,In Progress,Entry %d,Normal,2026-12-20,09:00:00,Sam,1,2,0,,,\r\n' "$i" "$i"
  done
} >"$dir/done.tkm"
printf '[PRINTSETTINGS]\r\nFontStyle=1\r\nFontColor=255\r\nDate=1\r\nDateFormat=dddddd\r\nPageNr=5\r\nPageNumSep=/\r\nOrientation=1\r\nTitle=3\r\n' >"$dir/bold.ini"
for colors in --no-colors ""; do
  "$tkm" export "$dir/done.tkm" "$dir/done.pdf" --type pdf --force --paper a4 --print-settings "$dir/bold.ini" $colors "${pin[@]}" ||
    fail "--paper a4 exit $?"
  pdffonts "$dir/done.pdf" | grep -q "Bold" || fail "no bold face embedded ($colors): $(pdffonts "$dir/done.pdf")"
  pdftoppm -r 50 -f 1 -l 1 "$dir/done.pdf" "$dir/page"
  red=$(/usr/bin/python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
parts = data.split(b"\n", 3)
w, h = map(int, parts[1].split())
px = parts[3]
print(sum(1 for i in range(0, w * h * 3, 3) if px[i] > 150 and px[i + 1] < 90 and px[i + 2] < 90))
' "$dir"/page-*1.ppm)
  [ "$red" -gt 100 ] || fail "the table font is not red ($colors): $red red pixels"
  rm -f "$dir"/page-*.ppm
done
info=$(pdfinfo "$dir/done.pdf")
grep -q "^Page size:.*(A4)" <<<"$info" || fail "not on A4: $info"
grep -q "^Title: *done$" <<<"$info" || fail "the title is not the document's name: $info"
grep -q "^Creator: *Taskmere$" <<<"$info" || fail "the creator is not Taskmere: $info"
pages=$(sed -n 's/^Pages: *//p' <<<"$info")
text=$(pdftotext -layout -f 1 -l 1 "$dir/done.pdf" -)
for line in "Line one" "Line two" "Line three"; do
  grep -q "$line" <<<"$text" || fail "\"$line\" is not printed: $text"
done
grep -q "Line one.*Line two" <<<"$text" && fail "the description's lines run into one: $text"
grep -q "Line one.*Normal" <<<"$text" || fail "the description's first line is not in its row: $text"
grep -q "Tuesday" <<<"$text" && grep -q "December" <<<"$text" || fail "no long date at the top: $text"
# Bold columns need two page widths here, so pages count page-column groups.
grep -qE "(^|[^0-9])1(/$pages|-1)\s*$" <<<"$text" || fail "no page number on page 1: $text"
"$tkm" export "$list" "$dir/a5.pdf" --type pdf --paper A5 "${pin[@]}" || fail "--paper A5 exit $?"
pdfinfo "$dir/a5.pdf" | grep -q "^Page size:.*(A5)" || fail "not on A5: $(pdfinfo "$dir/a5.pdf")"
"$tkm" export "$list" "$dir/legal.pdf" --type pdf --paper Legal "${pin[@]}" || fail "--paper Legal exit $?"
pdfinfo "$dir/legal.pdf" | grep -q "^Page size: *1008 x 612 pts" || fail "not on Legal: $(pdfinfo "$dir/legal.pdf")"
"$tkm" export "$list" "$dir/b4.pdf" --type pdf --paper B4 2>"$dir/err"
[ $? = 2 ] && grep -q -- "--paper" "$dir/err" || fail "--paper B4 said: $(cat "$dir/err")"
"$tkm" export "$list" "$dir/y.htm" --type htm --paper A4 2>/dev/null
[ $? = 2 ] || fail "--paper accepted for htm"

# Bad usage and unwritable places.
"$tkm" export "$list" "$dir/x.pdf" --type pdf --columns 0,14 2>/dev/null
[ $? = 2 ] || fail "column 14 accepted"
"$tkm" export "$list" "$dir/x.pdf" --type pfd 2>/dev/null
[ $? = 2 ] || fail "an unknown type accepted"
"$tkm" export "$list" "$dir/no/such/folder/x.pdf" --type pdf 2>"$dir/err"
[ $? = 3 ] || fail "a missing folder gave exit $?"
grep -qF "$dir/no/such/folder/x.pdf" "$dir/err" || fail "said: $(cat "$dir/err")"
echo ok

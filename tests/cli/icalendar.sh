#!/bin/bash
# tkm export --type ics, import and dump of iCalendar files: a list goes out
# as to-dos and comes back cell for cell.
set -eu
. "$(dirname "$0")/lib/common.bash"
export TZ=Europe/Berlin
pin=(--today 2026-12-07 --now 17:05:09 --date-format dd/mm/yyyy --time-format hh:nn:ss)

# Every status and priority, a comment of several lines, text that is not
# ASCII, an empty due time and cells that are no dates or numbers.
{
    printf '%s\r\n' "$header"
    printf '1,07/12/2026,Not Started,Plain,Most Important,24/12/2026,09:30:00,"Ann, Bob",1.5,12.00,0,"","",""\r\n'
    printf '2,07/12/2026,In Progress,"Gr\xc3\xb6\xc3\x9fe pr\xc3\xbcfen \xe2\x82\xac",High,24/12/2026,"",Carla,0,0,40,"","","first\nsecond\n\nfourth"\r\n'
    printf '3,07/12/2026,Pending,Wait,Normal,next week,9:30,"",x,"",10,"","",""\r\n'
    printf '4,7/12/26,Completed,"caf\xe9",Low,"","","","","",100,08/12/2026,18:00:00,"100%%"\r\n'
    printf '5,07/12/2026,Cancelled,Drop,Lowest,"","","","","",0,"","",""\r\n'
    printf '6,07/12/2026,Postponed,Later,"","","","","","",0,"","",""\r\n'
} > "$dir/list.tkm"
"$tkm" resave "$dir/list.tkm" "$dir/list.tkm"
"$tkm" export "$dir/list.tkm" "$dir/list.ics" --type ics "${pin[@]}"
head -1 "$dir/list.ics" | grep -q '^BEGIN:VCALENDAR' || fail "export wrote no calendar"
[ "$(grep -c '^BEGIN:VTODO' "$dir/list.ics")" -eq 6 ] || fail "not one VTODO an entry"
grep -q '^DUE;TZID=Europe/Berlin:20261224T093000' "$dir/list.ics" || fail "due time not in the desktop's zone"
"$tkm" import "$dir/list.ics" "$dir/back.tkm" "${pin[@]}"
cmp "$dir/list.tkm" "$dir/back.tkm" || { diff "$dir/list.tkm" "$dir/back.tkm"; fail "import changed the list"; }
"$tkm" dump "$dir/list.ics" "${pin[@]}" | cmp - <("$tkm" dump "$dir/list.tkm" "${pin[@]}") || fail "dump of the .ics"
# A calendar is a document to the other commands too, written back as one.
"$tkm" resave "$dir/list.ics" "$dir/again.ics" "${pin[@]}"
grep -q '^BEGIN:VCALENDAR' "$dir/again.ics" || fail "resave to .ics wrote no calendar"

# Hidden columns are left out.
"$tkm" export "$dir/list.tkm" "$dir/few.ics" --type ics --columns 0,3 "${pin[@]}"
grep -q '^STATUS' "$dir/few.ics" && fail "a left-out column was written"
grep -q '^SUMMARY:Plain' "$dir/few.ics" || fail "a chosen column is missing"

# Another program's properties and components survive a sort of the file.
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VTODO\r\nUID:b\r\nDTSTAMP:20261201T100000Z\r\nSUMMARY:Beta\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT5M\r\nDESCRIPTION:x\r\nEND:VALARM\r\nEND:VTODO\r\nBEGIN:VTODO\r\nUID:a\r\nDTSTAMP:20261201T100000Z\r\nSUMMARY:Alpha\r\nEND:VTODO\r\nBEGIN:VEVENT\r\nUID:e\r\nDTSTAMP:20261201T100000Z\r\nDTSTART:20261224T180000Z\r\nSUMMARY:Dinner\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' > "$dir/other.ics"
"$tkm" sort "$dir/other.ics" --column 3 "${pin[@]}"
grep -q '^TRIGGER:-PT5M' "$dir/other.ics" || fail "sort lost an alarm"
grep -q '^SUMMARY:Dinner' "$dir/other.ics" || fail "sort lost an event"
"$tkm" dump "$dir/other.ics" "${pin[@]}" | sed -n 3p | grep -q '^  \["1", "", "", "Alpha"' || fail "sort did not sort"

# Refusals: an existing file without --force, and files that are no calendars.
if "$tkm" import "$dir/list.ics" "$dir/back.tkm" 2>"$dir/err"; then fail "import replaced a file"; fi
grep -q 'it exists (--force replaces it)' "$dir/err" || fail "import refusal: $(cat "$dir/err")"
"$tkm" import "$dir/list.ics" "$dir/back.tkm" --force "${pin[@]}"
set +e
"$tkm" import "$dir/list.tkm" "$dir/x.tkm" 2>"$dir/err"; code=$?
set -e
[ "$code" -eq 3 ] || fail "import of a .tkm: exit $code"
grep -qx "tkm import: Cannot open file $dir/list.tkm: it is not an iCalendar file" "$dir/err" || fail "$(cat "$dir/err")"
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n' > "$dir/empty.ics"
set +e
"$tkm" dump "$dir/empty.ics" >/dev/null 2>"$dir/err"; code=$?
set -e
[ "$code" -eq 3 ] || fail "dump of a calendar without to-dos: exit $code"
grep -q "Cannot open file $dir/empty.ics: it holds no to-do entries" "$dir/err" || fail "$(cat "$dir/err")"
echo ok

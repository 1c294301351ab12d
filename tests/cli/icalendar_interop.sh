#!/bin/bash
# Taskmere's iCalendar files against real programs: todoman (through a vdir
# folder) and python3-icalendar read every summary, status, priority, due and
# percent of an exported list, and to-dos each of them writes import cell for
# cell. scripts/deps.sh installs both.
set -eu
. "$(dirname "$0")/lib/common.bash"
export TZ=Europe/Berlin
python=/usr/bin/python3  # Debian's interpreter, which sees Debian's modules
command -v todoman >/dev/null || fail "todoman is missing (scripts/deps.sh installs it)"
"$python" -c 'import icalendar' || fail "python3-icalendar is missing (scripts/deps.sh installs it)"
pin=(--today 2026-12-07 --now 17:05:09 --date-format dd/mm/yyyy --time-format hh:nn:ss)

{
    printf '%s\r\n' "$header"
    printf '1,07/12/2026,Not Started,Call Ann,Most Important,24/12/2026,09:30:00,"",0,0,0,"","",""\r\n'
    printf '2,07/12/2026,In Progress,"Gr\xc3\xb6\xc3\x9fe pr\xc3\xbcfen",High,24/12/2026,"",Bob,1.5,0,40,"","","line one\nline two"\r\n'
    printf '3,07/12/2026,Pending,Wait for parts,Normal,"","","","","",10,"","",""\r\n'
    printf '4,07/12/2026,Completed,Send invoice,Low,20/12/2026,18:00:00,"","","",100,08/12/2026,18:15:00,""\r\n'
    printf '5,07/12/2026,Cancelled,Book hotel,Lowest,"","","","","",0,"","",""\r\n'
    printf '6,07/12/2026,Postponed,Renew licence,Normal,"","","","","",0,"","",""\r\n'
} > "$dir/list.tkm"
"$tkm" resave "$dir/list.tkm" "$dir/list.tkm"
mkdir -p "$dir/vdir/tasks"
"$tkm" export "$dir/list.tkm" "$dir/vdir/tasks/taskmere.ics" --type ics "${pin[@]}"

# python3-icalendar: summary, status, priority, due in the list's zone, percent.
"$python" - "$dir/vdir/tasks/taskmere.ics" > "$dir/python.txt" <<'EOF'
import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for todo in calendar.walk('VTODO'):
    due = todo.decoded('DUE') if 'DUE' in todo else None
    due = due.strftime('%Y-%m-%d %H:%M %Z') if hasattr(due, 'hour') else (due.isoformat() if due else '-')
    print('|'.join([str(todo.get('SUMMARY', '')), str(todo.get('STATUS', '')), str(todo.get('PRIORITY', '')),
                    due, str(todo.get('PERCENT-COMPLETE', ''))]))
EOF
cat > "$dir/python.expected" <<'EOF'
Call Ann|NEEDS-ACTION|1|2026-12-24 09:30 CET|0
Größe prüfen|IN-PROCESS|3|2026-12-24|40
Wait for parts|NEEDS-ACTION|5|-|10
Send invoice|COMPLETED|7|2026-12-20 18:00 CET|100
Book hotel|CANCELLED|9|-|0
Renew licence|NEEDS-ACTION|5|-|0
EOF
diff "$dir/python.expected" "$dir/python.txt" || fail "python3-icalendar read other values"

# todoman: every entry listed, with its priority, due time, percent and state.
cat > "$dir/todoman.py" <<EOF
path = "$dir/vdir/*"
cache_path = "$dir/todoman.sqlite3"
date_format = "%Y-%m-%d"
time_format = "%H:%M"
default_list = "tasks"
EOF
todoman -c "$dir/todoman.py" --porcelain list --status ANY > "$dir/todoman.json" 2>"$dir/todoman.err" ||
    fail "todoman: $(cat "$dir/todoman.err")"
"$python" - "$dir/todoman.json" > "$dir/todoman.txt" <<'EOF'
import sys, json, datetime
for todo in sorted(json.load(open(sys.argv[1])), key=lambda t: t['summary']):
    due = datetime.datetime.fromtimestamp(todo['due']).strftime('%Y-%m-%d %H:%M') if todo['due'] else '-'
    print('|'.join([todo['summary'], str(todo['priority']), due, str(todo['percent']), str(todo['completed'])]))
EOF
cat > "$dir/todoman.expected" <<'EOF'
Book hotel|9|-|0|True
Call Ann|1|2026-12-24 09:30|0|False
Größe prüfen|3|2026-12-24 00:00|40|False
Renew licence|5|-|0|False
Send invoice|7|2026-12-20 18:00|100|True
Wait for parts|5|-|10|False
EOF
diff "$dir/todoman.expected" "$dir/todoman.txt" || fail "todoman read other values"
todoman -c "$dir/todoman.py" list > "$dir/todoman.list" 2>/dev/null
for summary in "Call Ann" "Größe prüfen" "Wait for parts" "Renew licence"; do
    grep -qF "$summary" "$dir/todoman.list" || fail "todo list does not show $summary: $(cat "$dir/todoman.list")"
done

# A to-do todoman writes imports in the desktop's formats and zone.
rm -f "$dir/vdir/tasks/taskmere.ics"
todoman -c "$dir/todoman.py" new "Buy milk" --due "2026-12-24 09:30" --priority high --list tasks >/dev/null
"$tkm" import "$dir"/vdir/tasks/*.ics "$dir/todoman.tkm" "${pin[@]}"
"$tkm" dump "$dir/todoman.tkm" | sed -n 3p | cut -d, -f1,3-8 > "$dir/todoman.row"
echo '  ["1", "Not Started", "Buy milk", "High", "24/12/2026", "09:30:00", ""' |
    cmp - "$dir/todoman.row" || fail "todoman's to-do imported as $(cat "$dir/todoman.row")"

# And the to-dos python3-icalendar writes, with a zone named but not defined.
"$python" - "$dir/python.ics" <<'EOF'
import sys, datetime, icalendar, pytz
calendar = icalendar.Calendar()
calendar.add('prodid', '-//Script//EN')
calendar.add('version', '2.0')
berlin = pytz.timezone('Europe/Berlin')
for n, (summary, status, priority, due, percent) in enumerate([
        ('Water plants', 'IN-PROCESS', 2, berlin.localize(datetime.datetime(2026, 12, 24, 9, 30)), 20),
        ('Pay rent', 'COMPLETED', 9, datetime.date(2026, 12, 1), 100),
        ('Fix bike', 'CANCELLED', 0, datetime.datetime(2026, 12, 24, 8, 0, tzinfo=pytz.utc), 0)]):
    todo = icalendar.Todo()
    todo.add('uid', 'script-%d' % n)
    todo.add('dtstamp', datetime.datetime(2026, 12, 1, tzinfo=pytz.utc))
    todo.add('summary', summary)
    todo.add('status', status)
    todo.add('priority', priority)
    todo.add('due', due)
    todo.add('percent-complete', percent)
    todo.add('description', 'first line\nsecond, with a comma')
    calendar.add_component(todo)
open(sys.argv[1], 'wb').write(calendar.to_ical())
EOF
"$tkm" dump "$dir/python.ics" "${pin[@]}" | sed -n '3,$p' > "$dir/script.json"
cat > "$dir/script.expected" <<'EOF'
  ["1", "", "In Progress", "Water plants", "High", "24/12/2026", "09:30:00", "", "", "", "20", "", "", "first line\nsecond, with a comma"],
  ["2", "", "Completed", "Pay rent", "Lowest", "01/12/2026", "", "", "", "", "100", "", "", "first line\nsecond, with a comma"],
  ["3", "", "Cancelled", "Fix bike", "Normal", "24/12/2026", "09:00:00", "", "", "", "0", "", "", "first line\nsecond, with a comma"]
]}
EOF
diff "$dir/script.expected" "$dir/script.json" || fail "python3-icalendar's to-dos imported otherwise"
echo ok

#!/bin/bash
# tkm takes the desktop's locale as the window does, and needs no display for it.
set -u
. "$(dirname "$0")/lib/common.bash"

entry() {  # LANG, then the new entry's line
  rm -f "$dir/new.tkm"
  env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL LANG="$1" "$tkm" new "$dir/new.tkm" --today 2026-12-08 --now 15:30:05 \
    || fail "tkm new under $1"
  [ "$(sed -n 2p "$dir/new.tkm")" = "$2"$'\r' ] || fail "$1: $(sed -n 2p "$dir/new.tkm")"
}
entry en_US.UTF-8 '1,12/8/2026,Not Started,"",Normal,12/8/2026,3:30:05 PM,"",0.0,0.00,0,12/8/2026,3:30:05 PM,""'
entry de_DE.UTF-8 '1,08.12.2026,Not Started,"",Normal,08.12.2026,15:30:05,"","0,0","0,00",0,08.12.2026,15:30:05,""'
entry en_GB.UTF-8 '1,08/12/2026,Not Started,"",Normal,08/12/2026,15:30:05,"",0.0,0.00,0,08/12/2026,15:30:05,""'

# One character cannot be both separators.
"$tkm" stats "$dir/new.tkm" --decimal-separator , --thousands-separator , 2>"$dir/err"; [ $? = 2 ] \
  || fail "equal separators accepted"
grep -q -- "--thousands-separator" "$dir/err" || fail "message does not name the option"
LANG=en_US.UTF-8 "$tkm" stats "$dir/new.tkm" --decimal-separator , >/dev/null || fail "a comma decimal in en_US"
echo ok

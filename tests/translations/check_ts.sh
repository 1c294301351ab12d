#!/usr/bin/env bash
# Runs lupdate over the sources into a copy of each .ts file and fails when a
# committed file is not what lupdate writes: a text added, changed or dropped
# without the .ts files regenerated, a text left untranslated, or a translation
# that drops a placeholder or a mnemonic of its text.
#   check_ts.sh LUPDATE SOURCE_LIST INCLUDE_DIR TS_FILE... -- LUPDATE_OPTION...
set -euo pipefail
lupdate=$1
sources=$2
include=$3
shift 3
ts_files=()
while [ "$1" != "--" ]; do ts_files+=("$1"); shift; done
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

stale=0
unfinished=0
for ts in "${ts_files[@]}"; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" "$@" -silent -I "$include" "@$sources" -ts "$copy" >"$scratch/lupdate.log" 2>&1 ||
        { cat "$scratch/lupdate.log"; exit 1; }
    # lupdate's warnings name texts it cannot place, which then go untranslated.
    if [ -s "$scratch/lupdate.log" ]; then cat "$scratch/lupdate.log"; stale=1; fi
    if ! diff -u "$ts" "$copy"; then
        echo "FAIL: $(basename "$ts") is not what lupdate writes from the sources" >&2
        stale=1
    fi
    count=$(grep -c 'type="unfinished"' "$copy" || true)
    echo "$(basename "$ts"): $(grep -c '<source>' "$copy") texts, $count unfinished"
    unfinished=$((unfinished + count))
    # A lost %1 drops a file name from its message; a lost & its keyboard shortcut.
    /usr/bin/python3 - "$ts" <<'PY' || stale=1
import re, sys, xml.etree.ElementTree as ET
bad = 0
for message in ET.parse(sys.argv[1]).getroot().iter('message'):
    source = message.findtext('source') or ''
    translations = [t.text or '' for t in message.iter('translation')] + [f.text or '' for f in message.iter('numerusform')]
    for text in filter(None, translations):
        marks = lambda s: (sorted(re.findall(r'%[0-9n]', s)), s.replace('&&', '').count('&'))
        if marks(text) != marks(source):
            print(f"FAIL: {sys.argv[1]}: {source!r} -> {text!r} keeps other placeholders or mnemonics", file=sys.stderr)
            bad = 1
sys.exit(bad)
PY
done
if [ $stale -ne 0 ]; then
    echo "Regenerate them: cmake --build BUILD --target update_translations" >&2
    exit 1
fi
if [ $unfinished -ne 0 ]; then
    echo "FAIL: $unfinished texts are not translated" >&2
    exit 1
fi
echo "translations: all checks passed"

#!/usr/bin/env bash
# Runs lupdate over the sources into a copy of each .ts file and fails when a
# committed file is not what lupdate writes: a text added, changed or dropped
# without the .ts files regenerated. Texts not yet translated fail with
# --unfinished=fail and are only counted with --unfinished=skip, which ends
# with 77, ctest's "skipped".
#   check_ts.sh --unfinished=fail|skip LUPDATE SOURCE_LIST INCLUDE_DIR TS_FILE... -- LUPDATE_OPTION...
set -euo pipefail
unfinished_mode=${1#--unfinished=}
lupdate=$2
sources=$3
include=$4
shift 4
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
done
if [ $stale -ne 0 ]; then
    echo "Regenerate them: cmake --build BUILD --target update_translations" >&2
    exit 1
fi
if [ $unfinished -ne 0 ]; then
    [ "$unfinished_mode" = fail ] && { echo "FAIL: $unfinished texts are not translated" >&2; exit 1; }
    exit 77
fi
echo "translations: all checks passed"

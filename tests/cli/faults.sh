#!/bin/bash
# Faults met while saving: a full disk, a read-only folder, a hard link. After
# each the document holds one of the versions saved and no stray file is left.
# The kill -9 loop runs 4 rounds; TASKMERE_KILL_ROUNDS=50 runs the long one.
set -u
. "$(dirname "$0")/lib/common.bash"
chmod 755 "$dir"

# A document of about `$2` bytes whose entries read `$3`, as tkm writes it.
make_document() {
    local line
    line=$("$tkm" new - --today 2026-12-08 --now 09:00:00 | tail -n 1 | sed "s/,\"\",/,$3,/")
    { echo "$header"$'\r'; yes "$line" | head -n "$(($2 / ${#line}))"; } > "$1"
}
make_document "$dir/a.tkm" 2000000 first
make_document "$dir/b.tkm" 2000000 second
"$tkm" resave "$dir/a.tkm" "$dir/check.tkm" && cmp -s "$dir/a.tkm" "$dir/check.tkm" || fail "the versions are not as tkm writes them"
rm "$dir/check.tkm"

# Runs tkm in a folder, then checks it holds only the names given.
only_files() {  # only_files FOLDER NAME...
    local folder=$1
    shift
    [ "$(ls -A "$folder" | tr '\n' ' ')" = "$* " ] || fail "$folder holds: $(ls -A "$folder")"
}

# A full disk: a small tmpfs where we may mount one, else a file size limit.
mkdir "$dir/small"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=1m tmpfs "$dir/small" 2> /dev/null; then
    trap 'umount "$dir/small"; chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
    limit=(); reason="No space left on device"
else
    limit=(ulimit -f 1024 ';'); reason="File too large"
fi
make_document "$dir/small.tkm" 300000 small
cp "$dir/small.tkm" "$dir/small/list.tkm"
bash -c "trap '' XFSZ; ${limit[*]} exec \"\$@\"" - "$tkm" resave "$dir/b.tkm" "$dir/small/list.tkm" 2> "$dir/err"
[ $? = 3 ] || fail "a save onto a full disk did not fail"
grep -qF "Cannot write file $dir/small/list.tkm: $reason" "$dir/err" || fail "full disk said: $(cat "$dir/err")"
cmp -s "$dir/small/list.tkm" "$dir/small.tkm" || fail "a full disk damaged the document"
only_files "$dir/small" list.tkm

# Written under a file size limit that the old bytes fit and the new ones do not.
limited() { bash -c "trap '' XFSZ; ulimit -f 1024; exec \"\$@\"" - "$@"; }

# A hard-linked document keeps both names, and a failed write gives the old bytes back.
mkdir "$dir/linked"
cp "$dir/a.tkm" "$dir/linked/list.tkm"
ln "$dir/linked/list.tkm" "$dir/linked/other.tkm"
"$tkm" resave "$dir/small.tkm" "$dir/linked/list.tkm" || fail "resave a hard-linked document"
cmp -s "$dir/linked/other.tkm" "$dir/small.tkm" || fail "the other name kept the old bytes"
limited "$tkm" resave "$dir/b.tkm" "$dir/linked/list.tkm" 2> "$dir/err"
[ $? = 3 ] || fail "a failed in-place write reported success"
grep -qF "Cannot write file $dir/linked/list.tkm: File too large" "$dir/err" || fail "said: $(cat "$dir/err")"
cmp -s "$dir/linked/other.tkm" "$dir/small.tkm" || fail "a failed in-place write lost the old bytes"
only_files "$dir/linked" list.tkm other.tkm

# A writable document in a read-only folder, saved by someone who cannot write there.
as_user=()
[ "$(id -u)" = 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
mkdir "$dir/readonly" "$dir/cache" "$dir/state"
cp "$dir/small.tkm" "$dir/readonly/list.tkm"
chmod 666 "$dir/readonly/list.tkm"
chmod 777 "$dir/cache" "$dir/state"
chmod 555 "$dir/readonly"
export XDG_CACHE_HOME=$dir/cache XDG_STATE_HOME=$dir/state
limited "${as_user[@]}" "$tkm" resave "$dir/b.tkm" "$dir/readonly/list.tkm" 2> /dev/null
cmp -s "$dir/readonly/list.tkm" "$dir/small.tkm" || fail "a failed write in a read-only folder lost the old bytes"
"${as_user[@]}" "$tkm" resave "$dir/b.tkm" "$dir/readonly/list.tkm" 2> "$dir/err" ||
    fail "a writable document in a read-only folder: $(cat "$dir/err")"
cmp -s "$dir/readonly/list.tkm" "$dir/b.tkm" || fail "the read-only folder's document was not written"
only_files "$dir/readonly" list.tkm
[ -z "$(find "$dir/cache" -type f)" ] || fail "the cache keeps $(find "$dir/cache" -type f)"
chmod 755 "$dir/readonly"

# kill -9 in the middle of saves of a large document: one version or the other, never a mix.
mkdir "$dir/killed"
make_document "$dir/big-a.tkm" "${TASKMERE_KILL_SIZE:-100000000}" first
make_document "$dir/big-b.tkm" "${TASKMERE_KILL_SIZE:-100000000}" second
cp "$dir/big-a.tkm" "$dir/killed/list.tkm"
for round in $(seq "${TASKMERE_KILL_ROUNDS:-4}"); do
    source=$dir/big-a.tkm
    [ $((round % 2)) = 0 ] || source=$dir/big-b.tkm
    "$tkm" resave "$source" "$dir/killed/list.tkm" &
    sleep "$((RANDOM % 3)).$((RANDOM % 10))"  # a resave of 100 MB takes about 3 s: reading, then writing
    kill -9 $! 2> /dev/null
    wait $! 2> /dev/null
    cmp -s "$dir/killed/list.tkm" "$dir/big-a.tkm" || cmp -s "$dir/killed/list.tkm" "$dir/big-b.tkm" ||
        fail "kill -9 left a mixed document in round $round"
    only_files "$dir/killed" list.tkm
done
echo ok

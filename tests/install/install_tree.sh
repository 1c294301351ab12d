#!/usr/bin/env bash
# Installs the build into a scratch root and checks what the desktop sees:
# every installed file, the menu entry, the AppStream data, the manual pages,
# the icon sizes, and that a .tkm file is a Taskmere list opened by Taskmere.
#   install_tree.sh BUILD_FOLDER
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

# Every file, and nothing else: a stray or missing file shows in the diff.
expected="usr/bin/taskmere
usr/bin/tkm
usr/share/applications/taskmere.desktop
usr/share/doc/taskmere/changelog.gz
usr/share/doc/taskmere/copyright
usr/share/doc/taskmere/user-guide.html
usr/share/icons/hicolor/scalable/apps/taskmere.svg
usr/share/man/man1/taskmere.1.gz
usr/share/man/man1/tkm.1.gz
usr/share/metainfo/org.example.taskmere.metainfo.xml
usr/share/mime/packages/taskmere.xml
usr/share/taskmere/translations/taskmere_de.qm
usr/share/taskmere/translations/taskmere_fr.qm"
for size in 16 32 48 64 128 256; do expected+=$'\n'"usr/share/icons/hicolor/${size}x${size}/apps/taskmere.png"; done
# The guide's pictures go beside it.
for picture in "$build"/share/doc/taskmere/*.png; do
    expected+=$'\n'"usr/share/doc/taskmere/$(basename "$picture")"
done
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
diff <(sort <<<"$expected") <(echo "$actual") || fail "the installed files differ from the list above"

for picture in $(grep -o 'src="[^"]*"' "$share/doc/taskmere/user-guide.html" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$share/doc/taskmere/$picture" ] || fail "the user guide shows $picture, which is not installed"
done
[ -x "$root/usr/bin/taskmere" ] && [ -x "$root/usr/bin/tkm" ] || fail "the programs are not executable"
"$root/usr/bin/tkm" --help >/dev/null || fail "the installed tkm does not run"

for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/taskmere.png
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not $size pixels square"
done
xmllint --noout "$share/icons/hicolor/scalable/apps/taskmere.svg" || fail "the SVG icon is not well-formed"

desktop-file-validate "$share/applications/taskmere.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=taskmere --open-in-running %F' "$share/applications/taskmere.desktop" ||
    fail "the menu entry does not hand files to the running program"
metainfo=$share/metainfo/org.example.taskmere.metainfo.xml
appstreamcli validate --no-net --explain "$metainfo" >/dev/null ||
    { appstreamcli validate --no-net "$metainfo"; fail "appstreamcli validate"; }

# AppStream takes the screenshot by web address; the picture itself is kept in
# desktop/ under the same name, at the size the metainfo gives.
source_folder=$(cd "$(dirname "$0")/../.." && pwd)
image=$(xmllint --xpath 'string(//screenshot[@type="default"]/image)' "$metainfo")
size=$(xmllint --xpath 'concat(//screenshot[@type="default"]/image/@width, "x", //screenshot[@type="default"]/image/@height)' "$metainfo")
picture=$source_folder/desktop/$(basename "$image")
[ -f "$picture" ] || fail "the metainfo's screenshot $image is not in desktop/"
[ "$(identify -format '%wx%h' "$picture")" = "$size" ] || fail "$picture is not $size as the metainfo says"

for page in taskmere tkm; do
    warnings=$(zcat "$share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# The file type and its handler, as the desktop finds them once the package's
# files are in a data folder of the user's own.
# The system database too, so the file type must win over its text types.
export XDG_DATA_HOME=$scratch/xdg XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_HOME/applications"
cp "$share/mime/packages/taskmere.xml" "$XDG_DATA_HOME/mime/packages/"
cp "$share/applications/taskmere.desktop" "$XDG_DATA_HOME/applications/"
update-mime-database "$XDG_DATA_HOME/mime"
update-desktop-database "$XDG_DATA_HOME/applications"
unset DE XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

header='No,Entry Date,Status,Task Description'
echo "$header" >"$scratch/list.tkm"
echo "$header" >"$scratch/list without extension"
echo 'a,b,c' >"$scratch/renamed.tkm"
for file in list.tkm "list without extension" renamed.tkm; do
    type=$(xdg-mime query filetype "$scratch/$file")
    [ "$type" = application/x-taskmere ] || fail "$file is $type, not application/x-taskmere"
done
echo 'a,b,c' >"$scratch/other.txt"
[ "$(xdg-mime query filetype "$scratch/other.txt")" = text/plain ] || fail "a text file counts as a list"
handler=$(xdg-mime query default application/x-taskmere)
[ "$handler" = taskmere.desktop ] || fail "lists open with '$handler', not taskmere.desktop"
echo "install tree: all checks passed"

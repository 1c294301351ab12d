#!/usr/bin/env bash
# Builds the Debian package from this build (seconds: no compiling) and checks
# what apt reads from it: the Qt libraries it links as dependencies, the
# recommended office and font packages, and the files it installs.
#   package_fields.sh BUILD_FOLDER
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$(ls "$scratch"/taskmere_*.deb)
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = taskmere ] || fail "package name $(field Package)"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6dbus6; do
    grep -q "\b$library\b" <<<"$(field Depends)" || fail "Depends lacks $library: $(field Depends)"
done
[ "$(field Recommends)" = "libreoffice-writer-nogui, libreoffice-calc-nogui, fonts-liberation2, qt6-translations-l10n" ] ||
    fail "Recommends: $(field Recommends)"

contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/taskmere ./usr/bin/tkm ./usr/share/applications/taskmere.desktop \
    ./usr/share/mime/packages/taskmere.xml ./usr/share/doc/taskmere/copyright ./usr/share/doc/taskmere/user-guide.html \
    ./usr/share/taskmere/translations/taskmere_de.qm ./usr/share/taskmere/translations/taskmere_fr.qm; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
# Owned by root, whoever built it.
! grep -v '^[-dlrwx]* root/root ' <<<"$contents" | grep -q . || fail "files not owned by root"
# Stripped: the debugging data of a RelWithDebInfo build stays out of the package.
dpkg-deb -x "$deb" "$scratch/root"
file "$scratch/root/usr/bin/taskmere" | grep -q ', stripped' || fail "taskmere is not stripped"
echo "package fields: all checks passed"

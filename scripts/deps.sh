# Sourced by the other scripts: installs what building and testing need.
TASKMERE_PACKAGES="cmake ninja-build g++ qt6-base-dev zlib1g-dev libgtest-dev xvfb xdotool imagemagick x11-utils fonts-dejavu-core fonts-liberation2 poppler-utils clang libclang-rt-14-dev libreoffice-writer-nogui libreoffice-calc-nogui dbus-daemon python3-dbusmock libxcb1-dev libical-dev python3-icalendar python3-tz python3-pyatspi at-spi2-core todoman pkg-config desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl libxml2-utils groff-base radicale python3-caldav qtkeychain-qt6-dev lintian dpkg-dev fakeroot ccache openssl vdirsyncer qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"

missing_packages() {
    local missing=""
    for p in $TASKMERE_PACKAGES ${EXTRA_PACKAGES:-}; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    echo "$missing"
}

install_dependencies() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q >/dev/null || true
        apt-get install -y -q --no-install-recommends $missing >/dev/null
    else
        echo "Taskmere needs these Debian packages:$missing" >&2
        echo "Install them with: sudo apt-get install$missing" >&2
        return 1
    fi
}

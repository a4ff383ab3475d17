#!/usr/bin/env bash
# Checks that every file of installed-files.txt lands where the desktop looks for it.
#   check-layout.sh install BUILD_DIR   installs into a temporary DESTDIR and validates
#   check-layout.sh deb PACKAGE.deb     lists the package's contents
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mode="$1"
target="$2"
missing=0

case "$mode" in
install)
    root="$(mktemp -d)"
    trap 'rm -rf "$root"' EXIT
    DESTDIR="$root" cmake --install "$target" --prefix /usr >/dev/null
    while read -r path; do
        if [ ! -f "$root/usr/$path" ]; then
            echo "missing after install: /usr/$path"
            missing=1
        fi
    done <"$here/installed-files.txt"
    [ -x "$root/usr/bin/quorvane" ] || { echo "/usr/bin/quorvane is not executable"; missing=1; }
    for png in "$root"/usr/share/icons/hicolor/*x*/apps/*.png; do
        size="$(basename "$(dirname "$(dirname "$png")")")"
        if ! file "$png" | grep -q "${size/x/ x },"; then
            echo "wrong size: $png ($(file -b "$png"))"
            missing=1
        fi
    done
    ((missing == 0)) || exit 1
    # Hints are advice; errors and warnings fail.
    desktop-file-validate --no-hints "$root"/usr/share/applications/*.desktop
    appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
    # The setup type: the database built from the installed XML knows the suffix, and the
    # desktop entry offers the program for it.
    update-mime-database "$root/usr/share/mime"
    grep -q '^application/x-quorvane-setup:\*\.qvset$' "$root/usr/share/mime/globs" ||
        { echo "*.qvset is not registered as application/x-quorvane-setup"; exit 1; }
    grep -q '^MimeType=.*application/x-quorvane-setup;' "$root"/usr/share/applications/*.desktop ||
        { echo "the desktop entry does not open application/x-quorvane-setup"; exit 1; }
    echo "install layout OK"
    ;;
deb)
    contents="$(dpkg-deb --contents "$target" | awk '{print $NF}')"
    while read -r path; do
        if ! grep -qxF "./usr/$path" <<<"$contents"; then
            echo "missing in $(basename "$target"): /usr/$path"
            missing=1
        fi
    done <"$here/installed-files.txt"
    ((missing == 0)) || exit 1
    echo "package contents OK"
    ;;
*)
    echo "usage: $0 install BUILD_DIR | deb PACKAGE.deb" >&2
    exit 2
    ;;
esac

#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks its file list and dependencies.
#   check-deb.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/lexel_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/bin/lexel ./usr/share/lexel/Lexel.lxl ./usr/share/lexel/Lexel_E.rcc \
            ./usr/share/lexel/Lexel_D.rcc ./usr/share/applications/invalid.morvane.Lexel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/invalid.morvane.Lexel.svg \
            ./usr/share/metainfo/invalid.morvane.Lexel.metainfo.xml; do
    grep -qx -- "$file" <<< "$files" || fail "$file is missing from $(basename "$deb")"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libsqlcipher0 qt6-qpa-plugins; do
    grep -q "$package" <<< "$depends" || fail "Depends lacks $package: $depends"
done
echo "package check: $(basename "$deb"): 1 passed, 0 failed"

#!/usr/bin/env bash
# Validates the desktop integration files in dist/: the .desktop entry, the AppStream metainfo
# and the icon, each on its own and together as they are installed.
#
#   scripts/check-desktop-files.sh [DIST_DIR]
#
# Exits 0 when all is well, 1 when a check fails, 2 when a tool is missing. Needs
# desktop-file-validate (package desktop-file-utils), appstreamcli (appstream) and xmllint
# (libxml2-utils); nothing is fetched from the network.
set -uo pipefail

readonly APP_ID=invalid.morvane.Lexel

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dist=${1:-$root/dist}

missing=()
command -v desktop-file-validate >/dev/null 2>&1 || missing+=("desktop-file-validate (package desktop-file-utils)")
command -v appstreamcli >/dev/null 2>&1 || missing+=("appstreamcli (package appstream)")
command -v xmllint >/dev/null 2>&1 || missing+=("xmllint (package libxml2-utils)")
if [ ${#missing[@]} -gt 0 ]; then
    echo "check-desktop-files: missing:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 2
fi

desktop=$dist/$APP_ID.desktop
metainfo=$dist/$APP_ID.metainfo.xml
icon=$dist/$APP_ID.svg

passed=0
failed=0
check() { # NAME COMMAND...: runs the command, shows its output, counts the result
    local name=$1 output status
    shift
    output=$("$@" 2>&1)
    status=$?
    if [ $status -eq 0 ]; then
        passed=$((passed + 1))
        echo "ok   $name"
    else
        failed=$((failed + 1))
        echo "FAIL $name"
    fi
    [ -z "$output" ] || printf '%s\n' "$output" | sed 's/^/     /'
}

for f in "$desktop" "$metainfo" "$icon"; do
    [ -f "$f" ] || {
        echo "FAIL $f is missing"
        failed=$((failed + 1))
    }
done

# desktop-file-validate exits non-zero on errors only; warnings fail here too, hints do not.
desktop_entry() {
    local out
    out=$(desktop-file-validate "$desktop" 2>&1)
    local status=$?
    [ -z "$out" ] || printf '%s\n' "$out"
    [ $status -eq 0 ] && ! grep -q ': \(error\|warning\): ' <<<"$out"
}

# The icon: well-formed SVG that loads nothing from outside and embeds no raster image.
plain_icon() {
    xmllint --noout --nonet "$icon" || return 1
    if grep -Eq 'href="[^#]|url\([^#]|<image' "$icon"; then
        echo "$icon refers to an outside file or embeds an image"
        return 1
    fi
}

# What the files name must agree: Icon= and the launchable are the application id.
consistent() {
    local ok=0
    grep -qx "Icon=$APP_ID" "$desktop" || {
        echo "Icon= in $desktop is not $APP_ID"
        ok=1
    }
    grep -q "<id>$APP_ID</id>" "$metainfo" || {
        echo "<id> in $metainfo is not $APP_ID"
        ok=1
    }
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" || {
        echo "the launchable in $metainfo is not $APP_ID.desktop"
        ok=1
    }
    return $ok
}

# The files laid out as a package installs them, so AppStream checks that they belong together.
installed_tree() {
    local tree status
    tree=$(mktemp -d "${TMPDIR:-/tmp}/lexel-dist.XXXXXX") || return 1
    mkdir -p "$tree/usr/share/applications" "$tree/usr/share/metainfo" \
        "$tree/usr/share/icons/hicolor/scalable/apps"
    cp "$desktop" "$tree/usr/share/applications/"
    cp "$metainfo" "$tree/usr/share/metainfo/"
    cp "$icon" "$tree/usr/share/icons/hicolor/scalable/apps/"
    appstreamcli validate-tree --no-net "$tree"
    status=$?
    rm -rf "$tree"
    return $status
}

if [ $failed -eq 0 ]; then
    check "desktop entry $APP_ID.desktop" desktop_entry
    check "metainfo $APP_ID.metainfo.xml" appstreamcli validate --no-net "$metainfo"
    check "icon $APP_ID.svg" plain_icon
    check "application id" consistent
    check "installed tree" installed_tree
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

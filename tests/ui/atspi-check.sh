#!/usr/bin/env bash
# The main window read through the desktop's accessibility bus (AT-SPI), as a screen reader
# reads it: the letter buttons are buttons with a press action, an evaluated line tells its
# outcome through exactly one object, and the field the focus moves to after Enter carries that
# outcome as its description and says so by an event, on which a screen reader speaks it.
#   atspi-check.sh BUILD_DIR
set -euo pipefail

fail() {
    echo "accessibility bus: $*" >&2
    exit 1
}

if [ "${LEXEL_ATSPI_INSIDE:-}" = 1 ]; then
    cd "$1"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    ./lexel >log 2>&1 &
    game=$!
    trap 'kill $game $bus 2>/dev/null || true' EXIT
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Morvane Lexel$' | head -n 1)
    timeout 5 xdotool windowfocus --sync "$wid"
    /usr/bin/python3 "$2" >found
    exit 0
fi

build=$(realpath "$1")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/lexel" "$work/"
"$build/lexel-maint" create "$root/data" "$work/Lexel.lxl" >/dev/null
printf "PRAGMA key = 'tablet58';\nPRAGMA kdf_iter = 256;\nUPDATE Options SET Value = 'E' WHERE Name = 'Language';\n" |
    sqlcipher "$work/Lexel.lxl" >/dev/null

env -u QT_QPA_PLATFORM -u DISPLAY HOME="$work" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    LEXEL_ATSPI_INSIDE=1 timeout --kill-after=10 120 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    dbus-run-session -- bash "${BASH_SOURCE[0]}" "$work" "$root/tests/ui/atspi_tree.py" \
    >"$work/session.log" 2>&1 || fail "the session failed: $(tail -5 "$work/session.log")"

found=$(cat "$work/found")
letters=$(grep '^letter' <<<"$found" | sort -u)
[ "$letters" = "letter D: push button ['Press']
letter E: push button ['Press']" ] || fail "letter buttons: $found"
[ "$(grep -c '^outcome' <<<"$found")" = 1 ] || fail "line 1 is not one object: $found"
grep -Eq "^outcome: label 'Line 1: [0-3] black, [0-3] white'$" <<<"$found" || fail "$found"
grep -Eq "^focus: 'Line 2, letter 1' 'Line 1: [0-3] black, [0-3] white'$" <<<"$found" ||
    fail "the outcome is not heard at the focus: $found"
grep -Eq "^event: 'Line 2, letter 1' 'Line 1: [0-3] black, [0-3] white'$" <<<"$found" ||
    fail "no event tells the outcome at the focus: $found"
echo "accessibility bus: letter buttons, line outcomes, the outcome heard and its event: 1 passed, 0 failed"

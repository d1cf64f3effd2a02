#!/usr/bin/env bash
# The real program started as a desktop starts it, in a real X server (Xvfb), driven by keys:
# after an unclean end (a lock file left behind) it must start, take input and end cleanly,
# many times over; the signals of a session that ends close it in order; a file moved away or
# damaged during a game is reported, and the game goes on or ends in order.
#   desktop-start.sh BUILD_DIR [STARTS]
set -euo pipefail

readonly TITLE='^Morvane Lexel$'

fail() {
    echo "desktop start: $*" >&2
    exit 1
}

# ---------------------------------------------------------------------------------------------
# Inside Xvfb.
# ---------------------------------------------------------------------------------------------
pid="" wid=""
start_game() {
    (cd "$game" && exec ./lexel) >"$game/log" 2>&1 &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "$TITLE" 2>/dev/null | head -n 1) ||
        fail "no window within 20 s: $(cat "$game/log")"
    timeout 5 xdotool windowfocus --sync "$wid" || fail "could not focus the window"
}

# Waits up to 10 s for the game to end and sets `status` to its exit status, or fails.
wait_end() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || {
            status=0
            wait "$pid" || status=$?
            return
        }
        sleep 0.1
    done
    kill -KILL "$pid"
    fail "the game did not end within 10 s: $1"
}

# Game > Exit opens the quotation window, which Esc closes; the game then ends. A window that
# takes no input never gets there.
open_quotation() {
    xdotool key alt+g
    sleep 0.2
    xdotool key x
    timeout 10 bash -c "until [ \$(xdotool search --onlyvisible --name '$TITLE' | wc -l) -ge 2 ]; do sleep 0.1; done" ||
        fail "Game > Exit showed no quotation: the window takes no input"
}
exit_by_keys() { open_quotation && xdotool key Escape; }

expect_clean_end() {
    [ "$1" = 0 ] || fail "exit status $1: $(cat "$game/log")"
    ! grep -q "main() thread" "$game/log" || fail "$(cat "$game/log")"
    [ ! -e "$game/Lexel.lock" ] || fail "the lock was left behind"
    [ ! -e "$game/Lexel.lxl-journal" ] || fail "the journal was left behind"
}

# Counts a game by evaluating its first line.
play_a_line() {
    xdotool type --delay 50 sea
    xdotool key Return
    sleep 0.5
}

# Runs SQL on the game's file and prints the last line; `stored` reads an Options row.
sql() {
    printf "PRAGMA key = 'tablet58';\nPRAGMA kdf_iter = 256;\n%s\n" "$1" | sqlcipher "$game/Lexel.lxl" | tail -n 1
}
stored() { sql "SELECT Value FROM Options WHERE Name = '$1';"; }

# What the one window the game shows is: "dialog" or "main".
window_type() {
    local wid
    wid=$(timeout 10 xdotool search --sync --onlyvisible --name "$TITLE" 2>/dev/null | tail -n 1) ||
        fail "no window: $(cat "$game/log")"
    if grep -q _DIALOG <<<"$(xprop -id "$wid" _NET_WM_WINDOW_TYPE)"; then echo dialog; else echo main; fi
}

# The first start with a disk that fails as the language is chosen: the player is told and
# plays on; nothing is written, and the end is clean.
first_start_on_a_failing_disk() {
    local flag="$game/failing"
    sql "UPDATE Options SET Value = '' WHERE Name = 'Language';" >/dev/null
    LD_PRELOAD="$failing_writes" LEXEL_FAIL_WRITES_WHILE="$flag" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0" start_game
    touch "$flag"
    xdotool key Return
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the failed first write ended the game: $(cat "$game/log")"
    [ "$(window_type)" = dialog ] || fail "the failed first write was not told"
    rm "$flag"
    xdotool key Return
    sleep 0.5
    [ "$(window_type)" = main ] || fail "no game after the failed first write"
    timeout 5 xdotool search --onlyvisible --name "$TITLE" windowfocus --sync ||
        fail "could not focus the window"
    exit_by_keys
    wait_end "after the failed first write"
    expect_clean_end "$status"
    [ -z "$(stored Language)" ] || fail "a language was stored on a failing disk"
    ! grep -q "terminate called" "$game/log" || fail "$(cat "$game/log")"
    echo "desktop start: the first start on a failing disk: 1 passed, 0 failed"
    cp "$game/fresh.lxl" "$game/Lexel.lxl"
}

inside() {
    cp "$game/Lexel.lxl" "$game/fresh.lxl"
    for i in $(seq "$starts"); do
        printf '999999\nlexel\nvm\n' >"$game/Lexel.lock"
        start_game
        # Read whole first: grep -q would end xprop early, which pipefail counts as failing.
        [ "$i" != 1 ] || grep -q 'Icon (' <<<"$(xprop -id "$wid" _NET_WM_ICON)" ||
            fail "the window has no icon for the desktop"
        exit_by_keys
        wait_end "start $i after a lock was left behind"
        expect_clean_end "$status"
    done
    echo "desktop start: $starts starts after an unclean end: $starts passed, 0 failed"

    # During a game, and with the goodbye quotation up (a modal window): the game ends in order.
    for signal in TERM HUP INT; do
        local played
        played=$(stored GamesPlayed)
        start_game
        play_a_line
        kill -"$signal" "$pid"
        wait_end "SIG$signal"
        expect_clean_end "$status"
        [ "$(stored GamesPlayed)" = $((played + 1)) ] || fail "SIG$signal: the counted game was lost"
        start_game
        open_quotation
        kill -"$signal" "$pid"
        wait_end "SIG$signal with the quotation up"
        expect_clean_end "$status"
    done
    echo "desktop start: SIGTERM, SIGHUP and SIGINT in a game and at the quotation: 6 passed, 0 failed"

    first_start_on_a_failing_disk

    # The X server goes away under a game (a display that is lost): Qt ends the program, which
    # lets its files go as a close does. The game runs on a server of its own for this.
    local own_display played
    played=$(stored GamesPlayed)
    Xvfb -displayfd 5 -screen 0 1280x1024x24 5>"$game/display" 2>/dev/null &
    local server=$!
    timeout 10 bash -c "until [ -s '$game/display' ]; do sleep 0.1; done" || fail "no second X server"
    own_display=:$(cat "$game/display")
    DISPLAY=$own_display start_game
    DISPLAY=$own_display play_a_line
    kill "$server"
    wait_end "the X server went away"
    [ "$status" = 1 ] || fail "losing the X server ended with status $status"
    [ ! -e "$game/Lexel.lock" ] || fail "the lock was left behind when the X server went away"
    [ ! -e "$game/Lexel.lxl-journal" ] || fail "the journal was left behind when the X server went away"
    [ "$(stored GamesPlayed)" = $((played + 1)) ] || fail "the game was not counted"
    echo "desktop start: the X server lost during a game: 1 passed, 0 failed"

    # Renamed away while the game runs: the count of the game is refused and said, the file
    # under its new name stays as it was, and a signal still ends the game without a question.
    start_game
    mv "$game/Lexel.lxl" "$game/away.lxl"
    local away
    away=$(md5sum <"$game/away.lxl")
    play_a_line
    [ "$(xdotool search --onlyvisible --name "$TITLE" | wc -l)" -ge 2 ] ||
        fail "writing to a file moved away went unreported: $(cat "$game/log")"
    [ -z "${LEXEL_DESKTOP_SHOTS:-}" ] || import -window root "$LEXEL_DESKTOP_SHOTS/moved.png"
    xdotool key Return
    kill -TERM "$pid"
    wait_end "SIGTERM after the file was moved away"
    [ "$status" = 0 ] || fail "a game whose file moved ended with status $status"
    [ "$(md5sum <"$game/away.lxl")" = "$away" ] || fail "the moved file was written to"
    mv "$game/away.lxl" "$game/Lexel.lxl"
    echo "desktop start: a file moved away during a game: 1 passed, 0 failed"

    # Cut short while the game runs; the first line whose words are not in memory reads the
    # damage. The message is the second window.
    start_game
    truncate -s 8192 "$game/Lexel.lxl"
    local word reported=""
    for word in sea tin rod cat bear lion plane; do
        xdotool type --delay 30 "$word"
        xdotool key Return
        sleep 0.5
        if [ "$(xdotool search --onlyvisible --name "$TITLE" | wc -l)" -ge 2 ]; then
            reported=$word
            break
        fi
    done
    [ -n "$reported" ] || fail "a damaged file went unreported: $(cat "$game/log")"
    [ -z "${LEXEL_DESKTOP_SHOTS:-}" ] || import -window root "$LEXEL_DESKTOP_SHOTS/damaged.png"
    xdotool key Return
    wait_end "after the file was damaged"
    [ "$status" = 1 ] || fail "a damaged file ended with status $status: $(cat "$game/log")"
    grep -q "database disk image is malformed" "$game/log" || fail "$(cat "$game/log")"
    [ ! -e "$game/Lexel.lock" ] || fail "the lock was left behind after the damaged file"
    echo "desktop start: a file damaged during a game: 1 passed, 0 failed"
    cp "$game/fresh.lxl" "$game/Lexel.lxl"
}

if [ "${LEXEL_DESKTOP_INSIDE:-}" = 1 ]; then
    game=$1 starts=$2 failing_writes=$3
    inside
    exit 0
fi

# ---------------------------------------------------------------------------------------------
# Outside: a copy of the game with an English database of its own, then Xvfb.
# ---------------------------------------------------------------------------------------------
build=$(realpath "$1")
starts=${2:-15}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/game" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/lexel" "$build"/Lexel_?.rcc "$work/game/"
"$build/lexel-maint" create "$root/data" "$work/game/Lexel.lxl" >/dev/null
game=$work/game
sql "UPDATE Options SET Value = 'E' WHERE Name = 'Language';" >/dev/null

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 LEXEL_DESKTOP_INSIDE=1 \
    timeout --kill-after=10 300 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    bash "${BASH_SOURCE[0]}" "$work/game" "$starts" "$build/lexel-failing-writes.so"

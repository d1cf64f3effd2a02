#!/usr/bin/env bash
# Takes a screenshot of the game window for the software centre listing: docs/screenshot.png.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT]
#
# BUILD_DIR defaults to build/ in the source tree and must hold a built lexel and lexel-maint.
# The game runs from a copy in a temporary directory with a fresh English database, under its
# own Xvfb server, so neither the build's Lexel.lxl nor the desktop is touched. Three guess
# lines are typed so that the board shows evaluated lines, dots and used letters; the window is
# then captured and the game ended. Needs: xvfb-run and xauth (packages xvfb, xauth), xdotool,
# import and compare (imagemagick), sqlcipher. The script checks for them and installs nothing.
set -euo pipefail

# Real three-letter words, typed into lines 1 to 3.
readonly GUESSES=(sea tin rod)
readonly SCREEN="1280x1024x24"
readonly TITLE='^Morvane Lexel$'
readonly TOTAL_SECONDS=120 # for the whole run under Xvfb
readonly WINDOW_SECONDS=30 # for the game's window to appear

say() { echo "screenshot: $*" >&2; }
die() {
    say "$*"
    exit 1
}

# ---------------------------------------------------------------------------------------------
# Inside Xvfb: start the game, type, capture, end it.
# ---------------------------------------------------------------------------------------------
inside() {
    local dir=$1 out=$2
    pid="" # the game and its main window, global for the exit trap
    wid=""

    end_game() {
        [ -n "$pid" ] || return 0
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
    }
    trap end_game EXIT

    # Visible windows with a title other than the game's main window, one "id title" a line.
    other_windows() {
        local w
        for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            [ "$w" = "$wid" ] || echo "$w $(xdotool getwindowname "$w" 2>/dev/null)"
        done
    }

    (cd "$dir/game" && exec ./lexel) >"$dir/game.log" 2>&1 &
    pid=$!

    for _ in $(seq 1 $((WINDOW_SECONDS * 5))); do
        kill -0 "$pid" 2>/dev/null || {
            cat "$dir/game.log" >&2
            die "the game ended before showing its window"
        }
        wid=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        sleep 0.2
    done
    if [ -z "$wid" ]; then
        say "visible windows: $(other_windows | tr '\n' ';')"
        die "no window titled 'Morvane Lexel' appeared within ${WINDOW_SECONDS}s"
    fi
    sleep 1 # the first paint

    # Without a window manager the keyboard goes where the X input focus is, or else to the
    # window under the pointer: give the window the focus, or click into the first field.
    timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null ||
        timeout 5 xdotool windowactivate --sync "$wid" 2>/dev/null || true
    if [ "$(xdotool getwindowfocus 2>/dev/null || true)" != "$wid" ]; then
        say "could not focus the window; clicking into the first field instead"
        xdotool mousemove --window "$wid" 30 140 click 1 2>/dev/null || true
        sleep 0.3
    fi

    import -window "$wid" "$dir/before.png"

    local word dialogs
    for word in "${GUESSES[@]}"; do
        xdotool type --delay 80 "$word"
        sleep 0.2
        xdotool key Return
        sleep 0.8
        dialogs=$(other_windows)
        if [ -n "$dialogs" ]; then
            import -window root "$dir/dialog.png" 2>/dev/null || true
            die "the game answered '$word' with a dialog: $dialogs"
        fi
    done
    sleep 1 # the last dots and the used letters

    import -window "$wid" "$dir/shot.png" ||
        { xwd -silent -id "$wid" | convert xwd:- "png:$dir/shot.png"; } ||
        die "could not capture window $wid"

    # The caret blinks and the clock may tick; typed lines change far more than that.
    local changed
    changed=$(compare -metric AE "$dir/before.png" "$dir/shot.png" null: 2>&1 |
        awk '{ printf "%d", $1 }' || true)
    if ! [[ $changed =~ ^[0-9]+$ ]] || [ "$changed" -lt 1000 ]; then
        die "the board hardly changed ($changed pixels): the typing did not reach the game"
    fi

    end_game
    cp "$dir/shot.png" "$out"
}

if [ "${LEXEL_SCREENSHOT_INSIDE:-}" = 1 ]; then
    inside "$@"
    exit 0
fi

# ---------------------------------------------------------------------------------------------
# Outside: check, prepare a copy of the game, run it under Xvfb.
# ---------------------------------------------------------------------------------------------
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
output=${2:-$root/docs/screenshot.png}

missing=()
need() { command -v "$1" >/dev/null 2>&1 || missing+=("$1 (package $2)"); }
need xvfb-run xvfb
need xauth xauth
need xdotool xdotool
need import imagemagick
need compare imagemagick
need sqlcipher sqlcipher
need timeout coreutils
if [ ${#missing[@]} -gt 0 ]; then
    say "missing:"
    printf '  %s\n' "${missing[@]}" >&2
    say "install with: apt-get install xvfb xauth xdotool imagemagick sqlcipher"
    exit 2
fi

[ -d "$build" ] || die "no build directory $build"
build=$(cd "$build" && pwd)
for f in lexel lexel-maint; do
    [ -x "$build/$f" ] || die "$build/$f is missing: build the game first"
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lexel-screenshot.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/game" "$tmp/home" "$tmp/runtime"
chmod 700 "$tmp/runtime"

cp "$build/lexel" "$tmp/game/"
for f in Lexel_E.rcc Lexel_D.rcc; do
    [ -f "$build/$f" ] && cp "$build/$f" "$tmp/game/"
done
"$build/lexel-maint" create "$root/data" "$tmp/game/Lexel.lxl" >"$tmp/maint.log" 2>&1 ||
    {
        cat "$tmp/maint.log" >&2
        die "lexel-maint could not create the database"
    }
language=$(printf "PRAGMA key = 'tablet58';\nPRAGMA kdf_iter = 256;\nUPDATE Options SET Value = 'E' WHERE Name = 'Language';\nSELECT Value FROM Options WHERE Name = 'Language';\n" |
    sqlcipher "$tmp/game/Lexel.lxl" 2>&1 | tail -n 1)
[ "$language" = E ] || die "could not set the language in the copied database: $language"

# A clean, English environment of its own: the game may only see the copy.
status=0
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY \
    HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share" \
    XDG_CACHE_HOME="$tmp/home/.cache" XDG_RUNTIME_DIR="$tmp/runtime" \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb LEXEL_SCREENSHOT_INSIDE=1 \
    timeout --kill-after=10 "$TOTAL_SECONDS" \
    xvfb-run -a -e "$tmp/xvfb.log" -s "-screen 0 $SCREEN -noreset" \
    bash "${BASH_SOURCE[0]}" "$tmp" "$tmp/result.png" || status=$?

if [ "$status" -ne 0 ] || [ ! -s "$tmp/result.png" ]; then
    [ "$status" -eq 124 ] && say "timed out after ${TOTAL_SECONDS}s"
    [ -s "$tmp/xvfb.log" ] && sed 's/^/xvfb: /' "$tmp/xvfb.log" >&2
    [ -s "$tmp/game.log" ] && sed 's/^/game: /' "$tmp/game.log" >&2
    die "failed (status $status)"
fi

mkdir -p "$(dirname "$output")"
cp "$tmp/result.png" "$output.new"
mv "$output.new" "$output"
say "wrote $output ($(identify -format '%wx%h' "$output" 2>/dev/null || echo '?'))"

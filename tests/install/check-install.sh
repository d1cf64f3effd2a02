#!/usr/bin/env bash
# Installs into a temporary prefix and starts the game from there with an empty data directory:
# the player's file is made from the installed word lists, the first start waits in the language
# window, a second start finds the file, and nothing is written under the prefix. An upgrade's
# lists reaching the player's file: GameFilesTest.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
data=$work/home/.local/share
export XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen

fail() { echo "install check: $*" >&2; exit 1; }
snapshot() { (cd "$prefix" && find . -type f -exec sha256sum {} + | sort); }

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in games/lexel share/lexel/words/raw6.txt share/lexel/quotes.tsv \
            share/lexel/Lexel_E.rcc share/lexel/Lexel_D.rcc \
            share/doc/lexel/copyright share/doc/lexel/changelog.gz share/man/man6/lexel.6.gz; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
[ ! -e "$prefix/bin" ] || fail "something was installed into bin/ beside games/lexel"
before=$(snapshot)

# Still running after a while: waiting for the player in the first-run language window.
start() { timeout 3 "$prefix/games/lexel" > /dev/null 2>&1 && return 0 || return $?; }
status=0; start || status=$?
[ "$status" -eq 124 ] || fail "the first start ended with status $status"
copy=$data/Morvane/Lexel/Lexel.lxl
[ -f "$copy" ] || fail "the player's file was not made at $copy"

query() { printf "PRAGMA key = 'tablet58';\nPRAGMA kdf_iter = 256;\n%s\n" "$1" | sqlcipher "$copy" | tail -n 1; }
query "UPDATE Options SET Value = 'E' WHERE Name = 'Language';" > /dev/null
status=0; start || status=$?
[ "$status" -eq 124 ] || fail "the second start ended with status $status"
language=$(query "SELECT Value FROM Options WHERE Name = 'Language';")
[ "$language" = "E" ] || fail "the second start replaced the player's file (Language '$language')"

[ "$(snapshot)" = "$before" ] || fail "the game wrote under the installation prefix"

echo "install check: 1 passed, 0 failed"

#!/usr/bin/env bash
# Checks the packages that scripts/build-package.sh built: the game's file list and
# dependencies, the changelog's version, Debian's hardening in the program, a -dbgsym package
# whose debug file answers to the program's build id, and lintian's verdict on the source and
# binary packages.
#   check-deb.sh PACKAGE_DIR
set -euo pipefail
dir=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

deb=$(ls "$dir"/lexel_*.deb)
dbgsym=$(ls "$dir"/lexel-dbgsym_*.deb 2>/dev/null) || fail "no -dbgsym package"
changes=$(ls "$dir"/lexel_*.changes)
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/games/lexel ./usr/share/lexel/Lexel_E.rcc ./usr/share/lexel/Lexel_D.rcc \
            ./usr/share/lexel/quotes.tsv ./usr/share/lexel/words/raw3.txt \
            ./usr/share/lexel/words/raw4.txt ./usr/share/lexel/words/raw5.txt \
            ./usr/share/lexel/words/raw6.txt ./usr/share/lexel/words/except.txt \
            ./usr/share/applications/invalid.morvane.Lexel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/invalid.morvane.Lexel.svg \
            ./usr/share/metainfo/invalid.morvane.Lexel.metainfo.xml \
            ./usr/share/doc/lexel/copyright ./usr/share/doc/lexel/changelog.gz \
            ./usr/share/man/man6/lexel.6.gz; do
    grep -qx -- "$file" <<< "$files" || fail "$file is missing from $(basename "$deb")"
done
# Each player's file is made from the lists; an encrypted template would differ in every build.
if grep -q '\.lxl$' <<< "$files"; then
    fail "$(basename "$deb") ships a Lexel file"
fi
# Debian keeps games out of /usr/bin; a copy left there would be a second, stale program.
if grep -q '^\./usr/bin/' <<< "$files"; then
    fail "$(basename "$deb") still installs into /usr/bin"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libsqlcipher0 qt6-qpa-plugins; do
    grep -q "$package" <<< "$depends" || fail "Depends lacks $package: $depends"
done

# The changelog is kept by hand: its newest entry must name the version being packaged.
dpkg-deb -x "$deb" "$work/root"
gzip -dc "$work/root/usr/share/doc/lexel/changelog.gz" > "$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
version=$(dpkg-deb -f "$deb" Version)
[ "$logged" = "$version" ] || fail "the changelog's newest entry is $logged, the package $version"
said=$("$work/root/usr/games/lexel" --version)
[ "$said" = "Morvane Lexel $version" ] || fail "lexel --version says '$said', the package is $version"

# Stack protector, fortified calls, read-only relocations bound at start, position independence.
# Not control-flow protection: Debian 12's C runtime objects lack it, so no program has it there.
hardening-check --nocfprotection "$work/root/usr/games/lexel" > "$work/hardening.log" 2>&1 ||
    { cat "$work/hardening.log" >&2; fail "the program lacks Debian's hardening"; }

# The debug file of the -dbgsym package is found by the build id the crash report names.
id=$(readelf -n "$work/root/usr/games/lexel" | sed -n 's/.*Build ID: //p')
[ -n "$id" ] || fail "the program has no build id"
debug_files=$(dpkg-deb -c "$dbgsym")
grep -q "/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug$" <<< "$debug_files" ||
    fail "$(basename "$dbgsym") has no debug file for build id $id"

# Errors and warnings fail the check unless accepted here by tag name, each with its reason on
# the line above. Info tags are shown but pass.
accepted=(
    # A package of the project's own, not an upload to Debian: there is no bug to close.
    initial-upload-closes-no-bugs
)
suppress=$(IFS=,; echo "${accepted[*]}")
lintian --fail-on none --display-info ${suppress:+--suppress-tags "$suppress"} "$changes" \
    > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian did not run"; }
grep '^I: ' "$work/lintian.log" || true
if grep -E '^[EW]: ' "$work/lintian.log" >&2; then
    fail "lintian reports the errors or warnings above"
fi
echo "package check: $(basename "$deb") and $(basename "$dbgsym"): 1 passed, 0 failed"

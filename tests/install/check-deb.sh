#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks its file list, dependencies, changelog
# and lintian's verdict.
#   check-deb.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/lexel_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for file in ./usr/games/lexel ./usr/share/lexel/Lexel.lxl ./usr/share/lexel/Lexel_E.rcc \
            ./usr/share/lexel/Lexel_D.rcc ./usr/share/applications/invalid.morvane.Lexel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/invalid.morvane.Lexel.svg \
            ./usr/share/metainfo/invalid.morvane.Lexel.metainfo.xml \
            ./usr/share/doc/lexel/copyright ./usr/share/doc/lexel/changelog.gz \
            ./usr/share/man/man6/lexel.6.gz; do
    grep -qx -- "$file" <<< "$files" || fail "$file is missing from $(basename "$deb")"
done
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

# Errors and warnings fail the check unless accepted here by tag name, each with its reason on
# the line above; none is needed today. Info tags are shown but pass: they name hardening flags
# and a .comment section that strip keeps, neither a fault of the package.
accepted=()
suppress=$(IFS=,; echo "${accepted[*]}")
lintian --fail-on none --display-info ${suppress:+--suppress-tags "$suppress"} "$deb" \
    > "$work/lintian.log" 2>&1 || { cat "$work/lintian.log" >&2; fail "lintian did not run"; }
grep '^I: ' "$work/lintian.log" || true
if grep -E '^[EW]: ' "$work/lintian.log" >&2; then
    fail "lintian reports the errors or warnings above"
fi
echo "package check: $(basename "$deb"): 1 passed, 0 failed"

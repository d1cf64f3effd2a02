#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Lexel.
# Idempotent and quick when everything is present: apt is only asked when a package is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
    libfontconfig-dev locales
    at-spi2-core dbus python3-pyatspi
    libsqlcipher-dev sqlcipher
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format clang libclang-rt-14-dev xvfb xauth xdotool x11-utils imagemagick
    desktop-file-utils appstream libxml2-utils lintian
    # make package: Debian's package build, and hardening-check for its result
    debhelper devscripts
    # data/make-word-lists: SCOWL's word lists and the fortune files (it brings its
    # frequency counts itself, with npm)
    scowl fortunes fortunes-min
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"

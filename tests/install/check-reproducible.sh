#!/usr/bin/env bash
# Builds the Debian packages twice with scripts/build-package.sh, in two folders, and compares
# them byte for byte: the same source is to give the same packages. The tests are left out of
# both builds (nocheck); they do not go into the packages.
#   check-reproducible.sh OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=$(realpath -m "$1")
for run in first second; do
    DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" "$root/scripts/build-package.sh" "$out/$run"
done
status=0
for deb in "$out"/first/*.deb; do
    name=$(basename "$deb")
    if cmp -s "$deb" "$out/second/$name"; then
        echo "reproducible: $name ($(stat -c %s "$deb") bytes, sha256 $(sha256sum < "$deb" | cut -c1-16))"
    else
        echo "reproducible: $name differs between the two builds" >&2
        status=1
    fi
done
exit "$status"

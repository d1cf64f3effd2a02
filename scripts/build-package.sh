#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with dpkg-buildpackage, as Debian
# builds them, in a copy of the source tree under OUT_DIR (dpkg-buildpackage writes beside the
# tree it builds), then checks them with tests/install/check-deb.sh.
#   build-package.sh OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "$1")
rm -rf "$out"
mkdir -p "$out/lexel"
# The files git knows or would take, as they are in the work tree; no build folder.
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf -) | tar -xf - -C "$out/lexel"
echo "Building the Debian packages in $out (log: $out/build.log)"
(cd "$out/lexel" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1 || {
    tail -n 60 "$out/build.log" >&2
    echo "dpkg-buildpackage failed" >&2
    exit 1
}
"$root/tests/install/check-deb.sh" "$out"

#!/usr/bin/env bash
# Builds the Debian package and has lintian check it: no error and no
# warning, beside the tags the package overrides with its reasons. The info
# and pedantic tags are shown, not counted. Skipped without lintian.
set -euo pipefail
build=$1
command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
deb=$(echo "$out"/ambermox_*.deb)

# The libraries live in a private folder: nothing for ldconfig to do.
dpkg-deb -e "$deb" "$out/control"
if grep -rl ldconfig "$out/control"; then
    echo "the package runs ldconfig"
    exit 1
fi

# Not --show-overrides: lintian 2.116 then counts the overridden tags too.
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "lintian: no error, no warning"

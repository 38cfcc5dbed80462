#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed program
# there: it must find its libraries and data in the installed places.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
for f in bin/ambermox bin/ambermox-gui lib/ambermox/libamxzip.so lib/ambermox/libamxunz.so lib/ambermox/ROVURA.DAT \
    share/ambermox/help/index.html "share/ambermox/Visit Ambermox's Home Page.url" \
    share/applications/ambermox.desktop share/metainfo/org.example.ambermox.metainfo.xml \
    share/icons/hicolor/scalable/apps/ambermox.svg share/icons/hicolor/48x48/apps/ambermox.png \
    share/man/man1/ambermox.1.gz share/man/man1/ambermox-gui.1.gz \
    share/doc/ambermox/copyright share/doc/ambermox/changelog.gz share/lintian/overrides/ambermox; do
    [[ -e $root/$f ]] || { echo "not installed: $f"; exit 1; }
done
# The test build's fault seam (AMX_FAULT) is never in what is installed.
for f in lib/ambermox/libamxzip.so lib/ambermox/libamxunz.so lib/ambermox/ROVURA.DAT; do
    if grep -q -a AMX_FAULT "$root/$f" || { nm "$root/$f" 2>/dev/null | grep -q amx_fault; }; then
        echo "$f holds the fault seam"
        exit 1
    fi
done
# man reads the installed pages: each names its program and lists its commands.
for page in ambermox ambermox-gui; do
    text=$(MANWIDTH=80 man -l "$root/share/man/man1/$page.1.gz" 2>&1 | col -b)
    grep -q "^NAME" <<<"$text" && grep -q "^ *$page --version" <<<"$text" \
        || { echo "manual page $page:"; echo "$text"; exit 1; }
done
desktop-file-validate "$root/share/applications/ambermox.desktop"

work=$dest/work
mkdir -p "$work/src/a" "$work/src/b"
echo first >"$work/src/a/readme.txt"
echo second >"$work/src/b/readme.txt"
(cd "$work" && zip -q -r t.zip src && rm -r src)
export XDG_DATA_HOME=$dest/data XDG_CONFIG_HOME=$dest/config
listing=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/ambermox" -l "$work/t.zip")
[[ $(grep -c readme.txt <<<"$listing") == 2 ]] || { echo "listing: $listing"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/ambermox" -e "$work/t.zip"
[[ $(cat "$work/src/b/readme.txt") == second ]]
echo "installed program lists and extracts"

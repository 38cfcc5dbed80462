#!/usr/bin/env bash
# Installs what building, running and testing need, when it is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ gcc-multilib g++-multilib pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6svg6
    # translations: lupdate, lrelease and their CMake functions; Qt's own texts
    qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libdeflate-dev zlib1g-dev libssl-dev libarchive-dev
    # detects the code page of legacy member names
    libuchardet-dev
    # the self-extractor stub: a small static program
    musl-tools
    # run: icons, mime types, a display for screenshots
    adwaita-icon-theme shared-mime-info xvfb xauth xdotool imagemagick
    # checks the written desktop entries
    desktop-file-utils
    # checks the Debian package and its manual pages
    lintian man-db bsdextrautils
    # peers the tests and benchmarks compare with
    zip unzip 7zip p7zip-full libarchive-tools python3 fastjar time
    zstd xz-utils lz4 bzip2 xorriso
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Builds the extraction and directory reader fuzzers with clang's libFuzzer and
# AddressSanitizer:
#   fuzz/build.sh [out-dir]; then: out-dir/unz_fuzzer -max_total_time=60 corpus/
#   and out-dir/dir_fuzzer -max_total_time=60 corpus/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build-fuzz}
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I"$root" -I"$root/libs")
clang++ "${flags[@]}" -o "$out/unz_fuzzer" "$root/fuzz/unz_fuzzer.cpp" \
    "$root"/libs/amxunz/{UnzExec,Extractor,SafePath}.cpp \
    "$root"/libs/common/{ZipError,ZipFormat,ArchiveReader,Reporter,Wildcard,FileUtil,Codec}.cpp \
    "$root/engine/NameCodec.cpp" -ldeflate -lz -lpthread
clang++ "${flags[@]}" -o "$out/dir_fuzzer" "$root/fuzz/dir_fuzzer.cpp" \
    "$root"/engine/{ZipDirReader,ZipEngine,NameCodec}.cpp
# A seed corpus made by the peers.
corpus="$out/corpus"
mkdir -p "$corpus"
if [[ ! -f "$corpus/seed1.zip" ]]; then
    tmp=$(mktemp -d)
    echo hello > "$tmp/a.txt"; mkdir "$tmp/d"; head -c 70000 /dev/urandom > "$tmp/d/b.bin"
    (cd "$tmp" && zip -q -r "$corpus/seed1.zip" . && zip -q -0 "$corpus/seed2.zip" a.txt \
        && bsdtar --format zip -cf "$corpus/seed3.zip" .)
    rm -rf "$tmp"
fi
echo "built $out/unz_fuzzer and $out/dir_fuzzer; run: $out/unz_fuzzer -max_total_time=60 $corpus"

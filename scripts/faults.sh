#!/usr/bin/env bash
# The fault campaign: the two libraries and the self-extractor stub built again
# with the fault seam (build-faults; nothing else is built there), driven by the
# command line of the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${AMX_BUILD_DIR:-build}
if [[ ! -f build-faults/build.ninja ]]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build-faults -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMX_FAULTS=ON \
        -DAMX_TEST_SCOPE=core "${launcher[@]}" >/dev/null
fi
cmake --build build-faults --parallel "$(nproc)" --target amxzip amxunz amx_sfxstub
python3 tests/faults/fault_campaign.py build-faults/bin --program "$build/bin/ambermox"

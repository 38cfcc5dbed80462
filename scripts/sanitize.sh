#!/usr/bin/env bash
# Builds the libraries, the engine, the command line and the self-extractor
# stub again under the sanitizers and runs their tests there; a finding ends
# the run. build-asan: AddressSanitizer and UndefinedBehaviorSanitizer, with
# the fault seam compiled in, so the fault campaign runs there too.
# build-tsan: ThreadSanitizer over the libraries' parallel inflate and deflate
# and the pipeline tests. The window's tests stay in the plain build: on the
# 2 cores of the CI machine the whole suite twice more would not fit its time.
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

configure() { # folder, cmake options...
    local build=$1
    shift
    [[ -f "$build/build.ninja" ]] && return 0
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMX_TEST_SCOPE=core \
        "${launcher[@]}" "$@" >/dev/null
}

asan_targets=(ambermox amxzip amxunz amx_sfxstub
    RoundTripTest PeerArchiveTest OptionsTest HostileArchiveTest DataSafetyTest CallbackTest
    LibUnitTest CryptoTest ZipDirReaderTest ZipOperationsTest ScriptVerbsTest SfxTest)
tsan_targets=(amxzip amxunz LibUnitTest RoundTripTest DataSafetyTest)

configure build-asan -DAMX_SANITIZE=address,undefined -DAMX_FAULTS=ON
nice -n 10 cmake --build build-asan --parallel "$(nproc)" --target "${asan_targets[@]}"
configure build-tsan -DAMX_SANITIZE=thread
nice -n 10 cmake --build build-tsan --parallel "$(nproc)" --target "${tsan_targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Leaks count; the suppressions name the few one-off allocations of system
# libraries that are not ours to free.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
status=0
(cd build-asan && ctest --output-on-failure --parallel "$(nproc)" --timeout 900 -LE slow) || status=1
(cd build-tsan && ctest --output-on-failure --parallel "$(nproc)" --timeout 900 -L tsan) || status=1
exit "$status"

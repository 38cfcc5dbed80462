#!/usr/bin/env bash
# Builds the program again under the sanitizers and runs its tests there; a
# finding ends the run.
# build-asan: AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer over the whole suite, with the fault seam
# compiled in so that the fault campaign runs there, sanitized.
# AMX_SANITIZE_SCOPE=core leaves out the window's tests, for a quicker run.
# build-tsan: ThreadSanitizer over the libraries' parallel inflate and
# deflate and the worker pipeline, which need no Qt: Qt is not built with
# ThreadSanitizer, so the window's code stays out of that build.
# Both are built cheaply (-O1, line tables only, only what the tests use) and
# with a low priority: the machine is shared. The tests of the installation
# and the package stay in the plain build.
#   scripts/sanitize.sh [asan|tsan]...    (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
here=$(pwd)
jobs=${AMX_SANITIZE_JOBS:-$(nproc)}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

configure() { # folder, cmake options...
    local build=$1
    shift
    # Again each time: a changed scope changes the tests there.
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
}

# The tests list themselves while they are built, so the options hold for
# the build too. Leaks count; the suppressions name the few one-off
# allocations of system libraries that are not ours to free.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:strict_string_checks=0"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

asan() {
    configure build-asan -DAMX_SANITIZE=address,undefined -DAMX_FAULTS=ON \
        -DAMX_TEST_SCOPE="${AMX_SANITIZE_SCOPE:-all}"
    nice -n 10 cmake --build build-asan --parallel "$jobs"
    (cd build-asan && nice -n 10 ctest --output-on-failure --parallel "$jobs" --timeout 900 \
        -LE "slow|package")
}

# The command line is the second writer of the lock tests.
tsan_targets=(amxzip amxunz ambermox LibUnitTest RoundTripTest DataSafetyTest pinflate_replay
    OperationFeedTest)
tsan() {
    configure build-tsan -DAMX_SANITIZE=thread -DAMX_TEST_SCOPE=core
    nice -n 10 cmake --build build-tsan --parallel "$jobs" --target "${tsan_targets[@]}"
    (cd build-tsan && nice -n 10 ctest --output-on-failure --parallel "$jobs" --timeout 900 \
        -L tsan -LE slow)
}

status=0
for run in "${@:-asan tsan}"; do
    for one in $run; do
        case $one in
        asan) asan || status=1 ;;
        tsan) tsan || status=1 ;;
        *)
            echo "sanitize.sh: unknown run '$one' (asan or tsan)" >&2
            exit 2
            ;;
        esac
    done
done
exit "$status"

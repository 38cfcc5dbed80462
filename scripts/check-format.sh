#!/usr/bin/env bash
# Fails when a C or C++ file of the project is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed: formatting not checked"
    exit 0
fi
bad=$(git ls-files -z -- '*.c' '*.cpp' '*.h' ':!tests/data/*' \
    | xargs -0 -n 20 -P "$(nproc)" sh -c \
        'for f; do clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"; done' sh)
if [[ -n "$bad" ]]; then
    echo "$bad" | sort | sed 's/^/not formatted: /'
    echo "run: clang-format -i FILE"
    exit 1
fi
echo "formatting: ok"

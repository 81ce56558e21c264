#!/usr/bin/env bash
# Sets up, builds and runs every test, headless.
# Usage: scripts/test.sh [--sanitize]
#   --sanitize  builds in build-sanitize/ with AddressSanitizer and UBSan and
#               runs the same tests there; any report fails the test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
sanitize=0
case "${1:-}" in
    "") ;;
    --sanitize) sanitize=1; build=$root/build-sanitize ;;
    *) echo "Usage: $0 [--sanitize]" >&2; exit 2 ;;
esac
"$root/scripts/setup.sh" "$build"
if [ $sanitize -eq 1 ]; then
    cmake "$build" -DTEZMARO_SANITIZE=ON >/dev/null
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
fi
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure

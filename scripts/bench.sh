#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: each figure is printed
# against its floor from the same run, then the results table that
# docs/performance.md keeps. Timing figures need a quiet machine; the load
# is printed before and after.
# Usage: scripts/bench.sh [open|tick|timer|idle|startup]...   (all when none)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TEZMARO_BENCH_BUILD:-$root/build-bench}
"$root/scripts/setup.sh" "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tezmaro-bench

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"$build/bench/tezmaro-bench" "$@" || status=$?
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status

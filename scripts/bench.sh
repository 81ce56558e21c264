#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: each figure is printed
# against its floor from the same run, then the results table that
# docs/performance.md keeps. Timing figures need a quiet machine; the load
# is printed before and after.
# Usage: scripts/bench.sh [open|tick|round|timer|idle|startup|chronicle]...   (all when none)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TEZMARO_BENCH_BUILD:-$root/build-bench}
"$root/scripts/setup.sh" "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tezmaro-bench tezmaro

# The benchmarks open reports: the recent list they leave is not the user's.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"$build/bench/tezmaro-bench" "$@" || status=$?

# The program itself, waiting for the user: not one system call in 5 s.
if command -v strace >/dev/null && { [ $# -eq 0 ] || [[ " $* " == *" idle "* ]]; }; then
    trace=$(mktemp)
    QT_QPA_PLATFORM=offscreen "$build/programa/tezmaro" >/dev/null 2>&1 &
    pid=$!
    sleep 2
    traced=0
    timeout -s INT 5 strace -c -f -p "$pid" -o "$trace" 2>/dev/null || traced=$?
    kill "$pid" 2>/dev/null || true
    # timeout ends strace with 124; anything else means it could not attach.
    if [ "$traced" -eq 124 ]; then
        calls=$(awk '$NF == "total" { print $4 }' "$trace")
        echo "Live program before opening a match, strace -c over 5 s: ${calls:-0} system calls"
    else
        echo "Live program check skipped: strace could not attach"
    fi
    rm -f "$trace"
fi
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status

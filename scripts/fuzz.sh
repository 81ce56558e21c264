#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers) and runs each for the given time, one after the other.
# Usage: scripts/fuzz.sh <target|all> <seconds>
# Targets: textfilereader teamsline lineupcapture playback settings statspages match
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
all=(textfilereader teamsline lineupcapture playback settings statspages match)

if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
    echo "Usage: $0 <target|all> <seconds>   (targets: ${all[*]})" >&2
    exit 2
fi
if [ "$1" = all ]; then
    targets=("${all[@]}")
else
    [[ " ${all[*]} " == *" $1 "* ]] || { echo "Unknown target: $1 (targets: ${all[*]})" >&2; exit 2; }
    targets=("$1")
fi
seconds=$2

# Qt and the build tools, then clang with its fuzzer and sanitizer runtimes.
"$root/scripts/setup.sh" "$root/build"
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them as root, then run this again:"
        echo "  apt-get update && apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTEZMARO_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

failed=()
for t in "${targets[@]}"; do
    # The corpus the run grows stays in the build folder; the committed seeds
    # and the sample files are only read.
    corpus=$build/corpus/$t
    mkdir -p "$corpus" "$build/artifacts"
    seeds=("$root/fuzz/corpus/$t")
    case $t in
        settings) seeds+=("$root/tests/core/settings/data"); dict=settings ;;
        playback) dict=playback ;;
        *) seeds+=("$root/ejemplos"); dict=report ;;
    esac
    log=$build/fuzz-$t.log
    echo "== $t: $seconds s, log in $log"
    status=0
    "$build/fuzz/fuzz_$t" "$corpus" "${seeds[@]}" -dict="$root/fuzz/dict/$dict.dict" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t-" >"$log" 2>&1 || status=$?
    grep -E "^Done [0-9]+ runs|stat::number_of_executed_units|ERROR:|SUMMARY:|invariant broken" "$log" || true
    if [ $status -ne 0 ]; then
        echo "== $t FAILED (exit $status); the input is in $build/artifacts/"
        failed+=("$t")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]}"
    exit 1
fi
echo "No findings."

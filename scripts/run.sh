#!/usr/bin/env bash
# Sets up, builds and launches Tezmaro.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/scripts/setup.sh" "$build"
cmake --build "$build" -j"$(nproc)" --target tezmaro
exec "$build/programa/tezmaro" "$@"

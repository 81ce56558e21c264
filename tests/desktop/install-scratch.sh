#!/usr/bin/env bash
# Installs the build afresh into PREFIX (staged under STAGE when given, as a
# package build does), leaving the build's install manifest as it was: it may
# list a real install that someone means to remove later.
# Usage: install-scratch.sh BUILD PREFIX [STAGE]
set -euo pipefail
build=$1 prefix=$2 stage=${3:-}

manifest=$build/install_manifest.txt
saved=
if [ -f "$manifest" ]; then
    saved=$(mktemp)
    cp "$manifest" "$saved"
fi
restore() { if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi; }
trap restore EXIT

if [ -n "$stage" ]; then
    rm -rf "$stage"
    DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
else
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null
fi

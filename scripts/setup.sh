#!/usr/bin/env bash
# Installs the Debian packages Tezmaro needs to build, run and test, then
# configures the build. Usage: scripts/setup.sh [build-dir]
set -euo pipefail

# The second line: sound, speech and notifications (Debian 12's
# qt6-speech-dev needs qt6-declarative-dev for its CMake files without
# depending on it); no speech engine, so the tests run as on a machine
# without one. The fourth: validating the installed launcher, and the
# end-to-end test, which drives the program in Xvfb through the accessibility
# bus. The last: building the Debian package (cpack finds its dependencies
# with dpkg-shlibdeps and file) and checking it with lintian.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins
          qt6-multimedia-dev qt6-speech-dev qt6-declarative-dev
          libgl-dev fonts-dejavu-core xvfb xauth
          desktop-file-utils appstream dbus-daemon at-spi2-core python3-pyatspi
          dpkg-dev file lintian)

missing=()
for p in "${packages[@]}"; do
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

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

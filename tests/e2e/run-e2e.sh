#!/usr/bin/env bash
# Runs the end-to-end test in an X server and a D-Bus session of its own, with
# the accessibility bus the test reads the windows through.
# Usage: run-e2e.sh DESKTOP_FILE
# Exits 77 (skipped) when the tools it needs are not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus-daemon)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: the end-to-end test needs: apt-get install ${missing[*]}"
    exit 77
fi

# Xvfb picks a free display and names it once it accepts connections. Without
# -noreset it would restart whenever its last client leaves, refusing the
# program that connects just then.
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 200); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$scratch/display" ]; then
    echo "FAIL: Xvfb did not start"
    cat "$scratch/xvfb.log"
    exit 1
fi
export DISPLAY=:$(head -n1 "$scratch/display")
export TEZMARO_E2E_SCREENSHOT=${TEZMARO_E2E_SCREENSHOT:-$PWD/e2e-failure.png}
# The session bus's own complaints (it may not raise its file limit) are noise here.
dbus-run-session -- /usr/bin/python3 "$here/e2e_match.py" "$1" 2> >(grep -v '^dbus-daemon\[' >&2)

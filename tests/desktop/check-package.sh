#!/usr/bin/env bash
# Builds the Debian package of a build with cpack in a scratch folder and
# checks it: the program folder, the launcher, the icon, the metainfo, the
# licence and the changelog inside, dependencies found from the libraries the
# program links, and no lintian error when lintian is installed. Leaves the
# build's install manifest as it was. Exits 77 (skipped) without dpkg-deb.
# Usage: check-package.sh CPACK BUILD APP_ID
set -euo pipefail
cpack=$1 build=$2 app_id=$3

for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: building the package needs $tool: apt-get install dpkg-dev"
        exit 77
    fi
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

scratch=$(mktemp -d)
manifest=$build/install_manifest.txt
[ -f "$manifest" ] && cp "$manifest" "$scratch/manifest"
restore() {
    if [ -f "$scratch/manifest" ]; then mv "$scratch/manifest" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$scratch"
}
trap restore EXIT

if ! (cd "$build" && "$cpack" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1); then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
deb=$(ls "$scratch"/out/*.deb)
# Each entry's path, and a link's target after " -> ".
contents=$(dpkg-deb --contents "$deb" | awk '{ out = $6; for (i = 7; i <= NF; i++) out = out " " $i; print out }')
has() { grep -qxF "$1" <<<"$contents"; }

check "program in its folder" has "./usr/lib/tezmaro/tezmaro"
for folder in escudos ejemplos fondos; do
    check "$folder/ in the program folder" grep -q "^\./usr/lib/tezmaro/$folder/." <<<"$contents"
done
check "the user guide in the program folder" has "./usr/lib/tezmaro/docs/guia.html"
check "bin/ link" has "./usr/bin/tezmaro -> ../lib/tezmaro/tezmaro"
check "launcher" has "./usr/share/applications/$app_id.desktop"
check "icon" has "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
check "metainfo" has "./usr/share/metainfo/$app_id.metainfo.xml"
check "licence" has "./usr/share/doc/tezmaro/copyright"
check "changelog" has "./usr/share/doc/tezmaro/changelog.gz"
check "manual page" has "./usr/share/man/man1/tezmaro.1.gz"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6svg6 libqt6multimedia6 libqt6texttospeech6 libqt6dbus6 libc6 fonts-dejavu-core; do
    check "depends on $library" grep -q "\b$library\b" <<<"$depends"
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/"$app_id".desktop >"$scratch/desktop"
check "launcher names the installed program" grep -qxF "Exec=/usr/bin/tezmaro %F" "$scratch/desktop"

if command -v lintian >/dev/null; then
    # Root is told that lintian should not run as root; that is no finding.
    check "lintian finds no error" lintian --fail-on error "$deb" 2> >(grep -v 'root privileges' >&2)
else
    echo "lintian not installed (package lintian): package not checked by it"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Package $(basename "$deb") is in order."

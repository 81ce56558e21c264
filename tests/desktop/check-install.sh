#!/usr/bin/env bash
# Checks an installed Tezmaro: the program folder, the bin/ link, and a launcher
# whose desktop file, icon and metainfo agree on the application id; validates
# the desktop file and the metainfo with the freedesktop tools when they are
# installed. Also stages a package install (DESTDIR) and checks its launcher
# names the final prefix. Usage: check-install.sh BUILD PREFIX APP_ID
set -euo pipefail
build=$1 prefix=$2 app_id=$3
here=$(cd "$(dirname "$0")" && pwd)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; "$@" || fail "$what"; }

program=$prefix/lib/tezmaro
desktop=$prefix/share/applications/$app_id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

check "executable in the program folder" test -x "$program/tezmaro"
for folder in escudos ejemplos fondos; do
    check "$folder/ in the program folder" test -n "$(ls -A "$program/$folder" 2>/dev/null)"
done
check "the user guide in the program folder" test -s "$program/docs/guia.html"
check "bin/tezmaro is a link" test -L "$prefix/bin/tezmaro"
check "bin/tezmaro leads to the program folder's executable" \
    test "$(readlink -f "$prefix/bin/tezmaro")" = "$(readlink -f "$program/tezmaro")"
# A relative link keeps working when the whole prefix is moved or staged.
check "bin/tezmaro is a relative link" test "$(readlink "$prefix/bin/tezmaro")" = ../lib/tezmaro/tezmaro
for file in "$desktop" "$icon" "$metainfo"; do
    check "$file installed" test -s "$file"
done

# The prefix of this test has a blank in it, so the Exec line must be quoted.
check "Exec names the installed link and takes files" grep -qxF "Exec=\"$prefix/bin/tezmaro\" %F" "$desktop"
# "Abrir con" offers it for text files; nothing makes it their default program.
check "the launcher takes plain text" grep -qxF "MimeType=text/plain;" "$desktop"
check "no default program set" test -z "$(find "$prefix" -name '*mimeapps.list')"
check "Icon is the application id" grep -qxF "Icon=$app_id" "$desktop"
check "metainfo id is the application id" grep -qF "<id>$app_id</id>" "$metainfo"
check "metainfo launches the desktop file" \
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "icon is SVG" grep -q "<svg" "$icon"

if command -v desktop-file-validate >/dev/null; then
    check "desktop-file-validate" desktop-file-validate "$desktop"
else
    echo "desktop-file-validate not installed (package desktop-file-utils): desktop file not validated"
fi
if command -v appstreamcli >/dev/null; then
    check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
    # The whole tree: the metainfo's launchable must name a desktop file that is there.
    check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"
elif command -v appstream-util >/dev/null; then
    check "appstream-util validate-relax" appstream-util validate-relax --nonet "$metainfo"
else
    echo "appstreamcli not installed (package appstream): metainfo not validated"
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
"$here/install-scratch.sh" "$build" /usr "$stage/root"
check "staged install puts the program under the prefix" test -x "$stage/root/usr/lib/tezmaro/tezmaro"
check "staged launcher names the final prefix" \
    grep -qxF "Exec=/usr/bin/tezmaro %F" "$stage/root/usr/share/applications/$app_id.desktop"
check "staged link is relative" test "$(readlink "$stage/root/usr/bin/tezmaro")" = ../lib/tezmaro/tezmaro

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Program folder and launcher in $prefix are in order."

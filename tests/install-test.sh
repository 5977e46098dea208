#!/bin/bash
# Installs the build into a temporary prefix, validates the desktop entry and the
# AppStream file, and starts the installed program until its main window appears.
# Usage: with-x-server.sh install-test.sh BUILD-FOLDER
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-prefix.XXXXXX")
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$prefix"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
. "$(dirname "$0")/x-helpers.sh"

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
for file in bin/vandrel share/vandrel/TimeBonus.wav \
            share/applications/org.vandrel.Vandrel.desktop \
            share/metainfo/org.vandrel.Vandrel.metainfo.xml \
            share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/org.vandrel.Vandrel.png; do
    [ -f "$prefix/usr/$file" ] || fail "not installed: $file"
done
desktop-file-validate "$prefix/usr/share/applications/org.vandrel.Vandrel.desktop"
appstreamcli validate --no-net --explain "$prefix/usr/share/metainfo/org.vandrel.Vandrel.metainfo.xml"

# Away from the build tree, with settings of its own.
export XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=xcb
cd /
"$prefix/usr/bin/vandrel" >"$prefix/run.log" 2>&1 &
pid=$!
wait_window 'Vandrel!' >/dev/null || { cat "$prefix/run.log"; fail "the installed program showed no main window"; }
kill -0 "$pid" || fail "the installed program ended"
echo "install: all checks passed"

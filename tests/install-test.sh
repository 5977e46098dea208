#!/bin/bash
# Installs the build into a temporary prefix, validates the desktop entry and the
# AppStream file, and starts the installed program until its main window appears,
# silent and with music.
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

module=$(find "$prefix/usr/lib" -name libvandrel_sound.so)
[ -n "$module" ] || fail "the sound module is not installed"

# Away from the build tree, with settings of its own. A silent game never loads
# the sound module; music loads the installed one.
export XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Vandrel"
cd /
for sound in 2 0; do
    printf '[Initial]\nSound=%s\nMusicPath=%s\nSpeed=0\n' "$sound" \
        "$prefix/usr/share/vandrel/TimeBonus.wav" >"$XDG_CONFIG_HOME/Vandrel/Vandrel.conf"
    "$prefix/usr/bin/vandrel" >"$prefix/run.log" 2>&1 &
    pid=$!
    wait_window 'Vandrel!' >/dev/null || { cat "$prefix/run.log"; fail "the installed program showed no main window"; }
    kill -0 "$pid" || fail "the installed program ended"
    loaded=no
    grep -q libvandrel_sound "/proc/$pid/maps" && loaded=yes
    case "$sound:$loaded" in
        2:yes) fail "a silent game loaded the sound module" ;;
        0:no) cat "$prefix/run.log"; fail "music did not load the installed sound module" ;;
        0:yes) grep -q "$module" "/proc/$pid/maps" || fail "a sound module from elsewhere was loaded" ;;
    esac
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
pid=""
echo "install: all checks passed"

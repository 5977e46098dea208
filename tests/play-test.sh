#!/bin/bash
# The README's command to play, tools/play, ends by starting the game: its main
# window appears. Run from the plain build's suite, after that build, so the
# script finds nothing to install or build.
# Usage: with-x-server.sh play-test.sh SOURCE-FOLDER
set -euo pipefail
source=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-play.XXXXXX")
pid=""
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "$0")/x-helpers.sh"

XDG_CONFIG_HOME="$work" QT_QPA_PLATFORM=xcb "$source/tools/play" >"$work/play.log" 2>&1 &
pid=$!
# The script first checks the packages and the build: allow for both.
for _ in 1 2 3 4; do
    wait_window 'Vandrel!' >/dev/null && { echo "play: the game started"; exit 0; }
    kill -0 "$pid" 2>/dev/null || break
done
cat "$work/play.log" >&2
echo "FAIL: tools/play did not start the game" >&2
exit 1

#!/bin/sh
# Runs a command with DISPLAY set to a private X server (Xvfb) of its own, which
# goes when the command ends. Xvfb picks a free display number itself, so that
# several of these can run at once.
set -eu
dir=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-xvfb.XXXXXX")
# -noreset: by default X resets when its last client leaves, and a program that
# connects during the reset fails to start.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" >"$dir/log" 2>&1 &
server=$!
cleanup() { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$dir"; }
trap cleanup EXIT INT TERM
tries=0
until [ -s "$dir/display" ] && DISPLAY=":$(cat "$dir/display")" xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "Xvfb did not start:" >&2; cat "$dir/log" >&2; exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(cat "$dir/display")"
export DISPLAY
"$@"

#!/bin/sh
# Runs a command with DISPLAY set to a private X server (Xvfb) of its own, which
# goes when the command ends.
set -eu
display=""
for n in $(seq 90 150); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
log=$(mktemp "${TMPDIR:-/tmp}/vandrel-xvfb.XXXXXX")
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
server=$!
cleanup() { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$log"; }
trap cleanup EXIT INT TERM
export DISPLAY="$display"
tries=0
until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "Xvfb did not start:" >&2; cat "$log" >&2; exit 1
    fi
    sleep 0.1
done
"$@"

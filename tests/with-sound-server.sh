#!/bin/sh
# Runs a command against a private PulseAudio server with a null sink, so that
# sound can be played and recorded on a machine with no sound card, and without
# touching the user's own sound server. The server goes when the command ends.
set -eu
base=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-sound.XXXXXX")
mkdir -p "$base/run"
chmod 700 "$base/run"
HOME="$base" XDG_RUNTIME_DIR="$base/run" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --disable-shm=yes \
    --load="module-null-sink sink_name=testsink" \
    --load="module-native-protocol-unix socket=$base/native auth-anonymous=1" \
    >"$base/server.log" 2>&1 &
server=$!
cleanup() { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$base"; }
trap cleanup EXIT INT TERM

export PULSE_SERVER="unix:$base/native"
# Tests that stop and restart the server find its folder here.
export VANDREL_SOUND_SERVER_DIR="$base"
tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "the private sound server did not start:" >&2
        cat "$base/server.log" >&2
        exit 1
    fi
    sleep 0.1
done
pactl set-default-sink testsink
"$@"

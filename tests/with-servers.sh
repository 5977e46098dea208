#!/bin/sh
# Runs a command with a private X server (Xvfb), a private headless Wayland
# compositor (Weston) and a private PulseAudio server whose null sink "testsink" can
# be recorded, so that the real program can be shown, played and heard on a machine
# with no screen and no sound card, without touching the user's own servers. All go
# when the command ends. DISPLAY and PULSE_SERVER name two of them; a program is
# to run on the compositor with WAYLAND_DISPLAY=$TEST_WAYLAND_DISPLAY, since Qt
# would take Wayland for everything if WAYLAND_DISPLAY were set.
set -eu
dir=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-servers.XXXXXX")
mkdir -m 700 "$dir/run"
pids=""
cleanup() { for pid in $pids; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done; rm -rf "$dir"; }
trap cleanup EXIT INT TERM
# -noreset: otherwise X resets when its last client leaves, and a program that
# connects meanwhile fails to start. Xvfb picks a free display itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" >"$dir/x.log" 2>&1 &
pids="$pids $!"
XDG_RUNTIME_DIR="$dir/run" weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
    >"$dir/weston.log" 2>&1 &
pids="$pids $!"
HOME="$dir" XDG_RUNTIME_DIR="$dir/run" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
    --load="module-null-sink sink_name=testsink" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/pulse.log" 2>&1 &
pids="$pids $!"
export PULSE_SERVER="unix:$dir/native"
up() { [ -s "$dir/display" ] && DISPLAY=":$(cat "$dir/display")" xdpyinfo >/dev/null 2>&1 &&
       [ -S "$dir/run/wayland-test" ] && pactl info >/dev/null 2>&1; }
for _ in $(seq 150); do up && break; sleep 0.1; done
up || { echo "the private servers did not start:" >&2; cat "$dir/x.log" "$dir/weston.log" "$dir/pulse.log" >&2; exit 1; }
pactl set-default-sink testsink
DISPLAY=":$(cat "$dir/display")" XDG_RUNTIME_DIR="$dir/run" TEST_WAYLAND_DISPLAY=wayland-test
export DISPLAY XDG_RUNTIME_DIR TEST_WAYLAND_DISPLAY
"$@"

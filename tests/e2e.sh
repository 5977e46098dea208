#!/bin/bash
# Plays the real program end to end, on the private X server of with-x-server.sh
# and the private sound server of with-sound-server.sh, with a settings folder of
# its own. Usage: with-sound-server.sh with-x-server.sh e2e.sh PATH-TO-vandrel
set -euo pipefail
program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-e2e.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

export XDG_CONFIG_HOME="$work/config"
export QT_QPA_PLATFORM=xcb

. "$(dirname "$0")/x-helpers.sh"
# Focus a window (there is no window manager to do it) and type keys into it.
keys_to() { local id; id=$(wait_window "$1") || fail "no window '$1'"; shift
            xdotool windowfocus --sync "$id"; xdotool key --delay 80 "$@"; }
# The colour of one pixel of a window, as "r,g,b".
pixel() { import -window "$1" "$work/shot.png" 2>/dev/null
          convert "$work/shot.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

step "first run: splash, then the main window"
"$program" >"$work/run1.log" 2>&1 &
pid=$!; pids+=($pid)
for _ in $(seq 100); do splash_up && break; sleep 0.05; done
splash_up || fail "the splash window never appeared"
[ -z "$(xdotool search --onlyvisible --name '^Vandrel!$' 2>/dev/null || true)" ] \
    || fail "the main window came before the splash went"
main=$(wait_window 'Vandrel!') || fail "the main window never appeared"
for _ in $(seq 50); do splash_up || break; sleep 0.1; done
splash_up && fail "the splash window stayed after the main window"

step "the settings hold the first-run values"
conf="$XDG_CONFIG_HOME/Vandrel/Vandrel.conf"
[ -f "$conf" ] || fail "no settings file at $conf"
for line in 'Sound=1' 'Speed=100' 'Time=30'; do
    grep -qx "$line" "$conf" || fail "$conf lacks $line: $(cat "$conf")"
done

step "Pause shows PAUSED, another key hides it"
# A corner of the PAUSED banner: the road at (16, 16) below the menu bar, its
# 2-pixel frame, the banner at (24, 168) inside it.
menu_bar=$(( $(xwininfo -id "$main" | awk '/Height:/ {print $2}') - 453 ))
banner_x=$(( 16 + 2 + 24 + 2 ))
banner_y=$(( menu_bar + 16 + 2 + 168 + 2 ))
xdotool windowfocus --sync "$main"
xdotool key Pause
sleep 0.3
[ "$(pixel "$main" "$banner_x" "$banner_y")" = "64,64,64" ] || fail "no PAUSED banner after Pause"
xdotool key Left
sleep 0.3
[ "$(pixel "$main" "$banner_x" "$banner_y")" != "64,64,64" ] || fail "PAUSED still shown after a key"

step "Set Time 0.1 through the menu, then Game Over and No"
xdotool windowfocus --sync "$main"
xdotool key alt+g
sleep 0.3
xdotool key t
keys_to 'Set Time' ctrl+a 0 period 1 Return
keys_to 'New Game' Return
grep -qx 'Time=0.1' "$conf" || fail "Set Time did not store 0.1: $(cat "$conf")"
keys_to 'Game Over' Return      # "Time Over!!" and the distance
sleep 0.3
keys_to 'Game Over' n           # "Play Again?" No
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after No"
wait "$pid" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

step "music mode: the looping music is heard"
python3 - "$work/loop.wav" <<'PY'
import math, struct, sys, wave
rate = 44100
frames = [int(12000 * math.sin(2 * math.pi * 330 * n / rate)) for n in range(int(rate * 0.4))]
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1); out.setsampwidth(2); out.setframerate(rate)
    out.writeframes(struct.pack("<%dh" % len(frames), *frames))
PY
printf '[Initial]\nSound=0\nMusicPath=%s\nSpeed=100\nTime=30\n' "$work/loop.wav" >"$conf"
"$program" >"$work/run2.log" 2>&1 &
pid=$!; pids+=($pid)
wait_window 'Vandrel!' >/dev/null || fail "the main window never appeared"
parec --latency-msec=20 -d testsink.monitor --raw --format=s16le --rate=44100 --channels=2 \
    >"$work/capture.raw" &
recorder=$!; pids+=($recorder)
sleep 2
kill "$recorder"
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/capture.raw" -n stat 2>&1 |
      awk '/RMS +amplitude/ {print $3}')
awk -v rms="$rms" 'BEGIN { exit !(rms > 0.05) }' || fail "no music heard (RMS $rms)"
kill "$pid"
echo "e2e: all steps passed"

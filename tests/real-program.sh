#!/bin/bash
# The real program as a player gets it: the Debian package is built from the build
# tree, unpacked, its desktop entry and metadata validated, and the unpacked
# program played on the private X and sound servers of with-servers.sh (splash,
# first-run settings, pause, Set Time, Game Over, No; music heard), then started
# as a native Wayland client under a headless compositor.
# With VANDREL_TEST_UNPACKAGED set (tools/mutate sets it), the build tree is
# installed instead and the package's checks are left out: a fault in the code
# cannot change them, and they would rebuild the whole tree for every fault.
# Usage: with-servers.sh real-program.sh BUILD-DIR
set -euo pipefail
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-real.XXXXXX")
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }
# In the sanitizer build, leaks are checked when the program ends, with whole
# stacks, so that the one leak that is not the program's can be named: Qt's bus
# thread, which its accessibility bridge starts with the first window, is now and
# then left behind at the end (about 1 run in 30). The leak check alone, without
# AddressSanitizer (the mutation tree's), reads its own options.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0"

if [ -n "${VANDREL_TEST_UNPACKAGED:-}" ]; then
    step "installed from the build tree, not packaged"
    cmake --install "$build" --prefix "$work/root/usr" >/dev/null
    usr="$work/root/usr"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
else
    step "package: built, checked by lintian, unpacked, validated"
    # A package names its maintainer; this one is the test's own.
    (umask 077; cd "$build" && cpack -G DEB -B "$work/package" -D CPACK_PACKAGE_CONTACT="Vandrel tests <tests@vandrel.invalid>" \
        >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
    deb=$(ls "$work"/package/vandrel_*.deb)
    lintian --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
        { cat "$work/lintian.log"; fail "lintian found errors or warnings"; }
    depends=$(dpkg-deb -f "$deb" Depends)
    for need in libsndfile1 libqt6widgets6 fonts-urw-base35; do
        [[ $depends == *"$need"* ]] || fail "Depends lacks $need: $depends"
    done
    dpkg-deb -x "$deb" "$work/root"  # built under umask 077: folders and members for all to read; a description as written
    ! dpkg-deb -c "$deb" | grep -v -E '^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x) ' && ! ar tv "$deb" | grep -v '^rw-r--r-- ' &&
        [[ $(dpkg-deb -f "$deb" Description) != *";"* ]] || fail "modes or description"
    # dpkg's rule: a file its size in KiB rounded up, anything else 1 KiB
    size=$(find "$work/root" -printf '%y %s\n' | awk '{ kib += $1 == "f" ? int(($2 + 1023) / 1024) : 1 } END { print kib }')
    [ "$(dpkg-deb -f "$deb" Installed-Size)" = "$size" ] || fail "Installed-Size $(dpkg-deb -f "$deb" Installed-Size), not $size"
    usr="$work/root/usr"
    # The program, its sound and its module are played below; the icon is not.
    [ -f "$usr/share/icons/hicolor/256x256/apps/org.vandrel.Vandrel.png" ] || fail "the package lacks its icon"
    desktop-file-validate "$usr/share/applications/org.vandrel.Vandrel.desktop"
    metainfo=$usr/share/metainfo/org.vandrel.Vandrel.metainfo.xml
    said=$(appstreamcli validate --strict --no-net "$metainfo" 2>&1) || fail "AppStream: $said"
    [ "$(grep -c '^[A-Z]: ' <<<"$said")" = 0 ] || fail "AppStream has something to say: $said"
    "$(dirname "$0")/../tools/check-metainfo" "$metainfo" "$(dirname "$0")/../docs/screenshots" "$usr/share/icons/hicolor" ||
        fail "the metadata falls short of the software centres' guidelines"
    [ -z "$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -l "$usr/share/man/man6/vandrel.6.gz" 2>&1 >/dev/null)" ] ||
        fail "the manual page has warnings"
    version=$(dpkg-deb -f "$deb" Version)
fi

step "command line: --version, --help, an unknown option, the language"
program="$usr/games/vandrel"
# Each run must end on its own: a program that took a bad argument would play on.
briefly() { timeout 20 "$program" "$@"; }
printed=$(QT_QPA_PLATFORM=offscreen briefly --version)
[ "$printed" = "Vandrel $version" ] || fail "--version printed: $printed"
help=$(env -u DISPLAY "$program" --help)
[[ $help == *"A car game"*"--version"* ]] || fail "--help printed: $help"
refused() {  # status 1 and the message, the program's arguments after it; no display needed
    local status=0; DISPLAY= QT_QPA_PLATFORM=${on:-xcb} briefly "${@:2}" 2>"$work/bad.log" || status=$?
    [ "$status" = 1 ] && grep -q "$1" "$work/bad.log" || fail "${*:2}: status $status, $(cat "$work/bad.log")"; }
refused "Unknown option 'bogus'" -style fusion --bogus
refused "unexpected argument 'stray'" -style fusion stray
on=offscreen refused "Unknown option 'nograb'" -nograb  # an option of X11's alone, off X11
# Every option of Qt's is taken before Qt starts, with a value or without as Qt takes it:
# Qt then fails for want of the display named.
taken=$(DISPLAY= QT_QPA_PLATFORM=xcb briefly -reverse -platformpluginpath /p -widgetcount -platformtheme t -nograb \
    -plugin p -dograb -qwindowgeometry 9x9 -qwindowicon i -qwindowtitle t -session s -style fusion -stylesheet s \
    -display :97 -geometry 9x9 -name n -title t -visual v -qmljsdebugger port:9 -reverse 2>&1 || true)
[[ $taken == *"could not connect to display :97"* ]] || fail "Qt's options were not all taken: $taken"
# The language comes from the locale, English included when it comes first.
(unset LC_ALL LC_MESSAGES; LANG=de_DE.UTF-8 refused "unerwartetes Argument" stray)
[[ $(LANGUAGE=en_GB:de briefly --help) == *"A car game"* ]] || fail "--help is not in English for en_GB:de"
for language in de fr es; do [[ $(LANGUAGE=$language briefly --help) != *Displays* ]] || fail "--help is partly English in $language"; done
[[ $(LANGUAGE=fr briefly --help) == *"Utilisation"*"jeu de voiture"* ]] || fail "--help is not in French"

export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
conf="$XDG_CONFIG_HOME/Vandrel/Vandrel.conf"
. "$(dirname "$0")/../tools/wait-window.sh"
keys_to() { local id; id=$(wait_window "$1") || fail "no window '$1'"; shift
            xdotool windowfocus --sync "$id"; xdotool key --delay 80 "$@"; }
no_gl_driver() {  # the game draws with the processor: no OpenGL driver in the process
    local drivers; drivers=$(grep -o -E '[^/]*(_dri\.so|libEGL_mesa[^ ]*|libGLX_mesa[^ ]*)$' "/proc/$1/maps" | sort -u || true)
    [ -z "$drivers" ] || fail "an OpenGL driver is loaded on $2: $drivers"; }
within() { for _ in $(seq "$1"); do eval "$2" && return 0; sleep 0.1; done; return 1; }  # tenths of a second
ends() {  # up to 10 s for the program to end by itself, with status 0; what it printed if not
    within 100 "! kill -0 $1 2>/dev/null" || { tail -n 40 "$2"; fail "the program did not end $3"; }
    wait "$1" || { local status=$?; tail -n 40 "$2"; fail "the program ended with status $status $3"; }; }
car_x() {  # the middle of the black of the player's car in $main, in the rows where it drives
    import -window "$main" "$work/car.png"
    local h; h=$(identify -format %h "$work/car.png")
    convert "$work/car.png" -crop "200x32+18+$((h - 83))" +repage txt:- |
        awk -F'[,:]' '/#000000/ { s += $1; n++ } END { print n ? int(s / n) : -1 }'; }
paused() {  # the banner's grey over a thousand pixels at least, not a few of a text's edge
    import -window "$main" "$work/paused.png"
    [ "$(convert "$work/paused.png" -fill black +opaque '#404040' -fill white -opaque '#404040' -format '%[fx:int(mean*w*h)]' info:)" -gt 1000 ]; }
splash_up() {  # a window closing while X lists them fails the listing: list again
    local tree; until tree=$(xwininfo -root -children 2>/dev/null); do sleep 0.05; done; grep -q ' 407x310+' <<<"$tree"; }

step "splash, then the main window and the first-run settings"
"$program" >"$work/run1.log" 2>&1 &
pid=$!; pids+=($pid)
within 100 splash_up || fail "no splash"
xprop -id "$(xwininfo -root -children | awk '/ 407x310\+/ { print $1 }')" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the splash has no icon"
main=$(wait_window 'Vandrel!') || fail "no main window"
within 50 "! splash_up" || fail "the splash stayed"
[ "$(grep -c -x -e 'Sound=1' -e 'Speed=100' -e 'Time=30' "$conf")" = 3 ] || fail "settings: $(cat "$conf")"
xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "the window has no icon"
no_gl_driver "$pid" X11
# A running game looks for a pad, and loads SDL only for one (none here, unless the joystick driver has one).
grep -q 'Handlers=.*js' /proc/bus/input/devices || ! grep -q libSDL2 "/proc/$pid/maps" || fail "SDL loaded with no gamepad"
! readelf -d "$program" "$usr"/lib/*/vandrel/*.so | grep -E 'R(UN)?PATH' || fail "RUNPATH in an installed file"

step "Pause shows PAUSED; Set Time 0.1, Game Over, the game in the best distances, No ends the program"
xdotool windowfocus --sync "$main"; xdotool key Pause; sleep 0.3
paused || fail "no PAUSED banner"
xdotool key Left alt+g; sleep 0.3; xdotool key t
box=$(wait_window 'Set Time') || fail "no Set Time box"
[[ $(xprop -id "$box" WM_TRANSIENT_FOR) == *"$(printf '0x%x' "$main")" ]] || fail "the box does not belong to the game's window"
keys_to 'Set Time' ctrl+a 0 period 1 Return
keys_to 'New Game' Return
grep -qx 'Time=0.1' "$conf" || fail "Set Time did not store 0.1"
keys_to 'Game Over' Return
keys_to 'Best Distances' Return
grep -q '^1=".* km, 100 km/h, 0.1 s, time over, 20[0-9-]*T[0-9:]*Z"$' "$conf" || fail "the game is not in the table: $(cat "$conf")"
sleep 0.3
keys_to 'Game Over' n
ends "$pid" "$work/run1.log" "after No"

step "TERM at any moment of the start ends the program (in good order once it can, else by the signal)"
for delay in 0.05 0.1 0.15 0.2 0.3; do
    "$program" >/dev/null 2>&1 & pid=$!; pids+=($pid); sleep $delay; kill "$pid"; status=0
    within 100 "! kill -0 $pid 2>/dev/null" && { wait "$pid" || status=$?; } && [[ $status =~ ^(0|143)$ ]] || fail "TERM $delay s after the start: status $status"; done
# TERM before the program can take it, waiting for it (as a signal sent to a program
# that is starting, blocked by its parent) ends it in good order.
python3 -c 'import os, signal, sys
signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM}); os.kill(os.getpid(), signal.SIGTERM)
os.execv(sys.argv[1], sys.argv[1:])' "$program" >/dev/null 2>&1 & pid=$!; pids+=($pid)
ends "$pid" /dev/null "on TERM waiting at its start"

step "music mode: the looping music is heard; TERM ends the program though a box is open"
sox -n -r 44100 -c 2 "$work/loop.wav" synth 0.4 sine 330 vol 0.4
printf '[Initial]\nSound=0\nMusicPath=%s\nSpeed=100\nTime=1\n' "$work/loop.wav" >"$conf"
"$program" >"$work/run2.log" 2>&1 &
pid=$!; pids+=($pid)
wait_window 'Vandrel!' >/dev/null || fail "no main window"
parec --latency-msec=20 -d testsink.monitor --raw --format=s16le --rate=44100 --channels=2 >"$work/capture.raw" &
recorder=$!; pids+=($recorder)
sleep 2; kill "$recorder"
streams=$(pactl list sink-inputs)
for known in 'application.name = "Vandrel"' 'application.id = "org.vandrel.Vandrel"' 'application.icon_name = "org.vandrel.Vandrel"' 'media.role = "game"'; do
    grep -qF "$known" <<<"$streams" || fail "the sound server does not know the game's $known"; done
wait_window 'Game Over' >/dev/null || fail "no Game Over box"
kill "$pid"
ends "$pid" "$work/run2.log" "on TERM with the Game Over box open"
rms=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/capture.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
awk -v rms="$rms" 'BEGIN { exit !(rms > 0.05) }' || fail "no music heard (RMS $rms)"

step "a sound server that never answers, or closes at once: the window opens on time, the car steers, TERM ends it"
for mode in silent closing; do
    python3 "$(dirname "$0")/fake-sound-server.py" "$mode" "$work/$mode.socket" & pids+=($!)
    within 50 "[ -S $work/$mode.socket ]" || fail "the $mode fake server did not start"
    printf '[Initial]\nSound=0\nMusicPath=%s\nSpeed=0\nTime=1e9\n' "$work/loop.wav" >"$conf"
    start=$(date +%s%N)
    PULSE_SERVER="unix:$work/$mode.socket" "$program" >"$work/$mode.log" 2>&1 &
    pid=$!; pids+=($pid)
    main=$(wait_window 'Vandrel!') || fail "no main window with a $mode sound server"
    shown=$((($(date +%s%N) - start) / 1000000))
    [ "$shown" -le 5000 ] || fail "the main window took $shown ms with a $mode sound server"
    before=$(car_x); xdotool windowfocus --sync "$main"; xdotool key --delay 150 Right; sleep 0.3; after=$(car_x)
    [ "$before" -ge 0 ] && [ "$after" -gt $((before + 30)) ] || fail "the car did not steer with a $mode sound server: $before, then $after"
    kill "$pid"
    ends "$pid" "$work/$mode.log" "on TERM with a $mode sound server"
done

step "under a window manager, in English first, the sound dialog opens where it opened first"
printf '[Initial]\nSound=2\nSpeed=0\nTime=1e9\n' >"$conf"
openbox >"$work/openbox.log" 2>&1 &
wm=$!; pids+=($wm)
LANGUAGE=en_GB:de "$program" -nograb >"$work/run3.log" 2>&1 &  # with an option of Qt's that takes no value
pid=$!; pids+=($pid)
places=()
for _ in 1 2; do
    keys_to 'Vandrel!' alt+g s s Return  # Set Speed and Sound share their letter
    dialog=$(wait_window 'Sound Options') || fail "no sound dialog"
    sleep 0.5
    places+=("$(xwininfo -id "$dialog" | grep Absolute | tr -s ' ' | tr '\n' ' ')")
    keys_to 'Sound Options' Escape
done
[ "${places[0]}" = "${places[1]}" ] || fail "the sound dialog moved: ${places[0]}/ ${places[1]}"

step "under a window manager, the road has the keys after a menu closed by Escape and a box; another program's window pauses; P pauses; keys chosen and restored"
main=$(wait_window 'Vandrel!') || fail "no main window"
before=$(car_x)
xdotool windowfocus --sync "$main"; xdotool key --delay 150 alt+g Escape alt+h a
keys_to About Return
sleep 0.5; xdotool key --delay 150 Right Right; sleep 0.3
after=$(car_x)
[ "$before" -ge 0 ] && [ "$after" -gt $((before + 30)) ] || fail "the car did not move right: $before, then $after"
xmessage -name other "another program" & pids+=($!)  # the player turns to it: the game pauses
within 50 'other=$(xdotool search --class xmessage | head -n 1) && [ -n "$other" ]' || fail "no other program's window"
xdotool windowactivate --sync "$other"; within 20 paused || fail "no PAUSED once another program's window was active"
xdotool windowactivate --sync "$main"; sleep 0.3; xdotool key Up; sleep 0.3; ! paused || fail "a key did not resume the game"
xdotool key p; within 20 paused || fail "P did not pause"
keys_to 'Vandrel!' alt+g k; keys_to Keys a Return  # moving left by A
within 20 "grep -q '^MoveLeft=A$' $conf" || fail "the chosen key was not kept"
xdotool windowfocus --sync "$main"; xdotool key space; sleep 0.3; before=$(car_x)
xdotool key Left; sleep 0.3; still=$(car_x); xdotool key a; sleep 0.3; after=$(car_x)
[ "$still" -eq "$before" ] && [ "$after" -lt $((before - 30)) ] || fail "Left steered, or A did not: $before, $still, then $after"
keys_to 'Vandrel!' alt+g k; keys_to Keys alt+r; sleep 0.3; keys_to Keys Return
within 20 "grep -q '^MoveLeft=Left$' $conf" || fail "Restore Defaults did not bring Left back"
xdotool key F1; wait_window 'Vandrel Help' >/dev/null || fail "no help in English for an English-first player"
kill "$pid" "$wm"; wait "$pid" "$wm" || true

step "Wayland: a native client of the headless compositor"
printf '[Initial]\nSound=2\nSpeed=100\nTime=30\n' >"$conf"
env -u DISPLAY WAYLAND_DISPLAY="$TEST_WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" >"$work/wayland.log" 2>&1 &
pid=$!; pids+=($pid)
within 100 "grep -q 'set_title(\"Vandrel!\")' $work/wayland.log" || { tail -20 "$work/wayland.log"; fail "no main window on Wayland"; }
grep -q 'set_app_id("org.vandrel.Vandrel")' "$work/wayland.log" || fail "the window's app id is not its desktop entry's"
sleep 2
kill -0 "$pid" || fail "the program died on Wayland"
no_gl_driver "$pid" Wayland
grep -v -e '^\[' -e '^ *$' "$work/wayland.log" && fail "the program printed the lines above on Wayland"
# Ticks keep repainting the road: the window keeps committing new frames.
# Up to 10 s for the next frame: a busy machine starves the compositor too.
frames() { grep -c -E 'wl_surface[@#][0-9]+\.commit\(\)' "$work/wayland.log" || true; }  # libwayland 1.23 writes #
before=$(frames)
within 100 '[ "$(frames)" -gt "$before" ]' || fail "the game does not run on Wayland"
kill -TERM "$pid"  # as a session ending: the program closes in good order
ends "$pid" "$work/wayland.log" "on Wayland"

for run in run1 run2 run3 closing; do [ ! -s "$work/$run.log" ] || { cat "$work/$run.log"; fail "the program printed the lines above on X11 ($run)"; }; done

step "a missing bonus sound is reported"
rm "$usr/share/vandrel/TimeBonus.wav"
QT_QPA_PLATFORM=offscreen timeout 5 "$program" 2>"$work/missing.log" || true
grep -q "no bonus sound: TimeBonus.wav is not in $usr/share/vandrel" "$work/missing.log" || fail "no word of the missing bonus sound"
echo "real program: all steps passed"

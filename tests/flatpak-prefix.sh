#!/bin/bash
# The Flatpak manifest, as far as it can be checked without its runtime: Flatpak's
# own builder reads it; the tree built with the manifest's configure options into
# a scratch prefix standing in for /app lays out every file where Flatpak looks
# for it; and the program from there keeps its settings and best distances in
# XDG_CONFIG_HOME, as it does in the sandbox. Runs under with-servers.sh.
set -euo pipefail
. "$(dirname "$0")/../tools/wait-window.sh"
src=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-flatpak.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
manifest=$src/dist/flatpak/org.vandrel.Vandrel.yml
flatpak-builder --show-manifest "$manifest" >"$work/manifest.json" || fail "flatpak-builder cannot read the manifest"
read_manifest() { python3 -c "import json, sys; m = json.load(open(sys.argv[1])); print($1)" "$work/manifest.json"; }
mapfile -t options < <(read_manifest '"\n".join(m["modules"][-1]["config-opts"])')
id=$(read_manifest 'm["id"]')
command=$(read_manifest 'm["command"]')
app=$work/app
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$app" "${options[@]}" >"$work/build.log" 2>&1 &&
    cmake --build "$work/build" >>"$work/build.log" 2>&1 && cmake --install "$work/build" >>"$work/build.log" 2>&1 ||
    { tail -n 30 "$work/build.log"; fail "the manifest's build failed"; }
for file in "bin/$command" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
            share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/"$id.png"; do
    [ -e "$app/$file" ] || fail "no $file in the prefix: $(cd "$app" && find . -type f | sort)"
done
[ -z "$(find "$app" -path "$app/games" -o -path "$app/usr")" ] || fail "files outside Flatpak's folders"
mkdir -p "$work/config/Vandrel"
printf '[Initial]\nSound=2\nSpeed=100\nTime=0.05\n' >"$work/config/Vandrel/Vandrel.conf"
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config "$app/bin/$command" >"$work/run.log" 2>&1 &
for box in 'Game Over' 'Best Distances'; do
    window=$(wait_window "$box") || fail "no $box from the prefix's program: $(cat "$work/run.log")"
    xdotool windowfocus --sync "$window" key Return
done
window=$(wait_window 'Game Over') && xdotool windowfocus --sync "$window" key n
grep -q '^1=".* km, 100 km/h, 0.05 s, time over, ' "$work/config/Vandrel/Vandrel.conf" ||
    fail "no best distance under XDG_CONFIG_HOME: $(cat "$work/config/Vandrel/Vandrel.conf")"
echo "flatpak prefix: all checks passed"

#!/bin/bash
# Builds the Debian package from a build folder and checks its metadata and files.
# Usage: package-test.sh BUILD-FOLDER
set -euo pipefail
build=$1
out=$(mktemp -d "${TMPDIR:-/tmp}/vandrel-package.XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/vandrel_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6multimedia6 libqt6gui6 libqt6core6 fonts-urw-base35 fonts-liberation2; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in section games"
grep -q pulse <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "no sound server recommended"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/vandrel ./usr/share/vandrel/TimeBonus.wav \
            ./usr/share/applications/org.vandrel.Vandrel.desktop \
            ./usr/share/metainfo/org.vandrel.Vandrel.metainfo.xml \
            ./usr/share/icons/hicolor/256x256/apps/org.vandrel.Vandrel.png; do
    grep -qx "$file" <<<"$files" || fail "the package lacks $file"
done
grep -q '^\./usr/lib/.*vandrel/libvandrel_sound\.so$' <<<"$files" || fail "the package lacks the sound module"
dpkg -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/org.vandrel.Vandrel.desktop"
"$out/root/usr/bin/vandrel" --help >/dev/null 2>&1 || true # links and loads
for elf in "$out/root/usr/bin/vandrel" "$out"/root/usr/lib/*/libvandrel_sound.so "$out"/root/usr/lib/*/*/libvandrel_sound.so; do
    [ -e "$elf" ] || continue
    ldd "$elf" | grep -q 'not found' && fail "unresolved libraries in $elf"
done
echo "package: all checks passed"

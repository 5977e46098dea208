# Sourced by the scripts of tools/: builds the tree of a preset of CMakePresets.json
# (build/ for "default", build-PRESET/ for the others), configuring it by that
# preset the first time, so every script that shares a tree builds it alike.
#   build PRESET [TARGET...]
build() {
    preset=$1; shift
    tree=build; [ "$preset" = default ] || tree=build-$preset
    [ -f "$tree/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build "$tree" --parallel "$(nproc)" ${1:+--target "$@"}
}

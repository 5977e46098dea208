# Sourced by the scripts that drive the real program under X (the packaged
# program's test, tools/bench, tools/soak): waits up to 15 s for a visible window
# of this name and prints its id.
wait_window() {
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

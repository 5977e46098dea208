# Helpers for scripts that watch the real program on an X server; sourced.

# Waits up to 15 s for a visible window with this exact name; prints its id.
wait_window() {
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Whether a top-level window of 407 x 310 is shown: the splash.
splash_up() { xwininfo -root -children | grep -q ' 407x310+'; }

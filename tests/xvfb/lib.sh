# Helpers for the tests that drive the real program on a virtual X screen.
# Sourced by the test scripts, which run inside xvfb-run.

fail() { echo "FAIL: $*" >&2; exit 1; }

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (./dev.sh test installs it)"
    done
}

# Starts a window manager so the window gets a real frame.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "the window manager did not start"
}

# Waits for the program's window and prints its id.
wait_for_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# The client area's absolute position and size: x y width height.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                              /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}'
}

# The frame's extents as left right top bottom (0 0 0 0 without a frame).
frame_extents() {
    local e
    e=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
    echo "${e:-0 0 0 0}"
}

# Prints "r g b" of a screen pixel.
screen_pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# Prints "r g b" of a pixel of a JPEG file.
picture_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# True if every channel of "$1" is within $3 of the same channel of "$2".
close_to() {
    local a=($1) b=($2) i
    for i in 0 1 2; do
        local d=$(( ${a[$i]} - ${b[$i]} ))
        [ "${d#-}" -le "$3" ] || return 1
    done
}

# Runs "$@" until it succeeds, for at most five seconds.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

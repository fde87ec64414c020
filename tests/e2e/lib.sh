# Shared steps of the end-to-end tests: drive the real program with the real pointer and
# read windows and pixels back from the X server.
# shellcheck shell=bash

ARTIFACTS="${ARTIFACTS:-$PWD/artifacts}"
mkdir -p "$ARTIFACTS"

fail() {
    echo "FAIL: $*" >&2
    screenshot "failure-$(date +%s%N)"
    exit 1
}

say() { echo "e2e: $*"; }

# Waits until a visible window with exactly this title exists; prints its id.
wait_window() {
    local title="$1" timeout="${2:-10}" id
    local end=$((SECONDS + timeout))
    while [ $SECONDS -le "$end" ]; do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Waits until no visible window has this title.
wait_no_window() {
    local title="$1" timeout="${2:-10}"
    local end=$((SECONDS + timeout))
    while [ $SECONDS -le "$end" ]; do
        xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# Prints "X Y W H" of a window's outer frame on the screen.
frame_geometry() {
    local id="$1"
    local info x y w h left right top bottom
    info=$(xwininfo -id "$id")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/^  Width:/ {print $2}' <<<"$info")
    h=$(awk '/^  Height:/ {print $2}' <<<"$info")
    read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null |
        sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)/\1 \2 \3 \4/p')
    left=${left:-0} right=${right:-0} top=${top:-0} bottom=${bottom:-0}
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Prints "X Y W H" of a window's client area on the screen.
client_geometry() {
    local info
    info=$(xwininfo -id "$1")
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") $(awk '/^  Width:/ {print $2}' <<<"$info") $(awk '/^  Height:/ {print $2}' <<<"$info")"
}

screenshot() {
    import -window root "$ARTIFACTS/$1.png"
}

# Prints the colour of one screen pixel as "R G B" (0-255) from a fresh screenshot.
pixel() {
    local x="$1" y="$2"
    import -window root -crop "1x1+${x}+${y}" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

move_to() {
    xdotool mousemove --sync "$1" "$2"
    sleep 0.2
}

click_at() {
    move_to "$1" "$2"
    xdotool click 1
    sleep 0.3
}

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

# Closes a window the way a user does, with Alt+F4 through the window manager; the
# key can arrive before the manager has moved the focus, so it is tried again.
close_window() {
    local id="$1"
    for _ in 1 2 3 4 5; do
        xdotool windowactivate --sync "$id" 2>/dev/null || return 0
        sleep 0.2
        xdotool key --clearmodifiers alt+F4
        for _ in $(seq 1 20); do
            xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || return 0
            sleep 0.05
        done
    done
}

# Puts the instructions window away if it comes up (it opens by itself after start-up).
dismiss_instructions() {
    local help
    if help=$(wait_window "Instructions for Settings utility" "${1:-5}"); then
        close_window "$help"
        wait_no_window "Instructions for Settings utility" 5 || fail "instructions window stays"
    fi
}

# Finds the photograph on the main window (nothing else may cover it); sets BOARD_X,
# BOARD_Y (screen position of the board panel's top-left corner), BOARD_W and BOARD_H.
find_board() {
    local main="$1" cx cy cw ch box bx by
    read -r cx cy cw ch < <(client_geometry "$main")
    screenshot board-search
    # Below the menu bar and the header label, the photograph is all there is.
    box=$(convert "$ARTIFACTS/board-search.png" -crop "${cw}x$((ch - 100))+${cx}+$((cy + 100))" +repage \
        -bordercolor white -border 1 -fuzz 3% -trim -format '%w %h %X %Y' info:)
    read -r BOARD_W BOARD_H bx by <<<"$box"
    bx=${bx#+} by=${by#+}
    BOARD_X=$((cx + bx - 1))
    BOARD_Y=$((cy + 100 + by - 1))
}

# Waits until a window's frame stands at X Y.
expect_frame_at() {
    local id="$1" x="$2" y="$3" fx fy fw fh
    for _ in $(seq 1 40); do
        read -r fx fy fw fh < <(frame_geometry "$id")
        [ "$fx" -eq "$x" ] && [ "$fy" -eq "$y" ] && return 0
        sleep 0.05
    done
    fail "window $id at $fx,$fy, not $x,$y"
}

# Prints "FIRST LAST" for each run of dark pixels (text) across a screen rectangle, by
# columns left to right (axis x) or by rows top to bottom (axis y); runs less than GAP
# apart are one.
dark_runs() {
    local axis="$1" x="$2" y="$3" w="$4" h="$5" gap="$6" field off
    if [ "$axis" = x ]; then field='\1' off="$x"; else field='\2' off="$y"; fi
    import -window root -crop "${w}x${h}+${x}+${y}" -colorspace gray -depth 8 txt:- |
        sed -n "s/^\([0-9]*\),\([0-9]*\): *(\([0-9.]*\).*/$field \3/p" |
        awk '$2 < 110 {print $1}' | sort -nu |
        awk -v gap="$gap" -v off="$off" 'NR == 1 {s = $1; p = $1; next}
            {if ($1 - p > gap) {print s + off, p + off; s = $1} p = $1}
            END {if (NR) print s + off, p + off}'
}

dark_column_runs() { dark_runs x "$1" "$2" "$3" "$4" "${5:-6}"; }
dark_row_runs() { dark_runs y "$1" "$2" "$3" "$4" "${5:-3}"; }

# Closes the main window with Alt+F4 and expects the program to end with exit code 0.
close_main_and_expect_exit() {
    local main="$1" pid="$2" status=0
    close_window "$main"
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end when its main window closed"
    wait "$pid" || status=$?
    trap - EXIT
    [ "$status" -eq 0 ] || fail "the program ended with exit code $status"
}

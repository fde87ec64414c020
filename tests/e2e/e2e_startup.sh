#!/usr/bin/env bash
# The program starts maximised with the photograph centred, and File > Exit ends it
# with exit code 0.
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

"$SETTINGS_BIN" &
pid=$!
main=$(wait_window "Setup" 15) || fail "no Setup window"
say "main window $main"

# Maximised: the window manager says so and the frame covers the screen.
for _ in $(seq 1 50); do
    xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_HORZ && break
    sleep 0.1
done
xprop -id "$main" _NET_WM_STATE | grep -q "_NET_WM_STATE_MAXIMIZED_VERT" || fail "not maximised"
read -r fx fy fw fh < <(frame_geometry "$main")
[ "$fw" -eq 1280 ] && [ "$fh" -eq 1024 ] || fail "frame is ${fw}x${fh}, not the whole screen"

# The instructions window comes up over the board; put it away first.
dismiss_instructions
move_to 5 1015
sleep 0.5

read -r cx cy cw ch < <(client_geometry "$main")
screenshot startup
# Below the menu bar and the header, the photograph is all there is: find its box.
box=$(convert "$ARTIFACTS/startup.png" -crop "${cw}x$((ch - 100))+${cx}+$((cy + 100))" +repage \
    -bordercolor white -border 1 -fuzz 3% -trim -format '%w %h %X %Y' info:)
read -r bw bh bx by <<<"$box"
bx=${bx#+} by=${by#+}
left=$((cx + bx - 1))
top=$((cy + 100 + by - 1))
say "photograph ${bw}x${bh} at ${left},${top}"
[ "$bw" -eq 600 ] && [ "$bh" -eq 642 ] || fail "photograph drawn ${bw}x${bh}, not 600x642"
# Centred against the outer size: (1280 - 600) / 2 from the frame's left edge, and
# (1024 - 642) / 2 below the client area's top, whose menu bar takes a few pixels more.
[ $((left - fx)) -eq 340 ] || fail "photograph left at $((left - fx)), not 340"
menu=$((top - cy - 191))
[ "$menu" -ge 15 ] && [ "$menu" -le 40 ] || fail "photograph top $((top - cy)) does not match a centred panel"

# File > Exit with the real pointer.
click_at $((cx + 14)) $((cy + 8))
screenshot file-menu
click_at $((cx + 30)) $((cy + menu + 12))
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
wait "$pid"
say "exit code $?"

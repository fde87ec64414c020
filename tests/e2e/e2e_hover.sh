#!/usr/bin/env bash
# The road of one hover with the real pointer: onto a circle (its popup opens where it
# should and the twin lights up), into the popup (it stays), out of it (it closes), a
# click (pinned), Done (hidden).
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

"$SETTINGS_BIN" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(wait_window "Setup" 15) || fail "no Setup window"
dismiss_instructions
move_to 1270 1010
find_board "$main"
say "board ${BOARD_W}x${BOARD_H} at $BOARD_X,$BOARD_Y"
[ "$BOARD_W" -eq 600 ] || fail "board not found"
read -r cx cy _ _ < <(client_geometry "$main")

# TTLHighlight0 (365,155 71x41) and its twin TTLHighlight1 (233,156 71x41).
circle_x=$((BOARD_X + 365 + 35)) circle_y=$((BOARD_Y + 155 + 20))
twin_ring_x=$((BOARD_X + 233 + 65)) twin_ring_y=$((BOARD_Y + 156 + 20))
twin_idle=$(pixel "$twin_ring_x" "$twin_ring_y")

move_to "$circle_x" "$circle_y"
popup=$(wait_window "5V/3.3V Digital" 5) || fail "no popup on hover"
# The board's position in the client area, centred against the outer size, plus the
# panel's offset (210, 230) from the board's design position, taken as a screen position.
read -r _ _ fw fh < <(frame_geometry "$main")
expect_frame_at "$popup" $(((fw - 600) / 2 + 210)) $(((fh - 642) / 2 + 230))
twin_lit=$(pixel "$twin_ring_x" "$twin_ring_y")
[ "$twin_lit" != "$twin_idle" ] || fail "the twin did not light up ($twin_idle)"
screenshot hover-open

# Into the popup: it stays.
read -r px py pw ph < <(client_geometry "$popup")
move_to $((px + pw / 2)) $((py + ph - 60))
sleep 0.5
wait_window "5V/3.3V Digital" 1 >/dev/null || fail "popup closed when the pointer went into it"
# Out of the popup: it closes and the group unlights.
move_to 1270 1010
wait_no_window "5V/3.3V Digital" 5 || fail "popup stays after the pointer left it"
[ "$(pixel "$twin_ring_x" "$twin_ring_y")" = "$twin_idle" ] || fail "the twin stays lit"

# A click pins it: leaving the circle no longer closes it.
click_at "$circle_x" "$circle_y"
popup=$(wait_window "5V/3.3V Digital" 5) || fail "no popup after the click"
move_to 1270 1010
sleep 0.5
wait_window "5V/3.3V Digital" 1 >/dev/null || fail "a pinned popup closed"
# The Settings menu shows the item checked.
click_at $((cx + 50)) $((cy + 8))
screenshot settings-menu-checked
xdotool key Escape
sleep 0.2

# Done hides it.
read -r px py pw ph < <(client_geometry "$popup")
click_at $((px + pw - 64 + 29)) $((py + ph - 44 + 12))
wait_no_window "5V/3.3V Digital" 5 || fail "Done did not hide the popup"
screenshot done

close_window "$main"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
trap - EXIT
wait "$pid" || fail "exit code $?"

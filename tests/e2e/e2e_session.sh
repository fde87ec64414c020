#!/usr/bin/env bash
# A user's session with the real pointer: the instructions window comes up by itself,
# Start opens the first popup pinned, Next walks the Settings circles and wraps, every
# circle opens its popup with the right caption at the right place, a jumper click
# selects its option, an option moves both range jumpers, Done, File > Exit.
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

"$SETTINGS_BIN" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
main=$(wait_window "Setup" 15) || fail "no Setup window"
move_to 1270 1010
help=$(wait_window "Instructions for Settings utility" 5) || fail "no instructions window"
screenshot instructions
read -r _ _ fw fh < <(frame_geometry "$main")
read -r cx cy _ _ < <(client_geometry "$main")
# The board panel in the client area, centred against the window's outer size.
board_left=$(((fw - 600) / 2))
board_top=$(((fh - 642) / 2))

# Next and Done of a popup window, from its client area.
next_of() {
    local px py pw ph
    read -r px py pw ph < <(client_geometry "$1")
    echo "$((px + (pw - 58) / 2 + 29)) $((py + ph - 44 + 12))"
}
done_of() {
    local px py pw ph
    read -r px py pw ph < <(client_geometry "$1")
    echo "$((px + pw - 64 + 29)) $((py + ph - 44 + 12))"
}

# Start: the window goes and the tour opens "5V/3.3V Digital", pinned.
read -r hx hy hw hh < <(client_geometry "$help")
click_at $((hx + hw / 2)) $((hy + hh - 8 - 12))
wait_no_window "Instructions for Settings utility" 5 || fail "Start did not hide the instructions"
digital=$(wait_window "5V/3.3V Digital" 5) || fail "Start did not open the first popup"
move_to 1270 1010
sleep 0.3
wait_window "5V/3.3V Digital" 1 >/dev/null || fail "the tour's popup is not pinned"
screenshot tour-start

# Next to "Analog Range", Next again wraps back.
read -r x y < <(next_of "$digital")
click_at "$x" "$y"
analog=$(wait_window "Analog Range" 5) || fail "Next did not open Analog Range"
wait_no_window "5V/3.3V Digital" 5 || fail "Next left the previous popup open"
screenshot tour-next
read -r x y < <(next_of "$analog")
click_at "$x" "$y"
digital=$(wait_window "5V/3.3V Digital" 5) || fail "Next did not wrap to 5V/3.3V Digital"
wait_no_window "Analog Range" 5 || fail "Next left Analog Range open"
read -r x y < <(done_of "$digital")
click_at "$x" "$y"
wait_no_window "5V/3.3V Digital" 5 || fail "Done did not close the popup"

# Every circle: its popup, its caption, its place. Name, centre on the board, popup
# caption and the design position of its explanation panel.
circles=(
    "USBHighlight 55 288 USB_Connector -88 408"
    "DCINHighlight 55 481 DC_Power -88 544"
    "LedHighlight 54 170 LED_Light -88 136"
    "SubUSBHighlight 63 202 Sub_USB_Connector -88 272"
    "MainConnHighlight0 316 63 37-pin_Connectors 752 224"
    "MainConnHighlight1 316 577 37-pin_Connectors 752 224"
    "TTLHighlight0 400 175 5V/3.3V_Digital 360 328"
    "TTLHighlight1 268 176 5V/3.3V_Digital 360 328"
    "AnalogRangeHighlight 563 317 Analog_Range 656 504"
)
move_to 1270 1010
find_board "$main"
[ "$BOARD_W" -eq 600 ] && [ "$BOARD_H" -eq 642 ] || fail "board not found"
for entry in "${circles[@]}"; do
    read -r name x y caption left top <<<"$entry"
    caption=${caption//_/ }
    move_to $((BOARD_X + x)) $((BOARD_Y + y))
    popup=$(wait_window "$caption" 5) || fail "$name opened no \"$caption\" popup"
    read -r px py pw ph < <(frame_geometry "$popup")
    want_x=$((board_left + left - 150))
    want_y=$((board_top + top - 98))
    [ "$want_x" -lt 0 ] && want_x=0
    [ $((want_x + pw)) -gt 1280 ] && want_x=$((1280 - pw))
    expect_frame_at "$popup" "$want_x" "$want_y"
    screenshot "hover-$name"
    move_to 1270 1010
    wait_no_window "$caption" 5 || fail "$name's popup stays after the pointer left"
done

# The digital-level popup, pinned from its menu entry (Settings > 5V/3.3V Digital).
click_at $((cx + 50)) $((cy + 8))
xdotool key Down Return
digital=$(wait_window "5V/3.3V Digital" 5) || fail "the menu entry opened no popup"
move_to 1270 1010
read -r px py _ _ < <(client_geometry "$digital")
sleep 0.3
maroon="128 0 0"
# TTLJumper0 sits at (168, 24) on its panel, 43 x 18: its shunt covers x 15..42 in
# the right position and 0..26 in the left one.
[ "$(pixel $((px + 168 + 40)) $((py + 24 + 9)))" = "$maroon" ] || fail "TTLJumper0 does not start on the right"
radios0="241x41+$((px + 8))+$((py + 64))"
import -window root -crop "$radios0" "$ARTIFACTS/radios-before.png"
click_at $((px + 168 + 35)) $((py + 24 + 9))
move_to 1270 1010
[ "$(pixel $((px + 168 + 3)) $((py + 24 + 9)))" = "$maroon" ] || fail "TTLJumper0 did not move left"
[ "$(pixel $((px + 168 + 40)) $((py + 24 + 9)))" != "$maroon" ] || fail "TTLJumper0 still on the right"
import -window root -crop "$radios0" "$ARTIFACTS/radios-after.png"
changed=$(compare -metric AE "$ARTIFACTS/radios-before.png" "$ARTIFACTS/radios-after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 20 ] || fail "TTLRadios0 shows no change of selection ($changed pixels)"
screenshot jumper-clicked
# TTLJumper1 and its option stay as they were.
[ "$(pixel $((px + 40 + 40)) $((py + 24 + 9)))" = "$maroon" ] || fail "TTLJumper1 moved too"

# Analog Range: choose "±5V" and both range jumpers move left.
read -r x y < <(next_of "$digital")
click_at "$x" "$y"
analog=$(wait_window "Analog Range" 5) || fail "Next did not open Analog Range"
move_to 1270 1010
read -r px py _ _ < <(client_geometry "$analog")
sleep 0.3
for jumper_top in 24 42; do
    [ "$(pixel $((px + 184 + 40)) $((py + jumper_top + 9)))" = "$maroon" ] ||
        fail "range jumper at $jumper_top does not start on the right"
done
click_at $((px + 32 + 7)) $((py + 16 + 8))
move_to 1270 1010
for jumper_top in 24 42; do
    [ "$(pixel $((px + 184 + 3)) $((py + jumper_top + 9)))" = "$maroon" ] ||
        fail "range jumper at $jumper_top did not move to ±5V"
done
screenshot range-chosen

read -r x y < <(done_of "$analog")
click_at "$x" "$y"
wait_no_window "Analog Range" 5 || fail "Done did not close Analog Range"

# File > Exit.
click_at $((cx + 14)) $((cy + 8))
xdotool key Down Return
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
trap - EXIT
wait "$pid" || fail "exit code $?"

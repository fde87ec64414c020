#!/usr/bin/env bash
# The installed-cards window in a program whose supporter has a card-text handler, with the
# fake driver library reporting two cards: the window is on screen right after start-up and
# lists both, the instructions window follows, and after Close the first entry of the File
# menu shows the window again.
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

# Prints the id of a visible window with exactly this title, or nothing.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

[ -x "$CARDS_BIN" ] || fail "no cards test program at $CARDS_BIN"
[ -e "$FAKE_DRIVER_DIR/libPelgrin.so" ] || fail "no fake driver library in $FAKE_DRIVER_DIR"
unset PELGRIN_FAKE_CARDS
LD_LIBRARY_PATH="$FAKE_DRIVER_DIR" "$CARDS_BIN" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

cards_title="KX-2040 Cards installed"
help_title="Instructions for Settings utility"
main=$(wait_window Setup 10) || fail "the main window did not appear"
# Which of the two windows comes first.
cards="" help="" order=""
end=$((SECONDS + 5))
while [ $SECONDS -le $end ] && { [ -z "$cards" ] || [ -z "$help" ]; }; do
    if [ -z "$cards" ]; then
        cards=$(visible_window "$cards_title")
        [ -n "$cards" ] && order="$order cards"
    fi
    if [ -z "$help" ]; then
        help=$(visible_window "$help_title")
        [ -n "$help" ] && order="$order instructions"
    fi
    sleep 0.02
done
say "windows in order:$order"
[ -n "$cards" ] || fail "the installed-cards window did not appear"
[ -n "$help" ] || fail "the instructions window did not follow"
[ "$order" = " cards instructions" ] ||
    fail "the installed-cards window must come before the instructions ($order)"
sleep 0.5
screenshot cards-window

# Two lines of text in the list, left of its scroll bar.
read -r x y w h < <(client_geometry "$cards")
[ "$w" -eq 305 ] && [ "$h" -eq 122 ] || fail "installed-cards client area is ${w}x${h}"
lines=$(dark_row_runs $((x + 4)) $((y + 3)) 270 80 2)
say "text rows in the list: $(tr '\n' ' ' <<<"$lines")"
[ "$(wc -l <<<"$lines")" -eq 2 ] || fail "the list does not show two cards"

# Close, with the real pointer.
click_at $((x + 115 + 36)) $((y + 97 + 12))
wait_no_window "$cards_title" 5 || fail "Close did not hide the installed-cards window"

# File is the first entry of the menu bar; its first entry shows the window again.
read -r cx cy cw _ < <(client_geometry "$main")
read -r file_left file_right < <(dark_column_runs "$cx" $((cy + 4)) "$cw" 12 | head -n 1)
click_at $(((file_left + file_right) / 2)) $((cy + 10))
screenshot file-menu
entries=$(dark_row_runs "$file_left" $((cy + 22)) 150 70)
say "file menu rows: $(tr '\n' ' ' <<<"$entries")"
[ "$(wc -l <<<"$entries")" -eq 2 ] || fail "the File menu does not hold two entries"
read -r top bottom < <(head -n 1 <<<"$entries")
click_at $((file_left + 40)) $(((top + bottom) / 2))
cards=$(wait_window "$cards_title" 5) || fail "the File menu entry did not show the window"
sleep 0.3
screenshot cards-again

close_main_and_expect_exit "$main" "$pid"

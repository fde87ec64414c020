#!/usr/bin/env bash
# The setup supporter in the real program: the instructions window opens by itself about
# one timer tick after start-up, centred over the main window; Help > Technical Support,
# chosen with the real pointer, shows the support window; closing the main window ends the
# program with exit code 0.
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

"$SETTINGS_BIN" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

main=$(wait_window Setup 10) || fail "the Setup window did not appear"
shown=$(date +%s%N)
help=$(wait_window "Instructions for Settings utility" 5) ||
    fail "the instructions window did not open by itself"
delay=$((($(date +%s%N) - shown) / 1000000))
say "instructions window after ${delay} ms"
[ "$delay" -le 1500 ] || fail "the instructions window took ${delay} ms"
sleep 0.5
screenshot instructions

read -r mx my mw mh < <(frame_geometry "$main")
read -r hx hy hw hh < <(frame_geometry "$help")
say "main $mx $my $mw $mh, instructions $hx $hy $hw $hh"
dx=$((hx + hw / 2 - mx - mw / 2))
dy=$((hy + hh / 2 - my - mh / 2))
# The frame of the window manager is not known when the window is placed.
[ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 20 ] ||
    fail "the instructions window is not centred over the main window ($dx, $dy)"
# 488 x 221 on a 1280 x 1024 screen, inside its frame.
read -r _ _ cw ch < <(client_geometry "$help")
[ "$cw" -eq 488 ] && [ "$ch" -eq 221 ] || fail "instructions client area is ${cw}x${ch}"

# Help is the last entry of the menu bar; its menu opens below it.
read -r cx cy cw _ < <(client_geometry "$main")
bar=$(dark_column_runs "$cx" $((cy + 4)) "$cw" 12)
read -r help_left help_right < <(tail -n 1 <<<"$bar")
say "menu bar entries: $(tr '\n' ' ' <<<"$bar")"
click_at $(((help_left + help_right) / 2)) $((cy + 10))
screenshot help-menu
entries=$(dark_row_runs "$help_left" $((cy + 22)) 120 70)
say "help menu rows: $(tr '\n' ' ' <<<"$entries")"
[ "$(wc -l <<<"$entries")" -ge 2 ] || fail "the Help menu did not open"
read -r top bottom < <(sed -n 2p <<<"$entries")
click_at $((help_left + 40)) $(((top + bottom) / 2))

tech=$(wait_window "Technical Support" 5) || fail "Help > Technical Support showed nothing"
sleep 0.3
screenshot technical-support
read -r _ _ tw th < <(client_geometry "$tech")
[ "$tw" -eq 305 ] && [ "$th" -eq 122 ] || fail "support window client area is ${tw}x${th}"

# Alt+F4 asks the window manager to close the active window, as its close box does.
close_main_and_expect_exit "$main" "$pid"
say "closed with exit code 0"

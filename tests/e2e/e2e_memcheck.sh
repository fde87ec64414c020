#!/usr/bin/env bash
# The real program under valgrind's memcheck through a short session with the real pointer:
# the instructions window closed, a circle hovered and clicked, Done, Help > Technical
# Support opened and closed, the main window closed. Fails on definitely lost blocks and
# on invalid or uninitialised accesses that involve our code; the log is kept as
# memcheck.log among the artifacts.
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"

command -v valgrind >/dev/null || fail "valgrind is not installed (tools/install-deps.sh --test)"
# Sanitizer builds bring their own allocator, which valgrind cannot follow.
! ldd "$SETTINGS_BIN" | grep -q -e libasan -e libubsan ||
    fail "a sanitizer build cannot run under valgrind; run this test in a plain build"

source_dir=$(cd "$(dirname "$E2E_LIB")/../.." && pwd)
binary_dir=$(cd "${SETTINGS_BINARY_DIR:-$(dirname "$SETTINGS_BIN")/..}" && pwd)
log="$ARTIFACTS/memcheck.log"
rm -f "$log"

# --fullpath-after= prints whole source paths, which is how our frames are told apart. A
# child that a library forks (D-Bus starting its daemon) would write its own report into
# the same log; it is not the program.
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 --fullpath-after= \
    --child-silent-after-fork=yes --suppressions="$(dirname "$0")/memcheck.supp" \
    --log-file="$log" "$SETTINGS_BIN" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Everything runs many times slower under valgrind.
main=$(wait_window "Setup" 90) || fail "no Setup window"
help=$(wait_window "Instructions for Settings utility" 60) || fail "no instructions window"
sleep 1
close_window "$help"
wait_no_window "Instructions for Settings utility" 20 || fail "instructions window stays"
move_to 1270 1010
sleep 1
find_board "$main"
say "board ${BOARD_W}x${BOARD_H} at $BOARD_X,$BOARD_Y"
[ "$BOARD_W" -eq 600 ] || fail "board not found"
read -r cx cy _ _ < <(client_geometry "$main")

# TTLHighlight0 (365,155 71x41): hover opens its popup, a click pins it, Done hides it.
circle_x=$((BOARD_X + 365 + 35)) circle_y=$((BOARD_Y + 155 + 20))
move_to "$circle_x" "$circle_y"
popup=$(wait_window "5V/3.3V Digital" 30) || fail "no popup on hover"
sleep 1
click_at "$circle_x" "$circle_y"
sleep 1
move_to 1270 1010
sleep 1
wait_window "5V/3.3V Digital" 1 >/dev/null || fail "the clicked popup did not stay"
screenshot memcheck-pinned
read -r px py pw ph < <(client_geometry "$popup")
click_at $((px + pw - 64 + 29)) $((py + ph - 44 + 12))
wait_no_window "5V/3.3V Digital" 20 || fail "Done did not hide the popup"

# Help > Technical Support, then closed with the window manager.
click_at $((cx + 160)) $((cy + 8))
sleep 1
click_at $((cx + 200)) $((cy + 51))
tech=$(wait_window "Technical Support" 30) || fail "no technical support window"
sleep 1
screenshot memcheck-support
close_window "$tech"
wait_no_window "Technical Support" 20 || fail "technical support window stays"

close_window "$main"
# The leak search at exit takes a while too.
for _ in $(seq 1 1200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after its main window closed"
trap - EXIT
wait "$pid" || fail "exit code $?"
grep -q "ERROR SUMMARY" "$log" || fail "valgrind wrote no summary to $log"

# A record is ours when one of its frames is in our sources, in generated sources of the
# build tree, or in the program itself - other than the frames that every event passes
# through on its way into Qt (main, the application's constructor, Run and notify).
report=$(awk -v src="$source_dir/" -v bld="$binary_dir/" -v bin="$SETTINGS_BIN" '
    function flush() {
        if (kind != "" && ours) print record
        kind = ""; ours = 0; record = ""
    }
    {
        line = $0
        sub(/^==[0-9]+== ?/, "", line)
        if (line == "") { flush(); next }
        if (line ~ /definitely lost in loss record/ || line ~ /^Invalid (read|write|free)/ ||
            line ~ /uninitialised/ || line ~ /^Mismatched free/) {
            flush(); kind = line; record = line; next
        }
        if (kind == "") next
        record = record "\n" line
        if (line !~ /^ *(at|by) 0x/) next
        if (line ~ /: main \(/ || line ~ /TApplication::(TApplication|Run|notify)\(/) next
        if (index(line, src) || index(line, bld) || index(line, "(in " bin ")")) ours = 1
    }
    END { flush() }
' "$log")
say "$(grep -E "ERROR SUMMARY|definitely lost:" "$log" | sed 's/^==[0-9]*== //' | tr '\n' ' ')"
if [ -n "$report" ]; then
    printf '%s\n\n' "$report" >&2
    fail "memcheck found faults in our code (full log: $log)"
fi
say "no leaks or invalid accesses in our code"

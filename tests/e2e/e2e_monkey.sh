#!/usr/bin/env bash
# Monkey test: random real-pointer moves and clicks over the board, its circles, the popups
# and their controls, the other windows and the menus. After every step the program must
# still run and its state must be consistent (monkey/check.jq): jumpers match their options,
# one popup window per group, check marks follow the pinned windows, lit circles follow the
# windows on screen, no modal box. At the end it must close cleanly.
#   MONKEY_SEED     seed of the random choices, printed for a replay (default 2040)
#   MONKEY_ACTIONS  number of steps (default 1500, under three minutes)
# The steps are logged to actions.log and every answer to states.jsonl in $ARTIFACTS. A
# replay makes the same choices as long as the program answers with the same windows.
# A long run, beyond ctest's time limit, from the top of the clone:
#   MONKEY_ACTIONS=20000 MONKEY_SEED=7 MONKEY_BIN=build/tests/e2e/monkey/settings_monkey \
#   E2E_LIB=tests/e2e/lib.sh ARTIFACTS=build/artifacts/monkey-long \
#   bash tests/e2e/xsession.sh bash tests/e2e/e2e_monkey.sh
set -euo pipefail
# shellcheck source=lib.sh
source "$E2E_LIB"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

seed="${MONKEY_SEED:-2040}"
steps="${MONKEY_ACTIONS:-1500}"
say "monkey: seed $seed, $steps steps (replay with MONKEY_SEED=$seed MONKEY_ACTIONS=$steps)"
RANDOM=$seed

work="$(mktemp -d)"
pipe="$work/requests"
mkfifo "$pipe"
states="$ARTIFACTS/states.jsonl"
log="$ARTIFACTS/actions.log"
: >"$states"
: >"$log"

"$MONKEY_BIN" "$pipe" "$states" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
# Held open for reading and writing, so a request never blocks, even once the program is gone.
exec 3<>"$pipe"

main=$(wait_window "Setup" 15) || fail "no Setup window"

state=""
# Asks the program for its state; sets $state to the answer's JSON line.
ask_state() {
    local id="$1" line tries
    printf 'state %s\n' "$id" >&3
    for ((tries = 0; tries < 2000; tries++)); do
        line=$(tail -n 1 "$states")
        if [[ $line == "{\"id\":\"$id\","*"}}" ]]; then
            state="$line"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended (step $id; see $log)"
        sleep 0.005
    done
    fail "no answer to state request $id"
}

# One jq for the whole run: it checks each state and lists what can be pointed at, ending
# every answer with a line "E".
coproc CHECK {
    jq --unbuffered -r -L "$here/monkey" 'include "check"; .state
        | (problems | "P\t" + .),
          (.targets[] | select(.[2] > 2 and .[3] > 2) | "T\t" + @tsv),
          (.avoid[] | "A\t" + @tsv),
          (select(.mainMinimized) | "I"),
          "E"'
}

targets=()
avoid=()
minimized=0
read_state() {
    local line problems=""
    targets=() avoid=() minimized=0
    printf '%s\n' "$state" >&"${CHECK[1]}"
    while IFS= read -r line <&"${CHECK[0]}"; do
        case "$line" in
        P$'\t'*) problems+="${line#P?}"$'\n' ;;
        T$'\t'*) targets+=("${line#T?}") ;;
        A$'\t'*) avoid+=("${line#A?}") ;;
        I) minimized=1 ;;
        E) break ;;
        esac
    done
    [ -z "$problems" ] || fail "step $1: inconsistent state (seed $seed, see $log):
$problems"
}

avoided() {
    local x="$1" y="$2" entry ax ay aw ah
    for entry in "${avoid[@]}"; do
        read -r ax ay aw ah <<<"$entry"
        ((x >= ax && x < ax + aw && y >= ay && y < ay + ah)) && return 0
    done
    return 1
}

# Chooses a target of a kind (any target when there is none of that kind); sets px, py and
# what to a random point inside it and its description.
px=0 py=0 what=""
choose_point() {
    local kind="$1" entry tx ty tw th tkind tname
    local -a matching=()
    if [ ${#targets[@]} -eq 0 ]; then
        px=$((RANDOM % 1280)) py=$((RANDOM % 1024)) what="screen"
        return
    fi
    for entry in "${targets[@]}"; do
        [[ $entry == *$'\t'"$kind"$'\t'* ]] && matching+=("$entry")
    done
    [ ${#matching[@]} -gt 0 ] || matching=("${targets[@]}")
    entry="${matching[RANDOM % ${#matching[@]}]}"
    IFS=$'\t' read -r tx ty tw th tkind tname <<<"$entry"
    px=$((tx + RANDOM % tw))
    py=$((ty + RANDOM % th))
    what="$tkind $tname"
}

pauses=(0 0 0.02 0.05 0.15)
for ((step = 1; step <= steps; step++)); do
    ask_state "$step"
    read_state "$step"
    # A popup's minimise button minimises the main window with it (the window manager
    # minimises a tool window together with the window it belongs to); a user would bring
    # it back from the task bar.
    if ((minimized)); then
        echo "$step restore the main window" >>"$log"
        xdotool windowactivate "$main"
        sleep 0.3
        continue
    fi
    roll=$((RANDOM % 100))
    # An open menu takes the next click or move more often than not, as with a user.
    if [[ ${targets[*]} == *$'\t'menuitem$'\t'* ]] && ((RANDOM % 2)); then
        choose_point menuitem
    elif ((roll < 28)); then
        choose_point circle
    elif ((roll < 58)); then
        choose_point control
    elif ((roll < 63)); then
        choose_point titlebar
    elif ((roll < 70)); then
        choose_point window
    elif ((roll < 77)); then
        choose_point menu
    elif ((roll < 85)); then
        choose_point menuitem
    elif ((roll < 92)); then
        choose_point board
    else
        px=$((RANDOM % 1280)) py=$((RANDOM % 1024)) what="screen"
    fi
    click=$((RANDOM % 2))
    pause="${pauses[RANDOM % ${#pauses[@]}]}"
    if avoided "$px" "$py"; then
        echo "$step skip $px $py ($what)" >>"$log"
        continue
    fi
    echo "$step $([ $click -eq 1 ] && echo click || echo move) $px $py ($what)" >>"$log"
    xdotool mousemove "$px" "$py"
    [ $click -eq 0 ] || xdotool click 1
    sleep "$pause"
    ((step % 250 != 0)) || screenshot "step-$step"
done

# Let the last events settle, then the final state.
sleep 0.5
ask_state final
read_state final
screenshot final
say "monkey: $steps steps, consistent throughout"

# A clean end after all that: the main window's close ends the program with exit code 0.
close_window "$main"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
trap 'rm -rf "$work"' EXIT
wait "$pid" || fail "exit code $?"

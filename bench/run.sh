#!/usr/bin/env bash
# Builds and runs the benchmarks and prints each figure beside its baseline from the same
# run. Usage: bench/run.sh BUILD_DIR [RUNS]   (RUNS start-ups of each program, default 11)
# Start-up, memory and hover come from the real program in an X session (Xvfb + openbox,
# as the end-to-end tests use); hover is also measured on the offscreen platform, which
# has no window manager in the way. Decoding and shading need no display. Times depend on
# what else the machine does: run it on an idle machine (the load average is printed).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

# median < numbers, one a line
median() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) print 0; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# field NAME < lines of NAME=VALUE pairs: the values of NAME, one a line
field() { sed -n "s/.*\\b$1=\\([-0-9.,]*\\).*/\\1/p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "n/a"; else printf "%.2f", a / b }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }
mib() { awk -v kb="$1" 'BEGIN { printf "%.1f MiB", kb / 1024 }'; }

# hover_runs BENCH RUNS OUT: alternating processes, the program's popups then the baseline.
hover_runs() {
    local bench="$1" runs="$2" out="$3" i ours geometry base
    for i in $(seq 0 "$runs"); do
        ours=$("$bench/bench_hover" 2>/dev/null)
        geometry=$(field popup_geometry <<<"$ours")
        base=$("$bench/bench_hover" --baseline "$geometry" 2>/dev/null)
        [ "$i" -eq 0 ] && continue
        echo "$ours" >>"$out.ours"
        echo "$base" >>"$out.base"
    done
}

hover_report() {
    local out="$1" runs="$2" first first_sync reopen reopen_sync base_first base_reopen
    first=$(field ttl_first_us <"$out.ours" | median)
    first_sync=$(field ttl_first_sync_us <"$out.ours" | median)
    reopen=$(field ttl_reopen_us <"$out.ours" | median)
    reopen_sync=$(field ttl_reopen_sync_us <"$out.ours" | median)
    base_first=$(field base_first_us <"$out.base" | median)
    base_reopen=$(field base_reopen_us <"$out.base" | median)
    echo "hover to popup shown, 5V/3.3V Digital, platform $(sed -n 's/.*platform=\([a-z]*\).*/\1/p' "$out.ours" | head -n 1) (median of $runs processes):"
    echo "  first opening $(ms "$first") (the notification returns after $(ms "$first_sync")); plain tool window $(ms "$base_first"): ratio $(ratio "$first" "$base_first") (goal <= 10 ms)"
    echo "  re-opening $(ms "$reopen") (returns after $(ms "$reopen_sync")); plain tool window $(ms "$base_reopen"): ratio $(ratio "$reopen" "$base_reopen") (goal <= 2 ms)"
    echo "  slowest of all seven popups: first opening $(ms "$(field all_first_max_us <"$out.ours" | median)"), re-opening $(ms "$(field all_reopen_max_us <"$out.ours" | median)")"
}

if [ "${1:-}" = "--in-x-session" ]; then
    bench="$2" runs="$3" out="$4"
    # One discarded start of each program warms the file and font caches; then they take
    # turns, so that drift of the machine hits all alike.
    for i in $(seq 0 "$runs"); do
        bare=$("$bench/bench_launch" "$bench/bench_bare" 2>/dev/null)
        text=$("$bench/bench_launch" "$bench/bench_bare" --text 2>/dev/null)
        real=$("$bench/bench_launch" "$bench/bench_startup" 2>/dev/null)
        [ "$i" -eq 0 ] && continue
        echo "$bare" >>"$out/bare"
        echo "$text" >>"$out/text"
        echo "$real" >>"$out/real"
    done
    hover_runs "$bench" "$(((runs + 1) / 2))" "$out/xcb"
    exit 0
fi

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR [RUNS]}" && pwd)
runs="${2:-11}"
cmake --build "$build" --target benchmarks >/dev/null
bench="$build/bench"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)," \
    "Qt $(dpkg-query -W -f '${Version}' libqt6core6 2>/dev/null || echo '?')," \
    "libjpeg-turbo $(dpkg-query -W -f '${Version}' libjpeg62-turbo 2>/dev/null || echo '?')," \
    "load average $(cut -d ' ' -f 1-3 /proc/loadavg)"

echo "photograph decode (content/board.jpg), medians of 41:"
djpeg=$(command -v djpeg || true)
if [ -z "$djpeg" ]; then
    echo "  djpeg not found (package libjpeg-turbo-progs): in-process figures only"
    "$bench/bench_decode" | sed 's/^/  /'
else
    "$bench/bench_decode" --djpeg "$djpeg" | sed 's/^/  /'
fi
echo "  (goal: decoder <= 1.1 x djpeg)"

echo "shading of every circle (three images each), median of 41:"
QT_QPA_PLATFORM=offscreen "$bench/bench_shade" 2>/dev/null | sed 's/^/  /'
echo "  (goal <= 3 ns per pixel)"

bash "$here/../tests/e2e/xsession.sh" bash "$here/run.sh" --in-x-session "$bench" "$runs" "$out" \
    2>/dev/null
# med PROGRAM KEY: the median of KEY over that program's start-ups
med() { field "$2" <"$out/$1" | median; }
echo "start-up, exec to the end of the supporter's build (median of $runs):"
echo "  Settings $(ms "$(med real startup_us)"): into main $(ms "$(med real main_us)"), application object $(ms "$(med real application_us)"), main window from content $(ms "$(med real form_us)"), first idle after the first paint $(ms "$(med real idle_us)")"
echo "  bare maximised QWidget $(ms "$(med bare startup_us)"): ratio $(ratio "$(med real startup_us)" "$(med bare startup_us)") (goal <= 1.3)"
echo "  bare window with a menu bar and a heading $(ms "$(med text startup_us)"): ratio $(ratio "$(med real startup_us)" "$(med text startup_us)")"
echo "peak memory (VmHWM) at that moment (median of $runs):"
echo "  Settings $(mib "$(med real hwm_kb)") (anonymous $(mib "$(med real anon_kb)"), files $(mib "$(med real file_kb)")); once the instructions window is up $(mib "$(med real settled_hwm_kb)")"
echo "  bare $(mib "$(med bare hwm_kb)") (anonymous $(mib "$(med bare anon_kb)"), files $(mib "$(med bare file_kb)")): ratio $(ratio "$(med real hwm_kb)" "$(med bare hwm_kb)") (goal <= 1.3)"
echo "  bare with text $(mib "$(med text hwm_kb)") (anonymous $(mib "$(med text anon_kb)"), files $(mib "$(med text file_kb)")): ratio $(ratio "$(med real hwm_kb)" "$(med text hwm_kb)")"

hover_report "$out/xcb" "$(((runs + 1) / 2))"
QT_QPA_PLATFORM="offscreen:configfile=$here/../tests/offscreen.json" hover_runs "$bench" "$(((runs + 1) / 2))" "$out/offscreen"
hover_report "$out/offscreen" "$(((runs + 1) / 2))"

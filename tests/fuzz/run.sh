#!/usr/bin/env bash
# Fuzzes one target for a while on a copy of its seed corpus, so that what it finds stays in
# the build tree and the committed seeds stay small.
# Usage: run.sh TARGET WORK SECONDS
#   TARGET   a fuzz_<name> binary; its seeds are corpus/<name>/, its dictionary <name>.dict
#   WORK     where WORK/<name>/corpus and WORK/<name>/artifacts (crashing inputs) are kept
#   SECONDS  fuzzing time
# FUZZ_OPTIONS adds libFuzzer options. Exits non-zero on a crash, a sanitizer report, a leak,
# a timeout (an input slower than 10 s) or memory above 2 GB.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
target="$1" work="$2" seconds="$3"
name="$(basename "$target")"
name="${name#fuzz_}"
corpus="$work/$name/corpus"
artifacts="$work/$name/artifacts"
mkdir -p "$corpus" "$artifacts"
cp "$here/corpus/$name"/* "$corpus/"
# The board photograph is a seed, but mutating 100 KB at a time would slow the JPEG target
# down many times over; its first 16 KB hold the headers and the first two scans.
limit=()
[ "$name" != jpeg ] || limit=(-max_len=16384)
# Fontconfig's caches are no leak of ours. The fast unwinder, last so that it wins, keeps
# every allocation cheap; the suppression that needs the full one concerns mouse events,
# which no target raises.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp:fast_unwind_on_malloc=1"
# With ASan's default 256 MB quarantine the content target passed 1.5 GB in ten minutes
# (no leak: the same inputs without ASan stay flat); a smaller one keeps long runs far from
# the limit and still holds many inputs' worth of freed blocks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=64"
# Qt warns about each broken picture it reads; millions of lines would bury the report.
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-default.warning=false}"
# shellcheck disable=SC2086
exec "$target" "$corpus" -dict="$here/$name.dict" "${limit[@]}" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 \
    ${FUZZ_OPTIONS:-}

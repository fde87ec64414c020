#!/usr/bin/env bash
# Runs every fuzz target for SECONDS, one after the other and at the lowest priority (they
# are CPU-heavy), on the corpora kept in the build tree, and prints how many inputs each
# survived. Usage: run-long.sh SECONDS [BUILD_DIR]
#   BUILD_DIR  a build with SETTINGS_FUZZ=ON (default: build-asan at the top of the clone)
# Logs go to BUILD_DIR/fuzz/<name>/long.log, crashing inputs to BUILD_DIR/fuzz/<name>/artifacts.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:?usage: run-long.sh SECONDS [BUILD_DIR]}"
build="$(cd "${2:-$here/../../build-asan}" && pwd)"

status=0
for name in jpeg rtf content; do
    log="$build/fuzz/$name/long.log"
    mkdir -p "$(dirname "$log")"
    echo "fuzz_$name: ${seconds}s, log $log"
    if nice -n 19 bash "$here/run.sh" "$build/tests/fuzz/fuzz_$name" "$build/fuzz" "$seconds" \
        >"$log" 2>&1; then
        result="ok"
    else
        result="FAILED"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$name: $result, ${runs:-?} executions, corpus $(find "$build/fuzz/$name/corpus" -type f | wc -l) inputs"
done
exit $status

#!/usr/bin/env bash
# Fuzzes every reader of outside bytes: builds the fuzz targets with clang under AddressSanitizer
# and UndefinedBehaviorSanitizer, runs each for SECONDS (default 60) starting from its corpus in
# fuzz/corpus/, and prints one line a target, "NAME: N runs, M findings". Exits non-zero when any
# target found something; the input is kept in build-fuzz/findings/NAME/.
#
#   scripts/fuzz.sh [SECONDS]
#   FUZZ_RUNS=1000000 scripts/fuzz.sh     each target for that many executions instead
#   FUZZ_TARGETS="zip_archive tga_image"   only these targets
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

bash scripts/setup.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELKARN_FUZZ=ON -DVELKARN_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_targets

targets=${FUZZ_TARGETS:-$(ls fuzz/corpus)}
if [ -n "${FUZZ_RUNS:-}" ]; then
    limit=(-runs="$FUZZ_RUNS")
else
    limit=(-max_total_time="$seconds")
fi

failed=0
for name in $targets; do
    work=build-fuzz/work/$name        # inputs the fuzzer adds; the seeds stay as they are
    findings=build-fuzz/findings/$name
    log=build-fuzz/logs/$name.log
    rm -rf "$findings"
    mkdir -p "$work" "$findings" "$(dirname "$log")"
    # A reader that takes more than 10 s over one input hangs as far as a user can tell.
    status=0
    "build-fuzz/fuzz/fuzz_$name" "${limit[@]}" -timeout=10 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    runs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || true)
    [ -z "$runs" ] && runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#' || true)
    count=$(find "$findings" -type f | wc -l)
    [ "$status" -ne 0 ] && [ "$count" -eq 0 ] && count=1 # died without leaving its input
    echo "$name: ${runs:-0} runs, $count findings"
    if [ "$count" -ne 0 ]; then
        failed=1
        echo "    see $log and $findings/" >&2
    fi
done
exit $failed

#!/usr/bin/env bash
# Sets up, builds the benchmarks in Release and runs them. The content search benchmark makes
# its two folders of game archives (about 600 MB) once in the temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh libbenchmark-dev python3
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKARN_BUILD_BENCH=ON \
    -DVELKARN_BUILD_TESTS=OFF
cmake --build build-bench -j2 --target search_bench query_bench history_bench \
    window_bench filter_bench levelshot_bench demo_bench
./build-bench/bench/search_bench
./build-bench/bench/query_bench
./build-bench/bench/history_bench
./build-bench/bench/window_bench
./build-bench/bench/filter_bench
./build-bench/bench/levelshot_bench
./build-bench/bench/demo_bench tests/core/demos/fixtures/ffa-oa_dm1.dm_71

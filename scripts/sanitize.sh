#!/usr/bin/env bash
# Sets up, builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs it: a memory fault, a leak or undefined behaviour fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKARN_SANITIZE=ON \
    "$@"
cmake --build build-sanitize -j2
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

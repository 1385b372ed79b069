#!/usr/bin/env bash
# Sets up the machine and builds Velkarn into build/. Extra CMake options may follow.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja "$@"
cmake --build build -j2

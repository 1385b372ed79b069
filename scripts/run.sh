#!/usr/bin/env bash
# Sets up, builds and starts Velkarn; its list files live in the folder you run it from.
set -euo pipefail
here="$(pwd)"
bash "$(dirname "$0")/build.sh"
cd "$here"
exec "$(cd "$(dirname "$0")/.." && pwd)/build/velkarn" "$@"

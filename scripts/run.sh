#!/usr/bin/env bash
# Sets up, builds and starts Velkarn; its files live in ~/.local/share/velkarn (or --appdir).
set -euo pipefail
here="$(pwd)"
bash "$(dirname "$0")/build.sh"
cd "$here"
exec "$(cd "$(dirname "$0")/.." && pwd)/build/velkarn" "$@"

#!/usr/bin/env bash
# Runs Velkarn under Xvfb with its own session bus and the AT-SPI registry, the way Linux
# screen readers reach it, walks every window with the keyboard and lists their named
# controls; fails when a focusable control or a picture has no name.
# Usage: scripts/atspi-check.sh [PROGRAM] [DISPLAY]   (build/velkarn and :97 unless given)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$(realpath "${1:-$root/build/velkarn}")"
display="${2:-:97}"
work="$(mktemp -d)"
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
# A game folder of its own, so the first start asks nothing and no real game is touched.
mkdir -p "$work/game/baseq3" "$work/app"
printf '%s/game/\r\n\r\n' "$work" >"$work/app/path.txt"

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    "$1" --appdir "$2" &
    app=$!
    sleep 4
    status=0
    /usr/bin/python3 "$3" velkarn "$app" || status=$?
    kill "$app" 2>/dev/null || true
    exit "$status"
' atspi-check "$program" "$work/app" "$root/scripts/atspi_walk.py"

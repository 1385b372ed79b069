#!/usr/bin/python3
"""Walks Velkarn's windows through AT-SPI, as a screen reader meets them.

Run by scripts/atspi-check.sh inside its session bus. Opens every window with the keyboard
(xdotool, no pointer), lists each window's named controls, and exits 1 when a focusable
control or a picture has no name.
"""
import subprocess
import sys
import time

import pyatspi

APP_PID = int(sys.argv[2]) if len(sys.argv) > 2 else 0

# Keys that bring each window and page on screen, from the Begin page; a pause after each.
TOUR = [
    ("Begin page", []),
    ("Simple page, random setup", ["alt+s", "alt+g"]),
    ("Simple page, pre-defined setups", ["alt+k", "alt+p", "alt+g"]),
    ("Complex page", ["alt+k", "alt+m", "alt+g"]),
    ("Network page, saved servers", ["alt+k", "alt+j", "alt+g"]),
    ("Buddies", ["alt+b"]),
    ("Find Servers", ["Escape", "alt+i"]),
    ("Network page, new server", ["Escape", "alt+k", "alt+c", "alt+g"]),
    ("Game Options", ["alt+k", "alt+o", "a"]),
    ("Player Options", ["Escape", "alt+o", "p"]),
    ("About", ["Escape", "alt+h", "a"]),
    ("Test Report", ["Escape", "alt+h", "t"]),
    ("Results", ["Escape", "ctrl+r"]),
]


def application(name, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    sys.exit(f"no application {name} on the accessibility bus")


def walk(node, window, seen, unnamed):
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
    except Exception:
        return
    reachable = states.contains(pyatspi.STATE_FOCUSABLE) or node.getRole() == pyatspi.ROLE_IMAGE
    showing = states.contains(pyatspi.STATE_SHOWING)
    key = (window, role, name)
    if showing and reachable and key not in seen:
        seen.add(key)
        if name.strip():
            print(f"  {role}: {name}")
        elif node.getRole() not in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM):
            unnamed.append(f"{window}: {role} without a name")
    for i in range(min(node.childCount, 500)):
        walk(node.getChildAtIndex(i), window, seen, unnamed)


def focus_newest_window():
    """Gives the keyboard to the newest window: Xvfb has no window manager to do it."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(APP_PID), "."],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)


def main():
    app = application(sys.argv[1] if len(sys.argv) > 1 else "velkarn")
    seen, unnamed = set(), []
    for step, keys in TOUR:
        for key in keys:
            focus_newest_window()
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            time.sleep(0.6)
        time.sleep(1.0)
        print(f"{step}:")
        for window in app:
            if window is not None:
                walk(window, window.name or "(window)", seen, unnamed)
    for problem in unnamed:
        print("UNNAMED " + problem)
    print(f"{len(seen)} controls seen, {len(unnamed)} without a name")
    return 1 if unnamed else 0


if __name__ == "__main__":
    sys.exit(main())

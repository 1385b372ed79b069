#!/usr/bin/env python3
"""The baseline of the map collection: Python's zipfile lists every archive below a folder and
reads its arena and bot texts, as the content search needs them. Prints the fastest of ROUNDS
runs in milliseconds, then the number of archives, entries and texts read.

Usage: zipfile_search.py FOLDER [ROUNDS]"""

import os
import sys
import time
import zipfile


def is_text(name):
    base = name.rsplit("/", 1)[-1]
    return base in ("arenas.txt", "bots.txt") or base.endswith((".arena", ".bot"))


def search(folder):
    archives = entries = texts = 0
    for root, _, files in os.walk(folder):
        for file in files:
            if not file.endswith(".pk3"):
                continue
            with zipfile.ZipFile(os.path.join(root, file)) as archive:
                archives += 1
                for info in archive.infolist():
                    entries += 1
                    if is_text(info.filename):
                        archive.read(info)
                        texts += 1
    return archives, entries, texts


def main():
    folder = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    best = float("inf")
    for _ in range(rounds):
        start = time.perf_counter()
        counts = search(folder)
        best = min(best, time.perf_counter() - start)
    print(f"{best * 1000:.2f} {counts[0]} {counts[1]} {counts[2]}")


if __name__ == "__main__":
    main()

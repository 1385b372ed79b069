#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of src/, two at a time,
# from the compile database of build/. Run it after a build: the sources include what moc wrote.
# Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd | sed 's/[][\.*^$+?(){}|]/\\&/g')
# The tool prints each command it runs and how many warnings of other code it hid; only the
# findings are worth reading.
run-clang-tidy -p build -j2 -quiet "^$root/src/" 2>&1 |
    sed -e '/^clang-tidy[-0-9]* /d' -e '/^[0-9]* warnings generated\.$/d'

#!/usr/bin/env bash
# Builds a Release Debian package of Velkarn in build-package/ and prints the path of the .deb,
# so `apt-get install "$(bash scripts/package.sh)"` installs it. Everything else goes to
# standard error. JOBS sets how many compilers run at once (2).
set -euo pipefail
cd "$(dirname "$0")/.."
{
    # dpkg-shlibdeps (dpkg-dev) and file find the package's dependencies from its libraries.
    bash scripts/setup.sh dpkg-dev file
    cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKARN_BUILD_TESTS=OFF
    cmake --build build-package -j"${JOBS:-2}"
    rm -f build-package/velkarn_*.deb
    (cd build-package && cpack -G DEB)
} >&2
realpath build-package/velkarn_*.deb

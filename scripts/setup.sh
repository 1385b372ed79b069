#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velkarn need. Safe to run again: it
# installs only what is missing, and refreshes the package lists first because a fresh machine
# has stale ones.
set -euo pipefail

# desktop-file-utils, appstream and man-db check the installed files; systemd brings
# systemd-analyze, which checks the service unit that serve prints; dbus-daemon carries the
# desktop notification test's own session bus; libyaml-cpp-dev reads the printed Kubernetes
# manifests back in the tests, and openarena-server is the real engine a server Pod's talk with
# Agones is checked against.
# libgeoip-dev and geoip-database place each server's address in its country, and
# famfamfam-flag-png gives the flag shown for it.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite qt6-charts-dev
          zlib1g-dev libzip-dev libjpeg62-turbo-dev libgtest-dev
          desktop-file-utils appstream man-db systemd dbus-daemon libyaml-cpp-dev
          openarena-server libgeoip-dev geoip-database famfamfam-flag-png "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"

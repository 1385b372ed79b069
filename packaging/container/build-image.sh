#!/usr/bin/env bash
# Builds the server image with Podman: the Velkarn package first (scripts/package.sh), then the
# Containerfile over Debian's packages. IMAGE names the image (velkarn-server:VERSION), BASE the
# Debian 12 image it starts from (docker.io/library/debian:bookworm-slim); the package lists come
# from Debian's mirrors. Prints the image's name.
set -euo pipefail
cd "$(dirname "$0")/../.."
deb="$(bash scripts/package.sh)"
version="$(basename "$deb" | cut -d_ -f2)"
image="${IMAGE:-velkarn-server:$version}"
context="$(mktemp -d)"
trap 'rm -rf "$context"' EXIT
cp "$deb" packaging/container/Containerfile "$context/"
podman build --build-arg "BASE=${BASE:-docker.io/library/debian:bookworm-slim}" \
    -t "$image" -f "$context/Containerfile" "$context" >&2
echo "$image"

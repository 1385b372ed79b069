#!/usr/bin/env bash
# Builds the server image with Podman: the Velkarn package first (scripts/package.sh, unless DEB
# names one already built), then the Containerfile over Debian's packages. IMAGE names the image
# (localhost/velkarn-server:VERSION, the one the manifests name by default), BASE the Debian 12
# image it starts from (docker.io/library/debian:bookworm-slim); the package lists come from
# Debian's mirrors. Prints the image's name.
set -euo pipefail
deb="${DEB:+$(realpath "$DEB")}"
cd "$(dirname "$0")/../.."
deb="${deb:-$(bash scripts/package.sh)}"
version="$(basename "$deb" | cut -d_ -f2)"
image="${IMAGE:-localhost/velkarn-server:$version}"
context="$(mktemp -d)"
trap 'rm -rf "$context"' EXIT
cp "$deb" packaging/container/Containerfile "$context/"
podman build --build-arg "BASE=${BASE:-docker.io/library/debian:bookworm-slim}" \
    -t "$image" -f "$context/Containerfile" "$context" >&2
echo "$image"

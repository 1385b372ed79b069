#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as a package would, and checks what a desktop, a
# software centre and man read: the desktop entry, the AppStream metadata and the manual page.
# Usage: check-install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3

for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

missing=0
for file in "$root/usr/bin/velkarn" \
            "$share/icons/hicolor/scalable/apps/$id.svg" \
            "$share/icons/hicolor/"{48x48,128x128,256x256}"/apps/$id.png"; do
    [ -f "$file" ] || { echo "not installed: ${file#"$root"}" >&2; missing=1; }
done
[ "$missing" -eq 0 ]

# The entry must name the icon installed above, or menus show a blank one.
grep -qx "Icon=$id" "$share/applications/$id.desktop" \
    || { echo "$id.desktop does not name the icon $id" >&2; exit 1; }

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

# groff's warnings go to standard error; any of them is a fault in the page.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
           man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/man6/velkarn.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man velkarn: $warnings" >&2; exit 1; }

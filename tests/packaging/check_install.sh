#!/usr/bin/env bash
# Stages an install of the build tree given as $1 and checks what a desktop needs of it.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null

id=org.kestravon.Kestravon
share="$stage/usr/share"
fail() { echo "check_install: $*" >&2; exit 1; }

[ -x "$stage/usr/bin/kestravon" ] || fail "bin/kestravon is missing"
for size in 16 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "icon $size is missing"
    # A PNG's width and height stand big-endian at bytes 16 to 23.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$dims" = "$size $size" ] || fail "icon $size is $dims"
done
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
echo "check_install: the staged install is complete and valid"

#!/usr/bin/env bash
# check_install.sh BUILD_DIR LICENSE: installs the build tree into a
# scratch prefix and checks what an installed Zorvanel is made of.
set -euo pipefail
build=$1 licence=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.zorvanel.Zorvanel
expected="bin/zorvanel
share/applications/$id.desktop
share/doc/zorvanel/changelog.gz
share/doc/zorvanel/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/man/man1/zorvanel.1.gz
share/metainfo/$id.metainfo.xml
share/zorvanel/CameraDB.ptb
share/zorvanel/Translation.lang"
# Nothing else: the driver, the tools and the tests stay behind.
diff -u <(echo "$expected") <(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)

for size in 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  file "$png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
    { echo "not a ${size}px RGBA icon: $(file "$png")"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# groff's warnings (bad requests, unknown fonts) fail the check.
warnings=$(zcat "$prefix/share/man/man1/zorvanel.1.gz" | groff -man -ww -z 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
# The copyright file gives the licence word for word as LICENSE does.
copyright=$prefix/share/doc/zorvanel/copyright
grep -qx 'License: MIT' "$copyright" || { echo "no MIT licence in $copyright"; exit 1; }
diff -u <(sed -n '/^Permission/,$p' "$licence") \
        <(sed -n '/^ Permission/,$s/^ \.\{0,1\}//p' "$copyright")
echo "installed tree OK"

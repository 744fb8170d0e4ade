#!/bin/bash
# Builds the Debian package from the build tree with CPack into WORK and
# unpacks it into WORK/root, as a fresh install would lay it out.
#   build_package.sh CPACK CPACK_CONFIG VERSION WORK
set -euo pipefail
cpack=$1 config=$2 version=$3 work=$4

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$config" -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb="$work/tarvix_${version}_$(dpkg --print-architecture).deb"
if [[ ! -f $deb ]]; then
    echo "no $deb; the package folder holds:"; ls "$work"
    exit 1
fi
dpkg-deb -x "$deb" "$work/root"
echo "built and unpacked $deb"

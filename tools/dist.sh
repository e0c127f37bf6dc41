#!/usr/bin/env bash
# Makes the distribution from the built program folder: the installer (NSIS, 64-bit) and the
# portable zip, which holds the program folder as the installer lays it out. The version is
# the one of the programs' version resource.
#   tools/dist.sh PROGRAM_DIR DIST_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "$1" && pwd)
mkdir -p "$2"
dist=$(cd "$2" && pwd)
version=$("$root/tools/product-version.sh")
setup="$dist/TesslyDozidiDavazez-$version-setup.exe"
zip="$dist/TesslyDozidiDavazez-$version-portable.zip"

makensis -V2 -INPUTCHARSET UTF8 -DSOURCE_DIR="$program" -DVERSION="$version" -DOUT_FILE="$setup" \
    "$root/installer/TesslyDozidiDavazez.nsi"
echo "dist: $setup"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder="$stage/Tessly Dozidi Davazez"
mkdir -p "$folder/lang" "$folder/help"
cp "$program"/TesslyMBCfg.exe "$program"/TesslyMBsrv.exe "$program"/update.exe "$folder/"
cp "$program"/lang/*.lng "$folder/lang/"
cp "$program"/help/*.chm "$folder/help/"
rm -f "$zip"
(cd "$stage" && zip -qr -X "$zip" "Tessly Dozidi Davazez")
echo "dist: $zip"

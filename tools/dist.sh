#!/usr/bin/env bash
# Makes the distribution from the built program folder: the installer (NSIS, 64-bit), the
# portable zip, which holds the program folder as the installer lays it out, and the
# administrative templates for administrators (the folder policies/ and a zip of it), written
# by the native admx tool. The version is the one of the programs' version resource.
#   tools/dist.sh PROGRAM_DIR DIST_DIR ADMX_TOOL
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "$1" && pwd)
mkdir -p "$2"
dist=$(cd "$2" && pwd)
admx=${3:?usage: tools/dist.sh PROGRAM_DIR DIST_DIR ADMX_TOOL}
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

policies="$dist/policies"
policies_zip="$dist/TesslyDozidiDavazez-$version-policies.zip"
rm -rf "$policies" "$policies_zip"
"$admx" write "$policies" "$root/translations/policies"
(cd "$dist" && zip -qr -X "$policies_zip" policies)
echo "dist: $policies_zip"

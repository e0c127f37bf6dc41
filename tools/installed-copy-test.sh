#!/usr/bin/env bash
# Runs the installed-copy test as a standard user would meet the program: the product and the
# test program in a folder named outside the system's code page, with spaces, that the user
# may not write to, run by a user without rights to it (as root, a user made for the purpose;
# otherwise the caller, who cannot write a folder without write permission), with that user's
# own Wine prefix and virtual display. Everything it starts is ended before it returns.
#   tools/installed-copy-test.sh TEST_EXE PRODUCT_DIR MARKER_EXE DAMAGED_LANGUAGE_FILE
set -euo pipefail
test_exe=$1 product=$2 marker=$3 damaged=$4

stage=$(mktemp -d /tmp/tessly-installed.XXXXXX)
chmod 755 "$stage"
install="$stage/Tessly Тест Ω"
mkdir -p "$install/lang"
cp "$product/TesslyMBCfg.exe" "$product/TesslyMBsrv.exe" "$test_exe" "$marker" "$install/"
cp "$product"/lang/*.lng "$install/lang/"
# Offered in the Language menu by its header, failing when chosen.
head -c 300 "$damaged" >"$install/lang/$(basename "$damaged")"
chmod -R a-w "$install"

if [ "$(id -u)" = 0 ]; then
    user=tessly-standard
    id -u "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
    home=$(getent passwd "$user" | cut -d: -f6)
    as_user() { runuser -u "$user" -- env HOME="$home" USER="$user" LOGNAME="$user" "$@"; }
else
    home=$HOME
    as_user() { "$@"; }
fi
export WINEPREFIX="$home/.wine-tessly-installed" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

finish() {
    as_user env WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
    chmod -R u+w "$stage"
    rm -rf "$stage"
}
trap finish EXIT

status=0
as_user env WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="$WINEDLLOVERRIDES" \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c 'test -f "$WINEPREFIX/system.reg" || { wineboot -i >/dev/null 2>&1; wineserver -w; }; wine "$1"' \
    _ "$install/$(basename "$test_exe")" || status=$?
# What the program generated, all of it in the user's own data folder.
find "$WINEPREFIX/drive_c/users" -path '*TesslySoftware/DozidiDavazez*' -printf '%P  %s bytes\n' 2>/dev/null | sort
exit $status

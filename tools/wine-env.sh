#!/usr/bin/env bash
# Runs a command with the project's private Wine prefix (created on first use).
# Used as the cross-compiling emulator of the Windows tests and by `make run`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installers: the program needs neither. A test adds overrides of its own
# through TEST_DLLOVERRIDES (its programs inherit them).
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${TEST_DLLOVERRIDES:+;$TEST_DLLOVERRIDES}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
exec "$@"

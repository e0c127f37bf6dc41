#!/usr/bin/env bash
# Prints the booster service's own processor share at a 1 s refresh.
# Usage: tools/service-cpu.sh <service exe> [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
key='HKCU\Software\TesslySoftware\DozidiDavazez'
"$root/tools/wine-env.sh" wine reg add "$key" /v IconTimeRefresh /t REG_DWORD /d 0 /f >/dev/null 2>&1
exec "$root/tools/program-cpu.sh" "service at a 1 s refresh," 0.1 "${2:-30}" "$1"

#!/usr/bin/env bash
# Runs one Windows test program under Wine for ctest. Its output goes through a file: a
# program that the test started and left running (the booster service) inherits the output
# of the process that launched it, and would otherwise keep ctest waiting for it.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
log=$(mktemp)
"$root/tools/wine-env.sh" wine "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status

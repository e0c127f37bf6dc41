#!/usr/bin/env bash
# Prints the booster service's own processor share at a 1 s refresh, summed from the
# kernel's accounting of the service's threads. (Under Wine the times the system reports
# to another program for the service come out about ten times too high.)
# Usage: tools/service-cpu.sh <service exe> [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
seconds=${2:-30}
key='HKCU\Software\TesslySoftware\DozidiDavazez'
"$root/tools/wine-env.sh" wine reg add "$key" /v IconTimeRefresh /t REG_DWORD /d 0 /f >/dev/null 2>&1
"$root/tools/wine-env.sh" wine "$program" &
service=$!
sleep 5  # past its start
busy() { cat /proc/$service/task/*/schedstat | awk '{ ns += $1 } END { print ns }'; }
before=$(busy)
sleep "$seconds"
after=$(busy)
kill "$service"
awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN {
    printf "service processor share over %d s at a 1 s refresh: %.3f %% of a core (goal below 0.1 %%)\n", s, (b - a) / (s * 1e7) }'

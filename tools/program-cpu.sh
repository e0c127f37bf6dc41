#!/usr/bin/env bash
# Prints a program's own processor share while it runs under Wine, summed from the
# kernel's accounting of its threads. (Under Wine the times the system reports to another
# program come out about ten times too high.) The program is ended afterwards.
# Usage: tools/program-cpu.sh <what> <goal> <seconds> <exe> [arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
what=$1
goal=$2
seconds=$3
shift 3
"$root/tools/wine-env.sh" wine "$@" &
program=$!
sleep 5  # past its start
busy() { cat /proc/$program/task/*/schedstat | awk '{ ns += $1 } END { print ns }'; }
before=$(busy)
sleep "$seconds"
after=$(busy)
kill "$program"
awk -v a="$before" -v b="$after" -v s="$seconds" -v what="$what" -v goal="$goal" 'BEGIN {
    printf "%s processor share over %d s: %.3f %% of a core (goal below %s %%)\n", what, s, (b - a) / (s * 1e7), goal }'

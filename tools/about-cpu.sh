#!/usr/bin/env bash
# Prints the configurator's processor share while its About box animates (the marquee
# scrolling every 250 ms, the credits fading in every 2.1 s).
# Usage: tools/about-cpu.sh <configurator exe> [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/tools/program-cpu.sh" "About box animating," 2 "${2:-30}" "$1" -about

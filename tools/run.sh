#!/usr/bin/env bash
# Starts the configurator from the product folder. Without a display it runs on a virtual
# one, saves a screenshot after a few seconds and prints its path; with a display it runs
# until the program ends. The private Wine server is ended afterwards either way.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program="$root/build/win/bin/TesslyMBCfg.exe"
shot="$root/build/screenshot.png"
wine_env="$root/tools/wine-env.sh"
trap '"$wine_env" wineserver -k 2>/dev/null || true' EXIT

if [ -n "${DISPLAY:-}" ]; then
    "$wine_env" wine "$program" "$@"
    exit 0
fi

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" wine "$2" "${@:4}" &
    sleep "${RUN_SECONDS:-6}"
    import -window root "$3"
' run "$wine_env" "$program" "$shot" "$@"
echo "screenshot: $shot"

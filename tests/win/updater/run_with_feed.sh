#!/usr/bin/env bash
# Runs the updater's test program under Wine with the test feed server on 127.0.0.1 beside
# it (its port in FEED_PORT); the server is stopped afterwards and stops itself anyway.
#   run_with_feed.sh TEST_EXE
set -uo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
version=$("$root/tools/product-version.sh")
port_file=$(mktemp)
python3 "$(dirname "$0")/feed_server.py" "$port_file" "$version" 120 &
server=$!
for _ in $(seq 50); do [ -s "$port_file" ] && break; sleep 0.1; done
FEED_PORT=$(cat "$port_file") "$root/tools/wine-test.sh" "$1"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -f "$port_file"
exit $status

#!/usr/bin/env bash
# Runs the fuzz targets of a clang build (all, or those named) for a while each, from their
# seed inputs into a corpus kept in the build folder, with a longest input, a memory limit
# and a time limit per input (FUZZ_TIMEOUT seconds, more on a busy machine). A failing input
# lands in BUILD/artifacts as crash-*, oom-* or timeout-*; once its fault is fixed it becomes a
# seed, replayed by `make test`.
#   tools/fuzz.sh BUILD SECONDS [TARGET...]
set -euo pipefail
build=$1 seconds=$2 timeout=${FUZZ_TIMEOUT:-10}
shift 2
mkdir -p "$build/artifacts"
failed=0
while read -r name program max_len seeds; do
    if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
    mkdir -p "$build/corpus/$name"
    # shellcheck disable=SC2086  # the seed folders are separate words
    "$program" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -timeout="$timeout" \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" "$build/corpus/$name" $seeds \
        </dev/null >"$build/$name.log" 2>&1 && status=0 || status=$?
    grep -E '^(==|stat::number_of_executed_units|#[0-9]+ +DONE)|ERROR' "$build/$name.log" || true
    echo "$name: exit $status, $(grep -o 'number_of_executed_units: [0-9]*' "$build/$name.log")"
    [ "$status" -eq 0 ] || failed=1
done < "$build/fuzz_targets.txt"
exit "$failed"

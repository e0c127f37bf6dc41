#!/usr/bin/env bash
# Runs every fuzz target of a clang build for a while each, from its seed inputs into a
# corpus kept in the build folder. A failing input lands in the build folder as crash-*.
#   tools/fuzz.sh BUILD SECONDS
set -euo pipefail
build=$1 seconds=$2
run() {  # name, target path below tests/core, seed folders...
    local name=$1 target=$2
    shift 2
    mkdir -p "$build/corpus/$name"
    "$build/tests/core/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/" "$build/corpus/$name" "$@"
}
run forms forms/form_fuzz tests/core/forms/fuzz/seeds forms
for t in lzk langfile pe; do
    run "$t" "localizer/${t}_fuzz" "tests/core/localizer/fuzz/seeds/$t"
done
run feed update/feed_fuzz tests/core/update/fuzz/seeds

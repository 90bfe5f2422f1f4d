#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer and runs every fuzz_* target
# for a bounded time (FUZZ_SECONDS, default 60), side by side, as many at once
# as there are cores (FUZZ_JOBS). Each target keeps its own corpus in
# build-fuzz/corpus/<target> from run to run, starting from the inputs of
# fuzz/seeds.sh; its output goes to build-fuzz/logs/<target>.log and an input
# that fails it to build-fuzz/artifacts/. Ends with the inputs each target ran
# and fails when any target failed.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
jobs=${FUZZ_JOBS:-$(nproc)}
out=build-fuzz
CXX=clang++ cmake -S . -B "$out" -G Ninja -DQUELVAR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" --parallel
sh fuzz/seeds.sh "$out/corpus"
mkdir -p "$out/logs" "$out/artifacts"

targets=$(find "$out/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
if [ -z "$targets" ]; then
    echo "No fuzz targets yet."
    exit 0
fi

echo "== fuzzing $(echo "$targets" | wc -l) targets for $seconds s each, $jobs at once"
# One target: its corpus, its log and its exit status (read below).
echo "$targets" | xargs -P "$jobs" -I '{}' sh -c '
    name=$(basename "$1")
    mkdir -p "$2/corpus/$name"
    status=0
    "$1" -max_total_time="$3" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$2/artifacts/$name-" "$2/corpus/$name" >"$2/logs/$name.log" 2>&1 || status=$?
    echo "$status" >"$2/logs/$name.status"
' sh '{}' "$out" "$seconds"

failed=0
for target in $targets; do
    name=$(basename "$target")
    log="$out/logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    status=$(cat "$out/logs/$name.status")
    if [ "$status" = 0 ]; then
        echo "$name: ${runs:-?} inputs, ${rate:-?} a second"
    else
        failed=1
        echo "$name: FAILED (exit $status); the end of $log:"
        tail -n 40 "$log"
    fi
done
exit "$failed"

#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded
# time (FUZZ_SECONDS, default 60), starting from the inputs of fuzz/seeds.sh.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUELVAR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --parallel
sh fuzz/seeds.sh build-fuzz/corpus
found=0
for target in build-fuzz/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    echo "== $name ($seconds s)"
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
done
[ "$found" = 1 ] || echo "No fuzz targets yet."

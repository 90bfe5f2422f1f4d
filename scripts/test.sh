#!/bin/sh
# Installs what the client needs, builds it and runs every test: the test
# suite, the check that a rebuild keeps the files the player changed, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and each fuzz target for a bounded time.
# QUELVAR_QUICK=1 runs only the plain test suite and that check.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

./scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
./scripts/check-kept-files.sh build

if [ "${QUELVAR_QUICK:-0}" = 1 ]; then
    exit 0
fi

# Leaks inside the sound and desktop libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1"
./scripts/build.sh build-sanitize -DQUELVAR_SANITIZE=ON -DQUELVAR_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"

./scripts/fuzz.sh

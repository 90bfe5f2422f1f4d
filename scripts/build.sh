#!/bin/sh
# Configures and builds the client into build/ (or $1), with extra CMake
# options after it. QUELVAR_TARGET=Quelvar builds only the program and the
# files beside it, not the tests, benchmarks and tools.
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build}
[ $# -gt 0 ] && shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel ${QUELVAR_TARGET:+--target "$QUELVAR_TARGET"}

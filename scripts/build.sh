#!/bin/sh
# Configures and builds the client into build/ (or $1), with extra CMake
# options after it.
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build}
[ $# -gt 0 ] && shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel

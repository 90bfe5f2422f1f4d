#!/bin/sh
# Checks on a built tree (build/, or $1) that a rebuild after a change to the
# asset generator keeps the data files beside the executable that the player
# or the game's operator changed, creates one that is missing, and that a
# build with nothing new to do does nothing.
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build}
ini="$dir/bin/Endpoints.ini"
saved=$(mktemp)
cp "$ini" "$saved"
trap 'cp "$saved" "$ini"; rm -f "$saved"' EXIT
fail() {
    echo "check-kept-files: $1" >&2
    exit 1
}

sed -i 's#^WebHost=.*#WebHost=http://kept.example.org#' "$ini"
rm -f "$dir/bin/DesignData.Dat"
touch assets/generator/DataFiles.cpp
QUELVAR_TARGET=Quelvar ./scripts/build.sh "$dir" >/dev/null
grep -q '^WebHost=http://kept.example.org' "$ini" || fail "the rebuild wrote over Endpoints.ini"
grep -q '^NumberButtons=' "$dir/bin/DesignData.Dat" || fail "the rebuild did not create a missing DesignData.Dat"
QUELVAR_TARGET=Quelvar ./scripts/build.sh "$dir" | grep -q 'no work to do' || fail "a build with nothing new to do did something"
echo "check-kept-files: the rebuild kept the changed files"

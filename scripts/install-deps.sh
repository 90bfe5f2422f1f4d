#!/bin/sh
# Installs everything the client needs to build, run and test on Debian 12.
# Run as root. Nothing else is downloaded at build or run time.
set -eu
export DEBIAN_FRONTEND=noninteractive
PACKAGES="build-essential cmake ninja-build pkgconf ccache \
 qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev \
 gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
 libtag1-dev libgtest-dev libgmock-dev googletest libbenchmark-dev \
 clang libclang-rt-14-dev \
 fonts-dejavu-core fonts-liberation \
 xvfb xauth"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y --no-install-recommends $missing
fi

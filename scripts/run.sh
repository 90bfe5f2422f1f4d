#!/bin/sh
# Installs what the client needs, builds it (the program and its files only)
# and starts it. Without a display the client is started on a virtual one
# (Xvfb).
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
QUELVAR_TARGET=Quelvar ./scripts/build.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the client on a virtual display (Xvfb, 1024x768)."
    exec xvfb-run -a -s "-screen 0 1024x768x24" ./build/bin/Quelvar
fi
exec ./build/bin/Quelvar

#!/usr/bin/env bash
# Set-up and start the program: installs what is missing, builds, starts qv730.
#   scripts/run.sh                  start the programming software
#   scripts/run.sh --virtual-radio  also start the virtual radio and map COM1 to it
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
qv730_install_dependencies

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
BIN="$BUILD_DIR/bin"

if [ -x "$BIN/qv730" ]; then
    exec "$BIN/qv730" "$@"
fi
# Until the main window is built, show what the start-up template holds.
exec "$BIN/qv730-cli" info "$BIN/default.tw"

#!/usr/bin/env bash
# Set-up and start the program: installs what is missing, builds, starts qv730.
#   scripts/run.sh                  start the programming software
#   scripts/run.sh --virtual-radio  also start the virtual radio and map COM1 to it, so Read and
#                                   Write work with no hardware; the radio keeps its memory in
#                                   build/bin/virtual-radio.tw between runs
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
qv730_install_dependencies

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV730_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target qv730 qv730-cli qv730-radiosim
BIN="$BUILD_DIR/bin"

if [ "${1:-}" = "--virtual-radio" ]; then
    shift
    memory="$BIN/virtual-radio.tw"
    [ -f "$memory" ] || cp "$BIN/default.tw" "$memory"
    link="${XDG_RUNTIME_DIR:-/tmp}/qv730-virtual-radio"
    rm -f "$link"
    "$BIN/qv730-radiosim" --image "$memory" --save "$memory" --link "$link" --pace \
        >"$BUILD_DIR/virtual-radio.log" 2>&1 &
    radio=$!
    trap 'kill $radio 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
    [ -e "$link" ] || { echo "the virtual radio did not start; see $BUILD_DIR/virtual-radio.log" >&2; exit 1; }
    # COM1 of this build opens the virtual radio.
    sed -i '/^COM1=/d' "$BIN/Radio.INI"
    grep -q '^\[Ports\]' "$BIN/Radio.INI" || printf '\n[Ports]\n' >>"$BIN/Radio.INI"
    sed -i "/^\[Ports\]/a COM1=$link" "$BIN/Radio.INI"
    echo "virtual radio on $link (COM1); its frames are logged in $BUILD_DIR/virtual-radio.log"
    "$BIN/qv730" "$@"
    exit
fi
exec "$BIN/qv730" "$@"

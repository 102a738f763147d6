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
    # COM1 opens the virtual radio: the program reads a copy of Radio.INI with that mapping from
    # a folder of its own, so the Radio.INI of the build stays as it was built.
    ini_dir="$BUILD_DIR/virtual-radio-ini"
    mkdir -p "$ini_dir"
    sed '/^COM1=/d' "$BIN/Radio.INI" >"$ini_dir/Radio.INI"
    grep -q '^\[Ports\]' "$ini_dir/Radio.INI" || printf '\n[Ports]\n' >>"$ini_dir/Radio.INI"
    sed -i "/^\[Ports\]/a COM1=$link" "$ini_dir/Radio.INI"
    echo "virtual radio on $link (COM1); its frames are logged in $BUILD_DIR/virtual-radio.log"
    "$BIN/qv730" --ini-dir "$ini_dir" "$@"
    exit
fi
exec "$BIN/qv730" "$@"

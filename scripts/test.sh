#!/usr/bin/env bash
# Set-up and pass the tests: installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs short fuzzing runs of the data-file decoder and the channel
# paste, then ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
qv730_install_dependencies

BUILD_DIR=${BUILD_DIR:-build-test}
JOBS=${JOBS:-$(nproc)}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV730_SANITIZE=ON -DQV730_BENCH=OFF
cmake --build "$BUILD_DIR" -j "$JOBS"

# Bounded runs of the fuzzers of outside input when clang is at hand (the long runs are done by
# hand): the .tw decoder and the channel grid's paste.
if command -v clang++ >/dev/null 2>&1; then
    FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
    cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQV730_FUZZ=ON -DQV730_BENCH=OFF >/dev/null
    cmake --build "$FUZZ_DIR" -j "$JOBS" --target fuzz_data_file fuzz_channel_paste
    run_fuzzer() {
        local name=$1 max_len=$2 seeds=$3
        mkdir -p "$FUZZ_DIR/corpus-$name"
        if ! "$FUZZ_DIR/bin/$name" -max_total_time="${FUZZ_SECONDS:-30}" -max_len="$max_len" \
            "$FUZZ_DIR/corpus-$name" "$seeds" >"$FUZZ_DIR/$name.log" 2>&1; then
            cat "$FUZZ_DIR/$name.log"
            echo "the fuzzer $name found a failing input (see above)" >&2
            exit 1
        fi
        echo "$name: $(grep -E '^Done' "$FUZZ_DIR/$name.log")"
    }
    run_fuzzer fuzz_data_file 20000 fuzz/seeds
    run_fuzzer fuzz_channel_paste 4000 fuzz/paste_seeds
fi

(cd "$BUILD_DIR" && ctest --output-on-failure -j "$JOBS")

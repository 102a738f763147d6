#!/usr/bin/env bash
# Set-up and pass the tests: installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs a short fuzzing run of the data-file decoder, then ctest.
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

# A bounded run of the file-decoder fuzzer when clang is at hand (the long runs are done by hand).
if command -v clang++ >/dev/null 2>&1; then
    FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
    cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQV730_FUZZ=ON -DQV730_BENCH=OFF >/dev/null
    cmake --build "$FUZZ_DIR" -j "$JOBS" --target fuzz_data_file
    mkdir -p "$FUZZ_DIR/corpus"
    if ! "$FUZZ_DIR/bin/fuzz_data_file" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=20000 \
        "$FUZZ_DIR/corpus" fuzz/seeds >"$FUZZ_DIR/fuzz.log" 2>&1; then
        cat "$FUZZ_DIR/fuzz.log"
        echo "the fuzzer found a failing input (see above)" >&2
        exit 1
    fi
    echo "fuzz_data_file: $(grep -E '^Done' "$FUZZ_DIR/fuzz.log")"
fi

(cd "$BUILD_DIR" && ctest --output-on-failure -j "$JOBS")

#!/usr/bin/env bash
# Set-up and pass the tests: installs what is missing, checks the format of the sources, builds
# with AddressSanitizer and UndefinedBehaviorSanitizer, runs short fuzzing runs of the data-file
# decoder, the CSV import and the channel grid's paste, then ctest. A text of the sources without
# its finished Chinese translation fails the run first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
qv730_install_dependencies

BUILD_DIR=${BUILD_DIR:-build-test}
JOBS=${JOBS:-$(nproc)}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Every tracked C++ source keeps the repository's format (.clang-format), so style cannot drift.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# The benchmark programs are built too (not run), so a change that breaks them fails here.
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQV730_SANITIZE=ON -DQV730_BENCH=ON
cmake --build "$BUILD_DIR" -j "$JOBS"
(cd "$BUILD_DIR" && ctest -R '^translations_complete$' --no-tests=error --output-on-failure)

# Bounded runs of the fuzzers of outside input when clang is at hand (the long runs are done by
# hand): the .tw decoder, the channel-plan CSV import and the channel grid's paste.
if command -v clang++ >/dev/null 2>&1; then
    FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
    cmake -S . -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DQV730_FUZZ=ON -DQV730_BENCH=OFF >/dev/null
    cmake --build "$FUZZ_DIR" -j "$JOBS" --target fuzz_data_file fuzz_channel_csv \
        fuzz_channel_paste
    run_fuzzer() {  # name, seed folder, maximum input length
        mkdir -p "$FUZZ_DIR/corpus-$1"
        if ! "$FUZZ_DIR/bin/$1" -max_total_time="${FUZZ_SECONDS:-30}" -max_len="$3" \
            "$FUZZ_DIR/corpus-$1" "$2" >"$FUZZ_DIR/$1.log" 2>&1; then
            cat "$FUZZ_DIR/$1.log"
            echo "$1 found a failing input (see above)" >&2
            exit 1
        fi
        echo "$1: $(grep -E '^Done' "$FUZZ_DIR/$1.log")"
    }
    run_fuzzer fuzz_data_file fuzz/seeds 20000
    run_fuzzer fuzz_channel_csv fuzz/csv_seeds 4096
    run_fuzzer fuzz_channel_paste fuzz/paste_seeds 4000
fi

(cd "$BUILD_DIR" && ctest --output-on-failure -j "$JOBS")

#!/usr/bin/env bash
# Builds the tests that need no browser engine with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs them, then builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# FUZZ_SECONDS (60 unless set) on a copy of its seed corpus. Any sanitizer finding, crash or failed property fails;
# the input that failed a fuzz target is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-14 libclang-rt-14-dev
seconds="${FUZZ_SECONDS:-60}"
export ASAN_OPTIONS="check_initialization_order=1:strict_init_order=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target engine_free_tests
(cd build-sanitize && ctest -L engine-free --output-on-failure -j2 --timeout 600)

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/findings
for seeds in tests/fuzz/corpus/*/; do
    target=$(basename "$seeds")
    cp -r "$seeds" "$work/$target"
    echo "Fuzzing $target for ${seconds} s"
    if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
            -artifact_prefix=build-fuzz/findings/ "$work/$target" 2>"$work/$target.log"; then
        tail -n 60 "$work/$target.log"
        echo "$target failed; its input is in build-fuzz/findings/" >&2
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' "$work/$target.log"
done

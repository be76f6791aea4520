#!/usr/bin/env bash
# Builds and runs every test: the unit tests natively and under the sanitizers (address and undefined
# behaviour, then threads), the fuzzers for a bounded time (VOTRANA_FUZZ_SECONDS each, default 60),
# and the Windows cross build with its tests under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source tools/ensure-packages.sh
source tools/wine/ensure-wine.sh

ensure_packages cmake g++ make libgtest-dev googletest clang libclang-rt-14-dev g++-mingw-w64-x86-64 poppler-utils man-db

fuzz_seconds=${VOTRANA_FUZZ_SECONDS:-60}
fuzzers=(fuzz_decode fuzz_roundtrip)

passed=()
failed=()
skipped=()

run_step() {
    local name=$1
    shift
    echo
    echo "==> $name"
    if "$@"; then
        passed+=("$name")
    else
        echo "==> $name FAILED"
        failed+=("$name")
    fi
}

native_tests() {
    local preset=$1
    cmake --preset "$preset" && cmake --build --preset "$preset" && ctest --preset "$preset"
}

seed_corpus() {
    local dir=$1
    mkdir -p "$dir"
    : >"$dir/seed-empty"
    printf '\x61\x62\xff\x7f\xd8\xbf\x40' >"$dir/seed-ab"
    printf '\xff\xff\x00' >"$dir/seed-ff"
}

run_fuzzer() {
    local name=$1
    local corpus=build/fuzz/corpus/$name
    local log=build/fuzz/$name.log
    seed_corpus "$corpus"
    mkdir -p build/fuzz/artifacts
    # Inputs of up to 16 KiB fill the 4096-code dictionary and go on past it; without
    # -len_control=0 libFuzzer would keep to a few bytes for most of a short run.
    if ! "build/fuzz/tests/fuzz/$name" -max_total_time="$fuzz_seconds" -max_len=16384 -len_control=0 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$name found a failure; the input is in build/fuzz/artifacts/, the log in $log"
        return 1
    fi
    echo "$name: $(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}') inputs in ${fuzz_seconds} s, no failure"
}

fuzz_tests() {
    cmake --preset fuzz && cmake --build --preset fuzz || return 1
    local name status=0
    for name in "${fuzzers[@]}"; do
        run_fuzzer "$name" || status=1
    done
    return "$status"
}

# The program and the test programs, cross-compiled; the tests run under Wine (tools/wine/).
windows_tests() {
    ensure_wine && cmake --preset windows && cmake --build --preset windows && ctest --preset windows
}

run_step native native_tests native
run_step native-asan native_tests native-asan
run_step native-tsan native_tests native-tsan
if command -v clang++ >/dev/null 2>&1; then
    run_step fuzz fuzz_tests
else
    echo
    echo "==> fuzz skipped: clang++ is not installed"
    skipped+=(fuzz)
fi
run_step windows windows_tests

echo
echo "passed: ${passed[*]:-none}"
echo "failed: ${failed[*]:-none}"
echo "skipped: ${skipped[*]:-none}"
echo "steps: ${#passed[@]} passed, ${#failed[@]} failed, ${#skipped[@]} skipped"
((${#failed[@]} == 0))

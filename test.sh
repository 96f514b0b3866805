#!/usr/bin/env bash
# Builds the project twice (normal, and with AddressSanitizer and UBSan) and runs every
# test in both builds. Exits non-zero on any failure or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
kv_install_missing_packages

export QT_QPA_PLATFORM=offscreen
jobs=2
# The tests mostly wait on the simulated line and on timers: four at a time keep both
# cores busy.
test_jobs=4
# The end-to-end tests run real processes on pseudo-terminals; a test that fails is run
# once more, so that a scheduling hiccup of a loaded machine does not count as a fault.
# A fault that is really there fails both times.
retry="--repeat until-pass:2"
# A compiler cache, where the machine has one, spares the second and later runs most of
# the build.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # The precompiled headers are only taken from the cache with these.
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi

# Both builds keep line tables only (-g1): a crash or a sanitizer report still names the
# file and line, and the compiler writes a third less.
echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$test_jobs" $retry

echo "== sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" -DKV_SANITIZE=ON -DKV_BENCHMARKS=OFF \
    "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
# Every sanitizer report is also written to a file, so a report counts even when the
# test passes on its second run.
reports="$PWD/build-asan/sanitizer-reports"
rm -rf "$reports" && mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:log_path=$reports/asan"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
ctest --test-dir build-asan --output-on-failure -j"$test_jobs" $retry
if [ -n "$(ls -A "$reports")" ]; then
    echo "sanitizer reports:"
    cat "$reports"/*
    exit 1
fi

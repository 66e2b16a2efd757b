#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless:
# first the normal build, then the same suite built with the address and
# undefined-behaviour sanitizers (any report fails the run).
set -euo pipefail
cd "$(dirname "$0")"
# The machine has two cores, shared by several builds.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-2}
./setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== Test suite"
ctest --test-dir build --output-on-failure -j2 --timeout 300

echo "== Test suite under AddressSanitizer, LeakSanitizer and UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWATTLAN_SANITIZE=ON
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j2 --timeout 600

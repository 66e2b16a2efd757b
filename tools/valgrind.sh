#!/usr/bin/env bash
# tools/valgrind.sh [CTEST-ARGS...]: runs the test suite of build/ under
# valgrind's memcheck, one test at a time. A test fails on any invalid read
# or write, use of an uninitialised value, bad free, or definite leak (those
# inside libraries outside the project are suppressed in
# tests/sanitizers/valgrind.supp, each with its reason). Not part of CI: it
# takes far longer than the sanitizer build, which CI runs instead.
# Example: tools/valgrind.sh -R tst_catalogue
set -euo pipefail
cd "$(dirname "$0")/.."
tools/need-packages.sh valgrind
[ -f build/CTestTestfile.cmake ] || ./setup.sh
export QT_QPA_PLATFORM=offscreen
# The tests' own time limits, widened for a program that runs fifty times slower.
export WATTLAN_SLOW_FACTOR=50 QTEST_FUNCTION_TIMEOUT=3600000
# Regular expressions compiled to machine code at run time are code memcheck
# cannot follow: it flags every jump in them as depending on uninitialised data.
export QT_ENABLE_REGEXP_JIT=0
options="--error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite"
# Add --track-origins=yes when chasing an uninitialised value: it is twice as slow.
options+=" --show-leak-kinds=definite --num-callers=40"
options+=" --suppressions=$PWD/tests/sanitizers/valgrind.supp"
# The install and package checks run cmake and dpkg, not the project's code.
ctest --test-dir build -T memcheck --timeout 7200 -E 'install|package' \
  --overwrite MemoryCheckCommand="$(command -v valgrind)" \
  --overwrite MemoryCheckCommandOptions="$options" \
  --output-on-failure "$@"

#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them headless.
# Prints how each figure came about, then each figure as "name: value" and a
# last line with all ratios. Google Benchmark's own report of every
# repetition goes to build-bench/bench-report.txt. Arguments are passed on:
# --quick (one repetition of each, to see that it runs),
# --benchmark_filter=REGEX, --keep-catalogues=FOLDER.
set -euo pipefail
cd "$(dirname "$0")"

tools/need-packages.sh cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools >&2 \
  libbenchmark-dev

# Two cores, shared: never more than two jobs.
mkdir -p build-bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DWATTLAN_BENCH=ON > build-bench/configure.log 2>&1 || { cat build-bench/configure.log; exit 1; }
cmake --build build-bench -j2 --target wattlan_bench >&2

report=build-bench/bench-report.txt
echo "Running the benchmarks (a few minutes); the full report goes to $report" >&2
start=$SECONDS
if ! QT_QPA_PLATFORM=offscreen build-bench/bench/wattlan_bench "$@" 2> "$report"; then
  tail -n 30 "$report" >&2
  exit 1
fi
echo "(benchmarks took $((SECONDS - start)) s)" >&2

#!/usr/bin/env bash
# The benchmarks' part of CI, cheap: builds the benchmark executable on the
# test build in build/ (which ./test.sh has just built, so only the files of
# bench/ are compiled) and runs every benchmark once with --quick. That proves
# that they build and run and that each figure can be measured; it measures
# nothing (./bench.sh does, in Release). build/ is left configured without
# the benchmarks, as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/need-packages.sh libbenchmark-dev
trap 'cmake -S . -B build -DWATTLAN_BENCH=OFF >/dev/null' EXIT
cmake -S . -B build -DWATTLAN_BENCH=ON >/dev/null
cmake --build build --target wattlan_bench
if ! QT_QPA_PLATFORM=offscreen build/bench/wattlan_bench --quick 2>build/bench-quick-report.txt \
  >build/bench-quick-figures.txt; then
  cat build/bench-quick-figures.txt
  tail -n 30 build/bench-quick-report.txt >&2
  exit 1
fi
echo "benchmarks: built, and every figure measured once (build/bench-quick-figures.txt)"

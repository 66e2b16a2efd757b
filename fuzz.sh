#!/usr/bin/env bash
# ./fuzz.sh [SECONDS [TARGET...]]: builds the fuzz targets of fuzz/ with
# clang-14 (libFuzzer, AddressSanitizer, UBSan) into build-fuzz/ and runs each
# target for SECONDS (60 unless given), one after the other. The corpus grows
# in build-fuzz/corpus/<target>/, seeded from fuzz/seeds/<target>/; a crash, a
# leak, undefined behaviour, an input slower than 10 s or one that needs more
# than 2 GB leaves its input in build-fuzz/artifacts/<target>/ and fails the
# run. Turn such an input into a test case of tests/readers/ the day it is found.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
[ $# -gt 0 ] && shift

tools/need-packages.sh clang-14 libclang-rt-14-dev cmake ninja-build qt6-base-dev qt6-tools-dev \
  qt6-l10n-tools
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DWATTLAN_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  artifacts=build-fuzz/artifacts/$target/
  log=build-fuzz/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  echo "== Fuzzing $target for $seconds s"
  # Seeds that live elsewhere in the tree: the sample catalogue.
  extra=()
  case $target in
    fuzz_database) extra=(-seed_inputs="$(ls data/ym_config_*.xml | paste -sd,)") ;;
  esac
  status=0
  "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/xml.dict -artifact_prefix="$artifacts" -print_final_stats=1 "${extra[@]}" \
    "$corpus" "fuzz/seeds/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
  units=$(find "$corpus" -type f | wc -l)
  bytes=$(du -sb "$corpus" | cut -f1)
  line="$target: ${runs:-?} runs, ${rate:-?} exec/s, corpus $units inputs ($bytes bytes)"
  if [ "$status" -ne 0 ]; then
    line="$line: FAILED (exit $status)"
    failed+=("$target")
    echo "-- last lines of $log:"
    tail -n 60 "$log"
    ls -l "$artifacts"
  fi
  echo "$line"
  summary+=("$line")
done

echo "== Fuzzing summary"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi

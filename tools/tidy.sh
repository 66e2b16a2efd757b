#!/usr/bin/env bash
# tools/tidy.sh: runs clang-tidy with the checks of .clang-tidy over the
# project's own sources (the library, the program and the tests from build/,
# the fuzz targets from build-fuzz/ when it exists), with the
# compile_commands.json that each build exports. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/need-packages.sh clang-tidy-14

# The project's own translation units of a build, generated sources left out;
# of build-fuzz/ only the fuzz targets, the rest being the same as in build/.
sources() {
  local folders='core|app|cli|runeditor|tabs|prefs|sheet|tests'
  [ "$1" = build-fuzz ] && folders=fuzz
  grep -o '"file": "[^"]*"' "$1/compile_commands.json" | sed 's/"file": "\(.*\)"/\1/' \
    | grep -E "^$PWD/($folders)/[^/]*\.cpp$" | sort -u
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
for build in build build-fuzz; do
  [ -f "$build/compile_commands.json" ] || continue
  echo "== clang-tidy over the sources of $build/: $(sources "$build" | wc -l) files"
  sources "$build" | xargs -P2 -n1 clang-tidy-14 --quiet --use-color=false -p "$build" \
    >>"$log" 2>&1 || status=1
done
# A finding in a header shows once per file that includes it.
findings=$(grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):' "$log" | sort -u || true)
if [ $status -ne 0 ] || [ -n "$findings" ]; then
  grep -v ' warnings generated\.$' "$log" || true
  echo "clang-tidy: $(printf '%s\n' "$findings" | grep -c . || true) findings" >&2
  exit 1
fi
echo "clang-tidy: no findings"

#!/usr/bin/env bash
# tools/format-check.sh: checks that every C++ source and header in the
# repository is formatted as .clang-format says; changes nothing. Lists the
# files that differ and fails when there is one (fix: clang-format-14 -i FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/need-packages.sh clang-format-14
mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
  clang-format-14 --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}" >&2
  clang-format-14 --dry-run "${unformatted[@]}" 2>&1 | head -n 40 >&2
  exit 1
fi
echo "clang-format: all ${#files[@]} files formatted"

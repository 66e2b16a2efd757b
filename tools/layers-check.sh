#!/usr/bin/env bash
# tools/layers-check.sh: checks that no source includes a header of a higher
# layer, and that nothing outside the main window asks for the window through
# Wattlan::instance(). The layers, lowest first, and what each may include:
#   core/                         core
#   sheet/                        core, sheet
#   runeditor/ tabs/ prefs/ app/  core, sheet and the widgets' own folders
#   cli/                          core, sheet, cli
# A header is found by its bare name in the folders above (or generated:
# ui_*.h, updateserver.h). Fails listing each offending line.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [core]="core"
  [sheet]="core sheet"
  [runeditor]="core sheet runeditor tabs prefs app"
  [tabs]="core sheet runeditor tabs prefs app"
  [prefs]="core sheet runeditor tabs prefs app"
  [app]="core sheet runeditor tabs prefs app"
  [cli]="core sheet cli"
)
# Within the widgets, the run editor and the preferences stand below the
# window: they may use its message-box seam and nothing else of it.
declare -A widgetsOnly=(
  [runeditor]="core sheet runeditor app/prompter.h"
  [prefs]="core sheet prefs app/prompter.h"
)

faults=0
folderOf() { # the folder that holds a header, or nothing when none does
  for folder in core sheet runeditor tabs prefs app cli; do
    if [ -f "$folder/$1" ]; then echo "$folder"; return 0; fi
  done
  return 0
}
for layer in "${!allowed[@]}"; do
  may="${widgetsOnly[$layer]:-${allowed[$layer]}}"
  while IFS=: read -r file line text; do
    header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$text")
    folder=$(folderOf "$header")
    [ -z "$folder" ] && continue # generated, or a toolkit header
    ok=0
    for entry in $may; do
      if [ "$entry" = "$folder" ] || [ "$entry" = "$folder/$header" ]; then ok=1; fi
    done
    if [ $ok -eq 0 ]; then
      echo "$file:$line: $layer/ includes $folder/$header, a higher layer" >&2
      faults=$((faults + 1))
    fi
  done < <(grep -n '#include "' "$layer"/*.cpp "$layer"/*.h 2>/dev/null || true)
done
while IFS= read -r use; do
  echo "$use: asks for the main window through Wattlan::instance()" >&2
  faults=$((faults + 1))
done < <(grep -rn 'Wattlan::instance()' core sheet runeditor tabs prefs cli --include='*.cpp' --include='*.h' || true)
if [ $faults -gt 0 ]; then
  echo "layers: $faults fault(s)" >&2
  exit 1
fi
echo "layers: no source includes a higher layer"

#!/usr/bin/env bash
# Fails when a file in src/ includes a header of a layer it may not use: each layer includes only
# itself and the layers below it (docs/architecture.md has the picture; CMakeLists.txt links the
# same arrows).
#   cmake/check-layers.sh SOURCE_DIR
set -euo pipefail
src=$1/src
declare -A allowed=(
  [base]="base"
  [datafiles]="base datafiles"
  [ovl]="base ovl"
  [builders]="base datafiles ovl builders"
  [install]="base datafiles ovl install"
  [assistant]="base datafiles ovl assistant"
  [workflow]="base datafiles ovl builders install assistant workflow"
  [cli]="base datafiles ovl builders install assistant workflow cli"
  [gui]="base datafiles ovl builders install assistant workflow gui"
)
# Only the two front ends may include a window toolkit.
toolkit_allowed="gui"
failures=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [ -z "${allowed[$layer]+x}" ]; then
    echo "src/$layer: a folder that is no known layer (add it to cmake/check-layers.sh)"
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#[[:space:]]*include[[:space:]]*[<"]([^/">]+)\/.*/\1/' <<<"${line#*:}")
    if [ "$target" = wx ]; then
      [[ " $toolkit_allowed " == *" $layer "* ]] && continue
      echo "${file#"$1"/}: the $layer layer includes the window toolkit"
      failures=$((failures + 1))
    elif [ -n "${allowed[$target]+x}" ] && [[ " ${allowed[$layer]} " != *" $target "* ]]; then
      echo "${file#"$1"/}: the $layer layer includes from $target: ${line#*:}"
      failures=$((failures + 1))
    fi
  done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^/">]+/' "$dir" || true)
done
if [ "$failures" -gt 0 ]; then
  echo "FAILED: $failures include(s) run against the layers"
  exit 1
fi
echo "every include of src/ looks down the layers"

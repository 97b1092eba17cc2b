#!/usr/bin/env bash
# A Windows program carries the manifest that lets it use paths past 260 characters:
#   tests/windows_manifest.sh PROGRAM.exe
set -euo pipefail
program=$1
grep -aq '<longPathAware xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">true</longPathAware>' "$program" \
  || { echo "FAILED: $program declares no longPathAware in its manifest" >&2; exit 1; }
grep -aq '<requestedExecutionLevel level="asInvoker"' "$program" \
  || { echo "FAILED: $program has no manifest asking for the user's own rights" >&2; exit 1; }
echo "$program is long-path aware"

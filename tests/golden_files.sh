#!/usr/bin/env bash
# The examples' rewrites, dumps, checks, pair listings and pair digests are compared with the ones
# kept in tests/golden (scripts/update-golden.sh makes those):
#   tests/golden_files.sh WORK SOURCE_DIR [EMULATOR ...] PROGRAM
set -euo pipefail
work=$1
source=$2
shift 2
"$source/tests/golden_produce.sh" "$work" "$source" "$@"
if ! diff -r -x README.md "$source/tests/golden" "$work"; then
  echo "FAILED: the results differ from tests/golden (scripts/update-golden.sh renews them after a wanted change)" >&2
  exit 1
fi
echo "all $(ls "$work" | wc -l) results equal tests/golden"
